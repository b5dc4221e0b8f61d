// The console's text rules as tables: which addresses stay in the function
// list, which titles become captions, the status label's text, the element
// a folder request names and the load-time text.
#include "app/client/console_routing.h"

#include <cstdint>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace {

TEST(ConsoleRouting, OnlyFunctionListAddressesStayInTheLeftPane) {
  struct Row {
    const char* url;
    bool stays;
  };
  const Row rows[] = {
      {"http://h:8080/simA/teacher/left.jsp?courseid=12&databasename=simdb", true},
      {"http://h:8080/simA/teacher/left.jsp?courseid=12&databasename=&menu=2", true},
      {"http://h:8080/simA/teacher/teacher_market.jsp?courseid=12", false},
      // Letter case counts.
      {"http://h:8080/simA/teacher/Left.jsp", false},
      {"http://h:8080/simA/teacher/LEFT.JSP", false},
      // Anywhere in the address, the query included.
      {"http://h:8080/simA/teacher/frames.jsp?back=left.jsp", true},
      {"http://h:8080/simA/teacher/left.js", false},
      {"about:blank", false},
      {"", false},
  };
  for (const Row& r : rows) EXPECT_EQ(app::StaysInFunctionList(r.url), r.stays) << r.url;
}

TEST(ConsoleRouting, TitlesHoldingAnAddressGiveNoCaption) {
  struct Row {
    const char* title;
    std::optional<std::string> caption;
  };
  const Row rows[] = {
      {"教师首页", std::string("教师首页")},
      {"", std::string("")},
      {"http://127.0.0.1:8080/simA/teacher/left.jsp", std::nullopt},
      {"页面 http://x/ 说明", std::nullopt},
      // Only the lower-case scheme with both slashes is an address here.
      {"HTTP://X/", std::string("HTTP://X/")},
      {"https://x/", std::string("https://x/")},
      {"127.0.0.1:8080/simA/teacher/left.jsp", std::string("127.0.0.1:8080/simA/teacher/left.jsp")},
  };
  for (const Row& r : rows) EXPECT_EQ(app::CaptionFromTitle(r.title), r.caption) << r.title;
}

TEST(ConsoleRouting, TheEnginesAddressStandInForATitleGivesNoCaption) {
  struct Row {
    const char* title;
    const char* location;
    std::optional<std::string> caption;
  };
  const Row rows[] = {
      {"127.0.0.1:8080/simA/teacher/left.jsp?courseid=12",
       "http://127.0.0.1:8080/simA/teacher/left.jsp?courseid=12", std::nullopt},
      {"功能列表", "http://127.0.0.1:8080/simA/teacher/left.jsp", std::string("功能列表")},
      // A title that only looks like another address is the page's own.
      {"127.0.0.1:8080/other.jsp", "http://127.0.0.1:8080/simA/teacher/left.jsp",
       std::string("127.0.0.1:8080/other.jsp")},
      {"", "", std::string("")},
      {"data:text/html,x", "data:text/html,x", std::string("data:text/html,x")},
  };
  for (const Row& r : rows)
    EXPECT_EQ(app::CaptionFromTitle(app::ReportedTitle(r.title, r.location)), r.caption) << r.title;
}

TEST(ConsoleRouting, StatusTextIsCutAtTheFirstAddress) {
  struct Row {
    const char* text;
    const char* shown;
  };
  const Row rows[] = {
      {"完成", "完成"},
      {"", ""},
      {"http://h/simA/teacher/teacher_report.jsp", ""},
      {"正在打开 http://h/a http://h/b", "正在打开 "},
      {"https://h/a", "https://h/a"},
  };
  for (const Row& r : rows) EXPECT_EQ(app::StatusLabelText(r.text), r.shown) << r.text;
}

TEST(ConsoleRouting, FolderRequestNamesTheElementBeforeTheLastCharacter) {
  struct Row {
    const char* url;
    std::optional<std::string> element;
  };
  const Row rows[] = {
      {"http://h:8080/simA/teacher/teacher_default.jsp", std::nullopt},
      {"http://selectdialog/exportpath/", std::string("exportpath")},
      // Any one character stands in place of the closing slash.
      {"http://selectdialog/exportpathX", std::string("exportpath")},
      {"http://selectdialog/a/", std::string("a")},
      {"http://selectdialog//", std::string("")},
      {"http://selectdialog/", std::string("")},
      // A name with slashes keeps them, only the last character goes.
      {"http://selectdialog/a/b/", std::string("a/b")},
      // Characters, not bytes: the Chinese name stays whole.
      {"http://selectdialog/导出目录/", std::string("导出目录")},
      {"http://selectdialog/目录", std::string("目")},
      // The prefix further in: the count is the whole address's length less
      // 21, cut at the address's end.
      {"xx http://selectdialog/abc/", std::string("abc/")},
      {"http://h/?go=http://selectdialog/abc/", std::string("abc/")},
  };
  for (const Row& r : rows) EXPECT_EQ(app::FolderRequestElement(r.url), r.element) << r.url;
}

TEST(ConsoleRouting, LoadTimeUsesUnsignedThirtyTwoBitArithmetic) {
  struct Row {
    std::uint32_t start;
    std::uint32_t now;
    const char* text;
  };
  const Row rows[] = {
      {1000, 1250, "耗时250ms"},
      {0, 0, "耗时0ms"},
      // The tick counter wrapped between the start and the end.
      {0xFFFFFF00u, 0x00000010u, "耗时272ms"},
      {5, 4, "耗时4294967295ms"},
  };
  for (const Row& r : rows) EXPECT_EQ(app::LoadTimeText(r.start, r.now), r.text);
}

}  // namespace
