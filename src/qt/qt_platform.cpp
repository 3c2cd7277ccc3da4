#include "qt/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QIcon>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cmath>

#include "forms/application.h"
#include "qt/form_window.h"
#include "qt/units.h"

// Where an installation keeps what the game needs, seen from the game's own folder; the build
// passes the figures of the layout it installs.
#ifndef DORVAN_HELPERS_FROM_GAME
#define DORVAN_HELPERS_FROM_GAME "../libexec/dorvan"
#endif
#ifndef DORVAN_DATA_FROM_GAME
#define DORVAN_DATA_FROM_GAME "../share"
#endif
#ifndef DORVAN_APP_ID
#define DORVAN_APP_ID "org.example.dorvan"
#endif

namespace dorvan::qt {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

// Swallows every mouse and key event while a pause that takes no input runs. The pause's loop
// takes the window system's input as it comes and this throws it away: left in its queue, a
// click made while the computer shows its move would become the player's next move.
class InputBlocker : public QObject {
 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::Shortcut:
      case QEvent::ShortcutOverride:
      case QEvent::Wheel:
      case QEvent::ContextMenu:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
        return true;
      default:
        return false;
    }
  }
};

QString qs(const std::string& s) {
  return QString::fromStdString(s);
}

std::string gameFolder() {
  return QCoreApplication::applicationDirPath().toStdString();
}

bool isProgram(const QString& path) {
  QFileInfo info(path);
  return info.isFile() && info.isExecutable();
}

// The game's icon at every size the build or the installation holds, else the desktop theme's.
QIcon loadGameIcon() {
  QDir folder(QString::fromStdString(gameFolder()));
  QIcon icon;
  for (const QString& theme : {folder.filePath("icons/hicolor"),
                               folder.filePath(DORVAN_DATA_FROM_GAME "/icons/hicolor")}) {
    for (int size : {48, 128, 256}) {
      QString file = QString("%1/%2x%2/apps/" DORVAN_APP_ID ".png").arg(theme).arg(size);
      if (QFileInfo::exists(file)) icon.addFile(file, QSize(size, size));
    }
    if (!icon.isNull()) return icon;
  }
  return QIcon::fromTheme(DORVAN_APP_ID);
}

void ensureGameIcon() {
  if (QGuiApplication::windowIcon().isNull()) QGuiApplication::setWindowIcon(loadGameIcon());
}

// Reading the icon's images is work the player would wait on before seeing anything, so the
// icon follows once a window has painted its first frame; a dialog shown before that loads it.
class IconAfterFirstFrame : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, this, &ensureGameIcon);
    }
    return false;
  }
};

}  // namespace

std::string findProgram(const std::string& name, const std::string& gameFolder) {
  if (name.empty() || name.find('/') != std::string::npos) return {};
  QDir game(qs(gameFolder));
  for (const QString& candidate :
       {game.filePath(qs(name)), game.filePath(DORVAN_HELPERS_FROM_GAME "/" + qs(name))}) {
    if (isProgram(candidate)) return QDir::cleanPath(candidate).toStdString();
  }
  return {};
}

QtPlatform::QtPlatform()
    : inputBlocker_(std::make_unique<InputBlocker>()),
      iconWatch_(std::make_unique<IconAfterFirstFrame>()) {
  // A box the program gives no title is titled with the application's name, "dorvan" after the
  // executable by default. Qt's separate display name is not set: the desktop would append it
  // to every window's own caption.
  QCoreApplication::setApplicationName(QStringLiteral("Dorvan"));
  // Ties the windows to the menu entry, which the desktop knows by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral(DORVAN_APP_ID));
}

QtPlatform::~QtPlatform() {
  detach();
}

void QtPlatform::detach() {
  for (auto& [form, window] : windows_) {
    window->detach();
    delete window;
  }
  windows_.clear();
  app_ = nullptr;
}

int QtPlatform::exec() {
  if (ending_) return 0;
  inMainLoop_ = true;
  int status = QApplication::exec();
  inMainLoop_ = false;
  return status;
}

bool QtPlatform::deliver(const std::function<void(forms::Application&)>& event) {
  if (!takingEvents()) return false;
  forms::Application& app = *app_;
  try {
    app.run([&] { event(app); });
  } catch (const forms::ProgramEnded&) {
    // Ended inside a pause's event: the pause unwinds the handler that waits in it.
  } catch (const std::exception& e) {
    qCritical("dorvan: an event handler failed: %s", e.what());
  }
  syncAll();
  return true;
}

void QtPlatform::syncAll() {
  if (ending_) return;
  for (auto& [form, window] : windows_) window->sync();
}

void QtPlatform::updateHoverMarks() {
  for (auto& [form, window] : windows_) window->updateHoverMark();
}

FormWindow* QtPlatform::windowFor(const forms::Form& form) const {
  auto it = windows_.find(&form);
  return it == windows_.end() ? nullptr : it->second;
}

QWidget* QtPlatform::dialogParent() const {
  if (!app_ || !app_->activeForm()) return nullptr;
  FormWindow* window = windowFor(*app_->activeForm());
  return window && window->isVisible() ? window : nullptr;
}

void QtPlatform::unwindIfEnded() const {
  if (ending_) throw forms::ProgramEnded();
}

// ---- dialogs -------------------------------------------------------------------------------

std::unique_ptr<QMessageBox> QtPlatform::makeMessageBox(const MessageRequest& request,
                                                        QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(parent);
  box->setWindowTitle(qs(request.title));
  box->setText(qs(request.text));
  switch (request.icon) {
    case Icon::Info:
      box->setIcon(QMessageBox::Information);
      break;
    case Icon::Question:
      box->setIcon(QMessageBox::Question);
      break;
    case Icon::Warning:
      box->setIcon(QMessageBox::Warning);
      break;
    case Icon::None:
      box->setIcon(QMessageBox::NoIcon);
      break;
  }
  if (request.buttons == Buttons::YesNo) {
    QPushButton* yes = box->addButton(QMessageBox::Yes);
    QPushButton* no = box->addButton(QMessageBox::No);
    box->setDefaultButton(request.defaultButton == 2 ? no : yes);
  } else {
    box->setDefaultButton(box->addButton(QMessageBox::Ok));
  }
  return box;
}

Answer QtPlatform::messageBox(const std::string& text, const std::string& title, Buttons buttons,
                              Icon icon, int defaultButton) {
  MessageRequest request{text, title, buttons, icon, defaultButton};
  if (messageHook_) return messageHook_(request);
  syncAll();
  ensureGameIcon();
  std::unique_ptr<QMessageBox> box = makeMessageBox(request, dialogParent());
  box->exec();
  unwindIfEnded();
  if (buttons == Buttons::Ok) return Answer::Ok;
  switch (box->standardButton(box->clickedButton())) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return defaultButton == 2 ? Answer::No : Answer::Yes;
  }
}

std::optional<std::string> QtPlatform::inputBox(const std::string& prompt,
                                                const std::string& title) {
  if (inputHook_) return inputHook_(prompt, title);
  syncAll();
  ensureGameIcon();
  QInputDialog dialog(dialogParent());
  dialog.setWindowTitle(qs(title));
  dialog.setLabelText(qs(prompt));
  dialog.setInputMode(QInputDialog::TextInput);
  bool accepted = dialog.exec() == QDialog::Accepted;
  unwindIfEnded();
  if (!accepted) return std::nullopt;
  return dialog.textValue().toStdString();
}

// ---- machine -------------------------------------------------------------------------------

void QtPlatform::clipboardClear() {
  QGuiApplication::clipboard()->clear();
}

void QtPlatform::clipboardSetText(const std::string& text) {
  QGuiApplication::clipboard()->setText(qs(text));
}

std::string QtPlatform::clipboardText() {
  return QGuiApplication::clipboard()->text().toStdString();
}

void QtPlatform::beep() {
  QApplication::beep();
}

double QtPlatform::secondsSinceMidnight() {
  return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void QtPlatform::pause(double seconds, platform::PauseKind kind) {
  unwindIfEnded();
  // What the handler changed so far shows while it waits (a highlighted box, say).
  syncAll();
  auto ms = static_cast<int>(std::ceil(seconds * 1000.0 - 1e-6));
  if (ms <= 0) return;

  bool noInput = kind == platform::PauseKind::NoInput;
  QEventLoop loop;
  pauses_.push_back(&loop);
  if (noInput && noInputPauses_++ == 0) {
    qApp->installEventFilter(inputBlocker_.get());
    updateHoverMarks();  // a click now would do nothing
  }
  QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::AllEvents);
  if (noInput && --noInputPauses_ == 0) {
    qApp->removeEventFilter(inputBlocker_.get());
    updateHoverMarks();
  }
  pauses_.erase(std::find(pauses_.begin(), pauses_.end(), &loop));
  unwindIfEnded();
}

bool QtPlatform::startProcess(const std::string& commandText) {
  QString command = qs(commandText).trimmed();
  qsizetype space = command.indexOf(' ');
  QString program = space < 0 ? command : command.left(space);
  QStringList arguments =
      space < 0 ? QStringList() : QProcess::splitCommand(command.mid(space + 1));
  if (program.isEmpty()) return false;
  std::string path = findProgram(program.toStdString(), gameFolder());
  if (path.empty()) return false;
  return QProcess::startDetached(qs(path), arguments, QDir::currentPath());
}

void QtPlatform::openWebPage(const std::string& address) {
  QDesktopServices::openUrl(QUrl::fromUserInput(qs(address)));
}

platform::ScreenSize QtPlatform::screenSize() {
  QScreen* screen = QGuiApplication::primaryScreen();
  QSize size = screen ? screen->size() : QSize(1024, 768);
  return {toTwips(size.width()), toTwips(size.height())};
}

std::string QtPlatform::workingDirectory() {
  return QDir::toNativeSeparators(QDir::currentPath()).toStdString();
}

// ---- windows -------------------------------------------------------------------------------

void QtPlatform::windowShown(forms::Form& form) {
  if (windows_.count(&form)) return;
  auto* window = new FormWindow(*this, form);
  windows_[&form] = window;
  if (QGuiApplication::windowIcon().isNull()) window->installEventFilter(iconWatch_.get());
  window->sync();
}

void QtPlatform::windowUnloaded(forms::Form& form) {
  auto it = windows_.find(&form);
  if (it == windows_.end()) return;
  FormWindow* window = it->second;
  windows_.erase(it);
  window->detach();
  window->hide();
  window->deleteLater();
}

void QtPlatform::programEnding() {
  ending_ = true;
  for (QEventLoop* loop : pauses_) loop->exit();
  for (auto& [form, window] : windows_) window->hide();
  // Leaves the main loop and every loop nested in it (dialogs included).
  if (inMainLoop_) QCoreApplication::exit(0);
}

}  // namespace dorvan::qt
