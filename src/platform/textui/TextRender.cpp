#include "platform/textui/TextRender.h"

#include <sstream>

namespace vox::textui {
namespace {

std::wstring flag(bool on, const wchar_t* name) { return on ? std::wstring(L" {") + name + L"}" : std::wstring(); }

const wchar_t* lockColour(HcLockMark mark) {
  static const wchar_t* const kColours[] = {L"none", L"green", L"red", L"yellow", L"grey"};
  return kColours[static_cast<int>(mark)];
}

void renderTreeNode(HcTreeController& tree, HcNodeId id, int level, std::wostringstream& out) {
  const std::optional<HcTreeNodeView> node = tree.node(id);
  if (!node) return;
  const std::wstring indent(static_cast<std::size_t>(4 + 2 * level), L' ');
  const bool isProject = node->parent == 0;
  out << indent;
  if (isProject) out << (node->expanded ? L"- " : L"+ ");
  out << node->text << flag(node->caret, L"caret") << flag(node->selected, L"selected") << flag(node->bold, L"bold");
  for (const std::wstring& mark : node->marks) out << L" {" << mark << L'}';
  out << L'\n';
  if (isProject && node->expanded)
    for (const HcNodeId child : tree.children(id)) renderTreeNode(tree, child, level + 1, out);
}

// The marks of the printed nodes (lock marks, projects' notes) in a block of their own after
// everything else, so that node lines keep their form.
void renderMarks(HcTreeController& tree, std::wostringstream& out) {
  std::wostringstream marks;
  const auto mark = [&](const HcTreeNodeView& node) {
    if (node.lock != HcLockMark::kNone)
      marks << L"    " << node.text << L": lock " << lockColour(node.lock) << L' ' << quoted(node.lockText) << L'\n';
    if (!node.note.empty()) marks << L"    " << node.text << L": note " << quoted(node.note) << L'\n';
  };
  for (const HcNodeId root : tree.roots()) {
    const std::optional<HcTreeNodeView> project = tree.node(root);
    if (!project) continue;
    mark(*project);
    if (!project->expanded) continue;
    for (const HcNodeId child : tree.children(root))
      if (const std::optional<HcTreeNodeView> drawing = tree.node(child)) mark(*drawing);
  }
  if (!marks.str().empty()) out << L"  marks:\n" << marks.str();
}

void renderTab(HcProjectTabController& tab, std::wostringstream& out) {
  out << L"  buttons:";
  for (const HcToolButtonView& button : tab.buttons())
    out << L' ' << (button.enabled ? button.name : L"[" + button.name + L"]");
  out << L'\n';
}

void renderCombo(HcComboController& combo, std::wostringstream& out) {
  const HcComboFace face = combo.face(0);
  out << L"  combo: " << quoted(face.text);
  if (face.lock != HcLockMark::kNone)
    out << L" [lock: " << lockColour(face.lock) << L' ' << quoted(face.lockTooltip) << L']';
  out << L'\n';
  const std::vector<HcComboItemView> items = combo.items();
  for (std::size_t i = 0; i < items.size(); ++i) {
    out << L"    " << i << L' ' << (items[i].separator ? L"---" : items[i].text)
        << flag(static_cast<int>(i) == combo.currentIndex(), L"current") << flag(items[i].checked, L"checked")
        << (items[i].enabled ? L"" : L" [greyed]") << L'\n';
  }
}

void renderPages(HcProjectTabController& tab, std::wostringstream& out) {
  out << L"  page: " << (tab.bottomPage() == 0 ? L"details" : L"preview") << L'\n';
  if (tab.bottomPage() == 0) {
    std::wistringstream lines(tab.detailsText());
    for (std::wstring line; std::getline(lines, line);) out << L"    " << line << L'\n';
  } else {
    const std::size_t bytes = tab.previewImage().size();
    out << L"    " << (bytes == 0 ? std::wstring(L"(no preview)") : L"(thumbnail, " + std::to_wstring(bytes) + L" bytes)")
        << L'\n';
  }
}

void renderEntries(const std::vector<HcMenuEntry>& entries, int level, std::wostringstream& out) {
  const std::wstring indent(static_cast<std::size_t>(2 + 2 * level), L' ');
  for (const HcMenuEntry& entry : entries) {
    if (entry.isSeparator()) {
      out << indent << L"---\n";
    } else if (entry.isSubMenu()) {
      out << indent << L"> " << entry.text << (entry.greyed ? L"  [greyed]" : L"") << L'\n';
      renderEntries(entry.children, level + 1, out);
    } else {
      out << indent << entry.command << L' ' << entry.text << (entry.checked ? L"  [checked]" : L"")
          << (entry.greyed ? L"  [greyed]" : L"") << L'\n';
    }
  }
}

// ("a" | "b")
std::wstring quotedChoices(const HcDialogField& field) {
  std::wstring text = L"(";
  for (std::size_t i = 0; i < field.choices.size(); ++i) text += (i > 0 ? L" | " : L"") + quoted(field.choices[i]);
  return text + L")";
}

// A table's rows, one per line under its field: the row's index, the cells in double quotes
// separated by " | ", a highlighted cell followed by {highlighted}, and {selected} at the end of
// a selected row.
void renderTableRows(const HcDialogField& field, std::wostringstream& out) {
  std::wstring selected = L"," + field.value + L",";
  for (std::size_t r = 0; r < field.rows.size(); ++r) {
    out << L"    " << r;
    for (std::size_t c = 0; c < field.rows[r].size(); ++c)
      out << (c > 0 ? L" | " : L" ") << quoted(field.rows[r][c].text) << flag(field.rows[r][c].highlighted, L"highlighted");
    out << flag(selected.find(L"," + std::to_wstring(r) + L",") != std::wstring::npos, L"selected") << L'\n';
  }
}

std::wstring fieldValue(const HcDialogField& field) {
  switch (field.kind) {
    case HcFieldKind::kTable: {
      std::wstring text = quoted(field.value) + L" of table (";
      for (std::size_t i = 0; i < field.columns.size(); ++i) text += (i > 0 ? L" | " : L"") + quoted(field.columns[i]);
      return text + L")";
    }
    case HcFieldKind::kCheck:
      return field.value == L"1" ? L"[x]" : L"[ ]";
    case HcFieldKind::kRadio:
    case HcFieldKind::kChoice:
    case HcFieldKind::kList:
      return quoted(field.value) + L" of " + quotedChoices(field);
    case HcFieldKind::kCombo:  // any text, the choices offered
      return quoted(field.value) + L" or " + quotedChoices(field);
    default:
      return quoted(field.value);
  }
}

}  // namespace

std::wstring quoted(const std::wstring& text) {
  std::wstring out = L"\"";
  for (const wchar_t c : text) {
    if (c == L'"' || c == L'\\') out += L'\\';
    if (c == L'\n' || c == L'\r' || c == L'\t') {
      out += c == L'\n' ? L"\\n" : c == L'\r' ? L"\\r" : L"\\t";
      continue;
    }
    out += c;
  }
  return out + L"\"";
}

std::wstring renderPalette(HcPaletteSetController& paletteSet) {
  std::wostringstream out;
  out << L"palette " << quoted(paletteSet.caption()) << (paletteSet.isVisible() ? L" {shown}" : L" {hidden}") << L'\n';
  HcProjectTabController* tab = paletteSet.projectTab();
  if (tab != nullptr) renderTab(*tab, out);
  if (HcComboController* combo = paletteSet.combo()) renderCombo(*combo, out);
  if (HcTreeController* tree = paletteSet.tree()) {
    if (const std::wstring filter = tree->filterText(); !filter.empty())
      out << L"  filter: " << quoted(filter) << L" (" << tree->hiddenCount() << L" hidden)\n";
    out << L"  tree:\n";
    for (const HcNodeId root : tree->roots()) renderTreeNode(*tree, root, 0, out);
  }
  if (tab != nullptr) renderPages(*tab, out);
  if (HcTreeController* tree = paletteSet.tree()) renderMarks(*tree, out);
  return out.str();
}

std::wstring renderMenu(const HcMenu& menu) {
  std::wostringstream out;
  out << L"menu " << menu.name << L'\n';
  renderEntries(menu.entries, 0, out);
  return out.str();
}

std::wstring renderDialog(const HcDialogController& dialog) {
  std::wostringstream out;
  out << L"dialog " << dialog.name() << L' ' << quoted(dialog.title()) << L'\n';
  const std::vector<std::wstring> pages = dialog.pages();
  if (!pages.empty()) {
    out << L"  pages:";
    for (std::size_t i = 0; i < pages.size(); ++i)
      out << L' ' << (static_cast<int>(i) == dialog.currentPage() ? L"[" + pages[i] + L"]" : quoted(pages[i]));
    out << L'\n';
  }
  for (const HcDialogField& field : dialog.fields()) {
    out << L"  " << field.id << L" = " << fieldValue(field) << (field.enabled ? L"" : L"  [greyed]") << L'\n';
    if (field.kind == HcFieldKind::kTable) renderTableRows(field, out);
  }
  out << L"  buttons:";
  for (const HcDialogButton& button : dialog.buttons())
    out << L' ' << button.id << (button.enabled ? L"" : L"[greyed]") << (button.isDefault ? L"{default}" : L"");
  out << L'\n';
  return out.str();
}

}  // namespace vox::textui
