// Drawing status in the headless host: its documents write and remove the ".dwl" beside an
// open drawing, as the host does.

#include <gtest/gtest.h>

#include <filesystem>

#include "locking/CurrentIdentity.h"
#include "locking/DrawingLockStatus.h"
#include "locking/LockText.h"
#include "platform/os/Files.h"
#include "platform/os/LockedFile.h"
#include "platform/os/NarrowCodec.h"
#include "support/HostFixture.h"

namespace vox::locking {
namespace {

using test::writeNative;

class DrawingStatus : public test::HostFixture {
 protected:
  _lockStatus status(const std::wstring& path) { return getDrawingLockStatus(path.c_str(), &holder, &machine, &time); }
  std::wstring ownHolder() { return parseLockText(identityTextNow(currentLockIdentity()))->holder; }
  void writeDwl(const std::string& name, const std::wstring& text) {
    writeNative(temp.native(name), os::narrowCodec().encode(text));
  }

  std::wstring holder, machine, time;
};

TEST_F(DrawingStatus, OpenHereWritableIsMine) {
  ASSERT_TRUE(openDrawing(L"A01.dwg"));
  ASSERT_TRUE(os::fileExists(temp.path(L"A01.dwl")));
  EXPECT_EQ(status(temp.path(L"A01.dwg")), kLockedByMe);
  EXPECT_EQ(holder, ownHolder());
  EXPECT_FALSE(time.empty());

  std::wstring raw;
  EXPECT_EQ(getDrawingLockStatus(temp.path(L"A01.dwg").c_str(), &raw, nullptr, nullptr), kLockedByMe);
  EXPECT_EQ(std::count(raw.begin(), raw.end(), L'\n'), 2);
}

TEST_F(DrawingStatus, OpenHereReadOnlyWithOurOwnDwlIsSomeoneElses) {
  ASSERT_TRUE(host().documents().appContextOpenDocument(writeDrawing(L"A01.dwg"), true));
  writeDwl("A01.dwl", identityTextNow(currentLockIdentity()));  // our other instance has it
  EXPECT_EQ(status(temp.path(L"A01.dwg")), kLockedByOther);
  EXPECT_EQ(holder, ownHolder());
}

TEST_F(DrawingStatus, AnotherInstancesDwlIsSomeoneElses) {
  writeNative(temp.native("A01.dwg"), "{}");
  writeDwl("A01.dwl", L"ann\nPC9 Ann Smith\nMonday  10:00");
  EXPECT_EQ(status(temp.path(L"A01.dwg")), kLockedByOther);
  EXPECT_EQ(holder, L"ann(PC9 Ann Smith)");
  EXPECT_EQ(time, L"Monday  10:00");

  writeDwl("A01.dwl", identityTextNow(currentLockIdentity()));  // this user, not open here
  EXPECT_EQ(status(temp.path(L"A01.dwg")), kLockedByOther);
  std::wstring raw;
  EXPECT_EQ(getDrawingLockStatus(temp.path(L"A01.dwg").c_str(), &raw, nullptr, nullptr), kLockedByMe);
}

TEST_F(DrawingStatus, AFreeDrawingWithoutDwlIsNotLocked) {
  HcDocument* doc = openDrawing(L"A01.dwg");
  ASSERT_TRUE(doc);
  ASSERT_TRUE(host().documents().closeDocument(doc));
  ASSERT_FALSE(os::fileExists(temp.path(L"A01.dwl")));
  EXPECT_EQ(status(temp.path(L"A01.dwg")), kNotLocked);
  std::wstring forward = temp.path(L"A01.dwg");
  std::replace(forward.begin(), forward.end(), L'\\', L'/');
  EXPECT_EQ(status(forward), kNotLocked);
}

TEST_F(DrawingStatus, ADrawingHeldElsewhereWithoutDwl) {
  ASSERT_TRUE(openDrawing(L"A01.dwg"));
  writeNative(temp.native("B01.dwg"), "{}");
  ASSERT_TRUE(os::removeFile(temp.path(L"A01.dwl")));
  const auto heldA = os::LockedFile::acquire(temp.path(L"A01.dwg"), os::LockedFile::Disposition::kOpenExisting);
  const auto heldB = os::LockedFile::acquire(temp.path(L"B01.dwg"), os::LockedFile::Disposition::kOpenExisting);
  ASSERT_TRUE(heldA && heldB);
  EXPECT_EQ(status(temp.path(L"B01.dwg")), kLockedHolderUnknown);
  EXPECT_EQ(status(temp.path(L"A01.dwg")), kLockedByMe);  // open here writable: our own identity
  EXPECT_EQ(holder, ownHolder());
}

TEST_F(DrawingStatus, ALinkInPlaceOfTheDwlIsAHolderNobodyCanRead) {
  writeNative(temp.native("A01.dwg"), "{}");
  writeDwl("elsewhere.txt", L"ann\nPC9 Ann Smith\nMonday  10:00");
  std::filesystem::create_symlink(temp.native("elsewhere.txt"), temp.native("A01.dwl"));
  EXPECT_EQ(status(temp.path(L"A01.dwg")), kLockedHolderUnknown);
  EXPECT_TRUE(holder.empty()) << "read through the link: " << std::string(holder.begin(), holder.end());
}

TEST_F(DrawingStatus, OpeningADrawingNeverWritesItsDwlThroughALink) {
  writeNative(temp.native("A01.dwg"), "{}");
  std::filesystem::create_symlink(temp.native("planted"), temp.native("A01.dwl"));
  EXPECT_TRUE(openDrawing(L"A01.dwg"));  // the drawing still opens
  EXPECT_FALSE(std::filesystem::exists(temp.native("planted"))) << "the drawing lock went through the link";
  EXPECT_TRUE(std::filesystem::is_symlink(temp.native("A01.dwl")));
}

TEST_F(DrawingStatus, UnreadableDwlsAndBadArguments) {
  writeNative(temp.native("A01.dwg"), "{}");
  writeNative(temp.native("A01.dwl"), "ann\nPC9 x\n" + std::string(1024, 't'));
  EXPECT_EQ(status(temp.path(L"A01.dwg")), kLockedHolderUnknown);
  writeNative(temp.native("A01.dwl"), "ann only");
  EXPECT_EQ(status(temp.path(L"A01.dwg")), kLockedHolderUnknown);

  EXPECT_EQ(getDrawingLockStatus(nullptr, &holder, &machine, &time), kLockStatusUnknown);
  EXPECT_EQ(getDrawingLockStatus(L"a.b", &holder, &machine, &time), kLockStatusUnknown);
  EXPECT_EQ(getDrawingLockStatus(temp.path(L"A01.dwg").c_str(), nullptr, &machine, &time), kLockStatusUnknown);
  EXPECT_EQ(status(temp.path(L"Missing.dwg")), kFileNotFound);
  ASSERT_TRUE(os::setReadOnly(temp.path(L"A01.dwg"), true));
  EXPECT_EQ(status(temp.path(L"A01.dwg")), kReadOnly);
}

}  // namespace
}  // namespace vox::locking
