#include "tests/support/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstring>
#include <map>

extern char** environ;

namespace zorv::test {

namespace {
double nowUs() {
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now().time_since_epoch()).count();
}
}  // namespace

bool Child::start(const std::vector<std::string>& argv, const std::vector<std::string>& env, const std::string& cwd,
                  bool pipeStdout, std::string& error) {
  // Everything the child needs is prepared before the fork: after it, only exec-safe calls.
  std::map<std::string, std::string> vars;
  for (char** e = environ; *e; ++e) {
    const std::string kv = *e;
    const size_t eq = kv.find('=');
    if (eq != std::string::npos) vars[kv.substr(0, eq)] = kv.substr(eq + 1);
  }
  for (const std::string& kv : env) {
    const size_t eq = kv.find('=');
    if (eq != std::string::npos) vars[kv.substr(0, eq)] = kv.substr(eq + 1);
  }
  std::vector<std::string> envStrings;
  for (const auto& [k, v] : vars) envStrings.push_back(k + "=" + v);
  std::vector<char*> envp, args;
  for (std::string& s : envStrings) envp.push_back(s.data());
  envp.push_back(nullptr);
  std::vector<std::string> argCopy = argv;
  for (std::string& s : argCopy) args.push_back(s.data());
  args.push_back(nullptr);

  int pipeFds[2] = {-1, -1};
  if (pipeStdout && pipe2(pipeFds, O_CLOEXEC) != 0) {
    error = std::string("pipe: ") + std::strerror(errno);
    return false;
  }
  const int devNull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
  pid = fork();
  if (pid < 0) {
    error = std::string("fork: ") + std::strerror(errno);
    return false;
  }
  if (pid == 0) {
    if (!cwd.empty() && chdir(cwd.c_str()) != 0) _exit(127);
    dup2(pipeStdout ? pipeFds[1] : devNull, 1);
    dup2(devNull, 2);  // Qt's notes about the offscreen platform are not ours to print
    setpgid(0, 0);
    prctl(PR_SET_PDEATHSIG, SIGTERM);  // a bench that dies takes its children with it
    execve(args[0], args.data(), envp.data());
    _exit(127);
  }
  ::close(devNull);
  if (pipeStdout) {
    ::close(pipeFds[1]);
    out = pipeFds[0];
  }
  return true;
}

bool Child::readLine(std::string& line, int timeoutMs) {
  line.clear();
  const double until = nowUs() + timeoutMs * 1000.0;
  while (out >= 0) {
    const double left = (until - nowUs()) / 1000.0;
    if (left <= 0) return false;
    pollfd p{out, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(std::ceil(left))) <= 0) continue;
    char c;
    const ssize_t n = read(out, &c, 1);
    if (n <= 0) return false;
    if (c == '\n') return true;
    line += c;
  }
  return false;
}

bool Child::endsCleanly() {
  if (out >= 0) ::close(out);
  out = -1;
  if (pid <= 0) return false;
  kill(pid, SIGTERM);
  int status = 0;
  const pid_t done = waitpid(pid, &status, 0);
  pid = -1;
  return done > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void Child::stop() {
  if (out >= 0) ::close(out);
  out = -1;
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  for (int i = 0; i < 100; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) {
      pid = -1;
      return;
    }
    usleep(10000);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  pid = -1;
}

}  // namespace zorv::test
