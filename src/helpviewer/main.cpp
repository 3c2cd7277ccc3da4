// winhlp32 [NAME]: the help viewer that the game starts. It finds the help file the game names
// ("\dorvan4.hlp": the current folder first, then the game's data folder) and shows it in a
// window of its own, or says plainly that the file is missing and where it looked.
// winhlp32 --check [NAME] opens no window: it prints where it runs from and which file it would
// show, so an installation can be checked without a display.

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QMainWindow>
#include <QMessageBox>
#include <QStringList>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "helpviewer/help_file.h"

// The game's data folder as seen from the folder the viewer is installed in.
#ifndef DORVAN_HELP_DATA_FROM_VIEWER
#define DORVAN_HELP_DATA_FROM_VIEWER "../../share/dorvan"
#endif

namespace {

namespace fs = std::filesystem;
using dorvan::helpviewer::HelpLookup;

QString nativePath(const fs::path& p) {
  return QDir::toNativeSeparators(QString::fromStdString(p.string()));
}

class HelpWindow : public QMainWindow {
 public:
  explicit HelpWindow(const fs::path& file) {
    auto* browser = new QTextBrowser(this);
    browser->setOpenExternalLinks(true);
    browser->setSearchPaths({QString::fromStdString(file.parent_path().string())});
    browser->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())),
                       QTextDocument::HtmlResource);
    setCentralWidget(browser);

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
    resize(860, 760);
  }
};

int reportMissing(const std::string& name, const HelpLookup& lookup) {
  QString text = QString("The help file %1 is missing.\n\nLooked for it in:\n")
                     .arg(QString::fromStdString(name));
  for (const fs::path& place : lookup.tried) text += "    " + nativePath(place) + "\n";
  QMessageBox box(QMessageBox::Warning, "Dorvan Help", text, QMessageBox::Ok);
  box.exec();
  return 1;
}

int reportCheck(const std::string& name, const HelpLookup& lookup) {
  std::printf("viewer: %s\n", qPrintable(QCoreApplication::applicationFilePath()));
  if (lookup.found) {
    std::printf("opens: %s\n", lookup.found->c_str());
    return 0;
  }
  std::printf("missing: %s\n", name.c_str());
  for (const fs::path& place : lookup.tried) std::printf("looked in: %s\n", place.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  bool check = argc > 1 && std::string_view(argv[1]) == "--check";
  // The check prints and ends; it needs no display, so it runs without a GUI application.
  std::unique_ptr<QCoreApplication> app = check ? std::make_unique<QCoreApplication>(argc, argv)
                                                : std::make_unique<QApplication>(argc, argv);
  QCoreApplication::setApplicationName("winhlp32");

  // The game passes one name; a name with spaces may arrive split into several arguments.
  QStringList args = QCoreApplication::arguments().mid(check ? 2 : 1);
  std::string name = args.isEmpty() ? std::string(dorvan::helpviewer::kDefaultHelpName)
                                    : args.join(' ').toStdString();

  std::error_code ec;
  fs::path current = fs::current_path(ec);
  fs::path programFolder = QCoreApplication::applicationDirPath().toStdString();
  HelpLookup lookup = dorvan::helpviewer::findHelpFile(
      name, current,
      dorvan::helpviewer::dataFoldersFor(programFolder, DORVAN_HELP_DATA_FROM_VIEWER));
  if (check) return reportCheck(name, lookup);
  if (!lookup.found) return reportMissing(name, lookup);

  HelpWindow window(*lookup.found);
  window.show();
  return QApplication::exec();
}
