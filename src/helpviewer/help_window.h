#pragma once
// The viewer's window: the help in a browser with a bar for its contents, history, text size
// and closing.

#include <QMainWindow>

namespace dorvan::helpviewer {

class HelpDocument;

// The window's width, at which the check lays a page out too.
inline constexpr int kWindowWidth = 860;

class HelpWindow : public QMainWindow {
 public:
  // The window shows `document` (which it takes) from its help file's own page on.
  explicit HelpWindow(HelpDocument* document);
};

}  // namespace dorvan::helpviewer
