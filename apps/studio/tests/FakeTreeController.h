#pragma once
// A small project tree held in memory, behind the controller interface the studio's tree view
// draws: projects with drawings, a caret, selected flags with a simple rule (a plain click or
// key selects one node, Ctrl toggles a drawing, Shift selects from the anchor), expansion (also
// by a click on a project's button), renaming on F2, and every change told to the listener in
// before/after pairs. It records the input it receives so tests can see what the view
// forwarded.

#include <optional>
#include <string>
#include <vector>

#include "host/HcPaletteControllers.h"

namespace vox::studio::test {

class FakeTreeController : public HcTreeController {
 public:
  struct Drawing {
    HcNodeId id = 0;
    std::wstring fileName;
    std::wstring description;
    int icon = 1;
    bool bold = false;
    bool selected = false;
  };
  struct Project {
    HcNodeId id = 0;
    std::wstring name;
    bool expanded = true;
    bool bold = false;
    bool selected = false;
    std::vector<Drawing> drawings;
  };
  struct Click {
    HcNodeId id;
    HcHitPart part;
    unsigned modifiers;
  };
  struct EndEdit {
    HcNodeId id;
    std::optional<std::wstring> text;
  };

  // Changes of the structure, each told to the listener as its pair of events.
  // A new project at `row` (the end when -1), its drawings named by file name; its id.
  HcNodeId openProject(const std::wstring& name, const std::vector<std::wstring>& fileNames, int row = -1);
  void closeProject(int row);
  // The project at `row` becomes the first root.
  void moveToTop(int row);
  // The drawings of the project at `row` are removed whole and rebuilt with new ids; the caret,
  // selected flags and descriptions stay with drawings of the same file name.
  void rebuildDrawings(int row, const std::vector<std::wstring>& fileNames);
  void rebuildDrawings(int row);

  // Changes of flags.
  void setBold(HcNodeId id, bool bold);
  void setDescription(HcNodeId id, const std::wstring& description);
  // Exactly `ids` selected, `caret` the caret; one selectionChanged.
  void select(const std::vector<HcNodeId>& ids, HcNodeId caret);

  HcNodeId projectId(int row) const { return projects_.at(std::size_t(row)).id; }
  HcNodeId drawingId(int row, int drawing) const { return projects_.at(std::size_t(row)).drawings.at(std::size_t(drawing)).id; }
  HcNodeId caret() const { return caret_; }
  // The selected nodes in visible order.
  std::vector<HcNodeId> selected() const;
  HcTreeListener* listener() const { return listener_; }
  HcTreeViewPort* viewPort() const { return viewPort_; }

  // HcTreeController
  std::vector<HcNodeId> roots() const override;
  std::vector<HcNodeId> children(HcNodeId project) const override;
  int childCount(HcNodeId parent) const override;
  HcNodeId childAt(HcNodeId parent, int row) const override;
  int rowOf(HcNodeId id) const override;
  std::optional<HcTreeNodeView> node(HcNodeId id) const override;
  std::wstring editText(HcNodeId id) const override;
  void setListener(HcTreeListener* listener) override { listener_ = listener; }
  void setViewPort(HcTreeViewPort* viewPort) override { viewPort_ = viewPort; }
  void click(HcNodeId id, HcHitPart part, unsigned modifiers) override;
  void doubleClick(HcNodeId id) override { doubleClicks.push_back(id); }
  void key(HcKey key, unsigned modifiers) override;
  void rightClick(HcNodeId id, HcPoint /*screenPoint*/) override { rightClicks.push_back(id); }
  void setExpanded(HcNodeId id, bool expanded) override;
  void endEdit(HcNodeId id, const std::optional<std::wstring>& text) override;

  // What the view forwarded.
  std::vector<Click> clicks;
  std::vector<std::pair<HcKey, unsigned>> keys;
  std::vector<HcNodeId> doubleClicks;
  std::vector<HcNodeId> rightClicks;
  std::vector<std::pair<HcNodeId, bool>> expansions;
  std::vector<EndEdit> endEdits;

 private:
  struct Location {
    int project = -1;
    int drawing = -1;  // -1 for the project node itself
  };
  std::optional<Location> find(HcNodeId id) const;
  std::vector<HcNodeId> visibleNodes() const;
  Drawing makeDrawing(const std::wstring& fileName);
  void setSelected(HcNodeId id, bool selected);
  void clearSelection();
  void selectRange(HcNodeId from, HcNodeId to);
  void moveCaret(int step, bool extend);

  std::vector<Project> projects_;
  HcNodeId nextId_ = 1;
  HcNodeId caret_ = 0;
  HcNodeId anchor_ = 0;
  HcTreeListener* listener_ = nullptr;
  HcTreeViewPort* viewPort_ = nullptr;
};

}  // namespace vox::studio::test
