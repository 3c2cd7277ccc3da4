#include "helpviewer/help_file.h"

#include <algorithm>
#include <system_error>

namespace dorvan::helpviewer {

namespace fs = std::filesystem;

namespace {

bool isFile(const fs::path& p) {
  std::error_code ec;
  return fs::is_regular_file(p, ec);
}

}  // namespace

HelpLookup findHelpFile(std::string_view name, const fs::path& currentFolder,
                        const std::vector<fs::path>& dataFolders) {
  std::string relative(name);
  std::replace(relative.begin(), relative.end(), '\\', '/');
  std::vector<fs::path> candidates;
  if (!name.empty() && name.front() == '\\') {
    relative.erase(0, 1);
    candidates.push_back(currentFolder / relative);
    for (const fs::path& folder : dataFolders) candidates.push_back(folder / relative);
  } else {
    fs::path given(relative);
    candidates.push_back(given.is_absolute() ? given : currentFolder / given);
  }

  HelpLookup lookup;
  for (const fs::path& candidate : candidates) {
    fs::path clean = candidate.lexically_normal();
    if (std::find(lookup.tried.begin(), lookup.tried.end(), clean) != lookup.tried.end()) continue;
    lookup.tried.push_back(clean);
    if (isFile(clean)) {
      lookup.found = clean;
      break;
    }
  }
  return lookup;
}

std::vector<fs::path> dataFoldersFor(const fs::path& programFolder, const fs::path& installedData) {
  std::vector<fs::path> folders{programFolder.lexically_normal()};
  if (!installedData.empty()) {
    fs::path installed = (programFolder / installedData).lexically_normal();
    if (installed != folders.front()) folders.push_back(installed);
  }
  return folders;
}

}  // namespace dorvan::helpviewer
