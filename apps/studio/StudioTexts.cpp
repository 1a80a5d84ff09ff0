#include "StudioTexts.h"

#include "host/HcMessageCatalog.h"

namespace vox::studio {

QString studioText(StudioText id) { return QString::fromStdWString(hcResourceString(static_cast<unsigned>(id))); }

QString studioText(StudioText id, const QString& argument) {
  QString text = studioText(id);
  const qsizetype at = text.indexOf(QStringLiteral("%s"));
  return at < 0 ? text : text.replace(at, 2, argument);
}

}  // namespace vox::studio
