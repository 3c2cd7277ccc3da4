#include <gtest/gtest.h>

#include <sstream>

#include "forms/application.h"
#include "registry/form_registry.h"
#include "script/script_runner.h"
#include "startup/about/about_form.h"
#include "startup/help.h"
#include "support/consistency.h"

namespace dorvan::startup {
namespace {

constexpr const char* kSquaredCaption = "Dorvan 2004 - 2D, 3D, 4D -- Squared";

// Stands in for a game window: its buttons do what the game windows' help and about entries do.
class Caller : public forms::Form {
 public:
  explicit Caller(forms::Application& app) : Form(app, "Caller") {
    add(forms::ControlKind::CommandButton, "Help").onClick = [this](int) {
      startHelp(this->app(), true);
    };
    add(forms::ControlKind::CommandButton, "About").onClick = [this](int) {
      openAbout(this->app(), kSquaredCaption);
    };
  }
};

struct Session {
  std::ostringstream out;
  script::ScriptRunner runner{out, "",
                              [](forms::Application& app) {
                                registry::registerForms(app);
                                app.registerForm("Caller", [](forms::Application& a) {
                                  return std::make_unique<Caller>(a);
                                });
                              },
                              "Caller"};

  // Runs script lines and returns what they printed.
  std::string operator()(const std::string& lines) {
    out.str("");
    std::istringstream in(lines);
    std::ostringstream err;
    EXPECT_EQ(runner.runAll(in, err), 0) << err.str();
    return out.str();
  }
  forms::Application& app() { return runner.app(); }
  AboutForm* about() {
    for (forms::Form* f : app().openForms())
      if (f->name() == "frmAbout") return static_cast<AboutForm*>(f);
    return nullptr;
  }
};

std::vector<long> starTable(const AboutForm& form, const char* name) {
  return form.table(name).value().rows.at(0);
}

TEST(Help, StartsTheViewerOnTheHelpFileEveryTimeItIsAsked) {
  Session run;
  EXPECT_EQ(run("click Help\nclick Help\n"),
            "process \"winhlp32 \\\\dorvan4.hlp\" -> ok\n"
            "process \"winhlp32 \\\\dorvan4.hlp\" -> ok\n");
}

TEST(Help, AGameWindowReportsAFailedStartWithTheWorkingDirectoryThenNoHelp) {
  Session run;
  run.runner.platform().setWorkingDirectory("/home/player/games");
  EXPECT_EQ(run("fail-process on\nclick Help\n"),
            "process \"winhlp32 \\\\dorvan4.hlp\" -> failed\n"
            "msgbox text=\"/home/player/games\" title=\"\" buttons=ok icon=info default=1 -> ok\n"
            "msgbox text=\"   \\\\dorvan4.hlp was not found in current directory.\" "
            "title=\"No help\" buttons=ok icon=info default=1 -> ok\n");
}

TEST(Help, TheHelpFolderGoesBeforeTheFileNameInTheCommandAndTheMessage) {
  Session run;
  run.app().helpFolder = "C:\\Dorvan";
  EXPECT_EQ(helpCommand(run.app()), "winhlp32 C:\\Dorvan\\dorvan4.hlp");
  std::string out = run("fail-process on\nclick Help\n");
  EXPECT_NE(out.find("text=\"   C:\\\\Dorvan\\\\dorvan4.hlp was not found in current directory.\""),
            std::string::npos)
      << out;
}

TEST(About, OpensCentredWithTheCallersCaptionOnceAndTheTitlesShown) {
  Session run;
  EXPECT_EQ(run("screen 20001 10001\nclick About\nshow frmAbout\n"),
            "open frmAbout\n"
            "frmAbout caption=\"Dorvan 2004 - 2D, 3D, 4D -- Squared\" left=6700 top=1790 "
            "width=6600 height=6420 visible=1\n");
  AboutForm* about = run.about();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->at("Label15", 0).visible);
  EXPECT_TRUE(about->at("Label15", 1).visible);
  about->Form_Paint();
  EXPECT_EQ(about->focus(), std::make_pair(std::string("Command1"), forms::kNoIndex));

  // Opened again from the other window while it is open: the same window takes the new caption.
  openAbout(run.app(), "Dorvan 2004 - 2D, 3D, 4D -- 4D Dorvan Basic");
  EXPECT_EQ(run.app().openForms().size(), 2u);
  EXPECT_EQ(about->caption, "Dorvan 2004 - 2D, 3D, 4D -- 4D Dorvan Basic");
}

TEST(About, EachOpeningScattersThirtyStarsFromTheNextSixtyRandomValues) {
  Session run;
  RandomSource expected;  // the same never-seeded sequence as the program's
  for (int opening = 0; opening < 2; ++opening) {
    run("click About\n");
    ASSERT_NE(run.about(), nullptr);
    std::vector<long> xs = starTable(*run.about(), "starx");
    std::vector<long> ys = starTable(*run.about(), "stary");
    ASSERT_EQ(xs.size(), 30u);
    for (size_t i = 0; i < 30; ++i) {
      EXPECT_EQ(xs[i], static_cast<long>(expected.next() * 2600) + 1) << "star " << i + 1;
      EXPECT_EQ(ys[i], static_cast<long>(expected.next() * 5900) + 1) << "star " << i + 1;
    }
    EXPECT_EQ(run.app().random().next(), expected.next()) << "took more than 60 values";
    run("click Cmd_OK\n");
    EXPECT_EQ(run.about(), nullptr);
  }
}

TEST(About, TheStarsTwinkleInTheirFieldAndAppearElsewhereWhenTheyGoOut) {
  Session run;
  run("click About\n");
  AboutForm& about = *run.about();
  std::vector<long> xs = starTable(about, "starx");
  std::vector<long> ages = starTable(about, "starage");
  // The oldest star is the last; it goes out after the ticks it has left.
  long ticksLeft = AboutForm::kLifetime - ages.back();
  RandomSource shadow;
  for (int i = 0; i < 60; ++i) shadow.next();

  run("wait " + std::to_string(ticksLeft - 1) + "\n");
  EXPECT_EQ(starTable(about, "starx"), xs);
  EXPECT_FALSE(about.strokes.empty());
  for (const forms::Stroke& s : about.strokes) {
    EXPECT_GE(std::min(s.x1, s.x2), 1 - 200);
    EXPECT_LE(std::max(s.x1, s.x2), AboutForm::kFieldWidth + 200);
    EXPECT_LE(std::max(s.y1, s.y2), AboutForm::kFieldHeight + 200);
  }

  run("wait 1\n");
  std::vector<long> moved = starTable(about, "starx");
  EXPECT_EQ(moved.back(), static_cast<long>(shadow.next() * 2600) + 1);
  EXPECT_EQ(starTable(about, "stary").back(), static_cast<long>(shadow.next() * 5900) + 1);
  EXPECT_EQ(starTable(about, "starage").back(), 0);
  EXPECT_EQ(std::vector<long>(moved.begin(), moved.end() - 1),
            std::vector<long>(xs.begin(), xs.end() - 1));
  EXPECT_TRUE(support::consistencyProblems(about).empty());
}

TEST(About, LinksLightUpUnderThePointerAndOpenTheirPages) {
  Session run;
  run("click About\n");
  AboutForm& about = *run.about();
  forms::Control& able = about.at("able");
  forms::Control& maker = about.at("label7", 7);
  EXPECT_EQ(able.forecolor, 0xFF8080u);   // RGB(128, 128, 255)
  EXPECT_EQ(maker.forecolor, 0xC0C000u);  // RGB(0, 192, 192)

  run.app().mouseMove(about, able, 10, 10);
  EXPECT_EQ(able.forecolor, 0xFFC0C0u);  // RGB(192, 192, 255)
  run.app().mouseMove(about, maker, 10, 10);
  EXPECT_EQ(able.forecolor, 0xFF8080u);
  EXPECT_EQ(maker.forecolor, 0xFFFF00u);  // RGB(0, 255, 255)
  run.app().mouseMove(about, about.at("label7", 2), 10, 10);
  EXPECT_EQ(maker.forecolor, 0xC0C000u);

  run.out.str("");
  run.app().mouseDown(about, able, 10, 10);
  run.app().mouseDown(about, about.at("label7", 2), 10, 10);
  run.app().mouseDown(about, maker, 10, 10);
  EXPECT_EQ(run.out.str(), std::string("browse \"") + AboutForm::kHomePage + "\"\nbrowse \"" +
                               AboutForm::kMakerPage + "\"\n");
}

TEST(About, ViewHelpStaysSilentWhenTheViewerCannotStart) {
  Session run;
  EXPECT_EQ(run("click About\nfail-process on\nclick Command1\nfail-process off\nclick Command1\n"
                "click Cmd_OK\n"),
            "open frmAbout\n"
            "process \"winhlp32 \\\\dorvan4.hlp\" -> failed\n"
            "process \"winhlp32 \\\\dorvan4.hlp\" -> ok\n"
            "close frmAbout\n");
}

}  // namespace
}  // namespace dorvan::startup
