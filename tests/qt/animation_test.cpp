// A timer faster than the screen: its ticks all run, a frame's worth at a time, and each frame
// repaints only the strokes that moved.

#include <gtest/gtest.h>

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
  PaintLog log;
  window.client()->installEventFilter(&log);
  ASSERT_TRUE(pumpUntil([&] { return !log.painted.empty(); }));  // the window's first picture
  log.painted.clear();
  s.shell.deliver([&](forms::Application&) { probe.at("Fast").setTimerEnabled(true); });
  ASSERT_TRUE(pumpUntil([&] { return probe.fastTicks >= 200; }));
  s.shell.deliver([&](forms::Application&) { probe.at("Fast").setTimerEnabled(false); });

  // The window is painted about once a frame, not once a tick, and only where the stroke moved.
  const int frames = static_cast<int>(log.painted.size());
  EXPECT_GE(probe.fastTicks, 4 * frames);
  const QRect whole = window.client()->rect();
  int largest = 0;
  for (const QRect& area : log.painted) largest = std::max(largest, area.width() * area.height());
  EXPECT_LT(largest, whole.width() * whole.height() / 50);
}

}  // namespace
}  // namespace dorvan::qt::testing
