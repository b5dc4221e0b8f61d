// The classrooms and classes the classroom server knows: a built-in set for
// the demo, or a small config file.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace classroom {

struct Classroom {
  std::string number;      // what the teacher types
  std::string password;    // the entry password
  int id = 0;              // the id the login reply gives
  bool configured = true;  // false: the server has no database for it yet
};

struct Course {
  int classroomId = 0;
  int id = 0;
  std::string docbase;   // path segment of its teacher pages
  std::string database;  // empty: the course page gives none
  std::string name;
};

struct Config {
  std::vector<Classroom> classrooms;
  std::vector<Course> courses;

  const Classroom* classroomByNumber(const std::string& number) const;
  const Classroom* classroomById(int id) const;
  const Course* course(int classroomId, int courseId) const;
  std::vector<const Course*> coursesOf(int classroomId) const;
  bool knowsDocbase(const std::string& segment) const;
};

// The demo set: classrooms 101 (password "abc"), 102 ("123456"), 7 ("pw")
// and the unconfigured 900 ("x"), with a few classes each.
Config DefaultConfig();

// Reads a config file of lines
//   classroom <number> <password> <id> [unconfigured]
//   course <classroom id> <course id> <docbase> <database or -> <name ...>
// and lines starting with "#" as comments. Throws std::runtime_error naming the line.
Config ReadConfigFile(const std::string& path);
Config ParseConfig(const std::string& text, const std::string& origin);

}  // namespace classroom
