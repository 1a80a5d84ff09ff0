#pragma once
// The studio's main window: the open drawings as MDI sub-windows, the command-line dock, the
// module's palette dock (placed by the UI host), menus to open and close drawings, run the
// module's commands, zoom the active drawing and arrange the windows, and a status bar that
// shows the running command. Its layout is restored from and saved to the settings folder.

#include <QMainWindow>

#include <memory>

class QLabel;
class QMdiArea;
class QMenu;

namespace vox::studio {

class CommandLineDock;
class CommandStatus;
class DocumentWindows;
class StudioHost;

class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(StudioHost& studio);
  ~MainWindow() override;

  QMdiArea* drawingArea() const { return area_; }
  CommandLineDock* commandLineDock() const { return commandLine_; }
  DocumentWindows& documentWindows() const { return *windows_; }
  QLabel* statusLabel() const { return status_; }
  // Saves the window layout now (it is also saved when the window closes).
  void saveLayout() const;

  // Asks for a drawing and opens it through the command line.
  void openDrawingAsked();
  // Queues a command line for the current document; a path argument must not hold a quote.
  void runLine(const QString& line);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void fillCommandsMenu(QMenu& menu);
  void openDrawing(const QString& nativePath);

  StudioHost& studio_;
  QMdiArea* area_;
  CommandLineDock* commandLine_;
  QLabel* status_;
  std::unique_ptr<DocumentWindows> windows_;
  std::unique_ptr<CommandStatus> commandStatus_;
};

}  // namespace vox::studio
