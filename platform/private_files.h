// Folders of the program's per-user files (settings, the browser's stored
// pages and cookies): made readable and writable by their owner only.
#pragma once

#include <string>

namespace platform {

// Creates every missing folder of `path` with mode 0700, whatever the
// umask; folders that exist keep their mode. Returns false, with `reason`
// filled, when a folder cannot be made or a part of the path is no folder.
bool MakePrivateFolders(const std::string& path, std::string* reason = nullptr);

}  // namespace platform
