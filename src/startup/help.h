#pragma once
// Starting the help viewer on the program's help file.

#include <string>

namespace dorvan::forms {
class Application;
}

namespace dorvan::startup {

// The help file's name as the viewer is given it: the viewer looks for it where the game
// installed it, then in the current folder.
inline constexpr const char* kHelpFileName = "\\dorvan4.hlp";

// "winhlp32 " followed by the help file's name.
std::string helpCommand();

// Starts the help viewer without waiting for it. When it cannot start and `reportFailure` is
// set (the game windows' help entries), two boxes say so: the working directory, then that
// the help file was not found. The about window's button passes false and stays silent.
// Returns whether the viewer started.
bool startHelp(forms::Application& app, bool reportFailure);

}  // namespace dorvan::startup
