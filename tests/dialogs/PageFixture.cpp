#include "PageFixture.h"

#include "host/HcHostRuntime.h"
#include "records/NumberText.h"

namespace vox::dialogs::test {

void PageTest::SetUp() {
  ASSERT_TRUE(m_catalog.load(std::string(VOX_SOURCE_DIR) + "/resources/voxfolio-messages.txt"));
  HcHostRuntime runtime;
  runtime.messages = &m_catalog;
  hcInstallHostRuntime(runtime);
}

void PageTest::TearDown() { hcInstallHostRuntime({}); }

VoxCfgDrawingSettings fullSettings(int flags) {
  VoxCfgDrawingSettings settings;
  settings.fillWithDefaults(VoxPrmMiscProjSettings{});
  const std::wstring rungInc = L"2", skip = L"1", data = L"carried", word = records::formatInt(flags);
  settings.setValue(15, &rungInc);
  settings.setValue(16, &skip);
  settings.setValue(55, &data);
  settings.setValue(50, &word);
  return settings;
}

VoxPrmMiscProjSettings fullMisc() {
  VoxPrmMiscProjSettings misc;
  for (int i = 1; i <= VoxPrmMiscProjSettings::getMaxBracketIndex(); ++i) {
    const std::wstring text = std::to_wstring(i);  // integer and text indices alike
    misc.setValue(i, &text);
  }
  return misc;
}

std::set<int> changedIndices(const VoxCfgDrawingSettings& before, const VoxCfgDrawingSettings& after) {
  std::set<int> changed;
  for (int i = 0; i <= VoxCfgDrawingSettings::kMaxBracketIndex; ++i) {
    if (valueOf(before, i) != valueOf(after, i)) changed.insert(i);
  }
  return changed;
}

std::set<int> changedIndices(const VoxPrmMiscProjSettings& before, const VoxPrmMiscProjSettings& after) {
  std::set<int> changed;
  for (int i = 1; i <= VoxPrmMiscProjSettings::getMaxBracketIndex(); ++i) {
    std::wstring a = L"<unset>", b = L"<unset>";
    before.getValue(i, a);
    after.getValue(i, b);
    if (a != b) changed.insert(i);
  }
  return changed;
}

HcDialogField field(const PropertyPage& page, const std::wstring& id) {
  for (const HcDialogField& f : page.fields()) {
    if (f.id == id) return f;
  }
  HcDialogField none;
  none.id = L"?";
  return none;
}

bool hasField(const PropertyPage& page, const std::wstring& id) { return field(page, id).id == id; }

std::wstring valueOf(const VoxCfgDrawingSettings& settings, int index) {
  std::wstring value = L"<unset>";
  settings.getValue(index, value);
  return value;
}

StoreResult storeAfterChange(PropertyPage& page, const VoxCfgDrawingSettings& settings,
                             const VoxPrmMiscProjSettings* misc, const std::wstring& id, const std::wstring& value) {
  page.load(settings, misc);
  EXPECT_TRUE(page.setField(id, value)) << "setting " << std::string(id.begin(), id.end());
  StoreResult result{{}, {}, VoxCfgDrawingSettings(settings),
                     misc != nullptr ? VoxPrmMiscProjSettings(*misc) : VoxPrmMiscProjSettings()};
  page.store(result.settings, misc != nullptr ? &result.miscSettings : nullptr);
  result.drawing = changedIndices(settings, result.settings);
  if (misc != nullptr) result.misc = changedIndices(*misc, result.miscSettings);
  return result;
}

}  // namespace vox::dialogs::test
