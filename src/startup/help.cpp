#include "startup/help.h"

#include "forms/application.h"
#include "forms/messages.h"

namespace dorvan::startup {

std::string helpCommand() {
  return std::string("winhlp32 ") + kHelpFileName;
}

bool startHelp(forms::Application& app, bool reportFailure) {
  platform::Platform& p = app.platform();
  if (p.startProcess(helpCommand())) return true;
  if (reportFailure) {
    forms::tell(app, p.workingDirectory(), "", platform::Icon::Info);
    forms::tell(app, std::string("   ") + kHelpFileName + " was not found in current directory.",
                "No help", platform::Icon::Info);
  }
  return false;
}

}  // namespace dorvan::startup
