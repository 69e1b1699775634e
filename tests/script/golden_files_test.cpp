// Each folder of tests/golden holds a project file and the Script.txt and
// English.txt it compiles to, byte for byte. A new case is a new folder.
#include "platform/text_lines.h"
#include "projectfile/project_file_reader.h"
#include "projectfile/project_file_writer.h"
#include "script/english_writer.h"
#include "script/script_writer.h"
#include "support/files.h"

#include <gtest/gtest.h>

namespace orvanta::test {
namespace {

TEST(GoldenFiles, EachProjectCompilesToItsFilesAndSavesBackUnchanged)
{
    int cases = 0;
    for (const auto& folder : std::filesystem::directory_iterator(test::testData("golden"))) {
        ++cases;
        SCOPED_TRACE(folder.path().filename().string());
        const std::string file = readBytes(folder.path() / "project.txt");
        ProjectState project = ProjectState::withDefaults();
        ASSERT_EQ(readProjectText(file, project).status, LoadStatus::Loaded);
        EXPECT_EQ(projectFileText(project), file);
        EXPECT_EQ(scriptText(project), readBytes(folder.path() / "Script.txt"));
        EXPECT_EQ(englishText(project), readBytes(folder.path() / "English.txt"));
    }
    EXPECT_EQ(cases, 3) << "folders in tests/golden: a new one is counted here";
    EXPECT_EQ(projectFileText(ProjectState::withDefaults()), readBytes(test::testData("golden/defaults/project.txt")));
}

// Files written before the Header Pack was saved: everything they hold is
// loaded, so saving the loaded project gives back their lines.
TEST(GoldenFiles, EveryLineOfAnOlderProjectFileIsLoaded)
{
    int loaded = 0;
    for (const auto& entry : std::filesystem::directory_iterator(test::testData("fuzz/corpus/project_file"))) {
        const std::string file = readBytes(entry.path());
        ProjectState project = ProjectState::withDefaults();
        const LoadResult result = readProjectText(file, project);
        if (result.status != LoadStatus::Loaded || !result.note.empty())
            continue;  // packs that cannot be told apart stay as they were
        ++loaded;
        const std::string saved = projectFileText(project);
        std::vector<std::string_view> lines = splitLines(file), savedLines = splitLines(saved);
        savedLines.resize(savedLines.size() - 43);  // "**HEADER PACK**", the stock Header Pack and its end
        lines.resize(savedLines.size());            // what follows the paths is not read
        EXPECT_EQ(savedLines, lines) << entry.path();
    }
    EXPECT_EQ(loaded, 4);
}

}  // namespace
}  // namespace orvanta::test
