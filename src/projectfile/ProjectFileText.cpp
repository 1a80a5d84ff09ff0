#include "projectfile/ProjectFileText.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/os/WinPath.h"
#include "projectfile/ProjectFileLines.h"
#include "records/VoxCfgDrawingSettings.h"
#include "records/VoxPrmMiscProjSettings.h"

namespace vox::projectfile {
namespace {

constexpr int kMiscMax = 38;
constexpr int kDrawingMax = 76;
constexpr int kSheetIndex = 13;
constexpr int kSheetDwgNameIndex = 46;

}  // namespace

// Collects one project's content line by line.
class ProjectTextReader::Lines {
 public:
  Lines(const ProjectFolderPaths& paths, const ReplaceableSubstitution& substitute)
      : paths_(paths), substitute_(substitute) {}

  void line(std::wstring_view text, VoxPrmProjectData& data) {
    text = trimLeadingBlanks(text);
    if (text.empty()) return;
    switch (text[0]) {
      case L'*':
      case L'+':
      case L'?':
        bracketLine(text);
        break;
      case L'=':
        entryLine(trimTrailingBlanks(text));
        break;
      default:
        drawingLine(text, data);
    }
  }

  void finish(VoxPrmProjectData& data, const records::DependentDefaultTexts& lispTexts) const {
    data.setProjDescriptions(descriptions_);
    data.setMiscProjSettings(misc_);
    VoxCfgDrawingSettings defaults;
    defaults.fillWithDefaults(misc_, lispTexts);
    defaults = drawing_;
    data.setProjDefWDMVals(defaults);
  }

 private:
  void bracketLine(std::wstring_view text) {
    const wchar_t kind = text[0];
    const std::size_t kindEnd = text.find_first_not_of(L"*+?");
    const std::optional<BracketItem> item =
        parseBracketItem(kindEnd == std::wstring_view::npos ? std::wstring_view() : text.substr(kindEnd));
    if (!item) return;
    if (kind == L'*') {
      description(item->number, item->value);
    } else if (kind == L'+') {
      miscSetting(item->number, item->value);
    } else {
      drawingSetting(item->number, item->value);
    }
  }

  void description(int number, std::wstring_view value) {
    if (number < 1 || number > kMaxDescriptionNumber) return;
    const auto index = static_cast<std::size_t>(number - 1);
    if (descriptions_.size() <= index) descriptions_.resize(index + 1);
    descriptions_[index].assign(value);
  }

  void miscSetting(int number, std::wstring_view value) {
    if (number < 1 || number > kMiscMax) return;
    std::wstring text(number == 7 ? value : trimLeadingBlanks(value));
    if (number <= 4 && substitute_) {
      if (std::optional<std::wstring> substituted = substitute_(text)) text = std::move(*substituted);
    }
    misc_.setValue(number, &text);
  }

  void drawingSetting(int number, std::wstring_view value) {
    if (number < 0 || number > kDrawingMax) return;
    const std::wstring text(number == 63 || number == 65 ? value : trimLeadingBlanks(value));
    drawing_.setValue(number, &text);
  }

  void entryLine(std::wstring_view text) {
    if (text.substr(0, 7) == L"====REF") {
      pending_.isReference = true;
      return;
    }
    const std::size_t equals = std::min(text.find_first_not_of(L'='), text.size());
    const std::wstring_view rest = text.substr(equals);
    if (equals >= 3) {  // "===" or more
      pending_.descriptions.emplace_back(rest);
    } else if (equals == 2) {
      pending_.subSection.assign(rest);
    } else {
      pending_.section.assign(rest);
    }
  }

  void drawingLine(std::wstring_view text, VoxPrmProjectData& data) {
    text = trimTrailingBlanks(text);
    if (!text.empty() && text[0] == L'"') text.remove_prefix(1);
    std::wstring path = os::toBackslashes(text);
    if (os::isRelative(path)) paths_.relativeToAbsolute(path);
    // Resolving "." and ".." can leave blanks at the end ("A \."); a line's trailing blanks are not
    // kept, so the name is trimmed again to read back the same after it is written.
    path.resize(trimTrailingBlanks(path).size());
    pending_.fileName = std::move(path);
    data.addFile(pending_);
    pending_ = VoxPrmFileDetails();
  }

  const ProjectFolderPaths& paths_;
  const ReplaceableSubstitution substitute_;
  VoxPrmFileDetails pending_;
  std::vector<std::wstring> descriptions_;
  VoxPrmMiscProjSettings misc_;
  VoxCfgDrawingSettings drawing_;
};

namespace {

// Appends one line and its line end; a line break inside the text would split the line, so it
// is written as a blank.
class Writer {
 public:
  explicit Writer(const os::NarrowCodec& codec) : codec_(codec) {}

  void line(std::wstring_view prefix, std::wstring_view text) {
    const std::size_t start = out_.size();
    codec_.encodeAppend(prefix, out_);
    codec_.encodeAppend(text, out_);
    for (std::size_t i = start; i < out_.size(); ++i)
      if (out_[i] == '\r' || out_[i] == '\n') out_[i] = ' ';
    out_ += "\r\n";
    ++lines_;
  }

  std::string finish() {
    if (lines_ == 0) out_ = "\r\n";
    return std::move(out_);
  }

 private:
  const os::NarrowCodec& codec_;
  std::string out_;
  std::size_t lines_ = 0;
};

std::wstring bracketPrefix(wchar_t kind, std::size_t number) {
  return std::wstring(1, kind) + L'[' + std::to_wstring(number) + L']';
}

void writeSettings(const VoxPrmProjectData& data, Writer& writer) {
  std::wstring value;
  for (int i = 1; i <= kMiscMax; ++i) {
    if (data.getMiscProjSettings().getValue(i, value) == VoxPrmMiscProjSettings::kOk)
      writer.line(bracketPrefix(L'+', static_cast<std::size_t>(i)), value);
  }
  for (int i = 0; i <= kDrawingMax; ++i) {
    if (i == kSheetIndex || i == kSheetDwgNameIndex) continue;
    if (data.getProjDefWDMVals().getValue(i, value) == VoxCfgDrawingSettings::kOk)
      writer.line(bracketPrefix(L'?', static_cast<std::size_t>(i)), value);
  }
}

void writeEntry(const VoxPrmFileDetails& entry, const ProjectFolderPaths& paths, Writer& writer) {
  if (!entry.section.empty()) writer.line(L"=", entry.section);
  if (!entry.subSection.empty()) writer.line(L"==", entry.subSection);
  for (const std::wstring& d : entry.descriptions) writer.line(L"===", d);
  if (entry.isReference) writer.line(L"====REF", {});
  std::wstring name = entry.fileName;
  if (!os::isRelative(name)) paths.absoluteToRelative(name);
  std::replace_if(name.begin(), name.end(), [](wchar_t c) { return c == L'\r' || c == L'\n'; }, L' ');
  writer.line(drawingNameNeedsQuote(name) ? L"\"" : L"", name);
}

}  // namespace

ProjectTextReader::ProjectTextReader(const os::NarrowCodec& codec, const ProjectFolderPaths& paths,
                                     const ReplaceableSubstitution& substitute, VoxPrmProjectData& data,
                                     std::size_t expectedDrawings)
    : codec_(codec), data_(data), lines_(std::make_unique<Lines>(paths, substitute)) {
  data.removeAllFiles();
  data.reserveFiles(expectedDrawings);
}

ProjectTextReader::~ProjectTextReader() = default;

void ProjectTextReader::feed(std::string_view bytes) {
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos) {
      partial_ += bytes;
      return;
    }
    if (partial_.empty()) {
      line(bytes.substr(0, end));
    } else {
      partial_ += bytes.substr(0, end);
      line(partial_);
      partial_.clear();
    }
    bytes.remove_prefix(end + 1);
  }
}

void ProjectTextReader::finish(const records::DependentDefaultTexts& lispTexts) {
  if (!partial_.empty()) line(partial_);
  partial_.clear();
  lines_->finish(data_, lispTexts);
}

void ProjectTextReader::line(std::string_view bytes) {
  while (!bytes.empty() && bytes.back() == '\r') bytes.remove_suffix(1);
  decoded_.clear();
  codec_.decodeAppend(bytes, decoded_);
  // A carriage return inside a line is no text: dropping it keeps what is written stable.
  if (bytes.find('\r') != std::string_view::npos) std::erase(decoded_, L'\r');
  lines_->line(decoded_, data_);
}

void readProjectText(std::string_view bytes, const os::NarrowCodec& codec, const ProjectFolderPaths& paths,
                     const ReplaceableSubstitution& substitute, VoxPrmProjectData& data,
                     const records::DependentDefaultTexts& lispTexts) {
  ProjectTextReader reader(codec, paths, substitute, data);
  reader.feed(bytes);
  reader.finish(lispTexts);
}

std::string writeProjectText(const VoxPrmProjectData& data, const os::NarrowCodec& codec,
                             const ProjectFolderPaths& paths) {
  Writer writer(codec);
  const std::vector<std::wstring>& descriptions = data.getProjDescriptions();
  for (std::size_t i = 0; i < descriptions.size(); ++i) {
    if (!descriptions[i].empty()) writer.line(bracketPrefix(L'*', i + 1), descriptions[i]);
  }
  writeSettings(data, writer);
  for (const VoxPrmFileDetails& entry : data.getProjFileDetails()) {
    if (!entry.fileName.empty()) writeEntry(entry, paths, writer);
  }
  return writer.finish();
}

}  // namespace vox::projectfile
