#include <gtest/gtest.h>

#include <functional>

#include "common/ManagedItems.h"
#include "common/ManagerInfo.h"
#include "platform/memory/MemoryWorld.h"

namespace {

const char kIni[] = "C:\\ORVANE\\Orvane.ini";
const char kSaveOpenError[] = "Error opening C:\\ORVANE\\Orvane.ini\nManager information could not be saved.";
const char kSaveWriteError[] = "Error writing C:\\ORVANE\\Orvane.ini\nManager information could not be saved.";

struct Parsed {
    bool matched;
    std::string source, wait;
};

Parsed Parse(const std::string& line, const std::string& name) {
    Parsed parsed{false, "-", "-"};
    parsed.matched = CManagerInfoParser().ParseManagerLine(line, name, parsed.source, parsed.wait);
    return parsed;
}

void ExpectParsed(const std::string& line, const std::string& name, const std::string& source,
                  const std::string& wait) {
    const Parsed parsed = Parse(line, name);
    EXPECT_TRUE(parsed.matched) << line;
    EXPECT_EQ(source, parsed.source) << line;
    EXPECT_EQ(wait, parsed.wait) << line;
}

std::vector<std::string> Waits(MemoryWorld& world, const std::vector<std::string>& items) {
    std::vector<PairedItem> paired;
    EXPECT_TRUE(ReadWaitTimes(world.files, kIni, items, paired));
    std::vector<std::string> waits;
    for (const PairedItem& item : paired) waits.push_back(item.fields.wait);
    return waits;
}

std::string Texts(const PairedItem& item) {
    return item.fields.name + "|" + item.fields.source + "|" + item.fields.wait;
}

}  // namespace

TEST(ParseManagerLine, FieldsByCommas) {
    ExpectParsed("\"Clock\", \"Run\", \"10\"\n", "Clock", "Run", "10");
    ExpectParsed("\"Clock\", \"Run\", \"10\"\r\n", "Clock", "Run", "10");
    ExpectParsed("Clock, Run, 10", "Clock", "Run", "10");
    ExpectParsed("\"Clock\", \"5\"\n", "Clock", "", "5");
    ExpectParsed("\"Clock\", \"Run\", \"x\", \"7\"", "Clock", "Run", "7");
    ExpectParsed(" \"Clo\"ck\" , \"Run\", \"\"", "Clock", "Run", "");
    for (const char* unmatched : {"", "\n", "Clock", "\"Clock\"\n", ", \"Run\", \"3\""})
        EXPECT_FALSE(Parse(unmatched, "Clock").matched) << unmatched;
    const Parsed other = Parse("\"clock\", \"Run\", \"10\"", "Clock");
    EXPECT_FALSE(other.matched);
    EXPECT_EQ("--", other.source + other.wait);
}

TEST(ParseManagerLine, QuotedNameWithACommaIsMatchedWhole) {
    const std::string line = "\"Mail, Fast\", \"Startup\", \"12\"\r\n";
    ExpectParsed(line, "Mail, Fast", "Startup", "12");
    EXPECT_FALSE(Parse(line, "Mail").matched);
    ExpectParsed("\"A,B\", \"9\"", "A,B", "", "9");
    EXPECT_FALSE(Parse("\"A,B\"", "A,B").matched);
}

TEST(ParseManagerLine, FieldsBetweenSourceAndWaitAreKeptInOrderAndWrittenBack) {
    const CManagerInfoParser parser;
    struct Case {
        const char* line;
        std::vector<std::string> extras;
    } cases[] = {
        {"\"Mail\", \"Run\", \"7\"", {}},
        {"\"Mail\", \"Run\", \"file:Mail.lnk\", \"7\"", {"file:Mail.lnk"}},
        {"\"Mail\", \"Run\", \"file:Mail.lnk\", \"idle\", \"7\"", {"file:Mail.lnk", "idle"}},
        {"\"A, B\", \"Startup\", \"later-field\", \"\"", {"later-field"}},
    };
    ManagerLine fields;  // each line read replaces what the last one gave
    for (const Case& c : cases) {
        ASSERT_TRUE(parser.ReadManagerLine(c.line, fields)) << c.line;
        EXPECT_EQ(c.extras, fields.extras) << c.line;
        EXPECT_EQ(c.line, FormatManagerLine(fields));
    }
    ManagerLine line{"Mail", "Run", "7", {"file:Mail.lnk", "IDLE"}};
    EXPECT_TRUE(HasExtraField(line, IdleField));
    SetExtraField(line, IdleField, false);
    EXPECT_EQ("\"Mail\", \"Run\", \"file:Mail.lnk\", \"7\"", FormatManagerLine(line));
    SetExtraField(line, IdleField, true);
    EXPECT_EQ("\"Mail\", \"Run\", \"file:Mail.lnk\", \"idle\", \"7\"", FormatManagerLine(line));
}

TEST(ManagerInfoFile, WrittenThenReadByRowName) {
    MemoryWorld world;
    world.files.AddFile(kIni, "old");
    ASSERT_TRUE(WriteManagerInfo(world.files, world.messages, kIni,
                                 {{"Clock", "Run", "", {}}, {"Mail, Fast", "Startup", "12", {}}, {"Clock", "x", "1", {}}}));
    EXPECT_EQ("\"Clock\", \"Run\", \"\"\r\n\"Mail, Fast\", \"Startup\", \"12\"\r\n\"Clock\", \"x\", \"1\"\r\n",
              world.files.Contents(kIni));
    EXPECT_EQ(std::vector<std::string>{"Orvane.ini"}, world.files.Names("C:\\ORVANE"));

    // The k-th item of a name takes the k-th line of that name, as the runner pairs them.
    std::vector<PairedItem> items;
    ASSERT_TRUE(ReadManagerInfoFor(world.files, world.messages, kIni, {"Clock", "New", "Mail, Fast", "Clock"}, items));
    ASSERT_EQ(4u, items.size());
    EXPECT_EQ("Clock|Run|", Texts(items[0]));
    EXPECT_EQ("New||", Texts(items[1]));
    EXPECT_EQ("Mail, Fast|Startup|12", Texts(items[2]));
    EXPECT_EQ("Clock|x|1", Texts(items[3]));
    EXPECT_TRUE(world.messages.shown.empty());
    // Listed in the order of their lines, those without one last.
    EXPECT_EQ((std::vector<std::size_t>{0, 2, 3, 1}), ManagerOrder(items));
    std::vector<PairedItem> lineZeroSecond(2);
    lineZeroSecond[1].line = 0;
    EXPECT_EQ((std::vector<std::size_t>{1, 0}), ManagerOrder(lineZeroSecond));
}

TEST(ManagerInfoFile, LongLinesAreReadWhole) {
    MemoryWorld world;
    const std::string name(300, 'N');
    world.files.AddFile(kIni, "\"" + name + "\", \"Run\", \"" + std::string(260, ' ') + "7\"\r\n\"B\", \"\", \"3\"\r\n");
    std::vector<PairedItem> items;
    ASSERT_TRUE(ReadManagerInfoFor(world.files, world.messages, kIni, {name, "B"}, items));
    EXPECT_EQ("Run|7|3", items[0].fields.source + "|" + items[0].fields.wait + "|" + items[1].fields.wait);
    EXPECT_EQ((std::vector<std::string>{"7", "3"}), Waits(world, {name, "B"}));
}

TEST(ManagerInfoFile, ReadCreatesAMissingFileAndReportsOneItCannotOpen) {
    MemoryWorld world;
    std::vector<PairedItem> items;
    ASSERT_TRUE(ReadManagerInfoFor(world.files, world.messages, kIni, {"A"}, items));
    EXPECT_TRUE(world.files.Exists(kIni));
    world.faults.Add(Fault::Open, kIni);
    EXPECT_FALSE(ReadManagerInfoFor(world.files, world.messages, kIni, {"A"}, items));
    ASSERT_EQ(1u, world.messages.shown.size());
    EXPECT_EQ("Error opening C:\\ORVANE\\Orvane.ini\nManager information could not be read.", world.messages.shown[0].text);
    EXPECT_EQ(win::MbIconExclamation, world.messages.shown[0].style);
    ASSERT_EQ(1u, items.size());
    EXPECT_EQ("A||", Texts(items[0]));
    EXPECT_EQ(-1, items[0].line);
}

TEST(ManagerInfoFile, AFailedSaveIsReportedAndKeepsTheOldFileWhole) {
    const std::string scratch = std::string(kIni) + ".new";
    struct Case {
        const char* what;
        std::function<void(MemoryWorld&)> arrange;
        const char* message;
    } const cases[] = {
        {"open", [&](MemoryWorld& w) { w.faults.Add(Fault::Open, scratch); }, kSaveOpenError},
        {"read-only", [](MemoryWorld& w) { w.files.SetAttributes(kIni, win::FileAttributeReadOnly); }, kSaveOpenError},
        {"write", [&](MemoryWorld& w) { w.faults.Add(Fault::Write, scratch); }, kSaveWriteError},
        {"close", [&](MemoryWorld& w) { w.faults.Add(Fault::Close, scratch); }, kSaveWriteError},
        {"replace", [](MemoryWorld& w) { w.faults.Add(Fault::Replace, kIni); }, kSaveWriteError},
    };
    for (const Case& c : cases) {
        MemoryWorld world;
        world.files.AddFile(kIni, "\"A\", \"Run\", \"5\"\r\n");
        c.arrange(world);
        EXPECT_FALSE(WriteManagerInfo(world.files, world.messages, kIni, {{"B", "", "", {}}, {"C", "", "2", {}}})) << c.what;
        EXPECT_EQ("\"A\", \"Run\", \"5\"\r\n", world.files.Contents(kIni)) << c.what;
        EXPECT_FALSE(world.files.Exists(scratch)) << c.what;
        ASSERT_EQ(1u, world.messages.shown.size()) << c.what;
        EXPECT_EQ(c.message, world.messages.shown[0].text) << c.what;
        EXPECT_EQ(win::MbIconExclamation, world.messages.shown[0].style) << c.what;
    }
}

TEST(ReadWaitTimes, EachItemTakesTheWaitOfItsOwnLine) {
    MemoryWorld world;
    world.files.AddFile(kIni, "\"A\", \"\", \"1\"\r\n\"B\", \"\", \"2\"\r\n\"C\", \"\", \"3\"\r\n");
    EXPECT_EQ((std::vector<std::string>{"1", "2", "3"}), Waits(world, {"A", "B", "C"}));
    // Out of order, a missing line, an extra line, a line for no item.
    world.files.AddFile(kIni, "\"C\", \"\", \"3\"\r\n\"Gone\", \"\", \"9\"\r\n\"A\", \"\", \"1\"\r\n\"A\", \"\", \"4\"\r\n");
    EXPECT_EQ((std::vector<std::string>{"1", "", "3"}), Waits(world, {"A", "B", "C"}));
    // Items of one name pair with that name's lines in turn.
    EXPECT_EQ((std::vector<std::string>{"1", "3", "4", ""}), Waits(world, {"A", "C", "A", "A"}));
    EXPECT_TRUE(Waits(world, {}).empty());

    std::vector<PairedItem> items;
    EXPECT_FALSE(ReadWaitTimes(world.files, "C:\\ORVANE\\Missing.ini", {"A"}, items));
    ASSERT_EQ(1u, items.size());
    EXPECT_EQ("A||", Texts(items[0]));
    EXPECT_FALSE(world.files.Exists("C:\\ORVANE\\Missing.ini"));
}

// Both programs list the folder's files the same way: those with a line in
// the lines' order, each with its own fields, then the others as found.
TEST(ReadManagedItems, FilesComeInTheSavedOrderWithTheirLinesFields) {
    MemoryWorld world;
    world.files.AddDirectory("C:\\ORVANE\\Startup");
    for (const char* name : {"Mail.lnk", "New.lnk", "Clock.lnk", "Mail.pif"}) world.files.AddFile(std::string("C:\\ORVANE\\Startup\\") + name, "");
    world.files.AddFile(kIni, "\"Clock\", \"Run\", \"3\"\r\n\"Mail\", \"Startup\", \"file:Mail.pif\", \"idle\", \"7\"\r\n"
                              "\"Mail\", \"UserRun\", \"1\"\r\n");
    const std::vector<FileEntry> folder = world.files.Find("C:\\ORVANE\\Startup\\*.*");
    std::vector<ManagedItem> items;
    ASSERT_TRUE(ReadManagedItems(world.files, folder, kIni, items));
    std::string read;
    for (const ManagedItem& item : items)
        read += item.file.name + "=" + FormatManagerLine(item.fields) + "@" + std::to_string(item.line) + "\n";
    EXPECT_EQ(read,
              "Clock.lnk=\"Clock\", \"Run\", \"3\"@0\n"
              "Mail.pif=\"Mail\", \"Startup\", \"file:Mail.pif\", \"idle\", \"7\"@1\n"
              "Mail.lnk=\"Mail\", \"UserRun\", \"1\"@2\n"
              "New.lnk=\"New\", \"\", \"\"@-1\n");
    EXPECT_EQ(items[3].file.path, "C:\\ORVANE\\Startup\\New.lnk");

    // The runner's read leaves a missing file missing and says nothing; the
    // configuration's makes it, and tells of one it cannot open.
    EXPECT_FALSE(ReadManagedItems(world.files, folder, "C:\\ORVANE\\Missing.ini", items));
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].line, -1);
    EXPECT_FALSE(world.files.Exists("C:\\ORVANE\\Missing.ini"));
    EXPECT_TRUE(ReadManagedItems(world.files, folder, "C:\\ORVANE\\Missing.ini", items, &world.messages));
    EXPECT_TRUE(world.files.Exists("C:\\ORVANE\\Missing.ini"));
    world.faults.Add(Fault::Open, kIni);
    EXPECT_FALSE(ReadManagedItems(world.files, folder, kIni, items, &world.messages));
    ASSERT_EQ(world.messages.shown.size(), 1u);
    EXPECT_EQ(world.messages.shown[0].text, "Error opening C:\\ORVANE\\Orvane.ini\nManager information could not be read.");
}
