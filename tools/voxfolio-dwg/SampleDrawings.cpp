#include "SampleDrawings.h"

#include <filesystem>

#include "Thumbnail.h"
#include "platform/dwgdb/DrawingFile.h"
#include "platform/os/NativePath.h"
#include "records/DrawingSettingTable.h"
#include "records/VoxCfgDrawingSettings.h"
#include "records/VoxPrmMiscProjSettings.h"

namespace vox::tools {
namespace {

using namespace dwgdb;

constexpr const wchar_t* kAuthor = L"VoxFolio samples";

// The settings block's attribute definitions carry the built-in defaults.
std::vector<Attribute> settingsDefinitions() {
  VoxCfgDrawingSettings defaults;
  defaults.fillWithDefaults(VoxPrmMiscProjSettings());
  std::vector<Attribute> definitions;
  for (int index = 0; index < records::kDrawingSettingCount; ++index) {
    Attribute a;
    VoxCfgDrawingSettings::getWD_MTagForIndex(index, a.tag);
    defaults.getValue(index, a.value);
    a.position = {0.0, -1.5 * index, 0.0};
    a.invisible = true;
    definitions.push_back(std::move(a));
  }
  return definitions;
}

BlockDefinition settingsBlock() {
  return {L"WD_M", {}, settingsDefinitions(), {Text{L"WD_M", {0.0, 2.0, 0.0}, 1.0, L"0", {}}}, {}};
}

BlockDefinition ladderBlock(const std::wstring& name, bool vertical) {
  const Point end = vertical ? Point{0.0, -100.0, 0.0} : Point{100.0, 0.0, 0.0};
  return {name, {}, {Attribute{L"WIREFMT", L"%N", {0.0, 5.0, 0.0}, true, {}}}, {Line{{}, end, L"LADDER", {}}}, {}};
}

// A reference with the definition's attributes at their places, values changed as given.
BlockReference referenceOf(const BlockDefinition& block, const Point& at, const std::vector<std::pair<std::wstring, std::wstring>>& values) {
  BlockReference ref{block.name, at, {1.0, 1.0, 1.0}, 0.0, L"0", {}, {}};
  for (const Attribute& d : block.attributeDefinitions) {
    Attribute a = d;
    a.position = {at.x + d.position.x, at.y + d.position.y, at.z + d.position.z};
    for (const auto& [tag, value] : values)
      if (tag == a.tag) a.value = value;
    ref.attributes.push_back(std::move(a));
  }
  return ref;
}

std::string schematicThumbnail(int rungs) {
  GreyImage image(64, 48);
  image.horizontal(0, 0, 63, 0);
  image.horizontal(47, 0, 63, 0);
  image.vertical(0, 0, 47, 0);
  image.vertical(63, 0, 47, 0);
  image.vertical(12, 6, 41, 64);
  image.vertical(51, 6, 41, 64);
  for (int r = 0; r < rungs; ++r) image.horizontal(8 + r * 6, 12, 51, 96);
  return encodePng(image);
}

Drawing baseDrawing(const std::wstring& title) {
  Drawing d = emptyDrawing();
  d.header.lastSavedBy = kAuthor;
  d.summary.title = title;
  d.summary.author = kAuthor;
  d.layers = {Layer{L"0", false, {}}, Layer{L"WIRES", false, {}}, Layer{L"WIRES_RED", false, {}},
              Layer{L"TEXT", false, {}}, Layer{L"HIDDEN", true, {}}, Layer{L"LADDER", false, {}}};
  d.extras.json = R"({"units":"millimetres"})";  // a member only other programs read
  return d;
}

std::vector<CustomProperty> titleValues(const std::wstring& description, const std::wstring& sheet,
                                        const std::wstring& section, const std::wstring& subSection) {
  return {{L"Drawing Description 1", description}, {L"Drawing Description 2", L""}, {L"Drawing Description 3", L""},
          {L"Project Code", L"PN"},                {L"Installation Code", L"L3"},   {L"Location Code", L"CAB1"},
          {L"Sheet", sheet},                       {L"Drawing", L"DEMO" + sheet},    {L"Section", section},
          {L"Sub-Section", subSection}};
}

// A schematic drawing of the demonstration project: border, title text, its settings block
// in `space` (none when empty) and its title values.
Drawing demoDrawing(const std::wstring& title, const std::wstring& sheet, const std::wstring& space,
                    const std::wstring& section, const std::wstring& subSection) {
  Drawing d = baseDrawing(title);
  d.summary.customProperties = titleValues(title, sheet, section, subSection);
  Space& model = *d.findSpace(L"*Model_Space");
  model.entities.push_back(Line{{0, 0, 0}, {420, 0, 0}, L"0", {}});
  model.entities.push_back(Line{{420, 0, 0}, {420, 297, 0}, L"0", {}});
  model.entities.push_back(Text{title, {10, 10, 0}, 3.5, L"TEXT", R"({"style":"Standard"})"});
  model.entities.push_back(OtherEntity{R"({"type":"circle","center":[200,150,0],"radius":5,"layer":"0"})"});
  d.thumbnailPng = schematicThumbnail(5);
  if (space.empty()) return d;
  const BlockDefinition block = settingsBlock();
  d.blocks.push_back(block);
  if (d.findSpace(space) == nullptr) d.spaces.push_back(Space{space, {}, {}});
  d.findSpace(space)->entities.push_back(referenceOf(
      block, {400, 280, 0}, {{L"SHEET", sheet}, {L"SHEETDWGNAME", L"DEMO" + sheet}, {L"WIRELAYS", L"WIRES,WIRES_RED"}}));
  return d;
}

Drawing blockFile(const BlockDefinition& block) {
  Drawing d = emptyDrawing();
  d.header.lastSavedBy = kAuthor;
  d.summary.title = block.name + L" block";
  d.summary.author = kAuthor;
  d.blocks.push_back(block);
  return d;
}

Drawing ladderDrawing() {
  Drawing d = demoDrawing(L"PLC outputs", L"04", L"*Model_Space", L"Control", L"PLC");
  const BlockDefinition vertical = ladderBlock(L"WD_MLRV", true);
  d.blocks.push_back(vertical);
  Space& model = *d.findSpace(L"*Model_Space");
  model.entities.push_back(referenceOf(vertical, {50, 250, 0}, {}));
  model.entities.push_back(referenceOf(vertical, {200, 250, 0}, {}));
  model.entities.push_back(referenceOf(vertical, {350, 250, 0}, {{L"WIREFMT", L"%S-%N"}}));
  return d;
}

Drawing templateDrawing() {
  Drawing d = baseDrawing(L"Demonstration template");
  d.blocks.push_back(settingsBlock());
  d.findSpace(L"*Model_Space")->entities.push_back(referenceOf(d.blocks.back(), {400, 280, 0}, {}));
  return d;
}

}  // namespace

std::vector<SampleFile> sampleDrawings() {
  std::vector<SampleFile> files;
  files.push_back({"blocks/WD_M.dwg", blockFile(settingsBlock())});
  files.push_back({"blocks/WD_MLRV.dwg", blockFile(ladderBlock(L"WD_MLRV", true))});
  files.push_back({"blocks/WD_MLRH.dwg", blockFile(ladderBlock(L"WD_MLRH", false))});
  files.push_back({"Demo/DEMO.dwt", templateDrawing()});
  files.push_back({"Demo/DEMO001.dwg", demoDrawing(L"Incoming supply", L"01", L"*Model_Space", L"Power", L"Main supply")});
  files.push_back({"Demo/DEMO002.dwg", demoDrawing(L"Motor feeders", L"02", L"", L"Power", L"Distribution")});
  Drawing paperOnly = demoDrawing(L"PLC inputs", L"03", L"*Paper_Space0", L"Control", L"PLC");
  files.push_back({"Demo/control/DEMO003.dwg", std::move(paperOnly)});
  files.push_back({"Demo/control/DEMO004.dwg", ladderDrawing()});
  files.push_back({"Demo/DEMOREF.dwg", demoDrawing(L"Symbol legend", L"REF", L"*Model_Space", L"Reference", L"")});
  return files;
}

bool writeSamples(const std::string& samplesFolder, std::wstring& error) {
  for (const SampleFile& file : sampleDrawings()) {
    const std::filesystem::path native = std::filesystem::path(samplesFolder) / file.relativePath;
    std::error_code ignored;  // a folder that cannot be made fails the save below
    std::filesystem::create_directories(native.parent_path(), ignored);
    if (!saveDrawing(os::fromNative(native.string()), file.drawing, &error)) return false;
  }
  return true;
}

}  // namespace vox::tools
