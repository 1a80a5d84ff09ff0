#include "dialogs/PropertySheetController.h"

#include <algorithm>

#include "dialogs/LadderPictures.h"
#include "dialogs/PageTexts.h"

namespace vox::dialogs {

PropertySheetController::PropertySheetController(std::wstring name, std::wstring title, std::wstring helpPrefix,
                                                 SheetRecords records)
    : m_name(std::move(name)),
      m_title(std::move(title)),
      m_helpPrefix(std::move(helpPrefix)),
      m_records(std::move(records)),
      m_vertical(isVerticalLadder(m_records.shown)) {}

void PropertySheetController::addPage(std::unique_ptr<PropertyPage> page) {
  page->setLadderVertical(m_vertical);
  m_pages.push_back(std::move(page));
}

void PropertySheetController::open(int index) {
  if (m_pages.empty()) return;
  show(std::clamp(index, 0, static_cast<int>(m_pages.size()) - 1));
}

void PropertySheetController::show(int index) {
  m_current = index;
  if (m_shown.insert(index).second) {
    const VoxPrmMiscProjSettings* misc = m_records.misc ? &*m_records.misc : nullptr;
    m_pages[static_cast<std::size_t>(index)]->load(m_records.shown, misc);
  }
}

PropertyPage* PropertySheetController::page(int index) const {
  if (index < 0 || index >= static_cast<int>(m_pages.size())) return nullptr;
  return m_pages[static_cast<std::size_t>(index)].get();
}

std::vector<std::wstring> PropertySheetController::pages() const {
  std::vector<std::wstring> titles;
  for (const auto& p : m_pages) titles.push_back(p->title());
  return titles;
}

std::optional<PageRefusal> PropertySheetController::leaveCurrent() {
  PropertyPage* current = page(m_current);
  if (current == nullptr || !wasShown(m_current)) return std::nullopt;
  std::optional<PageRefusal> refusal = current->leave();
  if (refusal) notifyChanged();  // a check may have put a field back
  return refusal;
}

HcDialogOutcome PropertySheetController::selectPage(int index) {
  if (page(index) == nullptr || index == m_current) return HcDialogOutcome::stay();
  if (std::optional<PageRefusal> refusal = leaveCurrent()) {
    return HcDialogOutcome::stay(refusal->focusField, refusal->message);
  }
  show(index);
  return HcDialogOutcome::stay();
}

std::vector<HcDialogField> PropertySheetController::fields() const {
  const PropertyPage* current = page(m_current);
  return current != nullptr && wasShown(m_current) ? current->fields() : std::vector<HcDialogField>{};
}

bool PropertySheetController::setField(const std::wstring& id, const std::wstring& value) {
  PropertyPage* current = page(m_current);
  return current != nullptr && wasShown(m_current) && current->setField(id, value);
}

bool PropertySheetController::browse(const std::wstring& id) {
  PropertyPage* current = page(m_current);
  return current != nullptr && wasShown(m_current) && current->browse(id);
}

std::vector<HcDialogButton> PropertySheetController::buttons() const {
  return {{L"ok", pageText(L"button-ok"), true, true},
          {L"cancel", pageText(L"button-cancel"), true, false},
          {L"help", pageText(L"button-help"), !m_pages.empty(), false}};
}

HcDialogOutcome PropertySheetController::press(const std::wstring& buttonId) {
  if (buttonId == L"ok") return accept();
  if (buttonId == L"cancel") return HcDialogOutcome::close(kHcDialogCancel);
  if (buttonId == L"help" && !m_pages.empty()) showHelp(helpTopic());
  return HcDialogOutcome::stay();
}

HcDialogOutcome PropertySheetController::accept() {
  if (std::optional<PageRefusal> refusal = leaveCurrent()) {
    return HcDialogOutcome::stay(refusal->focusField, refusal->message);
  }
  for (int i = 0; i < static_cast<int>(m_pages.size()); ++i) {
    if (wasShown(i)) storePage(*m_pages[static_cast<std::size_t>(i)]);
  }
  return finishAccept();
}

void PropertySheetController::storePage(PropertyPage& p) {
  p.store(m_records.written, m_records.misc ? &*m_records.misc : nullptr);
}

std::wstring PropertySheetController::helpTopic() const {
  const PropertyPage* current = page(m_current);
  return current != nullptr ? vox::dialogs::helpTopic(m_helpPrefix, *current) : L"";
}

std::vector<PagePicture> PropertySheetController::pictures() const {
  const PropertyPage* current = page(m_current);
  return current != nullptr ? current->pictures() : std::vector<PagePicture>{};
}

}  // namespace vox::dialogs
