#include <gtest/gtest.h>

#include <set>

#include "store/launch_plan.h"

namespace kov {
namespace {

const DirectoryValues kDirs{"E:\\KOVRANT\\", "C:\\Windows\\system32", "C:\\Temp", "C:\\Windows"};

class StartPlanTest : public testing::Test {
 protected:
  std::optional<StartPlan> Plan(const Text& target, const Text& parameters, bool elevated) {
    return PlanStart(target, parameters, elevated, kDirs, [this](const Text& path) {
      asked_.push_back(path);
      return existing_.count(path) > 0;
    });
  }

  std::set<Text> existing_ = {"E:\\KOVRANT\\Apps\\tool.exe", "C:\\Windows\\notepad.exe"};
  std::vector<Text> asked_;
};

TEST_F(StartPlanTest, AMissingTargetStartsNothing) {
  EXPECT_FALSE(Plan("Apps\\gone.exe", "-x", false));
  EXPECT_FALSE(Plan("%windir%\\gone.exe", "", true));
  EXPECT_EQ(asked_, (std::vector<Text>{"E:\\KOVRANT\\Apps\\gone.exe", "C:\\Windows\\gone.exe"}));
}

TEST_F(StartPlanTest, ARelativeTargetStartsByNameInItsOwnDirectoryWithTheWorkingFolderInItsParameters) {
  const std::optional<StartPlan> plan = Plan("Apps\\tool.exe", "-f @R\\data\\list.txt @r\\x", false);
  ASSERT_TRUE(plan);
  const LaunchRequest expected{RequestOwner::Desktop,
                               "",
                               "tool.exe",
                               "-f E:\\KOVRANT\\data\\list.txt @r\\x",
                               "E:\\KOVRANT\\Apps\\",
                               ShowMode::AsProgramAsks,
                               ShellCall::Plain};
  EXPECT_TRUE(plan->request == expected);
  EXPECT_EQ(plan->directoryDuringStart, "E:\\KOVRANT\\Apps\\");
  EXPECT_EQ(plan->directoryAfterStart, "E:\\KOVRANT\\");
}

TEST_F(StartPlanTest, AnElevatedStartAsksForRunasOnTheWholePath) {
  const std::optional<StartPlan> plan = Plan("%windir%\\notepad.exe", "@R\\a.txt", true);
  ASSERT_TRUE(plan);
  const LaunchRequest expected{RequestOwner::Window,
                               "runas",
                               "C:\\Windows\\notepad.exe",
                               "E:\\KOVRANT\\a.txt",
                               "",
                               ShowMode::Normal,
                               ShellCall::ElevatedWithoutErrorUi};
  EXPECT_TRUE(plan->request == expected);
  EXPECT_EQ(plan->directoryDuringStart, "C:\\Windows\\");
  EXPECT_EQ(plan->directoryAfterStart, "E:\\KOVRANT\\");
}

}  // namespace
}  // namespace kov
