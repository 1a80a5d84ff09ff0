// Picking in a drawing's 2D view: a click in pick mode gives the point in drawing units and the
// text under it (also one inside a block reference), Escape gives none, and the host's picks
// wait for the click in the current view.

#include <QGraphicsSimpleTextItem>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "DrawingScene.h"
#include "DrawingView.h"
#include "StudioPicks.h"

namespace vox::studio::test {
namespace {

dwgdb::Drawing pickDrawing() {
  dwgdb::Drawing drawing = dwgdb::emptyDrawing();
  dwgdb::BlockDefinition block;
  block.name = L"MOTOR";
  block.entities.push_back(dwgdb::Text{L"M", {0, 0, 0}, 1.0, L"0", {}});
  drawing.blocks.push_back(block);
  dwgdb::Space* model = drawing.findSpace(L"*Model_Space");
  model->entities.push_back(dwgdb::Line{{0, 0, 0}, {120, 80, 0}, L"0", {}});
  model->entities.push_back(dwgdb::Text{L"Incoming supply", {5, 5, 0}, 3.5, L"0", {}});
  dwgdb::BlockReference motor;
  motor.name = L"MOTOR";
  motor.position = {100, 50, 0};
  motor.scale = {4, 4, 1};
  model->entities.push_back(motor);
  return drawing;
}

class DrawingPick : public ::testing::Test {
 protected:
  DrawingPick() : view(buildDrawingScene(pickDrawing())) {
    view.resize(600, 400);
    view.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.fit();
  }
  // The view position of the centre of the text item `text`.
  QPoint centreOf(const QString& text) const {
    for (const QGraphicsItem* item : view.scene()->items()) {
      const auto* textItem = dynamic_cast<const QGraphicsSimpleTextItem*>(item);
      if (textItem != nullptr && textItem->text() == text)
        return view.mapFromScene(textItem->mapToScene(textItem->boundingRect().center()));
    }
    ADD_FAILURE() << "no text item " << text.toStdString();
    return {};
  }
  void click(QPoint at) { QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, at); }

  DrawingView view;
  std::vector<std::optional<DrawingView::Pick>> picks;
  DrawingView::PickHandler record = [this](const std::optional<DrawingView::Pick>& pick) { picks.push_back(pick); };
};

TEST_F(DrawingPick, AClickGivesThePointInDrawingUnitsAndTheTextUnderIt) {
  view.beginPick(record);
  EXPECT_TRUE(view.picking());
  const QPoint at = centreOf(QStringLiteral("Incoming supply"));
  click(at);
  ASSERT_EQ(picks.size(), 1u);
  ASSERT_TRUE(picks[0]);
  EXPECT_EQ(picks[0]->text, QStringLiteral("Incoming supply"));
  const QPointF scenePoint = view.mapToScene(at);
  EXPECT_DOUBLE_EQ(picks[0]->point.x(), scenePoint.x());
  EXPECT_DOUBLE_EQ(picks[0]->point.y(), -scenePoint.y()) << "the drawing's y points up";
  EXPECT_GT(picks[0]->point.y(), 0.0);
  EXPECT_FALSE(view.picking());
  click(at);
  EXPECT_EQ(picks.size(), 1u) << "one pick per request";
}

TEST_F(DrawingPick, ATextInsideABlockReferenceIsSelectedAndEmptySpaceSelectsNoText) {
  view.beginPick(record);
  click(centreOf(QStringLiteral("M")));
  view.beginPick(record);
  click(view.mapFromScene(QPointF(60, -10)));
  ASSERT_EQ(picks.size(), 2u);
  ASSERT_TRUE(picks[0] && picks[1]);
  EXPECT_EQ(picks[0]->text, QStringLiteral("M"));
  EXPECT_EQ(picks[1]->text, std::nullopt);
  EXPECT_NEAR(picks[1]->point.x(), 60.0, 1.0);
  EXPECT_NEAR(picks[1]->point.y(), 10.0, 1.0);
}

TEST_F(DrawingPick, EscapeAndANewRequestCancelThePick) {
  view.beginPick(record);
  view.beginPick(record);
  QTest::keyClick(&view, Qt::Key_Escape);
  EXPECT_EQ(picks, (std::vector<std::optional<DrawingView::Pick>>{std::nullopt, std::nullopt}));
  EXPECT_FALSE(view.picking());
}

TEST_F(DrawingPick, TheHostsPicksWaitForTheClickInTheCurrentView) {
  StudioPicks studioPicks;
  QStringList prompts;
  studioPicks.setViewSource([this] { return &view; });
  studioPicks.setPromptSink([&](const QString& prompt) { prompts << prompt; });
  QTimer::singleShot(0, [&] { click(centreOf(QStringLiteral("M"))); });
  EXPECT_EQ(studioPicks.selectText(L"Select a text"), std::optional<std::wstring>(L"M"));
  EXPECT_EQ(prompts, (QStringList{QStringLiteral("Select a text"), QString()}));
  QTimer::singleShot(0, [&] { QTest::keyClick(&view, Qt::Key_Escape); });
  EXPECT_EQ(studioPicks.getPoint(L"Pick a point"), std::nullopt);
  QTimer::singleShot(0, [&] { click(view.mapFromScene(QPointF(60, -10))); });
  const std::optional<HcPickedPoint> point = studioPicks.getPoint(L"Pick a point");
  ASSERT_TRUE(point);
  EXPECT_NEAR(point->x, 60.0, 1.0);
  EXPECT_NEAR(point->y, 10.0, 1.0);
  studioPicks.setViewSource({});
  EXPECT_EQ(studioPicks.getPoint(L"Pick a point"), std::nullopt) << "no view to pick in";
}

}  // namespace
}  // namespace vox::studio::test
