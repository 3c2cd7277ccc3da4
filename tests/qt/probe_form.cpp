#include "probe_form.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QTimer>
#include <stdexcept>

#include "qt/form_window.h"
#include "registry/form_registry.h"

namespace dorvan::qt::testing {

using forms::ControlKind;

void pumpEvents(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

bool pumpUntil(const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > 10000) return false;
    pumpEvents(5);
  }
  return true;
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint pos) {
  Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
  QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &event);
}

void clickAt(QWidget* widget, QPoint pos) {
  sendMouse(widget, QEvent::MouseButtonPress, pos);
  sendMouse(widget, QEvent::MouseButtonRelease, pos);
}

ProbeForm::ProbeForm(forms::Application& app) : Form(app, "Probe") {
  caption = "Probe";
  width = 9000;
  height = 6000;
  backcolor = 0xC0C0C0;

  forms::Control& red = add(ControlKind::Line, "Ln", 1);
  red.x1 = 150, red.y1 = 1500, red.x2 = 3000, red.y2 = 1500;
  red.color = 0x0000FF;
  red.borderWidth = 3;
  forms::Control& hidden = add(ControlKind::Line, "Ln", 2);
  hidden.x1 = 150, hidden.y1 = 2250, hidden.x2 = 3000, hidden.y2 = 2250;
  hidden.color = 0x00FF00;
  hidden.visible = false;

  forms::Control& target = add(ControlKind::Label, "Target");
  target.left = 150, target.top = 1200, target.width = 1500, target.height = 600;
  target.transparent = true;
  target.onClick = [this](int) { ++targetClicks; };
  forms::Control& note = add(ControlKind::Label, "Note");
  note.caption = "Hello";
  note.backcolor = 0x00FFFF;
  note.left = 150, note.top = 3000, note.width = 1500, note.height = 450;

  // The content reaches the client area's far corner (592 x 350 pixels), so the window at its
  // designed size shows it as designed, one pixel for 15 twips.
  forms::Control& corner = add(ControlKind::Label, "Corner");
  corner.left = 8865, corner.top = 5235, corner.width = 15, corner.height = 15;
  corner.transparent = true;

  forms::Control& pic = add(ControlKind::PictureBox, "Pic");
  pic.left = 4500, pic.top = 300, pic.width = 3000, pic.height = 3000;
  pic.backcolor = 0xFFFFFF;
  forms::Control& check = add(ControlKind::CheckBox, "Chk");
  check.caption = "Sound";
  check.container = "Pic";
  check.left = 150, check.top = 150, check.width = 2000, check.height = 300;
  check.onClick = [this](int) { ++checkClicks; };

  forms::Control& timer = add(ControlKind::Timer, "Tmr");
  timer.interval = 20;
  timer.onTimer = [this](int) {
    ++ticks;
    if (endOnTick) this->app().end();
  };

  // An animation as fast as the platform allows: each tick moves a short stroke one pixel on.
  forms::Control& fast = add(ControlKind::Timer, "Fast");
  fast.interval = 1;
  fast.enabled = false;
  fast.onTimer = [this](int) {
    ++fastTicks;
    int x = 150 + (fastTicks % 100) * 15;
    cls();
    line(x, 5250, x + 150, 5250, 0xFFFFFF);
  };

  forms::Control& go = add(ControlKind::CommandButton, "Go");
  go.caption = "Go";
  go.isDefault = true;
  go.left = 150, go.top = 4000, go.width = 1200, go.height = 400;
  go.onClick = [this](int) {
    ++goClicks;
    int ticksBefore = ticks;
    int clicksBefore = targetClicks;
    this->app().platform().pause(pauseSeconds, pauseKind);
    ticksDuringPause = ticks - ticksBefore;
    clicksDuringPause = targetClicks - clicksBefore;
    ranAfterPause = true;
  };

  addMenu("mnuGame", "&Game");
  addMenu("mnuNew", "&New", "mnuGame").onClick = [this](int) { ++newClicks; };
  addMenu("mnuSep", "-", "mnuGame");
  addMenu("mnuSound", "&Sound", "mnuGame").checked = true;
  addMenu("mnuSecret", "Secret", "mnuGame").visible = false;
  addMenu("mnuHelp", "&Help");
}

Session::Session(const std::string& commandLine) {
  ensureQtApplication();
  app = std::make_unique<forms::Application>(shell, commandLine);
  shell.attach(*app);
  app->registerForm("Probe", [](forms::Application& a) { return std::make_unique<ProbeForm>(a); });
  shell.setMessageBoxHook([](const QtPlatform::MessageRequest& request) {
    if (request.buttons == platform::Buttons::Ok) return platform::Answer::Ok;
    return request.defaultButton == 2 ? platform::Answer::No : platform::Answer::Yes;
  });
  shell.setInputBoxHook([](const std::string&, const std::string&) { return std::nullopt; });
}

ProbeForm& Session::openProbe() {
  forms::Form* form = nullptr;
  shell.deliver([&](forms::Application& a) { form = a.load("Probe"); });
  return static_cast<ProbeForm&>(*form);
}

forms::Form& Session::startGame() {
  registry::registerForms(*app);
  if (!app->start("Form3") || !app->activeForm())
    throw std::runtime_error("the program opened no game window");
  return *app->activeForm();
}

void Session::click(forms::Form& form, const std::string& name, int index) {
  shell.deliver([&](forms::Application& a) { a.click(form, form.at(name, index)); });
}

}  // namespace dorvan::qt::testing
