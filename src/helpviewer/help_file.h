#pragma once
// Finding the help file that the game names on the viewer's command line. No Qt here.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvan::helpviewer {

// The name the game passes when no help folder is set.
inline constexpr std::string_view kDefaultHelpName = "\\dorvan4.hlp";

struct HelpLookup {
  std::optional<std::filesystem::path> found;
  std::vector<std::filesystem::path> tried;  // every place looked at, in order
};

// A name with a leading backslash ("\dorvan4.hlp") is looked for in the current folder first,
// then in each data folder in turn. Any other name is a path of its own, taken from the
// current folder when it is relative. Backslashes separate folders, as slashes do.
HelpLookup findHelpFile(std::string_view name, const std::filesystem::path& currentFolder,
                        const std::vector<std::filesystem::path>& dataFolders);

// The data folders of a viewer whose executable lies in `programFolder`: that folder itself
// (the build puts the help file beside the programs), then `programFolder / installedData`, the
// game's data folder in an installation (the viewer in libexec/dorvan, its data in
// share/dorvan). Both are found from where the viewer runs, so an installation works under any
// prefix and after it is moved. Duplicates dropped.
std::vector<std::filesystem::path> dataFoldersFor(const std::filesystem::path& programFolder,
                                                  const std::filesystem::path& installedData);

}  // namespace dorvan::helpviewer
