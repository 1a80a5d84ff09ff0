// The interaction service as Qt dialogs: message box buttons and answers, file dialogs that
// answer in the module's path form, prompts, and host filters as Qt name filters.

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include "ModalAnswerer.h"
#include "QtInteraction.h"
#include "support/TempDir.h"
#include "platform/os/NativePath.h"

namespace vox::studio::test {
namespace {

TEST(QtInteraction, HostFiltersBecomeQtNameFilters) {
  EXPECT_EQ(qtNameFilters(L"Drawings (*.dwg)|*.dwg|All files (*.*)|*.*"),
            (QStringList{QStringLiteral("Drawings (*.dwg)"), QStringLiteral("All files (*.*)")}));
  EXPECT_EQ(qtNameFilters(L"Projects|*.wdp;*.WDP"), QStringList{QStringLiteral("Projects (*.wdp *.WDP)")});
  EXPECT_TRUE(qtNameFilters(L"").isEmpty());
}

TEST(QtInteraction, MessageBoxShowsTheAskedButtonsAndIconAndAnswersTheClickedOne) {
  QtInteraction interaction;
  ModalAnswerer answerer;
  QStringList buttons;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  answerer.then([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr) << "expected a message box";
    for (QAbstractButton* button : box->buttons()) buttons << button->text();
    icon = box->icon();
    box->button(QMessageBox::Retry)->click();
  });
  EXPECT_EQ(interaction.messageBox(L"Try again?", L"Caption", HcIcon::kError, HcButtons::kRetryCancel), HcAnswer::kRetry);
  EXPECT_EQ(buttons.size(), 2) << "expected Retry and Cancel, got " << buttons.join(u',').toStdString();
  EXPECT_EQ(icon, QMessageBox::Critical);
}

TEST(QtInteraction, MessageBoxClosedWithoutAButtonAnswersNoOrCancel) {
  QtInteraction interaction;
  ModalAnswerer answerer;
  answerer.then([](QWidget* modal) { modal->close(); });
  answerer.then([](QWidget* modal) { modal->close(); });
  EXPECT_EQ(interaction.messageBox(L"Go?", L"Caption", HcIcon::kQuestion, HcButtons::kYesNo), HcAnswer::kNo);
  EXPECT_EQ(interaction.messageBox(L"Go?", L"Caption", HcIcon::kQuestion, HcButtons::kYesNoCancel), HcAnswer::kCancel);
}

TEST(QtInteraction, FileDialogAnswersTheChosenFileInTheModulesForm) {
  vox::test::TempDir temp;
  const std::string file = temp.native("A01.dwg");
  vox::test::writeNative(file, "{}");
  QtInteraction interaction;
  ModalAnswerer answerer;
  QStringList filters;
  answerer.then([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr) << "expected a file dialog";
    filters = dialog->nameFilters();
    ASSERT_TRUE(chooseInFileDialog(dialog, QString::fromStdString(file))) << "expected the file dialog's name field";
  });
  const std::optional<std::wstring> chosen =
      interaction.chooseFile(L"Drawing", temp.path(), L"Drawings (*.dwg)|*.dwg", false);
  ASSERT_TRUE(chosen.has_value()) << "expected a file";
  EXPECT_EQ(*chosen, temp.path(L"A01.dwg"));
  EXPECT_EQ(filters, QStringList{QStringLiteral("Drawings (*.dwg)")});
}

TEST(QtInteraction, CancelledChoosersAndPromptsAnswerNothing) {
  vox::test::TempDir temp;
  QtInteraction interaction;
  ModalAnswerer answerer;
  for (int i = 0; i < 3; ++i) answerer.then([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
  EXPECT_FALSE(interaction.chooseFile(L"Drawing", temp.path(), L"", true).has_value());
  EXPECT_FALSE(interaction.chooseFolder(L"Folder", temp.path()).has_value());
  EXPECT_FALSE(interaction.prompt(L"Name?", L"A").has_value());
}

TEST(QtInteraction, PromptAnswersTheTypedText) {
  QtInteraction interaction;
  ModalAnswerer answerer;
  QString shownDefault;
  answerer.then([&](QWidget* modal) {
    auto* dialog = qobject_cast<QInputDialog*>(modal);
    ASSERT_NE(dialog, nullptr) << "expected an input dialog";
    shownDefault = dialog->textValue();
    dialog->setTextValue(QStringLiteral("Plant"));
    static_cast<QDialog*>(dialog)->accept();
  });
  EXPECT_EQ(interaction.prompt(L"Name?", L"Default"), std::optional<std::wstring>(L"Plant"));
  EXPECT_EQ(shownDefault, QStringLiteral("Default"));
}

}  // namespace
}  // namespace vox::studio::test
