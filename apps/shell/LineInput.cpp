#include "LineInput.h"

#include "platform/os/NativePath.h"

namespace vox::shell {

const std::optional<std::wstring>& LineInput::peek() {
  if (!peeked_) {
    peeked_ = true;
    std::string bytes;
    if (std::getline(in_, bytes)) {
      if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();
      next_ = os::decodeFileName(bytes);
    } else {
      next_.reset();
    }
  }
  return next_;
}

std::optional<std::wstring> LineInput::take() {
  peek();
  peeked_ = false;
  return std::move(next_);
}

}  // namespace vox::shell
