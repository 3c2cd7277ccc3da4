// The desktop shell against the program's own windows and a small probe window.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QImage>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QStyleOptionViewItem>

#include "probe_form.h"
#include "qt/form_window.h"
#include "qt/surface.h"
#include "qt/units.h"
#include "startup/about/about_form.h"

namespace dorvan::qt::testing {
namespace {

using forms::ControlKind;

QSet<QRgb> coloursOf(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y) & 0xFFFFFFu);
  return colours;
}

QImage clientImage(FormWindow& window) {
  return window.client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(QtShellWindows, EveryWindowOfTheProgramOpensAndIsDrawn) {
  // The game windows as the command line opens them, and the about window over each.
  for (auto [commandLine, about] : {std::pair{"", false}, {"4", false}, {"5", false}, {"", true}}) {
    SCOPED_TRACE(std::string("command line \"") + commandLine + (about ? "\", about" : "\""));
    Session s(commandLine);
    s.startGame();
    if (about) s.shell.deliver([](forms::Application& app) { startup::openAbout(app, "About"); });
    s.shell.syncAll();
    forms::Form* form = s.app->activeForm();
    FormWindow& window = s.windowOf(*form);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle().toStdString(), form->caption);
    EXPECT_GT(coloursOf(window.grab().toImage()).size(), 1);

    // Every colour of a line object that lies wholly on the window shows somewhere.
    QImage client = clientImage(window);
    QSet<QRgb> colours = coloursOf(client);
    QRect area = client.rect();
    for (const forms::Control& c : form->controls()) {
      if (c.kind != ControlKind::Line || !c.container.empty() || !form->isShown(c)) continue;
      if (!area.contains(toPixels(c.x1), toPixels(c.y1)) ||
          !area.contains(toPixels(c.x2), toPixels(c.y2)))
        continue;
      QRgb wanted = toQColor(c.color, window.palette()).rgb() & 0xFFFFFFu;
      EXPECT_TRUE(colours.contains(wanted)) << c.name << "(" << c.index << ")";
    }
  }
}

// The two-player controls and the high scores are hidden as the window opens: they get their
// widgets when first shown, in their place and order; the long caption of the paste button
// wraps, and a points entry starts with four tabs and still fits the list without scrolling.
TEST(QtShellWindows, AHiddenControlGetsItsWidgetWhenFirstShownAndItsTextFits) {
  Session s;
  forms::Form& form = s.startGame();
  s.shell.syncAll();
  FormWindow& window = s.windowOf(form);
  ASSERT_FALSE(form.isShown(form.at("Command2")));
  ASSERT_FALSE(form.isShown(form.at("List2")));
  EXPECT_EQ(window.widgetFor(form.at("Command2")), nullptr);
  EXPECT_EQ(window.widgetFor(form.at("List2")), nullptr);
  EXPECT_NE(window.widgetFor(form.at("Picture3")), nullptr);  // containers are there at once

  s.click(form, "ip", 1);
  s.click(form, "high");
  s.shell.syncAll();
  auto* paste = qobject_cast<QPushButton*>(window.widgetFor(form.at("Command2")));
  auto* list = qobject_cast<QListWidget*>(window.widgetFor(form.at("List2")));
  ASSERT_NE(paste, nullptr);
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(paste->isVisible());
  EXPECT_TRUE(list->isVisible());
  EXPECT_EQ(list->parentWidget(), window.widgetFor(form.at("Picture3")));

  // The client's widgets stack in the order their controls were declared, late ones included.
  std::vector<const forms::Control*> stacked;
  for (QObject* child : window.client()->children())
    for (const forms::Control& c : form.controls())
      if (child == window.widgetFor(c)) stacked.push_back(&c);
  std::vector<const forms::Control*> declared;
  for (const forms::Control& c : form.controls())
    if (c.container.empty() && window.widgetFor(c)) declared.push_back(&c);
  EXPECT_EQ(stacked, declared);

  const QStringList lines = paste->text().split('\n');
  EXPECT_GT(lines.size(), 3);
  EXPECT_EQ(lines.join(' '), QString::fromStdString(form.at("Command2").caption));
  for (const QString& line : lines)
    EXPECT_LE(paste->fontMetrics().horizontalAdvance(line), paste->width()) << line.toStdString();
  ASSERT_EQ(list->count(), 10);
  QStyleOptionViewItem option;
  option.initFrom(list);
  const QSize entry = list->itemDelegate()->sizeHint(option, list->model()->index(1, 0));
  EXPECT_GT(entry.width(), option.fontMetrics.horizontalAdvance("62,000"));
  EXPECT_LT(entry.width(), list->viewport()->width());
}

TEST(QtShellInput, ClicksKeysAndMenusReachTheHandlersThroughTheModel) {
  Session s;
  ProbeForm& probe = s.openProbe();
  FormWindow& window = s.windowOf(probe);

  // A transparent label over the drawing takes the click; a press there released elsewhere not.
  clickAt(window.client(), {50, 100});
  EXPECT_EQ(probe.targetClicks, 1);
  sendMouse(window.client(), QEvent::MouseButtonPress, {50, 100});
  sendMouse(window.client(), QEvent::MouseButtonRelease, {250, 250});
  EXPECT_EQ(probe.targetClicks, 1);

  // The check box changes once, by the application, and shows the model's value.
  auto* check = qobject_cast<QAbstractButton*>(window.widgetFor(probe.at("Chk")));
  ASSERT_NE(check, nullptr);
  check->click();
  EXPECT_EQ(probe.at("Chk").value, 1);
  EXPECT_EQ(probe.checkClicks, 1);
  EXPECT_TRUE(check->isChecked());

  // Enter presses the default button.
  probe.pauseSeconds = 0;
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &enter);
  EXPECT_TRUE(probe.ranAfterPause);

  // Menus: the bar holds the top items in order; separators, check marks and hidden items.
  QList<QAction*> bar = window.menuBar()->actions();
  ASSERT_EQ(bar.size(), 2);
  EXPECT_EQ(bar[0]->text(), "&Game");
  EXPECT_EQ(bar[1]->text(), "&Help");
  ASSERT_NE(bar[0]->menu(), nullptr);
  QList<QAction*> game = bar[0]->menu()->actions();
  ASSERT_EQ(game.size(), 4);
  EXPECT_EQ(game[0], window.actionFor(probe.at("mnuNew")));
  EXPECT_TRUE(game[1]->isSeparator());
  EXPECT_TRUE(game[2]->isChecked());
  EXPECT_FALSE(game[3]->isVisible());

  game[0]->trigger();
  pumpEvents(10);
  EXPECT_EQ(probe.newClicks, 1);
  // Qt's own toggle of a checked item is undone: only handlers change the check mark.
  game[2]->trigger();
  pumpEvents(10);
  EXPECT_TRUE(game[2]->isChecked());
  probe.at("mnuSound").checked = false;
  s.shell.syncAll();
  EXPECT_FALSE(game[2]->isChecked());
}

TEST(QtShellWindows, TheCloseBoxUnloadsTheFormAndTheLastOneEndsTheProgram) {
  Session s;
  QPointer<FormWindow> window = &s.windowOf(s.openProbe());
  window->close();
  EXPECT_TRUE(s.app->ended());
  EXPECT_TRUE(s.app->openForms().empty());
  pumpEvents(10);
  EXPECT_TRUE(window.isNull());
}

}  // namespace
}  // namespace dorvan::qt::testing
