#pragma once
// Small controllers behind the host's UI interfaces, recording what a host forwarded to them.

#include <deque>
#include <map>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "host/HcDialogController.h"
#include "host/HcPaletteControllers.h"
#include "platform/textui/TextUiHost.h"

namespace vox::textui::testing {

// A dialog with a name field, a check box and a computed label; OK refuses an empty name.
class FakeDialog : public HcDialogController {
 public:
  std::wstring name() const override { return L"fake"; }
  std::wstring title() const override { return L"Fake dialog"; }
  std::vector<std::wstring> pages() const override { return {L"General", L"Styles"}; }
  int currentPage() const override { return page; }
  HcDialogOutcome selectPage(int index) override {
    if (refuseLeave) return HcDialogOutcome::stay(L"name", L"Fix the name first.");
    page = index;
    return HcDialogOutcome::stay();
  }
  std::vector<HcDialogField> fields() const override {
    return {{L"name", HcFieldKind::kText, L"Name", nameValue, true, {}, {}, {}},
            {L"folder", HcFieldKind::kCheck, L"Folder", folder ? L"1" : L"0", true, {}, {}, {}},
            {L"path", HcFieldKind::kLabel, L"Path", L"C:\\P\\" + nameValue, false, {}, {}, {}}};
  }
  bool setField(const std::wstring& id, const std::wstring& value) override {
    if (id == L"name") nameValue = value;
    else if (id == L"folder" && (value == L"1" || value == L"0")) folder = value == L"1";
    else return false;
    return true;
  }
  std::vector<HcDialogButton> buttons() const override {
    return {{L"ok", L"OK", true, true}, {L"cancel", L"Cancel", true, false}, {L"help", L"Help", false, false}};
  }
  HcDialogOutcome press(const std::wstring& id) override {
    pressed.push_back(id);
    if (id == L"cancel") return HcDialogOutcome::close(kHcDialogCancel);
    if (nameValue.empty()) return HcDialogOutcome::stay(L"name", L"Enter a name.");
    return HcDialogOutcome::close(kHcDialogOk);
  }

  std::wstring nameValue;
  bool folder = false;
  int page = 0;
  bool refuseLeave = false;
  std::vector<std::wstring> pressed;
};

// Two projects: "Plant" (expanded, drawings "A01.dwg - Main power", "A02.dwg") and "Other".
class FakeTree : public HcTreeController {
 public:
  FakeTree() {
    nodes[1] = {1, 0, L"Plant", {}, 0, true, false, false, true, {L"active"}, HcLockMark::kNone, {}, {}};
    nodes[2] = {2, 1, L"A01.dwg - Main power", {}, 1, false, true, true, false, {}, HcLockMark::kNone, {}, {}};
    nodes[3] = {3, 1, L"A02.dwg", {}, 1, false, false, false, false, {}, HcLockMark::kNone, {}, {}};
    nodes[4] = {4, 0, L"Other", {}, 0, false, false, false, false, {}, HcLockMark::kNone, {}, {}};
  }
  std::vector<HcNodeId> roots() const override { return {1, 4}; }
  std::vector<HcNodeId> children(HcNodeId id) const override { return id == 1 ? std::vector<HcNodeId>{2, 3} : std::vector<HcNodeId>{}; }
  std::optional<HcTreeNodeView> node(HcNodeId id) const override {
    const auto it = nodes.find(id);
    return it == nodes.end() ? std::nullopt : std::optional<HcTreeNodeView>(it->second);
  }
  std::wstring editText(HcNodeId id) const override { return id == 3 ? L"A02.dwg" : L""; }
  void setListener(HcTreeListener* l) override { listener = l; }
  void setViewPort(HcTreeViewPort*) override {}
  void click(HcNodeId id, HcHitPart part, unsigned modifiers) override {
    calls.push_back(L"click " + std::to_wstring(id) + L" " + std::to_wstring(static_cast<int>(part)) + L" " +
                    std::to_wstring(modifiers));
  }
  void doubleClick(HcNodeId id) override { calls.push_back(L"dblclick " + std::to_wstring(id)); }
  void key(HcKey k, unsigned modifiers) override {
    calls.push_back(L"key " + std::to_wstring(static_cast<int>(k)) + L" " + std::to_wstring(modifiers));
    // F2 on the renameable drawing begins a label edit.
    if (k == HcKey::kF2 && listener != nullptr && !editText(lastClicked()).empty())
      listener->editRequest(lastClicked(), editText(lastClicked()));
  }
  void rightClick(HcNodeId id, HcPoint) override { calls.push_back(L"menu " + std::to_wstring(id)); }
  void setExpanded(HcNodeId id, bool expanded) override {
    calls.push_back((expanded ? L"expand " : L"collapse ") + std::to_wstring(id));
  }
  void endEdit(HcNodeId id, const std::optional<std::wstring>& text) override {
    calls.push_back(L"rename " + std::to_wstring(id) + L" " + text.value_or(L"(cancelled)"));
  }
  HcNodeId lastClicked() const {
    for (auto it = calls.rbegin(); it != calls.rend(); ++it)
      if (it->rfind(L"click ", 0) == 0) return std::stoull(it->substr(6));
    return 0;
  }

  std::map<HcNodeId, HcTreeNodeView> nodes;
  std::vector<std::wstring> calls;
  HcTreeListener* listener = nullptr;
};

class FakePaletteSet : public HcPaletteSetController {
 public:
  std::wstring caption() const override { return L"Project Manager"; }
  std::wstring toolId() const override { return L"{TOOL-1}"; }
  bool isVisible() const override { return visible; }
  void loadLayout(const pugi::xml_node& element) override { loadedRatio = element.child("PRM_PALETTESET").attribute("ratio").as_double(-1); }
  void saveLayout(pugi::xml_node& element) override {
    element.remove_child("PRM_PALETTESET");
    element.append_child("PRM_PALETTESET").append_attribute("ratio") = ratio;
  }
  HcTreeController* tree() override { return withTree ? &fakeTree : nullptr; }

  bool visible = true;
  bool withTree = true;
  double ratio = 0.6;
  double loadedRatio = -2;
  FakeTree fakeTree;
};

class QueuedAnswers : public AnswerSource {
 public:
  std::optional<std::wstring> next(AnswerKind) override {
    if (lines.empty()) return std::nullopt;
    std::wstring line = lines.front();
    lines.pop_front();
    return line;
  }
  std::deque<std::wstring> lines;
};

}  // namespace vox::textui::testing
