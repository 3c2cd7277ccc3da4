#include "helpviewer/html_nesting.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <vector>

namespace dorvan::helpviewer {

namespace {

bool isNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

std::string lowered(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

bool oneOf(const std::string& name, std::initializer_list<std::string_view> names) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// No end tag at all, or one that may be left out.
bool neverNests(const std::string& name) {
  return oneOf(name, {"area",   "base",     "br",    "col",    "embed", "hr",    "img",   "input",
                      "link",   "meta",     "param", "source", "track", "wbr",   "p",     "li",
                      "dt",     "dd",       "tr",    "td",     "th",    "thead", "tbody", "tfoot",
                      "option", "colgroup", "html",  "head",   "body"});
}

// Elements whose content is text up to their end tag, not markup.
bool holdsRawText(const std::string& name) {
  return oneOf(name, {"style", "script", "title", "textarea"});
}

// The position just past the '>' that ends the tag starting at `from`; quoted attribute values
// may hold '>'.
std::size_t tagEnd(std::string_view html, std::size_t from, bool& selfClosing) {
  char quote = 0;
  char last = 0;
  for (std::size_t i = from; i < html.size(); ++i) {
    char c = html[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '>') {
      selfClosing = last == '/';
      return i + 1;
    }
    if (!std::isspace(static_cast<unsigned char>(c))) last = c;
  }
  return html.size();
}

// Where the raw text of `name` ends: at its end tag, in any case, or at the end of the page.
std::size_t rawTextEnd(std::string_view html, std::size_t from, const std::string& name) {
  std::string closing = "</" + name;
  for (std::size_t i = html.find("</", from); i != std::string_view::npos;
       i = html.find("</", i + 2)) {
    if (lowered(html.substr(i, closing.size())) == closing) return i;
  }
  return html.size();
}

}  // namespace

Nesting deepestNesting(std::string_view html) {
  Nesting deepest;
  std::vector<std::string> open;
  std::map<std::string, int> openCount;  // so that an end tag of nothing open costs no search
  int tables = 0;
  std::size_t i = 0;
  while (i < html.size()) {
    std::size_t lt = html.find('<', i);
    if (lt == std::string_view::npos || lt + 1 >= html.size()) break;
    i = lt + 1;
    if (html.compare(lt, 4, "<!--") == 0) {
      std::size_t end = html.find("-->", lt + 4);
      i = end == std::string_view::npos ? html.size() : end + 3;
      continue;
    }
    bool closing = html[i] == '/';
    std::size_t nameStart = closing ? i + 1 : i;
    if (html[i] == '!' || html[i] == '?') {
      bool unused = false;
      i = tagEnd(html, i, unused);
      continue;
    }
    std::size_t nameEnd = nameStart;
    while (nameEnd < html.size() && isNameChar(html[nameEnd])) ++nameEnd;
    if (nameEnd == nameStart) continue;  // a '<' in the text
    std::string name = lowered(html.substr(nameStart, nameEnd - nameStart));
    bool selfClosing = false;
    i = tagEnd(html, nameEnd, selfClosing);

    if (closing) {
      if (openCount[name] == 0) continue;
      // Closes the innermost element of that name and any left open inside it.
      for (;;) {
        std::string inner = std::move(open.back());
        open.pop_back();
        --openCount[inner];
        if (inner == "table") --tables;
        if (inner == name) break;
      }
      continue;
    }
    if (holdsRawText(name)) {
      i = rawTextEnd(html, i, name);
      continue;
    }
    if (selfClosing || neverNests(name)) continue;
    if (name == "table") deepest.tables = std::max(deepest.tables, ++tables);
    open.push_back(name);
    ++openCount[name];
    deepest.elements = std::max(deepest.elements, static_cast<int>(open.size()));
  }
  return deepest;
}

}  // namespace dorvan::helpviewer
