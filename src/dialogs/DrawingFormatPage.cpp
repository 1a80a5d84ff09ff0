#include "dialogs/DrawingFormatPage.h"

#include "dialogs/MiscFlagBits.h"
#include "dialogs/PageTexts.h"

namespace vox::dialogs {
namespace {

// Choice positions of reference-kind (codes 1 to 9).
constexpr int kXY = 3;
constexpr int kXZone = 4;

PageField number(const std::wstring& id, const std::wstring& group, int index, FieldCheck check = FieldCheck::kReal) {
  return {.id = id, .group = group, .key = index, .kind = HcFieldKind::kNumber, .check = check};
}

PageField text(const std::wstring& id, const std::wstring& group, int index) {
  return {.id = id, .group = group, .key = index};
}

PageField flag(const std::wstring& id, const std::wstring& group, int bit) {
  return {.id = id, .group = group, .source = FieldSource::kFlagBits, .key = bit, .kind = HcFieldKind::kCheck};
}

void addLadderFields(std::vector<PageField>& out) {
  out.push_back({.id = L"ladder-orientation", .group = L"ladder", .key = 0, .kind = HcFieldKind::kRadio,
                 .choices = {{L"H", L"choice-horizontal"}, {L"V", L"choice-vertical"}}});
  out.push_back(number(L"rung-spacing", L"ladder", 11));
  out.push_back(number(L"ladder-width", L"ladder", 12));
  out.push_back(number(L"phase-spacing", L"ladder", 17));
  out.push_back(flag(L"suppress-line-references", L"ladder", kFlagSuppressLineRefs));
}

void addReferencingFields(std::vector<PageField>& out) {
  out.push_back({.id = L"reference-kind", .group = L"referencing", .key = 1, .kind = HcFieldKind::kChoice,
                 .choices = numberedChoices(L"choice-reference-kind-", 1, 9)});
  out.push_back(number(L"datum-x", L"referencing", 18, FieldCheck::kRealOrEmpty));
  out.push_back(number(L"datum-y", L"referencing", 19, FieldCheck::kRealOrEmpty));
  out.push_back(number(L"interval-h", L"referencing", 20));
  out.push_back(number(L"interval-v", L"referencing", 21));
  out.push_back(text(L"start-char-h", L"referencing", 22));
  out.push_back(text(L"start-char-v", L"referencing", 23));
  out.push_back({.id = L"horizontal-first", .group = L"referencing", .key = 24, .kind = HcFieldKind::kCheck});
  out.push_back(text(L"xy-delimiter", L"referencing", 25));
}

void addScaleAndSortFields(std::vector<PageField>& out) {
  out.push_back(number(L"unit-scale", L"scale", 30));
  out.push_back(number(L"feature-scale", L"scale", 31));
  out.push_back(flag(L"scale-mm", L"scale", kFlagScaleMmFullSize));
  out.push_back(text(L"sort-mode", L"sort", 59));
}

void addLayerFields(std::vector<PageField>& out) {
  const std::pair<const wchar_t*, int> layers[] = {
      {L"wire-layers", 26},       {L"wire-number-layer", 27}, {L"wire-copy-layer", 28},
      {L"wire-fixed-layer", 29},  {L"tag-layer", 32},         {L"xref-layer", 33},
      {L"desc-layer", 34},        {L"terminal-layer", 35},    {L"child-xref-layer", 36},
      {L"child-desc-layer", 37},  {L"location-layer", 38},    {L"position-layer", 39},
      {L"misc-layer", 40},        {L"link-layer", 44},        {L"component-layer", 45},
      {L"fixed-tag-layer", 48},   {L"wire-ref-layer", 54},    {L"location-box-layer", 58},
  };
  for (const auto& [id, index] : layers) out.push_back(text(id, L"layers", index));
  out.push_back(flag(L"ignore-layer-0", L"layers", kFlagIgnoreLayer0));
}

std::vector<PageField> drawingFormatFields() {
  std::vector<PageField> out;
  addLadderFields(out);
  addReferencingFields(out);
  addScaleAndSortFields(out);
  addLayerFields(out);
  return out;
}

}  // namespace

DrawingFormatPage::DrawingFormatPage()
    : SettingsPage(drawingFormatFields(), {{L"ladder", L"LADDER"}, {L"referencing", L"REFERENCING"}}) {}

std::wstring DrawingFormatPage::title() const { return pageText(L"page-drawing-format"); }

void DrawingFormatPage::refreshEnabled() {
  const int kind = choice(L"reference-kind");
  const bool xy = kind == kXY;
  const bool grid = xy || kind == kXZone;
  for (const wchar_t* id : {L"datum-x", L"datum-y", L"interval-h", L"start-char-h"}) setEnabled(id, grid);
  for (const wchar_t* id : {L"interval-v", L"start-char-v", L"horizontal-first", L"xy-delimiter"}) setEnabled(id, xy);
}

}  // namespace vox::dialogs
