#include <windows.h>

#include "tests/wine/seam/SeamTest.h"

namespace {

using FilesSeam = SeamTest;

std::string ReadLines(ITextFile& file) {
    std::string all, line;
    while (file.ReadLine(line)) all += "[" + line + "]";
    return all;
}

TEST_F(FilesSeam, AFileMovesByCopyAndDeleteAndAReplacementIsRefused) {
    ASSERT_TRUE(files.MakeDirectory(At("From")));
    ASSERT_TRUE(files.MakeDirectory(At("To")));
    WriteRaw(At("From\\Mail.lnk"), "mail");
    WriteRaw(At("To\\Other.lnk"), "other");

    ASSERT_TRUE(files.Copy(At("From\\Mail.lnk"), At("To\\Mail.lnk"), true));
    ASSERT_TRUE(files.Remove(At("From\\Mail.lnk")));
    EXPECT_TRUE(files.Find(At("From\\*.*")).empty());
    const std::vector<FileEntry> moved = files.Find(At("To\\*.*"));
    ASSERT_EQ(moved.size(), 2u);  // sorted by name under Wine
    EXPECT_EQ(moved[0].name, "Mail.lnk");
    EXPECT_EQ(moved[0].path, At("To\\Mail.lnk"));
    EXPECT_EQ(moved[0].Title(), "Mail");
    EXPECT_FALSE(moved[0].IsDirectory());
    EXPECT_EQ(RawBytes(At("To\\Mail.lnk")), "mail");

    EXPECT_FALSE(files.Copy(At("To\\Mail.lnk"), At("To\\Other.lnk"), true));
    EXPECT_EQ(RawBytes(At("To\\Other.lnk")), "other");
    // Windows refuses to copy onto a read-only file, and so does the memory
    // world; Wine 8 overwrites it, so that is not asserted here.
    ASSERT_TRUE(SetFileAttributesA(At("To\\Other.lnk").c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(files.Remove(At("To\\Other.lnk")));
    FileEntry entry;
    ASSERT_TRUE(files.Lookup(At("to\\OTHER.LNK"), entry));
    EXPECT_TRUE(entry.IsReadOnly());
    EXPECT_EQ(entry.name, "OTHER.LNK");  // as asked
    EXPECT_FALSE(files.Lookup(At("To\\*.lnk"), entry));  // a pattern names no file
    ASSERT_TRUE(files.Lookup(At("To"), entry));
    EXPECT_TRUE(entry.IsDirectory());

    EXPECT_FALSE(files.Copy(At("From\\Mail.lnk"), At("To\\Again.lnk"), false));
    EXPECT_FALSE(files.Copy(At("To\\Mail.lnk"), At("Nowhere\\Mail.lnk"), false));
    EXPECT_TRUE(files.Find(At("Nowhere\\*.*")).empty());
    EXPECT_FALSE(files.RemoveEmptyDirectory(At("To")));
    EXPECT_TRUE(files.RemoveEmptyDirectory(At("From")));
}

TEST_F(FilesSeam, AFinishedFileReplacesAnother) {
    WriteRaw(At("Orvane.ini"), "old");
    WriteRaw(At("Orvane.new"), "new");
    ASSERT_TRUE(files.ReplaceWith(At("Orvane.new"), At("Orvane.ini")));
    EXPECT_EQ(RawBytes(At("Orvane.ini")), "new");
    FileEntry entry;
    EXPECT_FALSE(files.Lookup(At("Orvane.new"), entry));
}

TEST_F(FilesSeam, TextFilesAreCrLfOnDiskAndLongLinesComeBackWhole) {
    const std::string path = At("Orvane.ini");
    const std::string longLine(5000, 'w');
    EXPECT_EQ(files.OpenText(path, "r"), nullptr);
    auto out = files.OpenText(path, "w");
    ASSERT_NE(out, nullptr);
    ASSERT_TRUE(out->Write("short\n"));
    ASSERT_TRUE(out->Write(longLine + "\nlast"));
    ASSERT_TRUE(out->Close());
    EXPECT_EQ(RawBytes(path), "short\r\n" + longLine + "\r\nlast");

    auto in = files.OpenText(path, "r");
    ASSERT_NE(in, nullptr);
    EXPECT_EQ(ReadLines(*in), "[short\n][" + longLine + "\n][last]");
    EXPECT_TRUE(in->Close());

    // "a+" reads from the start and creates a missing file, as the memory world models it.
    auto both = files.OpenText(path, "a+");
    ASSERT_NE(both, nullptr);
    std::string line;
    ASSERT_TRUE(both->ReadLine(line));
    EXPECT_EQ(line, "short\n");
    EXPECT_TRUE(both->Close());
    auto created = files.OpenText(At("New.ini"), "a+");
    ASSERT_NE(created, nullptr);
    EXPECT_FALSE(created->ReadLine(line));
    EXPECT_TRUE(created->Close());
    EXPECT_EQ(RawBytes(At("New.ini")), "");
    FileEntry entry;
    EXPECT_TRUE(files.Lookup(At("New.ini"), entry));
}

TEST_F(FilesSeam, TheProgramAndWindowsPaths) {
    const std::string module = files.ModulePath();
    EXPECT_EQ(module.substr(module.find_last_of('\\') + 1), "wine_seam_tests.exe");
    EXPECT_EQ(files.WindowsDirectory(), "C:\\windows");
}

}  // namespace
