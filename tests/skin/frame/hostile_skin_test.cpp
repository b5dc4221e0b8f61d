// Hostile skins and hostile menus against the skinned frame on real forms:
// built-in skins unpacked, edited (definition keys, pictures) and packed
// again, then applied to a shown form at a small and a large size, painted,
// hit-tested over a grid, their caption buttons pressed, the system menu
// opened, resized and switched; and menus that are empty, all dividers,
// very long, very wide or very deep, changed or destroyed while open.
// Nothing may crash or hang, nothing may stay lit or pressed, and the
// frame's fall-backs must leave a usable window.
#include <QCursor>
#include <QTemporaryDir>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "resources/builtin_skins.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/package_stream.h"
#include "skin/data/skin_values.h"
#include "skin/data/stream.h"
#include "skin/frame/form_frame.h"
#include "skin/popup/popup_window.h"
#include "support/qt_wait.h"
#include "ui/application.h"
#include "ui/graphics/bmp.h"
#include "ui/keys.h"

namespace {

namespace fs = std::filesystem;
using skin::FrameWindowState;
using skin::TbsFormFrame;

constexpr int kRed = 0;   // the first built-in skin: no mask
constexpr int kBlue = 2;  // a built-in skin with a frame mask

// A built-in skin unpacked into a folder: skin.ini and its pictures under
// the names its [PICTURES] section gives, ready to be edited and packed.
class SkinFolder {
 public:
  explicit SkinFolder(int builtin) {
    skin::TbsCompressedStoredSkin stored;
    app::LoadBuiltinSkin(app::BuiltinSkins()[static_cast<std::size_t>(builtin)], stored);
    skin::MemoryStream raw;
    stored.Unpack(raw);
    const skin::PackageContents c = skin::ReadPackageContents(raw.bytes());
    ini_ = std::string(c.definitionText);
    const skin::SkinDefinition def = skin::SkinDefinition::Parse(c.definitionText);
    const auto write = [&](const skin::PackagePicture& p, const std::string& name) {
      if (p.present && !name.empty()) skin::WriteFileBytes(path(name), p.bytes);
    };
    write(c.picture, skin::ReadString(def, "PICTURES", "picture", ""));
    write(c.inactivePicture, skin::ReadString(def, "PICTURES", "inactivepicture", ""));
    write(c.mask, skin::ReadString(def, "PICTURES", "mask", ""));
    const auto names = skin::ReadStringList(def, "PICTURES", "activepictures");
    for (std::size_t i = 0; i < c.activePictures.size() && i < names.size(); ++i)
      write(c.activePictures[i], names[i]);
  }

  std::string path(const std::string& name) const {
    return (fs::path(dir_.path().toStdString()) / name).string();
  }

  // Sets key=value in section (added at the section's end when missing).
  void set(const std::string& section, const std::string& key, const std::string& value) {
    const std::string header = "[" + section + "]";
    std::size_t start = ini_.find(header);
    ASSERT_NE(start, std::string::npos) << header;
    start = ini_.find('\n', start) + 1;
    std::size_t end = ini_.find("\n[", start);
    end = end == std::string::npos ? ini_.size() : end + 1;
    for (std::size_t line = start; line < end;) {
      std::size_t eol = ini_.find('\n', line);
      eol = eol == std::string::npos ? ini_.size() : eol + 1;
      if (ini_.compare(line, key.size() + 1, key + "=") == 0) {
        ini_.replace(line, eol - line, key + "=" + value + "\r\n");
        return;
      }
      line = eol;
    }
    ini_.insert(start, key + "=" + value + "\r\n");
  }

  gfx::Bitmap picture(const std::string& name) const { return gfx::ReadBmpFile(path(name)); }
  void setPicture(const std::string& name, const gfx::Bitmap& bmp) const {
    gfx::WriteBmpFile(path(name), bmp);
  }

  void pack(skin::TbsCompressedStoredSkin& stored) const {
    skin::WriteFileBytes(path("skin.ini"),
                         {reinterpret_cast<const std::uint8_t*>(ini_.data()), ini_.size()});
    stored.PackFolder(path("skin.ini"));
  }

 private:
  QTemporaryDir dir_;
  std::string ini_;
};

gfx::Bitmap Filled(int w, int h, gfx::Color c) {
  gfx::Bitmap b(w, h);
  b.fill(c);
  return b;
}

// One hostile skin: a built-in one and the edit made to it.
struct HostileSkin {
  const char* name;
  int builtin;
  std::function<void(SkinFolder&)> edit;
  bool skinned = true;  // the frame takes it as a skin (else the default frame)
};
// Rows print by name (not as raw bytes) in test output.
void PrintTo(const HostileSkin& row, std::ostream* out) { *out << row.name; }

const HostileSkin kHostileSkins[] = {
    {"frame picture larger than the window and the screen", kRed,
     [](SkinFolder& f) {
       // The picture grows to the right and down; its geometry stays.
       const gfx::Bitmap small = f.picture("frame.bmp");
       gfx::Bitmap big = Filled(1000, 900, gfx::Color::rgb(0, 0, 255));
       big.copyRect(small.rect(), small, small.rect());
       f.setPicture("frame.bmp", big);
     }},
    {"mask all white", kBlue,
     [](SkinFolder& f) {
       const gfx::Bitmap m = f.picture("framemask.bmp");
       f.setPicture("framemask.bmp", Filled(m.width(), m.height(), gfx::kWhite));
     }},
    {"mask all white without a mask area", kBlue,
     [](SkinFolder& f) {
       const gfx::Bitmap m = f.picture("framemask.bmp");
       f.setPicture("framemask.bmp", Filled(m.width(), m.height(), gfx::kWhite));
       f.set("FORMINFO", "maskrectarea", "0,0,0,0");
     }},
    {"mask all black", kBlue,
     [](SkinFolder& f) {
       const gfx::Bitmap m = f.picture("framemask.bmp");
       f.setPicture("framemask.bmp", Filled(m.width(), m.height(), gfx::kBlack));
     }},
    {"mask smaller than the frame picture", kBlue,
     [](SkinFolder& f) { f.setPicture("framemask.bmp", Filled(30, 12, gfx::kBlack)); }},
    {"mask larger than the frame picture", kBlue,
     [](SkinFolder& f) {
       gfx::Bitmap m = Filled(450, 300, gfx::kWhite);
       const gfx::Bitmap old = f.picture("framemask.bmp");
       m.copyRect(old.rect(), old, old.rect());
       f.setPicture("framemask.bmp", m);
     }},
    {"no caption object", kRed, [](SkinFolder& f) { f.set("SKINOBJECTS", "1", ""); }},
    {"caption buttons outside their picture", kRed,
     [](SkinFolder& f) {
       for (const char* key : {"skinrect", "activeskinrect", "downrect", "disableskinrsect"})
         f.set("closebutton", key, "500,500,521,519");
       f.set("maxbutton", "skinrect", "-40,-40,-19,-21");
       f.set("maxbutton", "activeskinrect", "-40,-40,-19,-21");
       f.set("minbutton", "skinrect", "30,20,2,2");  // turned inside out
       f.set("rollupbutton", "skinrect", "0,0,5000,19");
       f.set("caption", "skinrect", "-50,-50,400,400");
     }},
    {"a button listed before the caption and lying over it", kRed,
     [](SkinFolder& f) {
       f.set("SKINOBJECTS", "1", "closebutton:stdbutton");
       f.set("SKINOBJECTS", "2", "caption:caption");
       f.set("closebutton", "skinrectinapicture", "0");
       f.set("closebutton", "skinrect", "60,4,80,22");
     }},
    {"pictures referenced past the list", kRed,
     [](SkinFolder& f) {
       for (const char* o : {"caption", "closebutton", "maxbutton", "menuitem"})
         f.set(o, "activepictureindex", "9");
       f.set("FORMINFO", "bgpictureindex", "7");
       f.set("POPUPWINDOW", "windowpictureindex", "8");
       f.set("POPUPWINDOW", "maskpictureindex", "8");
     }},
    {"active pictures left out of the package", kRed,
     [](SkinFolder& f) { f.set("PICTURES", "activepicturescount", "1"); }},
    {"inactive picture smaller than the frame", kRed,
     [](SkinFolder& f) {
       f.setPicture("inactive.bmp", Filled(7, 5, gfx::Color::rgb(0, 255, 0)));
       f.set("PICTURES", "inactivepicture", "inactive.bmp");
       f.set("FORMINFO", "autorenderinginactiveimage", "0");
     }},
    {"corner points outside the picture", kRed,
     [](SkinFolder& f) {
       f.set("FORMINFO", "lefttoppoint", "-30,-30");
       f.set("FORMINFO", "righttoppoint", "400,26");
       f.set("FORMINFO", "leftbottompoint", "40,300");
       f.set("FORMINFO", "rightbottompoint", "-500,500");
       f.set("FORMINFO", "hittestlefttoppoint", "-99,-99");
       f.set("FORMINFO", "hittestrightbottompoint", "9999,9999");
       f.set("FORMINFO", "borderwidth", "-7");
     }},
    {"corner points outside the picture, with a mask", kBlue,
     [](SkinFolder& f) {
       f.set("FORMINFO", "lefttoppoint", "250,-30");
       f.set("FORMINFO", "rightbottompoint", "-500,500");
       f.set("FORMINFO", "maskrectarea", "-20,-20,900,900");
     }},
    {"client rect past the picture", kRed,
     [](SkinFolder& f) { f.set("FORMINFO", "clientrect", "-10,-10,300,300"); }},
    {"empty client rect and caption rect", kRed,
     [](SkinFolder& f) {
       f.set("FORMINFO", "clientrect", "0,0,0,0");
       f.set("FORMINFO", "captionrect", "0,0,0,0");
     }},
    {"menu and hint windows with broken geometry and masks", kRed,
     [](SkinFolder& f) {
       f.set("POPUPWINDOW", "lefttoppoint", "90,90");
       f.set("POPUPWINDOW", "rightbottompoint", "-9,-9");
       f.set("POPUPWINDOW", "itemsrect", "-5,-5,500,500");
       f.set("POPUPWINDOW", "maskpictureindex", "4");
       f.set("HINTWINDOW", "clientrect", "50,50,10,10");
       f.set("HINTWINDOW", "lefttoppoint", "-6,400");
       f.set("HINTWINDOW", "maskpictureindex", "0");
       f.set("menuitem", "skinrect", "0,0,0,0");
       f.set("menuitem", "textrect", "900,900,-900,-900");
       f.set("menuitem", "dividerrect", "-3,-3,4000,2");
     }},
    {"no frame picture", kRed, [](SkinFolder& f) { f.set("PICTURES", "picture", ""); }, false},
};

bool ValidHitCode(int code) {
  return code == ui::HTCLIENT || code == ui::HTCAPTION || code == ui::HTOBJECT ||
         ui::IsSizingHitCode(code);
}

class HostileSkinTest : public ::testing::TestWithParam<HostileSkin> {
 protected:
  HostileSkinTest() : data_(nullptr, &windows_) {
    app::LoadBuiltinSkin(app::BuiltinSkins()[4], builtin_);
    SkinFolder folder(GetParam().builtin);
    GetParam().edit(folder);
    folder.pack(hostile_);
    EXPECT_FALSE(hostile_.IsEmpty());
  }
  ~HostileSkinTest() override { delete form_; }

  void makeForm(int w, int h) {
    delete form_;
    form_ = new ui::Form();
    form_->setBounds(40, 40, w, h);
    form_->setCaption("Hostile");
    form_->onCloseQuery = [](ui::Form&, bool& canClose) { canClose = false; };
    frame_ = new TbsFormFrame(form_);
    hint_ = new skin::TbsSkinHint(form_, &clock_);
    hint_->setSkinData(&data_);
    frame_->setSkinHint(hint_);
    frame_->ShowObjectHint = true;
    form_->show();
    form_->activate();
    WAIT_TRUE(form_->active(), 2000);
  }
  ui::MessageParam screen(gfx::Point p) const {
    return ui::PackPoint(form_->left() + p.x, form_->top() + p.y);
  }
  int hit(gfx::Point p) { return static_cast<int>(form_->perform(ui::WM_NCHITTEST, 0, screen(p))); }
  int levels() const { return static_cast<int>(frame_->SkinMenu().PopupStack().size()); }
  bool escape() {
    ui::QueuedMessage q{form_->widget(), {ui::WM_KEYDOWN, ui::VK_ESCAPE, 0, 0}};
    return ui::Application::instance().filterMessage(q);
  }

  // A grid over the window and a ring just outside it all answer a code
  // the window system knows.
  void hitGrid() {
    const int w = form_->width(), h = form_->height();
    for (int gx = -1; gx <= 9; ++gx) {
      for (int gy = -1; gy <= 9; ++gy) {
        const gfx::Point p{gx * (w - 1) / 8, gy * (h - 1) / 8};
        const int code = hit(p);
        EXPECT_TRUE(ValidHitCode(code)) << "(" << p.x << "," << p.y << ") -> " << code;
      }
    }
    const gfx::Rect c = form_->clientAreaInWindow();
    if (!gfx::IsNullRect(c)) {
      EXPECT_EQ(hit({c.left + c.width() / 2, c.top + c.height() / 2}), ui::HTCLIENT);
    }
  }

  // The pointer leaves the window: nothing stays lit, pressed or captured.
  void expectNothingHeld() {
    QCursor::setPos(form_->left() + form_->width() + 150, form_->top() + form_->height() + 150);
    for (const auto& o : frame_->FrameObjects()) {
      WAIT_TRUE(!o->MouseInside, 1000);
      EXPECT_FALSE(o->MouseInside) << o->IDName;
      if (dynamic_cast<const skin::TbsSkinCaptionObject*>(o.get()) == nullptr) {
        EXPECT_FALSE(o->Lit) << o->IDName;
      }
      if (auto* b = dynamic_cast<const skin::TbsSkinButtonObject*>(o.get())) {
        EXPECT_FALSE(b->Down) << o->IDName;
      }
    }
    EXPECT_EQ(frame_->pointer().PressedObject, -1);
    EXPECT_FALSE(form_->hasCapture());
    EXPECT_FALSE(frame_->InMenuMode());
    EXPECT_EQ(levels(), 0);
    clock_.advance(800);
    EXPECT_FALSE(hint_->textHintWindow().presented());
  }

  // Every visible caption button: pressed and released away from it (no
  // command), then pressed and released over it (its command, undone).
  void pressEveryButton() {
    const std::size_t count = frame_->FrameObjects().size();
    for (std::size_t i = 0; i < count && i < frame_->FrameObjects().size(); ++i) {
      const auto* b =
          dynamic_cast<const skin::TbsSkinStdButtonObject*>(frame_->FrameObjects()[i].get());
      if (b == nullptr || !b->Visible) continue;
      SCOPED_TRACE(b->IDName);
      const gfx::Rect r = b->ObjectRect;
      const gfx::Point at{r.left + r.width() / 2, r.top + r.height() / 2};
      for (bool over : {false, true}) {
        QCursor::setPos(form_->left() + at.x, form_->top() + at.y);
        const int code = hit(at);
        // A button under the client area or a sizing border is not pressed
        // as a button (the press would start a drag instead).
        if (code != ui::HTOBJECT) break;
        // A hint pending or shown for the button ends with the press.
        clock_.advance(800);
        form_->perform(ui::WM_NCLBUTTONDOWN, static_cast<ui::MessageParam>(code), screen(at));
        if (levels() > 0) {
          EXPECT_TRUE(frame_->InMenuMode());
        }
        if (over) {
          form_->perform(ui::WM_NCLBUTTONUP, static_cast<ui::MessageParam>(code), screen(at));
        } else {
          QCursor::setPos(form_->left() - 200, form_->top() - 200);
          form_->perform(ui::WM_LBUTTONUP, 0, ui::PackPoint(-1, -1));
        }
        EXPECT_EQ(frame_->pointer().PressedObject, -1);
        EXPECT_FALSE(form_->hasCapture());
        EXPECT_FALSE(hint_->textHintWindow().presented());
        if (levels() > 0) {
          EXPECT_TRUE(escape());
        }
        EXPECT_EQ(levels(), 0);
        EXPECT_FALSE(frame_->InMenuMode());
        // Undo what the command did; the form refuses to close.
        frame_->SetRollUp(false);
        frame_->SetFrameState(FrameWindowState::Normal);
        EXPECT_TRUE(form_->visible());
      }
    }
  }

  // A right press on every object with the code the window answers there:
  // on the caption it opens the system menu, elsewhere it presses nothing
  // that outlasts its release.
  void rightPressEveryObject() {
    bool captionSeen = false;
    const std::size_t count = frame_->FrameObjects().size();
    for (std::size_t i = 0; i < count && i < frame_->FrameObjects().size(); ++i) {
      const auto& o = *frame_->FrameObjects()[i];
      if (!o.Visible || gfx::IsNullRect(o.ObjectRect)) continue;
      SCOPED_TRACE(o.IDName);
      const gfx::Point at{o.ObjectRect.left + o.ObjectRect.width() / 2,
                          o.ObjectRect.top + o.ObjectRect.height() / 2};
      QCursor::setPos(form_->left() + at.x, form_->top() + at.y);
      const int code = hit(at);
      if (code != ui::HTCAPTION && code != ui::HTOBJECT) continue;
      form_->perform(ui::WM_NCRBUTTONDOWN, static_cast<ui::MessageParam>(code), screen(at));
      form_->perform(ui::WM_NCRBUTTONUP, static_cast<ui::MessageParam>(code), screen(at));
      if (code == ui::HTCAPTION) {
        captionSeen = true;
        EXPECT_EQ(levels(), 1);
        EXPECT_TRUE(frame_->InMenuMode());
        EXPECT_TRUE(escape());
      }
      EXPECT_EQ(levels(), 0);
      EXPECT_FALSE(frame_->InMenuMode());
      EXPECT_EQ(frame_->pointer().PressedObject, -1);
      EXPECT_FALSE(form_->hasCapture());
      for (const auto& other : frame_->FrameObjects()) {
        if (auto* b = dynamic_cast<const skin::TbsSkinButtonObject*>(other.get())) {
          EXPECT_FALSE(b->Down) << b->IDName;
        }
      }
    }
    // A skin with a caption object that the window shows can be given its
    // system menu from the caption.
    const bool captionShown = std::any_of(
        frame_->FrameObjects().begin(), frame_->FrameObjects().end(), [&](const auto& o) {
          return dynamic_cast<const skin::TbsSkinCaptionObject*>(o.get()) != nullptr &&
                 o->Visible &&
                 hit({o->ObjectRect.left + o->ObjectRect.width() / 2,
                      o->ObjectRect.top + o->ObjectRect.height() / 2}) == ui::HTCAPTION;
        });
    EXPECT_EQ(captionSeen, captionShown);
  }

  // What every hostile skin must leave: a window of at least the frame's
  // size that has pixels and paints.
  void expectUsableWindow() {
    EXPECT_EQ(frame_->HasSkin(), GetParam().skinned);
    EXPECT_GE(form_->width(), std::min(frame_->MinFrameWidth(), frame_->MaxFrameWidth()));
    EXPECT_FALSE(form_->frameImage().empty());
    if (form_->hasRegion()) {
      const gfx::Region& region = form_->region();
      EXPECT_FALSE(region.empty()) << "a window without a single pixel";
      // The caption row belongs to the window: a shape that cuts the whole
      // frame away leaves nothing to drag, close or size it by.
      bool captionKept = false;
      for (int x = 0; x < form_->width(); ++x) captionKept = captionKept || region.contains({x, 8});
      EXPECT_TRUE(captionKept) << "the mask keeps no pixel of the caption row";
    }
  }

  skin::FormSkinWindows windows_;
  skin::TbsCompressedStoredSkin hostile_;
  skin::TbsCompressedStoredSkin builtin_;
  skin::TbsSkinData data_;
  ui::ManualScheduler clock_;  // the hint's delays
  ui::Form* form_ = nullptr;
  TbsFormFrame* frame_ = nullptr;
  skin::TbsSkinHint* hint_ = nullptr;
};

TEST_P(HostileSkinTest, LeavesAUsableFrameThatHoldsNothingLitOrPressed) {
  data_.setCompressedStoredSkin(&hostile_);
  for (const gfx::Size size : {gfx::Size{60, 30}, gfx::Size{700, 520}}) {
    SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height));
    makeForm(size.width, size.height);
    frame_->setSkinData(&data_);
    expectUsableWindow();
    hitGrid();
    pressEveryButton();
    rightPressEveryObject();
    expectNothingHeld();

    // Painted at sizes below the frame's and far above the screen's.
    for (const gfx::Size s : {gfx::Size{1, 1}, gfx::Size{25, 400}, gfx::Size{3000, 2000}}) {
      form_->setBounds(10, 10, s.width, s.height);
      EXPECT_FALSE(form_->frameImage().empty());
      hitGrid();
    }
    form_->setBounds(40, 40, size.width, size.height);

    // Switched to a sound skin while a button is held, and back.
    const auto& objects = frame_->FrameObjects();
    const auto held = std::find_if(objects.begin(), objects.end(), [](const auto& o) {
      return dynamic_cast<const skin::TbsSkinStdButtonObject*>(o.get()) != nullptr && o->Visible;
    });
    if (held != objects.end()) {
      const gfx::Rect r = (*held)->ObjectRect;
      const gfx::Point at{r.left + r.width() / 2, r.top + r.height() / 2};
      form_->perform(ui::WM_NCHITTEST, 0, screen(at));
      form_->perform(ui::WM_NCLBUTTONDOWN, ui::HTOBJECT, screen(at));
    }
    data_.setCompressedStoredSkin(&builtin_);
    EXPECT_TRUE(frame_->HasSkin());
    EXPECT_EQ(frame_->pointer().PressedObject, -1);
    EXPECT_FALSE(form_->hasCapture());
    form_->perform(ui::WM_LBUTTONUP, 0, ui::PackPoint(-1, -1));
    EXPECT_FALSE(form_->frameImage().empty());
    data_.setCompressedStoredSkin(&hostile_);
    expectUsableWindow();
    hitGrid();
    expectNothingHeld();
  }
}

TEST_P(HostileSkinTest, DrawsNothingBelowTheFramesSize) {
  if (!GetParam().skinned) GTEST_SKIP() << "the default frame paints at every size";
  data_.setCompressedStoredSkin(&hostile_);
  makeForm(300, 200);
  frame_->setSkinData(&data_);
  const int minW = frame_->MinFrameWidth();
  const int minH = frame_->MinFrameHeight();
  // Applying the skin made the window at least the frame's size.
  if (minW <= frame_->MaxFrameWidth()) {
    EXPECT_GE(form_->width(), minW);
  }
  if (minH <= frame_->MaxFrameHeight()) {
    EXPECT_GE(form_->height(), minH);
  }
  if (minW > 2) {
    form_->setBounds(40, 40, minW - 1, std::max(minH, 1));
    const gfx::Bitmap untouched(form_->width(), form_->height());
    EXPECT_TRUE(form_->frameImage() == untouched);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, HostileSkinTest, ::testing::ValuesIn(kHostileSkins),
                         [](const ::testing::TestParamInfo<HostileSkin>& info) {
                           std::string n = info.param.name;
                           for (char& ch : n)
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return n;
                         });

// --- hostile menus ------------------------------------------------------------

ui::MenuItem* AddItem(ui::MenuItem& parent, const std::string& caption) {
  auto* item = new ui::MenuItem;
  item->setCaption(caption);
  parent.add(item);
  return item;
}

// A shown, active form whose frame draws from a built-in skin (or none),
// and a popup menu shown through that frame, on a hand-moved menu clock.
class HostileMenuTest : public ::testing::TestWithParam<bool> {
 protected:
  HostileMenuTest() : data_(nullptr, &windows_) {
    app::LoadBuiltinSkin(app::BuiltinSkins()[kRed], stored_[0]);
    app::LoadBuiltinSkin(app::BuiltinSkins()[kBlue], stored_[1]);
    form_ = new ui::Form();
    form_->setBounds(60, 60, 320, 240);
    frame_ = new TbsFormFrame(form_);
    frame_->SkinMenu().setScheduler(&clock_);
    frame_->OnSkinMenuOpen = [this](TbsFormFrame&) { ++opened_; };
    frame_->OnSkinMenuClose = [this](TbsFormFrame&) { ++closed_; };
    if (GetParam()) {
      data_.setCompressedStoredSkin(&stored_[0]);
      frame_->setSkinData(&data_);
    }
    form_->show();
    form_->activate();
    WAIT_TRUE(form_->active(), 2000);
    menu_ = std::make_unique<skin::TbsSkinPopupMenu>();
    menu_->setOwnerWindow(form_);
  }
  ~HostileMenuTest() override {
    menu_.reset();
    delete form_;
  }

  skin::TbsSkinMenu& engine() { return frame_->SkinMenu(); }
  int levels() { return static_cast<int>(engine().PopupStack().size()); }
  skin::TbsSkinPopupWindow& level(int i) {
    return *engine().PopupStack().at(static_cast<std::size_t>(i));
  }
  // A key as the application's filter sees it; true when the menu took it.
  bool key(int vk) {
    ui::QueuedMessage q{form_->widget(), {ui::WM_KEYDOWN, static_cast<ui::MessageParam>(vk), 0, 0}};
    return ui::Application::instance().filterMessage(q);
  }
  // The menu is gone and so is everything it held.
  void expectClosed() {
    EXPECT_EQ(levels(), 0);
    EXPECT_FALSE(engine().Visible());
    EXPECT_FALSE(frame_->InMenuMode());
    EXPECT_EQ(opened_, closed_);
    for (const auto& o : frame_->FrameObjects()) {
      if (auto* b = dynamic_cast<const skin::TbsSkinButtonObject*>(o.get())) {
        EXPECT_FALSE(b->Down) << o->IDName;
      }
    }
  }
  // Exactly one item of each open level is lit: the selected one or the
  // one whose sub-menu shows (none when nothing may be selected).
  void expectOneLitPerLevel() {
    for (int l = 0; l < levels(); ++l) {
      int lit = 0;
      for (const auto& item : level(l).items()) lit += item->lit() ? 1 : 0;
      EXPECT_LE(lit, 1) << "level " << l;
    }
  }

  ui::ManualScheduler clock_;
  skin::FormSkinWindows windows_;
  skin::TbsCompressedStoredSkin stored_[2];
  skin::TbsSkinData data_;
  ui::Form* form_;
  TbsFormFrame* frame_;
  std::unique_ptr<skin::TbsSkinPopupMenu> menu_;
  int opened_ = 0, closed_ = 0;
};

TEST_P(HostileMenuTest, MenusWithNothingToChooseOpenOrNotButNeverHoldOn) {
  struct Row {
    const char* name;
    std::function<void(ui::MenuItem&)> fill;
    bool opens;
  };
  const Row rows[] = {
      {"empty", [](ui::MenuItem&) {}, false},
      {"all hidden",
       [](ui::MenuItem& m) {
         for (int i = 0; i < 5; ++i) AddItem(m, "hidden &" + std::to_string(i))->setVisible(false);
       },
       false},
      {"all dividers",
       [](ui::MenuItem& m) {
         for (int i = 0; i < 5; ++i) AddItem(m, "-");
       },
       true},
      {"all disabled, one with sub-items",
       [](ui::MenuItem& m) {
         for (int i = 0; i < 5; ++i) AddItem(m, "&Off " + std::to_string(i))->setEnabled(false);
         AddItem(*m.item(2), "inside");
       },
       true},
      {"dividers around hidden items",
       [](ui::MenuItem& m) {
         AddItem(m, "-");
         AddItem(m, "&Gone")->setVisible(false);
         AddItem(m, "-");
       },
       true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    menu_->items().clear();
    row.fill(menu_->items());
    menu_->Popup(form_->left() + 30, form_->top() + 40);
    EXPECT_EQ(levels(), row.opens ? 1 : 0);
    EXPECT_EQ(frame_->InMenuMode(), row.opens);
    if (row.opens) {
      for (int vk : {int{ui::VK_DOWN}, int{ui::VK_DOWN}, int{ui::VK_UP}, int{ui::VK_UP},
                     int{ui::VK_RIGHT}, int{ui::VK_RETURN}, int{'O'}, int{'G'}, int{ui::VK_LEFT}}) {
        EXPECT_TRUE(key(vk));
        ASSERT_EQ(levels(), 1);
        EXPECT_EQ(level(0).SelectedItem(), -1);
      }
      expectOneLitPerLevel();
      EXPECT_TRUE(key(ui::VK_ESCAPE));
    }
    expectClosed();
  }
}

TEST_P(HostileMenuTest, AVeryLongOrVeryWideMenuStaysOnTheWorkArea) {
  for (int i = 0; i < 500; ++i) AddItem(menu_->items(), "Item " + std::to_string(i));
  AddItem(menu_->items(), std::string(10000, 'W'));
  menu_->Popup(form_->left() + 30, form_->top() + 40);
  ASSERT_EQ(levels(), 1);
  skin::TbsSkinPopupWindow& w = level(0);
  const gfx::Rect work = engine().MenuWorkArea();
  EXPECT_TRUE(w.Scrolling());
  EXPECT_LE(w.height(), work.height());
  EXPECT_GE(w.top(), work.top);
  EXPECT_LE(w.top() + w.height(), work.bottom);
  // A level wider than the screen would put its items out of reach.
  EXPECT_LE(w.width(), work.width());
  EXPECT_GE(w.left(), work.left);
  EXPECT_LE(w.left() + w.width(), work.right);
  // Round the whole list and back: the selection stays on a shown item.
  for (int i = 0; i < 520; ++i) {
    EXPECT_TRUE(key(ui::VK_DOWN));
    ASSERT_NE(w.SelectedItem(), -1);
    ASSERT_TRUE(w.item(w.SelectedItem())->Shown) << i;
  }
  for (int i = 0; i < 30; ++i) EXPECT_TRUE(key(ui::VK_UP));
  EXPECT_TRUE(w.item(w.SelectedItem())->Shown);
  expectOneLitPerLevel();
  form_->perform(ui::WM_LBUTTONDOWN, 0, ui::PackPoint(5, 5));
  expectClosed();
}

TEST_P(HostileMenuTest, ASubMenuChainThirtyLevelsDeepOpensAndClosesLevelByLevel) {
  ui::MenuItem* parent = &menu_->items();
  for (int depth = 0; depth < 30; ++depth) {
    parent = AddItem(*parent, "Level " + std::to_string(depth));
    AddItem(*parent->parentItem(), "Sibling");
  }
  AddItem(*parent, "Bottom");
  menu_->Popup(form_->left() + 30, form_->top() + 40);
  for (int depth = 1; depth <= 30; ++depth) {
    EXPECT_TRUE(key(ui::VK_RIGHT));
    ASSERT_EQ(levels(), depth + 1);
  }
  const gfx::Rect work = engine().MenuWorkArea();
  for (int l = 0; l < levels(); ++l) {
    EXPECT_TRUE(gfx::IntersectRect(level(l).boundsRect(), work) == level(l).boundsRect())
        << "level " << l;
  }
  expectOneLitPerLevel();
  for (int depth = 30; depth >= 1; --depth) {
    EXPECT_TRUE(key(ui::VK_LEFT));
    ASSERT_EQ(levels(), depth);
    for (const auto& item : level(depth - 1).items()) EXPECT_FALSE(item->SubmenuOpen);
  }
  EXPECT_TRUE(key(ui::VK_ESCAPE));
  expectClosed();
}

TEST_P(HostileMenuTest, ASkinSwitchedWhileAMenuIsOpenClosesItAndItsButton) {
  AddItem(*AddItem(menu_->items(), "Sub"), "Inside");
  menu_->Popup(form_->left() + 30, form_->top() + 40);
  EXPECT_TRUE(key(ui::VK_RIGHT));
  ASSERT_EQ(levels(), 2);
  if (GetParam()) {
    data_.setCompressedStoredSkin(&stored_[1]);
  } else {
    // The plain frame gets its first skin.
    data_.setCompressedStoredSkin(&stored_[1]);
    frame_->setSkinData(&data_);
  }
  expectClosed();

  // The system menu held open by its caption button.
  const auto& objects = frame_->FrameObjects();
  const auto sys = std::find_if(objects.begin(), objects.end(), [](const auto& o) {
    auto* b = dynamic_cast<const skin::TbsSkinStdButtonObject*>(o.get());
    return b != nullptr && b->command == skin::StdCommand::SysMenu && b->Visible;
  });
  ASSERT_NE(sys, objects.end());
  const gfx::Rect r = (*sys)->ObjectRect;
  const auto at = ui::PackPoint(form_->left() + r.left + 2, form_->top() + r.top + 2);
  form_->perform(ui::WM_NCHITTEST, 0, at);
  form_->perform(ui::WM_NCLBUTTONDOWN, ui::HTOBJECT, at);
  ASSERT_EQ(levels(), 1);
  data_.setCompressedStoredSkin(&stored_[0]);
  form_->perform(ui::WM_NCLBUTTONUP, ui::HTOBJECT, at);
  expectClosed();
  EXPECT_EQ(frame_->pointer().PressedObject, -1);
  EXPECT_FALSE(form_->hasCapture());
}

TEST_P(HostileMenuTest, TheFormDestroyedWhileItsMenuIsOpenTakesTheMenuWithIt) {
  AddItem(*AddItem(menu_->items(), "Sub"), "Inside");
  menu_->Popup(form_->left() + 30, form_->top() + 40);
  EXPECT_TRUE(key(ui::VK_RIGHT));
  ASSERT_EQ(levels(), 2);
  delete form_;
  form_ = nullptr;
  QTest::qWait(20);
  EXPECT_EQ(menu_->OwnerWindow(), nullptr);
  menu_->Popup(10, 10);  // no frame to show it: nothing
  ui::Form other;
  ui::QueuedMessage q{other.widget(), {ui::WM_KEYDOWN, ui::VK_DOWN, 0, 0}};
  EXPECT_FALSE(ui::Application::instance().filterMessage(q));
}

TEST_P(HostileMenuTest, AnItemThatOpensAnotherMenuOrFreesItsOwnLeavesOneConsistentState) {
  skin::TbsSkinPopupMenu second;
  second.setOwnerWindow(form_);
  AddItem(*AddItem(second.items(), "Second"), "Inside");
  AddItem(menu_->items(), "&Open")->onClick = [&](ui::MenuItem&) {
    second.Popup(form_->left() + 50, form_->top() + 50);
  };
  AddItem(menu_->items(), "&Free")->onClick = [this](ui::MenuItem&) { menu_.reset(); };

  menu_->Popup(form_->left() + 30, form_->top() + 40);
  EXPECT_TRUE(key('O'));
  ASSERT_EQ(levels(), 1);
  EXPECT_EQ(level(0).item(0)->menuItem(), second.items().item(0));
  EXPECT_TRUE(frame_->InMenuMode());
  EXPECT_EQ(opened_, closed_ + 1);
  EXPECT_TRUE(key(ui::VK_RIGHT));
  EXPECT_EQ(levels(), 2);
  EXPECT_TRUE(key(ui::VK_ESCAPE));
  EXPECT_TRUE(key(ui::VK_ESCAPE));
  expectClosed();

  menu_->Popup(form_->left() + 30, form_->top() + 40);
  EXPECT_TRUE(key('F'));
  EXPECT_EQ(menu_, nullptr);
  QTest::qWait(20);
  expectClosed();
  EXPECT_FALSE(key(ui::VK_DOWN));
}

INSTANTIATE_TEST_SUITE_P(Looks, HostileMenuTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return std::string(info.param ? "Skinned" : "Plain");
                         });

}  // namespace
