// Benchmarks of the window framework's message path, each with its baseline
// in the same run: a message sent through windowProc with one hook that
// passes it on (the frame component's position), and without a hook,
// against one plain virtual call doing the same work.
#include <benchmark/benchmark.h>

#include "ui/message.h"
#include "ui/win_control.h"

namespace {

// The baseline: the work of a procedure behind one virtual call.
struct Procedure {
  virtual ~Procedure() = default;
  virtual void handle(ui::Message& m) = 0;
};
struct Counting : Procedure {
  void handle(ui::Message& m) override { m.result = m.wparam + 1; }
};

class CountingControl : public ui::WinControl {
 public:
  CountingControl() : ui::WinControl(nullptr) {}

 protected:
  void wndProc(ui::Message& m) override {
    if (m.id == ui::WM_USER) {
      m.result = m.wparam + 1;
      return;
    }
    ui::WinControl::wndProc(m);
  }
};

class PassOn : public ui::MessageHook {
 protected:
  void hookMessage(ui::Message& m) override {
    if (m.id == ui::WM_NCHITTEST) {  // what a frame looks at, then passes on
      m.result = ui::HTCLIENT;
      return;
    }
    callPrevious(m);
  }
};

void BM_PlainVirtualCall(benchmark::State& state) {
  Counting c;
  Procedure* p = &c;
  benchmark::DoNotOptimize(p);
  ui::Message m{ui::WM_USER, 1, 0, 0};
  for (auto _ : state) {
    p->handle(m);
    benchmark::DoNotOptimize(m.result);
  }
}
BENCHMARK(BM_PlainVirtualCall);

void BM_WindowProcNoHook(benchmark::State& state) {
  CountingControl c;
  ui::Message m{ui::WM_USER, 1, 0, 0};
  for (auto _ : state) {
    c.windowProc(m);
    benchmark::DoNotOptimize(m.result);
  }
}
BENCHMARK(BM_WindowProcNoHook);

void BM_WindowProcOneHook(benchmark::State& state) {
  CountingControl c;
  PassOn hook;
  c.installHook(&hook);
  ui::Message m{ui::WM_USER, 1, 0, 0};
  for (auto _ : state) {
    c.windowProc(m);
    benchmark::DoNotOptimize(m.result);
  }
  c.removeHook(&hook);
}
BENCHMARK(BM_WindowProcOneHook);

void BM_PerformOneHook(benchmark::State& state) {
  CountingControl c;
  PassOn hook;
  c.installHook(&hook);
  for (auto _ : state) benchmark::DoNotOptimize(c.perform(ui::WM_USER, 1, 0));
  c.removeHook(&hook);
}
BENCHMARK(BM_PerformOneHook);

}  // namespace
