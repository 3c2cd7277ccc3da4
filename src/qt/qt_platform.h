#pragma once
// The machine as the program sees it on a desktop: Qt dialogs, clipboard, clock, pauses,
// processes, and one FormWindow per shown form. Every event from the desktop reaches the forms
// through deliver(), which runs it in the application and then brings every window up to date.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/window_host.h"
#include "platform/platform.h"

class QEventLoop;
class QMessageBox;
class QObject;
class QWidget;

namespace dorvan::forms {
class Application;
class Form;
}  // namespace dorvan::forms

namespace dorvan::qt {

class FormWindow;

// The program that a started command names: beside the game first (the build puts the help
// viewer there), then in the installation's private helper folder, which is on no PATH. Never
// from the PATH, where another program of the same name may be. Empty when there is none.
std::string findProgram(const std::string& name, const std::string& gameFolder);

class QtPlatform : public platform::Platform, public forms::WindowHost {
 public:
  struct MessageRequest {
    std::string text;
    std::string title;
    platform::Buttons buttons = platform::Buttons::Ok;
    platform::Icon icon = platform::Icon::None;
    int defaultButton = 1;
  };
  using MessageHook = std::function<platform::Answer(const MessageRequest&)>;
  using InputHook = std::function<std::optional<std::string>(const std::string& prompt,
                                                             const std::string& title)>;

  QtPlatform();
  ~QtPlatform() override;
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  void attach(forms::Application& app) { app_ = &app; }
  // The application is going away: every window is closed and no event reaches it any more.
  void detach();

  // Runs the desktop's event loop until the program ends; returns its exit status.
  int exec();

  // Runs one event in the application and then syncs every window. Returns false when the
  // event was dropped: during a pause that takes no input, or once the program is ending.
  bool deliver(const std::function<void(forms::Application&)>& event);
  bool takingEvents() const { return app_ && !ending_ && noInputPauses_ == 0; }
  bool ending() const { return ending_; }
  void syncAll();
  FormWindow* windowFor(const forms::Form& form) const;

  // Replace the modal dialogs, e.g. to answer them in tests. An empty hook restores the dialog.
  void setMessageBoxHook(MessageHook hook) { messageHook_ = std::move(hook); }
  void setInputBoxHook(InputHook hook) { inputHook_ = std::move(hook); }
  // The message box as it is shown, with its buttons, icon, default button and title.
  static std::unique_ptr<QMessageBox> makeMessageBox(const MessageRequest& request,
                                                     QWidget* parent);

  // platform::Platform
  platform::Answer messageBox(const std::string& text, const std::string& title,
                              platform::Buttons buttons, platform::Icon icon,
                              int defaultButton) override;
  std::optional<std::string> inputBox(const std::string& prompt, const std::string& title) override;
  void clipboardClear() override;
  void clipboardSetText(const std::string& text) override;
  std::string clipboardText() override;
  void beep() override;
  double secondsSinceMidnight() override;
  void pause(double seconds, platform::PauseKind kind) override;
  bool startProcess(const std::string& commandText) override;
  void openWebPage(const std::string& address) override;
  platform::ScreenSize screenSize() override;
  std::string workingDirectory() override;
  // forms::WindowHost
  void windowShown(forms::Form& form) override;
  void windowUnloaded(forms::Form& form) override;
  void programEnding() override;

 private:
  QWidget* dialogParent() const;
  // After a nested event loop: a program that ended meanwhile unwinds the caller too.
  void unwindIfEnded() const;
  void updateHoverMarks();

  forms::Application* app_ = nullptr;
  std::map<const forms::Form*, FormWindow*> windows_;
  std::vector<QEventLoop*> pauses_;
  int noInputPauses_ = 0;
  std::unique_ptr<QObject> inputBlocker_;
  std::unique_ptr<QObject> iconWatch_;  // sets the game's icon after a first frame
  bool ending_ = false;
  bool inMainLoop_ = false;
  MessageHook messageHook_;
  InputHook inputHook_;
};

}  // namespace dorvan::qt
