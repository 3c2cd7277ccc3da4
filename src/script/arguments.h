#pragma once
// The words and texts of one script line, with the checks that commands make of them. A check
// that fails throws ScriptError at the line.

#include <cstddef>
#include <string>
#include <vector>

#include "script/quoting.h"
#include "script/script_error.h"

namespace dorvan::script {

// A control as a line names it: NAME [INDEX].
struct ControlName {
  std::string name;
  int index;
};

class Arguments {
 public:
  // `tokens` starts with the command's name.
  Arguments(std::vector<Token> tokens, int line);

  const std::string& command() const { return tokens_[0].text; }
  int line() const { return line_; }
  // Tokens of the line, the command's name included.
  std::size_t size() const { return tokens_.size(); }
  const Token& operator[](std::size_t i) const { return tokens_[i]; }
  // The line without its first token, as a command of its own.
  Arguments rest() const;

  [[noreturn]] void fail(const std::string& what) const;
  // Between `least` and `most` tokens, the command's name included.
  void expectCount(std::size_t least, std::size_t most) const;
  // A word, not a quoted text.
  const std::string& word(std::size_t i) const;
  // NAME [INDEX] starting at token i; `next` becomes the position after it.
  ControlName control(std::size_t i, std::size_t& next) const;
  // A whole number from `least` to `most`; `what` is the message when the token is none.
  long long integer(std::size_t i, long long least, long long most, const std::string& what) const;
  // A decimal number from `least` up to (not including) `below`.
  double decimal(std::size_t i, double least, double below, const std::string& what) const;

 private:
  std::vector<Token> tokens_;
  int line_;
};

}  // namespace dorvan::script
