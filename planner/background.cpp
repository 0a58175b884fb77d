#include "planner/background.h"

#include <exception>

namespace orbitas::planner {

Background::Background(QObject* parent) : QObject(parent) { pool_.setMaxThreadCount(1); }

Background::~Background() {
  pool_.clear();
  // A long search left running would hold the window's closing up.
  for (auto& [name, channel] : channels_) {
    if (channel.overtaken) channel.overtaken->store(true);
  }
  pool_.waitForDone();
}

void Background::Submit(const QString& name, WholeWork work, int priority) {
  Submit(name, [work = std::move(work)](const Ticket&) { return work(); }, priority);
}

void Background::Submit(const QString& name, Work work, int priority) {
  Channel& channel = channels_[name];
  ++channel.generation;
  channel.priority = priority;
  if (channel.running) {
    channel.pending = std::move(work);
    channel.overtaken->store(true);
    return;
  }
  Start(name, std::move(work));
}

void Background::Start(const QString& name, Work work) {
  Channel& channel = channels_[name];
  channel.running = true;
  channel.overtaken = std::make_shared<std::atomic<bool>>(false);
  if (++running_ == 1) emit busyChanged(true);
  const quint64 generation = channel.generation;
  pool_.start(QRunnable::create([this, name, generation, ticket = Ticket(channel.overtaken), work = std::move(work)] {
    Delivery delivery;
    QString failure;
    try {
      // Overtaken while it waited behind another channel's work: not worth starting.
      ticket.StopIfOvertaken();
      delivery = work(ticket);
    } catch (const Overtaken&) {
      // Dropped in Finished, as any overtaken answer.
    } catch (const std::exception& error) {
      failure = QString::fromUtf8(error.what());
    } catch (...) {
      failure = QStringLiteral("error inesperado");
    }
    QMetaObject::invokeMethod(
        this, [this, name, generation, delivery, failure] { Finished(name, generation, delivery, failure); },
        Qt::QueuedConnection);
  }), channel.priority);
}

void Background::Finished(const QString& name, quint64 generation, const Delivery& delivery, const QString& failure) {
  Channel& channel = channels_[name];
  channel.running = false;
  channel.overtaken.reset();
  if (generation == channel.generation) {
    if (!failure.isEmpty()) {
      emit failed(failure);
    } else if (delivery) {
      delivery();
    }
  }
  --running_;
  if (channel.pending) {
    Work next = std::move(*channel.pending);
    channel.pending.reset();
    Start(name, std::move(next));
    return;
  }
  if (running_ == 0) emit busyChanged(false);
}

}  // namespace orbitas::planner
