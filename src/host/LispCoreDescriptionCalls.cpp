#include "host/LispCoreDescriptionCalls.h"

#include "host/LispCoreCalls.h"

namespace vox::host::lispcore {
namespace {

constexpr std::int16_t kNewProjectMode = 0;

std::wstring joined(const std::vector<std::wstring>& parts) {
  std::wstring out;
  for (const std::wstring& part : parts) out += (out.empty() ? L"" : L",") + part;
  return out;
}

}  // namespace

HcResBufChain newProjectDescriptionArguments(const std::vector<std::wstring>& lines, const std::wstring& flags) {
  HcResBufChain args;
  args.shortInt(kNewProjectMode).nil().beginList();
  for (const std::wstring& line : lines) args.str(line);
  return args.endList().str(flags);
}

std::optional<DescriptionEdit> descriptionEditOf(const std::optional<HcResBufChain>& answer) {
  if (!answer || answer->empty() || (*answer)[0].type != kRtListBegin) return std::nullopt;
  HcResBufWalker walker(*answer);
  walker.next();  // the list's begin
  DescriptionEdit edit;
  while (const HcResBuf* item = walker.peek()) {
    if (item->type == kRtListEnd) break;
    if (std::optional<std::wstring> line = walker.nextString()) {
      edit.lines.push_back(std::move(*line));
    } else if (item->type == kRtListBegin) {
      edit.flags = joined(answerStrings(walker.nextValue()).value_or(std::vector<std::wstring>{}));
    } else {
      walker.skipValue();
    }
  }
  return edit;
}

std::optional<DescriptionEdit> editNewProjectDescriptions(const std::vector<std::wstring>& lines,
                                                          const std::wstring& flags) {
  return descriptionEditOf(
      invokeLispCore(L"c:vox_proj_edit_proj_description_lines", newProjectDescriptionArguments(lines, flags)));
}

}  // namespace vox::host::lispcore
