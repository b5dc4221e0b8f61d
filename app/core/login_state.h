// The login state: what the console knows about the current login and the
// chosen class. Every window reads and writes the one instance the console
// holds; it lives in memory only.
#pragma once

#include <cstdint>
#include <string>

namespace app {

// The context path of the server's web application at login time.
inline constexpr const char* kDefaultContextPath = "KVRCS";

// Course id while the course page is being read and no class was found yet.
inline constexpr std::int32_t kCourseIdReading = -9999;

struct LoginState {
  std::string ProxyServer;  // proxy host; empty for a direct connection
  std::int32_t ProxyPort = 0;
  std::string ProxyUser;
  std::string ProxyPassword;
  std::string BaseUrl;      // "http://" + server + ":" + port + "/"
  std::string ContextPath;  // first path segment of the web application, no slashes
  std::string DocBase;      // path segment of the chosen class's teacher pages
  std::int32_t ClassroomId = -1;
  std::string ClassroomCode;  // classroom number as typed, trimmed
  std::int32_t CourseId = -1;
  std::string DatabaseName;
};

}  // namespace app
