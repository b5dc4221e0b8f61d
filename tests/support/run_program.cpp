#include "support/run_program.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>

namespace testsupport {

ProgramRun RunProgram(const std::string& program, const std::string& args) {
  ProgramRun r;
  const std::string cmd = program + " " + args + " 2>&1";
  FILE* p = popen(cmd.c_str(), "r");
  if (p == nullptr) return r;
  std::array<char, 4096> buf;
  for (std::size_t n; (n = std::fread(buf.data(), 1, buf.size(), p)) > 0;) r.out.append(buf.data(), n);
  const int status = pclose(p);
  r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

}  // namespace testsupport
