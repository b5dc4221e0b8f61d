// The four auxiliary windows: their layouts by the documented arithmetic,
// the decision viewer's one page per showing and the group viewer's address
// rule against pages served here, the gauge following the progress, the
// three windows that close when another window is activated, the about
// picture read from the JPEG the program carries, and its click.
#include <chrono>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>
#include <QTest>
#include <QUrl>
#include <QWebEngineView>
#include <QWidget>

#include "app/client/about_form.h"
#include "app/client/client_shared.h"
#include "app/client/group_form.h"
#include "app/client/jpeg_picture.h"
#include "app/client/view_deciding_form.h"
#include "app/client/viewmain_form.h"
#include "classroom_server_process.h"
#include "platform/browser/browser_profile.h"
#include "platform/browser/web_browser.h"
#include "platform/shell.h"
#include "resources/builtin_pictures.h"
#include "skin/controls/skin_gauge.h"
#include "skin/controls/skin_link_image.h"
#include "skin/controls/skin_speed_button.h"
#include "skin/controls/skin_tool_bar.h"
#include "skin/frame/form_frame.h"
#include "support/qt_wait.h"
#include "ui/application.h"
#include "ui/monitor.h"
#include "ui/widget_host.h"

namespace {

using platform::WebBrowser;

constexpr int kLoadMs = 20000;

// A page of its own (a data: address) whose link, over most of its area,
// leads to `target`.
std::string LinkPage(const std::string& target) {
  const std::string html =
      "<html><head><title>Page A</title></head><body style='margin:0'>"
      "<a id='l' href='" +
      target +
      "' style='display:block;width:400px;height:300px'>on</a>"
      "</body></html>";
  return "data:text/html;charset=utf-8," +
         QUrl::toPercentEncoding(QString::fromStdString(html)).toStdString();
}
// The classroom server's own start page, and its title.
const char kServerTitle[] = "商业模拟平台服务器";

int Requests(const testsupport::ClassroomServerProcess& server, const std::string& target) {
  int n = 0;
  for (const auto& r : server.log()) n += r.target == target ? 1 : 0;
  return n;
}

// What a window's BeforeNavigate2 handler decided, seen from outside: the
// handler is wrapped, so the window's own handler still decides.
struct Decisions {
  struct Entry {
    std::string url;
    bool cancel;
  };
  std::vector<Entry> entries;
  void watch(WebBrowser& browser) {
    auto inner = browser.BeforeNavigate2;
    browser.BeforeNavigate2 = [this, inner](WebBrowser& b, const std::string& url, bool& cancel) {
      if (inner) inner(b, url, cancel);
      entries.push_back({url, cancel});
    };
  }
  // The last decision about an address ending in `tail` (nullptr: none yet).
  const Entry* about(const std::string& tail) const {
    for (auto it = entries.rbegin(); it != entries.rend(); ++it)
      if (it->url.size() >= tail.size() &&
          it->url.compare(it->url.size() - tail.size(), tail.size(), tail) == 0)
        return &*it;
    return nullptr;
  }
};

bool Loaded(WebBrowser& b, const std::string& title) {
  return QTest::qWaitFor([&] { return b.LocationName() == title && !b.Busy(); }, kLoadMs);
}

// A real click through the window system at a point of the page.
void ClickPage(WebBrowser& b, QPoint at) {
  QWidget* top = b.view()->window();
  QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, b.view()->mapTo(top, at));
}

gfx::Rect ScreenBounds(const ui::Control& c) {
  const gfx::Point p = c.clientToScreen({0, 0});
  return {p.x, p.y, p.x + c.width(), p.y + c.height()};
}

class AuxWindowsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new testsupport::ScratchDir;
    platform::BrowserProfile::setStorageRoot(dir_->path() + "/profile");
    platform::BrowserProfile::setSettingsPath(dir_->path() + "/browser-settings.ini");
    server_ = new testsupport::ClassroomServerProcess;
  }
  static void TearDownTestSuite() {
    delete server_;
    delete dir_;
  }
  void SetUp() override {
    app::ClientShared::Options o;
    o.crashFolder = crashDir_.path();
    o.installSignalHandlers = false;
    shared_ = std::make_unique<app::ClientShared>(o);
    // Stands in for the console: the first window made is the main window.
    console_ = std::make_unique<ui::Form>();
    console_->setBounds(100, 150, 500, 400);
    group_ = std::make_unique<app::TGroupForm>(*shared_);
    deciding_ = std::make_unique<app::TViewDecidingForm>(*shared_);
    about_ = std::make_unique<app::TAboutForm>(*shared_);
    viewmain_ = std::make_unique<app::TViewmainform>(*shared_);
  }
  void TearDown() override {
    platform::SetAddressOpener({});
    viewmain_.reset();
    about_.reset();
    deciding_.reset();
    group_.reset();
    console_.reset();
    shared_.reset();
  }

  static testsupport::ScratchDir* dir_;
  static testsupport::ClassroomServerProcess* server_;
  std::string serverUrl(const std::string& path = "") const { return server_->baseUrl() + path; }
  testsupport::ScratchDir crashDir_;
  std::unique_ptr<app::ClientShared> shared_;
  std::unique_ptr<ui::Form> console_;
  std::unique_ptr<app::TGroupForm> group_;
  std::unique_ptr<app::TViewDecidingForm> deciding_;
  std::unique_ptr<app::TAboutForm> about_;
  std::unique_ptr<app::TViewmainform> viewmain_;
};

testsupport::ScratchDir* AuxWindowsTest::dir_ = nullptr;
testsupport::ClassroomServerProcess* AuxWindowsTest::server_ = nullptr;

TEST(GroupPageRule, RefusesOnlyTheAddressThatReadsAsThirteen) {
  struct Row {
    const char* url;
    bool refused;
  };
  const Row rows[] = {
      {"http://13.type/", true},
      {"http://12.type/", false},
      {"http://127.0.0.1:8080/simA/group/main.jsp", false},
      {"https://13.type/", false},  // only "http://" is taken away
      {"  http://13.type/  ", true},
      {"http:// 13 .type/", true},
      {"http://13 .type/", true},
      {"http://013.type/", true},
      {"http://+13.type/", true},
      {"http://-13.type/", false},
      {"http://13.type/x", false},  // "13 x" is no integer
      {"http://13.type/.type/", false},
      {"http://1 3.type/", false},
      {"13", true},
      {" 13 ", true},
      {"\t13\r\n", true},
      {"http://99999999999999999999.type/", false},  // beyond any integer
      {"http://.type/", false},
      {"", false},
      {"about:blank", false},
  };
  for (const Row& r : rows) EXPECT_EQ(app::GroupPageRefused(r.url), r.refused) << r.url;
}

TEST_F(AuxWindowsTest, WindowsHaveTheirCaptionsBordersPlacesAndFrames) {
  struct Row {
    ui::Form* form;
    const char* caption;
    ui::BorderStyle border;
    ui::FormStyle style;
    ui::Position position;
    int clientWidth, clientHeight;
    const app::ClientFrameSettings& frame;
  };
  const Row rows[] = {
      {group_.get(), "", ui::BorderStyle::bsNone, ui::FormStyle::fsStayOnTop,
       ui::Position::poScreenCenter, 314, 24, app::frame_settings::kGroup},
      {deciding_.get(), "决策界面范例", ui::BorderStyle::bsSizeable, ui::FormStyle::fsStayOnTop,
       ui::Position::poScreenCenter, 638, 478, app::frame_settings::kViewDeciding},
      {about_.get(), "关于", ui::BorderStyle::bsDialog, ui::FormStyle::fsStayOnTop,
       ui::Position::poMainFormCenter, 482, 236, app::frame_settings::kAbout},
      {viewmain_.get(), "小组主界面", ui::BorderStyle::bsSizeable, ui::FormStyle::fsNormal,
       ui::Position::poScreenCenter, 738, 530, app::frame_settings::kViewmain},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.caption);
    EXPECT_EQ(r.form->caption(), r.caption);
    EXPECT_EQ(r.form->borderStyle(), r.border);
    EXPECT_EQ(r.form->formStyle(), r.style);
    EXPECT_EQ(r.form->position(), r.position);
    EXPECT_EQ(r.form->clientWidth(), r.clientWidth);
    EXPECT_EQ(r.form->clientHeight(), r.clientHeight);
    auto* frame = dynamic_cast<skin::TbsFormFrame*>(r.form->findComponent("bsFormFrame1"));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->SkinData(), &shared_->skinData());
    EXPECT_EQ(frame->BorderIcons(), r.frame.borderIcons);
    EXPECT_EQ(frame->AlphaBlend(), r.frame.alphaBlend);
    EXPECT_EQ(frame->AlphaBlendAnimation, r.frame.alphaBlendAnimation);
    EXPECT_EQ(frame->AlphaBlendValue(), r.frame.alphaBlendValue);
    EXPECT_FALSE(r.form->visible());
  }
}

TEST_F(AuxWindowsTest, WindowsAreCentredOnTheScreenOrOnTheMainWindow) {
  for (ui::Form* f : {static_cast<ui::Form*>(group_.get()), static_cast<ui::Form*>(deciding_.get()),
                      static_cast<ui::Form*>(viewmain_.get())}) {
    f->show();
    const gfx::Rect b = f->boundsRect();
    const gfx::Rect screen = ui::MonitorRect(*f);
    EXPECT_EQ(b.left, screen.left + (screen.width() - b.width()) / 2) << f->caption();
    EXPECT_EQ(b.top, screen.top + (screen.height() - b.height()) / 2) << f->caption();
    f->hide();
  }
  about_->show();
  const gfx::Rect b = about_->boundsRect();
  EXPECT_EQ(b.left, 100 + (500 - b.width()) / 2);
  EXPECT_EQ(b.top, 150 + (400 - b.height()) / 2);
}

TEST_F(AuxWindowsTest, PleaseWaitBarIsAllGauge) {
  skin::TbsSkinGauge* g = group_->bsSkinGauge1;
  ASSERT_NE(g, nullptr);
  for (int skin : {-1, 0, 5}) {
    if (skin >= 0) {
      ASSERT_TRUE(shared_->selectStoredSkin(skin));
    }
    SCOPED_TRACE(skin);
    EXPECT_EQ(g->boundsRect(), gfx::Rect(0, 0, 314, 24));
    EXPECT_EQ(group_->clientWidth(), 314);
    EXPECT_EQ(group_->clientHeight(), 24);
  }
  EXPECT_EQ(g->SkinDataName(), "statusgauge");
  EXPECT_EQ(g->SkinData(), &shared_->skinData());
  EXPECT_TRUE(g->UseSkinSize());
  EXPECT_EQ(g->MinValue(), 0);
  EXPECT_EQ(g->MaxValue(), 100);
  EXPECT_EQ(g->Value(), 50);
  EXPECT_EQ(g->DisplayText(), "处理中，请稍候...50%");
  EXPECT_EQ(g->DefaultFont().name, "Arial");
  EXPECT_EQ(g->DefaultFont().height, 16);
  EXPECT_TRUE(g->DefaultFont().bold);
  EXPECT_EQ(g->DefaultFont().color, gfx::kRed);
}

// The two viewers: tool bar at the bottom, the button at its right edge and
// the gauge in the rest, in the default look and in the stored skins.
TEST_F(AuxWindowsTest, ViewerBarsFollowTheDocumentedArithmetic) {
  struct Row {
    app::TPageViewerForm* form;
    int w, h;
    bool gaugeSkinSize;
  };
  const Row rows[] = {{deciding_.get(), 638, 478, true}, {viewmain_.get(), 738, 530, false}};
  for (int skin : {-1, 0, 4, 5}) {
    if (skin >= 0) {
      ASSERT_TRUE(shared_->selectStoredSkin(skin));
    }
    for (const Row& r : rows) {
      SCOPED_TRACE(r.form->caption() + " skin " + std::to_string(skin));
      app::TPageViewerForm& f = *r.form;
      ASSERT_NE(f.bsSkinToolBar1, nullptr);
      ASSERT_NE(f.gp, nullptr);
      ASSERT_NE(f.bsSkinSpeedButton1, nullptr);
      // The window keeps its outer size; the client area is what the
      // skin's borders leave of it (the designed size without a skin).
      const int w = f.clientWidth();
      const int h = f.clientHeight();
      if (skin < 0) {
        EXPECT_EQ(w, r.w);
        EXPECT_EQ(h, r.h);
      }
      EXPECT_EQ(f.WBHost->boundsRect(), gfx::Rect(0, 0, w, h - 34));
      EXPECT_EQ(f.bsSkinToolBar1->boundsRect(), gfx::Rect(0, h - 34, w, h));
      // On screen: the button at the right of the bar's client area, the
      // gauge at its section's height, centred, 8 pixels from the button
      // and from the client area's left.
      const gfx::Rect bar = ScreenBounds(*f.bsSkinToolBar1);
      const gfx::Rect button = ScreenBounds(*f.bsSkinSpeedButton1);
      const gfx::Rect gauge = ScreenBounds(*f.gp);
      const int g = skin < 0 ? 18 : f.gp->SkinRect().height();
      if (skin >= 0) {
        EXPECT_EQ(g, 16);  // the stored skins' status gauge picture
      }
      EXPECT_EQ(button.width(), 157);
      EXPECT_EQ(gauge.height(), g);
      EXPECT_EQ(gauge.right, button.left - 8);
      EXPECT_EQ(gauge.top, button.top + (button.height() - g) / 2);
      EXPECT_GE(gauge.left, bar.left + 8);
      EXPECT_LE(button.right, bar.right);
      if (skin < 0) {
        // The default look has no margins: the client area is the whole bar.
        EXPECT_EQ(button, gfx::Rect(bar.right - 157, bar.top, bar.right, bar.bottom));
        EXPECT_EQ(gauge, gfx::Rect(bar.left + 8, bar.top + 8, bar.right - 157 - 8, bar.top + 26));
      }
      EXPECT_EQ(f.bsSkinSpeedButton1->caption(), "关闭");
      EXPECT_EQ(f.bsSkinSpeedButton1->SkinDataName(), "resizebutton");
      EXPECT_EQ(f.bsSkinToolBar1->SkinDataName(), "toolpanel");
      EXPECT_EQ(f.bsSkinToolBar1->BorderStyle(), skin::TbsSkinBorderStyle::bvNone);
      EXPECT_EQ(f.gp->SkinDataName(), "statusgauge");
      EXPECT_EQ(f.gp->UseSkinSize(), r.gaugeSkinSize);
      EXPECT_EQ(f.gp->DisplayText(), "");
    }
  }
}

TEST_F(AuxWindowsTest, GaugeTakesTheMaximumBeforeTheValue) {
  for (app::TPageViewerForm* f : {static_cast<app::TPageViewerForm*>(deciding_.get()),
                                  static_cast<app::TPageViewerForm*>(viewmain_.get())}) {
    f->WBProgressChange(150, 200);
    EXPECT_EQ(f->gp->MaxValue(), 200);
    EXPECT_EQ(f->gp->Value(), 150);
    f->WBProgressChange(30, 100);
    EXPECT_EQ(f->gp->MaxValue(), 100);
    EXPECT_EQ(f->gp->Value(), 30);
    // A page's load drives the gauge to its end.
    f->WB->Navigate(serverUrl());
    ASSERT_TRUE(Loaded(*f->WB, kServerTitle));
    WAIT_EQ(f->gp->Value(), 100, kLoadMs);
    EXPECT_EQ(f->gp->MaxValue(), 100);
  }
}

TEST_F(AuxWindowsTest, CloseButtonClosesEitherViewer) {
  for (app::TPageViewerForm* f : {static_cast<app::TPageViewerForm*>(deciding_.get()),
                                  static_cast<app::TPageViewerForm*>(viewmain_.get())}) {
    f->show();
    ASSERT_TRUE(f->visible());
    f->bsSkinSpeedButton1->click();
    EXPECT_FALSE(f->visible()) << f->caption();
  }
}

TEST_F(AuxWindowsTest, DecisionViewerRefusesEveryNavigationAfterItsFirstPage) {
  app::TViewDecidingForm& f = *deciding_;
  Decisions decisions;
  decisions.watch(*f.WB);
  f.show();
  EXPECT_FALSE(f.FirstPageShown());
  const std::string first = LinkPage(serverUrl("?link"));
  f.WB->Navigate(first);
  ASSERT_TRUE(Loaded(*f.WB, "Page A"));
  EXPECT_TRUE(f.FirstPageShown());
  ASSERT_FALSE(decisions.entries.empty());
  EXPECT_EQ(decisions.entries.front().url.rfind("data:", 0), 0u);
  EXPECT_FALSE(decisions.entries.front().cancel);

  // A click on the page's link is refused: the page stays, nothing is asked
  // of the server. (Clicked until the page has taken it.)
  for (int i = 0; i < 100 && decisions.about("/?link") == nullptr; ++i) {
    ClickPage(*f.WB, QPoint(60, 60));
    QTest::qWait(100);
  }
  ASSERT_NE(decisions.about("/?link"), nullptr);
  EXPECT_TRUE(decisions.about("/?link")->cancel);
  // So are a script's navigation and one the program starts.
  f.WB->runScript(QString::fromStdString("location.href='" + serverUrl("?script") + "';"));
  WAIT_TRUE(decisions.about("/?script") != nullptr, kLoadMs);
  f.WB->Navigate(serverUrl("?typed"));
  WAIT_TRUE(decisions.about("/?typed") != nullptr, kLoadMs);
  for (const char* tail : {"/?script", "/?typed"}) {
    ASSERT_NE(decisions.about(tail), nullptr) << tail;
    EXPECT_TRUE(decisions.about(tail)->cancel) << tail;
  }
  QTest::qWait(300);
  EXPECT_EQ(f.WB->LocationName(), "Page A");
  for (const char* target : {"/?link", "/?script", "/?typed"})
    EXPECT_EQ(Requests(*server_, target), 0) << target;

  // Shown again, it takes one page more.
  f.hide();
  f.show();
  EXPECT_FALSE(f.FirstPageShown());
  f.WB->Navigate(serverUrl("?again"));
  ASSERT_TRUE(Loaded(*f.WB, kServerTitle));
  EXPECT_EQ(Requests(*server_, "/?again"), 1);
  EXPECT_TRUE(f.FirstPageShown());
}

TEST_F(AuxWindowsTest, GroupViewerRefusesTheThirteenPageAndShowsOthers) {
  app::TViewmainform& f = *viewmain_;
  // The window's handler decides by the rule.
  for (const auto& [url, refused] : std::vector<std::pair<std::string, bool>>{
           {"http://13.type/", true}, {"http://12.type/", false}, {serverUrl(), false}}) {
    bool cancel = false;
    f.WB->BeforeNavigate2(*f.WB, url, cancel);
    EXPECT_EQ(cancel, refused) << url;
  }

  Decisions decisions;
  decisions.watch(*f.WB);
  f.show();
  f.WB->Navigate(LinkPage(serverUrl("?link")));
  ASSERT_TRUE(Loaded(*f.WB, "Page A"));
  f.WB->Navigate("http://13.type/");
  WAIT_TRUE(decisions.about("13.type/") != nullptr, kLoadMs);
  ASSERT_NE(decisions.about("13.type/"), nullptr);
  EXPECT_TRUE(decisions.about("13.type/")->cancel);
  QTest::qWait(200);
  EXPECT_EQ(f.WB->LocationName(), "Page A");
  // Later navigations, links included, go ahead.
  for (int i = 0; i < 100 && decisions.about("/?link") == nullptr; ++i) {
    ClickPage(*f.WB, QPoint(60, 60));
    QTest::qWait(100);
  }
  ASSERT_TRUE(Loaded(*f.WB, kServerTitle));
  ASSERT_NE(decisions.about("/?link"), nullptr);
  EXPECT_FALSE(decisions.about("/?link")->cancel);
  EXPECT_EQ(Requests(*server_, "/?link"), 1);
}

TEST_F(AuxWindowsTest, NeitherViewerSwallowsRightClicks) {
  for (app::TPageViewerForm* f : {static_cast<app::TPageViewerForm*>(deciding_.get()),
                                  static_cast<app::TPageViewerForm*>(viewmain_.get())}) {
    f->WB->Navigate("about:blank");
    ASSERT_NE(f->WB->view(), nullptr);
    EXPECT_FALSE(shared_->swallowsRightClickAt(f->WB->view()));
    EXPECT_FALSE(shared_->swallowsRightClickAt(f->WB));
  }
}

// The please-wait bar, the group viewer and the about window close as soon
// as another window is activated; the decision viewer stays.
TEST_F(AuxWindowsTest, ThreeWindowsCloseWhenAnotherWindowIsActivated) {
  console_->show();
  WAIT_TRUE(console_->active(), 5000);
  struct Row {
    ui::Form* form;
    bool closes;
  };
  const Row rows[] = {{group_.get(), true},
                      {viewmain_.get(), true},
                      {about_.get(), true},
                      {deciding_.get(), false}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.form->name());
    r.form->show();
    WAIT_TRUE(r.form->active(), 5000);
    console_->activate();
    WAIT_TRUE(console_->active(), 5000);
    if (r.closes) {
      WAIT_TRUE(!r.form->visible(), 5000);
    } else {
      QTest::qWait(200);
      EXPECT_TRUE(r.form->visible());
      r.form->hide();
    }
  }
}

// Colours the drawing script gave the picture's two plain backgrounds:
// vertical gradients from the top row to the bottom row.
struct Gradient {
  gfx::Color top, bottom;
  gfx::Color at(int y, int height) const {
    auto mix = [&](int a, int b) { return a + (b - a) * y / (height - 1); };
    return gfx::Color::rgb(mix(top.red(), bottom.red()), mix(top.green(), bottom.green()),
                           mix(top.blue(), bottom.blue()));
  }
};
const Gradient kPanel{gfx::Color::rgb(0x1d, 0x4a, 0x86), gfx::Color::rgb(0x3b, 0x7b, 0xc8)};
const Gradient kField{gfx::Color::rgb(0xfb, 0xfd, 0xff), gfx::Color::rgb(0xe4, 0xed, 0xf8)};
const gfx::Color kAccent = gfx::Color::rgb(0x2f, 0x6f, 0xb8);

void ExpectNear(gfx::Color got, gfx::Color want, int x, int y) {
  constexpr int kJpegTolerance = 8;
  EXPECT_NEAR(got.red(), want.red(), kJpegTolerance) << x << "," << y;
  EXPECT_NEAR(got.green(), want.green(), kJpegTolerance) << x << "," << y;
  EXPECT_NEAR(got.blue(), want.blue(), kJpegTolerance) << x << "," << y;
}

TEST_F(AuxWindowsTest, AboutPictureIsTheCarriedJpegAtItsSize) {
  const gfx::Bitmap picture = app::DecodeJpeg(app::BuiltinPicture("about.jpg"));
  ASSERT_EQ(picture.width(), 482);
  ASSERT_EQ(picture.height(), 236);
  struct Point {
    int x, y;
    const Gradient* gradient;
  };
  // Points away from the chart and the text.
  for (const Point& p :
       {Point{8, 10, &kPanel}, Point{8, 225, &kPanel}, Point{150, 20, &kPanel},
        Point{470, 10, &kField}, Point{470, 225, &kField}, Point{300, 215, &kField}}) {
    ExpectNear(picture.pixel(p.x, p.y), p.gradient->at(p.y, 236), p.x, p.y);
  }
  // The accent rule under the subtitle.
  ExpectNear(picture.pixel(222, 137), kAccent, 222, 137);

  skin::TbsSkinLinkImage* image = about_->bsSkinLinkImage1;
  ASSERT_NE(image, nullptr);
  EXPECT_TRUE(image->Picture() == picture);
  // The picture is the whole client area whatever the skin's borders.
  for (int skin : {-1, 0, 5}) {
    if (skin >= 0) {
      ASSERT_TRUE(shared_->selectStoredSkin(skin));
    }
    SCOPED_TRACE(skin);
    EXPECT_EQ(about_->clientWidth(), 482);
    EXPECT_EQ(about_->clientHeight(), 236);
    EXPECT_EQ(image->boundsRect(), gfx::Rect(0, 0, 482, 236));
  }
  EXPECT_EQ(image->cursor(), ui::Cursor::HandPoint);
  EXPECT_EQ(image->URL(), app::kAboutAddress);
}

TEST(JpegPicture, DamagedDataIsAnErrorNotAPicture) {
  const auto bytes = app::BuiltinPicture("about.jpg");
  ASSERT_GT(bytes.size(), 1000u);
  const std::vector<std::uint8_t> truncated(bytes.begin(), bytes.begin() + bytes.size() / 2);
  EXPECT_THROW(app::DecodeJpeg(truncated), app::JpegError);
  const std::vector<std::uint8_t> header(bytes.begin(), bytes.begin() + 20);
  EXPECT_THROW(app::DecodeJpeg(header), app::JpegError);
  const std::vector<std::uint8_t> png = [] {
    const auto p = app::BuiltinPicture("message-error-32.png");
    return std::vector<std::uint8_t>(p.begin(), p.end());
  }();
  EXPECT_THROW(app::DecodeJpeg(png), app::JpegError);
  EXPECT_THROW(app::DecodeJpeg({}), app::JpegError);
}

TEST_F(AuxWindowsTest, AboutClickClosesTheWindowThenOpensTheAddress) {
  std::vector<std::pair<std::string, bool>> opened;  // address, window visible then
  platform::SetAddressOpener([&](const std::string& address) {
    opened.emplace_back(address, about_->visible());
    return true;
  });
  console_->show();
  about_->show();
  WAIT_TRUE(about_->active(), 5000);
  skin::TbsSkinLinkImage* image = about_->bsSkinLinkImage1;
  QWidget* top = about_->widget();
  const QPoint at = image->widget()->mapTo(top, QPoint(240, 120));
  QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, at);
  WAIT_EQ(opened.size(), 1u, 5000);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].first, "https://kavro.example.org/");
  EXPECT_FALSE(opened[0].second);
  EXPECT_FALSE(about_->visible());
  EXPECT_EQ(image->LastOpenResult(), platform::ShellOpenResult::Opened);
}

}  // namespace
