#pragma once
// The last few answers a tab has shown, by what they answer, so that going
// back to a year or a place just seen shows it at once. Interface thread.
#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <utility>

namespace orbitas::planner {

template <typename Answer>
class KeptAnswers {
 public:
  explicit KeptAnswers(std::size_t most = 4) : most_(most) {}

  // The answer kept for key, or null; a hit becomes the newest. Raises
  // nothing.
  std::shared_ptr<const Answer> Find(const std::string& key) {
    for (auto it = kept_.begin(); it != kept_.end(); ++it) {
      if (it->first != key) continue;
      auto found = std::move(*it);
      kept_.erase(it);
      kept_.push_front(std::move(found));
      return kept_.front().second;
    }
    return nullptr;
  }

  // Keeps answer for key as the newest, forgetting the oldest beyond the
  // most kept. Raises nothing but std::bad_alloc.
  void Keep(const std::string& key, std::shared_ptr<const Answer> answer) {
    Find(key);
    if (!kept_.empty() && kept_.front().first == key) kept_.pop_front();
    kept_.emplace_front(key, std::move(answer));
    if (kept_.size() > most_) kept_.pop_back();
  }

 private:
  std::size_t most_;
  std::deque<std::pair<std::string, std::shared_ptr<const Answer>>> kept_;
};

}  // namespace orbitas::planner
