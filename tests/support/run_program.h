// Runs a program of the build as a test would from a shell: its standard
// output and error together, and its exit code.
#pragma once

#include <string>

namespace testsupport {

struct ProgramRun {
  int exitCode = -1;  // -1 when it could not be started or did not exit
  std::string out;    // standard output and standard error together
};

// Runs "<program> <args> 2>&1" through the shell.
ProgramRun RunProgram(const std::string& program, const std::string& args);

}  // namespace testsupport
