#include "WindowLayout.h"

#include <QMainWindow>
#include <QSettings>

namespace vox::studio {
namespace {

const QString kGeometryKey = QStringLiteral("MainWindow/geometry");
const QString kStateKey = QStringLiteral("MainWindow/state");
constexpr int kStateVersion = 1;

}  // namespace

QString windowLayoutPathIn(const std::string& settingsFolder) {
  return QString::fromStdString(settingsFolder) + QStringLiteral("/studio-layout.ini");
}

bool restoreWindowLayout(QMainWindow& window, const QString& path) {
  const QSettings settings(path, QSettings::IniFormat);
  const QByteArray geometry = settings.value(kGeometryKey).toByteArray();
  const QByteArray state = settings.value(kStateKey).toByteArray();
  if (geometry.isEmpty() && state.isEmpty()) return false;
  if (!geometry.isEmpty()) window.restoreGeometry(geometry);
  if (!state.isEmpty()) window.restoreState(state, kStateVersion);
  return true;
}

void saveWindowLayout(const QMainWindow& window, const QString& path) {
  QSettings settings(path, QSettings::IniFormat);
  settings.setValue(kGeometryKey, window.saveGeometry());
  settings.setValue(kStateKey, window.saveState(kStateVersion));
  settings.sync();
}

}  // namespace vox::studio
