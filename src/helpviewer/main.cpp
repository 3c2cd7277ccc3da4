// winhlp32 [NAME]: the help viewer that the game starts. It finds the help file the game names
// ("\dorvan4.hlp": where the game installed it, else the current folder) and shows it in a
// window of its own, or says plainly why it cannot: the file is missing (and where it looked),
// cannot be read, is empty, or is too large or too deeply nested to show.
// winhlp32 --check [NAME] opens no window: it prints where it runs from and whether it would
// show the file, after reading it and laying it out as the window would, so an installation
// and a hostile file can be checked without a display.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QMessageBox>
#include <cstdio>
#include <filesystem>
#include <string>

#include "helpviewer/help_document.h"
#include "helpviewer/help_file.h"
#include "helpviewer/help_window.h"

// The game's data folder as seen from the folder the viewer is installed in.
#ifndef DORVAN_HELP_DATA_FROM_VIEWER
#define DORVAN_HELP_DATA_FROM_VIEWER "../../share/dorvan"
#endif
#ifndef DORVAN_APP_ID
#define DORVAN_APP_ID "org.example.dorvan"
#endif

namespace {

namespace fs = std::filesystem;
using namespace dorvan::helpviewer;

// A path as the player reads it; bytes that are not UTF-8 show as replacement characters.
QString shown(const std::string& path) {
  return QString::fromUtf8(path);
}

int tell(const QString& text) {
  QMessageBox box(QMessageBox::Warning, "Dorvan Help", text, QMessageBox::Ok);
  box.exec();
  return 1;
}

std::string cannotShow(const fs::path& file, const std::string& problem) {
  return "The help file " + file.string() + " " + problem + ".";
}

int reportMissing(const std::string& name, const HelpLookup& lookup, bool check) {
  if (check) {
    std::printf("missing: %s\n", name.c_str());
    for (const fs::path& place : lookup.tried) std::printf("looked in: %s\n", place.c_str());
    return 1;
  }
  QString text = QString("The help file %1 is missing.\n\nLooked for it in:\n").arg(shown(name));
  for (const fs::path& place : lookup.tried) text += "    " + shown(place.string()) + "\n";
  return tell(text);
}

int reportProblem(const fs::path& file, const std::string& problem, bool check) {
  if (check) {
    std::printf("cannot show: %s\n", cannotShow(file, problem).c_str());
    return 1;
  }
  return tell(shown(cannotShow(file, problem)));
}

// The game's icon: beside the viewer in the build tree, or in the installation's icon theme.
QIcon gameIcon() {
  QDir here(QCoreApplication::applicationDirPath());
  QIcon icon;
  for (const QString& theme : {here.filePath("icons/hicolor"),
                               here.filePath(DORVAN_HELP_DATA_FROM_VIEWER "/../icons/hicolor")}) {
    for (int size : {48, 128, 256}) {
      QString file = QString("%1/%2x%2/apps/" DORVAN_APP_ID ".png").arg(theme).arg(size);
      if (QFile::exists(file)) icon.addFile(file, QSize(size, size));
    }
    if (!icon.isNull()) return icon;
  }
  return QIcon::fromTheme(DORVAN_APP_ID);
}

}  // namespace

int main(int argc, char** argv) {
  bool check = argc > 1 && std::string_view(argv[1]) == "--check";
  // The check lays the page out as the window would, on no display.
  if (check) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);  // takes Qt's own options out of argv
  QCoreApplication::setApplicationName("winhlp32");
  // The help is part of the game: its windows carry the game's icon and its menu entry's name.
  QGuiApplication::setDesktopFileName(QStringLiteral(DORVAN_APP_ID));
  if (!check) QApplication::setWindowIcon(gameIcon());
  // No single image of a page may take more memory than this, whatever its header says.
  QImageReader::setAllocationLimit(32);

  // The game passes one name; a name with spaces may arrive split into several arguments. The
  // name's bytes are kept as they are: a file name need not be UTF-8.
  int first = check ? 2 : 1;
  std::string name = argc > first ? argv[first] : std::string(kDefaultHelpName);
  for (int i = first + 1; i < argc; ++i) name += std::string(" ") + argv[i];

  std::error_code ec;
  fs::path current = fs::current_path(ec);
  fs::path programFolder = QCoreApplication::applicationDirPath().toStdString();
  HelpLookup lookup =
      findHelpFile(name, current, dataFoldersFor(programFolder, DORVAN_HELP_DATA_FROM_VIEWER));
  if (check) std::printf("viewer: %s\n", qPrintable(QCoreApplication::applicationFilePath()));
  if (!lookup.found) return reportMissing(name, lookup, check);
  FileBytes help = readHelpFile(*lookup.found);
  if (!help.problem.empty()) return reportProblem(*lookup.found, help.problem, check);

  auto* document = new HelpDocument(*lookup.found, std::move(help.bytes));
  if (check) {
    document->showHelpFile();
    document->setTextWidth(kWindowWidth);
    document->size();  // lays the whole page out
    std::printf("opens: %s\n", lookup.found->c_str());
    delete document;
    return 0;
  }
  HelpWindow window(document);
  window.show();
  return QApplication::exec();
}
