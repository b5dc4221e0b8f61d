// One-shot timers behind an interface, so that slow delays (the 25-second
// hint display time) can run on a clock that tests move by hand.
#pragma once

#include <functional>
#include <map>
#include <utility>

namespace ui {

class Scheduler {
 public:
  using Id = int;
  virtual ~Scheduler() = default;
  // Runs fn once after ms milliseconds; returns an id for cancel (never 0).
  virtual Id start(int ms, std::function<void()> fn) = 0;
  virtual void cancel(Id id) = 0;
};

// The event loop's timers.
Scheduler& QtScheduler();

// A clock that moves only when told: advance runs every due call in time order.
class ManualScheduler : public Scheduler {
 public:
  Id start(int ms, std::function<void()> fn) override;
  void cancel(Id id) override;
  void advance(int ms);
  long long now() const { return now_; }
  bool pending() const { return !calls_.empty(); }

 private:
  struct Call {
    long long due;
    std::function<void()> fn;
  };
  long long now_ = 0;
  Id next_ = 1;
  std::map<Id, Call> calls_;
};

}  // namespace ui
