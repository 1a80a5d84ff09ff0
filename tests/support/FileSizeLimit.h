#pragma once
// Runs `action` with the process's file size limit lowered to `bytes`, so that writes past it
// fail with EFBIG as they would on a full disk; the limit and the signal are restored after.

#include <signal.h>
#include <sys/resource.h>

#include <cstddef>

namespace vox::test {

template <typename Action>
auto withFileSizeLimit(std::size_t bytes, Action action) {
  struct rlimit saved {};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  struct sigaction ignore {}, previous {};
  ignore.sa_handler = SIG_IGN;
  ::sigaction(SIGXFSZ, &ignore, &previous);
  struct rlimit small = saved;
  small.rlim_cur = bytes;
  ::setrlimit(RLIMIT_FSIZE, &small);
  const auto result = action();
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::sigaction(SIGXFSZ, &previous, nullptr);
  return result;
}

}  // namespace vox::test
