#include "script/arguments.h"

#include <charconv>
#include <cmath>
#include <sstream>

#include "forms/control.h"
#include "script/limits.h"

namespace dorvan::script {

Arguments::Arguments(std::vector<Token> tokens, int line)
    : tokens_(std::move(tokens)), line_(line) {
  if (tokens_.empty()) fail("a command must come first");
  if (tokens_[0].quoted) fail("a command must come first");
}

Arguments Arguments::rest() const {
  return Arguments({tokens_.begin() + 1, tokens_.end()}, line_);
}

void Arguments::fail(const std::string& what) const {
  throw ScriptError{line_, what};
}

void Arguments::expectCount(std::size_t least, std::size_t most) const {
  if (tokens_.size() < least || tokens_.size() > most)
    fail("wrong number of arguments to " + command());
}

const std::string& Arguments::word(std::size_t i) const {
  if (tokens_[i].quoted) fail("expected a name, not a text");
  return tokens_[i].text;
}

ControlName Arguments::control(std::size_t i, std::size_t& next) const {
  ControlName c{word(i), forms::kNoIndex};
  next = i + 1;
  if (next < tokens_.size() && !tokens_[next].quoted) {
    c.index = static_cast<int>(
        integer(next, 0, kMaxIndex,
                "bad index " + tokens_[next].text + " (0 to " + std::to_string(kMaxIndex) + ")"));
    ++next;
  }
  return c;
}

long long Arguments::integer(std::size_t i, long long least, long long most,
                             const std::string& what) const {
  const Token& t = tokens_[i];
  long long v = 0;
  const char* end = t.text.data() + t.text.size();
  auto [ptr, ec] = std::from_chars(t.text.data(), end, v);
  if (t.quoted || t.text.empty() || ec != std::errc() || ptr != end || v < least || v > most)
    fail(what);
  return v;
}

double Arguments::decimal(std::size_t i, double least, double below,
                          const std::string& what) const {
  const Token& t = tokens_[i];
  std::istringstream in(t.text);
  double v = 0;
  in >> v;
  if (t.quoted || t.text.empty() || in.fail() || !in.eof() || !std::isfinite(v) || v < least ||
      v >= below)
    fail(what);
  return v;
}

}  // namespace dorvan::script
