#pragma once
// Where a script comes from, and its lines read with a bound on their length.

#include <cstddef>
#include <fstream>
#include <istream>
#include <string>

namespace dorvan::script {

struct ScriptFile {
  std::ifstream file;
  std::istream* stream = nullptr;  // the script's text, or null when it cannot be read
  std::string problem;             // why it cannot be read
};

// Opens the script at `path`; "-" is standard input. A script is a regular file or a pipe: a
// folder would read as an empty script that ran, and a device may never end.
ScriptFile openScript(const std::string& path);

enum class LineRead { Line, TooLong, End };

// Reads one line, without its line break, into `line`. A line longer than `most` bytes is read
// no further (TooLong), so a huge line costs no more memory than `most`.
LineRead readLine(std::istream& in, std::string& line, std::size_t most);

}  // namespace dorvan::script
