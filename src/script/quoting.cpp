#include "script/quoting.h"

namespace dorvan::script {

std::string quote(std::string_view text) {
  std::string out = "\"";
  for (char ch : text) {
    switch (ch) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      default:
        out += ch;
    }
  }
  return out + "\"";
}

std::optional<std::vector<Token>> tokenize(std::string_view line) {
  std::vector<Token> tokens;
  size_t i = 0;
  auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (i < line.size()) {
    if (isSpace(line[i])) {
      ++i;
      continue;
    }
    Token token;
    if (line[i] == '"') {
      token.quoted = true;
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char ch = line[i++];
        if (ch == '"') {
          closed = true;
          break;
        }
        if (ch != '\\') {
          token.text += ch;
          continue;
        }
        if (i >= line.size()) return std::nullopt;
        switch (line[i++]) {
          case '"':
            token.text += '"';
            break;
          case '\\':
            token.text += '\\';
            break;
          case 't':
            token.text += '\t';
            break;
          case 'n':
            token.text += '\n';
            break;
          default:
            return std::nullopt;
        }
      }
      if (!closed) return std::nullopt;
      if (i < line.size() && !isSpace(line[i])) return std::nullopt;
    } else {
      while (i < line.size() && !isSpace(line[i])) {
        if (line[i] == '"') return std::nullopt;
        token.text += line[i++];
      }
    }
    tokens.push_back(std::move(token));
  }
  return tokens;
}

}  // namespace dorvan::script
