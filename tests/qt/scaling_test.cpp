// A window larger than its content shows the content scaled uniformly to fit, in the middle;
// clicks land where the scaled controls are drawn.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
#include <QMenuBar>
#include <QMouseEvent>

#include "probe_form.h"
#include "qt/form_window.h"
#include "qt/surface.h"

namespace dorvan::qt::testing {
namespace {

constexpr QSize kDesignedClient{592, 350};  // the probe's client area at its own size

void click(QWidget* widget, QPoint pos) {
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
  }
}

// Enlarges the window the way the player would, so that its client area has the given size.
void enlarge(FormWindow& window, QSize client) {
  window.resize(client + QSize(0, window.menuBar()->height()));
  pumpEvents(20);
  ASSERT_EQ(window.client()->size(), client);
}

TEST(QtShellScaling, AnEnlargedWindowScalesItsContentAndItsClicks) {
  Session s;
  ProbeForm& probe = s.openProbe();
  FormWindow& window = s.windowOf(probe);
  ASSERT_EQ(window.client()->size(), kDesignedClient);
  EXPECT_EQ(window.scale().factor(), 1.0);

  // Three times as wide and twice as high: twice the size, in the middle across.
  enlarge(window, QSize(3 * kDesignedClient.width(), 2 * kDesignedClient.height()));
  EXPECT_DOUBLE_EQ(window.scale().factor(), 2.0);
  const QPoint corner(kDesignedClient.width() / 2, 0);
  EXPECT_EQ(window.client()->origin(), corner);

  // Ln(1), 150..3000 twips along y = 1500, three pixels wide at the designed size.
  QImage image = window.client()->grab().toImage();
  const QColor red(255, 0, 0);
  EXPECT_EQ(image.pixelColor(corner + QPoint(100, 200)), red);
  EXPECT_EQ(image.pixelColor(corner + QPoint(100, 202)), red);
  EXPECT_NE(image.pixelColor(corner + QPoint(100, 100)), red);

  // The target label over it takes a click where it is drawn now, not where it was.
  click(window.client(), QPoint(50, 100));
  EXPECT_EQ(probe.targetClicks, 0);
  click(window.client(), corner + QPoint(100, 200));
  EXPECT_EQ(probe.targetClicks, 1);

  // Widgets and their fonts grow alike; the check box still answers.
  QWidget* picture = window.widgetFor(probe.at("Pic"));
  EXPECT_EQ(picture->geometry(), QRect(corner + QPoint(600, 40), QSize(400, 400)));
  auto* check = qobject_cast<QAbstractButton*>(window.widgetFor(probe.at("Chk")));
  ASSERT_NE(check, nullptr);
  EXPECT_EQ(check->geometry(), QRect(2 + 20, 2 + 20, 267, 40));
  ASSERT_GT(probe.at("Chk").fontSize, 0);
  EXPECT_DOUBLE_EQ(check->font().pointSizeF(), 2.0 * probe.at("Chk").fontSize);
  check->click();
  EXPECT_EQ(probe.checkClicks, 1);

  // Back at its own size it is drawn as designed.
  enlarge(window, kDesignedClient);
  EXPECT_EQ(window.scale().factor(), 1.0);
  EXPECT_EQ(window.client()->origin(), QPoint(0, 0));
  click(window.client(), QPoint(50, 100));
  EXPECT_EQ(probe.targetClicks, 2);
}

}  // namespace
}  // namespace dorvan::qt::testing
