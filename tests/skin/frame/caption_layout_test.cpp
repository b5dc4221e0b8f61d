// Border icons, hide-caption-buttons and the layout of skinned and default
// caption buttons.
#include "skin/frame/caption_layout.h"

#include <gtest/gtest.h>

#include "fake_frame_host.h"
#include "frame_fixture.h"

namespace {

using frametest::FakeFrameHost;
using frametest::kPicture;
using frametest::SmallFrame;
using gfx::Rect;
using skin::StdCommand;

// A skinned frame's objects in skin order: the caption drawn into the frame
// picture, then separate 16 x 14 buttons from an active picture.
class SkinnedButtons : public ::testing::Test {
 protected:
  SkinnedButtons() : active_(64, 16) {
    captionData_.skinRect = {5, 3, 195, 22};
    objects_.push_back(std::make_unique<skin::TbsSkinCaptionObject>(host_, captionData_, nullptr));
    const std::pair<const char*, StdCommand> buttons[] = {
        {"sysmenubutton", StdCommand::SysMenu}, {"closebutton", StdCommand::Close},
        {"maxbutton", StdCommand::Maximize},    {"minbutton", StdCommand::Minimize},
        {"rollupbutton", StdCommand::RollUp},   {"traybutton", StdCommand::MinimizeToTray},
    };
    for (const auto& [name, command] : buttons) {
      auto data = std::make_unique<skin::TbsDataSkinStdButton>(name);
      data->command = command;
      data->skinRectInAPicture = true;
      data->skinRect = {0, 0, 16, 14};
      data->activeSkinRect = {16, 0, 32, 14};
      objects_.push_back(std::make_unique<skin::TbsSkinStdButtonObject>(host_, *data, &active_));
      data_.push_back(std::move(data));
    }
  }

  void layout(skin::TbsBorderIcons icons, bool hide, const skin::SkinFormInfo& info) {
    skin::ApplyBorderIcons(objects_, icons, hide, nullptr);
    const auto placed = skin::PlaceFrameGeometry(info, kPicture, 300, 160);
    skin::LayoutCaptionButtons(objects_, info, kPicture, placed, std::nullopt);
  }
  const skin::TbsActiveSkinObject& object(const char* name) const {
    for (const auto& o : objects_) {
      if (o->IDName == name) return *o;
    }
    throw std::logic_error("no such object");
  }
  const Rect& caption() const { return objects_.front()->ObjectRect; }

  FakeFrameHost host_;
  gfx::Bitmap active_;
  skin::TbsDataSkinCaption captionData_{"caption"};
  std::vector<std::unique_ptr<skin::TbsDataSkinStdButton>> data_;
  skin::FrameObjectList objects_;
};

// At 300 x 160 the caption row is (5, 3, 295, 22); buttons are 16 wide and
// 2 apart from x 295 leftward; the system-menu button sits at the caption's
// left, centred: top = 3 + 19 div 2 - 14 div 2 = 5.
TEST_F(SkinnedButtons, BorderIconSubsetsLeaveTheirButtonsAndWidenTheCaption) {
  struct Row {
    const char* name;
    unsigned icons;
    std::vector<const char*> shown;
    Rect captionRect;
  };
  using namespace skin;
  const Row rows[] = {
      {"Default",
       biSystemMenu | biMinimize | biMaximize | biRollUp,
       {"sysmenubutton", "closebutton", "maxbutton", "minbutton", "rollupbutton"},
       {21, 3, 225, 22}},
      {"All",
       biSystemMenu | biMinimize | biMaximize | biRollUp | biMinimizeToTray,
       {"sysmenubutton", "closebutton", "maxbutton", "minbutton", "rollupbutton", "traybutton"},
       {21, 3, 207, 22}},
      {"MinMax",
       biMinimize | biMaximize,
       {"closebutton", "maxbutton", "minbutton"},
       {5, 3, 243, 22}},
      {"SystemMenuOnly", biSystemMenu, {"sysmenubutton", "closebutton"}, {21, 3, 279, 22}},
      {"None", 0, {"closebutton"}, {5, 3, 279, 22}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    for (auto& o : objects_) o->Enabled = o->Visible = true;  // a fresh build
    layout(skin::TbsBorderIcons{r.icons}, false, SmallFrame());
    for (const auto& o : objects_) {
      if (o.get() == objects_.front().get()) continue;
      const bool expected = std::find_if(r.shown.begin(), r.shown.end(), [&](const char* n) {
                              return o->IDName == n;
                            }) != r.shown.end();
      EXPECT_EQ(o->Visible, expected) << o->IDName;
      EXPECT_EQ(o->Enabled, expected) << o->IDName;
    }
    EXPECT_EQ(caption(), r.captionRect);
  }
  // The default row: right to left, close, maximize, minimize, roll-up.
  EXPECT_EQ(object("closebutton").ObjectRect, (Rect{279, 3, 295, 17}));
  EXPECT_EQ(object("maxbutton").ObjectRect, (Rect{261, 3, 277, 17}));
  EXPECT_EQ(object("minbutton").ObjectRect, (Rect{243, 3, 259, 17}));
  EXPECT_EQ(object("rollupbutton").ObjectRect, (Rect{225, 3, 241, 17}));
  EXPECT_EQ(object("sysmenubutton").ObjectRect, (Rect{5, 5, 21, 19}));
}

TEST_F(SkinnedButtons, HideCaptionButtonsWithdrawsEveryButtonEvenClose) {
  layout(skin::TbsBorderIcons{}, true, SmallFrame());
  for (const auto& o : objects_) {
    if (o.get() == objects_.front().get()) continue;
    EXPECT_FALSE(o->Enabled) << o->IDName;
    EXPECT_FALSE(o->Visible) << o->IDName;
  }
  // No button in the row: the caption reaches the row's end plus the offset.
  EXPECT_EQ(caption(), (Rect{5, 3, 297, 22}));
}

TEST_F(SkinnedButtons, AButtonDrawnIntoTheFramePictureStaysVisibleButDisabled) {
  objects_[3]->skinRectInAPicture = false;  // maxbutton
  objects_[3]->skinRect = {150, 3, 166, 17};
  layout(skin::TbsBorderIcons::none(), false, SmallFrame());
  EXPECT_TRUE(object("maxbutton").Visible);
  EXPECT_FALSE(object("maxbutton").Enabled);
  // Mapped with the frame: wholly in the top middle, it stays.
  EXPECT_EQ(object("maxbutton").ObjectRect, (Rect{150, 3, 166, 17}));
}

TEST_F(SkinnedButtons, ButtonsOnTheLeftRunLeftToRightThenTheSystemMenu) {
  skin::SkinFormInfo info = SmallFrame();
  info.buttonsInLeft = true;
  layout(skin::TbsBorderIcons::none(), false, info);  // the close button alone
  EXPECT_EQ(object("closebutton").ObjectRect, (Rect{5, 3, 21, 17}));
  EXPECT_EQ(caption().left, 25);  // x after the close button (23) + offset

  for (auto& o : objects_) o->Enabled = o->Visible = true;
  layout(skin::TbsBorderIcons{skin::biSystemMenu | skin::biMaximize}, false, info);
  EXPECT_EQ(object("closebutton").ObjectRect, (Rect{5, 3, 21, 17}));
  EXPECT_EQ(object("maxbutton").ObjectRect, (Rect{23, 3, 39, 17}));
  EXPECT_EQ(object("sysmenubutton").ObjectRect, (Rect{41, 3, 57, 17}));
  EXPECT_EQ(caption().left, 61);
}

TEST_F(SkinnedButtons, AButtonsAreaTakesTheRowAndLeavesTheCaptionAlone) {
  skin::SkinFormInfo info = SmallFrame();
  info.buttonsRect = {120, 24, 195, 40};  // right half: follows the right edge by 100
  layout(skin::TbsBorderIcons{skin::biMinimize}, false, info);
  EXPECT_EQ(object("closebutton").ObjectRect, (Rect{279, 24, 295, 38}));
  EXPECT_EQ(object("minbutton").ObjectRect, (Rect{261, 24, 277, 38}));
  EXPECT_EQ(caption(), (Rect{5, 3, 295, 22}));
}

TEST_F(SkinnedButtons, DefaultHintsComeFromTheTextTableOrTheBuiltInTexts) {
  skin::ReadObjectHints(objects_, nullptr);
  EXPECT_EQ(object("closebutton").Hint, "关闭");
  EXPECT_EQ(object("sysmenubutton").Hint, "系统菜单");
  EXPECT_EQ(object("traybutton").Hint, "最小化到系统托盘区");
  EXPECT_EQ(object("caption").Hint, "");
  skin::ReadObjectHints(objects_,
                        [](std::string_view key) { return "<" + std::string(key) + ">"; });
  EXPECT_EQ(object("rollupbutton").Hint, "<ROLLUPBUTTON_HINT>");
  EXPECT_EQ(object("minbutton").Hint, "<MINBUTTON_HINT>");
}

TEST(DefaultButtons, LayOutRightToLeftWithoutGapsAndSetTheCaptionArea) {
  FakeFrameHost host;
  skin::FrameObjectList buttons = skin::CreateDefaultButtons(host);
  ASSERT_EQ(buttons.size(), 6u);
  skin::ApplyBorderIcons(buttons, skin::TbsBorderIcons{}, false,
                         nullptr);  // the default set: no tray
  const auto caption = skin::LayoutDefaultButtons(buttons, 200, false, std::nullopt);
  ASSERT_TRUE(caption.has_value());
  EXPECT_EQ(buttons[0]->ObjectRect, (Rect{180, 4, 197, 21}));  // close
  EXPECT_EQ(buttons[1]->ObjectRect, (Rect{163, 4, 180, 21}));  // maximize
  EXPECT_EQ(buttons[2]->ObjectRect, (Rect{146, 4, 163, 21}));  // minimize
  EXPECT_EQ(buttons[3]->ObjectRect, (Rect{129, 4, 146, 21}));  // roll-up
  EXPECT_EQ(buttons[4]->ObjectRect, (Rect{3, 4, 20, 21}));     // system menu
  EXPECT_FALSE(buttons[5]->Visible);                           // tray
  EXPECT_EQ(*caption, (Rect{20, 3, 129, 19}));

  // A tool window: 13-pixel buttons, a 15-pixel caption, and the icon size
  // for a system-menu button showing the icon.
  const auto tool = skin::LayoutDefaultButtons(buttons, 200, true, gfx::Size{16, 16});
  EXPECT_EQ(buttons[0]->ObjectRect, (Rect{184, 4, 197, 17}));
  EXPECT_EQ(buttons[4]->ObjectRect, (Rect{3, 4, 19, 20}));
  EXPECT_EQ(*tool, (Rect{19, 3, 145, 15}));

  skin::FrameObjectList none;
  EXPECT_FALSE(skin::LayoutDefaultButtons(none, 200, false, std::nullopt).has_value());
}

}  // namespace
