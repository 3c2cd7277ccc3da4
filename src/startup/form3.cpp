#include "startup/form3.h"

#include "forms/application.h"
#include "forms/messages.h"

namespace dorvan::startup {

namespace {
const char* const kLevelNotIncluded =
    "   This level is not part of this program. Only the 3D and 4D levels are included.";
}

void Form3::Form_Load() {
  // The command line is compared exactly as it stands: " 4", "04" and "4x" are not level 4.
  const std::string& level = app().commandLine();
  if (level == "1" || level == "2" || level == "3") {
    forms::tell(app(), kLevelNotIncluded, "", platform::Icon::Info);
  } else if (level == "4") {
    app().load("Form2");
  } else if (level == "5") {
    app().levelFlag = 1;
    app().load("Form2");
  } else {
    app().load("dorvan");
  }
  app().unload(*this);
}

}  // namespace dorvan::startup
