#include "script/script_error.h"

namespace dorvan::script {

namespace {

// Moves a cut back to the start of a UTF-8 character, so no character is reported in halves.
std::size_t characterStart(std::string_view text, std::size_t at) {
  while (at > 0 && at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) --at;
  return at;
}

}  // namespace

std::string shortened(std::string_view message, std::size_t most) {
  if (message.size() <= most) return std::string(message);
  // The start says what went wrong, the end often names the window: both are kept.
  std::size_t head = characterStart(message, most * 2 / 3);
  std::size_t tail = characterStart(message, message.size() - most / 4);
  return std::string(message.substr(0, head)) + " [... " + std::to_string(tail - head) +
         " bytes left out ...] " + std::string(message.substr(tail));
}

}  // namespace dorvan::script
