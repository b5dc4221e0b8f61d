// The built-in classrooms and the config file reader.
#include "classroom_config.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace classroom {

const Classroom* Config::classroomByNumber(const std::string& number) const {
  for (const Classroom& c : classrooms) {
    if (c.number == number) return &c;
  }
  return nullptr;
}

const Classroom* Config::classroomById(int id) const {
  for (const Classroom& c : classrooms) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

const Course* Config::course(int classroomId, int courseId) const {
  for (const Course& c : courses) {
    if (c.classroomId == classroomId && c.id == courseId) return &c;
  }
  return nullptr;
}

std::vector<const Course*> Config::coursesOf(int classroomId) const {
  std::vector<const Course*> out;
  for (const Course& c : courses) {
    if (c.classroomId == classroomId) out.push_back(&c);
  }
  return out;
}

bool Config::knowsDocbase(const std::string& segment) const {
  if (segment == "KVRCS") return true;
  for (const Course& c : courses) {
    if (c.docbase == segment) return true;
  }
  return false;
}

Config DefaultConfig() {
  return ParseConfig(R"(# The demo classrooms.
classroom 101 abc 1
classroom 102 123456 2
classroom 7 pw 7
classroom 900 x 900 unconfigured
course 1 12 simA simdb 企业经营决策模拟 · 一班
course 1 13 simB - 企业经营决策模拟 · 二班
course 1 14 KVRCS mkt14 市场营销实训
course 2 21 simC fin21 财务决策模拟
course 7 7 simA db2 生产运营沙盘
course 7 8 simB - 人力资源管理模拟
)",
                     "built-in set");
}

Config ParseConfig(const std::string& text, const std::string& origin) {
  Config config;
  std::istringstream in(text);
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream words(line);
    std::string kind;
    if (!(words >> kind) || kind.front() == '#') continue;  // blank line or comment
    auto bad = [&](const std::string& why) {
      return std::runtime_error(origin + " line " + std::to_string(lineNo) + ": " + why);
    };
    if (kind == "classroom") {
      Classroom c;
      std::string flag;
      if (!(words >> c.number >> c.password >> c.id))
        throw bad("expected: classroom <number> <password> <id>");
      if (words >> flag) {
        if (flag != "unconfigured") throw bad("unknown flag \"" + flag + "\"");
        c.configured = false;
      }
      config.classrooms.push_back(c);
    } else if (kind == "course") {
      Course c;
      if (!(words >> c.classroomId >> c.id >> c.docbase >> c.database)) {
        throw bad("expected: course <classroom id> <course id> <docbase> <database or -> <name>");
      }
      if (c.database == "-") c.database.clear();
      std::getline(words >> std::ws, c.name);
      if (c.name.empty()) c.name = "班级 " + std::to_string(c.id);
      config.courses.push_back(c);
    } else {
      throw bad("unknown entry \"" + kind + "\"");
    }
  }
  return config;
}

Config ReadConfigFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read config file " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return ParseConfig(text.str(), path);
}

}  // namespace classroom
