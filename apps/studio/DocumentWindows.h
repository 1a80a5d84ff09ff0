#pragma once
// One MDI sub-window per open document, showing the drawing's model space. Documents the host
// opens get a window; a document the host closes loses it; the host's current document is the
// active window and activating a window makes its document current. Closing a window asks the
// host to close the document (from its application context), which then removes the window.

#include <QMdiArea>
#include <QMdiSubWindow>

#include <functional>
#include <map>

#include "host/HcDocument.h"

namespace vox::studio {

class DrawingView;

class DocumentWindows : public HcDocManagerReactor {
 public:
  DocumentWindows(QMdiArea& area, HcDocManager& documents);
  ~DocumentWindows() override;
  DocumentWindows(const DocumentWindows&) = delete;
  DocumentWindows& operator=(const DocumentWindows&) = delete;

  void documentCreated(HcDocument* doc) override;
  void documentToBeDestroyed(HcDocument* doc) override;
  void documentActivated(HcDocument* doc) override;

  QMdiSubWindow* windowOf(const HcDocument* doc) const;
  DrawingView* activeView() const;

 private:
  void activatedByUser(QMdiSubWindow* window);

  QMdiArea& area_;
  HcDocManager& documents_;
  std::map<HcDocument*, QMdiSubWindow*> windows_;
  bool following_ = false;
};

}  // namespace vox::studio
