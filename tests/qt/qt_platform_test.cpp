// The Qt platform's services: dialogs, processes, clipboard and screen.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include "probe_form.h"

namespace dorvan::qt::testing {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

// The title is what the program asks for, none included; the desktop names the program Dorvan.
TEST(QtPlatformDialogs, AMessageBoxHasExactlyTheButtonsIconDefaultAndTitleAskedFor) {
  ensureQtApplication();
  QtPlatform shell;
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Dorvan");
  auto question = QtPlatform::makeMessageBox(
      {"Game Over. Would you like to play again?", "", Buttons::YesNo, Icon::Question, 2}, nullptr);
  EXPECT_TRUE(question->windowTitle().isEmpty());
  EXPECT_EQ(question->icon(), QMessageBox::Question);
  EXPECT_EQ(question->standardButtons(), QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(question->defaultButton(),
            static_cast<QPushButton*>(question->button(QMessageBox::No)));

  auto info = QtPlatform::makeMessageBox({"text", "No help", Buttons::Ok, Icon::Info, 1}, nullptr);
  EXPECT_EQ(info->windowTitle(), "No help");
  EXPECT_EQ(info->icon(), QMessageBox::Information);
  EXPECT_EQ(info->standardButtons(), QMessageBox::Ok);
  EXPECT_EQ(info->defaultButton(), static_cast<QPushButton*>(info->button(QMessageBox::Ok)));
}

TEST(QtPlatformDialogs, TheAnswerIsTheButtonPressed) {
  ensureQtApplication();
  QtPlatform shell;
  auto press = [](QMessageBox::StandardButton which) {
    QTimer::singleShot(0, [which] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      box->button(which)->click();
    });
  };
  press(QMessageBox::Yes);
  EXPECT_EQ(shell.messageBox("Again?", "", Buttons::YesNo, Icon::Question, 2), Answer::Yes);
  press(QMessageBox::No);
  EXPECT_EQ(shell.messageBox("Again?", "", Buttons::YesNo, Icon::Question, 1), Answer::No);
}

TEST(QtPlatformMachine, ProgramsStartFromBesideTheGameNeverFromThePath) {
  ensureQtApplication();
  QtPlatform shell;
  EXPECT_FALSE(shell.startProcess("true \\dorvan4.hlp"));
  EXPECT_FALSE(shell.startProcess(""));

  // A helper installed beside the executable wins, and gets the rest of the command as arguments.
  QTemporaryDir out;
  QString helperPath = QDir(QCoreApplication::applicationDirPath()).filePath("dorvan-test-helper");
  QFile helper(helperPath);
  ASSERT_TRUE(helper.open(QIODevice::WriteOnly));
  helper.write("#!/bin/sh\necho \"$1\" > \"$2.tmp\" && mv \"$2.tmp\" \"$2\"\n");
  helper.close();
  helper.setPermissions(helper.permissions() | QFileDevice::ExeOwner);
  QString marker = out.filePath("ran");
  EXPECT_TRUE(shell.startProcess("dorvan-test-helper \\dorvan4.hlp " + marker.toStdString()));
  pumpUntil([&] { return QFile::exists(marker); });
  QFile result(marker);
  ASSERT_TRUE(result.open(QIODevice::ReadOnly));
  EXPECT_EQ(result.readAll().trimmed(), "\\dorvan4.hlp");
  QFile::remove(helperPath);
}

// An installation keeps the help viewer in libexec/dorvan, on no PATH; the build keeps it beside
// the game. A program of the same name on the PATH is someone else's and never started.
TEST(QtPlatformMachine, HelpersAreFoundBesideTheGameThenInItsPrivateFolderNeverOnThePath) {
  QTemporaryDir prefix;
  QDir root(prefix.path());
  ASSERT_TRUE(root.mkpath("bin") && root.mkpath("libexec/dorvan"));
  std::string game = root.filePath("bin").toStdString();
  auto put = [&](const QString& relative, bool executable) {
    QFile file(root.filePath(relative));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    if (executable) file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
  };

  put("libexec/dorvan/winhlp32", false);
  EXPECT_EQ(findProgram("winhlp32", game), "");
  put("libexec/dorvan/winhlp32", true);
  EXPECT_EQ(findProgram("winhlp32", game), root.filePath("libexec/dorvan/winhlp32").toStdString());
  put("bin/winhlp32", true);
  EXPECT_EQ(findProgram("winhlp32", game), root.filePath("bin/winhlp32").toStdString());

  ASSERT_FALSE(QStandardPaths::findExecutable("true").isEmpty());
  EXPECT_EQ(findProgram("true", game), "");
  EXPECT_EQ(findProgram("../bin/winhlp32", game + "/../libexec"), "");
}

TEST(QtPlatformMachine, ClipboardAndScreen) {
  ensureQtApplication();
  QtPlatform shell;
  shell.clipboardSetText("ml3mc3");
  EXPECT_EQ(shell.clipboardText(), "ml3mc3");
  shell.clipboardClear();
  EXPECT_EQ(shell.clipboardText(), "");

  QSize screen = QGuiApplication::primaryScreen()->size();
  EXPECT_EQ(shell.screenSize().width, screen.width() * 15);
  EXPECT_EQ(shell.screenSize().height, screen.height() * 15);
}

}  // namespace
}  // namespace dorvan::qt::testing
