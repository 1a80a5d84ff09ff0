#pragma once
// A read-only path shown on one line, shortened in the middle ("C:\Projects\…\Plant.wdp") to the
// label's current width and shortened again whenever the width changes. The whole path is kept
// and shown as the tooltip, so nothing of it is lost to the user.

#include <QLabel>
#include <QString>

namespace vox::studio {

class ElidedPathLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ElidedPathLabel(QWidget* parent = nullptr);

  // The whole path; the label shows it shortened.
  void setPath(const QString& path);
  const QString& path() const { return path_; }

  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void elide();

  QString path_;
};

}  // namespace vox::studio
