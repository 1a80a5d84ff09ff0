#pragma once
// A project tree over a real project manager in a headless host with the stand-ins: projects
// written as files in the temporary folder, a view port with a page size and a first visible
// node, and a listener that records what a view would be told.

#include <memory>
#include <string>
#include <vector>

#include "core/ManagerTestSupport.h"
#include "palette/CProjectTree.h"

namespace vox::test {

// The drawn tree's facts: a window of `page` rows starting at `top`.
class FakeViewPort : public HcTreeViewPort {
 public:
  explicit FakeViewPort(const CProjectTree& tree) : tree_(tree) {}
  HcNodeId firstVisibleNode() const override { return top != 0 ? top : tree_.model().firstNode(); }
  int pageSize() const override { return page; }
  void scrollToTop(HcNodeId id) override { top = id; }
  void ensureVisible(HcNodeId id) override { lastEnsured = id; }

  HcNodeId top = 0;
  HcNodeId lastEnsured = 0;
  int page = 4;

 private:
  const CProjectTree& tree_;
};

// Counts what a view is told and answers label edits when asked to.
class RecordingListener : public HcTreeListener {
 public:
  void selectionChanged() override { ++selectionChanges; }
  void editRequest(HcNodeId id, const std::wstring& initialText) override { edits.emplace_back(id, initialText); }
  void projectAboutToBeInserted(int row) override { log.push_back(L"+? " + std::to_wstring(row)); }
  void projectInserted(int row) override { log.push_back(L"+ " + std::to_wstring(row)); }
  void childrenAboutToBeRemoved(int row, int count) override {
    log.push_back(L"-children? " + std::to_wstring(row) + L" " + std::to_wstring(count));
  }
  void childrenRemoved(int row) override { log.push_back(L"-children " + std::to_wstring(row)); }

  int selectionChanges = 0;
  std::vector<std::pair<HcNodeId, std::wstring>> edits;
  std::vector<std::wstring> log;
};

class TreeFixture : public ManagerFixture {
 protected:
  TreeFixture();
  ~TreeFixture() override;

  // Writes project `name`.wdp in folder `name` with drawing files, and opens it.
  // A drawing line may carry entry lines before it ("=Section\n===Description\nA.dwg").
  std::wstring openProject(const std::string& name, const std::vector<std::string>& drawings, bool activate);
  std::wstring drawingPath(const std::string& project, const std::string& file) const;
  // Makes the tree (after the projects it should find already open, when a test wants that).
  CProjectTree& makeTree();

  HcNodeId project(const std::string& name) const;
  HcNodeId drawing(const std::string& project, const std::string& file) const;
  std::vector<HcNodeId> drawings(const std::string& project) const;
  std::wstring text(HcNodeId id) const { return tree->node(id)->text; }
  // The texts of the root nodes, a "*" after the bold ones.
  std::vector<std::wstring> rootTexts() const;
  // "A.dwg B.dwg" with "[...]" around selected nodes and "^" before the caret.
  std::wstring selection(const std::string& projectName) const;

  std::unique_ptr<CProjectTree> tree;
  std::unique_ptr<FakeViewPort> viewPort;
  RecordingListener listener;
};

}  // namespace vox::test
