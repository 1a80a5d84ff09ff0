#include "records/DrawingSettingTable.h"

#include <array>

namespace vox::records {
namespace {

constexpr std::array<DrawingSettingInfo, kDrawingSettingCount> kTable{{
    {L"RUNGHORV", L"", L"CFG037", L"Ladder default: H=horizontal rungs, V=vertical"},  // 0
    {L"REFNUMS", L"", L"CFG038",
     L"1=reference numbers,2=ruling,3=user block,4=X-Y,5=X-Zone,6=lref sheet and numbers,"
     L"7=lref Sheet (-) Numbers,8=lref Numbers in Hexagon,9=lref Sheet and numbers in hexagon"},  // 1
    {L"TAGMODE", L"", L"CFG039", L"Component tags: R=reference, S=sequential based"},  // 2
    {L"TAG-START", L"", L"", L"TAG-START"},  // 3
    {L"TAG-RSUF", L"", L"CFG040", L"Component tag suffix list"},  // 4
    {L"TAGFMT", L"", L"CFG041", L"Component tag format (ex: %F%N)"},  // 5
    {L"WIREMODE", L"", L"CFG042", L"Wire numbering mode: R=reference,S=sequential"},  // 6
    {L"WIRE-START", L"", L"", L"WIRE_START"},  // 7
    {L"WIRE-RSUF", L"", L"CFG043", L"Wire number suffix list"},  // 8
    {L"WIREFMT", L"", L"CFG044", L"Wire number format (ex: %N)"},  // 9
    {L"WINC", L"", L"CFG045", L"Wire numbering increment (Sequential mode)"},  // 10
    {L"RUNGDIST", L"", L"CFG046", L"Default ladder rung-to-rung distance"},  // 11
    {L"DLADW", L"", L"CFG047", L"Default width for new ladders"},  // 12
    {L"SHEET", L"SHEET_", L"", L"SHEET"},  // 13
    {L"XREFFMT", L"", L"CFG048", L"On-page (same drawing) cross-reference format (ex: %N)"},  // 14
    {L"RUNGINC", L"", L"CFG049", L"Ladder line reference increment"},  // 15
    {L"DRWRUNG", L"", L"CFG050", L"0=draw all rungs, 1=skip every other rung"},  // 16
    {L"PH3SPACE", L"", L"CFG051", L"Default 3-phase bus spacing"},  // 17
    {L"DATUMX", L"", L"CFG052", L"X coor origin for X-Y or X-zone"},  // 18
    {L"DATUMY", L"", L"CFG053", L"Y coor origin for X-Y or X-zone"},  // 19
    {L"DISTH", L"", L"CFG054", L"Horizontal interval spacing for X-Y or X-zone"},  // 20
    {L"DISTV", L"", L"CFG055", L"Vertical interval spacing for X-Y referncing"},  // 21
    {L"CHAR_H", L"", L"CFG056", L"Horizontal starting character for X-Y or X-zone"},  // 22
    {L"CHAR_V", L"", L"CFG057", L"Vertical starting character for X-Y referencing"},  // 23
    {L"HORIZ_FIRST", L"", L"CFG058", L"X-Y referencing format: 0=V-H, 1=H-V"},  // 24
    {L"XY_DELIM", L"", L"CFG059", L"X-Y referencing - delimiter character"},  // 25
    {L"WIRELAYS", L"", L"CFG060", L"Wire layers"},  // 26
    {L"WIRENO_LAY", L"", L"CFG061", L"Layer for wire numbers"},  // 27
    {L"WIRECOPY_LAY", L"", L"CFG062", L"Layer for extra wire number copies"},  // 28
    {L"WIREFIXED_LAY", L"", L"CFG063", L"Layer for FIXED wire numbers"},  // 29
    {L"UNIT_SCL", L"", L"CFG064", L"Unit scale factor (ex: 1.0 or 25.4)"},  // 30
    {L"FEATURE_SCL", L"", L"CFG065", L"Feature scaling factor (default 1.0)"},  // 31
    {L"TAG_LAY", L"", L"CFG066", L"Layer for schematic component tags"},  // 32
    {L"XREF_LAY", L"", L"CFG067", L"Layer for cross-reference text"},  // 33
    {L"DESC_LAY", L"", L"CFG068", L"Layer for schematic parent description text"},  // 34
    {L"TERM_LAY", L"", L"CFG069", L"Layer for terminal numbers"},  // 35
    {L"CXREF_LAY", L"", L"CFG070", L"Layer for child cross-reference text"},  // 36
    {L"CDESC_LAY", L"", L"CFG071", L"Layer for schematic child description text"},  // 37
    {L"LOC_LAY", L"", L"CFG072", L"Layer for Function/Installation and Location text"},  // 38
    {L"POS_LAY", L"", L"CFG073", L"Layer for switch position label text"},  // 39
    {L"MISC_LAY", L"", L"CFG074", L"Layer for schematic miscellaneous text"},  // 40
    {L"WLEADERS", L"", L"CFG075", L"Wire leaders: 0=as required, 1=always, 2=never"},  // 41
    {L"PLC_STYLE", L"", L"CFG076", L"Default PLC graphics style number"},  // 42
    {L"ARROW_STYLE", L"", L"CFG077", L"Default signal arrow style number"},  // 43
    {L"LINK_LAY", L"", L"CFG078", L"Layer for dashed link polylines"},  // 44
    {L"COMP_LAY", L"", L"CFG079", L"Layer for schematic component graphics"},  // 45
    {L"SHEETDWGNAME", L"", L"", L"SHEETDWGNAME"},  // 46
    {L"ALT_XREFFMT", L"", L"CFG080", L"Off-page cross-reference format (ex: %S-%N)"},  // 47
    {L"TAGFIXED_LAY", L"", L"CFG081", L"Layer for FIXED component tags"},  // 48
    {L"GAP_STYLE", L"", L"CFG082", L"Wire crossing gap style (0=gap, 1=loop, 2=no gap)"},  // 49
    {L"MISC_FLAGS", L"", L"", L"MISC_FLAGS"},  // 50
    {L"IEC_PROJ", L"", L"", L"IEC_PROJ"},  // 51
    {L"IEC_INST", L"", L"", L"IEC_INST"},  // 52
    {L"IEC_LOC", L"", L"", L"IEC_LOC"},  // 53
    {L"WIREREF_LAY", L"", L"CFG083", L"Layer for terminal/signal wire number text"},  // 54
    {L"MISC_DATA", L"", L"", L"MISC_DATA"},  // 55
    {L"FAN_INOUT_LAYS", L"", L"CFG084", L"Layer list for In-line fan in/out single lines"},  // 56
    {L"FAN_INOUT_STYLE", L"", L"CFG085", L"In-line fan in/out symbol style number"},  // 57
    {L"LOCBOX_LAY", L"", L"CFG086", L"Layer for location box outline"},  // 58
    {L"SORTMODE", L"", L"CFG090", L"Re-tag and wire numbering sort mode"},  // 59
    {L"XREF_STYLE", L"", L"", L"XREF_STYLE"},  // 60
    {L"XREF_FLAGS", L"", L"", L"XREF_FLAGS"},  // 61
    {L"XREF_UNUSEDSTYLE", L"", L"", L"XREF_UNUSEDSTYLE"},  // 62
    {L"XREF_FILLWITH", L"", L"", L"XREF_FILLWITH"},  // 63
    {L"XREF_SORT", L"", L"", L"XREF_SORT"},  // 64
    {L"XREF_TXTBTWN", L"", L"", L"XREF_TXTBTWN"},  // 65
    {L"XREF_GRAPHIC", L"", L"", L"XREF_GRAPHIC"},  // 66
    {L"XREF_GRAPHICSTYLE", L"", L"", L"XREF_GRAPHICSTYLE"},  // 67
    {L"XREF_CONTACTMAP", L"", L"", L"XREF_CONTACTMAP"},  // 68
    {L"XREF_TBLSTYLE", L"", L"", L"XREF_TBLSTYLE"},  // 69
    {L"XREF_TBLTITLE", L"", L"", L"XREF_TBLTITLE"},  // 70
    {L"XREF_TBLINDEX", L"", L"", L"XREF_TBLINDEX"},  // 71
    {L"XREF_TBLFLDNAMS", L"", L"", L"XREF_TBLFLDNAMS"},  // 72
    {L"XREF_TBLCOLJUST", L"", L"", L"XREF_TBLCOLJUST"},  // 73
    {L"WNUM_OFFSET", L"", L"", L"WNUM_OFFSET"},  // 74
    {L"WNUM_FLAGS", L"", L"", L"WNUM_FLAGS"},  // 75
    {L"WNUM_GAP", L"", L"", L"WNUM_GAP"},  // 76
}};

}  // namespace

const DrawingSettingInfo* drawingSettingInfo(int index) {
  if (index < 0 || index >= kDrawingSettingCount) return nullptr;
  return &kTable[static_cast<std::size_t>(index)];
}

bool isDrawingSpecificIndex(int index) {
  return index == 13 || index == 46 || index == 51 || index == 52 || index == 53;
}

}  // namespace vox::records
