// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time and peak memory of the application against a bare Qt window.
// Each round starts `radioprog --no-splash --quit-after-start` (to the main
// window with a new document, one turn of the event loop, "started" on stdout,
// then out) and radioprog-bench-bare (the same menus and a 129 x 10 table, the
// same way), one after the other: the time from the start of the process to
// its "started", and its peak resident memory as the kernel counts it. After one
// warm-up round of each, five rounds are measured; the medians and their ratios
// are printed. Nothing is asserted: the figures are for the reader, and the
// ratios are what compares across machines.
//
// Runs on Qt's offscreen platform unless a display or a platform is given
// (xvfb-run shows the cost of a real X server).
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 5;

struct Run {
  double ms = 0;
  double peakMb = 0;
  bool ok = false;
};

double nowMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

Run runOnce(const std::vector<std::string>& command) {
  std::vector<char*> args;
  for (const std::string& a : command) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  Run run;
  int out[2];
  if (pipe(out) != 0) return run;
  const double start = nowMs();
  const pid_t pid = fork();
  if (pid < 0) return run;
  if (pid == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    // The programs' own chatter (the platform's notes) would bury the table.
    if (const int null = open("/dev/null", O_WRONLY); null >= 0) dup2(null, STDERR_FILENO);
    execv(args[0], args.data());
    _exit(127);
  }
  close(out[1]);
  // The time to the main window: until the program says "started" after the
  // first turn of its event loop. Its shut-down is not part of the start-up.
  std::string said;
  char buffer[256];
  ssize_t n = 0;
  while (said.find("started\n") == std::string::npos && (n = read(out[0], buffer, sizeof buffer)) > 0)
    said.append(buffer, static_cast<std::size_t>(n));
  run.ms = nowMs() - start;
  close(out[0]);
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return run;
  run.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 && said.find("started\n") != std::string::npos;
  return run;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::string folderOf(const char* path) {
  const std::string p(path);
  const auto slash = p.rfind('/');
  return slash == std::string::npos ? std::string(".") : p.substr(0, slash);
}

}  // namespace

int main(int, char* argv[]) {
  const std::string bin = folderOf(argv[0]);
  const std::vector<std::string> app = {bin + "/radioprog", "--no-splash", "--quit-after-start"};
  const std::vector<std::string> bare = {bin + "/radioprog-bench-bare"};

  // The application's settings and backups go to a folder of their own, so a
  // user's Program.ini neither changes the figures nor is touched.
  char folder[] = "/tmp/radioprog-startup-XXXXXX";
  if (!mkdtemp(folder)) {
    std::perror("radioprog-bench-startup: mkdtemp");
    return 1;
  }
  setenv("XDG_CONFIG_HOME", folder, 1);
  setenv("XDG_DATA_HOME", folder, 1);
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

  std::vector<double> appMs, appMb, bareMs, bareMb;
  for (int round = -1; round < kRounds; ++round) {
    const Run a = runOnce(app);
    const Run b = runOnce(bare);
    if (!a.ok || !b.ok) {
      std::fprintf(stderr, "radioprog-bench-startup: %s did not start and end cleanly\n",
                   (!a.ok ? app : bare)[0].c_str());
      return 1;
    }
    if (round < 0) continue;  // the warm-up round fills the file cache
    appMs.push_back(a.ms);
    appMb.push_back(a.peakMb);
    bareMs.push_back(b.ms);
    bareMb.push_back(b.peakMb);
  }
  const double ms = median(appMs), refMs = median(bareMs), mb = median(appMb), refMb = median(bareMb);
  std::printf("start-up (medians of %d, platform %s)\n", kRounds,
              std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "default");
  std::printf("%-34s %10s %10s\n", "", "time ms", "peak MB");
  std::printf("%-34s %10.1f %10.1f\n", "radioprog --no-splash", ms, mb);
  std::printf("%-34s %10.1f %10.1f\n", "bare window, same menus, 129x10", refMs, refMb);
  std::printf("%-34s %10.2f %10.2f\n", "ratio", ms / refMs, mb / refMb);
  return 0;
}
