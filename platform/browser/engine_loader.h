// Finding and loading the browser engine module, once per process.
#pragma once

#include <string>
#include <vector>

namespace platform::engine {

class Engine;
class Host;

// The files the module is looked for at, in order. overridePath (the
// KAVRO_BROWSER_ENGINE variable), when set, is the only one; otherwise the
// module lies beside the program as the build tree lays it out
// (<program dir>/../lib/kavro-teacher/) and as it is installed
// (<program dir>/../<libdir>/kavro-teacher/, or <libdir>/kavro-teacher/ for
// an absolute libdir).
std::vector<std::string> ModuleCandidates(const std::string& programPath, const std::string& libdir,
                                          const char* overridePath);

// Loads the module at path and returns its engine, or nullptr with the
// reason in error. A loaded module stays loaded for the life of the process.
Engine* LoadModule(const std::string& path, Host* host, std::string* error);

// The engine of this process, loaded at the first call; nullptr when it
// could not be loaded, with the reason in error on every call. The failure
// is written to the standard error once.
Engine* BrowserEngine(std::string* error = nullptr);

// The program's side of the engine: where downloads go and who hears of
// them (kept with the profile's settings).
Host& ProfileHost();

}  // namespace platform::engine
