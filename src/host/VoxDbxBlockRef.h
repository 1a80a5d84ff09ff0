#pragma once
// The add-on's block reference accessor: a drawing database (see VoxDbxDatabase.h) that can
// also find block references by block name in one space of the drawing and work on the
// attributes of the reference it found. The host installs a factory for it; module code makes
// its accessors with VoxDbxCreateBlockRef().

#include <memory>
#include <string>
#include <vector>

#include "host/VoxDbxDatabase.h"

struct VoxDbxPoint {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;

  bool operator==(const VoxDbxPoint&) const = default;
};

struct VoxDbxAttribute {
  std::wstring tag;
  std::wstring value;
  VoxDbxPoint position;  // insertion point

  bool operator==(const VoxDbxAttribute&) const = default;
};

class VoxDbxBlockRef : public VoxDbxDatabase {
 public:
  // Makes the space named `name` (a block table record: "*Model_Space", "*Paper_Space",
  // "*Paper_Space0", ..., ignoring case) the one that find searches; false when the drawing
  // has no such space. An opened drawing starts with its model space selected.
  virtual bool selectSpace(const std::wstring& name) = 0;
  // Finds the first reference of the block `blockName` (ignoring case) in the selected space
  // and keeps it open; false, with no reference open, when there is none. `findParam` and
  // `openMode` 0 are the only values the module passes.
  virtual bool find(const std::wstring& blockName, int findParam = 0, int openMode = 0) = 0;
  // The next reference of the same block in the same space; false (none open) after the last.
  virtual bool findNext() = 0;
  virtual bool isBlockRefOpen() const = 0;
  // The block name of the open reference; empty when none is open.
  virtual std::wstring openBlockName() const = 0;
  // The open reference's insertion point.
  virtual VoxDbxPoint openPosition() const = 0;

  // The attributes of the open reference in their order (empty when none is open).
  virtual std::vector<VoxDbxAttribute> attributes() const = 0;
  virtual bool hasAttribute(const std::wstring& tag) const = 0;
  // The value of the attribute `tag` (ignoring case); false, `value` untouched, when missing.
  virtual bool getAttributeValue(const std::wstring& tag, std::wstring& value) const = 0;
  // Sets the value of the attribute `tag`; false when it is missing or the database is read-only.
  virtual bool setAttributeValue(const std::wstring& tag, const std::wstring& value) = 0;
  // Adds the attribute `tag` (which must not exist yet) to the open reference, placed at the
  // insertion point of the attribute `referenceTag` moved by (dx, dy), or at the reference's own
  // insertion point moved so when `referenceTag` is empty. `likeReference` gives it the
  // reference attribute's look (height, style, ...); `invisible` hides it in the drawing.
  virtual bool addAttribute(const std::wstring& referenceTag, const std::wstring& tag, const std::wstring& value,
                            bool likeReference, double dx, double dy, bool invisible) = 0;
  // Inserts a reference of the block `blockName` from the drawing file `drawingFile` into the
  // selected space at `at`, scaled and rotated (radians). The block's definition is taken from
  // the file (its definition of that name, else its model space) unless the drawing has one
  // already and `redefine` is 0; with `withAttributes` the reference gets one attribute per
  // attribute definition, with its default value. The new reference is the open one afterwards.
  virtual bool insertBlock(const std::wstring& blockName, const std::wstring& drawingFile, const VoxDbxPoint& at,
                           double scaleX, double scaleY, double scaleZ, double rotation, int redefine,
                           bool withAttributes) = 0;

  VoxDbxDatabase& database() { return *this; }
};

// What a host installs to make accessors; null uninstalls.
using VoxDbxBlockRefFactory = std::unique_ptr<VoxDbxBlockRef> (*)();
void voxInstallDbxBlockRefFactory(VoxDbxBlockRefFactory factory);
// A new, closed accessor from the installed factory; null when none is installed.
std::unique_ptr<VoxDbxBlockRef> VoxDbxCreateBlockRef();
