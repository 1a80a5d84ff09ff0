#include "DrawingScene.h"

#include <QFontMetricsF>
#include <QGraphicsItemGroup>
#include <QGraphicsLineItem>
#include <QGraphicsSimpleTextItem>
#include <QPen>

#include <numbers>

namespace vox::studio {
namespace {

// Nested block references deeper than this are not drawn (a block that holds itself).
constexpr int kMaxBlockDepth = 8;
// Texts are laid out at this pixel size and scaled to their height.
constexpr int kTextLayoutSize = 100;

const QColor kBackground(33, 40, 48);
const QColor kLineColour(222, 226, 230);
const QColor kTextColour(122, 196, 255);
const QColor kBlockColour(255, 202, 92);
const QColor kAttributeColour(150, 226, 150);

QPointF scenePoint(const dwgdb::Point& p) { return {p.x, -p.y}; }

QString qText(const std::wstring& text) { return QString::fromStdWString(text); }

class SceneBuilder {
 public:
  SceneBuilder(const dwgdb::Drawing& drawing, QGraphicsScene& scene) : drawing_(drawing), scene_(scene) {
    font_.setPixelSize(kTextLayoutSize);
    const QFontMetricsF metrics(font_);
    capHeight_ = metrics.capHeight() > 0 ? metrics.capHeight() : metrics.ascent();
    ascent_ = metrics.ascent();
  }

  // Adds `entities`; under `parent` (a block reference) their colour is the block's.
  void addEntities(const std::vector<dwgdb::Entity>& entities, QGraphicsItem* parent, int depth) {
    for (const dwgdb::Entity& entity : entities) {
      if (const auto* line = std::get_if<dwgdb::Line>(&entity)) addLine(*line, parent);
      if (const auto* text = std::get_if<dwgdb::Text>(&entity)) addText(text->text, text->position, text->height, parent);
      if (const auto* ref = std::get_if<dwgdb::BlockReference>(&entity)) addBlockReference(*ref, parent, depth);
    }
  }

 private:
  void place(QGraphicsItem* item, QGraphicsItem* parent, const QString& kind) {
    item->setData(kEntityKindKey, kind);
    if (parent != nullptr) {
      item->setParentItem(parent);
    } else {
      scene_.addItem(item);
    }
  }

  void addLine(const dwgdb::Line& line, QGraphicsItem* parent) {
    auto* item = new QGraphicsLineItem(QLineF(scenePoint(line.start), scenePoint(line.end)));
    QPen pen(parent != nullptr ? kBlockColour : kLineColour);
    pen.setCosmetic(true);
    item->setPen(pen);
    place(item, parent, kLineKind);
  }

  QGraphicsSimpleTextItem* addText(const std::wstring& text, const dwgdb::Point& at, double height,
                                   QGraphicsItem* parent, const QString& kind = kTextKind) {
    auto* item = new QGraphicsSimpleTextItem(qText(text));
    item->setFont(font_);
    item->setBrush(parent != nullptr ? kBlockColour : (kind == kAttributeKind ? kAttributeColour : kTextColour));
    const double scale = (height > 0 ? height : 2.5) / capHeight_;
    item->setScale(scale);
    // The drawing's text position is the left end of the base line.
    item->setPos(scenePoint(at) - QPointF(0, ascent_ * scale));
    place(item, parent, kind);
    return item;
  }

  void addBlockReference(const dwgdb::BlockReference& ref, QGraphicsItem* parent, int depth) {
    auto* group = new QGraphicsItemGroup;
    QTransform transform;
    transform.translate(ref.position.x, -ref.position.y);
    transform.rotate(-ref.rotation * 180.0 / std::numbers::pi);
    transform.scale(ref.scale.x, ref.scale.y);
    group->setTransform(transform);
    place(group, parent, kBlockReferenceKind);
    QStringList tip{qText(ref.name)};
    for (const dwgdb::Attribute& attribute : ref.attributes)
      tip << qText(attribute.tag) + QStringLiteral(" = ") + qText(attribute.value);
    group->setToolTip(tip.join(u'\n'));
    if (const dwgdb::BlockDefinition* block = drawing_.findBlock(ref.name); block != nullptr && depth < kMaxBlockDepth) {
      auto* content = new QGraphicsItemGroup(group);
      content->setTransform(QTransform::fromTranslate(-block->basePoint.x, block->basePoint.y));
      addEntities(block->entities, content, depth + 1);
    }
    // Attribute positions are where they stand in the space, not in the block.
    if (parent == nullptr) {
      for (const dwgdb::Attribute& attribute : ref.attributes) {
        if (!attribute.invisible && !attribute.value.empty())
          addText(attribute.value, attribute.position, 2.5 * ref.scale.y, nullptr, kAttributeKind);
      }
    }
  }

  const dwgdb::Drawing& drawing_;
  QGraphicsScene& scene_;
  QFont font_;
  double capHeight_ = 1.0;
  double ascent_ = 1.0;
};

}  // namespace

std::unique_ptr<QGraphicsScene> buildDrawingScene(const dwgdb::Drawing& drawing) {
  auto scene = std::make_unique<QGraphicsScene>();
  scene->setBackgroundBrush(kBackground);
  if (const dwgdb::Space* model = drawing.findSpace(L"*Model_Space")) {
    SceneBuilder(drawing, *scene).addEntities(model->entities, nullptr, 0);
  }
  return scene;
}

int countEntityItems(const QGraphicsScene& scene, const QString& kind) {
  int count = 0;
  for (const QGraphicsItem* item : scene.items())
    if (item->data(kEntityKindKey).toString() == kind) ++count;
  return count;
}

}  // namespace vox::studio
