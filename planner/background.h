#pragma once
// Work off the interface thread. One worker runs every computation in
// turn (the sky library's caches are not shared between threads); on each
// channel a newer request replaces an older one still waiting, and the
// answer of a request overtaken by a newer one is dropped. Work that is
// told of it (a Ticket) can stop at its next step instead of running on.
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace orbitas::planner {

class Background : public QObject {
  Q_OBJECT

  struct Overtaken {};  // not a std::exception: no catch of the runners' errors takes it

 public:
  // What work learns of its request while it runs.
  class Ticket {
   public:
    // True once a newer request on the same channel came in (or the
    // worker is closing). Any thread; raises nothing.
    bool overtaken() const { return flag_->load(std::memory_order_relaxed); }

    // On the worker, between the steps of a long search: leaves the work
    // when overtaken, by raising an exception of Background's own that only
    // Background catches; the request then ends with neither delivery nor
    // failure, and the channel's newest runs next. Raises nothing otherwise.
    void StopIfOvertaken() const {
      if (overtaken()) throw Overtaken{};
    }

   private:
    friend class Background;
    explicit Ticket(std::shared_ptr<const std::atomic<bool>> flag) : flag_(std::move(flag)) {}
    std::shared_ptr<const std::atomic<bool>> flag_;
  };

  using Delivery = std::function<void()>;               // runs on the interface thread
  using Work = std::function<Delivery(const Ticket&)>;  // runs on the worker
  using WholeWork = std::function<Delivery()>;          // runs on the worker, to its end

  explicit Background(QObject* parent = nullptr);
  // Tells the running work it is overtaken and waits for it.
  ~Background() override;

  // Interface thread. Runs work on the worker, then its delivery here,
  // unless a newer request on channel came in meanwhile: the running one's
  // ticket then says so, and a waiting one is replaced. An exception in
  // work is told by failed, with its message, unless the request was
  // overtaken. Waiting work of a higher priority runs first. Raises nothing.
  void Submit(const QString& channel, Work work, int priority = 0);
  void Submit(const QString& channel, WholeWork work, int priority = 0);

  bool busy() const { return running_ > 0; }

 signals:
  void busyChanged(bool busy);
  void failed(const QString& message);

 private:
  struct Channel {
    quint64 generation = 0;
    bool running = false;
    std::shared_ptr<std::atomic<bool>> overtaken;  // the running request's
    std::optional<Work> pending;
    int priority = 0;
  };
  void Start(const QString& channel, Work work);
  void Finished(const QString& channel, quint64 generation, const Delivery& delivery, const QString& failure);

  QThreadPool pool_;
  std::map<QString, Channel> channels_;
  int running_ = 0;
};

}  // namespace orbitas::planner
