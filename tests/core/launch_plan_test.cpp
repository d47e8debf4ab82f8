#include <gtest/gtest.h>

#include <set>

#include "store/launch_plan.h"

namespace kov {
namespace {

// The working folder is compared upper-cased; a start shows and uses its own letter case.
const DirectoryValues kDirs{"E:\\KOVRANT\\", "C:\\Windows\\system32", "C:\\Temp", "C:\\Windows", "E:\\Kovrant\\"};

class StartPlanTest : public testing::Test {
 protected:
  std::optional<StartPlan> Plan(const Text& target, const Text& parameters, bool elevated) {
    return PlanStart(target, parameters, elevated, kDirs, [this](const Text& path) {
      asked_.push_back(path);
      return existing_.count(path) > 0;
    });
  }

  std::set<Text> existing_ = {"E:\\Kovrant\\Apps\\tool.exe", "C:\\Windows\\notepad.exe"};
  std::vector<Text> asked_;
};

TEST_F(StartPlanTest, AMissingTargetStartsNothing) {
  EXPECT_FALSE(Plan("Apps\\gone.exe", "-x", false));
  EXPECT_FALSE(Plan("%windir%\\gone.exe", "", true));
  EXPECT_EQ(asked_, (std::vector<Text>{"E:\\Kovrant\\Apps\\gone.exe", "C:\\Windows\\gone.exe"}));
}

TEST_F(StartPlanTest, ARelativeTargetStartsByNameInItsOwnDirectoryWithTheWorkingFolderInItsParameters) {
  const std::optional<StartPlan> plan = Plan("Apps\\tool.exe", "-f @R\\data\\list.txt @r\\x", false);
  ASSERT_TRUE(plan);
  const LaunchRequest expected{RequestOwner::Desktop,
                               "",
                               "tool.exe",
                               "-f E:\\Kovrant\\data\\list.txt @r\\x",
                               "E:\\Kovrant\\Apps\\",
                               ShowMode::AsProgramAsks,
                               ShellCall::Plain};
  EXPECT_TRUE(plan->request == expected);
  EXPECT_EQ(plan->directoryDuringStart, "E:\\Kovrant\\Apps\\");
  EXPECT_EQ(plan->directoryAfterStart, "E:\\Kovrant\\");
}

TEST_F(StartPlanTest, AnElevatedStartAsksForRunasOnTheWholePath) {
  const std::optional<StartPlan> plan = Plan("%windir%\\notepad.exe", "@R\\a.txt", true);
  ASSERT_TRUE(plan);
  const LaunchRequest expected{RequestOwner::Window,
                               "runas",
                               "C:\\Windows\\notepad.exe",
                               "E:\\Kovrant\\a.txt",
                               "",
                               ShowMode::Normal,
                               ShellCall::ElevatedWithoutErrorUi};
  EXPECT_TRUE(plan->request == expected);
  EXPECT_EQ(plan->directoryDuringStart, "C:\\Windows\\");
  EXPECT_EQ(plan->directoryAfterStart, "E:\\Kovrant\\");
}

}  // namespace
}  // namespace kov
