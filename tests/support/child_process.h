#pragma once
// A program started in a child process for end-to-end tests and benchmarks. Everything the child
// needs is prepared before the fork, so the start is safe in a process that runs threads.

#include <sys/types.h>

#include <string>
#include <vector>

namespace zorv::test {

// A child process started with fork and exec; its stdout piped back to us or dropped, its
// stderr dropped. It gets SIGTERM when we die.
struct Child {
  pid_t pid = -1;
  int out = -1;  // read end of its stdout, or -1
  // Starts `argv` in folder `cwd` (empty: ours) with `env` added to our environment.
  bool start(const std::vector<std::string>& argv, const std::vector<std::string>& env, const std::string& cwd,
             bool pipeStdout, std::string& error);
  // The next line of its stdout, waiting at most timeoutMs.
  bool readLine(std::string& line, int timeoutMs);
  // SIGTERM, then waits: true when it exits with status 0.
  bool endsCleanly();
  // SIGTERM, then SIGKILL if it has not ended after a second; reaps it.
  void stop();
  ~Child() { stop(); }
};

}  // namespace zorv::test
