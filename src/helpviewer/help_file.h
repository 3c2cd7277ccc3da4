#pragma once
// Finding the help file that the game names on the viewer's command line, and reading it and
// what it refers to within fixed bounds. No Qt here.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvan::helpviewer {

// The name the game passes when no help folder is set.
inline constexpr std::string_view kDefaultHelpName = "\\dorvan4.hlp";

// What the viewer shows at most. The game's own help is some 16 KB, about five elements deep
// with one level of tables; the rich-text layout takes twice as long for each table nested
// inside another, and an image of the largest size takes 16 MB once drawn.
inline constexpr std::size_t kMaxHelpBytes = 128 * 1024;
inline constexpr int kMaxNestedElements = 32;
inline constexpr int kMaxNestedTables = 4;
inline constexpr std::size_t kMaxImageBytes = 4 * 1024 * 1024;
inline constexpr int kMaxImageSide = 2048;
inline constexpr std::size_t kMaxImagePixelsPerPage = 4 * 2048 * 2048;
// The largest letters a page may ask for; the help's headings are some 20 points.
inline constexpr double kMaxFontPoints = 144;
inline constexpr int kMaxFontPixels = 192;

struct HelpLookup {
  std::optional<std::filesystem::path> found;
  std::vector<std::filesystem::path> tried;  // every place looked at, in order
};

// A name with a leading backslash ("\dorvan4.hlp") is the game's help: looked for in each data
// folder in turn, where the game installed it, and only then in the current folder. Any other
// name is a path of its own, taken from the current folder when it is relative. Backslashes
// separate folders, as slashes do. A place holds the file when anything of that name is there,
// so that a file which cannot be shown is reported, not passed over.
HelpLookup findHelpFile(std::string_view name, const std::filesystem::path& currentFolder,
                        const std::vector<std::filesystem::path>& dataFolders);

// The data folders of a viewer whose executable lies in `programFolder`: that folder itself
// (the build puts the help file beside the programs), then `programFolder / installedData`, the
// game's data folder in an installation (the viewer in libexec/dorvan, its data in
// share/dorvan). Both are found from where the viewer runs, so an installation works under any
// prefix and after it is moved. Duplicates dropped.
std::vector<std::filesystem::path> dataFoldersFor(const std::filesystem::path& programFolder,
                                                  const std::filesystem::path& installedData);

// The bytes of a file, or why they cannot be had: `problem` completes "The file ...", as in
// "is a folder, not a file". Only a regular file is read, and it is opened without waiting, so
// a FIFO or a device named by a hostile page can neither block the viewer nor feed it forever.
struct FileBytes {
  std::string bytes;
  std::string problem;  // empty when the bytes were read
};
FileBytes readRegularFile(const std::filesystem::path& file, std::size_t maxBytes);

// The help file's text, checked against the bounds above; `problem` as for readRegularFile.
FileBytes readHelpFile(const std::filesystem::path& file);

// The file that `name` (a page's reference: relative to `base`, or absolute) refers to, when it
// lies inside `folder` once links are followed; nothing when it lies elsewhere or is missing.
std::optional<std::filesystem::path> fileInside(const std::filesystem::path& folder,
                                                const std::filesystem::path& base,
                                                std::string_view name);

}  // namespace dorvan::helpviewer
