// Defaults, and the comparison and copy of the settings a project shares with its drawings.

#include <array>
#include <string_view>

#include "platform/os/CaseMapping.h"
#include "records/DrawingSettingTable.h"
#include "records/TextList.h"
#include "records/VoxCfgDrawingSettings.h"
#include "records/VoxPrmMiscProjSettings.h"
#include "records/VoxPrmProjectData.h"

namespace {

constexpr int kFirstDependentIndex = 60;

constexpr std::array<std::wstring_view, kFirstDependentIndex> kBuiltInDefaults{
    L"H",  // 0 RUNGHORV
    L"1",  // 1 REFNUMS
    L"R",  // 2 TAGMODE
    L"1",  // 3 TAG-START
    L",A,B,C,D,E,F,G,H,J",  // 4 TAG-RSUF
    L"%F%N",  // 5 TAGFMT
    L"R",  // 6 WIREMODE
    L"1",  // 7 WIRE-START
    L",A,B,C,D,E,F,G,H,J,K,L,M,N",  // 8 WIRE-RSUF
    L"%N",  // 9 WIREFMT
    L"1",  // 10 WINC
    L"0.75",  // 11 RUNGDIST
    L"4.5",  // 12 DLADW
    L"",  // 13 SHEET
    L"%N",  // 14 XREFFMT
    L"1",  // 15 RUNGINC
    L"0",  // 16 DRWRUNG
    L"0.5",  // 17 PH3SPACE
    L"",  // 18 DATUMX
    L"",  // 19 DATUMY
    L"2.0",  // 20 DISTH
    L"2.0",  // 21 DISTV
    L"A",  // 22 CHAR_H
    L"1",  // 23 CHAR_V
    L"1",  // 24 HORIZ_FIRST
    L"-",  // 25 XY_DELIM
    L"WIRES",  // 26 WIRELAYS
    L"WIRENO",  // 27 WIRENO_LAY
    L"WIRECOPY",  // 28 WIRECOPY_LAY
    L"WIREFIXED",  // 29 WIREFIXED_LAY
    L"1.0",  // 30 UNIT_SCL
    L"1.0",  // 31 FEATURE_SCL
    L"TAGS",  // 32 TAG_LAY
    L"XREF",  // 33 XREF_LAY
    L"DESC",  // 34 DESC_LAY
    L"TERMS",  // 35 TERM_LAY
    L"XREFCHILD",  // 36 CXREF_LAY
    L"DESCCHILD",  // 37 CDESC_LAY
    L"LOC",  // 38 LOC_LAY
    L"POS",  // 39 POS_LAY
    L"MISC",  // 40 MISC_LAY
    L"0",  // 41 WLEADERS
    L"1",  // 42 PLC_STYLE
    L"1",  // 43 ARROW_STYLE
    L"LINK",  // 44 LINK_LAY
    L"SYMS",  // 45 COMP_LAY
    L"",  // 46 SHEETDWGNAME
    L"%N",  // 47 ALT_XREFFMT
    L"TAGFIXED",  // 48 TAGFIXED_LAY
    L"1",  // 49 GAP_STYLE
    L"0",  // 50 MISC_FLAGS
    L"",  // 51 IEC_PROJ
    L"",  // 52 IEC_INST
    L"",  // 53 IEC_LOC
    L"WIREREF",  // 54 WIREREF_LAY
    L"",  // 55 MISC_DATA
    L"_MULTI_WIRE",  // 56 FAN_INOUT_LAYS
    L"1",  // 57 FAN_INOUT_STYLE
    L"LOCBOX",  // 58 LOCBOX_LAY
    L"",  // 59 SORTMODE
};

int integerSetting(const VoxPrmMiscProjSettings& misc, int index) {
  int value = 0;
  misc.getValue(index, value);
  return value;
}

std::wstring textSetting(const VoxPrmMiscProjSettings& misc, int index) {
  std::wstring value;
  misc.getValue(index, value);
  return value;
}

const wchar_t* flag(bool on) { return on ? L"1" : L"0"; }

}  // namespace

void VoxCfgDrawingSettings::fillWithDefaults(const VoxPrmMiscProjSettings& misc,
                                             const vox::records::DependentDefaultTexts& lispTexts) {
  fillHCDefaults();
  fillDependantDefaultsUsingDependancy(misc, lispTexts);
}

void VoxCfgDrawingSettings::fillWithProjectDefaults(const VoxPrmProjectData* project,
                                                    const vox::records::DependentDefaultTexts& lispTexts) {
  fillHCDefaults();
  if (project == nullptr) {
    fillDependantDefaultsUsingHCD(lispTexts);
    return;
  }
  fillDependantDefaultsUsingDependancy(project->getMiscProjSettings(), lispTexts);
  *this = project->getProjDefWDMVals();
}

void VoxCfgDrawingSettings::fillHCDefaults() {
  for (int index = 0; index < kFirstDependentIndex; ++index) {
    store(index, std::wstring(kBuiltInDefaults[static_cast<std::size_t>(index)]));
  }
}

void VoxCfgDrawingSettings::fillDependantDefaultsUsingHCD(const vox::records::DependentDefaultTexts& lispTexts) {
  store(60, L"0");
  store(61, L"0");
  store(62, L"0");
  store(63, L"");
  store(64, L"0");
  store(65, L",");
  store(66, L"1");
  store(67, L"0");
  fillCommonDependents(lispTexts);
}

void VoxCfgDrawingSettings::fillDependantDefaultsUsingDependancy(
    const VoxPrmMiscProjSettings& misc, const vox::records::DependentDefaultTexts& lispTexts) {
  // Bit 8 of misc setting 5 chooses the graphical cross-reference style.
  const bool graphicalXref = (integerSetting(misc, 5) & 8) != 0;
  const std::wstring fillWith = textSetting(misc, 7);
  store(60, flag(graphicalXref));
  store(61, flag(!fillWith.empty()));
  store(62, L"0");
  store(63, fillWith);
  store(64, flag(integerSetting(misc, 28) == 1));
  store(65, integerSetting(misc, 8) == 1 ? L", " : L",");
  store(66, flag(!graphicalXref));
  store(67, flag(graphicalXref));
  fillCommonDependents(lispTexts);
}

// 68 to 76, which do not depend on the project.
void VoxCfgDrawingSettings::fillCommonDependents(const vox::records::DependentDefaultTexts& lispTexts) {
  store(68, L"NO,NC,NONC");
  store(69, L"Standard");
  store(70, L"%T");
  store(71, lispTexts.xrefTableIndex);
  store(72, lispTexts.xrefTableFieldNames);
  store(73, lispTexts.xrefTableColumnJustification);
  store(74, L"0.0");
  store(75, L"1");
  store(76, lispTexts.wireNumberGap);
}

bool VoxCfgDrawingSettings::CompareNonDrawingSpecificValues(const VoxCfgDrawingSettings& other) const {
  for (int index = 0; index <= kMaxBracketIndex; ++index) {
    if (vox::records::isDrawingSpecificIndex(index)) continue;
    const Slot& mine = m_values[static_cast<std::size_t>(index)];
    const Slot& theirs = other.m_values[static_cast<std::size_t>(index)];
    if (mine.has_value() != theirs.has_value()) return false;
    if (!mine) continue;
    const bool same = index == vox::records::kWireLayersIndex ? firstListInSecondList(*theirs, *mine)
                                                              : vox::os::iequals(*mine, *theirs);
    if (!same) return false;
  }
  return true;
}

void VoxCfgDrawingSettings::CopyNonDrawingSpecificValues(const VoxCfgDrawingSettings& source, bool unsetMissing) {
  for (int index = 0; index <= kMaxBracketIndex; ++index) {
    if (vox::records::isDrawingSpecificIndex(index)) continue;
    const Slot& theirs = source.m_values[static_cast<std::size_t>(index)];
    Slot& mine = m_values[static_cast<std::size_t>(index)];
    if (!theirs) {
      if (unsetMissing) freeAndSetOnePtrNULL(mine);
    } else if (index == vox::records::kWireLayersIndex && mine) {
      mergeWireLays(*theirs, *mine);
    } else {
      mine = *theirs;
    }
  }
}

bool VoxCfgDrawingSettings::mergeWireLays(const std::wstring& first, std::wstring& second) {
  if (first.empty()) return true;
  if (second.empty()) {
    second = first;
    return true;
  }
  // Split `first` before touching `second`: the two may be the same string.
  const std::vector<std::wstring> additions = vox::records::listElements(first);
  std::vector<std::wstring> present = vox::records::listElements(second);
  for (const std::wstring& layer : additions) {
    if (vox::records::containsElement(present, layer)) continue;
    second += L',';
    second += layer;
    present.push_back(layer);
  }
  return true;
}

bool VoxCfgDrawingSettings::firstListInSecondList(const std::wstring& first, const std::wstring& second) {
  const std::vector<std::wstring> wanted = vox::records::listElements(first);
  const std::vector<std::wstring> present = vox::records::listElements(second);
  for (const std::wstring& layer : wanted) {
    if (!vox::records::containsElement(present, layer)) return false;
  }
  return true;
}
