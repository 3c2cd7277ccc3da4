#include "startup/help.h"

#include "forms/application.h"

namespace dorvan::startup {

std::string helpCommand(const forms::Application& app) {
  return "winhlp32 " + app.helpFolder + kHelpFileName;
}

bool startHelp(forms::Application& app, bool reportFailure) {
  platform::Platform& p = app.platform();
  if (p.startProcess(helpCommand(app))) return true;
  if (reportFailure) {
    p.messageBox(p.workingDirectory(), "", platform::Buttons::Ok, platform::Icon::Info, 1);
    p.messageBox("   " + app.helpFolder + kHelpFileName + " was not found in current directory.",
                 "No help", platform::Buttons::Ok, platform::Icon::Info, 1);
  }
  return false;
}

}  // namespace dorvan::startup
