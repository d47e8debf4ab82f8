#include <gtest/gtest.h>

#include "store/entry_line.h"

namespace kov {
namespace {

TEST(EntryLine, FieldsAreTakenAsTheyStandAndEachWrittenWithItsStar) {
  const EntryFields fields = SplitEntryLine("Tools\\ * a.exe *\t* A *-p*extra*more");
  EXPECT_EQ(fields.folder, "Tools\\ ");
  EXPECT_EQ(fields.target, " a.exe ");
  EXPECT_EQ(fields.kind, "\t");
  EXPECT_EQ(fields.caption, " A ");
  EXPECT_EQ(fields.parameters, "-p");
  EXPECT_EQ(FormatEntryLine(fields), "Tools\\ * a.exe *\t* A *-p*");
  EXPECT_EQ(FormatEntryLine(SplitEntryLine("*x.exe")), "*x.exe****");
  EXPECT_EQ(FormatEntryLine(SplitEntryLine("")), "*****");
}

TEST(EntryLine, TheViewReadsTrimmedFieldsAndTheKindAsANumber) {
  EXPECT_EQ(ReadEntry("").caption, "");
  EXPECT_EQ(ReadEntry("no star at all").folder, "no star at all");
  const EntryView folder = ReadEntry("Tools\\*\tNet *1* Net*\t-p x *");
  EXPECT_EQ(folder.folder, "Tools\\");
  EXPECT_EQ(folder.target, "Net");
  EXPECT_EQ(folder.kind, kVirtualFolder);
  EXPECT_EQ(folder.caption, "Net");
  EXPECT_EQ(folder.parameters, "-p x");
  EXPECT_EQ(ReadEntry("*d:\\x*2*X**").kind, kDirectory);
  EXPECT_EQ(ReadEntry("*x.exe*abc*X**").kind, kProgram);
}

}  // namespace
}  // namespace kov
