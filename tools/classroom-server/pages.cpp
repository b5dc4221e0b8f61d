// Page contents of the classroom server.
#include "pages.h"

namespace classroom {
namespace {

const char* kStyle = R"(<style>
body{margin:0;font:14px/1.6 "WenQuanYi Zen Hei","Microsoft YaHei","SimSun",sans-serif;color:#1f2d3d;background:#f3f6fa}
header{background:linear-gradient(#3d7cc9,#2a5fa3);color:#fff;padding:10px 18px;border-bottom:1px solid #1f4c86}
header h1{margin:0;font-size:18px;font-weight:normal;letter-spacing:1px}
header p{margin:2px 0 0;font-size:12px;opacity:.85}
main{padding:14px 18px}
table{border-collapse:collapse;width:100%;background:#fff;border:1px solid #c9d6e6}
th{background:#e4edf8;color:#24456f;font-weight:normal;text-align:left;padding:6px 8px;border-bottom:1px solid #c9d6e6}
td{padding:6px 8px;border-bottom:1px solid #e6edf5}
tr:hover td{background:#f5f9ff}
.card{background:#fff;border:1px solid #c9d6e6;border-radius:4px;padding:12px 14px;margin-bottom:12px}
.card h2{margin:0 0 8px;font-size:15px;color:#24456f}
label{display:inline-block;min-width:84px;color:#4a5d75}
input[type=text],input[type=password],select{border:1px solid #9fb3cc;border-radius:3px;padding:3px 6px;font:inherit;width:260px}
button{background:linear-gradient(#fdfefe,#dfe8f3);border:1px solid #8ea6c4;border-radius:3px;padding:3px 14px;font:inherit;color:#1f3d63;cursor:pointer}
button:hover{background:linear-gradient(#ffffff,#cfe0f5)}
nav a{display:block;padding:7px 14px;color:#1f4c86;text-decoration:none;border-bottom:1px solid #dde6f0}
nav a:hover{background:#e4edf8}
nav h3{margin:0;padding:8px 14px;font-size:13px;color:#fff;background:#5a8fd0}
.note{color:#6b7c93;font-size:12px}
.ok{color:#2e7d32}.warn{color:#b26a00}
</style>)";

std::string page(const std::string& title, const std::string& body,
                 const std::string& subtitle = {}) {
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"zh-CN\"><head><meta charset=\"utf-8\">\n<title>" +
      HtmlEscape(title) + "</title>\n" + kStyle + "</head>\n<body>\n<header><h1>" +
      HtmlEscape(title) + "</h1>";
  if (!subtitle.empty()) html += "<p>" + HtmlEscape(subtitle) + "</p>";
  html += "</header>\n<main>\n" + body + "\n</main>\n</body></html>\n";
  return html;
}

std::string link(const std::string& href, const std::string& text) {
  return "<a href=\"" + HtmlEscape(href) + "\">" + HtmlEscape(text) + "</a>";
}

}  // namespace

std::string HtmlEscape(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string ClassQuery::query() const {
  return "courseid=" + courseId + "&databasename=" + database;
}

const std::vector<TeacherTopic>& TeacherTopics() {
  static const std::vector<TeacherTopic> topics = {
      {"teacher_market.jsp", "市场环境设置"},
      {"teacher_decision.jsp", "各组决策查看"},
      {"teacher_report.jsp", "经营报表"},
      {"teacher_ranking.jsp", "成绩排名"},
  };
  return topics;
}

std::string RootPage(int port) {
  return page(
      "商业模拟平台服务器",
      "<div class=\"card\"><h2>服务器运行中</h2><p class=\"ok\">端口 " + std::to_string(port) +
          " 正常响应。</p><p class=\"note\">教师客户端通过本服务器登录教室、进入班级。</p></div>");
}

std::string CourseListPage(const Config& config, int classroomId, const std::string& desc) {
  std::string body =
      "<div class=\"card\"><h2>请选择要登录的班级</h2>\n<table>\n"
      "<tr><th style=\"width:40px\"></th><th>班级</th><th>编号</th><th>数据库</th></tr>\n";
  auto courses = config.coursesOf(classroomId);
  for (const Course* c : courses) {
    std::string n = std::to_string(c->id);
    std::string value = c->database.empty() ? n : n + "#" + c->database;
    body += "<tr><td><input type=\"radio\" name=\"id\" id=\"c" + n + "\" value=\"" +
            HtmlEscape(value) + "\"><input type=\"hidden\" name=\"docbase" + n + "\" value=\"" +
            HtmlEscape(c->docbase) + "\"><input type=\"hidden\" name=\"coursetypeid" + n +
            "\" value=\"1\"></td><td><label for=\"c" + n + "\">" + HtmlEscape(c->name) +
            "</label></td><td>" + n + "</td><td>" +
            (c->database.empty() ? "<span class=\"note\">默认</span>" : HtmlEscape(c->database)) +
            "</td></tr>\n";
  }
  if (courses.empty())
    body += "<tr><td colspan=\"4\" class=\"note\">本教室还没有开设班级。</td></tr>\n";
  body += "</table></div>\n<p class=\"note\">选择班级后，点击下方的“登录班级”。</p>";
  return page("课程列表", body, "教室 " + desc);
}

std::string DatabaseConfigPage() {
  return page(
      "数据库配置",
      "<div class=\"card\"><h2>本教室尚未配置数据库</h2><form action=\"database_config.jsp\">"
      "<p><label>数据库类型</label><select name=\"dbtype\"><option>SQL Server</option>"
      "<option>Oracle</option><option>MySQL</option></select></p>"
      "<p><label>服务器地址</label><input type=\"text\" name=\"dbhost\" value=\"127.0.0.1\"></p>"
      "<p><label>数据库名称</label><input type=\"text\" name=\"dbname\" value=\"kavro\"></p>"
      "<p><label>用户名</label><input type=\"text\" name=\"dbuser\" value=\"sa\"></p>"
      "<p><label>密码</label><input type=\"password\" name=\"dbpass\"></p>"
      "<p><button type=\"submit\">保存配置</button></p></form></div>"
      "<p class=\"note\">配置完成后，请重新进入教室。</p>",
      "首次使用");
}

std::string FunctionListPage(const ClassQuery& q, const std::string& menu) {
  const std::string qs = "?" + q.query();
  std::string body = "<nav>";
  if (menu == "2") {
    body += "<h3>系统维护</h3>" + link("teacher_config_companyonline.jsp" + qs, "在线公司设置") +
            link("frames.jsp" + qs, "分组总览（多窗格）") + link("left.jsp" + qs, "« 返回教学功能");
  } else {
    body += "<h3>教学功能</h3>" + link("teacher_default.jsp" + qs, "教师首页");
    for (const TeacherTopic& t : TeacherTopics()) body += link(t.page + qs, t.title);
    body += link("frames.jsp" + qs, "分组总览（多窗格）") +
            link("slow.jsp" + qs, "年度结算（较慢）") +
            link("left.jsp" + qs + "&menu=2", "系统维护 »");
  }
  body += "</nav>";
  return "<!DOCTYPE html>\n<html lang=\"zh-CN\"><head><meta "
         "charset=\"utf-8\">\n<title>功能列表</title>\n" +
         std::string(kStyle) + "</head>\n<body>\n" + body + "\n</body></html>\n";
}

std::string TeacherStartPage(const ClassQuery& q) {
  return page("教师首页",
              "<div class=\"card\"><h2>欢迎进入班级 " + HtmlEscape(q.courseId) +
                  "</h2><p>左侧功能列表中的页面会在此处打开。</p></div>"
                  "<div class=\"card\"><h2>导出经营数据</h2><p><label>导出目录</label>"
                  "<input type=\"text\" name=\"exportpath\" id=\"exportpath\" value=\"\">"
                  " <button type=\"button\" id=\"browse\" "
                  "onclick=\"location.href='http://selectdialog/exportpath/'\">浏览…</button></p>"
                  "<p class=\"note\">数据库：" +
                  (q.database.empty() ? std::string("默认") : HtmlEscape(q.database)) +
                  "</p></div>",
              "第 1 年 · 第 1 季度");
}

std::string CompanyOnlinePage(const ClassQuery& q) {
  std::string rows;
  const char* names[] = {"华东制造", "远航科技", "青禾食品", "星辰电子", "蓝海贸易"};
  int i = 0;
  for (const char* name : names) {
    ++i;
    rows += "<tr><td>第" + std::to_string(i) + "组</td><td>" + name + "</td><td>" +
            (i % 2 == 1 ? "<span class=\"ok\">在线</span>" : "<span class=\"warn\">离线</span>") +
            "</td><td><input type=\"checkbox\" name=\"online" + std::to_string(i) + "\"" +
            (i % 2 == 1 ? " checked" : "") + "></td></tr>";
  }
  return page("在线公司设置",
              "<table><tr><th>小组</th><th>公司</th><th>状态</th><th>允许登录</th></tr>" + rows +
                  "</table>",
              "班级 " + q.courseId);
}

std::string FramesPage(const ClassQuery& q) {
  const std::string qs = q.query();
  return "<!DOCTYPE html>\n<html lang=\"zh-CN\"><head><meta "
         "charset=\"utf-8\">\n<title>分组总览</title>\n"
         "</head>\n<frameset cols=\"38%,*\"><frame name=\"groups\" "
         "src=\"frame_part.jsp?part=groups&" +
         HtmlEscape(qs) + "\"><frame name=\"detail\" src=\"frame_part.jsp?part=detail&" +
         HtmlEscape(qs) + "\"></frameset></html>\n";
}

std::string FramePartPage(const ClassQuery& q, const std::string& part) {
  if (part == "groups") {
    return page("小组列表",
                "<table><tr><th>小组</th><th>本期得分</th></tr><tr><td>第1组</td><td>86.5</td></tr>"
                "<tr><td>第2组</td><td>79.0</td></tr><tr><td>第3组</td><td>91.2</td></tr></table>");
  }
  return page("小组详情", "<div class=\"card\"><h2>第1组 · 华东制造</h2><p>班级 " +
                              HtmlEscape(q.courseId) + " 的本期决策已提交。</p></div>");
}

std::string TeacherTopicPage(const std::string& title, const std::string& topic,
                             const ClassQuery& q) {
  return page(title, "<div class=\"card\"><h2>" + HtmlEscape(title) + "</h2><p>" +
                         HtmlEscape(topic) + "</p><p class=\"note\">班级 " +
                         HtmlEscape(q.courseId) + "</p></div>");
}

std::string NotFoundPage(const std::string& path) {
  return page("页面不存在", "<div class=\"card\"><h2>找不到页面</h2><p class=\"note\">" +
                                HtmlEscape(path) + "</p></div>");
}

std::string SlowPageHead() {
  return "<!DOCTYPE html>\n<html lang=\"zh-CN\"><head><meta "
         "charset=\"utf-8\">\n<title>年度结算</title>\n" +
         std::string(kStyle) +
         "</head>\n<body>\n<header><h1>年度结算</h1><p>正在计算各组经营结果…</p></"
         "header>\n<main><table>"
         "<tr><th>步骤</th><th>状态</th></tr>\n";
}

std::string SlowPageRow(int index, int count) {
  return "<tr><td>结算步骤 " + std::to_string(index + 1) + " / " + std::to_string(count) +
         "</td><td class=\"ok\">完成</td></tr>\n";
}

std::string SlowPageTail() {
  return "</table><p class=\"ok\">结算完成。</p></main></body></html>\n";
}

}  // namespace classroom
