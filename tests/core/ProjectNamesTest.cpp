// Names derived from project IDs, and the pending-request queue.

#include <gtest/gtest.h>

#include "core/PendingRequestQueue.h"
#include "core/ProjectNames.h"

namespace vox::test {
namespace {

using namespace vox::core;

TEST(ProjectNames, NameTaskFileAndBack) {
  EXPECT_EQ(projectNameFromId(L"C:/Work/Plant 7.wdp"), L"PLANT 7");
  EXPECT_EQ(projectNameFromId(L"C:\\Work\\my.plant.wdp"), L"MY.PLANT");  // only the last extension goes
  EXPECT_EQ(projectNameFromId(L"C:\\Work.d\\noext"), L"NOEXT");
  EXPECT_EQ(taskFileNameForProject(L"C:/Work/Plant 7.wdp"), L"C:\\Work\\PLANT 7_update.mdb");
  EXPECT_EQ(projectFileNameFromTaskName(L"C:\\p\\Job_Update.mdb"), L"C:\\p\\JOB.wdp");
  EXPECT_EQ(projectFileNameFromTaskName(L"C:/Work/PLANT 7_update.mdb"), L"C:\\Work\\PLANT 7.wdp");
  EXPECT_FALSE(projectFileNameFromTaskName(L"C:\\p\\Job.mdb"));
  EXPECT_FALSE(projectFileNameFromTaskName(L"C:\\p_UPDATE.MDB\\Job.mdb"));  // the folder does not count
}

TEST(ProjectNames, ATaskFileNameMustFitAPathBuffer) {
  // "C:\" + folder + "\" + name + "_update.mdb": 3 + 1 + 11 characters around the two parts.
  const std::wstring folder(200, L'f');
  const std::wstring fits(259 - 15 - folder.size(), L'n');
  EXPECT_EQ(taskFileNameForProject(L"C:\\" + folder + L"\\" + fits + L".wdp").size(), 259u);
  EXPECT_EQ(taskFileNameForProject(L"C:\\" + folder + L"\\" + fits + L"n.wdp"), L"");
}

TEST(PendingRequests, AWalkPicksUpRequestsAddedMeanwhileAndIsNeverReentered) {
  PendingRequestQueue queue;
  queue.enqueue({PendingRequest::kRereadOnLispSide, {}});
  queue.enqueue({PendingRequest::kReportRecentProject, HcResBufChain().str(L"A").shortInt(2)});
  std::vector<std::int32_t> ran;
  queue.workOff([&](const PendingRequest& request) {
    ran.push_back(request.kind);
    if (ran.size() == 1) {
      queue.enqueue({7, {}});                                           // picked up by this walk
      queue.workOff([&](const PendingRequest&) { ran.push_back(-1); });  // re-entry does nothing
    }
  });
  EXPECT_EQ(ran, (std::vector<std::int32_t>{1, 2, 7}));
  EXPECT_TRUE(queue.empty());

  queue.enqueue({1, {}});
  EXPECT_THROW(queue.workOff([](const PendingRequest&) { throw std::runtime_error("failed"); }), std::runtime_error);
  queue.enqueue({2, {}});
  queue.workOff([&](const PendingRequest& request) { ran.push_back(request.kind); });  // the flag was cleared
  EXPECT_EQ(ran.back(), 2);
}

}  // namespace
}  // namespace vox::test
