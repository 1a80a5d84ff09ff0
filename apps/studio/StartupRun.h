#pragma once
// What the studio does at start when asked on its command line: open a drawing, then (once the
// module has heard of it) open the project and make it active, show the palette, type the lines
// asked for and select a drawing in the palette's tree; with a picture asked for, save the main
// window as a PNG once all of that has run, and finish.

#include <QObject>
#include <QTimer>

#include <functional>

#include "StudioOptions.h"

namespace vox::studio {

class MainWindow;
class StudioHost;

class StartupRun : public QObject {
 public:
  // `finished` gets the exit status when a picture was asked for (it is never called otherwise).
  StartupRun(StudioHost& studio, MainWindow& window, StudioOptions options, std::function<void(int)> finished);
  void start();

 private:
  void afterDrawing();
  // Selects the asked drawing in the palette's tree, then takes the picture when one is asked.
  void finishStart();
  void takePicture();
  void fail(const QString& why);

  StudioHost& studio_;
  MainWindow& window_;
  StudioOptions options_;
  std::function<void(int)> finished_;
  QTimer deadline_;
  bool drawingLoaded_ = false;
};

}  // namespace vox::studio
