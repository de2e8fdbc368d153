// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the time from starting the program to its first picture on
// screen, against the same time for a bare SDL2 window of the same size,
// both measured from the moment this tool starts the process to the moment
// the process reports its first present. Needs a display (an X server such
// as Xvfb will do); without one it says so and succeeds, so it never fails a
// run elsewhere. QUINTARO_STARTUP_ROUNDS sets the number of pairs (default
// 15); a busy machine needs more.
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

constexpr int kDefaultRounds = 15;

struct FirstPresent {
  double ms = -1;  // negative when the process reported none
  int width = 0, height = 0;
};

long long NowNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Starts `program` with `args` and reads its "first-present NS W H" line.
FirstPresent TimeToFirstPresent(const char* program, std::vector<std::string> args) {
  FirstPresent result;
  int fds[2];
  if (pipe(fds) != 0) return result;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  std::vector<char*> argv{const_cast<char*>(program)};
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  const long long start = NowNs();
  const int failed = posix_spawn(&pid, program, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  std::string out;
  char buf[256];
  for (ssize_t n; !failed && (n = read(fds[0], buf, sizeof buf)) > 0;) out.append(buf, static_cast<std::size_t>(n));
  close(fds[0]);
  if (failed) return result;
  int status = 0;
  waitpid(pid, &status, 0);
  const std::size_t at = out.find("first-present ");
  long long ns = 0;
  if (at == std::string::npos || std::sscanf(out.c_str() + at, "first-present %lld %d %d", &ns, &result.width,
                                             &result.height) != 3)
    return result;
  result.ms = static_cast<double>(ns - start) / 1e6;
  return result;
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
  const char* roundsText = std::getenv("QUINTARO_STARTUP_ROUNDS");
  const int rounds = std::clamp(roundsText != nullptr ? std::atoi(roundsText) : kDefaultRounds, 1, 1000);
  // The program measures itself, and keeps its settings away from the user's.
  char configDir[] = "/tmp/quintaro-startup-XXXXXX";
  if (mkdtemp(configDir) == nullptr) return 1;
  setenv("XDG_CONFIG_HOME", configDir, 1);
  setenv("QUINTARO_FIRST_PRESENT", "1", 1);
  // A first run warms the file cache and tells the size of the window.
  const FirstPresent warm = TimeToFirstPresent(QUINTARO_PROGRAM, {});
  if (warm.ms <= 0) {
    std::printf("startup: the program reported no first present\n");
    return 1;
  }
  const std::vector<std::string> size{std::to_string(warm.width), std::to_string(warm.height)};
  std::vector<double> program, bare, ratios;
  // Alternating, so both see the same state of a busy machine.
  for (int round = 0; round < rounds; ++round) {
    const FirstPresent b = TimeToFirstPresent(QUINTARO_BARE_WINDOW, size);
    const FirstPresent p = TimeToFirstPresent(QUINTARO_PROGRAM, {});
    if (b.ms <= 0 || p.ms <= 0) {
      std::printf("startup: a run reported no first present (bare %.1f ms, program %.1f ms)\n", b.ms, p.ms);
      return 1;
    }
    bare.push_back(b.ms);
    program.push_back(p.ms);
    ratios.push_back(p.ms / b.ms);
  }
  std::sort(ratios.begin(), ratios.end());
  std::printf("startup: first picture %.1f ms, bare SDL2 window %.1f ms, both %dx%d (medians of %d)\n",
              Median(program), Median(bare), warm.width, warm.height, rounds);
  std::printf("ratio first_picture/bare_window %.2f (median of pairs; spread %.2f..%.2f; target <= 1.2)\n",
              Median(ratios), ratios.front(), ratios.back());
  std::string cleanup = std::string("rm -rf ") + configDir;
  return std::system(cleanup.c_str()) == 0 ? 0 : 1;
}
