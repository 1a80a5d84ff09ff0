#include "drawingblock/DrawingBlockFixture.h"

#include <gtest/gtest.h>

#include "platform/dwgdb/DrawingDatabase.h"
#include "platform/dwgdb/DrawingFile.h"

namespace vox::test {

std::vector<dwgdb::Attribute> attributesOf(const Tags& tags, double x) {
  std::vector<dwgdb::Attribute> attributes;
  double y = 0.0;
  for (const auto& [tag, value] : tags) {
    attributes.push_back({tag, value, {x, y, 0.0}, true, {}});
    y -= 1.0;
  }
  return attributes;
}

dwgdb::BlockReference blockOf(const std::wstring& name, const Tags& tags, double x) {
  return {name, {x, 0.0, 0.0}, {1, 1, 1}, 0.0, L"0", attributesOf(tags, x), {}};
}

DrawingBlockFixture::DrawingBlockFixture() {
  voxInstallDbxBlockRefFactory(&dwgdb::createDrawingAccessor);
  db = VoxDbxCreateBlockRef();
  openDrawing(L"Current.dwg");  // the LISP core answers while a document is open
}

DrawingBlockFixture::~DrawingBlockFixture() {
  db.reset();
  voxInstallDbxBlockRefFactory(nullptr);
}

std::wstring DrawingBlockFixture::write(const std::wstring& name, const dwgdb::Drawing& drawing) {
  const std::wstring path = temp.path(name);
  EXPECT_TRUE(dwgdb::saveDrawing(path, drawing));
  return path;
}

dwgdb::Drawing DrawingBlockFixture::drawingWith(const std::wstring& space, std::vector<dwgdb::BlockReference> blocks) {
  dwgdb::Drawing d = dwgdb::emptyDrawing();
  if (d.findSpace(space) == nullptr) d.spaces.push_back({space, {}, {}});
  for (dwgdb::BlockReference& block : blocks) d.findSpace(space)->entities.push_back(std::move(block));
  return d;
}

void DrawingBlockFixture::open(const std::wstring& path) {
  ASSERT_TRUE(db->open(path, VoxDbxDatabase::kOpenForWrite, false)) << std::string(db->lastError().begin(), db->lastError().end());
}

dwgdb::Drawing DrawingBlockFixture::reload(const std::wstring& path) const {
  std::optional<dwgdb::Drawing> d = dwgdb::loadDrawing(path);
  EXPECT_TRUE(d);
  return d ? std::move(*d) : dwgdb::Drawing{};
}

std::wstring DrawingBlockFixture::value(const std::wstring& tag) const {
  std::wstring v = L"<missing>";
  db->getAttributeValue(tag, v);
  return v;
}

void DrawingBlockFixture::activate(const std::string& name, const std::string& content) {
  ASSERT_TRUE(manager.openProject(project(name, content).c_str(), true, false));
}

}  // namespace vox::test
