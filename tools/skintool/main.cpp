// skintool: the command-line tool of skin authors. Dispatches to the
// registered sub-commands; every command has its own --help.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "command.h"

namespace {
std::vector<const SkintoolCommand*>& table() {
  static std::vector<const SkintoolCommand*> commands;
  return commands;
}

void printUsage(std::FILE* out) {
  std::fprintf(out, "usage: skintool <command> [arguments]\n\ncommands:\n");
  for (const SkintoolCommand* c : table()) std::fprintf(out, "  %-10s %s\n", c->name, c->summary);
  std::fprintf(out, "\n'skintool <command> --help' describes a command.\n");
}
}  // namespace

SkintoolCommand::SkintoolCommand(const char* n, const char* s, const char* u, Run r)
    : name(n), summary(s), usage(u), run(r) {
  table().push_back(this);
}

const std::vector<const SkintoolCommand*>& SkintoolCommands() { return table(); }

int main(int argc, char** argv) {
  if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
    printUsage(argc < 2 ? stderr : stdout);
    return argc < 2 ? 2 : 0;
  }
  const std::string name = argv[1];
  std::vector<std::string> args(argv + 2, argv + argc);
  for (const SkintoolCommand* c : table()) {
    if (name != c->name) continue;
    for (const std::string& a : args) {
      if (a == "--help" || a == "-h") {
        std::fputs(c->usage, stdout);
        return 0;
      }
    }
    try {
      return c->run(args);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "skintool %s: %s\n", c->name, e.what());
      return 1;
    }
  }
  std::fprintf(stderr, "skintool: unknown command '%s'\n", name.c_str());
  printUsage(stderr);
  return 2;
}
