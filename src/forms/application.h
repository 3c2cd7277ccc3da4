#pragma once
// The running program: its open windows, the platform they run on, the random source and the
// few program-wide values. Both front ends deliver every event through it, so a click means
// the same thing on screen and in a script.

#include <concepts>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/random_source.h"
#include "forms/form.h"
#include "forms/window_host.h"
#include "platform/platform.h"

namespace dorvan::forms {

// Thrown by Application::end to leave every handler at once; front ends catch it at the top.
struct ProgramEnded : std::exception {
  const char* what() const noexcept override { return "program ended"; }
};

class Application {
 public:
  using FormFactory = std::function<std::unique_ptr<Form>(Application&)>;

  Application(platform::Platform& platform, WindowHost& host, std::string commandLine);
  // A front end that is both the platform and the window host.
  template <typename FrontEnd>
  requires std::derived_from<FrontEnd, platform::Platform> &&
      std::derived_from<FrontEnd, WindowHost>
      Application(FrontEnd& frontEnd, std::string commandLine)
      : Application(frontEnd, frontEnd, std::move(commandLine)) {}
  ~Application();

  platform::Platform& platform() { return platform_; }
  RandomSource& random() { return random_; }
  const std::string& commandLine() const { return commandLine_; }

  // Program-wide values shared by the windows.
  int levelFlag = 0;  // set to 1 when the program starts at the half-size 4D level

  // Windows are made by name ("dorvan", "Form2", ...) from factories registered at start-up.
  void registerForm(const std::string& name, FormFactory factory);
  // Creates the window, runs its Form_Load and shows it; returns it, or nullptr if unknown.
  Form* load(const std::string& name);
  // Loads a window without showing it (the dispatcher); show() puts it on screen.
  Form* loadHidden(const std::string& name);
  void show(Form& form);
  // Takes a window off screen; it is destroyed once the event that unloaded it is over.
  void unload(Form& form);
  // Ends the program at once; never returns.
  [[noreturn]] void end();
  bool ended() const { return ended_; }

  // Open windows, oldest first. The active window is the one opened last.
  const std::vector<Form*>& openForms() const { return open_; }
  Form* activeForm() const { return open_.empty() ? nullptr : open_.back(); }
  bool isOpen(const Form* form) const;

  // Events, as a person makes them. A click that the control does not take returns false.
  bool click(Form& form, Control& control);
  void tick(Form& form, Control& timer);
  void mouseMove(Form& form, Control& control, int x, int y);
  void mouseDown(Form& form, Control& control, int x, int y);
  void typeText(Form& form, Control& textBox, std::string text);
  void closeBox(Form& form);

  // Runs one event from the outside world to its end: a window that ends the program stops it
  // here, unloaded windows are destroyed, and the program ends when no window is left open.
  // Returns false once the program has ended.
  bool run(const std::function<void()>& event);
  // True while an event delivered through run() is being handled.
  bool handling() const { return depth_ > 0; }

  // Starts the program: the dispatcher window named here loads and does its work.
  // Returns false when the program is already over.
  bool start(const std::string& startupForm);

 private:
  std::unique_ptr<Form> make(const std::string& name);

  platform::Platform& platform_;
  WindowHost& host_;
  std::string commandLine_;
  RandomSource random_;
  std::map<std::string, FormFactory> factories_;
  std::vector<std::unique_ptr<Form>> alive_;
  std::vector<Form*> open_;
  std::vector<std::unique_ptr<Form>> unloaded_;
  bool ended_ = false;
  int depth_ = 0;
};

}  // namespace dorvan::forms
