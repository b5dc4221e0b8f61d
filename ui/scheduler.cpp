// The event loop's timers and the hand-moved clock.
#include "ui/scheduler.h"

#include <QCoreApplication>
#include <QObject>
#include <QTimer>

namespace ui {

namespace {
class LoopScheduler : public Scheduler {
 public:
  Id start(int ms, std::function<void()> fn) override {
    const Id id = next_++;
    auto* t = new QTimer(QCoreApplication::instance());
    t->setSingleShot(true);
    timers_[id] = t;
    QObject::connect(t, &QTimer::timeout, t, [this, id, fn = std::move(fn)] {
      auto it = timers_.find(id);
      if (it == timers_.end()) return;
      it->second->deleteLater();
      timers_.erase(it);
      fn();
    });
    t->start(ms < 0 ? 0 : ms);
    return id;
  }
  void cancel(Id id) override {
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    it->second->stop();
    it->second->deleteLater();
    timers_.erase(it);
  }

 private:
  Id next_ = 1;
  std::map<Id, QTimer*> timers_;
};
}  // namespace

Scheduler& QtScheduler() {
  static LoopScheduler* s = new LoopScheduler;  // lives as long as the process
  return *s;
}

Scheduler::Id ManualScheduler::start(int ms, std::function<void()> fn) {
  const Id id = next_++;
  calls_[id] = Call{now_ + (ms < 0 ? 0 : ms), std::move(fn)};
  return id;
}

void ManualScheduler::cancel(Id id) { calls_.erase(id); }

void ManualScheduler::advance(int ms) {
  const long long end = now_ + ms;
  for (;;) {
    auto next = calls_.end();
    for (auto it = calls_.begin(); it != calls_.end(); ++it)
      if (it->second.due <= end && (next == calls_.end() || it->second.due < next->second.due))
        next = it;
    if (next == calls_.end()) break;
    now_ = next->second.due;
    std::function<void()> fn = std::move(next->second.fn);
    calls_.erase(next);
    fn();
  }
  now_ = end;
}

}  // namespace ui
