// Start-up of the game on a real display, side by side with a bare Qt window: the time from
// starting the process to its first frame on the screen, and its resident memory once that
// frame is shown, for the 3D window and the 4D window, each against a bare window of its own
// size (dorvan_bare_window), each figure the median of several interleaved runs, and the
// game's figures as ratios of the bare window's.
//
//   dorvan_bench_startup [RUNS]     (default 9; needs a display, e.g. under xvfb-run -a)
//
// The first frame is the moment Qt flushes a top-level window's backing store to the screen,
// which Qt reports on its "qt.widgets.painting" category; every subject runs with that report
// on, so each pays the same for it per widget painted.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Subject {
  std::string name;
  std::vector<std::string> command;
  std::vector<double> startMs;
  std::vector<double> residentMb;
};

struct Sample {
  double startMs;
  double residentMb;
  std::string size;  // of the first frame, as "WIDTHxHEIGHT"
};

// The size in Qt's report "Flushing top level QRegion(0,0 565x468) and children ...".
std::string frameSize(const std::string& messages) {
  size_t at = messages.find("Flushing top level QRegion(0,0 ");
  if (at == std::string::npos) return {};
  at += std::string_view("Flushing top level QRegion(0,0 ").size();
  return messages.substr(at, messages.find(')', at) - at);
}

double residentMb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
  return 0.0;
}

// Reads the child's messages until `until`; returns true when a first frame was reported.
bool readMessages(int fd, std::string& pending, Clock::time_point until, bool stopAtFrame) {
  char buffer[4096];
  while (Clock::now() < until) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(left.count()) + 1) <= 0) continue;
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) return false;
    pending.append(buffer, static_cast<size_t>(n));
    if (stopAtFrame && pending.find("Flushing top level") != std::string::npos) return true;
    if (!stopAtFrame) pending.clear();
  }
  return false;
}

std::optional<Sample> runOnce(const std::vector<std::string>& command) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return std::nullopt;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  std::vector<char*> argv;
  for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);

  Clock::time_point start = Clock::now();
  pid_t pid = 0;
  int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  if (spawned != 0) {
    close(pipeFds[0]);
    return std::nullopt;
  }

  std::string pending;
  bool shown = readMessages(pipeFds[0], pending, start + std::chrono::seconds(20), true);
  Clock::time_point frame = Clock::now();
  std::optional<Sample> sample;
  if (shown) {
    std::string size = frameSize(pending);
    // Memory once the window has settled: a second after its first frame.
    readMessages(pipeFds[0], pending, frame + std::chrono::seconds(1), false);
    sample = Sample{std::chrono::duration<double, std::milli>(frame - start).count(),
                    residentMb(pid), size};
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  close(pipeFds[0]);
  return sample;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0.0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
    std::fprintf(stderr, "dorvan_bench_startup needs a display (try: xvfb-run -a %s)\n", argv[0]);
    return 2;
  }
  setenv("QT_LOGGING_RULES", "qt.widgets.painting.info=true", 1);
  setenv("QT_MESSAGE_PATTERN", "%{message}", 1);
  unsetenv("QT_QPA_PLATFORM");

  // A first run of each window tells its size, and loads the libraries and fonts into the page
  // cache for everyone alike.
  std::vector<Subject> subjects;
  for (std::vector<std::string> game :
       {std::vector<std::string>{DORVAN_GAME}, std::vector<std::string>{DORVAN_GAME, "4"}}) {
    std::optional<Sample> first = runOnce(game);
    size_t x = first ? first->size.find('x') : std::string::npos;
    if (x == std::string::npos) {
      std::fprintf(stderr, "%s showed no frame within 20 s\n", game.back().c_str());
      return 1;
    }
    std::vector<std::string> bare{DORVAN_BARE_WINDOW, first->size.substr(0, x),
                                  first->size.substr(x + 1)};
    runOnce(bare);
    std::string window = game.size() > 1 ? "4D window" : "3D window";
    subjects.push_back({window + " " + first->size, game, {}, {}});
    subjects.push_back({"bare window " + first->size, bare, {}, {}});
  }

  for (int round = 0; round < runs; ++round) {
    for (Subject& s : subjects) {
      std::optional<Sample> sample = runOnce(s.command);
      if (!sample) {
        std::fprintf(stderr, "%s showed no frame within 20 s\n", s.name.c_str());
        return 1;
      }
      s.startMs.push_back(sample->startMs);
      s.residentMb.push_back(sample->residentMb);
    }
  }

  std::printf("medians of %d interleaved runs       first frame   resident memory\n", runs);
  for (const Subject& s : subjects)
    std::printf("  %-30s %7.1f ms      %7.1f MB\n", s.name.c_str(), median(s.startMs),
                median(s.residentMb));
  std::printf("the game / a bare window of its size\n");
  for (size_t i = 0; i + 1 < subjects.size(); i += 2) {
    const Subject& game = subjects[i];
    const Subject& bare = subjects[i + 1];
    std::printf("  %-30s %7.2f         %7.2f\n", game.name.substr(0, 9).c_str(),
                median(game.startMs) / median(bare.startMs),
                median(game.residentMb) / median(bare.residentMb));
  }
  return 0;
}
