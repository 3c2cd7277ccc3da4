#pragma once
// Everything the windows ask of the machine. The Qt shell and the headless driver each
// implement it; the forms and the game code see only this interface.

#include <optional>
#include <string>

namespace dorvan::platform {

enum class Buttons { Ok, YesNo };
enum class Icon { None, Info, Question, Warning };
enum class Answer { Ok, Yes, No };

// How a pause treats the events that fall due while it runs.
enum class PauseKind {
  NoInput,       // neither user input nor the forms' timers run; the window still repaints
  LetEventsRun,  // everything runs, re-entrant clicks included
};

struct ScreenSize {
  int width = 0;   // twips
  int height = 0;  // twips
};

class Platform {
 public:
  virtual ~Platform() = default;

  // defaultButton counts from 1, as the buttons are laid out (Yes = 1, No = 2).
  virtual Answer messageBox(const std::string& text, const std::string& title, Buttons buttons,
                            Icon icon, int defaultButton) = 0;
  // nullopt when the person cancels.
  virtual std::optional<std::string> inputBox(const std::string& prompt,
                                              const std::string& title) = 0;

  virtual void clipboardClear() = 0;
  virtual void clipboardSetText(const std::string& text) = 0;
  virtual std::string clipboardText() = 0;

  virtual void beep() = 0;

  // Time of day in seconds since midnight, with fractions.
  virtual double secondsSinceMidnight() = 0;
  // Waits the given number of seconds; see PauseKind for what runs meanwhile.
  virtual void pause(double seconds, PauseKind kind) = 0;

  // Starts a process from a command text without waiting for it; false when it cannot start.
  virtual bool startProcess(const std::string& commandText) = 0;
  virtual void openWebPage(const std::string& address) = 0;

  virtual ScreenSize screenSize() = 0;
  virtual std::string workingDirectory() = 0;
};

}  // namespace dorvan::platform
