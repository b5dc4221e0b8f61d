// Opening addresses with the desktop's handler: only http: and https:
// addresses with a host are handed on, whatever else is refused and told
// as refused, and a handler's failure is told as a failure.
#include "platform/shell.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

TEST(Shell, OnlyWebAddressesAreOpened) {
  struct Row {
    const char* address;
    platform::ShellOpenResult result;
  } rows[] = {
      {"http://www.kavro.example/", platform::ShellOpenResult::Opened},
      {"https://kavro.example/about?x=1", platform::ShellOpenResult::Opened},
      {"HTTP://KAVRO.EXAMPLE", platform::ShellOpenResult::Opened},
      {"file:///etc/passwd", platform::ShellOpenResult::Refused},
      {"javascript:alert(1)", platform::ShellOpenResult::Refused},
      {"/usr/bin/xterm", platform::ShellOpenResult::Refused},
      {"www.kavro.example", platform::ShellOpenResult::Refused},
      {"http://", platform::ShellOpenResult::Refused},
      {"http:///path", platform::ShellOpenResult::Refused},
      {" http://kavro.example", platform::ShellOpenResult::Refused},
      {"http://kavro.example/a b", platform::ShellOpenResult::Refused},
      {"http://kavro.example/\n", platform::ShellOpenResult::Refused},
      {"ftp://kavro.example", platform::ShellOpenResult::Refused},
      {"", platform::ShellOpenResult::Refused},
  };
  std::vector<std::string> opened;
  platform::SetAddressOpener([&](const std::string& a) {
    opened.push_back(a);
    return true;
  });
  for (const Row& r : rows) EXPECT_EQ(platform::ShellOpen(r.address), r.result) << r.address;
  EXPECT_EQ(opened.size(), 3u);
  // A handler that fails is reported as such.
  platform::SetAddressOpener([](const std::string&) { return false; });
  EXPECT_EQ(platform::ShellOpen("https://kavro.example"), platform::ShellOpenResult::Failed);
  platform::SetAddressOpener({});
}

}  // namespace
