#include "script/script_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

namespace dorvan::script {

namespace {

std::string typeProblem(const struct stat& info) {
  if (S_ISDIR(info.st_mode)) return "it is a folder, not a script";
  if (!S_ISREG(info.st_mode) && !S_ISFIFO(info.st_mode)) return "it is not a file or a pipe";
  return {};
}

}  // namespace

ScriptFile openScript(const std::string& path) {
  ScriptFile script;
  struct stat info {};
  if (path == "-") {
    // Standard input is what the caller chose; only a folder, which reads as nothing, is refused.
    if (::fstat(STDIN_FILENO, &info) == 0 && S_ISDIR(info.st_mode))
      script.problem = typeProblem(info);
    else
      script.stream = &std::cin;
    return script;
  }
  if (::stat(path.c_str(), &info) != 0) {
    script.problem = std::strerror(errno);
    return script;
  }
  script.problem = typeProblem(info);
  if (!script.problem.empty()) return script;
  script.file.open(path, std::ios::binary);
  if (!script.file) {
    script.problem = std::strerror(errno);
    return script;
  }
  script.stream = &script.file;
  return script;
}

LineRead readLine(std::istream& in, std::string& line, std::size_t most) {
  line.clear();
  std::streambuf* text = in.rdbuf();
  for (;;) {
    int c = text->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      in.setstate(std::ios::eofbit);
      return line.empty() ? LineRead::End : LineRead::Line;
    }
    if (c == '\n') return LineRead::Line;
    if (line.size() == most) return LineRead::TooLong;
    line.push_back(static_cast<char>(c));
  }
}

}  // namespace dorvan::script
