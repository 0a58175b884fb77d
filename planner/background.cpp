#include "planner/background.h"

#include <exception>

namespace orbitas::planner {

Background::Background(QObject* parent) : QObject(parent) { pool_.setMaxThreadCount(1); }

Background::~Background() {
  pool_.clear();
  pool_.waitForDone();
}

void Background::Submit(const QString& name, Work work, int priority) {
  Channel& channel = channels_[name];
  ++channel.generation;
  channel.priority = priority;
  if (channel.running) {
    channel.pending = std::move(work);
    return;
  }
  Start(name, std::move(work));
}

void Background::Start(const QString& name, Work work) {
  Channel& channel = channels_[name];
  channel.running = true;
  if (++running_ == 1) emit busyChanged(true);
  const quint64 generation = channel.generation;
  pool_.start(QRunnable::create([this, name, generation, work = std::move(work)] {
    Delivery delivery;
    QString failure;
    try {
      delivery = work();
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
