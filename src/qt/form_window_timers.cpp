// The window's timers: one Qt timer per timer control, restarted with each new phase.
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "forms/application.h"
#include "qt/form_window.h"
#include "qt/qt_platform.h"

namespace dorvan::qt {

namespace {

using forms::Control;
using forms::ControlKind;

}  // namespace

int FormWindow::framePeriod() const {
  QScreen* display = screen();
  double rate = display && display->refreshRate() > 1.0 ? display->refreshRate() : 60.0;
  return std::max(1, static_cast<int>(1000.0 / rate));
}

void FormWindow::syncTimers() {
  for (Control& c : form_->controls()) {
    if (c.kind != ControlKind::Timer) continue;
    TimerEntry& entry = timers_[&c];
    if (!entry.timer) {
      entry.timer = new QTimer(this);
      entry.timer->setTimerType(Qt::PreciseTimer);
      Control* target = &c;
      connect(entry.timer, &QTimer::timeout, this, [this, target] { timerDue(*target); });
    }
    bool wanted = c.enabled && c.interval > 0;
    if (!wanted) {
      if (entry.running) entry.timer->stop();
      entry.running = false;
      continue;
    }
    // A new phase starts the count of intervals again.
    if (!entry.running || entry.phase != c.phase || entry.interval != c.interval) {
      entry.timer->start(std::max(c.interval, framePeriod()));
      entry.running = true;
      entry.phase = c.phase;
      entry.interval = c.interval;
      entry.started.start();
      entry.counted = 0;
    }
  }
}

void FormWindow::timerDue(Control& timer) {
  TimerEntry& entry = timers_[&timer];
  if (!entry.running) return;
  std::int64_t due = entry.started.elapsed() / entry.interval;
  // After a stall (a dialog, a pause, a busy machine) a frame runs at most one frame's ticks;
  // the rest are dropped.
  std::int64_t batch =
      std::clamp<std::int64_t>(due - entry.counted, 1, std::max(1, framePeriod() / entry.interval));
  entry.counted = std::max(due, entry.counted + 1);
  Control* target = &timer;
  std::uint64_t phase = entry.phase;
  deliver([target, phase, batch](forms::Application& app, forms::Form& form) {
    // A tick that stops or restarts the timer, or closes the window, ends the batch.
    for (std::int64_t i = 0; i < batch && target->phase == phase; ++i) {
      app.tick(form, *target);
      if (app.ended() || !app.isOpen(&form) || !target->enabled) break;
    }
  });
}

}  // namespace dorvan::qt
