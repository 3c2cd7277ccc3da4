#pragma once
// Texts in scripts and transcripts: double quotes, with \" \\ \t \n as the only escapes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvan::script {

std::string quote(std::string_view text);

// One word or quoted text of a script line.
struct Token {
  std::string text;
  bool quoted = false;
};

// Splits a script line into tokens; nullopt when a quote is left open or an escape is unknown.
std::optional<std::vector<Token>> tokenize(std::string_view line);

}  // namespace dorvan::script
