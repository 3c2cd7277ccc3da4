#pragma once
// A small window for the shell's tests: a few line objects, labels, a picture box holding a
// check box, a timer, a fast animation, a default button that pauses, and menus.

#include <QApplication>
#include <QEvent>
#include <QPoint>
#include <functional>
#include <memory>
#include <string>

#include "forms/application.h"
#include "forms/form.h"
#include "qt/qt_platform.h"

namespace dorvan::qt::testing {

// One QApplication for the whole test program, on Qt's offscreen platform unless told otherwise.
inline void ensureQtApplication() {
  if (QApplication::instance()) return;
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "dorvan_qt_tests";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);  // lives until the test program exits
  QApplication::setQuitOnLastWindowClosed(false);
}

// Runs the event loop for a while, as the desktop would between events.
void pumpEvents(int ms);
// Runs the event loop until `done` holds, for at most ten seconds; returns whether it held.
bool pumpUntil(const std::function<bool()>& done);
// A mouse event at a point of the widget, with the left button for a press or a release.
void sendMouse(QWidget* widget, QEvent::Type type, QPoint pos);
// A press and a release of the left button at the same point.
void clickAt(QWidget* widget, QPoint pos);

class ProbeForm : public forms::Form {
 public:
  explicit ProbeForm(forms::Application& app);

  int targetClicks = 0;
  int checkClicks = 0;
  int newClicks = 0;
  int goClicks = 0;
  int ticks = 0;
  int fastTicks = 0;
  // What the default button does: pause like this, counting the ticks that ran meanwhile.
  platform::PauseKind pauseKind = platform::PauseKind::NoInput;
  double pauseSeconds = 0.2;
  bool endOnTick = false;
  int ticksDuringPause = -1;
  int clicksDuringPause = -1;
  bool ranAfterPause = false;
};

// A running program over the Qt platform; its windows go before its forms do.
struct Session {
  explicit Session(const std::string& commandLine = "");
  ~Session() { shell.detach(); }
  // Opens a probe window and returns it.
  ProbeForm& openProbe();
  // Starts the program's own windows as the command line asks and returns the game window.
  forms::Form& startGame();
  // A click on a control, delivered as the desktop delivers one.
  void click(forms::Form& form, const std::string& name, int index = forms::kNoIndex);
  FormWindow& windowOf(const forms::Form& form) { return *shell.windowFor(form); }

  QtPlatform shell;
  std::unique_ptr<forms::Application> app;
};

}  // namespace dorvan::qt::testing
