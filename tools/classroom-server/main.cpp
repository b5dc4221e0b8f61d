// classroom-server: the server side of the classroom protocol for the demo
// and the end-to-end tests. Serves the login, class-entry and logout
// requests, the course list and the teacher pages, logs every request as a
// JSON line, and has switches that make the text replies misbehave.
#include <httplib.h>
#include <iconv.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "classroom_config.h"
#include "pages.h"
#include "request_log.h"

namespace {

using namespace classroom;

const char* kHelp = R"(Usage: classroom-server [options]

The classroom server of the teacher client: logs teachers into classrooms,
serves the course list and the teacher pages of each class.

Options:
  --host ADDR          address to listen on (default 127.0.0.1)
  --port N             port to listen on (default 8080; 0 picks a free port)
  --proxy-test-port N  also listen on port N, the port of the client's proxy
                       test (the client asks for port 8081)
  --port-file FILE     write the port actually used to FILE once listening
  --log FILE           append every request as a JSON line to FILE ("-" for
                       standard error): raw target, target bytes in hex,
                       headers with names and values as received
  --config FILE        classrooms and classes (default: a built-in demo set)
                         classroom <number> <password> <id> [unconfigured]
                         course <classroom id> <course id> <docbase> <database|-> <name>
  --charset NAME       charset of the text replies: utf-8 (default) or gbk
  --login-reply TEXT   answer every login request with TEXT (\r \n \t \\ escapes)
  --fault KIND         make every LoginAction.do reply misbehave:
                         redirect  302 to another address
                         location  200 carrying a Location header
                         reset     close the connection in the middle of the body
                         stall     send one byte, then nothing for --stall-seconds
                         huge      a body of --huge-bytes bytes
  --stall-seconds N    length of the stall (default 60)
  --huge-bytes N       size of the huge body (default 17825792, 17 MiB)
  --slow-seconds N     time the slow page takes to load (default 4)
  --help               show this text

Built-in classrooms: 101 (password abc), 102 (123456), 7 (pw) and 900 (x,
not configured yet: the login answers "configds").
)";

struct Options {
  std::string host = "127.0.0.1";
  int port = 8080;
  int proxyTestPort = 0;
  std::string portFile;
  std::string logPath;
  std::string configPath;
  bool gbk = false;
  bool fixedLoginReply = false;
  std::string loginReply;
  std::string fault;
  int stallSeconds = 60;
  long long hugeBytes = 17825792;
  int slowSeconds = 4;
};

std::atomic<bool> g_stopping{false};

void onSignal(int) { g_stopping = true; }

std::string unescape(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\\' || i + 1 == s.size()) {
      out += s[i];
      continue;
    }
    char c = s[++i];
    out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
  }
  return out;
}

[[noreturn]] void usageError(const std::string& what) {
  std::cerr << "classroom-server: " << what << "\n(see classroom-server --help)\n";
  std::exit(2);
}

long long number(const std::string& option, const char* text, long long lo, long long hi) {
  char* end = nullptr;
  long long v = std::strtoll(text, &end, 10);
  if (end == text || *end != '\0' || v < lo || v > hi) {
    usageError(option + " needs a number from " + std::to_string(lo) + " to " + std::to_string(hi) +
               ", not \"" + text + "\"");
  }
  return v;
}

Options parseOptions(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      std::cout << kHelp;
      std::exit(0);
    }
    if (i + 1 >= argc) usageError("unknown option or missing value: " + a);
    const char* v = argv[++i];
    if (a == "--host")
      o.host = v;
    else if (a == "--port")
      o.port = static_cast<int>(number(a, v, 0, 65535));
    else if (a == "--proxy-test-port")
      o.proxyTestPort = static_cast<int>(number(a, v, 1, 65535));
    else if (a == "--port-file")
      o.portFile = v;
    else if (a == "--log")
      o.logPath = v;
    else if (a == "--config")
      o.configPath = v;
    else if (a == "--charset") {
      std::string c = v;
      if (c == "gbk" || c == "GBK")
        o.gbk = true;
      else if (c != "utf-8" && c != "UTF-8")
        usageError("--charset is utf-8 or gbk");
    } else if (a == "--login-reply") {
      o.fixedLoginReply = true;
      o.loginReply = unescape(v);
    } else if (a == "--fault") {
      o.fault = v;
      if (o.fault != "redirect" && o.fault != "location" && o.fault != "reset" &&
          o.fault != "stall" && o.fault != "huge") {
        usageError("unknown fault \"" + o.fault + "\"");
      }
    } else if (a == "--stall-seconds")
      o.stallSeconds = static_cast<int>(number(a, v, 0, 3600));
    else if (a == "--huge-bytes")
      o.hugeBytes = number(a, v, 0, 1LL << 32);
    else if (a == "--slow-seconds")
      o.slowSeconds = static_cast<int>(number(a, v, 0, 600));
    else
      usageError("unknown option " + a);
  }
  return o;
}

std::string toGbk(const std::string& utf8) {
  iconv_t cd = iconv_open("GBK", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return utf8;
  std::string out(utf8.size() * 2 + 4, '\0');
  char* in = const_cast<char*>(utf8.data());
  std::size_t inLeft = utf8.size();
  char* dst = out.data();
  std::size_t dstLeft = out.size();
  std::size_t r = iconv(cd, &in, &inLeft, &dst, &dstLeft);
  iconv_close(cd);
  if (r == static_cast<std::size_t>(-1)) return utf8;
  out.resize(out.size() - dstLeft);
  return out;
}

// Sleeps up to `ms`, waking early when the server is stopping.
bool pause(int ms) {
  for (int waited = 0; waited < ms; waited += 50) {
    if (g_stopping) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min(50, ms - waited)));
  }
  return !g_stopping;
}

class ClassroomServer {
 public:
  ClassroomServer(Options options, Config config, RequestLog& log)
      : o_(std::move(options)), config_(std::move(config)), log_(log) {}

  void setup(httplib::Server& s) {
    s.set_pre_routing_handler([this](const httplib::Request& req, httplib::Response&) {
      logRequest(req);
      return httplib::Server::HandlerResponse::Unhandled;
    });
    s.Get("/", [](const httplib::Request& req, httplib::Response& res) {
      res.set_content(RootPage(req.local_port), "text/html; charset=utf-8");
    });
    s.Get(R"(/([^/]+)/LoginAction\.do)",
          [this](const httplib::Request& req, httplib::Response& res) { loginAction(req, res); });
    s.Get(R"(/([^/]+)/kavro_courselist\.jsp)",
          [this](const httplib::Request& req, httplib::Response& res) {
            int id = std::atoi(req.get_param_value("classroomid").c_str());
            html(res, CourseListPage(config_, id, req.get_param_value("classroomdesc")));
          });
    s.Get(R"(/([^/]+)/teacher/([A-Za-z_]+)\.jsp)",
          [this](const httplib::Request& req, httplib::Response& res) { teacherPage(req, res); });
    s.set_error_handler([](const httplib::Request& req, httplib::Response& res) {
      if (res.body.empty()) res.set_content(NotFoundPage(req.path), "text/html; charset=utf-8");
    });
  }

 private:
  void logRequest(const httplib::Request& req) {
    LoggedRequest r;
    r.localPort = req.local_port;
    r.remote = req.remote_addr;
    r.method = req.method;
    r.target = req.target;
    r.version = req.version;
    for (const auto& [name, value] : req.headers) {
      // The library adds these itself; they are not part of what was sent.
      if (name == "REMOTE_ADDR" || name == "REMOTE_PORT" || name == "LOCAL_ADDR" ||
          name == "LOCAL_PORT") {
        continue;
      }
      r.headers.emplace_back(name, value);
    }
    log_.write(r);
  }

  static void html(httplib::Response& res, const std::string& body) {
    res.set_content(body, "text/html; charset=utf-8");
  }

  void text(httplib::Response& res, const std::string& utf8) {
    if (o_.gbk) {
      res.set_content(toGbk(utf8), "text/plain; charset=GBK");
    } else {
      res.set_content(utf8, "text/plain; charset=utf-8");
    }
  }

  // The reply of a LoginAction.do request, or a fault in its place.
  void reply(httplib::Response& res, const std::string& utf8) {
    if (o_.fault.empty()) return text(res, utf8);
    if (o_.fault == "redirect") {
      res.status = 302;
      res.set_header("Location", "/KVRCS/moved.jsp");
      res.set_content("moved", "text/plain");
    } else if (o_.fault == "location") {
      res.set_header("Location", "/KVRCS/moved.jsp");
      text(res, utf8);
    } else if (o_.fault == "reset") {
      std::string body = utf8 + std::string(4096, ' ');
      res.set_content_provider(body.size(), "text/plain",
                               [body](size_t offset, size_t, httplib::DataSink& sink) {
                                 if (offset == 0) sink.write(body.data(), body.size() / 2);
                                 return false;  // closes the connection mid-body
                               });
    } else if (o_.fault == "stall") {
      int ms = o_.stallSeconds * 1000;
      res.set_content_provider(1024, "text/plain",
                               [ms](size_t offset, size_t, httplib::DataSink& sink) {
                                 if (offset == 0) sink.write("1", 1);
                                 pause(ms);
                                 return false;
                               });
    } else if (o_.fault == "huge") {
      auto total = static_cast<size_t>(o_.hugeBytes);
      res.set_content_provider(total, "text/plain",
                               [total](size_t offset, size_t, httplib::DataSink& sink) {
                                 static const std::string block(65536, '0');
                                 size_t n = std::min(block.size(), total - offset);
                                 sink.write(block.data(), n);
                                 return !g_stopping;
                               });
    }
  }

  // "/KVRCS" for "/KVRCS/LoginAction.do": an application's cookies belong to
  // its context path, as a servlet server scopes them.
  static std::string contextPath(const httplib::Request& req) { return "/" + req.matches[1].str(); }

  void loginAction(const httplib::Request& req, httplib::Response& res) {
    const std::string step = req.get_param_value("p0");
    const std::string p1 = req.get_param_value("p1");
    const std::string p2 = req.get_param_value("p2");
    if (step == "1") {
      res.set_header("Set-Cookie",
                     "KVRSESSION=" + std::to_string(++sessions_) + "; Path=" + contextPath(req));
      if (o_.fixedLoginReply) return reply(res, o_.loginReply);
      const Classroom* room = config_.classroomByNumber(p1);
      if (room == nullptr) return reply(res, "教室号码 " + p1 + " 不存在，请核对后重新输入。");
      if (room->password != p2) return reply(res, "进入口令错误，请重新输入！");
      if (!room->configured) return reply(res, "configds");
      return reply(res, std::to_string(room->id));
    }
    if (step == "2") {
      const Course* course = config_.course(std::atoi(p2.c_str()), std::atoi(p1.c_str()));
      if (course == nullptr || p1.empty()) return reply(res, "所选班级不存在或尚未开放。");
      res.set_header("Set-Cookie", "KVRCLASS=" + p1 + "; Path=" + contextPath(req));
      return reply(res, "1");
    }
    if (step == "3") return reply(res, "0");
    reply(res, "无法识别的请求。");
  }

  void teacherPage(const httplib::Request& req, httplib::Response& res) {
    const std::string base = req.matches[1];
    const std::string name = req.matches[2];
    if (!config_.knowsDocbase(base)) {
      res.status = 404;
      return;
    }
    ClassQuery q{req.get_param_value("courseid"), req.get_param_value("databasename")};
    if (name == "database_config") return html(res, DatabaseConfigPage());
    if (name == "left") return html(res, FunctionListPage(q, req.get_param_value("menu")));
    if (name == "teacher_default") return html(res, TeacherStartPage(q));
    if (name == "teacher_config_companyonline") return html(res, CompanyOnlinePage(q));
    if (name == "frames") return html(res, FramesPage(q));
    if (name == "frame_part") return html(res, FramePartPage(q, req.get_param_value("part")));
    if (name == "slow") return slowPage(res);
    for (const TeacherTopic& t : TeacherTopics()) {
      if (name + ".jsp" == t.page) {
        return html(res, TeacherTopicPage(t.title, std::string(t.title) + "：本期数据已更新。", q));
      }
    }
    res.status = 404;
  }

  void slowPage(httplib::Response& res) {
    const int rows = 20;
    const int stepMs = o_.slowSeconds * 1000 / rows;
    auto next = std::make_shared<int>(-1);
    res.set_chunked_content_provider("text/html; charset=utf-8",
                                     [next, rows, stepMs](size_t, httplib::DataSink& sink) {
                                       std::string piece;
                                       if (*next < 0) {
                                         piece = SlowPageHead();
                                       } else if (*next < rows) {
                                         if (!pause(stepMs)) return false;
                                         piece = SlowPageRow(*next, rows);
                                       } else {
                                         piece = SlowPageTail();
                                         sink.write(piece.data(), piece.size());
                                         sink.done();
                                         return true;
                                       }
                                       ++*next;
                                       sink.write(piece.data(), piece.size());
                                       return true;
                                     });
  }

  Options o_;
  Config config_;
  RequestLog& log_;
  std::atomic<int> sessions_{0};
};

int bindServer(httplib::Server& s, const std::string& host, int port) {
  if (port == 0) return s.bind_to_any_port(host);
  return s.bind_to_port(host, port) ? port : -1;
}

}  // namespace

int main(int argc, char** argv) {
  Options o = parseOptions(argc, argv);
  Config config;
  try {
    config = o.configPath.empty() ? DefaultConfig() : ReadConfigFile(o.configPath);
  } catch (const std::exception& e) {
    std::cerr << "classroom-server: " << e.what() << "\n";
    return 1;
  }
  RequestLog log(o.logPath);
  if (!log.ok()) {
    std::cerr << "classroom-server: cannot open log file " << o.logPath << "\n";
    return 1;
  }
  std::signal(SIGINT, onSignal);
  std::signal(SIGTERM, onSignal);
  std::signal(SIGPIPE, SIG_IGN);

  ClassroomServer app(o, config, log);
  std::vector<std::unique_ptr<httplib::Server>> servers;
  std::vector<int> ports;
  std::vector<int> wantedPorts = {o.port};
  if (o.proxyTestPort != 0) wantedPorts.push_back(o.proxyTestPort);
  for (int wanted : wantedPorts) {
    auto s = std::make_unique<httplib::Server>();
    app.setup(*s);
    int port = bindServer(*s, o.host, wanted);
    if (port < 0) {
      std::cerr << "classroom-server: cannot listen on " << o.host << ":" << wanted << "\n";
      return 1;
    }
    ports.push_back(port);
    servers.push_back(std::move(s));
  }
  if (!o.portFile.empty()) {
    std::string tmp = o.portFile + ".tmp";
    std::ofstream(tmp) << ports[0] << "\n";
    std::rename(tmp.c_str(), o.portFile.c_str());
  }
  for (int port : ports)
    std::cout << "classroom-server: listening on http://" << o.host << ":" << port << "/\n";
  std::cout.flush();

  std::vector<std::thread> threads;
  for (auto& s : servers) threads.emplace_back([&s] { s->listen_after_bind(); });
  while (!g_stopping) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  for (auto& s : servers) s->stop();
  for (auto& t : threads) t.join();
  return 0;
}
