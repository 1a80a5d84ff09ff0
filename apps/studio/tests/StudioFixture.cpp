#include "StudioFixture.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMdiArea>
#include <QTest>

#include <cstdlib>
#include <filesystem>

#include "CommandLineDock.h"

namespace vox::studio::test {

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  return true;
}

StudioFixture::StudioFixture() {
  std::filesystem::copy(std::string(VOX_SOURCE_DIR) + "/samples/Demo", temp_.native("Demo"),
                        std::filesystem::copy_options::recursive);
  std::filesystem::create_directories(settingsFolder());
}

StudioFixture::~StudioFixture() {
  closeWindow();
  studio_.reset();
  // Windows and dialogs closed above are deleted at the next turn of the loop.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void StudioFixture::startStudio() {
  const std::string source = VOX_SOURCE_DIR;
  studio_ = std::make_unique<StudioHost>(
      StudioHostOptions{VOX_MODULE_PATH, source, source + "/samples/blocks", settingsFolder()});
  ASSERT_TRUE(studio_->loadModule()) << "expected the module to load, got: " << studio_->error();
  window_ = std::make_unique<MainWindow>(*studio_);
  window_->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get())) << "expected the main window to be shown";
}

void StudioFixture::restartStudio() {
  closeWindow();
  studio_.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  startStudio();
}

void StudioFixture::typeLine(const QString& line) {
  CommandInput* input = window_->commandLineDock()->input();
  input->setFocus();
  QTest::keyClicks(input, line);
  QTest::keyClick(input, Qt::Key_Return);
}

void StudioFixture::openSampleProject() {
  // The module's LISP functions come with a document.
  typeLine(QStringLiteral("OPEN \"%1\"").arg(QString::fromStdString(sample("DEMO001.dwg"))));
  ASSERT_TRUE(waitUntil([&] { return window().drawingArea()->subWindowList().size() == 1; }))
      << "expected the sample drawing open; history:\n" << history().toStdString();
  typeLine(QStringLiteral("(vox_openproject \"%1\" 1)").arg(QString::fromStdString(sample("DEMO.wdp"))));
  ASSERT_TRUE(waitUntil([&] { return history().contains(QStringLiteral("\nT")); }))
      << "expected the sample project open; history:\n" << history().toStdString();
}

QString StudioFixture::history() const { return window_->commandLineDock()->historyText(); }

void StudioFixture::closeWindow() {
  if (window_ == nullptr) return;
  window_->close();
  window_.reset();
}

}  // namespace vox::studio::test
