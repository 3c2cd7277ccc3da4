#pragma once
// A script line the driver cannot carry out: unknown command, unknown control, bad quoting,
// a number out of range. The driver stops there and reports `error LINE: WHAT`.

#include <cstddef>
#include <string>
#include <string_view>

namespace dorvan::script {

struct ScriptError {
  int line;
  std::string what;
};

// A message as it is reported: a bad line's words are repeated in it, so a huge line would be
// repeated whole; past `most` bytes its middle is left out and the number of bytes said instead.
std::string shortened(std::string_view message, std::size_t most = 300);

}  // namespace dorvan::script
