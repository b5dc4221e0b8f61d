// The crash log: record times, the cap on whole records, the state folder
// and the modes of the folder and the file.
#include "app/crash/crash_log.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "crash_test_support.h"

namespace {

using namespace app;

TEST(CrashTime, CivilDatesInUtc) {
  struct Row {
    std::time_t t;
    const char* text;
  };
  const Row rows[] = {
      {0, "1970-01-01 00:00:00 UTC"},          {-1, "1969-12-31 23:59:59 UTC"},
      {951782400, "2000-02-29 00:00:00 UTC"},  // leap day of a century leap year
      {951868799, "2000-02-29 23:59:59 UTC"},  {1798989945, "2027-01-03 15:25:45 UTC"},
      {4102444799, "2099-12-31 23:59:59 UTC"},
  };
  for (const Row& r : rows) {
    char out[kCrashTimeLength + 1];
    FormatCrashTime(r.t, out);
    EXPECT_STREQ(out, r.text) << r.t;
  }
}

// A record of exactly size bytes whose text is tag.
std::string RecordOfSize(const std::string& tag, std::size_t size) {
  std::string r = FormatCrashRecord(0, "1.0", "exception: " + tag, {});
  EXPECT_LT(r.size(), size);
  r.insert(r.size() - 1, std::string(size - r.size(), 'x'));
  return r;
}

TEST(CrashLogCap, DropsTheOldestWholeRecords) {
  const std::string a = RecordOfSize("a", 400), b = RecordOfSize("b", 400),
                    c = RecordOfSize("c", 400);
  struct Row {
    const char* name;
    std::string text;
    std::size_t cap;
    std::string kept;
  };
  const Row rows[] = {
      {"fits", a + b + c, 1200, a + b + c},
      {"one byte over", a + b + c, 1199, b + c},
      {"room for one", a + b + c, 799, c},
      {"cut inside the last", a + b + c, 399, ""},
      {"torn start goes first", "rn tail of a lost record\n\n" + b + c, 800, b + c},
      {"torn start, room for all", "torn\n" + b + c, 900, "torn\n" + b + c},
  };
  for (const Row& r : rows) {
    const std::string kept = TrimCrashLog(r.text, r.cap);
    EXPECT_EQ(kept, r.kept) << r.name;
    EXPECT_LE(kept.size(), r.cap) << r.name;
  }
}

TEST(CrashLogCap, FileTrimmedInPlaceKeepsItsMode) {
  crashtest::TempFolder dir;
  const std::string path = dir.path() + "/crash.log";
  const std::string a = RecordOfSize("a", 1000), b = RecordOfSize("b", 1000);
  crashtest::WriteAll(path, a + b);
  std::string error;
  ASSERT_TRUE(TrimCrashLogFile(path, 1500, error)) << error;
  EXPECT_EQ(crashtest::ReadAll(path), b);
  EXPECT_EQ(crashtest::ModeOf(path), 0600u);
  // A missing log is no failure.
  EXPECT_TRUE(TrimCrashLogFile(dir.path() + "/none.log", 1500, error)) << error;
}

class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      ::setenv(name, value->c_str(), 1);
    else
      ::unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_)
      ::setenv(name_, old_->c_str(), 1);
    else
      ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(CrashStateFolder, FromXdgStateHomeOrHome) {
  struct Row {
    std::optional<std::string> state;
    std::string folder;
  };
  const Row rows[] = {
      {"/srv/state", "/srv/state/kavro"},
      {std::nullopt, "/home/teacher/.local/state/kavro"},
      {"", "/home/teacher/.local/state/kavro"},
      {"relative/state", "/home/teacher/.local/state/kavro"},  // not a base folder
  };
  ScopedEnv home("HOME", "/home/teacher");
  for (const Row& r : rows) {
    ScopedEnv state("XDG_STATE_HOME", r.state);
    EXPECT_EQ(CrashStateFolder(), r.folder) << r.state.value_or("(unset)");
  }
}

TEST(CrashStateFolder, MadePrivateWithAPrivateLog) {
  crashtest::TempFolder dir;
  const std::string folder = dir.path() + "/state/deeper/kavro";
  const mode_t oldMask = ::umask(0);  // modes must not rely on the umask
  std::string error;
  ASSERT_TRUE(MakeStateFolder(folder, error)) << error;
  EXPECT_EQ(crashtest::ModeOf(folder), 0700u);
  EXPECT_EQ(crashtest::ModeOf(dir.path() + "/state"), 0700u);
  const std::string log = folder + "/crash.log";
  ASSERT_TRUE(AppendCrashLog(log, "one\n", error)) << error;
  EXPECT_EQ(crashtest::ModeOf(log), 0600u);

  // A folder and a log that others could read are narrowed.
  ::chmod(folder.c_str(), 0755);
  ::chmod(log.c_str(), 0644);
  ASSERT_TRUE(MakeStateFolder(folder, error)) << error;
  ASSERT_TRUE(AppendCrashLog(log, "two\n", error)) << error;
  ::umask(oldMask);
  EXPECT_EQ(crashtest::ModeOf(folder), 0700u);
  EXPECT_EQ(crashtest::ModeOf(log), 0600u);
  EXPECT_EQ(crashtest::ReadAll(log), "one\ntwo\n");

  // A file where the folder should be is an error, not a crash.
  crashtest::WriteAll(dir.path() + "/file", "x");
  EXPECT_FALSE(MakeStateFolder(dir.path() + "/file", error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
