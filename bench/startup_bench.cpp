// Start-up time and peak memory of the editor against a minimal Qt Widgets window.
//
// Each program is started as a child process with VBE_REPORT_FIRST_FRAME set; it prints a line
// once its first frame is painted and ends. The time from fork to that line is the start-up
// time; the child's peak resident memory comes from wait4. The two programs alternate, so a
// busy moment of the machine falls on both alike. The budgets are ratios to the minimal
// window, given on the command line since they differ between display platforms.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Run {
  double ms;
  long peak_kib;
};

bool StartOnce(const char* program, Run& run) {
  int out[2];
  if (pipe(out) != 0) return false;
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    setenv("VBE_REPORT_FIRST_FRAME", "1", 1);
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  std::string said;
  char buffer[256];
  ssize_t got = 0;
  while (said.find("first-frame") == std::string::npos &&
         (got = read(out[0], buffer, sizeof buffer)) > 0) {
    said.append(buffer, static_cast<std::size_t>(got));
  }
  const auto seen = std::chrono::steady_clock::now();
  close(out[0]);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  run.ms = std::chrono::duration<double, std::milli>(seen - start).count();
  run.peak_kib = usage.ru_maxrss;
  return said.find("first-frame") != std::string::npos;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s EDITOR MINIMAL_WINDOW [RUNS [TIME_BUDGET MEMORY_BUDGET]]\n",
                 argv[0]);
    return 2;
  }
  const int runs = argc > 3 ? std::atoi(argv[3]) : 15;
  const double time_budget = argc > 5 ? std::atof(argv[4]) : 1.10;
  const double memory_budget = argc > 5 ? std::atof(argv[5]) : 1.15;
  if (runs < 1 || time_budget <= 0 || memory_budget <= 0) {
    std::fprintf(stderr, "runs and budgets must be positive\n");
    return 2;
  }
  std::vector<double> editor_ms, minimal_ms, editor_kib, minimal_kib;
  Run warm{};
  StartOnce(argv[1], warm);  // fill the file cache for both before measuring
  StartOnce(argv[2], warm);
  for (int i = 0; i < runs; ++i) {
    Run editor{}, minimal{};
    if (!StartOnce(argv[1], editor) || !StartOnce(argv[2], minimal)) {
      std::fprintf(stderr, "a program did not report its first frame\n");
      return 1;
    }
    editor_ms.push_back(editor.ms);
    minimal_ms.push_back(minimal.ms);
    editor_kib.push_back(static_cast<double>(editor.peak_kib));
    minimal_kib.push_back(static_cast<double>(minimal.peak_kib));
  }
  const double time_ratio = Median(editor_ms) / Median(minimal_ms);
  const double memory_ratio = Median(editor_kib) / Median(minimal_kib);
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  const bool time_ok = time_ratio <= time_budget;
  const bool memory_ok = memory_ratio <= memory_budget;
  std::printf(
      "start-up (%s, median of %d): editor %.1f ms, minimal window %.1f ms, ratio %.2f "
      "(budget %.2f) %s\n",
      platform ? platform : "xcb", runs, Median(editor_ms), Median(minimal_ms), time_ratio,
      time_budget, time_ok ? "ok" : "OVER");
  std::printf(
      "peak memory (%s): editor %.0f KiB, minimal window %.0f KiB, ratio %.2f "
      "(budget %.2f) %s\n",
      platform ? platform : "xcb", Median(editor_kib), Median(minimal_kib), memory_ratio,
      memory_budget, memory_ok ? "ok" : "OVER");
  return time_ok && memory_ok ? 0 : 1;
}
