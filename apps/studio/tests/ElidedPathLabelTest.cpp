// A read-only path field: shortened in the middle to the width it gets, shortened again when the
// width changes, and always carrying the whole path as its tooltip.

#include <QTest>

#include <gtest/gtest.h>

#include "ElidedPathLabel.h"
#include "FormDialog.h"

namespace vox::studio::test {
namespace {

const QString kLongPath = QStringLiteral(
    "C:\\Projects\\Customers\\North Plant\\Extension 2024\\Electrical\\Schematics\\Plant\\Plant.wdp");

class PathDialog : public HcDialogController {
 public:
  std::wstring name() const override { return L"path"; }
  std::wstring title() const override { return L"Path"; }
  std::vector<HcDialogField> fields() const override {
    return {{L"full-path", HcFieldKind::kPathLabel, L"Full path", path, true, {}, {}, {}}};
  }
  bool setField(const std::wstring&, const std::wstring&) override { return false; }
  std::vector<HcDialogButton> buttons() const override { return {{L"cancel", L"Cancel", true, false}}; }
  HcDialogOutcome press(const std::wstring&) override { return HcDialogOutcome::close(kHcDialogCancel); }
  std::wstring path = kLongPath.toStdWString();
};

bool fits(const ElidedPathLabel& label) {
  return label.fontMetrics().horizontalAdvance(label.text()) <= label.contentsRect().width();
}

TEST(ElidedPathLabel, ShortensInTheMiddleToItsWidthAndAgainWhenResized) {
  ElidedPathLabel label;
  label.setPath(kLongPath);
  label.resize(label.fontMetrics().horizontalAdvance(kLongPath) / 2, 30);
  label.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&label));
  const QString narrow = label.text();
  EXPECT_TRUE(narrow.contains(QChar(0x2026))) << "expected an ellipsis, shown: " << narrow.toStdString();
  EXPECT_TRUE(narrow.startsWith(QStringLiteral("C:\\"))) << "expected the path's start kept, shown: " << narrow.toStdString();
  EXPECT_TRUE(narrow.endsWith(QStringLiteral(".wdp"))) << "expected the path's end kept, shown: " << narrow.toStdString();
  EXPECT_TRUE(fits(label)) << "expected the shortened text to fit the width " << label.contentsRect().width();
  EXPECT_EQ(label.toolTip(), kLongPath) << "expected the whole path as tooltip";

  label.resize(label.fontMetrics().horizontalAdvance(kLongPath) + 40, 30);
  EXPECT_TRUE(QTest::qWaitFor([&] { return label.text() == kLongPath; }))
      << "expected the whole path once it fits, shown: " << label.text().toStdString();

  label.resize(label.fontMetrics().horizontalAdvance(kLongPath) / 3, 30);
  EXPECT_TRUE(QTest::qWaitFor([&] { return label.text().size() < narrow.size(); }))
      << "expected a narrower label to shorten more, shown: " << label.text().toStdString();
  EXPECT_TRUE(fits(label));
}

TEST(ElidedPathLabel, FormDialogDrawsAPathLabelFieldWithTheWholePathAsTooltip) {
  PathDialog controller;
  FormDialog dialog(controller);
  dialog.resize(200, 100);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  auto* label = qobject_cast<ElidedPathLabel*>(dialog.fieldWidget(L"full-path"));
  ASSERT_NE(label, nullptr) << "expected a path label for a kPathLabel field";
  EXPECT_EQ(label->path(), kLongPath);
  EXPECT_EQ(label->toolTip(), kLongPath);
  EXPECT_TRUE(QTest::qWaitFor([&] { return label->text().contains(QChar(0x2026)); }))
      << "expected the path shortened in a 200-pixel dialog, shown: " << label->text().toStdString();
  EXPECT_GT(dialog.width(), 0);
  EXPECT_LT(dialog.width(), label->fontMetrics().horizontalAdvance(kLongPath))
      << "expected the dialog not to grow to the whole path's width";
}

}  // namespace
}  // namespace vox::studio::test
