// The store of the two browser settings.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "platform/browser_settings.h"

namespace {

namespace fs = std::filesystem;
using platform::BrowserSettings;

fs::path TempFolder(const char* name) {
  const fs::path p = fs::temp_directory_path() / ("kavro-browser-settings-" + std::string(name));
  fs::remove_all(p);
  return p;
}

TEST(BrowserSettings, WritesAtOnceAndReadsBack) {
  const fs::path dir = TempFolder("roundtrip");
  const std::string path = (dir / "sub" / "browser-settings.ini").string();
  {
    BrowserSettings s(path);
    EXPECT_FALSE(s.checksEveryVisit());
    EXPECT_FALSE(s.scriptDebuggerDisabled());
    s.setDword(BrowserSettings::kSyncMode5, 3);
    // Already in the file, before anything else happens.
    EXPECT_TRUE(BrowserSettings(path).checksEveryVisit());
    s.setString(BrowserSettings::kDisableScriptDebugger, "yes");
  }
  BrowserSettings again(path);
  EXPECT_EQ(again.dwordValue("SyncMode5"), 3u);
  EXPECT_EQ(again.stringValue("DisableScriptDebuggerIE"), std::string("yes"));
  EXPECT_TRUE(again.checksEveryVisit());
  EXPECT_TRUE(again.scriptDebuggerDisabled());
  again.setDword(BrowserSettings::kSyncMode5, 0);
  EXPECT_FALSE(BrowserSettings(path).checksEveryVisit());
  fs::remove_all(dir);
}

TEST(BrowserSettings, AFileThatCannotBeWrittenIsAnErrorAndKeepsTheValues) {
  const fs::path dir = TempFolder("blocked");
  fs::create_directories(dir);
  // A plain file stands where the folder of the settings should be.
  std::ofstream(dir / "blocker") << "x";
  BrowserSettings s((dir / "blocker" / "browser-settings.ini").string());
  EXPECT_THROW(s.setDword(BrowserSettings::kSyncMode5, 3), platform::BrowserSettingsError);
  EXPECT_FALSE(s.dwordValue(BrowserSettings::kSyncMode5));
  EXPECT_THROW(s.setString("bad\nname", "x"), platform::BrowserSettingsError);
  fs::remove_all(dir);
}

mode_t ModeOf(const fs::path& p) {
  struct stat st {};
  return ::stat(p.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

// The file and the folders made for it are the user's alone, whatever the
// umask; what exists keeps its mode.
TEST(BrowserSettings, NewFilesAndFoldersAreForTheOwnerOnly) {
  const fs::path dir = TempFolder("modes");
  fs::create_directories(dir);
  fs::permissions(dir, fs::perms(0755));
  const fs::path file = dir / "kavro" / "deep" / "browser-settings.ini";
  const mode_t old = ::umask(0);
  BrowserSettings s(file.string());
  s.setDword(BrowserSettings::kSyncMode5, 3);
  ::umask(old);
  EXPECT_EQ(ModeOf(file), 0600u);
  EXPECT_EQ(ModeOf(dir / "kavro"), 0700u);
  EXPECT_EQ(ModeOf(dir / "kavro" / "deep"), 0700u);
  EXPECT_EQ(ModeOf(dir), 0755u);
  fs::permissions(file, fs::perms(0640));
  s.setString(BrowserSettings::kDisableScriptDebugger, "yes");
  EXPECT_EQ(ModeOf(file), 0640u);
  EXPECT_TRUE(BrowserSettings(file.string()).scriptDebuggerDisabled());
  fs::remove_all(dir);
}

TEST(BrowserSettings, OddFileContentIsIgnoredNotTrusted) {
  const fs::path dir = TempFolder("odd");
  fs::create_directories(dir);
  const fs::path file = dir / "browser-settings.ini";
  std::ofstream(file) << "[browser]\r\n  SyncMode5 = 99999999999 \r\nno equals sign\n=novalue\n"
                         "DisableScriptDebuggerIE=no\n";
  BrowserSettings s(file.string());
  EXPECT_FALSE(s.dwordValue(BrowserSettings::kSyncMode5));  // out of the 32-bit range
  EXPECT_FALSE(s.scriptDebuggerDisabled());
  EXPECT_FALSE(s.stringValue(""));
  fs::remove_all(dir);
}

}  // namespace
