#include "bench_util.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>

namespace kestra::bench {

double BestSeconds(int runs, const std::function<void()>& body,
                   const std::function<void()>& before) {
  double best = std::numeric_limits<double>::max();
  for (int i = 0; i < runs; ++i) {
    if (before) before();
    const auto start = std::chrono::steady_clock::now();
    body();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  return best;
}

void Shell(const std::string& command) {
  if (std::system(command.c_str()) != 0) {
    std::fprintf(stderr, "failed: %s\n", command.c_str());
    std::exit(1);
  }
}

std::int64_t PeakMemoryOf(const std::function<void()>& body) {
  const pid_t pid = fork();
  if (pid == 0) {
    body();
    _exit(0);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  return static_cast<std::int64_t>(usage.ru_maxrss) * 1024;
}

std::string WorkFolder(int argc, char** argv) {
  if (argc > 1) return argv[1];
  std::string pattern = "/var/tmp/kestra-bench-XXXXXX";
  return mkdtemp(pattern.data());
}

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

}  // namespace kestra::bench
