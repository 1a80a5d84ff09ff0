#include "platform/dwgdb/TextPick.h"

#include <algorithm>
#include <cmath>

namespace vox::dwgdb {
namespace {

constexpr int kMaxDepth = 8;
constexpr double kWidthPerHeight = 0.6;

// Where a block's own coordinates land in the space: scale, rotate, move.
struct Placement {
  Point origin;
  double rotation = 0.0;
  double scaleX = 1.0;
  double scaleY = 1.0;

  Point apply(const Point& p) const {
    const double x = p.x * scaleX;
    const double y = p.y * scaleY;
    return {origin.x + x * std::cos(rotation) - y * std::sin(rotation),
            origin.y + x * std::sin(rotation) + y * std::cos(rotation), p.z};
  }
};

double distanceToBox(const Point& p, double left, double bottom, double right, double top) {
  const double dx = std::max({left - p.x, 0.0, p.x - right});
  const double dy = std::max({bottom - p.y, 0.0, p.y - top});
  return std::hypot(dx, dy);
}

class Search {
 public:
  Search(const Drawing& drawing, const Point& at, double aperture) : drawing_(drawing), at_(at), best_(aperture) {}

  void entities(const std::vector<Entity>& list, const Placement& placement, int depth) {
    for (const Entity& entity : list) {
      if (const auto* text = std::get_if<Text>(&entity)) consider(*text, placement);
      if (const auto* ref = std::get_if<BlockReference>(&entity)) reference(*ref, placement, depth);
    }
  }
  const std::optional<std::wstring>& found() const { return found_; }

 private:
  void consider(const Text& text, const Placement& placement) {
    const Point p = placement.apply(text.position);
    const double height = std::abs(text.height * placement.scaleY);
    const double width = kWidthPerHeight * height * static_cast<double>(text.text.size()) * std::abs(placement.scaleX / placement.scaleY);
    const double distance = distanceToBox(at_, p.x, p.y, p.x + width, p.y + height);
    if (distance < best_ || (distance <= best_ && !found_)) {
      best_ = distance;
      found_ = text.text;
    }
  }
  void reference(const BlockReference& ref, const Placement& placement, int depth) {
    const BlockDefinition* block = drawing_.findBlock(ref.name);
    if (block == nullptr || depth >= kMaxDepth) return;
    Placement inner;
    inner.rotation = placement.rotation + ref.rotation;
    inner.scaleX = placement.scaleX * ref.scale.x;
    inner.scaleY = placement.scaleY * ref.scale.y;
    // The block's base point lands on the reference's insertion point.
    const Point insertion = placement.apply(ref.position);
    inner.origin = {0.0, 0.0, 0.0};
    const Point base = inner.apply(block->basePoint);
    inner.origin = {insertion.x - base.x, insertion.y - base.y, 0.0};
    entities(block->entities, inner, depth + 1);
  }

  const Drawing& drawing_;
  Point at_;
  double best_;
  std::optional<std::wstring> found_;
};

}  // namespace

std::optional<std::wstring> textAt(const Drawing& drawing, const Point& at, double aperture) {
  const Space* model = drawing.findSpace(L"*Model_Space");
  if (model == nullptr) return std::nullopt;
  Search search(drawing, at, aperture);
  search.entities(model->entities, Placement{}, 0);
  return search.found();
}

}  // namespace vox::dwgdb
