#pragma once
// How deep a page's elements nest, read from its HTML without building it: the rich-text layout
// takes time that grows with depth, twice over for each table inside another, and overflows its
// stack on thousands of levels, so the viewer measures first.

#include <string_view>

namespace dorvan::helpviewer {

struct Nesting {
  int elements = 0;  // the most elements open at once
  int tables = 0;    // the most tables open at once
};

// Elements whose end tag is optional (a paragraph, a list item, a table's rows and cells) or
// that have none (a line break, an image) do not count, so a page written without those end
// tags does not read as deep. Comments and the text of styles and scripts are skipped.
Nesting deepestNesting(std::string_view html);

}  // namespace dorvan::helpviewer
