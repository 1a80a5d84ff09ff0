// Block references of the drawing: finding them in the selected space, their attributes, and
// inserting a block from another drawing file.

#include <cmath>

#include "platform/dwgdb/DrawingDatabase.h"
#include "platform/dwgdb/DrawingFile.h"
#include "platform/os/CaseMapping.h"

namespace vox::dwgdb {
namespace {

VoxDbxPoint toDbx(const Point& p) { return {p.x, p.y, p.z}; }

Attribute* findAttribute(std::vector<Attribute>& attributes, const std::wstring& tag) {
  for (Attribute& a : attributes)
    if (os::iequals(a.tag, tag)) return &a;
  return nullptr;
}

const Attribute* findAttribute(const std::vector<Attribute>& attributes, const std::wstring& tag) {
  return findAttribute(const_cast<std::vector<Attribute>&>(attributes), tag);
}

// The definition a drawing file gives for `name`: its own block of that name, else its model
// space as a block.
std::optional<BlockDefinition> definitionFrom(const Drawing& source, const std::wstring& name) {
  if (const BlockDefinition* block = source.findBlock(name)) return *block;
  const Space* model = source.findSpace(L"*Model_Space");
  if (model == nullptr) return std::nullopt;
  return BlockDefinition{name, {}, {}, model->entities, {}};
}

// Where a point of the definition lands in a reference at `at`, scaled and rotated.
Point placed(const Point& local, const Point& base, const Point& at, const Point& scale, double rotation) {
  const double x = (local.x - base.x) * scale.x;
  const double y = (local.y - base.y) * scale.y;
  return {at.x + x * std::cos(rotation) - y * std::sin(rotation), at.y + x * std::sin(rotation) + y * std::cos(rotation),
          at.z + (local.z - base.z) * scale.z};
}

}  // namespace

Space* DrawingDatabase::selectedSpace() { return drawing_ ? drawing_->findSpace(spaceName_) : nullptr; }
const Space* DrawingDatabase::selectedSpace() const { return const_cast<DrawingDatabase*>(this)->selectedSpace(); }

BlockReference* DrawingDatabase::openReference() {
  Space* space = selectedSpace();
  if (space == nullptr || !found_ || *found_ >= space->entities.size()) return nullptr;
  return std::get_if<BlockReference>(&space->entities[*found_]);
}

const BlockReference* DrawingDatabase::openReference() const {
  return const_cast<DrawingDatabase*>(this)->openReference();
}

bool DrawingDatabase::selectSpace(const std::wstring& name) {
  if (!drawing_ || drawing_->findSpace(name) == nullptr) return false;
  spaceName_ = name;
  found_.reset();
  return true;
}

bool DrawingDatabase::find(const std::wstring& blockName, int, int) {
  findName_ = blockName;
  return findFrom(0);
}

bool DrawingDatabase::findNext() { return found_ && findFrom(*found_ + 1); }

bool DrawingDatabase::findFrom(std::size_t from) {
  found_.reset();
  const Space* space = selectedSpace();
  if (space == nullptr || findName_.empty()) return false;
  for (std::size_t i = from; i < space->entities.size(); ++i) {
    const auto* ref = std::get_if<BlockReference>(&space->entities[i]);
    if (ref != nullptr && os::iequals(ref->name, findName_)) {
      found_ = i;
      return true;
    }
  }
  return false;
}

std::wstring DrawingDatabase::openBlockName() const {
  const BlockReference* ref = openReference();
  return ref != nullptr ? ref->name : std::wstring();
}

VoxDbxPoint DrawingDatabase::openPosition() const {
  const BlockReference* ref = openReference();
  return ref != nullptr ? toDbx(ref->position) : VoxDbxPoint{};
}

std::vector<VoxDbxAttribute> DrawingDatabase::attributes() const {
  std::vector<VoxDbxAttribute> out;
  if (const BlockReference* ref = openReference()) {
    for (const Attribute& a : ref->attributes) out.push_back({a.tag, a.value, toDbx(a.position)});
  }
  return out;
}

bool DrawingDatabase::hasAttribute(const std::wstring& tag) const {
  const BlockReference* ref = openReference();
  return ref != nullptr && findAttribute(ref->attributes, tag) != nullptr;
}

bool DrawingDatabase::getAttributeValue(const std::wstring& tag, std::wstring& value) const {
  const BlockReference* ref = openReference();
  const Attribute* attribute = ref != nullptr ? findAttribute(ref->attributes, tag) : nullptr;
  if (attribute == nullptr) return false;
  value = attribute->value;
  return true;
}

bool DrawingDatabase::setAttributeValue(const std::wstring& tag, const std::wstring& value) {
  BlockReference* ref = writable() ? openReference() : nullptr;
  Attribute* attribute = ref != nullptr ? findAttribute(ref->attributes, tag) : nullptr;
  if (attribute == nullptr) return false;
  if (attribute->value != value) {
    attribute->value = value;
    modified_ = true;
  }
  return true;
}

bool DrawingDatabase::addAttribute(const std::wstring& referenceTag, const std::wstring& tag, const std::wstring& value,
                                   bool likeReference, double dx, double dy, bool invisible) {
  BlockReference* ref = writable() ? openReference() : nullptr;
  if (ref == nullptr || tag.empty() || findAttribute(ref->attributes, tag) != nullptr) return false;
  Attribute added{tag, value, ref->position, invisible, {}};
  if (!referenceTag.empty()) {
    const Attribute* reference = findAttribute(ref->attributes, referenceTag);
    if (reference == nullptr) return false;
    added.position = reference->position;
    if (likeReference) added.extras = reference->extras;
  }
  added.position.x += dx;
  added.position.y += dy;
  ref->attributes.push_back(std::move(added));
  modified_ = true;
  return true;
}

bool DrawingDatabase::insertBlock(const std::wstring& blockName, const std::wstring& drawingFile, const VoxDbxPoint& at,
                                  double scaleX, double scaleY, double scaleZ, double rotation, int redefine,
                                  bool withAttributes) {
  Space* space = writable() ? selectedSpace() : nullptr;
  if (space == nullptr || blockName.empty()) return false;
  BlockDefinition* existing = drawing_->findBlock(blockName);
  std::optional<BlockDefinition> definition;
  if (existing == nullptr || redefine != 0) {
    const std::optional<Drawing> source = loadDrawing(drawingFile, &error_);
    if (source) definition = definitionFrom(*source, blockName);
    if (!definition) return false;
    definition->name = blockName;
    if (existing != nullptr) {
      *existing = std::move(*definition);
    } else {
      drawing_->blocks.push_back(std::move(*definition));
    }
  }
  const BlockDefinition& block = existing != nullptr ? *existing : drawing_->blocks.back();
  BlockReference ref{blockName, {at.x, at.y, at.z}, {scaleX, scaleY, scaleZ}, rotation, drawing_->header.currentLayer,
                     {}, {}};
  if (withAttributes) {
    for (const Attribute& d : block.attributeDefinitions) {
      ref.attributes.push_back(
          {d.tag, d.value, placed(d.position, block.basePoint, ref.position, ref.scale, rotation), d.invisible, d.extras});
    }
  }
  space->entities.push_back(std::move(ref));
  findName_ = blockName;
  found_ = space->entities.size() - 1;
  modified_ = true;
  return true;
}

}  // namespace vox::dwgdb
