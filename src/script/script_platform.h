#pragma once
// The platform of the headless driver: answers come from a queue, the clock is virtual, and
// everything the program asks of the machine is written to the transcript.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "forms/window_host.h"
#include "platform/clock.h"
#include "platform/platform.h"

namespace dorvan::forms {
class Application;
struct Control;
}  // namespace dorvan::forms

namespace dorvan::script {

class ScriptPlatform : public platform::Platform, public forms::WindowHost {
 public:
  explicit ScriptPlatform(std::ostream& transcript) : out_(transcript) {}

  void attach(forms::Application& app) { app_ = &app; }
  // Called at every pause that lets events run, before the clock moves on: the driver delivers
  // the events a script has queued for that moment.
  void setEventsHook(std::function<void()> hook) { eventsHook_ = std::move(hook); }

  // What the script sets.
  void queueAnswer(std::string answer, bool isText);
  void setClipboard(std::optional<std::string> text) { clipboard_ = std::move(text); }
  void setTimeOfDay(double seconds);
  void setScreen(int width, int height) { screen_ = {width, height}; }
  void setProcessFailure(bool fail) { failProcess_ = fail; }
  void setWorkingDirectory(std::string dir) { workingDirectory_ = std::move(dir); }
  // Advances the virtual clock, firing the timers that fall due on the way.
  void advance(std::int64_t ms);
  // Notices timers switched on or off since the last look.
  void syncTimers();
  std::int64_t nowMs() const { return nowMs_; }
  bool ended() const { return ended_; }

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
  platform::ScreenSize screenSize() override { return screen_; }
  std::string workingDirectory() override { return workingDirectory_; }
  // forms::WindowHost
  void windowShown(forms::Form& form) override;
  void windowUnloaded(forms::Form& form) override;
  void programEnding() override;

 private:
  struct QueuedAnswer {
    std::string text;
    bool isText;
  };
  struct TimerState {
    std::uint64_t phase;
    std::int64_t due;
    std::uint64_t seen;  // the last look that found the timer running
  };
  using TimerKey = std::pair<const forms::Form*, const forms::Control*>;
  // A window's timers, found once: a look after every tick must not walk all its controls.
  struct FormTimers {
    std::size_t controls = 0;  // how many controls the window had when its timers were found
    std::vector<const forms::Control*> timers;
  };

  // Moves the clock to `target`, firing due timers when `fire` is set (each at most
  // kMaxTicksPerStretch times) and dropping them if not.
  void runClockTo(std::int64_t target, bool fire);
  const std::vector<const forms::Control*>& timersOf(const forms::Form& form);

  std::ostream& out_;
  forms::Application* app_ = nullptr;
  std::deque<QueuedAnswer> answers_;
  std::optional<std::string> clipboard_;
  std::int64_t nowMs_ = 0;    // monotonic virtual time
  double dayBase_ = 43200.0;  // time of day at nowMs_ == dayBaseMs_
  std::int64_t dayBaseMs_ = 0;
  platform::ScreenSize screen_{28800, 16200};
  bool failProcess_ = false;
  bool ended_ = false;
  std::string workingDirectory_;
  std::map<TimerKey, TimerState> timers_;
  std::uint64_t looks_ = 0;
  std::map<const forms::Form*, FormTimers> formTimers_;
  std::function<void()> eventsHook_;
};

}  // namespace dorvan::script
