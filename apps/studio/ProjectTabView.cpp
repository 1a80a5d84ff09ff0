#include "ProjectTabView.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "StudioTexts.h"
#include "host/HcMessageCatalog.h"
#include "host/HcPaletteControllers.h"

namespace vox::studio {
namespace {

// The buttons' pictures, by their names.
QIcon buttonIcon(const QWidget& widget, const std::wstring& name) {
  const QStyle& style = *widget.style();
  if (name == L"new-project") return style.standardIcon(QStyle::SP_FileDialogNewFolder);
  if (name == L"new-drawing") return style.standardIcon(QStyle::SP_FileIcon);
  if (name == L"refresh") return style.standardIcon(QStyle::SP_BrowserReload);
  if (name == L"task-list") return style.standardIcon(QStyle::SP_FileDialogDetailedView);
  if (name == L"resequence") return style.standardIcon(QStyle::SP_ArrowDown);
  if (name == L"display-config") return style.standardIcon(QStyle::SP_FileDialogListView);
  if (name == L"publish") return style.standardIcon(QStyle::SP_DialogSaveButton);
  return style.standardIcon(QStyle::SP_DialogHelpButton);
}

}  // namespace

ProjectTabButtons::ProjectTabButtons(HcProjectTabController& tab, QWidget* parent)
    : QWidget(parent), tab_(tab), row_(new QHBoxLayout(this)) {
  setObjectName(QStringLiteral("projectTabButtons"));
  row_->setContentsMargins(0, 0, 0, 0);
  row_->setSpacing(0);
  for (const HcToolButtonView& view : tab_.buttons()) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromStdWString(view.name));
    button->setIcon(buttonIcon(*this, view.name));
    button->setAutoRaise(true);
    button->setFixedSize(view.name == L"publish" ? 38 : 26, 26);
    const unsigned command = view.command;
    connect(button, &QToolButton::clicked, this, [this, button, command] {
      const QPoint corner = button->mapToGlobal(QPoint(0, button->height()));
      tab_.press(command, HcPoint{corner.x(), corner.y()});
    });
    row_->addWidget(button);
  }
  row_->addStretch(1);
  refresh();
}

void ProjectTabButtons::refresh() {
  for (const HcToolButtonView& view : tab_.buttons()) {
    if (auto* button = findChild<QToolButton*>(QString::fromStdWString(view.name))) {
      button->setEnabled(view.enabled);
      button->setToolTip(QString::fromStdWString(view.tooltip));
    }
  }
}

ProjectTabPages::ProjectTabPages(HcProjectTabController& tab, ProjectTabButtons* buttons, QWidget* parent)
    : QWidget(parent), tab_(tab), pages_(new QButtonGroup(this)), stack_(new QStackedWidget(this)),
      details_(new QPlainTextEdit(stack_)), preview_(new QLabel(stack_)) {
  setObjectName(QStringLiteral("projectTabPages"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* pageButtons = new QHBoxLayout;
  const unsigned captions[] = {619, 620};
  for (int page = 0; page < 2; ++page) {
    auto* button = new QToolButton(this);
    button->setObjectName(page == 0 ? QStringLiteral("DETAILS_BTN") : QStringLiteral("PREVIEW_BTN"));
    button->setText(QString::fromStdWString(hcResourceString(captions[page])));
    button->setCheckable(true);
    button->setAutoRaise(true);
    pages_->addButton(button, page);
    pageButtons->addWidget(button);
  }
  pageButtons->addStretch(1);
  details_->setObjectName(QStringLiteral("details"));
  details_->setReadOnly(true);
  preview_->setObjectName(QStringLiteral("preview"));
  preview_->setAlignment(Qt::AlignCenter);
  stack_->addWidget(details_);
  stack_->addWidget(preview_);
  layout->addLayout(pageButtons);
  layout->addWidget(stack_, 1);
  connect(pages_, &QButtonGroup::idClicked, this, [this](int page) { tab_.showBottomPage(page); });
  tab_.setChangeListener([this, buttons] {
    if (buttons != nullptr) buttons->refresh();
    refresh();
  });
  refresh();
}

ProjectTabPages::~ProjectTabPages() { tab_.setChangeListener(nullptr); }

void ProjectTabPages::refresh() {
  const int page = tab_.bottomPage();
  if (QAbstractButton* button = pages_->button(page)) button->setChecked(true);
  stack_->setCurrentIndex(page);
  details_->setPlainText(QString::fromStdWString(tab_.detailsText()));
  QPixmap picture;
  const std::string bytes = tab_.previewImage();
  if (!bytes.empty()) picture.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<uint>(bytes.size()));
  preview_->setPixmap(picture);
}

}  // namespace vox::studio
