#include "forms/control.h"

#include <cctype>

namespace dorvan::forms {

std::string foldName(std::string_view name) {
  std::string folded(name);
  for (char& ch : folded) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return folded;
}

}  // namespace dorvan::forms
