#include <gtest/gtest.h>

#include <sstream>

#include "platform/interaction/ScriptedInteraction.h"
#include "platform/interaction/StreamInteraction.h"

namespace vox::interaction {
namespace {

TEST(ScriptedInteraction, AnswersInOrderAndRecordsEveryQuestion) {
  ScriptedInteraction ask;
  ask.queueAnswer(HcAnswer::kYes);
  ask.queueReply(L"\\home\\u\\P.wdp");
  ask.queueReply(std::nullopt);
  EXPECT_EQ(ask.messageBox(L"Close it?", L"Project", HcIcon::kQuestion, HcButtons::kYesNo), HcAnswer::kYes);
  EXPECT_EQ(ask.chooseFile(L"Open project", L"\\home\\u", L"*.wdp", false), L"\\home\\u\\P.wdp");
  EXPECT_EQ(ask.prompt(L"Name", L"NEW"), std::nullopt);
  ASSERT_EQ(ask.asked().size(), 3u);
  EXPECT_EQ(ask.asked()[0].text, L"Close it?");
  EXPECT_EQ(ask.asked()[0].icon, HcIcon::kQuestion);
  EXPECT_EQ(ask.asked()[1].kind, QuestionKind::kChooseFile);
  EXPECT_FALSE(ask.asked()[2].byDefault);
  EXPECT_EQ(ask.unusedAnswers(), 0u);
}

TEST(ScriptedInteraction, AnswersThatDoNotFitGiveTheSafeDefault) {
  ScriptedInteraction ask;
  ask.queueAnswer(HcAnswer::kYes);
  EXPECT_EQ(ask.messageBox(L"Done.", L"", HcIcon::kInformation, HcButtons::kOk), HcAnswer::kOk);  // no Yes button
  EXPECT_TRUE(ask.asked().back().byDefault);
  EXPECT_EQ(ask.chooseFolder(L"Folder", L"\\"), std::nullopt);  // a button answer is no path
  EXPECT_TRUE(ask.asked().back().byDefault);
  EXPECT_EQ(ask.messageBox(L"Sure?", L"", HcIcon::kQuestion, HcButtons::kYesNoCancel), HcAnswer::kYes);
  EXPECT_EQ(ask.messageBox(L"Really?", L"", HcIcon::kQuestion, HcButtons::kYesNo), HcAnswer::kNo);
  EXPECT_EQ(ask.messageBox(L"Again?", L"", HcIcon::kError, HcButtons::kRetryCancel), HcAnswer::kCancel);
}

TEST(StreamInteraction, ReadsWordsRetriesAndFallsBackAtTheEnd) {
  std::istringstream in("maybe\nY\nsomething\n\n/home/ü/x.wdp\n");
  std::ostringstream out;
  StreamInteraction ask(in, out);
  EXPECT_EQ(ask.messageBox(L"Close it?", L"Project", HcIcon::kQuestion, HcButtons::kYesNo), HcAnswer::kYes);
  EXPECT_NE(out.str().find("[Y]es/[N]o: [Y]es/[N]o: "), std::string::npos);  // asked twice
  EXPECT_EQ(ask.prompt(L"Name", L"NEW"), L"something");
  EXPECT_EQ(ask.prompt(L"Name", L"NEW"), L"NEW");  // empty line: the default
  EXPECT_EQ(ask.chooseFile(L"Open", L"", L"*.wdp", false), L"/home/ü/x.wdp");
  EXPECT_EQ(ask.messageBox(L"More?", L"", HcIcon::kQuestion, HcButtons::kOkCancel), HcAnswer::kCancel);  // end of input
  EXPECT_EQ(ask.chooseFolder(L"Folder", L""), std::nullopt);
  EXPECT_EQ(parseAnswer(L" RETRY ", HcButtons::kRetryCancel), HcAnswer::kRetry);
  EXPECT_EQ(parseAnswer(L"yes", HcButtons::kOkCancel), std::nullopt);
}

}  // namespace
}  // namespace vox::interaction
