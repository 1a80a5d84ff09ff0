#pragma once
// A drawing's model space as a Qt graphics scene, in drawing units with the y axis pointing up
// as in the drawing (the scene's y is the drawing's -y): lines, texts (height = cap height),
// block references drawn from their block's entities moved, rotated and scaled into place, and
// the values of their visible attributes. Every item made for an entity carries its kind as
// data (kEntityKindKey), and a block reference lists all its attributes in its tool tip.
// Entities of kinds the host does not know are left out.

#include <QGraphicsScene>

#include <memory>

#include "platform/dwgdb/Drawing.h"

namespace vox::studio {

inline constexpr int kEntityKindKey = 0;
inline const QString kLineKind = QStringLiteral("line");
inline const QString kTextKind = QStringLiteral("text");
inline const QString kBlockReferenceKind = QStringLiteral("blockReference");
inline const QString kAttributeKind = QStringLiteral("attribute");

std::unique_ptr<QGraphicsScene> buildDrawingScene(const dwgdb::Drawing& drawing);

// The items of `scene` made for entities of `kind` (top-level and nested).
int countEntityItems(const QGraphicsScene& scene, const QString& kind);

}  // namespace vox::studio
