#include "platform/textui/TextUiHost.h"

#include <algorithm>
#include <cwctype>
#include <utility>

#include "host/HcInteraction.h"
#include "platform/os/CaseMapping.h"
#include "platform/runtime/CommandLine.h"
#include "platform/settings/PaletteLayoutStore.h"
#include "platform/textui/TextRender.h"

namespace vox::textui {
namespace {

constexpr int kCharacterWidthPx = 7;
// Where the text host says a right-click or a button press happened.
constexpr HcPoint kTextPoint{0, 0};

std::vector<std::wstring> splitPlus(const std::wstring& text) {
  std::vector<std::wstring> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t plus = text.find(L'+', start);
    parts.push_back(os::toLower(text.substr(start, plus - start)));
    if (plus == std::wstring::npos) return parts;
    start = plus + 1;
  }
}

std::optional<unsigned> modifierOf(const std::wstring& word) {
  if (word == L"shift") return kHcShift;
  if (word == L"ctrl") return kHcCtrl;
  if (word == L"alt") return kHcAlt;
  if (word == L"none") return kHcNoModifier;
  return std::nullopt;
}

std::optional<HcKey> keyOf(const std::wstring& word) {
  static const std::pair<const wchar_t*, HcKey> kKeys[] = {
      {L"up", HcKey::kUp},         {L"down", HcKey::kDown},         {L"left", HcKey::kLeft},
      {L"right", HcKey::kRight},   {L"home", HcKey::kHome},         {L"end", HcKey::kEnd},
      {L"pageup", HcKey::kPageUp}, {L"pagedown", HcKey::kPageDown}, {L"enter", HcKey::kEnter},
      {L"escape", HcKey::kEscape}, {L"delete", HcKey::kDelete},     {L"f2", HcKey::kF2},
      {L"space", HcKey::kSpace}};
  for (const auto& [name, key] : kKeys)
    if (word == name) return key;
  return std::nullopt;
}

std::optional<HcHitPart> hitPartOf(const std::wstring& word) {
  if (os::iequals(word, L"icon")) return HcHitPart::kIcon;
  if (os::iequals(word, L"label")) return HcHitPart::kLabel;
  if (os::iequals(word, L"state")) return HcHitPart::kStateIcon;
  if (os::iequals(word, L"beside")) return HcHitPart::kNone;
  return std::nullopt;
}

std::optional<int> number(const std::wstring& text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (const wchar_t c : text) {
    if (!std::iswdigit(c)) return std::nullopt;
    value = value * 10 + (c - L'0');
  }
  return value;
}

// The node text matches a name when it equals it, or begins with it followed by a blank (so
// "A01.dwg" names "A01.dwg - Main power"), ignoring case.
bool nodeMatches(const std::wstring& text, const std::wstring& name) {
  if (os::iequals(text, name)) return true;
  return text.size() > name.size() && text[name.size()] == L' ' && os::iequals(text.substr(0, name.size()), name);
}

bool isTreeVerb(const std::wstring& verb) {
  for (const wchar_t* known : {L"click", L"dblclick", L"key", L"menu", L"expand", L"collapse", L"rename", L"filter", L"shortcut"})
    if (verb == known) return true;
  return false;
}

}  // namespace

// Answers the label edits the tree asks the text host for. An edit that the rename verb started takes the verb's text; any other (F2, the
// delayed rename after a click) asks for the new name like a prompt, from the answers, and none
// cancels it.
class TextUiHost::TreeRequests : public HcTreeListener {
 public:
  TreeRequests(TextUiHost& host, HcTreeController& tree) : host_(host), tree_(tree) {}
  void editRequest(HcNodeId id, const std::wstring& initialText) override {
    if (host_.renameText_) {
      tree_.endEdit(id, std::exchange(host_.renameText_, std::nullopt));
      return;
    }
    HcInteraction* interaction = hcInteraction();
    const std::optional<std::wstring> text =
        interaction != nullptr ? interaction->prompt(L"New name for " + quoted(initialText), initialText) : std::nullopt;
    tree_.endEdit(id, text);
  }

 private:
  TextUiHost& host_;
  HcTreeController& tree_;
};

std::optional<unsigned> parseModifiers(const std::wstring& text) {
  unsigned modifiers = kHcNoModifier;
  for (const std::wstring& part : splitPlus(text)) {
    const std::optional<unsigned> modifier = modifierOf(part);
    if (!modifier) return std::nullopt;
    modifiers |= *modifier;
  }
  return modifiers;
}

std::optional<std::pair<HcKey, unsigned>> parseKey(const std::wstring& text) {
  std::vector<std::wstring> parts = splitPlus(text);
  const std::optional<HcKey> key = keyOf(parts.back());
  if (!key) return std::nullopt;
  unsigned modifiers = kHcNoModifier;
  for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
    const std::optional<unsigned> modifier = modifierOf(parts[i]);
    if (!modifier) return std::nullopt;
    modifiers |= *modifier;
  }
  return std::pair{*key, modifiers};
}

TextUiHost::TextUiHost(Output output, AnswerSource& answers, settings::PaletteLayoutStore* layouts)
    : output_(std::move(output)), answers_(answers), layouts_(layouts) {}

void TextUiHost::print(const std::wstring& text) const {
  if (output_) output_(text);
}

bool TextUiHost::refuse(const std::wstring& message) {
  print(message + L"\n");
  return false;
}

TextUiHost::~TextUiHost() { detachTree(); }

void TextUiHost::attachTree() {
  HcTreeController* tree = paletteSet_ != nullptr ? paletteSet_->tree() : nullptr;
  if (tree == attachedTree_) return;
  detachTree();
  if (tree == nullptr) return;
  viewPort_ = std::make_unique<TextViewPort>(*tree);
  treeRequests_ = std::make_unique<TreeRequests>(*this, *tree);
  tree->setListener(treeRequests_.get());
  tree->setViewPort(viewPort_.get());
  attachedTree_ = tree;
}

void TextUiHost::detachTree() {
  if (attachedTree_ != nullptr) {
    attachedTree_->setListener(nullptr);
    attachedTree_->setViewPort(nullptr);
  }
  attachedTree_ = nullptr;
  treeRequests_.reset();
  viewPort_.reset();
}

void TextUiHost::showPaletteSet(HcPaletteSetController& paletteSet, bool show) {
  paletteSet_ = &paletteSet;
  attachTree();
  if (show && !layoutHandedOver_ && layouts_ != nullptr) {
    layoutHandedOver_ = true;
    layouts_->handTo(paletteSet);
  }
}

void TextUiHost::placePaletteSet(HcPaletteSetController& paletteSet, HcDockSide side) {
  paletteSet_ = &paletteSet;
  dockSide_ = side;
}

void TextUiHost::paletteSetDestroyed(HcPaletteSetController& paletteSet) {
  if (paletteSet_ != &paletteSet) return;
  if (layouts_ != nullptr && layoutHandedOver_) {
    std::wstring error;
    if (!layouts_->takeFrom(paletteSet, error)) print(L"palette: " + error + L"\n");
  }
  detachTree();
  paletteSet_ = nullptr;
  layoutHandedOver_ = false;
  renameText_.reset();
}

std::optional<unsigned> TextUiHost::popupMenu(const HcMenu& menu, HcPoint /*screenPoint*/) {
  print(renderMenu(menu));
  const std::optional<std::wstring> line = answers_.next(AnswerKind::kMenu);
  std::vector<std::wstring> words = line ? runtime::splitCommandWords(*line) : std::vector<std::wstring>{};
  if (!words.empty() && os::iequals(words.front(), L"choose")) words.erase(words.begin());
  if (words.empty() || os::iequals(words.front(), L"none") || words.front() == L"-") {
    print(L"menu " + menu.name + L": nothing chosen\n");
    return std::nullopt;
  }
  const std::optional<int> command = number(words.front());
  if (!command || !hcMenuCommandChoosable(menu.entries, static_cast<unsigned>(*command))) {
    print(L"menu " + menu.name + L": \"" + words.front() + L"\" is not an entry that can be chosen; nothing chosen\n");
    return std::nullopt;
  }
  print(L"menu " + menu.name + L": chose " + words.front() + L"\n");
  return static_cast<unsigned>(*command);
}

int TextUiHost::runDialog(HcDialogController& dialog) {
  print(renderDialog(dialog));
  while (true) {
    const std::optional<std::wstring> line = answers_.next(AnswerKind::kDialog);
    std::optional<int> result;
    if (!line) {
      print(L"dialog " + dialog.name() + L": no more answers; cancelled\n");
      const HcDialogOutcome outcome = dialog.cancel();
      return outcome.closed ? outcome.result : kHcDialogCancel;
    }
    if (dialogLine(dialog, *line, result) && result) {
      print(L"dialog " + dialog.name() + L" closed: " + std::to_wstring(*result) + L"\n");
      return *result;
    }
    print(renderDialog(dialog));
  }
}

bool TextUiHost::dialogLine(HcDialogController& dialog, const std::wstring& line, std::optional<int>& result) {
  std::vector<std::wstring> words = runtime::splitCommandWords(line);
  const std::wstring prefix = L"dialog " + dialog.name() + L": ";
  if (words.empty()) return refuse(prefix + L"empty answer");
  const std::wstring verb = os::toLower(words.front());
  HcDialogOutcome outcome = HcDialogOutcome::stay();
  if (verb == L"set" && words.size() == 3) {
    if (!dialog.setField(words[1], words[2]))
      return refuse(prefix + L"cannot set \"" + words[1] + L"\" to " + quoted(words[2]));
  } else if (verb == L"press" && words.size() == 2) {
    const auto buttons = dialog.buttons();
    const auto it = std::find_if(buttons.begin(), buttons.end(),
                                 [&](const HcDialogButton& b) { return os::iequals(b.id, words[1]); });
    if (it == buttons.end() || !it->enabled) return refuse(prefix + L"no button \"" + words[1] + L"\" to press");
    outcome = dialog.press(it->id);
  } else if (verb == L"tab" && words.size() == 2) {
    const std::vector<std::wstring> pages = dialog.pages();
    std::optional<int> index = number(words[1]);
    for (std::size_t i = 0; !index && i < pages.size(); ++i)
      if (os::iequals(pages[i], words[1])) index = static_cast<int>(i);
    if (!index || *index >= static_cast<int>(pages.size())) return refuse(prefix + L"no page \"" + words[1] + L"\"");
    outcome = dialog.selectPage(*index);
  } else if (verb == L"browse" && words.size() == 2) {
    if (!dialog.browse(words[1])) return refuse(prefix + L"\"" + words[1] + L"\" has nothing to browse");
  } else if (verb == L"cancel" && words.size() == 1) {
    outcome = dialog.cancel();
  } else {
    return refuse(prefix + L"unknown answer \"" + line + L"\" (set, press, tab, browse, cancel)");
  }
  if (outcome.closed) {
    result = outcome.result;
  } else if (!outcome.message.empty()) {
    print(prefix + outcome.message + (outcome.focusField.empty() ? L"" : L" [focus: " + outcome.focusField + L"]") + L"\n");
  }
  return true;
}

bool TextUiHost::textFits(const std::wstring& text, int widthPx) const {
  return static_cast<long long>(text.size()) * kCharacterWidthPx <= widthPx;
}

std::optional<HcNodeId> TextUiHost::findNode(HcTreeController& tree, const std::wstring& name) const {
  if (name.size() > 1 && name.front() == L'#') {
    const std::optional<int> id = number(name.substr(1));
    if (id && tree.node(static_cast<HcNodeId>(*id))) return static_cast<HcNodeId>(*id);
    return std::nullopt;
  }
  for (const HcNodeId root : tree.roots()) {
    const std::optional<HcTreeNodeView> project = tree.node(root);
    if (project && nodeMatches(project->text, name)) return root;
    for (const HcNodeId child : tree.children(root)) {
      const std::optional<HcTreeNodeView> drawing = tree.node(child);
      if (drawing && nodeMatches(drawing->text, name)) return child;
    }
  }
  return std::nullopt;
}

bool TextUiHost::paletteVerb(const std::vector<std::wstring>& words) {
  if (paletteSet_ == nullptr) return refuse(L"palette: there is no palette (the module has not created it)");
  if (words.empty()) {
    print(renderPalette(*paletteSet_));
    return true;
  }
  if (!paletteSet_->isVisible()) return refuse(L"palette: the palette is hidden (show it with Voxnav)");
  const std::wstring verb = os::toLower(words.front());
  const std::vector<std::wstring> args(words.begin() + 1, words.end());
  bool done = false;
  if (verb == L"button" || verb == L"page") {
    done = tabVerb(verb, args);
  } else if (verb == L"combo") {
    HcComboController* combo = paletteSet_->combo();
    if (combo == nullptr) return refuse(L"palette: the palette has no project combo box");
    const std::optional<int> index = args.size() == 2 && os::iequals(args[0], L"choose") ? number(args[1]) : std::nullopt;
    if (!index) return refuse(L"palette: combo wants \"choose N\"");
    const std::vector<HcComboItemView> items = combo->items();
    if (*index >= static_cast<int>(items.size()) || items[*index].separator || !items[*index].enabled)
      return refuse(L"palette: combo item " + args[1] + L" cannot be chosen");
    combo->choose(*index);
    done = true;
  } else if (verb == L"choose") {
    return refuse(L"palette: no menu is open (right-click with \"palette menu\" first)");
  } else if (!isTreeVerb(verb)) {
    return refuse(L"palette: unknown verb \"" + verb + L"\"");
  } else {
    attachTree();  // a tree made after the palette was shown
    HcTreeController* tree = paletteSet_->tree();
    if (tree == nullptr) return refuse(L"palette: the palette has no project tree");
    done = treeVerb(*tree, verb, args);
  }
  if (done) print(renderPalette(*paletteSet_));
  return done;
}

bool TextUiHost::tabVerb(const std::wstring& verb, const std::vector<std::wstring>& args) {
  HcProjectTabController* tab = paletteSet_->projectTab();
  if (tab == nullptr) return refuse(L"palette: the palette has no tool buttons or panes");
  if (args.size() != 1) return refuse(L"palette: " + verb + L" wants one name");
  if (verb == L"page") {
    if (!os::iequals(args[0], L"details") && !os::iequals(args[0], L"preview"))
      return refuse(L"palette: no page \"" + args[0] + L"\" (details, preview)");
    tab->showBottomPage(os::iequals(args[0], L"details") ? 0 : 1);
    return true;
  }
  for (const HcToolButtonView& button : tab->buttons()) {
    if (!os::iequals(button.name, args[0])) continue;
    if (!button.enabled) return refuse(L"palette: the button \"" + args[0] + L"\" is greyed");
    tab->press(button.command, kTextPoint);
    return true;
  }
  return refuse(L"palette: no button \"" + args[0] + L"\"");
}

bool TextUiHost::treeVerb(HcTreeController& tree, const std::wstring& verb, const std::vector<std::wstring>& args) {
  if (verb == L"key") {
    const std::optional<std::pair<HcKey, unsigned>> key = args.size() == 1 ? parseKey(args[0]) : std::nullopt;
    if (!key) return refuse(L"palette: unknown key \"" + (args.empty() ? std::wstring() : args[0]) + L"\"");
    tree.key(key->first, key->second);
    return true;
  }
  if (verb == L"menu" && args.size() == 1 && os::iequals(args[0], L"empty")) {
    tree.rightClick(0, kTextPoint);
    return true;
  }
  if (verb == L"filter") {  // the words typed into the filter box; none clears it
    std::wstring text;
    for (std::size_t i = 0; i < args.size(); ++i) text += (i > 0 ? L" " : L"") + args[i];
    tree.setFilter(text);
    return true;
  }
  if (verb == L"shortcut") {  // keys pressed in the tree: the caret's menu command with that shortcut
    if (args.size() != 1) return refuse(L"palette: shortcut wants the keys (Ctrl+W, Alt+Return, Del)");
    if (!tree.shortcut(args[0])) return refuse(L"palette: no enabled command has the shortcut " + args[0] + L" here");
    return true;
  }
  if ((verb == L"expand" || verb == L"collapse") && args.size() == 1 && os::iequals(args[0], L"all")) {
    tree.setAllExpanded(verb == L"expand");
    return true;
  }
  if (args.empty()) return refuse(L"palette: \"" + verb + L"\" wants a node");
  const std::optional<HcNodeId> node = findNode(tree, args[0]);
  if (!node) return refuse(L"palette: no node \"" + args[0] + L"\"");
  if (verb == L"click" && args.size() <= 3) {
    const std::optional<unsigned> modifiers = args.size() >= 2 ? parseModifiers(args[1]) : kHcNoModifier;
    const std::optional<HcHitPart> part = args.size() == 3 ? hitPartOf(args[2]) : HcHitPart::kLabel;
    if (!modifiers || !part) return refuse(L"palette: click wants [shift|ctrl|ctrl+shift] [icon|label|state|beside]");
    tree.click(*node, *part, *modifiers);
  } else if (verb == L"dblclick" && args.size() == 1) {
    tree.doubleClick(*node);
  } else if (verb == L"menu" && args.size() == 1) {
    tree.rightClick(*node, kTextPoint);
  } else if ((verb == L"expand" || verb == L"collapse") && args.size() == 1) {
    tree.setExpanded(*node, verb == L"expand");
  } else if (verb == L"rename" && args.size() == 2) {
    renameText_ = args[1];
    tree.click(*node, HcHitPart::kLabel, kHcNoModifier);
    tree.key(HcKey::kF2, kHcNoModifier);
    const bool started = !renameText_;  // the edit took the text
    renameText_.reset();
    if (!started) return refuse(L"palette: \"" + args[0] + L"\" cannot be renamed");
  } else {
    return refuse(L"palette: wrong arguments for \"" + verb + L"\"");
  }
  return true;
}

}  // namespace vox::textui
