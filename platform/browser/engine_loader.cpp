// The browser engine module is looked up relative to the running program,
// so the build tree and an installed tree (wherever its prefix) work alike.
#include "platform/browser/engine_loader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <QCoreApplication>
#include <QOpenGLContext>

#include "platform/browser/browser_engine.h"

// Qt Gui's setter of the context every shared OpenGL context shares with
// (the getter is QOpenGLContext::globalShareContext()).
void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace platform::engine {

namespace {

constexpr char kModuleFile[] = KAVRO_BROWSER_ENGINE_FILE;
constexpr char kModuleFolder[] = "kavro-teacher";

std::string ProgramPath() {
  std::error_code ec;
  const std::filesystem::path p = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : p.string();
}

std::string FindModule(std::string* error) {
  const std::vector<std::string> candidates =
      ModuleCandidates(ProgramPath(), KAVRO_INSTALL_LIBDIR, std::getenv("KAVRO_BROWSER_ENGINE"));
  for (const std::string& c : candidates) {
    if (::access(c.c_str(), F_OK) == 0) return c;
  }
  std::string where;
  for (const std::string& c : candidates) where += (where.empty() ? "" : ", ") + c;
  *error = std::string(kModuleFile) + " is missing (looked for " + where + ")";
  return {};
}

// The engine draws its pages with OpenGL contexts shared with the
// application's, and needs the shared context to exist before it starts
// (it fails without one on X11). The application would make it at its
// start; made here instead, at the first use of a browser, a window that
// shows no page does not map the system's OpenGL drivers. Where no OpenGL
// context can be made (the offscreen platform) the engine draws without.
void ShareOpenGLContexts() {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  if (QOpenGLContext::globalShareContext() != nullptr) return;
  auto* context = new QOpenGLContext(QCoreApplication::instance());
  if (!context->create()) {
    delete context;
    return;
  }
  qt_gl_set_global_share_context(context);
}

}  // namespace

std::vector<std::string> ModuleCandidates(const std::string& programPath, const std::string& libdir,
                                          const char* overridePath) {
  if (overridePath != nullptr && *overridePath != '\0') return {overridePath};
  const std::filesystem::path dir = std::filesystem::path(programPath).parent_path();
  auto at = [](const std::filesystem::path& lib) {
    return (lib / kModuleFolder / kModuleFile).lexically_normal().string();
  };
  std::vector<std::string> found{at(dir / ".." / "lib")};
  const std::filesystem::path installed = std::filesystem::path(libdir).is_absolute()
                                              ? std::filesystem::path(libdir)
                                              : dir / ".." / libdir;
  if (at(installed) != found.front()) found.push_back(at(installed));
  return found;
}

Engine* LoadModule(const std::string& path, Host* host, std::string* error) {
  // Never closed: the engine's threads and Qt's type registries refer to
  // the module's code until the process ends.
  void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* why = ::dlerror();
    *error = why != nullptr ? why : path + ": cannot be loaded";
    return nullptr;
  }
  void* symbol = ::dlsym(handle, kEntryPointName);
  if (symbol == nullptr) {
    *error = path + ": not a browser engine (it has no " + kEntryPointName + ")";
    return nullptr;
  }
  const auto entry = reinterpret_cast<EntryPoint>(symbol);
  Engine* engine = entry(kInterfaceVersion, host);
  if (engine == nullptr) *error = path + ": a browser engine of another build of the program";
  return engine;
}

Engine* BrowserEngine(std::string* error) {
  static bool tried = false;
  static Engine* engine = nullptr;
  static std::string failure;
  if (!tried) {
    tried = true;
    const std::string path = FindModule(&failure);
    if (!path.empty()) {
      ShareOpenGLContexts();
      engine = LoadModule(path, &ProfileHost(), &failure);
    }
    if (engine == nullptr) {
      std::fprintf(stderr, "browser engine: %s; no page can be shown\n", failure.c_str());
      std::fflush(stderr);
    }
  }
  if (error != nullptr) *error = failure;
  return engine;
}

}  // namespace platform::engine
