#pragma once
// Work off the interface thread. One worker runs every computation in
// turn (the sky library's caches are not shared between threads); on each
// channel a newer request replaces an older one still waiting, and the
// answer of a request overtaken by a newer one is dropped.
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <functional>
#include <map>
#include <optional>

namespace orbitas::planner {

class Background : public QObject {
  Q_OBJECT

 public:
  using Delivery = std::function<void()>;  // runs on the interface thread
  using Work = std::function<Delivery()>;  // runs on the worker

  explicit Background(QObject* parent = nullptr);
  ~Background() override;

  // Runs work on the worker, then its delivery here, unless a newer
  // request on channel came in meanwhile. An exception in work is told by
  // failed, with its message. Waiting work of a higher priority runs
  // first.
  void Submit(const QString& channel, Work work, int priority = 0);

  bool busy() const { return running_ > 0; }

 signals:
  void busyChanged(bool busy);
  void failed(const QString& message);

 private:
  struct Channel {
    quint64 generation = 0;
    bool running = false;
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
