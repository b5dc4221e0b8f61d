// A message for the teacher as data: the windows show it through the
// message dialog with a single Yes button and move the focus as it says.
#pragma once

#include <string>

namespace app {

struct UserMessage {
  enum class Kind { Warning, Error, Information };
  enum class Focus { Unchanged, ServerBox, ClassroomBox, ProxyAddressBox, ProxyPortBox };
  Kind kind = Kind::Information;
  std::string text;
  Focus focus = Focus::Unchanged;
};

// The client's fixed texts.
namespace texts {
inline constexpr const char* kEnterServer = "请填入服务器!";
inline constexpr const char* kEnterClassroom = "请填入一个教室号码!";
inline constexpr const char* kEnterProxyAddress = "请填上代理服务器地址。";
inline constexpr const char* kEnterProxyPort = "请填上代理服务器端口。";
inline constexpr const char* kProxyPortNotNumber = "代理服务器端口必须是一个数字。";
inline constexpr const char* kLoginFailed = "连接到服务器失败";
inline constexpr const char* kClassEntryFailed = "连接到服务器失败.!";
inline constexpr const char* kProxyTestFailed = "测试代理服务器失败!";
inline constexpr const char* kProxyTestSucceeded = "测试代理服务器成功.";
}  // namespace texts

}  // namespace app
