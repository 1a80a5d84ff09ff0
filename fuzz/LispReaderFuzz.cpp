// Feeds arbitrary bytes (as Latin-1 characters) to the LISP reader. Besides not crashing, the
// printed form of what was read must read back to the same printed form.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/lisp/LispReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace vox::lisp;
  const std::wstring text(bytes, bytes + size);
  const ReadResult first = readAll(text);
  if (!first.ok()) return 0;
  std::wstring printed;
  for (const Value& v : first.values) printed += print(v) + L" ";
  const ReadResult second = readAll(printed);
  if (!second.ok()) std::abort();
  std::wstring reprinted;
  for (const Value& v : second.values) reprinted += print(v) + L" ";
  if (reprinted != printed) std::abort();
  return 0;
}
