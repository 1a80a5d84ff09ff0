#pragma once
// The module's side of a modal dialog or property sheet, as a host sees it. The module's
// controller owns every field value, enabled flag and decision; a host only draws the fields,
// forwards what the user typed or pressed and re-reads the controller after each change. A
// property sheet is a dialog with pages: fields() and buttons() are those of the current page
// plus the sheet's own buttons.

#include <functional>
#include <string>
#include <vector>

enum class HcFieldKind {
  kLabel,      // read-only text
  kText,       // one line of text
  kMultiLine,  // several lines of text
  kNumber,     // text that must hold a number (checked by the controller)
  kCheck,      // value "1" or "0"
  kRadio,      // one of `choices`; the value is the chosen text
  kChoice,     // a drop-down list: one of `choices`
  kCombo,      // an editable drop-down list: any text (the controller may limit its length),
               // with `choices` offered to pick from
  kList,       // a list box: `choices` are the rows, the value the selected rows' indices ("0,3")
  kPath,       // a path with a browse button
  kPathLabel,  // read-only path: a graphical host shortens it in the middle to fit and shows the
               // whole text as its tooltip; a text host prints the whole text
  kTable,      // a grid: `columns` are the column titles, `rows` the rows of cells (each cell may
               // be highlighted); the value the selected rows' indices ("0,3"), as for kList
};

// One cell of a kTable field.
struct HcTableCell {
  std::wstring text;
  bool highlighted = false;  // drawn with the highlight background
  bool operator==(const HcTableCell&) const = default;
};

struct HcDialogField {
  std::wstring id;     // stable name used by scripts ("name", "location")
  HcFieldKind kind = HcFieldKind::kText;
  std::wstring label;  // shown beside the field
  std::wstring value;
  bool enabled = true;
  std::wstring tooltip;
  std::vector<std::wstring> choices;
  std::wstring group;  // fields of one group are framed together
  // kTable only: the column titles, the rows (one cell per column), and the layout the host
  // should start with (pixels; 0 or no width: the host's own).
  std::vector<std::wstring> columns{};
  std::vector<std::vector<HcTableCell>> rows{};
  std::vector<int> columnWidths{};
  int rowHeight = 0;
  bool operator==(const HcDialogField&) const = default;
};

struct HcDialogButton {
  std::wstring id;    // "ok", "cancel", "help", ...
  std::wstring text;  // caption
  bool enabled = true;
  bool isDefault = false;
  bool operator==(const HcDialogButton&) const = default;
};

// What pressing a button did: the dialog closed with a result, or it stays open, with the
// field that gets the focus and a message the host shows (both may be empty).
struct HcDialogOutcome {
  bool closed = false;
  int result = 0;
  std::wstring focusField;
  std::wstring message;

  static HcDialogOutcome close(int result) { return {true, result, {}, {}}; }
  static HcDialogOutcome stay(std::wstring focus = {}, std::wstring message = {}) {
    return {false, 0, std::move(focus), std::move(message)};
  }
};

// Results a dialog closes with.
constexpr int kHcDialogCancel = 0;
constexpr int kHcDialogOk = 1;

class HcDialogController {
 public:
  virtual ~HcDialogController() = default;

  // A stable short name used by text hosts and scripts ("new-project").
  virtual std::wstring name() const = 0;
  virtual std::wstring title() const = 0;

  // Page titles of a property sheet; empty for a plain dialog.
  virtual std::vector<std::wstring> pages() const { return {}; }
  virtual int currentPage() const { return 0; }
  // Switches to page `index`; the outcome stays with a message when the current page refuses
  // to be left (a value out of range), and the page does not change.
  virtual HcDialogOutcome selectPage(int /*index*/) { return HcDialogOutcome::stay(); }

  virtual std::vector<HcDialogField> fields() const = 0;
  // Sets a field as the user would; false for an unknown or disabled field or a value the field
  // cannot take (a choice that is not offered).
  virtual bool setField(const std::wstring& id, const std::wstring& value) = 0;
  // A path field's browse button, or a field's own action button; false when there is none.
  virtual bool browse(const std::wstring& /*id*/) { return false; }
  // The user resized a kTable field's rows or columns (pixels); a controller may keep the layout.
  virtual void tableLayoutChanged(const std::wstring& /*id*/, int /*rowHeight*/,
                                  const std::vector<int>& /*columnWidths*/) {}

  virtual std::vector<HcDialogButton> buttons() const = 0;
  virtual HcDialogOutcome press(const std::wstring& buttonId) = 0;
  // The host closed the dialog (Escape, the window's close box): as Cancel unless refused.
  virtual HcDialogOutcome cancel() { return press(L"cancel"); }

  // Called after every change the controller made by itself (a field that another field
  // recomputed); views re-read fields() and buttons().
  void setChangeListener(std::function<void()> listener) { changed_ = std::move(listener); }

 protected:
  void notifyChanged() const {
    if (changed_) changed_();
  }

 private:
  std::function<void()> changed_;
};
