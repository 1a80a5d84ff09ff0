// Dialogs drawn from a controller: edits reach the controller at once, fields the controller
// recomputes show the new value, buttons follow the controller's outcome, pages switch only
// when the controller lets them.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include "FormDialog.h"

namespace vox::studio::test {
namespace {

// A new-project-like dialog: the full path follows the name; OK needs a name.
class FakeDialog : public HcDialogController {
 public:
  std::wstring name() const override { return L"fake"; }
  std::wstring title() const override { return L"Fake dialog"; }
  std::vector<std::wstring> pages() const override { return {L"General", L"Styles"}; }
  int currentPage() const override { return page; }
  HcDialogOutcome selectPage(int index) override {
    if (refusePageChange) return HcDialogOutcome::stay(L"name");
    page = index;
    return HcDialogOutcome::stay();
  }
  std::vector<HcDialogField> fields() const override {
    if (page == 1) return {{L"style", HcFieldKind::kText, L"Style", style, true, {}, {}, {}}};
    return {{L"name", HcFieldKind::kText, L"Name", projectName, true, {}, {}, {}},
            {L"folder", HcFieldKind::kCheck, L"Own folder", folder ? L"1" : L"0", true, {}, {}, {}},
            {L"full-path", HcFieldKind::kLabel, L"Full path", fullPath(), true, {}, {}, {}}};
  }
  bool setField(const std::wstring& id, const std::wstring& value) override {
    ++sets;
    if (id == L"name") projectName = value;
    if (id == L"folder") folder = value == L"1";
    if (id == L"style") style = value;
    return true;
  }
  std::vector<HcDialogButton> buttons() const override {
    return {{L"ok", L"OK", !projectName.empty(), true}, {L"cancel", L"Cancel", true, false}};
  }
  HcDialogOutcome press(const std::wstring& id) override {
    pressed.push_back(id);
    if (id == L"cancel") return HcDialogOutcome::close(kHcDialogCancel);
    return projectName.empty() ? HcDialogOutcome::stay(L"name") : HcDialogOutcome::close(kHcDialogOk);
  }
  std::wstring fullPath() const { return L"C:\\P\\" + (folder ? projectName + L"\\" : L"") + projectName + L".wdp"; }

  int page = 0;
  bool refusePageChange = false;
  std::wstring projectName;
  bool folder = false;
  std::wstring style;
  int sets = 0;
  std::vector<std::wstring> pressed;
};

TEST(FormDialog, TypingAndClickingReachTheControllerAndRecomputedFieldsShow) {
  FakeDialog controller;
  FormDialog dialog(controller);
  dialog.show();
  auto* name = qobject_cast<QLineEdit*>(dialog.fieldWidget(L"name"));
  auto* folder = qobject_cast<QCheckBox*>(dialog.fieldWidget(L"folder"));
  auto* fullPath = qobject_cast<QLabel*>(dialog.fieldWidget(L"full-path"));
  ASSERT_TRUE(name != nullptr && folder != nullptr && fullPath != nullptr) << "expected a line, a check box, a label";
  auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("ok"));
  ASSERT_NE(ok, nullptr);
  EXPECT_FALSE(ok->isEnabled()) << "expected OK greyed while the name is empty";

  QTest::keyClicks(name, QStringLiteral("Plant"));
  QTest::mouseClick(folder, Qt::LeftButton, {}, QPoint(4, folder->height() / 2));
  EXPECT_EQ(controller.projectName, L"Plant");
  EXPECT_TRUE(controller.folder) << "expected the click to check the box";
  EXPECT_EQ(fullPath->text(), QStringLiteral("C:\\P\\Plant\\Plant.wdp"));
  EXPECT_TRUE(ok->isEnabled());

  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_EQ(controller.pressed, std::vector<std::wstring>{L"ok"});
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.isVisible());
}

TEST(FormDialog, EscapeAsksTheControllerToCancel) {
  FakeDialog controller;
  FormDialog dialog(controller);
  dialog.show();
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_EQ(controller.pressed, std::vector<std::wstring>{L"cancel"});
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(FormDialog, PagesSwitchOnlyWhenTheControllerLetsThem) {
  FakeDialog controller;
  FormDialog dialog(controller);
  dialog.show();
  auto* tabs = dialog.findChild<QTabBar*>();
  ASSERT_NE(tabs, nullptr);
  controller.refusePageChange = true;
  tabs->setCurrentIndex(1);
  EXPECT_EQ(tabs->currentIndex(), 0) << "expected the refused page change to put the tab back";
  EXPECT_NE(dialog.fieldWidget(L"name"), nullptr);
  controller.refusePageChange = false;
  tabs->setCurrentIndex(1);
  EXPECT_EQ(controller.page, 1);
  EXPECT_EQ(dialog.fieldWidget(L"name"), nullptr) << "expected the first page's fields to be gone";
  EXPECT_NE(dialog.fieldWidget(L"style"), nullptr) << "expected the second page's field";
}

}  // namespace
}  // namespace vox::studio::test
