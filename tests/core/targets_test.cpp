#include <gtest/gtest.h>

#include "store/entry_table.h"
#include "store/targets.h"
#include "table_of.h"
#include "ui/folder_logic.h"

namespace kov {
namespace {

using test::TableOf;

const DirectoryValues kDirs{"E:\\KOVRANT\\", "C:\\Windows\\system32", "C:\\Users\\me\\Temp", "C:\\Windows",
                            "E:\\Kovrant\\"};

TEST(Targets, OnlyLowerCaseMacrosExpand) {
  EXPECT_EQ(ExpandMacros("%systemdir%\\cmd.exe", kDirs), "C:\\Windows\\system32\\cmd.exe");
  EXPECT_EQ(ExpandMacros("%SYSTEMDIR%\\cmd.exe", kDirs), "%SYSTEMDIR%\\cmd.exe");
  EXPECT_EQ(ExpandMacros("%windir%\\notepad.exe", kDirs), "C:\\Windows\\notepad.exe");
  EXPECT_EQ(ExpandMacros("%wintemp%\\a;%windir%", kDirs), "C:\\Users\\me\\Temp\\a;C:\\Windows");
}

TEST(Targets, AbsoluteAndRelative) {
  EXPECT_EQ(MakeAbsolute("Apps\\tool.exe", kDirs), "E:\\Kovrant\\Apps\\tool.exe");
  EXPECT_EQ(MakeAbsolute("D:\\x.exe", kDirs), "D:\\x.exe");
  EXPECT_EQ(MakeAbsolute("\\\\server\\share\\x.exe", kDirs), "E:\\Kovrant\\\\\\server\\share\\x.exe");
  EXPECT_EQ(MakeAbsolute("", kDirs), "E:\\Kovrant\\");
  EXPECT_EQ(MakeRelative("E:\\Kovrant\\Apps\\tool.exe", kDirs), "Apps\\tool.exe");
  EXPECT_EQ(MakeRelative("F:\\Kovrant\\tool.exe", kDirs), "F:\\Kovrant\\tool.exe");
  EXPECT_EQ(ExpandRunFolderMarker("-f \"@R\\data\\list.txt\" @r\\x", kDirs),
            "-f \"E:\\Kovrant\\data\\list.txt\" @r\\x");
}

// A portable drive holds the launcher beside folders of programs: those follow the drive
// to any letter. On the drive Windows runs from, and on other drives, paths stay whole.
TEST(Targets, ElsewhereOnTheWorkingFoldersDriveFollowsTheDrive) {
  for (const Text path : {"E:\\PortableApps\\KeePass\\KeePass.exe", "e:\\Kovrant2\\tool.exe", "E:\\x.exe"}) {
    const Text stored = MakeRelative(path, kDirs);
    EXPECT_EQ(stored.substr(0, 3), "..\\") << path;
    EXPECT_EQ(UpperText(MakeAbsolute(stored, kDirs)), UpperText(path));
  }
  EXPECT_EQ(MakeRelative("E:\\PortableApps\\KeePass.exe", kDirs), "..\\PortableApps\\KeePass.exe");
  DirectoryValues nested = kDirs;
  nested.workFolder = "E:\\TOOLS\\KOVRANT\\";
  nested.workFolderShown = "E:\\Tools\\Kovrant\\";
  EXPECT_EQ(MakeRelative("E:\\Tools\\Apps\\a.exe", nested), "..\\Apps\\a.exe");
  EXPECT_EQ(MakeAbsolute("..\\Apps\\a.exe", nested), "E:\\Tools\\Apps\\a.exe");
  DirectoryValues onSystemDrive = kDirs;
  onSystemDrive.workFolder = "C:\\KOVRANT\\";
  EXPECT_EQ(MakeRelative("C:\\Apps\\x.exe", onSystemDrive), "C:\\Apps\\x.exe");
  EXPECT_EQ(MakeRelative("F:\\Apps\\x.exe", kDirs), "F:\\Apps\\x.exe");
  EXPECT_EQ(ResolveDotSegments("E:\\..\\A\\.\\B\\..\\"), "E:\\A\\");
  EXPECT_EQ(ResolveDotSegments("E:\\A\\B\\.."), "E:\\A\\");
}

TEST(Targets, PathParts) {
  EXPECT_EQ(DirectoryPart("E:\\KOVRANT\\Apps\\tool.exe"), "E:\\KOVRANT\\Apps\\");
  EXPECT_EQ(FileNamePart("E:\\KOVRANT\\Apps\\tool.exe"), "tool.exe");
  EXPECT_EQ(DirectoryPart("C:tool.exe"), "C:");
  EXPECT_EQ(FileNamePart("tool.exe"), "tool.exe");
  EXPECT_EQ(DirectoryPart("tool.exe"), "");
}

// The working folder is compared upper-cased, but every path made from it is shown and
// started in the folder's own letter case, in any script.
TEST(Targets, PathsFromTheWorkingFolderKeepItsOwnLetterCase) {
  const Text current = "E:\\Папка Ω\\Crème";
  DirectoryValues dirs = kDirs;
  dirs.workFolder = WorkFolderFrom(current);
  dirs.workFolderShown = ShownWorkFolderFrom(current);
  EXPECT_EQ(dirs.workFolder, "E:\\ПАПКА Ω\\CRÈME\\");
  EXPECT_EQ(dirs.workFolderShown, "E:\\Папка Ω\\Crème\\");
  EXPECT_EQ(TargetPath("Программы\\Ψ.exe", dirs), "E:\\Папка Ω\\Crème\\Программы\\Ψ.exe");
  EXPECT_EQ(ExpandRunFolderMarker("@R\\данные.txt", dirs), "E:\\Папка Ω\\Crème\\данные.txt");
  EXPECT_EQ(MakeRelative("e:\\папка ω\\crème\\Программы\\Ψ.exe", dirs), "Программы\\Ψ.exe");
  EXPECT_EQ(MakeRelative(TargetPath("..\\Δ\\x.exe", dirs), dirs), "..\\Δ\\x.exe");
}

TEST(Targets, DirectoryValuesAreCleaned) {
  EXPECT_EQ(WorkFolderFrom("e:\\kovrant"), "E:\\KOVRANT\\");
  EXPECT_EQ(ShownWorkFolderFrom("e:\\kovrant"), "e:\\kovrant\\");
  EXPECT_EQ(ShownWorkFolderFrom("E:\\"), "E:\\");
  EXPECT_EQ(WorkFolderFrom("E:\\"), "E:\\");
  EXPECT_EQ(CleanDirectoryValue("  C:\\Temp\\\r\n"), "C:\\Temp");
  EXPECT_EQ(CleanDirectoryValue(""), "");
}

TEST(FolderView, FolderMembershipIsByUpperCasedPrefix) {
  const EntryTable table = TableOf({"*Tools*1*Tools**", "tools\\*Net*1*Net**", "TOOLS\\NET\\*x.exe**X**",
                                    "Tools2\\*y.exe**Y**", "Tools\\*%windir%\\a.exe**A*-p*"});
  EXPECT_EQ(FolderSlots(table, ""), std::vector<int>{1});
  EXPECT_EQ(FolderSlots(table, "Tools\\"), (std::vector<int>{2, 5}));
  EXPECT_EQ(FolderSlots(table, "Tools\\Net\\"), std::vector<int>{3});
  EXPECT_TRUE(FolderSlots(table, "Empty\\").empty());
}

// A caption names the first entry of its folder that carries it, in any letter case;
// the entry is read with its macros expanded and its fields trimmed.
TEST(FolderView, ACaptionNamesTheFirstMatchOfItsFolderIgnoringCase) {
  const EntryTable table = TableOf({"Other\\*b.exe**a one**", "Tools\\* %windir%\\a.exe **A one* -p x *",
                                    "Tools\\*c.exe**A ONE**", "Tools\\*d.exe**Last**"});
  const int slot = FindCaptionInFolder(table, FolderPrefix("tools\\"), UpperText("a one"));
  EXPECT_EQ(slot, 2);
  EXPECT_EQ(FindCaptionInFolder(table, FolderPrefix("Tools\\"), "NOTHING"), 0);
  const SelectedEntry found = SelectedEntryAt(table, slot, kDirs);
  EXPECT_EQ(found.slot, 2);
  EXPECT_EQ(found.folder, "Tools\\");
  EXPECT_EQ(found.caption, "A one");
  EXPECT_EQ(found.target, "C:\\Windows\\a.exe");
  EXPECT_EQ(found.kind, kProgram);
  EXPECT_EQ(found.parameters, "-p x");
}

TEST(FolderView, BackGoesUpOneLevel) {
  EXPECT_EQ(ParentFolder(""), "");
  EXPECT_EQ(ParentFolder("Tools\\"), "");
  EXPECT_EQ(ParentFolder("Tools\\Net\\"), "Tools\\");
  EXPECT_EQ(ParentFolder("A\\B\\C\\"), "A\\B\\");
}

}  // namespace
}  // namespace kov
