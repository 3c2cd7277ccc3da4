// A timer faster than the screen: its ticks all run, a frame's worth at a time, and each frame
// repaints only the strokes that moved.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPaintEvent>
#include <algorithm>
#include <vector>

#include "probe_form.h"
#include "qt/form_window.h"
#include "qt/surface.h"

namespace dorvan::qt::testing {
namespace {

class PaintLog : public QObject {
 public:
  std::vector<QRect> painted;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      painted.push_back(static_cast<QPaintEvent*>(event)->region().boundingRect());
    return false;
  }
};

TEST(QtShellAnimation, FastTicksRunInFramesThatRepaintOnlyWhatMoved) {
  Session s;
  ProbeForm& probe = s.openProbe();
  FormWindow& window = s.windowOf(probe);
  pumpEvents(50);
  PaintLog log;
  window.client()->installEventFilter(&log);
  QElapsedTimer clock;
  clock.start();
  s.shell.deliver([&](forms::Application&) { probe.at("Fast").setTimerEnabled(true); });
  pumpEvents(400);
  qint64 elapsed = clock.elapsed();
  s.shell.deliver([&](forms::Application&) { probe.at("Fast").setTimerEnabled(false); });

  // The ticks keep time with the interval (a loaded machine may drop some), yet the window is
  // painted about once a frame, not once a tick.
  const int frames = static_cast<int>(log.painted.size());
  EXPECT_GT(probe.fastTicks, elapsed / 4);
  EXPECT_LE(frames, elapsed / 10 + 2);
  EXPECT_GE(probe.fastTicks, 4 * frames);
  const QRect whole = window.client()->rect();
  int largest = 0;
  for (const QRect& area : log.painted) largest = std::max(largest, area.width() * area.height());
  EXPECT_LT(largest, whole.width() * whole.height() / 50);
}

}  // namespace
}  // namespace dorvan::qt::testing
