#include "script/script_platform.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

#include "forms/application.h"
#include "script/limits.h"
#include "script/quoting.h"

namespace dorvan::script {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

const char* iconName(Icon icon) {
  switch (icon) {
    case Icon::Info:
      return "info";
    case Icon::Question:
      return "question";
    case Icon::Warning:
      return "warning";
    case Icon::None:
      break;
  }
  return "none";
}

}  // namespace

void ScriptPlatform::queueAnswer(std::string answer, bool isText) {
  answers_.push_back({std::move(answer), isText});
}

void ScriptPlatform::setTimeOfDay(double seconds) {
  dayBase_ = std::fmod(seconds, platform::kSecondsPerDay);
  if (dayBase_ < 0) dayBase_ += platform::kSecondsPerDay;
  dayBaseMs_ = nowMs_;
}

Answer ScriptPlatform::messageBox(const std::string& text, const std::string& title,
                                  Buttons buttons, Icon icon, int defaultButton) {
  Answer answer = Answer::Ok;
  if (buttons == Buttons::YesNo) {
    answer = defaultButton == 1 ? Answer::Yes : Answer::No;
    if (!answers_.empty()) {
      const QueuedAnswer& queued = answers_.front();
      if (!queued.isText && queued.text == "yes") answer = Answer::Yes;
      if (!queued.isText && queued.text == "no") answer = Answer::No;
    }
  }
  if (!answers_.empty()) answers_.pop_front();
  const char* answerName = answer == Answer::Yes ? "yes" : answer == Answer::No ? "no" : "ok";
  out_ << "msgbox text=" << quote(text) << " title=" << quote(title)
       << " buttons=" << (buttons == Buttons::YesNo ? "yesno" : "ok") << " icon=" << iconName(icon)
       << " default=" << defaultButton << " -> " << answerName << "\n";
  return answer;
}

std::optional<std::string> ScriptPlatform::inputBox(const std::string& prompt,
                                                    const std::string& title) {
  std::optional<std::string> answer;
  if (!answers_.empty()) {
    const QueuedAnswer& queued = answers_.front();
    if (queued.isText) answer = queued.text;
    if (!queued.isText && queued.text == "ok") answer = "";
    answers_.pop_front();
  }
  out_ << "inputbox prompt=" << quote(prompt) << " title=" << quote(title) << " -> "
       << (answer ? quote(*answer) : "cancel") << "\n";
  return answer;
}

void ScriptPlatform::clipboardClear() {
  clipboard_.reset();
  out_ << "clipboard clear\n";
}

void ScriptPlatform::clipboardSetText(const std::string& text) {
  clipboard_ = text;
  out_ << "clipboard set " << quote(text) << "\n";
}

std::string ScriptPlatform::clipboardText() {
  std::string text = clipboard_.value_or("");
  out_ << "clipboard get -> " << quote(text) << "\n";
  return text;
}

void ScriptPlatform::beep() {
  out_ << "beep\n";
}

double ScriptPlatform::secondsSinceMidnight() {
  double t = dayBase_ + static_cast<double>(nowMs_ - dayBaseMs_) / 1000.0;
  return std::fmod(t, platform::kSecondsPerDay);
}

void ScriptPlatform::pause(double seconds, platform::PauseKind kind) {
  const bool letEventsRun = kind == platform::PauseKind::LetEventsRun;
  // No pause of the program is longer than a moment; a day keeps a wrong length harmless.
  seconds = std::min(seconds, platform::kSecondsPerDay);
  auto ms = seconds > 0 ? static_cast<std::int64_t>(std::ceil(seconds * 1000.0 - 1e-6)) : 0;
  // Events that were waiting arrive as the pause begins; the time they take is part of it.
  const std::int64_t end = nowMs_ + ms;
  if (letEventsRun && eventsHook_) eventsHook_();
  if (end <= nowMs_) return;
  syncTimers();
  runClockTo(end, letEventsRun);
  syncTimers();
}

void ScriptPlatform::advance(std::int64_t ms) {
  if (ms <= 0) return;
  syncTimers();
  runClockTo(nowMs_ + ms, true);
}

const std::vector<const forms::Control*>& ScriptPlatform::timersOf(const forms::Form& form) {
  FormTimers& found = formTimers_[&form];
  // Controls are only ever added, and they stay where they are.
  if (found.controls != form.controls().size()) {
    found.timers.clear();
    for (const forms::Control& c : form.controls()) {
      if (c.kind == forms::ControlKind::Timer) found.timers.push_back(&c);
    }
    found.controls = form.controls().size();
  }
  return found.timers;
}

void ScriptPlatform::syncTimers() {
  if (!app_) return;
  std::erase_if(formTimers_, [&](const auto& entry) { return !app_->isOpen(entry.first); });
  ++looks_;
  for (forms::Form* form : app_->openForms()) {
    for (const forms::Control* c : timersOf(*form)) {
      if (!c->enabled || c->interval <= 0) continue;
      auto [it, added] = timers_.try_emplace({form, c});
      if (added || it->second.phase != c->phase)
        it->second = {c->phase, nowMs_ + c->interval, looks_};
      else
        it->second.seen = looks_;
    }
  }
  std::erase_if(timers_, [&](const auto& entry) { return entry.second.seen != looks_; });
}

void ScriptPlatform::runClockTo(std::int64_t target, bool fire) {
  std::map<TimerKey, std::int64_t> fired;
  while (!ended_) {
    // The earliest timer due by the target; ties go to the window opened first.
    const auto& open = app_ ? app_->openForms() : std::vector<forms::Form*>{};
    auto age = [&](const forms::Form* f) { return std::find(open.begin(), open.end(), f); };
    const TimerKey* earliest = nullptr;
    std::int64_t due = target + 1;
    for (const auto& [key, state] : timers_) {
      if (state.due < due ||
          (earliest && state.due == due && age(key.first) < age(earliest->first))) {
        due = state.due;
        earliest = &key;
      }
    }
    if (!earliest || due > target) break;
    TimerKey key = *earliest;
    // An event run inside a pause may have moved the clock on already; it never goes back.
    nowMs_ = std::max(nowMs_, due);
    auto* form = const_cast<forms::Form*>(key.first);
    auto* timer = const_cast<forms::Control*>(key.second);
    if (!fire || ++fired[key] > kMaxTicksPerStretch) {
      // A busy program misses the ticks that fall due meanwhile.
      std::int64_t missed = (target - due) / timer->interval + 1;
      timers_[key].due = due + missed * timer->interval;
      continue;
    }
    timers_[key].due = due + timer->interval;
    app_->run([&] { app_->tick(*form, *timer); });
    syncTimers();
  }
  if (!ended_) nowMs_ = std::max(nowMs_, target);
}

bool ScriptPlatform::startProcess(const std::string& commandText) {
  out_ << "process " << quote(commandText) << " -> " << (failProcess_ ? "failed" : "ok") << "\n";
  return !failProcess_;
}

void ScriptPlatform::openWebPage(const std::string& address) {
  out_ << "browse " << quote(address) << "\n";
}

void ScriptPlatform::windowShown(forms::Form& form) {
  out_ << "open " << form.name() << "\n";
}

void ScriptPlatform::windowUnloaded(forms::Form& form) {
  out_ << "close " << form.name() << "\n";
  syncTimers();
}

void ScriptPlatform::programEnding() {
  ended_ = true;
  out_ << "end\n";
}

}  // namespace dorvan::script
