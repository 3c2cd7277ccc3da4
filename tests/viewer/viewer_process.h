#pragma once
// Runs the help viewer as the game does, in a folder of the test's choosing, and watches it
// with a bound on its time and memory.

#include <string>
#include <vector>

namespace dorvan::testing {

// The viewer's time is its processor time: five engineers' builds on two cores stretch the
// clock on the wall, not the work the viewer does. A viewer that waits on something that never
// comes uses no processor time, so the wall clock has a bound too, a few times larger.
struct ViewerLimits {
  double seconds;
  long megabytes;
  double wallSeconds;
};

struct ViewerRun {
  bool inTime = false;  // ended, or settled waiting for the player, within the wall bound
  int status = -1;      // exit status of a run that ended
  std::string out;      // what it printed
  double seconds = 0;   // processor time
  long peakMegabytes = 0;
};

// `viewer --check ARGS` run to its end in `folder`.
ViewerRun checkViewer(const std::string& viewer, const std::vector<std::string>& args,
                      const std::string& folder, ViewerLimits limits);

// `viewer ARGS` shown on Qt's offscreen screen, watched until it settles: its processor time
// stops growing, as it does once a window or a message waits for the player. Then it is ended.
ViewerRun showViewer(const std::string& viewer, const std::vector<std::string>& args,
                     const std::string& folder, ViewerLimits limits);

}  // namespace dorvan::testing
