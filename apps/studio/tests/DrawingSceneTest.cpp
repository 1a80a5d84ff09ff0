// A drawing's model space as a scene: entity items with their kinds, the y axis turned, block
// references placed by position, rotation and scale, visible attribute values drawn.

#include <QGraphicsItem>
#include <QGraphicsLineItem>
#include <QGraphicsSimpleTextItem>

#include <gtest/gtest.h>

#include "DrawingScene.h"

namespace vox::studio::test {
namespace {

dwgdb::Drawing sampleDrawing() {
  dwgdb::Drawing drawing = dwgdb::emptyDrawing();
  dwgdb::BlockDefinition block;
  block.name = L"MOTOR";
  block.entities.push_back(dwgdb::Line{{0, 0, 0}, {1, 0, 0}, L"0", {}});
  block.entities.push_back(dwgdb::Text{L"M", {0, 0, 0}, 1.0, L"0", {}});
  drawing.blocks.push_back(block);
  dwgdb::Space* model = drawing.findSpace(L"*Model_Space");
  model->entities.push_back(dwgdb::Line{{0, 0, 0}, {10, 20, 0}, L"0", {}});
  model->entities.push_back(dwgdb::Text{L"Incoming supply", {5, 5, 0}, 3.5, L"0", {}});
  dwgdb::BlockReference motor;
  motor.name = L"MOTOR";
  motor.position = {100, 50, 0};
  motor.scale = {2, 2, 1};
  motor.rotation = 3.14159265358979323846 / 2;
  motor.attributes.push_back({L"TAG1", L"M101", {100, 45, 0}, false, {}});
  motor.attributes.push_back({L"RATING", L"7.5kW", {100, 40, 0}, true, {}});
  model->entities.push_back(motor);
  model->entities.push_back(dwgdb::OtherEntity{R"({"type":"circle","center":[0,0,0],"radius":5})"});
  return drawing;
}

const QGraphicsItem* findItem(const QGraphicsScene& scene, const QString& kind, bool nested) {
  for (const QGraphicsItem* item : scene.items()) {
    const bool isNested = item->parentItem() != nullptr;
    if (item->data(kEntityKindKey).toString() == kind && isNested == nested) return item;
  }
  return nullptr;
}

TEST(DrawingScene, HoldsTheModelSpacesEntitiesWithTheirBlocksContent) {
  const std::unique_ptr<QGraphicsScene> scene = buildDrawingScene(sampleDrawing());
  EXPECT_EQ(countEntityItems(*scene, kLineKind), 2) << "the space's line and the block's";
  EXPECT_EQ(countEntityItems(*scene, kTextKind), 2) << "the space's text and the block's";
  EXPECT_EQ(countEntityItems(*scene, kBlockReferenceKind), 1);
  EXPECT_EQ(countEntityItems(*scene, kAttributeKind), 1) << "only the visible attribute is drawn";
}

TEST(DrawingScene, TurnsTheYAxisAndPlacesBlockContentByRotationAndScale) {
  const std::unique_ptr<QGraphicsScene> scene = buildDrawingScene(sampleDrawing());
  const auto* line = static_cast<const QGraphicsLineItem*>(findItem(*scene, kLineKind, false));
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->mapToScene(line->line().p2()), QPointF(10, -20)) << "drawing (10, 20) is scene (10, -20)";
  // The block's line (0,0)-(1,0), turned a quarter counter-clockwise and doubled at (100, 50),
  // ends at drawing (100, 52).
  const auto* blockLine = static_cast<const QGraphicsLineItem*>(findItem(*scene, kLineKind, true));
  ASSERT_NE(blockLine, nullptr);
  const QPointF start = blockLine->mapToScene(blockLine->line().p1());
  const QPointF end = blockLine->mapToScene(blockLine->line().p2());
  EXPECT_NEAR(start.x(), 100, 1e-9);
  EXPECT_NEAR(start.y(), -50, 1e-9);
  EXPECT_NEAR(end.x(), 100, 1e-9) << "expected the end above the start, got x " << end.x();
  EXPECT_NEAR(end.y(), -52, 1e-9) << "expected drawing y 52, got scene y " << end.y();
}

TEST(DrawingScene, BlockReferenceListsAllItsAttributesAndShowsTheVisibleValue) {
  const std::unique_ptr<QGraphicsScene> scene = buildDrawingScene(sampleDrawing());
  const QGraphicsItem* reference = findItem(*scene, kBlockReferenceKind, false);
  ASSERT_NE(reference, nullptr);
  EXPECT_EQ(reference->toolTip(), QStringLiteral("MOTOR\nTAG1 = M101\nRATING = 7.5kW"));
  const auto* value = dynamic_cast<const QGraphicsSimpleTextItem*>(findItem(*scene, kAttributeKind, false));
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->text(), QStringLiteral("M101"));
  EXPECT_NEAR(value->scenePos().x(), 100, 1e-9);
  EXPECT_LT(value->scenePos().y(), -45) << "the value's top lies above its base line at drawing y 45";
}

TEST(DrawingScene, DrawingWithoutModelSpaceGivesAnEmptyScene) {
  dwgdb::Drawing drawing;
  EXPECT_TRUE(buildDrawingScene(drawing)->items().isEmpty());
}

}  // namespace
}  // namespace vox::studio::test
