// Starts the two programs in turn, several times, and prints medians and ratios.
// Usage: navcss_bench_runner NAVCSS_PROGRAM MINIMAL_PROGRAM [RUNS]
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "clock.h"

extern char** environ;

namespace {

using Figures = std::map<std::string, long long>;

// Runs the program and reads its "name value" lines; adds start_to_frame_ns.
Figures RunOnce(const char* program) {
  int out[2];
  if (pipe(out) != 0) std::exit(2);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  char* argv[] = {const_cast<char*>(program), nullptr};
  pid_t pid = 0;
  const long long started = navcss::bench::MonotonicNs();
  if (posix_spawn(&pid, program, &actions, nullptr, argv, environ) != 0) {
    std::fprintf(stderr, "cannot start %s\n", program);
    std::exit(2);
  }
  close(out[1]);
  std::string text;
  char buffer[4096];
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
    text.append(buffer, static_cast<std::size_t>(n));
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  Figures figures;
  std::istringstream lines(text);
  std::string name;
  long long value = 0;
  while (lines >> name >> value) figures[name] = value;
  if (!figures.count("first_frame_ns")) {
    std::fprintf(stderr, "%s painted no frame\n", program);
    std::exit(2);
  }
  figures["start_to_frame_ns"] = figures["first_frame_ns"] - started;
  return figures;
}

long long Median(std::vector<Figures>& runs, const std::string& name) {
  std::vector<long long> v;
  for (const Figures& f : runs) v.push_back(f.at(name));
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s NAVCSS_PROGRAM MINIMAL_PROGRAM [RUNS [TEXT_PROGRAM]]\n",
                 argv[0]);
    return 2;
  }
  const int count = argc > 3 ? std::atoi(argv[3]) : 7;
  std::vector<Figures> navcss;
  std::vector<Figures> minimal;
  std::vector<Figures> withText;
  const char* textProgram = argc > 4 ? argv[4] : nullptr;
  RunOnce(argv[2]);  // warms the file cache for both: same libraries
  for (int i = 0; i < count; ++i) {
    minimal.push_back(RunOnce(argv[2]));
    navcss.push_back(RunOnce(argv[1]));
    if (textProgram != nullptr) withText.push_back(RunOnce(textProgram));
  }
  const double startN = static_cast<double>(Median(navcss, "start_to_frame_ns")) / 1e6;
  const double startM = static_cast<double>(Median(minimal, "start_to_frame_ns")) / 1e6;
  const double memN = static_cast<double>(Median(navcss, "peak_kib_first_frame")) / 1024.0;
  const double memM = static_cast<double>(Median(minimal, "peak_kib_first_frame")) / 1024.0;
  const double memEnd = static_cast<double>(Median(navcss, "peak_kib_end")) / 1024.0;
  const double key = static_cast<double>(Median(navcss, "keystroke_ns")) / 1e6;
  const double hover = static_cast<double>(Median(navcss, "hover_switch_ns")) / 1e6;
  std::printf("navcss Qt benchmark, medians of %d runs each (minimal = empty 680x455 Qt window)\n",
              count);
  std::printf("  start to first painted frame: navcss %.1f ms, minimal %.1f ms, ratio %.2f\n",
              startN, startM, startN / startM);
  std::printf("  peak memory at first frame:   navcss %.1f MiB, minimal %.1f MiB, ratio %.2f\n",
              memN, memM, memN / memM);
  std::printf("  peak memory after the timings below: navcss %.1f MiB (ratio %.2f)\n", memEnd,
              memEnd / memM);
  if (!withText.empty()) {
    const double startT = static_cast<double>(Median(withText, "start_to_frame_ns")) / 1e6;
    const double memT = static_cast<double>(Median(withText, "peak_kib_first_frame")) / 1024.0;
    std::printf(
        "  against the minimal window with one Chinese label: start %.1f ms, ratio %.2f;"
        " memory %.1f MiB, ratio %.2f\n",
        startT, startN / startT, memT, memN / memT);
  }
  std::printf("  keystroke (text change to field and mock-up repainted): %.3f ms\n", key);
  std::printf("  hover switch (tick to box repainted): %.3f ms\n", hover);
  return 0;
}
