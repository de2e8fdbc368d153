// Start-up: the time from starting the program to its first picture on
// screen, against the same time for a bare SDL2 window, both measured from
// the moment this tool starts the process to the moment the process reports
// its first present. Needs a display (an X server such as Xvfb will do);
// without one it says so and succeeds, so it never fails a run elsewhere.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kRounds = 9;

long long NowNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Starts `program`, reads its "first-present NS" line; the delay in ms, or
// a negative number when the program did not report one.
double TimeToFirstPresent(const char* program) {
  int fds[2];
  if (pipe(fds) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  char* argv[] = {const_cast<char*>(program), nullptr};
  pid_t pid = 0;
  const long long start = NowNs();
  const int failed = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  std::string out;
  char buf[256];
  for (ssize_t n; !failed && (n = read(fds[0], buf, sizeof buf)) > 0;) out.append(buf, static_cast<std::size_t>(n));
  close(fds[0]);
  if (failed) return -1;
  int status = 0;
  waitpid(pid, &status, 0);
  const std::size_t at = out.find("first-present ");
  if (at == std::string::npos) return -1;
  return static_cast<double>(std::atoll(out.c_str() + at + 14) - start) / 1e6;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main() {
  if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
    std::printf("startup: no display, skipped (run under Xvfb with DISPLAY set to measure)\n");
    return 0;
  }
  // The program measures itself, and keeps its settings away from the user's.
  char configDir[] = "/tmp/quintaro-startup-XXXXXX";
  if (mkdtemp(configDir) == nullptr) return 1;
  setenv("XDG_CONFIG_HOME", configDir, 1);
  setenv("QUINTARO_FIRST_PRESENT", "1", 1);
  std::vector<double> program, bare;
  // Alternating, so both see the same state of a busy machine.
  for (int round = 0; round < kRounds; ++round) {
    const double b = TimeToFirstPresent(QUINTARO_BARE_WINDOW);
    const double p = TimeToFirstPresent(QUINTARO_PROGRAM);
    if (b <= 0 || p <= 0) {
      std::printf("startup: a run reported no first present (bare %.1f ms, program %.1f ms)\n", b, p);
      return 1;
    }
    bare.push_back(b);
    program.push_back(p);
  }
  std::vector<double> ratios;
  for (int i = 0; i < kRounds; ++i) ratios.push_back(program[i] / bare[i]);
  std::sort(ratios.begin(), ratios.end());
  std::printf("startup: first picture %.1f ms, bare SDL2 window %.1f ms (medians of %d)\n", Median(program),
              Median(bare), kRounds);
  std::printf("ratio first_picture/bare_window %.2f (median of pairs; spread %.2f..%.2f; target <= 1.2)\n",
              Median(ratios), ratios.front(), ratios.back());
  std::string cleanup = std::string("rm -rf ") + configDir;
  return std::system(cleanup.c_str()) == 0 ? 0 : 1;
}
