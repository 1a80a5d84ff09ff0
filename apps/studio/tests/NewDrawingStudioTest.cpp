// The new-drawing dialog in the studio, with the real module: its description and section lists
// are editable drop-down lists that offer the sample project's lines and take typed text, which
// reaches the dialog and ends up in the new drawing's project entry.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ModalAnswerer.h"
#include "StudioFixture.h"
#include "support/TempDir.h"

namespace vox::studio::test {
namespace {

class NewDrawingStudio : public StudioFixture {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(startStudio());
    ASSERT_NO_FATAL_FAILURE(openSampleProject());
  }
};

QStringList items(const QComboBox& combo) {
  QStringList texts;
  for (int i = 0; i < combo.count(); ++i) texts << combo.itemText(i);
  return texts;
}

TEST_F(NewDrawingStudio, TheEditableListsOfferTheProjectsLinesAndTakeTypedText) {
  ModalAnswerer answerer;
  QStringList offered;
  QStringList sections;
  bool editable = false;
  answerer.then([&](QWidget* modal) {
    auto* name = modal->findChild<QLineEdit*>(QStringLiteral("name"));
    auto* templ = modal->findChild<QWidget*>(QStringLiteral("template"));
    auto* description = modal->findChild<QComboBox*>(QStringLiteral("description-1"));
    auto* section = modal->findChild<QComboBox*>(QStringLiteral("section"));
    ASSERT_TRUE(name != nullptr && templ != nullptr && description != nullptr && section != nullptr)
        << "expected a name line, a template field and two drop-down lists";
    editable = description->isEditable() && section->isEditable();
    offered = items(*description);
    sections = items(*section);
    QTest::keyClicks(name, QStringLiteral("DEMO020"));
    auto* templateLine = templ->findChild<QLineEdit*>();
    ASSERT_NE(templateLine, nullptr);
    templateLine->selectAll();
    QTest::keyClicks(templateLine, QString::fromStdString(sample("DEMO.dwt")));
    ASSERT_NE(description->lineEdit(), nullptr);
    QTest::keyClicks(description->lineEdit(), QStringLiteral("Cooling fans"));
    section->setCurrentIndex(section->findText(QStringLiteral("Control")));  // picked from the list
    QTimer::singleShot(0, modal, [modal] { modal->findChild<QPushButton*>(QStringLiteral("ok"))->click(); });
  });
  answerer.then([](QWidget* modal) {  // keep the template's settings block
    if (auto* box = qobject_cast<QMessageBox*>(modal)) box->button(QMessageBox::No)->click();
  });
  typeLine(QStringLiteral("VoxNewDrawing"));
  const auto listed = [&] {
    return vox::test::readNative(sample("DEMO.wdp")).find("=Control\r\n===Cooling fans\r\n===\r\n===\r\nDEMO020.dwg") !=
           std::string::npos;
  };
  ASSERT_TRUE(waitUntil(listed)) << "unexpected dialogs: " << answerer.unexpected().join(u'|').toStdString() << "\n"
                                 << vox::test::readNative(sample("DEMO.wdp"));
  EXPECT_TRUE(editable) << "expected editable drop-down lists";
  EXPECT_TRUE(offered.contains(QStringLiteral("Incoming supply")) && offered.contains(QStringLiteral("Motor feeders")))
      << offered.join(u'|').toStdString();
  EXPECT_EQ(sections, (QStringList{QStringLiteral("Power"), QStringLiteral("Control"), QStringLiteral("Reference")}));
  EXPECT_EQ(answerer.stuck(), 0) << answerer.unexpected().join(u'|').toStdString();
}

}  // namespace
}  // namespace vox::studio::test
