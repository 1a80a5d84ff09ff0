#pragma once
// The host's UI service for a terminal or a script: the palette, menus and dialogs are printed
// in the text forms of TextRender, and the user's input arrives as verb lines. The palette is
// printed when a verb asks for it (showing or hiding it prints nothing, so a script's output
// holds only what it asked for). A menu or a
// dialog that the module pops up takes its answers from an AnswerSource (the answers file,
// "answer" lines, or the next script lines written for it); when none is left a menu chooses
// nothing and a dialog is cancelled. Every refused input gives one line starting with the
// control's name and changes nothing.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/HcUiHost.h"
#include "platform/textui/TextViewPort.h"

namespace vox::settings {
class PaletteLayoutStore;
}

namespace vox::textui {

enum class AnswerKind { kMenu, kDialog };

class AnswerSource {
 public:
  virtual ~AnswerSource() = default;
  // The next answer line for a menu or a dialog, without a leading "answer", "menu" or
  // "dialog" word; none when there is none.
  virtual std::optional<std::wstring> next(AnswerKind kind) = 0;
};

class TextUiHost : public HcUiHost {
 public:
  using Output = std::function<void(const std::wstring&)>;

  // `layouts` (borrowed, may be null) keeps the palette layout across runs.
  TextUiHost(Output output, AnswerSource& answers, settings::PaletteLayoutStore* layouts);

  void showPaletteSet(HcPaletteSetController& paletteSet, bool show) override;
  void placePaletteSet(HcPaletteSetController& paletteSet, HcDockSide side) override;
  void paletteSetDestroyed(HcPaletteSetController& paletteSet) override;
  std::optional<unsigned> popupMenu(const HcMenu& menu, HcPoint screenPoint) override;
  int runDialog(HcDialogController& dialog) override;
  unsigned doubleClickMs() const override { return 500; }
  ~TextUiHost() override;
  // Text cells: every character is 7 pixels wide.
  bool textFits(const std::wstring& text, int widthPx) const override;

  // One "palette ..." line, split into words without the leading "palette"; false (with the
  // error printed) when it was refused.
  bool paletteVerb(const std::vector<std::wstring>& words);

  HcPaletteSetController* paletteSet() const { return paletteSet_; }
  HcDockSide dockSide() const { return dockSide_; }
  // The view port given to the shown palette's tree, or null.
  const TextViewPort* viewPort() const { return viewPort_.get(); }

 private:
  class TreeRequests;
  // Gives the shown palette's tree (when it has one) its listener and view port.
  void attachTree();
  void detachTree();
  bool refuse(const std::wstring& message);
  bool treeVerb(HcTreeController& tree, const std::wstring& verb, const std::vector<std::wstring>& args);
  bool tabVerb(const std::wstring& verb, const std::vector<std::wstring>& args);
  std::optional<HcNodeId> findNode(HcTreeController& tree, const std::wstring& name) const;
  bool dialogLine(HcDialogController& dialog, const std::wstring& line, std::optional<int>& result);
  void print(const std::wstring& text) const;

  Output output_;
  AnswerSource& answers_;
  settings::PaletteLayoutStore* layouts_;
  HcPaletteSetController* paletteSet_ = nullptr;
  bool layoutHandedOver_ = false;
  HcDockSide dockSide_ = HcDockSide::kRight;
  // The text of the label edit the rename verb is starting; taken when the edit begins.
  std::optional<std::wstring> renameText_;
  std::unique_ptr<TreeRequests> treeRequests_;
  std::unique_ptr<TextViewPort> viewPort_;
  HcTreeController* attachedTree_ = nullptr;
};

// "shift+down", "ctrl+f2", "enter": the key and its modifiers, or none for an unknown key.
std::optional<std::pair<HcKey, unsigned>> parseKey(const std::wstring& text);
// "shift", "ctrl", "ctrl+shift" (any order, "none" for none), or none for an unknown word.
std::optional<unsigned> parseModifiers(const std::wstring& text);

}  // namespace vox::textui
