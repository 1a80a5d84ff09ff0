#pragma once
// A helper program run as a child process with pipes on its stdin and stdout, for tests that
// need a second instance. Every wait is bounded.

#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vox::test {

class ChildProcess {
 public:
  // Starts `program` with `args`, adding `environment` to the test's own.
  ChildProcess(const std::string& program, const std::vector<std::string>& args,
               const std::map<std::string, std::string>& environment = {});
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  // Kills a child still running and reaps it.
  ~ChildProcess();

  // The next line the child printed, without its line feed; empty on time-out or end of output.
  std::optional<std::string> readLine(std::chrono::milliseconds timeout = std::chrono::seconds(20));
  void writeLine(const std::string& line);
  void kill();
  // The exit status once the child ended (within the time-out), else empty.
  std::optional<int> wait(std::chrono::milliseconds timeout = std::chrono::seconds(20));

 private:
  pid_t pid_ = -1;
  int in_ = -1;
  int out_ = -1;
  std::string buffered_;
  bool reaped_ = false;
};

}  // namespace vox::test
