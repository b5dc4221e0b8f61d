// Address forming and reply reading of the server protocol.
#include "app/core/server_protocol.h"

#include "app/core/reply_text.h"

namespace app {
namespace {

std::string loginAction(const LoginState& s, int step) {
  return s.BaseUrl + s.ContextPath + "/LoginAction.do?p0=" + std::to_string(step);
}

std::string teacherPage(const LoginState& s, std::string_view page) {
  return s.BaseUrl + s.DocBase + "/teacher/" + std::string(page) +
         "?courseid=" + std::to_string(s.CourseId) + "&databasename=" + s.DatabaseName;
}

}  // namespace

std::string LoginUrl(const LoginState& s, std::string_view classroomNumber,
                     std::string_view entryPassword) {
  return loginAction(s, 1) + "&p1=" + TrimBlanks(classroomNumber) +
         "&p2=" + TrimBlanks(entryPassword);
}

std::string ClassEntryUrl(const LoginState& s) {
  return loginAction(s, 2) + "&p1=" + std::to_string(s.CourseId) +
         "&p2=" + std::to_string(s.ClassroomId) + "&databasename=" + s.DatabaseName;
}

std::string LogoutUrl(const LoginState& s) {
  return loginAction(s, 3) + "&p1=" + std::to_string(s.CourseId) +
         "&p2=" + std::to_string(s.ClassroomId);
}

std::string ProxyTestUrl(std::string_view serverBoxText) {
  return "http://" + std::string(serverBoxText) + ":" + std::to_string(kProxyTestPort) + "/";
}

std::string CourseListUrl(const LoginState& s) {
  return s.BaseUrl + s.ContextPath +
         "/kavro_courselist.jsp?classroomid=" + std::to_string(s.ClassroomId) +
         "&classroomdesc=" + s.ClassroomCode;
}

std::string DatabaseConfigUrl(const LoginState& s) {
  return s.BaseUrl + s.ContextPath + "/teacher/database_config.jsp";
}

std::string FunctionListUrl(const LoginState& s) { return teacherPage(s, "left.jsp"); }

std::string TeacherStartUrl(const LoginState& s) { return teacherPage(s, "teacher_default.jsp"); }

std::string CompanyOnlineUrl(const LoginState& s) {
  return teacherPage(s, "teacher_config_companyonline.jsp");
}

std::string MakeBaseUrl(std::string_view server, std::string_view port) {
  return "http://" + std::string(server) + ":" + std::string(port) + "/";
}

ServerReply ReadClassEntryReply(std::string_view body) {
  ServerReply r;
  r.body = std::string(body);
  if (auto n = ParseInteger(body)) {
    r.kind = ServerReply::Kind::Number;
    r.number = *n;
  }
  return r;
}

ServerReply ReadLoginReply(std::string_view body) {
  if (body == "configds") {
    ServerReply r;
    r.kind = ServerReply::Kind::Configure;
    r.body = std::string(body);
    return r;
  }
  return ReadClassEntryReply(body);
}

}  // namespace app
