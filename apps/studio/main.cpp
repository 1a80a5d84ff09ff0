// voxfolio-studio: the desktop reference host with the VoxFolio module loaded.

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include <cstdlib>
#include <iostream>

#include "MainWindow.h"
#include "StartupRun.h"
#include "StudioHost.h"
#include "StudioOptions.h"
#include "StudioTexts.h"
#include "platform/assembly/InstalledLayout.h"
#include "platform/settings/SettingsFolder.h"

namespace {

vox::studio::StudioOptions defaultOptions() {
  const vox::platform::AppFiles files = vox::platform::installedAppFiles(
      vox::platform::runningProgramFolder(), {VOX_MODULE_PATH, VOX_RESOURCES_DIR, VOX_BLOCKS_DIR});
  vox::studio::StudioOptions defaults;
  defaults.module = files.module;
  defaults.resources = files.resources;
  defaults.blocks = files.blocks;
  return defaults;
}

std::string settingsFolderOrDefault() {
  return vox::settings::settingsFolder([](const char* name) { return std::getenv(name); }).value_or(".voxfolio");
}

}  // namespace

int main(int argc, char** argv) {
  const vox::studio::ParsedStudioOptions parsed = vox::studio::parseStudioOptions({argv + 1, argv + argc}, defaultOptions());
  if (!parsed.options || parsed.options->help) {
    if (!parsed.error.empty()) std::cerr << "voxfolio-studio: " << parsed.error << "\n";
    std::cerr << vox::studio::studioUsageText();
    return parsed.options ? 0 : 2;
  }
  const vox::studio::StudioOptions& options = *parsed.options;
  // A picture is taken without a display, whatever the environment offers.
  if (options.offscreenShot || options.shotModal) qputenv("QT_QPA_PLATFORM", "offscreen");

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("voxfolio-studio"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/voxfolio-studio.svg")));

  vox::studio::StudioHost studio({options.module, options.resources, options.blocks, settingsFolderOrDefault()});
  if (!studio.loadModule()) {
    const QString why = vox::studio::studioText(vox::studio::StudioText::kCannotLoadModule, QString::fromStdString(studio.error()));
    std::cerr << "voxfolio-studio: " << why.toStdString() << "\n";
    if (!options.offscreenShot && !options.shotModal) QMessageBox::critical(nullptr, vox::studio::studioText(vox::studio::StudioText::kWindowTitle), why);
    return 1;
  }
  vox::studio::MainWindow window(studio);
  window.show();
  vox::studio::StartupRun startup(studio, window, options, [](int status) { QApplication::exit(status); });
  startup.start();
  return QApplication::exec();
}
