#pragma once
// The help as a rich-text document that loads nothing from outside: other pages and style
// sheets only from the help file's folder, images from there or written into the page itself,
// each read without waiting and within the bounds of help_file.h.

#include <QTextDocument>
#include <QUrl>
#include <QVariant>
#include <cstddef>
#include <filesystem>
#include <string>

namespace dorvan::helpviewer {

// A local file's address and back, byte for byte: a name that is not UTF-8 survives both ways.
QUrl fileAddress(const std::filesystem::path& file);
std::string pathOf(const QUrl& address);

class HelpDocument : public QTextDocument {
 public:
  // `text` is the help file's content, already read with readHelpFile.
  HelpDocument(std::filesystem::path file, std::string text, QObject* parent = nullptr);

  QUrl address() const { return fileAddress(file_); }
  // The help file's own page, with its references to the help file's folder.
  void showHelpFile();
  // A page's HTML as the rich text reads it, with the sizes it asks for brought within bounds:
  // laid out as they stand, thousands of letters ten thousand pixels high, or of images
  // stretched to thirty thousand, would take minutes. A page is laid out as soon as it is set,
  // so this is done on a document of its own first.
  QString boundedPage(const QString& html);
  // What a page refers to: its text for a page or style sheet, its picture for an image; an
  // empty value when it lies outside the help file's folder or is not within bounds.
  QVariant resourceFor(int type, const QUrl& name);

 protected:
  QVariant loadResource(int type, const QUrl& name) override { return resourceFor(type, name); }

 private:
  QVariant page(const QUrl& name);
  void keepWithinBounds();
  QVariant picture(const QUrl& name);

  std::filesystem::path file_;
  std::filesystem::path realFile_;  // with links followed, as references are compared
  std::filesystem::path folder_;
  std::string text_;
  std::filesystem::path pageFolder_;  // where the shown page's relative references start
  std::size_t pagePixels_ = 0;        // image pixels the shown page holds so far
};

}  // namespace dorvan::helpviewer
