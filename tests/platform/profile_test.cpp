// The profile calls over a plain INI file: reading files written elsewhere,
// the read buffer, writes that keep the rest of the file, and write errors.
#include "platform/profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

namespace platform {
namespace {

namespace fs = std::filesystem;

class ProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (fs::temp_directory_path() / "kavro-profile-XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
    path_ = dir_ + "/kavro.ini";
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir_, ec);
  }
  void put(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }
  std::string contents() const {
    std::ifstream in(path_, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  std::string get(const std::string& key, const std::string& def = "?") const {
    return GetPrivateProfileString("teacher", key, def, path_);
  }

  std::string dir_;
  std::string path_;
};

TEST_F(ProfileTest, ReadsAFileWrittenByTheWindowsClient) {
  put("[other]\r\nserver=wrong\r\n\r\n[Teacher]\r\nSERVER =  10.0.0.5  \r\n"
      "; comment=ignored\r\nport=8080\r\nquoted=\" a b \"\r\nempty=\r\n[after]\r\nclassroom=9\r\n"
      "[teacher]\r\nclassroom=second section ignored");
  EXPECT_EQ(get("server"), "10.0.0.5");
  EXPECT_EQ(get("Port"), "8080");
  EXPECT_EQ(get("quoted"), " a b ");
  EXPECT_EQ(get("empty"), "");
  EXPECT_EQ(get("; comment"), "?");
  EXPECT_EQ(get("classroom", "  7  "), "7");  // defaults are stripped too
  EXPECT_EQ(GetPrivateProfileString("after", "classroom", "", path_), "9");
}

TEST_F(ProfileTest, MissingFileSectionOrKeyGivesTheDefault) {
  EXPECT_EQ(get("server", " "), "");
  EXPECT_EQ(get("port", "80"), "80");
  put("[teacher]\nserver=a");  // no final newline
  EXPECT_EQ(get("server"), "a");
  EXPECT_EQ(GetPrivateProfileString("student", "server", "d", path_), "d");
  EXPECT_EQ(GetPrivateProfileString("teacher", "server", "d", dir_ + "/missing/kavro.ini"), "d");
}

TEST_F(ProfileTest, ValuesAreCutToTheReadBuffer) {
  const std::string value(3000, 'x');
  ASSERT_TRUE(WritePrivateProfileString("teacher", "server", value, path_).ok);
  EXPECT_NE(contents().find(value), std::string::npos);  // stored whole
  EXPECT_EQ(get("server"), std::string(kProfileBufferSize - 1, 'x'));
  // A cut never splits a UTF-8 character: 2046 bytes, then a three-byte character.
  ASSERT_TRUE(
      WritePrivateProfileString("teacher", "classroom", std::string(2046, 'a') + "教室", path_).ok);
  EXPECT_EQ(get("classroom"), std::string(2046, 'a'));
}

TEST_F(ProfileTest, SurvivesGarbageAndVeryLongLines) {
  std::string garbage;
  for (int i = 0; i < 5000; ++i) garbage += static_cast<char>((i * 7919) % 256);
  put(garbage + "\n[teacher]\nport=81\n" + std::string(200000, '=') + "\n" +
      std::string(100000, '[') + "\n");
  EXPECT_EQ(get("port"), "81");
  put(std::string(1 << 20, '\0'));
  EXPECT_EQ(get("port", "80"), "80");
  EXPECT_TRUE(WritePrivateProfileString("teacher", "port", "82", path_).ok);
  EXPECT_EQ(get("port"), "82");
}

TEST_F(ProfileTest, WritesKeepEveryOtherLine) {
  const std::string before =
      "; settings\r\n[other]\r\nkey=1\r\n\r\n[TEACHER]\r\nServer=old\r\n"
      "port=80\r\n\r\n[last]\r\nx=y";
  put(before);
  ASSERT_TRUE(WritePrivateProfileString("teacher", "server", "  new host ", path_).ok);
  ASSERT_TRUE(WritePrivateProfileString("teacher", "classroom", "7", path_).ok);
  ASSERT_TRUE(WritePrivateProfileString("fresh", "a", "b", path_).ok);
  EXPECT_EQ(contents(),
            "; settings\r\n[other]\r\nkey=1\r\n\r\n[TEACHER]\r\nServer=  new host \r\n"
            "port=80\r\nclassroom=7\r\n\r\n[last]\r\nx=y\r\n[fresh]\r\na=b\r\n");
  EXPECT_EQ(get("server"), "new host");
  EXPECT_EQ(GetPrivateProfileString("last", "x", "", path_), "y");
}

TEST_F(ProfileTest, NewFileAndLineBreaksInValues) {
  ASSERT_TRUE(WritePrivateProfileString("teacher", "server", "a\r\n[evil]\nport=1", path_).ok);
  EXPECT_EQ(contents(), "[teacher]\nserver=a  [evil] port=1\n");
  EXPECT_EQ(GetPrivateProfileString("evil", "port", "none", path_), "none");
}

// Runs `body` in a child process without root's right to write anywhere.
int runUnprivileged(const std::function<int()>& body) {
  pid_t pid = ::fork();
  if (pid == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(99);
    ::_exit(body());
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(ProfileTest, WriteErrorsAreReported) {
  put("[teacher]\nport=80\n");
  ASSERT_EQ(::chmod(path_.c_str(), 0444), 0);
  ProfileWriteResult r = WritePrivateProfileString("teacher", "port", "81", path_);
  EXPECT_FALSE(r.ok);
  EXPECT_FALSE(r.reason.empty());
  EXPECT_EQ(get("port"), "80");

  EXPECT_FALSE(WritePrivateProfileString("teacher", "port", "1", dir_ + "/missing/kavro.ini").ok);
  EXPECT_FALSE(WritePrivateProfileString("teacher", "port", "1", dir_).ok);  // a folder

  // A folder the user may not write to, with a file the user may not write
  // either: neither a file beside it nor the file itself can take the value.
  ASSERT_EQ(::chmod(path_.c_str(), 0644), 0);
  ASSERT_EQ(::chmod(dir_.c_str(), 0555), 0);
  int code = runUnprivileged(
      [&] { return WritePrivateProfileString("teacher", "port", "81", path_).ok ? 1 : 0; });
  EXPECT_EQ(code, 0);
  ASSERT_EQ(::chmod(dir_.c_str(), 0755), 0);
  EXPECT_EQ(get("port"), "80");
  // Nothing is left behind beside the file.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

mode_t modeOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

// A writable file in a folder that allows no new file is written in place:
// for a user the folder refuses (run as "nobody", since root may write
// anywhere), and for a name too long to take the temporary file's suffix,
// which the kernel refuses root as well.
TEST_F(ProfileTest, AWritableFileInAFolderThatRefusesNewFilesIsWrittenInPlace) {
  const std::string before = "; kept\n[teacher]\nport=80\nserver=a much longer old value\n";
  const std::string after = "; kept\n[teacher]\nport=81\nserver=a much longer old value\n";
  put(before);
  ASSERT_EQ(::chmod(path_.c_str(), 0666), 0);
  ASSERT_EQ(::chmod(dir_.c_str(), 0555), 0);
  int code = runUnprivileged([&] {
    ProfileWriteResult r = WritePrivateProfileString("teacher", "port", "81", path_);
    return r.ok ? 0 : 1;
  });
  ASSERT_EQ(::chmod(dir_.c_str(), 0755), 0);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(contents(), after);
  EXPECT_EQ(modeOf(path_), 0666u);  // the file's own mode stays
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);

  // A shorter content leaves no tail of the old one.
  const std::string longName = dir_ + "/" + std::string(250, 'k') + ".ini";
  std::ofstream(longName, std::ios::binary) << before;
  ASSERT_EQ(::chmod(longName.c_str(), 0640), 0);
  ASSERT_TRUE(WritePrivateProfileString("teacher", "server", "b", longName).ok);
  std::ifstream in(longName, std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()),
            "; kept\n[teacher]\nport=80\nserver=b\n");
  EXPECT_EQ(modeOf(longName), 0640u);
  // Not there yet and no room for a file beside it: the name cannot be made.
  ProfileWriteResult r =
      WritePrivateProfileString("teacher", "a", "1", dir_ + "/" + std::string(256, 'n'));
  EXPECT_FALSE(r.ok);
}

// It may hold a proxy password: a new settings file is the owner's alone,
// whatever the umask; an existing file keeps the mode it has.
TEST_F(ProfileTest, ANewFileIsForItsOwnerOnlyAndAnOldOneKeepsItsMode) {
  const mode_t old = ::umask(0);
  ProfileWriteResult r = WritePrivateProfileString("teacher", "proxypass", "secret", path_);
  ::umask(old);
  ASSERT_TRUE(r.ok) << r.reason;
  EXPECT_EQ(modeOf(path_), 0600u);
  ASSERT_EQ(::chmod(path_.c_str(), 0644), 0);
  ASSERT_TRUE(WritePrivateProfileString("teacher", "proxypass", "other", path_).ok);
  EXPECT_EQ(modeOf(path_), 0644u);
}

}  // namespace
}  // namespace platform
