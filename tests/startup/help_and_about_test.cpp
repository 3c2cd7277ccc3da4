// The about window beyond what the transcripts show: its focus, a second opening while it is
// open, and its links under the pointer.

#include <gtest/gtest.h>

#include <sstream>

#include "forms/application.h"
#include "script/script_runner.h"
#include "startup/about/about_form.h"
#include "support/consistency.h"

namespace dorvan::startup {
namespace {

// The 3D window with its about window opened from the Help menu.
struct AboutOpen {
  AboutOpen() { runner.execute("click ab", 1); }
  forms::Application& app() { return runner.app(); }
  AboutForm& about() { return dynamic_cast<AboutForm&>(*app().activeForm()); }

  std::ostringstream out;
  script::ScriptRunner runner{out, ""};
};

TEST(About, OpensOnceWithTheTitlesShownAndTheLatestCaller) {
  AboutOpen run;
  AboutForm& about = run.about();
  EXPECT_TRUE(about.at("Label15", 0).visible);
  EXPECT_TRUE(about.at("Label15", 1).visible);
  about.Form_Paint();
  EXPECT_EQ(about.focus(), std::make_pair(std::string("Command1"), forms::kNoIndex));

  // Opened again from the other window while it is open: the same window takes the new caption.
  openAbout(run.app(), "Dorvan 2004 - 2D, 3D, 4D -- 4D Dorvan Basic");
  EXPECT_EQ(run.app().openForms().size(), 2u);
  EXPECT_EQ(about.caption, "Dorvan 2004 - 2D, 3D, 4D -- 4D Dorvan Basic");
}

TEST(About, LinksLightUpUnderThePointerAndOpenTheirPages) {
  AboutOpen run;
  AboutForm& about = run.about();
  forms::Control& able = about.at("able");
  forms::Control& maker = about.at("label7", 7);
  run.app().mouseMove(about, maker, 10, 10);
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

}  // namespace
}  // namespace dorvan::startup
