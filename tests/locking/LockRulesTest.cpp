// The pure rules of locking: reading a lock text, composing and choosing the identity, and the
// status decisions.

#include <gtest/gtest.h>

#include "locking/LockDecisions.h"
#include "locking/LockIdentity.h"
#include "locking/LockText.h"

namespace vox::locking {
namespace {

TEST(LockText, ParsesHolderMachineAndTimeStamp) {
  const auto parts = parseLockText(L"jdoe\nPC7 John Doe\nMonday, 07 December 2026  10:00:00");
  ASSERT_TRUE(parts);
  EXPECT_EQ(parts->machine, L"PC7 John Doe");  // the full name is kept whole
  EXPECT_EQ(parts->holder, L"jdoe(PC7 John Doe)");
  EXPECT_EQ(parts->timeStamp, L"Monday, 07 December 2026  10:00:00");

  const auto noName = parseLockText(L"jdoe\nPC7 \nt");
  ASSERT_TRUE(noName);
  EXPECT_EQ(noName->machine, L"PC7");  // an empty full name leaves the computer without its blank
  EXPECT_EQ(noName->holder, L"jdoe(PC7)");

  const auto trailing = parseLockText(L"a\nbc\n");
  ASSERT_TRUE(trailing);
  EXPECT_EQ(trailing->timeStamp, L"");
  EXPECT_EQ(trailing->holder, L"a(bc)");
}

TEST(LockText, RefusesTextsWithoutTwoLineFeeds) {
  EXPECT_FALSE(parseLockText(L""));
  EXPECT_FALSE(parseLockText(L"jdoe"));
  EXPECT_FALSE(parseLockText(L"jdoe\nPC7 John Doe"));
  EXPECT_FALSE(parseLockText(L"\n"));
}

TEST(LockText, AnEmptySecondLineGivesAnEmptyMachinePart) {
  const auto parts = parseLockText(L"jdoe\n\nt");
  ASSERT_TRUE(parts);
  EXPECT_EQ(parts->machine, L"");
  EXPECT_EQ(parts->holder, L"jdoe()");
  EXPECT_EQ(parts->timeStamp, L"t");
  const auto bare = parseLockText(L"\n\n");
  ASSERT_TRUE(bare);
  EXPECT_EQ(bare->holder, L"()");
}

TEST(LockText, HoldersCompareIgnoringCaseAndCompanionNames) {
  EXPECT_TRUE(sameHolder(L"JDoe(PC7 Jöhn)", L"jdoe(pc7 JÖHN)"));
  EXPECT_FALSE(sameHolder(L"jdoe(PC7)", L"jdoe(PC8)"));
  EXPECT_EQ(lockFilePathFor(L"C:\\P\\Plant.wdp"), L"C:\\P\\Plant.wdp.FLL");
  EXPECT_EQ(drawingLockPathFor(L"C:\\P\\A01.dwg"), L"C:\\P\\A01.dwl");
  EXPECT_EQ(drawingLockPathFor(L"C:\\P\\A01.DWG"), L"C:\\P\\A01.dwl");
}

TEST(LockIdentity, ComposesThreeLinesAndCutsLongPieces) {
  EXPECT_EQ(identityText({L"jdoe", L"PC7", L"John Doe"}, L"Monday", L"10:00"), L"jdoe\nPC7 John Doe\nMonday  10:00");
  EXPECT_EQ(identityText({L"jdoe", L"PC7", L""}, L"d", L"t"), L"jdoe\nPC7 \nd  t");

  const std::wstring longName(600, L'x');
  const std::wstring text = identityText({longName, L"PC7", longName}, L"d", L"t");
  EXPECT_EQ(text, std::wstring(511, L'x') + L"\nPC7 " + std::wstring(511, L'x') + L"\nd  t");
}

TEST(LockIdentity, FullNameComesFromProfileThenEnvironmentThenAccount) {
  int accountAsked = 0;
  const auto account = [&] {
    ++accountAsked;
    return std::wstring(L"Account Name");
  };
  EXPECT_EQ(chooseFullName(L"Profile Name", L"Env Name", account), L"Profile Name");
  EXPECT_EQ(chooseFullName(std::nullopt, L"Env Name", account), L"Env Name");
  EXPECT_EQ(accountAsked, 0);
  // An empty profile value wins over the environment; only the account database fills it in.
  EXPECT_EQ(chooseFullName(L"", L"Env Name", account), L"Account Name");
  EXPECT_EQ(chooseFullName(std::nullopt, std::nullopt, account), L"Account Name");
  EXPECT_EQ(chooseFullName(std::wstring(4096, L'p'), L"Env Name", account), L"Account Name");
  EXPECT_EQ(chooseFullName(std::wstring(4095, L'p'), L"Env Name", account), std::wstring(4095, L'p'));
  EXPECT_EQ(chooseFullName(std::nullopt, std::nullopt, [] { return std::wstring(); }), L"");
}

TEST(LockDecisions, PathsAndFilesAnswerFirst) {
  EXPECT_FALSE(usablePath(nullptr));
  EXPECT_FALSE(usablePath(L"a.b"));
  EXPECT_TRUE(usablePath(L"\\a.b"));
  EXPECT_EQ(fileStatus(false, true), kFileNotFound);
  EXPECT_EQ(fileStatus(true, true), kReadOnly);
  EXPECT_EQ(fileStatus(true, false), std::nullopt);
  EXPECT_EQ(statusWithoutLockFile(true), kNotLocked);
  EXPECT_EQ(statusWithoutLockFile(false), kNoFolderAccess);
}

TEST(LockDecisions, HolderDecidesBetweenMeAndOther) {
  EXPECT_EQ(statusOfHolder(std::wstring(L"JDOE(pc7)"), L"jdoe(PC7)"), kLockedByMe);
  EXPECT_EQ(statusOfHolder(std::wstring(L"ann(pc7)"), L"jdoe(PC7)"), kLockedByOther);
  EXPECT_EQ(statusOfHolder(std::nullopt, L"jdoe(PC7)"), kLockedByOther);
}

TEST(LockDecisions, DrawingStatusDependsOnHowItIsOpenHere) {
  EXPECT_EQ(drawingStatusOfHolder(false, false, OpenHere::kWritable), kLockedByOther);
  EXPECT_EQ(drawingStatusOfHolder(true, false, OpenHere::kWritable), kLockedByMe);
  EXPECT_EQ(drawingStatusOfHolder(true, false, OpenHere::kReadOnly), kLockedByOther);
  EXPECT_EQ(drawingStatusOfHolder(true, false, OpenHere::kNo), kLockedByOther);
  EXPECT_EQ(drawingStatusOfHolder(true, true, OpenHere::kNo), kLockedByMe);
  EXPECT_EQ(drawingStatusInUse(OpenHere::kWritable, false), kLockedByMe);
  EXPECT_EQ(drawingStatusInUse(OpenHere::kReadOnly, true), kLockedHolderUnknown);
  EXPECT_EQ(drawingStatusInUse(OpenHere::kNo, false), kNoFolderAccess);
}

TEST(LockDecisions, FolderCheckSkipsEmptyAndControlCharacterFolders) {
  EXPECT_FALSE(folderNeedsCheck(L""));
  EXPECT_FALSE(folderNeedsCheck(L"\x01weird"));
  EXPECT_FALSE(folderNeedsCheck(L"\x85weird"));
  EXPECT_TRUE(folderNeedsCheck(L"C:\\P"));
  EXPECT_TRUE(folderNeedsCheck(L"\\home"));
}

}  // namespace
}  // namespace vox::locking
