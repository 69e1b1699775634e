// Each check of a project names its field, and none fires on the defaults or
// on any project of the test data.
#include "model/field.h"
#include "pipeline/game_build.h"
#include "projectfile/project_file_reader.h"
#include "support/files.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace orvanta {
namespace {

struct CheckCase {
    const char* what;
    std::vector<std::pair<const char*, std::string>> fields;  // control, new value ("+" appends)
    std::vector<std::string> problems;
};

ProjectState edited(const CheckCase& c)
{
    ProjectState project = ProjectState::withDefaults();
    for (const auto& [control, value] : c.fields) {
        std::string& field = fieldText(project, *fieldNamed(control));
        field = value.starts_with('+') ? field + value.substr(1) : value;
    }
    return project;
}

std::string repeated(const std::string& line, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += line;
    return text;
}

const std::string kShift = ": every later string of English.txt moves by one and the game shows wrong texts";
const std::string kItem = "\t$0000,$0400,$0000,$0000,$0000,$0002\r\n";

const std::vector<CheckCase> kCases{
    {"empty name of a level left out of the script",
     {{"data4", "*,"}, {"Text3", ""}},
     {"English.txt:22: error: is empty" + kShift + " [Level 3 name (Text3)]"}},
    {"empty title name and an all-comment name of an included level",
     {{"Text12", ""}, {"Text2", ";x"}},
     {"English.txt:16: error: is empty" + kShift + " [Title name (Text12)]",
      "English.txt:18: error: is all comment (it begins with \";\")" + kShift + " [Level 2 name (Text2)]"}},
    {"\";\" in a level name and in a legend",
     {{"Text8", "Angkor;Wat"}, {"Text27", "Cambodia; 1984"}},
     {"English.txt:13: error: holds \";\", which starts a comment: the game shows only \"Cambodia\" "
      "[Second legend (Text27)]",
      "English.txt:25: error: holds \";\", which starts a comment: the game shows only \"Angkor\" "
      "[Level 8 name (Text8)]"}},
    {"empty legend that a level uses",
     {{"Text26", ""}},
     {"English.txt:14: error: is empty" + kShift + " [First legend (Text26)]"}},
    {"names of levels left out that read as a section header, and with a label",
     {{"data4", "*,"}, {"Text3", "[PCStrings]"}, {"data5", "*,"}, {"Text4", "Part1:Ruins"}},
     {"English.txt:22: error: reads as a section header" + kShift + " [Level 3 name (Text3)]",
      "English.txt:30: warning: holds a label or an escape: the game shows \"Ruins\" [Level 4 name (Text4)]"}},
    {"a line break in a level name",
     {{"Text5", "Cata\r\ncombs"}},
     {"English.txt:33: error: holds a line break" + kShift + " [Level 5 name (Text5)]"}},
    {"a character the string encoding cannot hold",
     {{"Text4", "Coastal \xA5"}},
     {"English.txt:30: error: holds the character \xA5 (byte 0xA5), which the game's string encoding turns "
      "into the end of the string [Level 4 name (Text4)]"}},
    {"load cameras that are not seven whole numbers",
     {{"Label9", "1,2,3"}, {"Label5", "1,2,3,4,5,6,x"}},
     {"Script.txt:117: error: value 7 of LoadCamera= (\"x\") is not a whole number from 0 to 255 "
      "[Coastal Ruins load camera (Label5)]",
      "Script.txt:179: error: LoadCamera= takes 7 values (source x, y, z, target x, y, z and room), not 3 "
      "[Angkor Wat load camera (Label9)]"}},
    {"audio track, time-out and security that the format cannot hold",
     {{"sound4", "abc"}, {"inputtimeout", "-1"}, {"security", "$100"}},
     {"Script.txt:45: error: the input time-out \"-1\" is not a whole number from 0 to 4294967295 "
      "[Input time-out (inputtimeout)]",
      "Script.txt:47: error: the security value \"$100\" is not a number from 0 to 255 ($00-$FF) "
      "[Security value (security)]",
      "Script.txt:98: error: the audio track \"abc\" is not a whole number from 0 to 255 "
      "[Temple Of Karnak audio track (sound4)]"}},
    {"packs: unknown command, wrong count and form of values, item name missing from the strings",
     {{"Text14", "+Bogus=\t1\r\nPuzzle=\t1,Golden Skull\r\nKey=\t13,Gate Key," + kItem + "Puzzle=\t2,Crystal Ball," +
                     kItem + "UVRotate=\t128\r\nPuzzleCombo=\t1,3,Golden Skull," + kItem +
                     "Legend=\tTHE LAST STRING ENTRY\r\nName=\tKV5\r\n"}},
     {"Script.txt:207: error: unknown command Bogus= in [Level] [Guard Pack (Text14), line 3]",
      "Script.txt:208: error: Puzzle= takes 8 values (item number, name and six values), not 2 "
      "[Guard Pack (Text14), line 4]",
      "Script.txt:209: error: Key= item number \"13\" is not from 1 to 12 [Guard Pack (Text14), line 5]",
      "Script.txt:210: error: the item name \"Crystal Ball\" is not among the strings of English.txt: add "
      "\"Crystal Ball\" to the inventory items [Guard Pack (Text14), line 6]",
      "Script.txt:211: error: value 1 of UVRotate= (\"128\") is not a whole number from -128 to 127 "
      "[Guard Pack (Text14), line 7]",
      "Script.txt:212: error: PuzzleCombo= piece \"3\" is not 1 or 2 [Guard Pack (Text14), line 8]",
      "Script.txt:213: error: the legend \"THE LAST STRING ENTRY\" is string 358 of English.txt; it must be among "
      "the first 256 [Guard Pack (Text14), line 9]",
      "Script.txt:214: error: a second Name= in this [Level] [Guard Pack (Text14), line 10]"}},
    {"an unknown section in the inventory items",
     {{"Text25", "+[Bogus]\r\n"}},
     {"English.txt:202: error: unknown section [Bogus]: a language file has [Strings], [PSXStrings] and [PCStrings] "
      "[Inventory items (Text25), line 131]"}},
    {"an error and a warning of one field: the error speaks",
     {{"Text4", "Part1:Ruins"}},
     {"Script.txt:101: error: the level name \"Part1:Ruins\" is not among the strings of English.txt "
      "[Level 4 name (Text4)]"}},
    {"more levels than the game holds",
     {{"Text24", "+" + repeated("[Level]\r\nName=\tKV5\r\nLevel=\tDATA\\KV5,1\r\n", 244) + "[Options]\r\n"}},
     {"Script.txt: error: the script has 256 levels with the title; the game holds at most 255"}},
    {"Header Pack: an unknown option",
     {{"Text24", "+Bogus=\t1\r\n"}},
     {"Script.txt:41: error: unknown command Bogus= in [Options] [Header Pack (Text24), line 41]"}},
    // The level file names take 145 bytes with the defaults; 65535 is the most.
    {"level file names that just fit", {{"Combo2", std::string(65535 - 145 + 4, 'W')}}, {}},
    {"level file names one byte too long",
     {{"Combo2", std::string(65536 - 145 + 4, 'W')}},
     {"Script.txt: error: the level file names take more than 65535 bytes"}},
    {"problems of long packs, which encode on several threads, in the order of their levels",
     {{"Text14", repeated("Puzzle=\t1,Stone of Re," + kItem, 1000) + "Bogus=\t1\r\n"},
      {"Text15", "Bogus=\t2\r\n" + repeated("Puzzle=\t1,Stone of Re," + kItem, 1000)}},
     {"Script.txt:185: error: unknown command Bogus= in [Level] [Library Pack (Text15), line 1]",
      "Script.txt:2193: error: unknown command Bogus= in [Level] [Guard Pack (Text14), line 1001]"}},
    {"the level data larger than SCRIPT.DAT holds",
     {{"Text15", repeated("Puzzle=\t1,Stone of Re," + kItem, 4400)}},
     {"Script.txt: error: the levels' data take 67679 bytes; SCRIPT.DAT holds at most 65535 (fewer or shorter "
      "item lines)"}},
};

std::vector<std::string> formatted(const std::vector<ProjectProblem>& problems)
{
    std::vector<std::string> lines;
    for (const ProjectProblem& problem : problems)
        lines.push_back(formatProblem(problem));
    return lines;
}

TEST(ProjectChecks, EachCheckNamesItsField)
{
    for (const CheckCase& c : kCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(formatted(checkProject(edited(c))), c.problems);
    }
}

TEST(ProjectChecks, ProblemsTellTheWindowSlotPackAndLineOfTheirField)
{
    ProjectState project = ProjectState::withDefaults();
    project.level(10).scriptPack += "Bogus=\t1\r\n";
    project.level(8).cameraLabel = "1";
    project.secondLegend = "A;B";
    project.security = "x";
    std::vector<FieldRef> fields;
    for (const ProjectProblem& problem : checkProject(project))
        fields.push_back(*problem.field);
    EXPECT_EQ(fields, (std::vector<FieldRef>{{Field::security(), "Security value", 0},
                                             {Field::cameraLabel(9), "Angkor Wat load camera", 0},
                                             {Field::pack(11), "Guard Pack", 3},
                                             {Field::secondLegend(), "Second legend", 0}}));
}

TEST(ProjectChecks, MissingLevelFilesWarnWhereThePackageFolderExists)
{
    test::TempFolder package;
    std::filesystem::create_directories(package / "Script");
    std::filesystem::create_directories(package / "data");
    for (const char* wad : kWadList)
        test::writeBytes(package / "data" / (std::string(wad) + ".tr4"), "");
    std::filesystem::remove(package / "data" / "GUARD.tr4");
    const std::string scriptFolder = (package / "Script").string();
    EXPECT_EQ(formatted(checkProject(ProjectState::withDefaults(), packageFileCheck(scriptFolder))),
              std::vector<std::string>{"Script.txt:209: warning: the level file DATA\\GUARD.TR4 is not in the "
                                       "package folder \"" +
                                       package.text() +
                                       "\" (the folder above the script "
                                       "folder) [Guardian Of Semerkhet WAD (Combo11)]"});
    EXPECT_FALSE(packageFileCheck((package / "Missing" / "Script").string()));
}

TEST(ProjectChecks, NoProblemInTheDefaultsOrAnyProjectOfTheTestData)
{
    // Some test projects hold real faults on purpose: a "\xA5" in the second
    // legend, which the game's string encoding turns into the end of the
    // string, zero bytes, and the golden projects' empty and odd values.
    const std::string shift = "is empty: every later string of English.txt moves by one and the game shows wrong texts";
    // The edited project's load cameras, from its level data strings, are short of values.
    const auto camera = [](int line, int values, const std::string& slot, int label) {
        return "Script.txt:" + std::to_string(line) +
               ": error: LoadCamera= takes 7 values (source x, y, z, target x, y, z and room), not " +
               std::to_string(values) + " [" + slot + " load camera (Label" + std::to_string(label) + ")]";
    };
    std::map<std::string, std::vector<std::string>> expected{
        {"fuzz/corpus/project_file/switches_in_pack.txt",
         {"Script.txt:177: error: \"**SWITCHES**\" is not a command: a command is KEY=VALUE [Angkor Pack (Text16), "
          "line 1]"}},
        {"fuzz/corpus/project_file/eight_bit.txt",
         {"English.txt:13: error: holds the character \xA5 (byte 0xA5), which the game's string encoding turns into "
          "the end of the string [Second legend (Text27)]"}},
        {"fuzz/corpus/project_file/nul_bytes.txt",
         {"Script.txt:47: error: the security value \"\\x00\" is not a number from 0 to 255 ($00-$FF) "
          "[Security value (security)]",
          "English.txt:25: error: holds the byte 0, which would end the string early [Level 8 name (Text8)]"}},
        {"golden/levels_left_out/project.txt",
         {"Script.txt:46: error: the security value \"abc\" is not a number from 0 to 255 ($00-$FF) "
          "[Security value (security)]",
          "English.txt:13: error: " + shift + " [Second legend (Text27)]",
          "English.txt:14: error: " + shift + " [First legend (Text26)]"}},
        {"golden/edited/project.txt",
         {"Script.txt:45: error: the input time-out \"\" is not a whole number from 0 to 4294967295 "
          "[Input time-out (inputtimeout)]",
          "Script.txt:48: warning: DemoDisc= is ENABLED: the game goes back to the title after every level instead "
          "of going on to the next [Demo Disk (switch5)]",
          camera(51, 3, "Title", 1), camera(72, 3, "Level 1 \xE9, one", 2), camera(89, 1, "Level 2", 3),
          camera(103, 1, "Level 3", 4), camera(121, 1, "Level 4", 5),
          "Script.txt:122: error: the audio track \"\" is not a whole number from 0 to 255 [Level 4 audio track "
          "(sound5)]",
          camera(139, 1, "Level 5", 6), camera(147, 1, "Level 8", 9), camera(156, 1, "Level 10", 11),
          camera(174, 1, "  \"Level 11\" \x80", 12),
          "Script.txt:175: error: the audio track \"1012\" is not a whole number from 0 to 255 "
          "[  \"Level 11\" \x80 audio track (sound12)]",
          "English.txt:22: error: " + shift + " [Level 3 name (Text3)]"}},
    };
    EXPECT_TRUE(checkProject(ProjectState::withDefaults()).empty());
    for (const char* folder : {"golden", "fuzz/corpus", "project_files"}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(test::testData(folder))) {
            ProjectState project = ProjectState::withDefaults();
            if (!entry.is_regular_file() ||
                loadProjectFile(entry.path().string(), project).status != LoadStatus::Loaded)
                continue;
            SCOPED_TRACE(entry.path().string());
            const auto known = expected.find(entry.path().lexically_relative(test::testData("")).generic_string());
            EXPECT_EQ(formatted(checkProject(project)),
                      known == expected.end() ? std::vector<std::string>{} : known->second);
            if (known != expected.end())
                expected.erase(known);
        }
    }
    for (const auto& [file, problems] : expected)
        ADD_FAILURE() << file << " was never checked: it is gone or no longer loads";
}

}  // namespace
}  // namespace orvanta
