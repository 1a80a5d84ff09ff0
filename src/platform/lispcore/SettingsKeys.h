#pragma once
// Where the core keeps its values in the settings store.

namespace vox::lispcore {

inline constexpr const wchar_t* kRecentProjectsKey = L"Software\\VoxFolio\\LispCore\\RecentProjects";
inline constexpr const wchar_t* kEnvironmentKey = L"Software\\VoxFolio\\LispCore\\Environment";
inline constexpr const wchar_t* kMessagesKey = L"Software\\VoxFolio\\LispCore\\Messages";
// Drawing setting defaults (XREF_TBLINDEX, XREF_TBLFLDNAMS, XREF_TBLCOLJUST, WNUM_GAP) and the
// installation and location codes (INST, LOC).
inline constexpr const wchar_t* kDrawingDefaultsKey = L"Software\\VoxFolio\\LispCore\\DrawingDefaults";

}  // namespace vox::lispcore
