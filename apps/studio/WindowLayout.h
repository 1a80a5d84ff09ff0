#pragma once
// The main window's geometry and its docks' places, kept across runs in an ini file in the
// settings folder (studio-layout.ini).

#include <QString>

#include <string>

class QMainWindow;

namespace vox::studio {

QString windowLayoutPathIn(const std::string& settingsFolder);
// Puts the window and its docks back as last saved; false when nothing was saved.
bool restoreWindowLayout(QMainWindow& window, const QString& path);
void saveWindowLayout(const QMainWindow& window, const QString& path);

}  // namespace vox::studio
