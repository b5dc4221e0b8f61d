// The version string the build passes in.
#include "app/crash/program_version.h"

#ifndef KAVRO_VERSION
#error "KAVRO_VERSION must be defined by the build"
#endif

namespace app {

const char* ProgramVersion() { return KAVRO_VERSION; }

}  // namespace app
