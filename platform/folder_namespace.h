// The folder namespace the folder dialog shows: the desktop at the top; under
// it the virtual computer folder (the root folder and the mounted volumes a
// user would recognise), the home folder and the desktop's own sub-folders;
// under every folder its sub-folders, hidden ones left out, sorted as a file
// manager sorts them. Also the folder operations the dialog offers: rename,
// move to the trash, new folder.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform {

enum class FolderKind { Desktop, Computer, Home, Volume, Directory };

struct FolderItem {
  FolderKind kind = FolderKind::Directory;
  // The name shown in the tree (valid UTF-8 even for file names that are not).
  std::string displayName;
  // The file-system path for real folders (its bytes as the file system has
  // them); for the computer folder a virtual name beginning "::{".
  std::string parsingName;
  // A theme icon name: folder, computer, user-home, user-desktop, drive-harddisk.
  std::string iconName;
  // Whether the folder may hold sub-folders (an expand button is shown).
  // Cheap to answer, so it may be true for a folder whose sub-folders turn
  // out to be all hidden; reading its children tells.
  bool mayHaveChildren = false;
  // A link to a folder that holds the link itself: listed, never entered.
  bool linkLoop = false;

  bool operator==(const FolderItem& o) const {
    return kind == o.kind && parsingName == o.parsingName;
  }
};

// The virtual name of the computer folder and its number among the special
// folders of the namespace.
inline constexpr const char* kComputerParsingName = "::{6B0F3C1E-9A2D-4E57-8C41-3A7E2D900017}";
inline constexpr int kComputerFolderNumber = 17;
inline constexpr const char* kComputerDisplayName = "计算机";

class FolderNamespace {
 public:
  // The desktop folder, the home folder and the mounted volumes; tests give
  // their own.
  struct Places {
    std::string desktopPath;
    std::string desktopName;
    std::string homePath;
    std::string homeName;
    // Mount points with their names, the root folder first.
    std::vector<std::pair<std::string, std::string>> volumes;
  };
  FolderNamespace();  // the user's own places
  explicit FolderNamespace(Places places);

  const Places& places() const { return places_; }
  FolderItem desktop() const;
  FolderItem computer() const;

  // The sub-folders of item, sorted; nullopt when the folder cannot be read.
  std::optional<std::vector<FolderItem>> children(const FolderItem& item) const;

  // The chain of items from the desktop down to the folder at path (the
  // desktop itself first, the folder last); nullopt when path is not an
  // existing folder.
  std::optional<std::vector<FolderItem>> chainTo(const std::string& path) const;
  std::vector<FolderItem> chainToComputer() const { return {desktop(), computer()}; }

  // The item for an existing folder path (nullopt when it is none).
  std::optional<FolderItem> itemFor(const std::string& path) const;

  // Renames a real folder inside its parent; false with a reason for a name
  // that is empty, ".", "..", holds "/" or is taken, or when the file system
  // refuses. The new item on success.
  std::optional<FolderItem> rename(const FolderItem& item, const std::string& newName,
                                   std::string* reason) const;
  // Moves a real folder to the desktop's trash; false when it could not be.
  bool moveToTrash(const FolderItem& item, std::string* reason) const;
  // Makes a new folder "<name>" in parent, or "<name> (2)", "(3)", ... when
  // the name is taken; the new folder's path, or nullopt with a reason.
  std::optional<std::string> createFolder(const FolderItem& parent, const std::string& name,
                                          std::string* reason) const;

  // Whether the folder is an archive the dialog opens instead of entering.
  static bool isZipFolder(const std::string& path);
  // Whether the text names an existing folder.
  static bool directoryExists(const std::string& path);

 private:
  FolderItem directoryItem(const std::string& path, const std::string& name) const;
  // The item of a folder known to be a directory and no link, but for
  // whether it may have sub-folders.
  static FolderItem plainDirectoryItem(const std::string& path, const std::string& name);

  Places places_;
};

// Compares two names as a file manager does: without regard to letter case,
// runs of digits by their numbers ("文件2" before "文件10").
bool FolderNameLess(const std::string& a, const std::string& b);

// The mounted volumes a user would recognise: the root folder first, then
// the others by mount point, leaving out pseudo and system file systems.
std::vector<std::pair<std::string, std::string>> RecognisedVolumes();
// Whether a mount of this file-system type at this place is one a user
// would recognise as a volume.
bool IsRecognisedVolume(const std::string& fileSystemType, const std::string& mountPoint);

}  // namespace platform
