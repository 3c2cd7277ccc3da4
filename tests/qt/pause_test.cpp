// Pauses against input from the window system: one that takes no input throws the player's
// clicks and keys away, one that lets events run handles them at once.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>

#include "probe_form.h"
#include "qt/form_window.h"
#include "qt/surface.h"
#include "window_system_input.h"

namespace dorvan::qt::testing {
namespace {

using platform::PauseKind;

const QPoint kOnTarget{50, 100};  // on the transparent label over Ln(1)

TEST(QtShellPauses, APauseWithoutInputDropsClicksKeysAndTicksAndStillRepaints) {
  Session s;
  ProbeForm& probe = s.openProbe();
  FormWindow& window = s.windowOf(probe);
  probe.pauseSeconds = 0;
  // Between events a click and a key from the window system reach their handlers.
  queueClick(window.client(), kOnTarget);
  queueKey(&window, Qt::Key_Return);
  ASSERT_TRUE(pumpUntil([&] { return probe.targetClicks == 1 && probe.goClicks == 1; }));
  ASSERT_TRUE(pumpUntil([&] { return probe.ticks > 0; }));

  // The click and the key are made while the handler runs, so the window system hands them
  // over during its pause; so is the picture looked at.
  probe.pauseKind = PauseKind::NoInput;
  probe.pauseSeconds = 0.25;
  QColor seenDuringPause;
  QElapsedTimer clock;
  clock.start();
  s.shell.deliver([&](forms::Application& app) {
    queueClick(window.client(), kOnTarget);
    queueKey(&window, Qt::Key_Return);
    QTimer::singleShot(
        0, [&] { seenDuringPause = window.client()->grab().toImage().pixelColor(100, 100); });
    probe.at("Ln", 1).color = 0x00FF00;  // shown as the handler waits
    app.click(probe, probe.at("Go"));
  });
  EXPECT_GE(clock.elapsed(), 240);
  EXPECT_TRUE(probe.ranAfterPause);
  EXPECT_EQ(probe.ticksDuringPause, 0);
  EXPECT_EQ(probe.clicksDuringPause, 0);
  EXPECT_EQ(seenDuringPause, QColor(0, 255, 0));

  // Dropped, not kept for later: neither the click nor Enter runs once the pause is over, while
  // the timer goes on ticking.
  int ticksAfter = probe.ticks;
  ASSERT_TRUE(pumpUntil([&] { return probe.ticks > ticksAfter + 2; }));
  EXPECT_EQ(probe.targetClicks, 1);
  EXPECT_EQ(probe.goClicks, 2);
}

TEST(QtShellPauses, APauseThatLetsEventsRunHandlesClicksAndTicksAndEndingUnwindsIt) {
  Session s;
  ProbeForm& probe = s.openProbe();
  FormWindow& window = s.windowOf(probe);
  probe.pauseKind = PauseKind::LetEventsRun;
  probe.pauseSeconds = 0.2;
  s.shell.deliver([&](forms::Application& app) {
    queueClick(window.client(), kOnTarget);
    app.click(probe, probe.at("Go"));
  });
  EXPECT_TRUE(probe.ranAfterPause);
  EXPECT_EQ(probe.clicksDuringPause, 1);
  EXPECT_GT(probe.ticksDuringPause, 0);

  // A tick that ends the program returns the pause at once; the waiting handler goes no further.
  probe.ranAfterPause = false;
  probe.pauseSeconds = 60;
  probe.endOnTick = true;
  QElapsedTimer clock;
  clock.start();
  s.shell.deliver([&](forms::Application& app) { app.click(probe, probe.at("Go")); });
  EXPECT_LT(clock.elapsed(), 30000);
  EXPECT_FALSE(probe.ranAfterPause);
  EXPECT_TRUE(s.app->ended());
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace dorvan::qt::testing
