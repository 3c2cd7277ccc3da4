#include "helpviewer/help_window.h"

#include <QAction>
#include <QKeySequence>
#include <QTextBrowser>
#include <QToolBar>

#include "helpviewer/help_document.h"

namespace dorvan::helpviewer {

namespace {

// Pages the reader follows links to come through the document's own bounds, as its images do.
class HelpBrowser : public QTextBrowser {
 public:
  explicit HelpBrowser(QWidget* parent) : QTextBrowser(parent) {}

  QVariant loadResource(int type, const QUrl& name) override {
    auto* help = dynamic_cast<HelpDocument*>(document());
    return help ? help->resourceFor(type, name) : QVariant();
  }
};

}  // namespace

HelpWindow::HelpWindow(HelpDocument* document) {
  auto* browser = new HelpBrowser(this);
  document->setParent(browser);
  browser->setDocument(document);
  browser->setWordWrapMode(QTextOption::WordWrap);  // as the document asks
  browser->setOpenExternalLinks(true);
  setCentralWidget(browser);
  resize(kWindowWidth, 760);
  browser->setSource(document->address(), QTextDocument::HtmlResource);

  QToolBar* bar = addToolBar("Navigation");
  bar->setMovable(false);
  QAction* contents = bar->addAction("Contents", browser, &QTextBrowser::home);
  contents->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
  QAction* back = bar->addAction("Back", browser, &QTextBrowser::backward);
  back->setShortcut(QKeySequence::Back);
  back->setEnabled(false);
  QAction* forward = bar->addAction("Forward", browser, &QTextBrowser::forward);
  forward->setShortcut(QKeySequence::Forward);
  forward->setEnabled(false);
  connect(browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  bar->addSeparator();
  QAction* larger = bar->addAction("Larger", browser, [browser] { browser->zoomIn(1); });
  larger->setShortcut(QKeySequence::ZoomIn);
  QAction* smaller = bar->addAction("Smaller", browser, [browser] { browser->zoomOut(1); });
  smaller->setShortcut(QKeySequence::ZoomOut);
  bar->addSeparator();
  QAction* close = bar->addAction("Close", this, &QWidget::close);
  close->setShortcuts({QKeySequence::Close, QKeySequence(Qt::Key_Escape)});

  QString title = browser->documentTitle();
  setWindowTitle(title.isEmpty() ? "Dorvan Help" : title);
}

}  // namespace dorvan::helpviewer
