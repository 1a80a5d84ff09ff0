#pragma once
// Shared helpers of the property page tests: the module's real message catalog installed for
// the test, fully set records, and what a page changed when it stored.

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "dialogs/PropertyPage.h"
#include "platform/interaction/FileMessageCatalog.h"
#include "records/VoxCfgDrawingSettings.h"
#include "records/VoxPrmMiscProjSettings.h"

namespace vox::dialogs::test {

// Installs the module's catalog (resources/voxfolio-messages.txt) for each test.
class PageTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

 private:
  interaction::FileMessageCatalog m_catalog;
};

// Drawing settings with every index set: the built-in defaults, with 15, 16 and 55 (on no page)
// and 50 set to `flags`.
VoxCfgDrawingSettings fullSettings(int flags = 0);

// Misc settings with every index set to a value of its type.
VoxPrmMiscProjSettings fullMisc();

// The indices whose set state or exact text differ.
std::set<int> changedIndices(const VoxCfgDrawingSettings& before, const VoxCfgDrawingSettings& after);
std::set<int> changedIndices(const VoxPrmMiscProjSettings& before, const VoxPrmMiscProjSettings& after);

// The page's field, or an empty field with id "?" when there is none.
HcDialogField field(const PropertyPage& page, const std::wstring& id);
bool hasField(const PropertyPage& page, const std::wstring& id);

// Text of drawing setting `index` ("<unset>" when unset).
std::wstring valueOf(const VoxCfgDrawingSettings& settings, int index);

// What storing the page after one change did.
struct StoreResult {
  std::set<int> drawing;  // changed drawing settings
  std::set<int> misc;     // changed misc settings
  VoxCfgDrawingSettings settings;
  VoxPrmMiscProjSettings miscSettings;
};

// Loads `page` from `settings` (and `misc` when given), sets `id` to `value` (which must be
// accepted), stores into copies of the same records and reports the differences.
StoreResult storeAfterChange(PropertyPage& page, const VoxCfgDrawingSettings& settings,
                             const VoxPrmMiscProjSettings* misc, const std::wstring& id, const std::wstring& value);

}  // namespace vox::dialogs::test
