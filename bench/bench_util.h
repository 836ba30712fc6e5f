#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

namespace kestra::bench {

// Seconds the fastest of `runs` calls of `body` took; `before` runs ahead of
// each call, untimed.
double BestSeconds(int runs, const std::function<void()>& body,
                   const std::function<void()>& before = {});

// Runs a shell command; aborts the benchmark when it fails.
void Shell(const std::string& command);

// Peak resident memory, in bytes, of a child process that runs `body`.
std::int64_t PeakMemoryOf(const std::function<void()>& body);

// A work folder for the benchmark's files: argv[1] when given, else a new
// folder under /var/tmp (on disk, not in memory).
std::string WorkFolder(int argc, char** argv);

std::string Quoted(const std::string& path);

}  // namespace kestra::bench
