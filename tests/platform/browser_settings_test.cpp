// The store of the two browser settings.
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
