// The new-project dialog in the studio, with the real module: typing a name enables OK and the
// full-path field follows it, shortened in the middle with the whole path as its tooltip; OK
// writes the new project file.

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <filesystem>

#include "ElidedPathLabel.h"
#include "ModalAnswerer.h"
#include "StudioFixture.h"

namespace vox::studio::test {
namespace {

class NewProjectStudio : public StudioFixture {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(startStudio());
    ASSERT_NO_FATAL_FAILURE(openSampleProject());
  }
};

TEST_F(NewProjectStudio, TypingANameEnablesOkAndTheFullPathFollows) {
  ModalAnswerer answerer;
  bool okBefore = true, okAfter = false;
  QString shownPath, wholePath, tooltip;
  const std::string folder = sample("New");
  answerer.then([&](QWidget* modal) {
    auto* name = modal->findChild<QLineEdit*>(QStringLiteral("name"));
    auto* location = modal->findChild<QWidget*>(QStringLiteral("location"));
    auto* fullPath = modal->findChild<ElidedPathLabel*>(QStringLiteral("full-path"));
    auto* ok = modal->findChild<QPushButton*>(QStringLiteral("ok"));
    ASSERT_TRUE(name != nullptr && location != nullptr && fullPath != nullptr && ok != nullptr)
        << "expected the name, location, full-path fields and the OK button";
    okBefore = ok->isEnabled();
    auto* folderLine = location->findChild<QLineEdit*>();
    ASSERT_NE(folderLine, nullptr);
    folderLine->setFocus();
    folderLine->selectAll();
    QTest::keyClicks(folderLine, QString::fromStdString(folder));
    QTest::keyClicks(name, QStringLiteral("Plant.txt"));
    okAfter = ok->isEnabled();
    shownPath = fullPath->text();
    wholePath = fullPath->path();
    tooltip = fullPath->toolTip();
    ok->click();
  });
  typeLine(QStringLiteral("VoxNewProject"));
  const std::string created = folder + "/Plant/Plant.wdp";
  ASSERT_TRUE(waitUntil([&] { return std::filesystem::exists(created); }))
      << "expected the new project file " << created << "; unexpected dialogs: "
      << answerer.unexpected().join(u'|').toStdString();
  EXPECT_FALSE(okBefore) << "expected OK greyed without a name";
  EXPECT_TRUE(okAfter) << "expected OK enabled once a name is typed";
  EXPECT_TRUE(wholePath.endsWith(QStringLiteral("\\New\\Plant\\Plant.wdp"))) << wholePath.toStdString();
  EXPECT_EQ(tooltip, wholePath) << "expected the whole path as tooltip";
  EXPECT_TRUE(shownPath == wholePath || shownPath.contains(QChar(0x2026)))
      << "expected the whole path or one shortened with an ellipsis, shown: " << shownPath.toStdString();
}

}  // namespace
}  // namespace vox::studio::test
