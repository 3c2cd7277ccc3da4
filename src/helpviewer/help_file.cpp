#include "helpviewer/help_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "helpviewer/html_nesting.h"

namespace dorvan::helpviewer {

namespace fs = std::filesystem;

namespace {

bool isThere(const fs::path& p) {
  std::error_code ec;
  return fs::symlink_status(p, ec).type() != fs::file_type::not_found && !ec;
}

std::string typeProblem(mode_t mode) {
  if (S_ISDIR(mode)) return "is a folder, not a file";
  return "is not a regular file";
}

std::string unreadable(int error) {
  return std::string("cannot be read (") + std::strerror(error) + ")";
}

std::string sizeText(std::size_t bytes) {
  return bytes % (1024 * 1024) == 0 ? std::to_string(bytes / (1024 * 1024)) + " MB"
                                    : std::to_string(bytes / 1024) + " KB";
}

// Closes the descriptor however reading ends.
struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

HelpLookup findHelpFile(std::string_view name, const fs::path& currentFolder,
                        const std::vector<fs::path>& dataFolders) {
  std::string relative(name);
  std::replace(relative.begin(), relative.end(), '\\', '/');
  std::vector<fs::path> candidates;
  if (!name.empty() && name.front() == '\\') {
    relative.erase(0, 1);
    for (const fs::path& folder : dataFolders) candidates.push_back(folder / relative);
    candidates.push_back(currentFolder / relative);
  } else {
    fs::path given(relative);
    candidates.push_back(given.is_absolute() ? given : currentFolder / given);
  }

  HelpLookup lookup;
  for (const fs::path& candidate : candidates) {
    fs::path clean = candidate.lexically_normal();
    if (std::find(lookup.tried.begin(), lookup.tried.end(), clean) != lookup.tried.end()) continue;
    lookup.tried.push_back(clean);
    if (isThere(clean)) {
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

FileBytes readRegularFile(const fs::path& file, std::size_t maxBytes) {
  FileBytes result;
  // Looked at before it is opened: opening some devices already does something.
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0) {
    result.problem = unreadable(errno);
    return result;
  }
  if (!S_ISREG(info.st_mode)) {
    result.problem = typeProblem(info.st_mode);
    return result;
  }
  Descriptor in{::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
  if (in.fd < 0) {
    result.problem = unreadable(errno);
    return result;
  }
  // The name may have been given to something else in between.
  if (::fstat(in.fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    result.problem = typeProblem(info.st_mode);
    return result;
  }
  std::string tooLarge = "is larger than " + sizeText(maxBytes);
  if (static_cast<std::size_t>(info.st_size) > maxBytes) {
    result.problem = tooLarge;
    return result;
  }
  // Read to one byte past the bound: the file may have grown since it was looked at.
  result.bytes.resize(maxBytes + 1);
  std::size_t got = 0;
  while (got < result.bytes.size()) {
    ssize_t n = ::read(in.fd, result.bytes.data() + got, result.bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      result.problem = unreadable(errno);
      result.bytes.clear();
      return result;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  if (got > maxBytes) {
    result.problem = tooLarge;
    result.bytes.clear();
    return result;
  }
  result.bytes.resize(got);
  return result;
}

FileBytes readHelpFile(const fs::path& file) {
  FileBytes help = readRegularFile(file, kMaxHelpBytes);
  if (!help.problem.empty()) return help;
  auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
  if (std::all_of(help.bytes.begin(), help.bytes.end(), blank)) {
    help.problem = "is empty";
  } else {
    Nesting nesting = deepestNesting(help.bytes);
    if (nesting.tables > kMaxNestedTables)
      help.problem = "nests tables more than " + std::to_string(kMaxNestedTables) + " deep";
    else if (nesting.elements > kMaxNestedElements)
      help.problem = "nests its elements more than " + std::to_string(kMaxNestedElements) + " deep";
  }
  if (!help.problem.empty()) help.bytes.clear();
  return help;
}

std::optional<fs::path> fileInside(const fs::path& folder, const fs::path& base,
                                   std::string_view name) {
  if (name.empty()) return std::nullopt;
  fs::path given(name);
  std::error_code ec;
  fs::path real = fs::canonical(given.is_absolute() ? given : base / given, ec);
  if (ec) return std::nullopt;
  fs::path realFolder = fs::canonical(folder, ec);
  if (ec) return std::nullopt;
  auto [folderEnd, fileAt] =
      std::mismatch(realFolder.begin(), realFolder.end(), real.begin(), real.end());
  if (folderEnd != realFolder.end() || fileAt == real.end()) return std::nullopt;
  return real;
}

}  // namespace dorvan::helpviewer
