#pragma once
// What the studio does at start when asked on its command line: open a drawing, then (once the
// module has heard of it) open the project and make it active, show the palette, type the lines
// asked for and select a drawing in the palette's tree, then right-click a node or press a tool
// button; with a picture asked for, save the main window as a PNG once all of that has run, and
// finish. With a picture of a dialog or menu asked for, the first one that opens is saved and
// cancelled (ModalShot), and the start goes on once it has closed.

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

#include "StudioOptions.h"

namespace vox::studio {

class MainWindow;
class ModalShot;
class StudioHost;

class StartupRun : public QObject {
 public:
  // `finished` gets the exit status when a picture was asked for (it is never called otherwise).
  StartupRun(StudioHost& studio, MainWindow& window, StudioOptions options, std::function<void(int)> finished);
  ~StartupRun() override;
  void start();

 private:
  void afterDrawing();
  // Selects the asked drawing in the palette's tree, then takes the picture when one is asked.
  void finishStart();
  // The right click of --context-menu and the button of --press-button; false after a failure.
  bool openAskedMenu();
  bool pressAskedButton();
  // Runs `next` once `condition` holds, looking again every few milliseconds (a run that takes
  // pictures fails at its deadline meanwhile).
  void when(std::function<bool()> condition, std::function<void()> next);
  // After the start: waits for the asked picture of a dialog or menu, then takes the window's.
  void finishPictures();
  void takePicture();
  void fail(const QString& why);

  StudioHost& studio_;
  MainWindow& window_;
  StudioOptions options_;
  std::function<void(int)> finished_;
  QTimer deadline_;
  std::unique_ptr<ModalShot> modalShot_;
  bool drawingLoaded_ = false;
};

}  // namespace vox::studio
