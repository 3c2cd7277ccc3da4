// dorvan [LEVEL]: the game on the desktop.

#include <QApplication>
#include <string>

#include "forms/application.h"
#include "qt/qt_platform.h"
#include "registry/form_registry.h"

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  // The program ends when its forms say so, not when a window happens to close.
  QApplication::setQuitOnLastWindowClosed(false);

  // The command line as the program compares it: the arguments joined by single spaces.
  std::string commandLine;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) commandLine += ' ';
    commandLine += argv[i];
  }

  dorvan::qt::QtPlatform platform;
  int status = 0;
  {
    dorvan::forms::Application app(platform, commandLine);
    platform.attach(app);
    dorvan::registry::registerForms(app);
    bool running = app.start("Form3");
    platform.syncAll();
    if (running && !app.ended()) status = platform.exec();
    platform.detach();
  }
  return status;
}
