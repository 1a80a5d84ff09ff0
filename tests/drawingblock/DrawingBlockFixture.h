#pragma once
// A headless host with the LISP core, a project manager and the drawing accessor installed, and
// helpers that write drawings holding settings blocks and ladder blocks.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/ManagerTestSupport.h"
#include "host/VoxDbxBlockRef.h"
#include "platform/dwgdb/Drawing.h"

namespace vox::test {

using Tags = std::vector<std::pair<std::wstring, std::wstring>>;

// Attributes with these tags and values, the first at y = 0 and each next one 1 lower.
std::vector<dwgdb::Attribute> attributesOf(const Tags& tags, double x = 0.0);
dwgdb::BlockReference blockOf(const std::wstring& name, const Tags& tags, double x = 0.0);

class DrawingBlockFixture : public ManagerFixture {
 protected:
  DrawingBlockFixture();
  ~DrawingBlockFixture() override;

  // Writes `drawing` as `name` in the temporary folder; its module path.
  std::wstring write(const std::wstring& name, const dwgdb::Drawing& drawing);
  // A drawing with `space` added when it lacks it and `blocks` in that space.
  static dwgdb::Drawing drawingWith(const std::wstring& space, std::vector<dwgdb::BlockReference> blocks);
  // Opens `path` for writing in `db`.
  void open(const std::wstring& path);
  // The drawing file as saved.
  dwgdb::Drawing reload(const std::wstring& path) const;
  // The values of the open reference's attributes by tag.
  std::wstring value(const std::wstring& tag) const;
  // Makes the project file `name` with the given content the active project.
  void activate(const std::string& name, const std::string& content);

  std::unique_ptr<VoxDbxBlockRef> db;
};

}  // namespace vox::test
