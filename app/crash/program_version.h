// The program's version, from the project's version in the build.
#pragma once

namespace app {

// "major.minor" as the build set it, e.g. "0.1".
const char* ProgramVersion();

}  // namespace app
