#include "viewer_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace dorvan::testing {

namespace {

using Clock = std::chrono::steady_clock;

pid_t start(const std::string& viewer, std::vector<std::string> args, const std::string& folder,
            const std::string& outFile) {
  pid_t pid = ::fork();
  if (pid != 0) return pid;
  if (::chdir(folder.c_str()) != 0) ::_exit(127);
  int out = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  int null = ::open("/dev/null", O_WRONLY);
  ::dup2(out, STDOUT_FILENO);
  ::dup2(null, STDERR_FILENO);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  args.insert(args.begin(), viewer);
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  ::execv(viewer.c_str(), argv.data());
  ::_exit(127);
}

// Processor time used so far, in clock ticks; -1 once the process is gone.
long cpuTicks(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  std::size_t close = text.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream fields(text.substr(close + 2));
  std::string skip;
  for (int i = 0; i < 11; ++i) fields >> skip;  // state .. cmajflt
  long user = 0, system = 0;
  fields >> user >> system;
  return user + system;
}

long peakMegabytesOf(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6)) / 1024;
  return 0;
}

std::string readAll(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

double secondsOf(const struct rusage& usage) {
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Ends the process and collects it; returns its peak memory from the kernel's account.
long end(pid_t pid, int* status, double* seconds) {
  ::kill(pid, SIGKILL);
  struct rusage usage {};
  int ignored = 0;
  ::wait4(pid, status ? status : &ignored, 0, &usage);
  *seconds = secondsOf(usage);
  return usage.ru_maxrss / 1024;
}

std::string outFileFor(pid_t parent) {
  return "/tmp/dorvan_viewer_out_" + std::to_string(parent) + "_" +
         std::to_string(Clock::now().time_since_epoch().count());
}

}  // namespace

ViewerRun checkViewer(const std::string& viewer, const std::vector<std::string>& args,
                      const std::string& folder, ViewerLimits limits) {
  std::vector<std::string> all{"--check"};
  all.insert(all.end(), args.begin(), args.end());
  std::string outFile = outFileFor(::getpid());
  pid_t pid = start(viewer, all, folder, outFile);
  ViewerRun run;
  auto deadline = Clock::now() + std::chrono::duration<double>(limits.wallSeconds);
  int status = 0;
  struct rusage usage {};
  while (Clock::now() < deadline) {
    if (::wait4(pid, &status, WNOHANG, &usage) == pid) {
      run.inTime = true;
      run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      run.peakMegabytes = usage.ru_maxrss / 1024;
      run.seconds = secondsOf(usage);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (!run.inTime) run.peakMegabytes = end(pid, nullptr, &run.seconds);
  run.out = readAll(outFile);
  ::unlink(outFile.c_str());
  return run;
}

ViewerRun showViewer(const std::string& viewer, const std::vector<std::string>& args,
                     const std::string& folder, ViewerLimits limits) {
  std::string outFile = outFileFor(::getpid());
  pid_t pid = start(viewer, args, folder, outFile);
  ViewerRun run;
  auto begun = Clock::now();
  auto deadline = begun + std::chrono::duration<double>(limits.wallSeconds);
  long last = -2;
  int still = 0;
  while (Clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    long ticks = cpuTicks(pid);
    if (ticks < 0) break;
    run.peakMegabytes = peakMegabytesOf(pid);
    still = ticks == last ? still + 1 : 0;
    last = ticks;
    // Three tenths of a second without work, once it has had time to start.
    if (still >= 3 && Clock::now() - begun > std::chrono::milliseconds(500)) {
      run.inTime = true;
      break;
    }
  }
  int status = 0;
  struct rusage usage {};
  if (::wait4(pid, &status, WNOHANG, &usage) == pid) {
    run.inTime = false;  // it ended by itself, which a viewer waiting for the player does not
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.seconds = secondsOf(usage);
  } else {
    run.peakMegabytes = std::max(run.peakMegabytes, end(pid, nullptr, &run.seconds));
  }
  run.out = readAll(outFile);
  ::unlink(outFile.c_str());
  return run;
}

}  // namespace dorvan::testing
