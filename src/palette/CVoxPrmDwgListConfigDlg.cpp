#include "palette/CVoxPrmDwgListConfigDlg.h"

#include <algorithm>

#include "core/VoxPrmProjectManager.h"
#include "host/HcHostServices.h"
#include "host/HcInteraction.h"
#include "host/HcMessageCatalog.h"
#include "host/ResourceText.h"

namespace {

enum : unsigned { kTitle = 595, kNoSeparatorText = 596, kNoFieldText = 597, kShowText = 598, kHideText = 599 };
enum : unsigned { kAvailableLabel = 704, kOrderLabel = 705, kSeparatorLabel = 706 };
constexpr const wchar_t* kButtonIds[] = {L"add", L"add-all", L"remove", L"remove-all", L"up", L"down"};
constexpr unsigned kButtonTexts[] = {600, 601, 602, 603, 604, 605};

std::wstring text(unsigned id) { return vox::host::resourceText(id); }

std::optional<int> row(const std::wstring& value, std::size_t size) {
  if (value.empty() || value.find_first_not_of(L"0123456789") != std::wstring::npos || value.size() > 6) return std::nullopt;
  const int r = std::stoi(value);
  return static_cast<std::size_t>(r) < size ? std::optional<int>(r) : std::nullopt;
}

void warn(unsigned id) {
  if (HcInteraction* interaction = hcInteraction())
    interaction->messageBox(text(id), text(kTitle), HcIcon::kExclamation, HcButtons::kOk);
}

}  // namespace

const std::vector<int>& CVoxPrmDwgListConfigDlg::masterOrder() {
  static const std::vector<int> kCodes{101, 102, 103, 104, 105, 106, 107, 108, 291, 292};
  return kCodes;
}

CVoxPrmDwgListConfigDlg::CVoxPrmDwgListConfigDlg() {
  if (const VoxPrmProjectManager* manager = GetProjectManager())
    manager->getDwgDisplaySetting(order_, separator_, showSelection_);
  endsAtOnce_ = order_.empty() && separator_.empty();
  for (const int code : masterOrder())
    if (std::find(order_.begin(), order_.end(), code) == order_.end() && !hcResourceString(static_cast<unsigned>(code)).empty())
      available_.push_back(code);
  enabled_[kAddAll] = !available_.empty();
  enabled_[kRemoveAll] = !order_.empty();
}

std::wstring CVoxPrmDwgListConfigDlg::title() const { return text(kTitle); }

std::vector<std::wstring> CVoxPrmDwgListConfigDlg::labels(const std::vector<int>& codes) const {
  std::vector<std::wstring> out;
  for (const int code : codes) out.push_back(hcResourceString(static_cast<unsigned>(code)));
  return out;
}

std::vector<HcDialogField> CVoxPrmDwgListConfigDlg::fields() const {
  HcDialogField available;
  available.id = L"available";
  available.kind = HcFieldKind::kList;
  available.label = text(kAvailableLabel);
  available.choices = labels(available_);
  available.value = availableRow_ >= 0 ? std::to_wstring(availableRow_) : L"";
  HcDialogField order = available;
  order.id = L"order";
  order.label = text(kOrderLabel);
  order.choices = labels(order_);
  order.value = orderRow_ >= 0 ? std::to_wstring(orderRow_) : L"";
  HcDialogField separator;
  separator.id = L"separator";
  separator.label = text(kSeparatorLabel);
  separator.value = separator_;
  HcDialogField selection;
  selection.id = L"selection";
  selection.kind = HcFieldKind::kRadio;
  selection.choices = {text(kShowText), text(kHideText)};
  selection.value = selection.choices[showSelection_ ? 0 : 1];
  return {available, order, separator, selection};
}

bool CVoxPrmDwgListConfigDlg::setField(const std::wstring& id, const std::wstring& value) {
  if (id == L"separator") {
    separator_ = value;
    return true;
  }
  if (id == L"selection") {
    if (value != text(kShowText) && value != text(kHideText)) return false;
    showSelection_ = value == text(kShowText);
    return true;
  }
  const bool inOrder = id == L"order";
  if (!inOrder && id != L"available") return false;
  const std::optional<int> r = row(value, inOrder ? order_.size() : available_.size());
  if (!r) return false;
  if (inOrder) {
    selectOrder(*r);
  } else {
    selectAvailable(*r);
  }
  notifyChanged();
  return true;
}

void CVoxPrmDwgListConfigDlg::selectOrder(int r) {
  orderRow_ = r;
  availableRow_ = -1;
  enabled_[kRemove] = enabled_[kRemoveAll] = true;
  enabled_[kAdd] = false;
  enabled_[kUp] = r > 0;
  enabled_[kDown] = r + 1 < static_cast<int>(order_.size());
}

void CVoxPrmDwgListConfigDlg::selectAvailable(int r) {
  availableRow_ = r;
  orderRow_ = -1;
  enabled_[kAdd] = enabled_[kAddAll] = true;
  enabled_[kRemove] = enabled_[kUp] = enabled_[kDown] = false;
}

std::vector<HcDialogButton> CVoxPrmDwgListConfigDlg::buttons() const {
  std::vector<HcDialogButton> out;
  for (int b = 0; b < kButtonCount; ++b) out.push_back({kButtonIds[b], text(kButtonTexts[b]), enabled_[b], false});
  out.push_back({L"help", text(606), true, false});
  out.push_back({L"ok", L"OK", true, true});
  out.push_back({L"cancel", L"Cancel", true, false});
  return out;
}

HcDialogOutcome CVoxPrmDwgListConfigDlg::press(const std::wstring& buttonId) {
  for (int b = 0; b < kButtonCount; ++b)
    if (buttonId == kButtonIds[b] && !enabled_[b]) return HcDialogOutcome::stay();
  if (buttonId == L"add") return add();
  if (buttonId == L"add-all") return addAll();
  if (buttonId == L"remove") return remove();
  if (buttonId == L"remove-all") return removeAll();
  if (buttonId == L"up") return move(-1);
  if (buttonId == L"down") return move(1);
  if (buttonId == L"help") {
    hcedHelp(L"VoxFolio", L"drawing_list_config_dialog", 0);
    return HcDialogOutcome::stay();
  }
  if (buttonId == L"ok") return accept();
  if (buttonId == L"cancel") return HcDialogOutcome::close(kHcDialogCancel);
  return HcDialogOutcome::stay();
}

HcDialogOutcome CVoxPrmDwgListConfigDlg::add() {
  if (availableRow_ < 0) return HcDialogOutcome::stay();
  order_.push_back(available_[static_cast<std::size_t>(availableRow_)]);
  available_.erase(available_.begin() + availableRow_);
  availableRow_ = -1;
  enabled_[kRemoveAll] = true;
  enabled_[kAddAll] = !available_.empty();
  enabled_[kAdd] = false;
  return HcDialogOutcome::stay(L"ok");
}

HcDialogOutcome CVoxPrmDwgListConfigDlg::addAll() {
  order_.insert(order_.end(), available_.begin(), available_.end());
  available_.clear();
  availableRow_ = -1;
  enabled_[kAdd] = enabled_[kAddAll] = false;
  enabled_[kRemoveAll] = true;
  return HcDialogOutcome::stay(L"ok");
}

HcDialogOutcome CVoxPrmDwgListConfigDlg::remove() {
  if (orderRow_ < 0) return HcDialogOutcome::stay();
  available_.push_back(order_[static_cast<std::size_t>(orderRow_)]);
  order_.erase(order_.begin() + orderRow_);
  orderRow_ = -1;
  enabled_[kAddAll] = true;
  enabled_[kUp] = enabled_[kDown] = enabled_[kRemove] = false;
  enabled_[kRemoveAll] = !order_.empty();
  return HcDialogOutcome::stay(L"ok");
}

HcDialogOutcome CVoxPrmDwgListConfigDlg::removeAll() {
  available_.insert(available_.end(), order_.begin(), order_.end());
  order_.clear();
  orderRow_ = -1;
  enabled_[kRemove] = enabled_[kRemoveAll] = enabled_[kUp] = enabled_[kDown] = false;
  enabled_[kAddAll] = true;
  return HcDialogOutcome::stay(L"ok");
}

HcDialogOutcome CVoxPrmDwgListConfigDlg::move(int step) {
  const int target = orderRow_ + step;
  if (orderRow_ < 0 || target < 0 || target >= static_cast<int>(order_.size())) return HcDialogOutcome::stay();
  std::swap(order_[static_cast<std::size_t>(orderRow_)], order_[static_cast<std::size_t>(target)]);
  selectOrder(target);
  return HcDialogOutcome::stay();
}

HcDialogOutcome CVoxPrmDwgListConfigDlg::accept() {
  if (order_.size() > 1 && separator_.empty()) {
    warn(kNoSeparatorText);
    return HcDialogOutcome::stay(L"separator");
  }
  if (order_.empty()) {
    warn(kNoFieldText);
    return HcDialogOutcome::stay(L"available");
  }
  VoxPrmProjectManager* manager = GetProjectManager();
  if (manager == nullptr || !manager->setDwgDisplaySetting(order_, separator_, showSelection_)) return HcDialogOutcome::stay();
  return HcDialogOutcome::close(kHcDialogOk);
}
