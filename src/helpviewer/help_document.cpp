#include "helpviewer/help_document.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QString>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextOption>
#include <optional>
#include <system_error>
#include <vector>

#include "helpviewer/help_file.h"

namespace dorvan::helpviewer {

namespace fs = std::filesystem;

namespace {

bool isLocal(const QUrl& name) {
  return name.scheme().isEmpty() || name.scheme() == QLatin1String("file");
}

// The bytes a `data:` address carries in itself.
QByteArray dataBytes(const QUrl& name) {
  QByteArray whole = name.toEncoded();
  qsizetype comma = whole.indexOf(',');
  if (comma < 0) return {};
  QByteArray payload = QByteArray::fromPercentEncoding(whole.mid(comma + 1));
  return whole.left(comma).endsWith(";base64") ? QByteArray::fromBase64(payload) : payload;
}

fs::path withLinksFollowed(const fs::path& file) {
  std::error_code ec;
  fs::path real = fs::weakly_canonical(file, ec);
  return ec ? file : real;
}

// A small grey frame where an image could not be shown.
QImage missingImageMark() {
  QImage mark(16, 16, QImage::Format_ARGB32_Premultiplied);
  mark.fill(Qt::transparent);
  QPainter painter(&mark);
  painter.setPen(QColor(160, 160, 160));
  painter.drawRect(1, 1, 13, 13);
  painter.drawLine(4, 11, 11, 4);
  return mark;
}

QString escapedForHtml(const std::string& text) {
  return QString::fromUtf8(text).toHtmlEscaped();
}

}  // namespace

QUrl fileAddress(const fs::path& file) {
  return QUrl::fromEncoded("file://" +
                           QByteArray::fromStdString(file.string()).toPercentEncoding("/"));
}

std::string pathOf(const QUrl& address) {
  return QByteArray::fromPercentEncoding(address.path(QUrl::FullyEncoded).toLatin1()).toStdString();
}

HelpDocument::HelpDocument(fs::path file, std::string text, QObject* parent)
    : QTextDocument(parent),
      file_(std::move(file)),
      realFile_(withLinksFollowed(file_)),
      folder_(file_.parent_path()),
      text_(std::move(text)),
      pageFolder_(folder_) {
  // Breaking a long word wherever it must takes time that grows with the square of its length;
  // a word wider than the page shows with a scroll bar instead.
  QTextOption option = defaultTextOption();
  option.setWrapMode(QTextOption::WordWrap);
  setDefaultTextOption(option);
}

void HelpDocument::showHelpFile() {
  pageFolder_ = folder_;
  pagePixels_ = 0;
  setHtml(boundedPage(QString::fromUtf8(text_)));
}

QString HelpDocument::boundedPage(const QString& html) {
  // It reads what the page refers to through the same bounds.
  HelpDocument scratch(file_, {});
  scratch.pageFolder_ = pageFolder_;
  scratch.setHtml(html);
  scratch.keepWithinBounds();
  return scratch.toHtml();
}

void HelpDocument::keepWithinBounds() {
  struct Change {
    int position;
    int length;
    QTextCharFormat format;
  };
  std::vector<Change> changes;
  for (QTextBlock block = begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      QTextFragment fragment = it.fragment();
      QTextCharFormat format = fragment.charFormat();
      bool changed = false;
      auto bound = [&](int property, double most) {
        if (format.hasProperty(property) && format.doubleProperty(property) > most) {
          format.setProperty(property, most);
          changed = true;
        }
      };
      bound(QTextFormat::FontPointSize, kMaxFontPoints);
      if (format.intProperty(QTextFormat::FontPixelSize) > kMaxFontPixels) {
        format.setProperty(QTextFormat::FontPixelSize, kMaxFontPixels);
        changed = true;
      }
      if (format.isImageFormat()) {
        bound(QTextFormat::ImageWidth, kMaxImageSide);
        bound(QTextFormat::ImageHeight, kMaxImageSide);
      }
      if (changed) changes.push_back({fragment.position(), fragment.length(), format});
    }
  }
  if (changes.empty()) return;
  // One edit, so that the layout follows once, not once for each change.
  QTextCursor cursor(this);
  cursor.beginEditBlock();
  for (const Change& change : changes) {
    cursor.setPosition(change.position);
    cursor.setPosition(change.position + change.length, QTextCursor::KeepAnchor);
    cursor.setCharFormat(change.format);
  }
  cursor.endEditBlock();
}

QVariant HelpDocument::resourceFor(int type, const QUrl& name) {
  QVariant resource;
  switch (type) {
    case QTextDocument::HtmlResource:
      return page(name);
    case QTextDocument::ImageResource:
      resource = picture(name);
      break;
    case QTextDocument::StyleSheetResource: {
      std::optional<fs::path> file;
      if (isLocal(name)) file = fileInside(folder_, pageFolder_, pathOf(name));
      // None when it cannot be read.
      resource = QString::fromUtf8(file ? readRegularFile(*file, kMaxHelpBytes).bytes : "");
      break;
    }
    default:
      return {};
  }
  // Kept, so that a page painted again reads nothing again.
  addResource(type, name, resource);
  return resource;
}

QVariant HelpDocument::page(const QUrl& name) {
  std::optional<fs::path> file;
  if (isLocal(name)) file = fileInside(folder_, pageFolder_, pathOf(name));
  if (!file) return QString("<p>This page is not part of the help.</p>");
  FileBytes page = *file == realFile_ ? FileBytes{text_, {}} : readHelpFile(*file);
  pageFolder_ = file->parent_path();
  pagePixels_ = 0;
  if (!page.problem.empty())
    return QString("<p>This page cannot be shown: %1 %2.</p>")
        .arg(escapedForHtml(file->string()), escapedForHtml(page.problem));
  return boundedPage(QString::fromUtf8(page.bytes));
}

QVariant HelpDocument::picture(const QUrl& name) {
  // Given no image, the rich text would read the name itself, from anywhere and waiting on
  // whatever it names; an image it cannot have is this mark instead.
  static const QImage refused = missingImageMark();
  QByteArray bytes;
  if (name.scheme() == QLatin1String("data")) {
    bytes = dataBytes(name);
  } else if (isLocal(name)) {
    std::optional<fs::path> file = fileInside(folder_, pageFolder_, pathOf(name));
    if (!file) return refused;
    FileBytes image = readRegularFile(*file, kMaxImageBytes);
    if (!image.problem.empty()) return refused;
    bytes = QByteArray::fromStdString(image.bytes);
  } else {
    return refused;
  }
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  // The size is read from the image's header, before any pixel is decoded.
  QSize size = reader.size();
  if (!size.isValid() || size.width() > kMaxImageSide || size.height() > kMaxImageSide)
    return refused;
  auto pixels = static_cast<std::size_t>(size.width()) * static_cast<std::size_t>(size.height());
  if (pagePixels_ + pixels > kMaxImagePixelsPerPage) return refused;
  QImage image = reader.read();
  if (image.isNull()) return refused;
  pagePixels_ += pixels;
  return image;
}

}  // namespace dorvan::helpviewer
