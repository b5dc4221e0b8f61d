// Platform version rules and the monitor and opacity calls through
// replaceable window services.
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "skin/draw/window_helpers.h"

namespace {

using gfx::Rect;
using skin::PlatformVersion;

TEST(PlatformVersions, LayeredWindowsAndDropShadows) {
  const struct {
    PlatformVersion version;
    bool layered, xp;
  } cases[] = {
      {{4, 0}, false, false}, {{4, 10}, false, false}, {{5, 0}, true, false},
      {{5, 1}, true, true},   {{5, 2}, true, false},   {{5, 3}, false, false},
      {{6, 0}, false, false}, {{6, 1}, false, false},  {{10, 0}, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.version.major << "." << c.version.minor);
    EXPECT_EQ(skin::HasLayeredWindows(c.version), c.layered);
    EXPECT_EQ(skin::IsWindowsXP(c.version), c.xp);
  }
}

class FakeServices : public skin::WindowServices {
 public:
  PlatformVersion platformVersion() const override { return {5, 1}; }
  bool setWindowOpacity(ui::WinControl* w, int alpha) override {
    calls.push_back({w, alpha});
    return true;
  }
  int monitorCount() const override { return monitors; }
  bool hasMonitorInfo() const override { return info; }
  std::optional<skin::MonitorInfo> nearestMonitor(ui::WinControl* w) const override {
    asked = w;
    return readable ? std::optional<skin::MonitorInfo>({{1024, 0, 2048, 768}, {1024, 0, 2048, 740}})
                    : std::nullopt;
  }
  Rect desktopWorkArea() const override { return {0, 0, 1024, 740}; }
  gfx::Size screenSize() const override { return {1024, 768}; }

  struct Call {
    ui::WinControl* window;
    int alpha;
  };
  std::vector<Call> calls;
  int monitors = 1;
  bool info = true;
  bool readable = true;
  mutable ui::WinControl* asked = nullptr;
};

class WindowServicesTest : public testing::Test {
 protected:
  void SetUp() override { skin::SetWindowServices(&fake); }
  void TearDown() override { skin::SetWindowServices(nullptr); }
  FakeServices fake;
  ui::WinControl* window = reinterpret_cast<ui::WinControl*>(&fake);  // only compared
};

TEST_F(WindowServicesTest, MonitorAreaByMonitorCount) {
  Rect area{1, 2, 3, 4};
  // One monitor: the desktop work area, or the whole screen.
  ASSERT_TRUE(skin::GetMonitorArea(window, true, area));
  EXPECT_EQ(area, (Rect{0, 0, 1024, 740}));
  ASSERT_TRUE(skin::GetMonitorArea(window, false, area));
  EXPECT_EQ(area, (Rect{0, 0, 1024, 768}));
  EXPECT_EQ(fake.asked, nullptr);

  // Two monitors: the one nearest the window.
  fake.monitors = 2;
  ASSERT_TRUE(skin::GetMonitorArea(window, true, area));
  EXPECT_EQ(area, (Rect{1024, 0, 2048, 740}));
  EXPECT_EQ(fake.asked, window);
  ASSERT_TRUE(skin::GetMonitorArea(window, false, area));
  EXPECT_EQ(area, (Rect{1024, 0, 2048, 768}));

  // Its information cannot be read: the rect stays as it was.
  fake.readable = false;
  area = {1, 2, 3, 4};
  EXPECT_FALSE(skin::GetMonitorArea(window, true, area));
  EXPECT_EQ(area, (Rect{1, 2, 3, 4}));

  // No monitor information at all: the single-monitor answers.
  fake.info = false;
  ASSERT_TRUE(skin::GetMonitorArea(window, false, area));
  EXPECT_EQ(area, (Rect{0, 0, 1024, 768}));
}

TEST_F(WindowServicesTest, OpacityGoesToTheServicesClamped) {
  skin::SetWindowAlpha(window, 128);
  skin::SetWindowAlpha(window, 300);
  skin::SetWindowAlpha(window, -5);
  ASSERT_EQ(fake.calls.size(), 3u);
  EXPECT_EQ(fake.calls[0].window, window);
  EXPECT_EQ(fake.calls[0].alpha, 128);
  EXPECT_EQ(fake.calls[1].alpha, 255);
  EXPECT_EQ(fake.calls[2].alpha, 0);
  EXPECT_EQ(skin::CurrentPlatformVersion(), (PlatformVersion{5, 1}));
}

TEST(WindowServicesDefault, WithoutAFrameworkNothingHappens) {
  skin::SetWindowAlpha(nullptr, 100);  // no opacity: nothing to do
  EXPECT_FALSE(skin::HasLayeredWindows(skin::CurrentPlatformVersion()));
  Rect area{1, 2, 3, 4};
  EXPECT_TRUE(skin::GetMonitorArea(nullptr, true, area));
  EXPECT_EQ(area, Rect{});
}

}  // namespace
