#include "TreeFixture.h"

#include <filesystem>

#include "locking/ProjectFileLockerAdapter.h"
#include "locking/ProjectFileWatcherAdapter.h"
#include "platform/os/CaseMapping.h"

namespace vox::test {

namespace {

// The manager's project-file locks and monitoring, as the module gives them.
core::ManagerParts lockingParts() {
  core::ManagerParts parts;
  parts.makeWatcher = [] { return locking::makeProjectFileWatcher(); };
  parts.makeLocker = [] { return locking::makeProjectFileLocker(); };
  return parts;
}

}  // namespace

TreeFixture::TreeFixture() : ManagerFixture(lockingParts()) {}

TreeFixture::~TreeFixture() {
  viewPort.reset();
  tree.reset();
}

std::wstring TreeFixture::openProject(const std::string& name, const std::vector<std::string>& drawings, bool activate) {
  std::string content = "*[1]" + name + " project\r\n";
  for (const std::string& lines : drawings) {
    content += lines + "\r\n";
    const std::string file = lines.substr(lines.rfind('\n') == std::string::npos ? 0 : lines.rfind('\n') + 1);
    std::filesystem::create_directories(temp.native(name));
    writeNative(temp.native(name + "/" + file), emptyDrawing());
  }
  const std::wstring path = ManagerFixture::project(name + "/" + name + ".wdp", content);
  EXPECT_TRUE(manager.openProject(path.c_str(), activate, true)) << name;
  return path;
}

std::wstring TreeFixture::drawingPath(const std::string& project, const std::string& file) const {
  return temp.path(std::wstring(project.begin(), project.end()) + L"\\" + std::wstring(file.begin(), file.end()));
}

CProjectTree& TreeFixture::makeTree() {
  tree = std::make_unique<CProjectTree>();
  viewPort = std::make_unique<FakeViewPort>(*tree);
  tree->setListener(&listener);
  tree->setViewPort(viewPort.get());
  return *tree;
}

HcNodeId TreeFixture::project(const std::string& name) const {
  for (const HcNodeId id : tree->roots())
    if (os::iequals(text(id), std::wstring(name.begin(), name.end()))) return id;
  ADD_FAILURE() << "no project node " << name;
  return 0;
}

HcNodeId TreeFixture::drawing(const std::string& projectName, const std::string& file) const {
  const HcNodeId id = tree->GetDrawingItem(drawingPath(projectName, file));
  EXPECT_NE(id, 0u) << "no drawing node " << projectName << "/" << file;
  return id;
}

std::vector<HcNodeId> TreeFixture::drawings(const std::string& projectName) const {
  return tree->children(project(projectName));
}

std::vector<std::wstring> TreeFixture::rootTexts() const {
  std::vector<std::wstring> texts;
  for (const HcNodeId id : tree->roots()) texts.push_back(text(id) + (tree->node(id)->bold ? L"*" : L""));
  return texts;
}

std::wstring TreeFixture::selection(const std::string& projectName) const {
  const HcNodeId projectNode = project(projectName);
  std::wstring out;
  for (HcNodeId id : [&] {
         std::vector<HcNodeId> ids{projectNode};
         for (const HcNodeId child : tree->children(projectNode)) ids.push_back(child);
         return ids;
       }()) {
    const HcTreeNodeView node = *tree->node(id);
    std::wstring name = node.parent == 0 ? L"P" : node.text;
    if (node.caret) name = L"^" + name;
    if (node.selected) name = L"[" + name + L"]";
    out += (out.empty() ? L"" : L" ") + name;
  }
  return out;
}

}  // namespace vox::test
