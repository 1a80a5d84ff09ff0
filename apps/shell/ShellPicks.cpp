#include "ShellPicks.h"

#include <cmath>
#include <cwchar>
#include <vector>

#include "platform/dwgdb/DrawingFile.h"
#include "platform/dwgdb/TextPick.h"
#include "platform/textui/TextRender.h"

namespace vox::shell {
namespace {

// How far from a text a pick may lie and still select it, in drawing units.
constexpr double kAperture = 1.0;

std::optional<double> parseNumber(const std::wstring& text) {
  if (text.empty()) return std::nullopt;
  wchar_t* end = nullptr;
  const double value = std::wcstod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::wstring pointText(const HcPickedPoint& p) {
  wchar_t text[128];
  std::swprintf(text, std::size(text), L"%g,%g", p.x, p.y);
  return text;
}

const HcDocument* currentDocument() {
  const HcDocManager* documents = hcDocManagerPtr();
  return documents != nullptr ? documents->curDocument() : nullptr;
}

}  // namespace

std::optional<HcPickedPoint> parsePickPoint(const std::wstring& text) {
  std::vector<double> parts;
  std::size_t start = 0;
  while (parts.size() < 4) {
    const std::size_t comma = text.find(L',', start);
    const std::optional<double> value = parseNumber(text.substr(start, comma - start));
    if (!value) return std::nullopt;
    parts.push_back(*value);
    if (comma == std::wstring::npos) break;
    start = comma + 1;
  }
  if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
  return HcPickedPoint{parts[0], parts[1], parts.size() == 3 ? parts[2] : 0.0};
}

std::optional<HcPickedPoint> ShellPicks::answeredPoint(const std::wstring& prompt) {
  const std::optional<std::wstring> answer = answers_.pick(prompt);
  return answer ? parsePickPoint(*answer) : std::nullopt;
}

std::optional<HcPickedPoint> ShellPicks::getPoint(const std::wstring& prompt) {
  const std::optional<HcPickedPoint> point = currentDocument() != nullptr ? answeredPoint(prompt) : std::nullopt;
  output_(L"pick point " + textui::quoted(prompt) + L" -> " + (point ? pointText(*point) : L"none") + L"\n");
  return point;
}

std::optional<std::wstring> ShellPicks::selectText(const std::wstring& prompt) {
  const HcDocument* current = currentDocument();
  const std::optional<HcPickedPoint> point = current != nullptr ? answeredPoint(prompt) : std::nullopt;
  std::optional<std::wstring> text;
  if (point) {
    if (const std::optional<dwgdb::Drawing> drawing = dwgdb::loadDrawing(current->fileName()))
      text = dwgdb::textAt(*drawing, {point->x, point->y, point->z}, kAperture);
  }
  output_(L"pick text " + textui::quoted(prompt) + L" -> " + (text ? textui::quoted(*text) : L"none") + L"\n");
  return text;
}

}  // namespace vox::shell
