// The demo's measurements: resident memory of this process and all its
// descendants (the browser engine's helper processes), and a run of three
// browser controls showing pages of one local server.
#pragma once

#include <sys/types.h>

namespace demo {

// Sum of VmRSS of pid and every process below it, in KiB.
long TreeRssKib(pid_t pid);

// Shows three browsers on pages of a server started here on 127.0.0.1,
// prints the time of the first Navigate to its DocumentComplete and the
// memory of the process tree, and returns the exit code.
int RunBrowserMeasurement();

}  // namespace demo
