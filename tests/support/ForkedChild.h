#pragma once
// Runs a piece of a test in a forked child process: to see what a writer killed mid-write
// leaves behind, or to act as an ordinary user where the test runs as root (root ignores
// permission bits, so a folder that refuses new files refuses nothing to it). What the child
// finds out comes back as its exit status; the test then looks at the files.

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <thread>

namespace vox::test {

// How a child ended.
struct ChildEnd {
  bool exited = false;
  int status = -1;  // the exit status when it exited
  int signal = 0;   // the signal that killed it otherwise
  std::string describe() const {
    return exited ? "exited with status " + std::to_string(status) : "was killed by signal " + std::to_string(signal);
  }
};

struct ChildOptions {
  // Run as the user "nobody" when the test runs as root.
  bool unprivileged = false;
  // A file size limit; a write past it kills the child with SIGXFSZ, as a crash mid-write would.
  std::optional<rlim_t> killWritesPast;
};

// The user id the child runs under (for the permissions of files it must reach).
inline bool childRunsAsOtherUser(const ChildOptions& options) { return options.unprivileged && ::geteuid() == 0; }

// Runs `body` in a child; its result is the child's exit status. Waits at most `patience`
// (then kills the child and reports signal SIGKILL).
inline ChildEnd runInChild(const std::function<int()>& body, const ChildOptions& options = {},
                           std::chrono::seconds patience = std::chrono::seconds(60)) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    const struct rlimit noCore {0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    if (childRunsAsOtherUser(options) && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
      ::_exit(125);
    if (options.killWritesPast) {
      ::signal(SIGXFSZ, SIG_DFL);
      const struct rlimit limit {*options.killWritesPast, *options.killWritesPast};
      ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ::_exit(body());
  }
  ChildEnd end;
  if (pid < 0) return end;
  const auto deadline = std::chrono::steady_clock::now() + patience;
  int status = 0;
  pid_t done = 0;
  while ((done = ::waitpid(pid, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  if (done == 0) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
  }
  end.exited = WIFEXITED(status);
  end.status = end.exited ? WEXITSTATUS(status) : -1;
  end.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  return end;
}

}  // namespace vox::test
