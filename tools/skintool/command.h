// The sub-command table of skintool. Each command lives in a file of its own
// and registers itself with a static SkintoolCommand object.
#pragma once

#include <string>
#include <vector>

struct SkintoolCommand {
  using Run = int (*)(const std::vector<std::string>& args);
  SkintoolCommand(const char* name, const char* summary, const char* usage, Run run);

  const char* name;
  const char* summary;
  const char* usage;  // full --help text of the command
  Run run;
};

const std::vector<const SkintoolCommand*>& SkintoolCommands();
