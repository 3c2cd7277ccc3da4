// A window shows its content scaled uniformly to fit, larger or smaller, in the middle; clicks
// land where the scaled controls are drawn. The scale follows the window alone, and no window
// grows past the screen or is placed off it.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGuiApplication>
#include <QImage>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <set>

#include "probe_form.h"
#include "qt/form_window.h"
#include "qt/surface.h"

namespace dorvan::qt::testing {
namespace {

constexpr QSize kDesignedClient{592, 350};  // the probe's client area at its own size

// Resizes the window the way the player would, so that its client area has the given size.
void resizeClient(FormWindow& window, QSize client) {
  window.resize(client + QSize(0, window.menuBar()->height()));
  pumpEvents(20);
  ASSERT_EQ(window.client()->size(), client);
}

QRect screenArea() {
  return QGuiApplication::primaryScreen()->availableGeometry();
}

TEST(QtShellScaling, AResizedWindowScalesItsContentAndItsClicksUpAndDownWithinTheScreen) {
  Session s;
  ProbeForm& probe = s.openProbe();
  FormWindow& window = s.windowOf(probe);
  ASSERT_EQ(window.client()->size(), kDesignedClient);
  EXPECT_EQ(window.scale().factor(), 1.0);

  // 1.3 times as high and a little more across: 1.3 times the size, in the middle across.
  resizeClient(window, QSize(780, 455));
  EXPECT_DOUBLE_EQ(window.scale().factor(), 1.3);
  const QPoint corner(5, 0);
  EXPECT_EQ(window.client()->origin(), corner);

  // Ln(1), 150..3000 twips along y = 1500, four pixels wide at this size.
  QImage image = window.client()->grab().toImage();
  const QColor red(255, 0, 0);
  EXPECT_EQ(image.pixelColor(corner + QPoint(100, 130)), red);
  EXPECT_EQ(image.pixelColor(corner + QPoint(100, 131)), red);
  EXPECT_NE(image.pixelColor(corner + QPoint(100, 100)), red);

  // The target label over it takes a click where it is drawn now, not where it was.
  clickAt(window.client(), QPoint(100, 170));
  EXPECT_EQ(probe.targetClicks, 0);
  clickAt(window.client(), corner + QPoint(100, 130));
  EXPECT_EQ(probe.targetClicks, 1);

  // Widgets grow alike; the check box still answers.
  QWidget* picture = window.widgetFor(probe.at("Pic"));
  EXPECT_EQ(picture->geometry(), QRect(corner + QPoint(390, 26), QSize(260, 260)));
  auto* check = qobject_cast<QAbstractButton*>(window.widgetFor(probe.at("Chk")));
  ASSERT_NE(check, nullptr);
  EXPECT_EQ(check->geometry(), QRect(2 + 13, 2 + 13, 173, 26));
  check->click();
  EXPECT_EQ(probe.checkClicks, 1);

  // Half the size: everything half, and still in reach.
  resizeClient(window, QSize(296, 175));
  EXPECT_DOUBLE_EQ(window.scale().factor(), 0.5);
  EXPECT_EQ(window.client()->origin(), QPoint(0, 0));
  clickAt(window.client(), QPoint(50, 50));
  EXPECT_EQ(probe.targetClicks, 2);

  // Back at its own size it is drawn as designed: Ln(1) three pixels wide along y = 100, the
  // hidden Ln(2) nowhere, the opaque label's background; and it follows the model's changes.
  resizeClient(window, kDesignedClient);
  EXPECT_EQ(window.scale().factor(), 1.0);
  EXPECT_EQ(window.client()->origin(), QPoint(0, 0));
  clickAt(window.client(), QPoint(50, 100));
  EXPECT_EQ(probe.targetClicks, 3);
  image = window.client()->grab().toImage();
  EXPECT_EQ(image.pixelColor(100, 100), red);
  EXPECT_EQ(image.pixelColor(100, 101), red);
  EXPECT_EQ(image.pixelColor(100, 150), QColor(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(image.pixelColor(105, 227), QColor(255, 255, 0));
  s.shell.deliver([&](forms::Application&) {
    probe.at("Ln", 1).color = 0xFF0000;
    probe.at("Ln", 2).visible = true;
    probe.at("Pic").visible = false;  // and the check box inside it with it
  });
  image = window.client()->grab().toImage();
  EXPECT_EQ(image.pixelColor(100, 100), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(100, 150), QColor(0, 255, 0));
  EXPECT_FALSE(check->isVisible());

  // No window grows past the screen, nor when the form asks for it.
  window.resize(32767, 32767);
  pumpEvents(20);
  EXPECT_TRUE(screenArea().size().boundedTo(window.size()) == window.size());
  s.shell.deliver([&](forms::Application&) {
    probe.width = 1000000;
    probe.height = 1000000;
  });
  EXPECT_TRUE(screenArea().size().boundedTo(window.size()) == window.size());
}

// On a window as large as the screen, every control shown lies whole inside the client area, and
// the scale stays put as the cumulative panel comes and goes. Every word of a label's caption
// fits the label's width, and a check box's or option's caption fits beside its mark: the fonts
// shrink rather than clip.
TEST(QtShellScaling, TheGameWindowsFitTheScreenWholeAndEveryCaptionReadsWhole) {
  for (const char* commandLine : {"", "4"}) {
    SCOPED_TRACE(std::string("command line \"") + commandLine + "\"");
    Session s(commandLine);
    forms::Form& form = s.startGame();
    FormWindow& window = s.windowOf(form);
    window.setGeometry(screenArea());
    pumpEvents(20);
    const double factor = window.scale().factor();
    const QPoint origin = window.client()->origin();
    s.click(form, "ip", 1);
    for (bool panel : {false, true}) {
      if (panel) {
        s.click(form, "cuscore");
        ASSERT_TRUE(form.at("Picture1").visible);
      }
      if (std::string(commandLine) == "4") {
        EXPECT_EQ(window.scale().factor(), factor);
        EXPECT_EQ(window.client()->origin(), origin);
      }
      for (const forms::Control& c : form.controls()) {
        QWidget* widget = window.widgetFor(c);
        if (!widget || !form.isShown(c) || !c.container.empty()) continue;
        QRect g = widget->geometry();
        EXPECT_TRUE(window.client()->rect().contains(g))
            << c.name << "(" << c.index << ") " << g.x() << "," << g.y() << " " << g.width() << "x"
            << g.height() << " in " << window.client()->width() << "x" << window.client()->height();
      }
    }
    for (const Surface::Item& item : window.client()->items()) {
      if (item.kind != Surface::Item::Kind::Label) continue;
      QFontMetrics metrics(item.font);
      for (const QString& word : item.caption.split(' ', Qt::SkipEmptyParts))
        EXPECT_LE(metrics.horizontalAdvance(word), item.rect.width())
            << item.control->name << ": " << word.toStdString();
    }
    for (const forms::Control& c : form.controls()) {
      auto* button = qobject_cast<QAbstractButton*>(window.widgetFor(c));
      if (!button || !form.isShown(c) || c.kind == forms::ControlKind::CommandButton) continue;
      int room = button->width() - button->style()->pixelMetric(QStyle::PM_IndicatorWidth);
      EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), room) << c.name;
    }
  }
}

TEST(QtShellScaling, FurtherGameWindowsStayOnTheScreen) {
  Session s;
  s.shell.setInputBoxHook([](const std::string&, const std::string&) { return "Next"; });
  s.startGame();
  std::set<std::pair<int, int>> places;
  // Each from the newest: the form places the next one further down and right.
  for (int k = 0; k < 30; ++k) {
    s.shell.deliver(
        [](forms::Application& app) { app.click(*app.activeForm(), app.activeForm()->at("add")); });
    FormWindow& window = s.windowOf(*s.app->activeForm());
    EXPECT_TRUE(screenArea().contains(window.frameGeometry())) << "window " << k + 2;
    places.emplace(window.x(), window.y());
  }
  EXPECT_GT(places.size(), 10u);
}

}  // namespace
}  // namespace dorvan::qt::testing
