// Replacing files on Windows when something stands in the way: the failure
// names the file and its cause, and neither file of the pair changes.
#include "model/project_state.h"
#include "script/script_files.h"
#include "support/temp_folder.h"
#include "windows/held_file.h"

#include <gtest/gtest.h>

#include <optional>

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using test::readBytes;

enum class Obstacle { ReadOnly, HeldOpen, Folder };

TEST(WindowsReplace, AnObstacleOnEnglishTxtLeavesBothFilesAsTheyWere)
{
    const struct {
        Obstacle obstacle;
        const char* reason;
    } cases[] = {
        {Obstacle::ReadOnly, "the file is read-only"},
        {Obstacle::HeldOpen, "another program holds the file open"},
        {Obstacle::Folder, "a folder of that name is in the way"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        test::TempFolder folder;
        const fs::path english = folder / "English.txt";
        test::writeBytes(folder / "Script.txt", "old script");
        if (c.obstacle == Obstacle::Folder)
            fs::create_directory(english);
        else
            test::writeBytes(english, "old english");
        if (c.obstacle == Obstacle::ReadOnly)
            fs::permissions(english, fs::perms::all, fs::perm_options::remove);
        std::optional<test::HeldFile> holder;
        if (c.obstacle == Obstacle::HeldOpen)
            holder.emplace(english);

        const auto error = writeScriptFiles(ProjectState::withDefaults(), folder.text());
        holder.reset();
        ASSERT_TRUE(error);
        EXPECT_NE(error->message.find(folder.text() + "\\English.txt\": " + c.reason), std::string::npos)
            << error->message;
        EXPECT_EQ(readBytes(folder / "Script.txt"), "old script");
        if (c.obstacle != Obstacle::Folder) {
            EXPECT_EQ(readBytes(english), "old english");
        }
        EXPECT_EQ(test::entryCount(folder.path()), 2U) << "no temporary file is left behind";
        fs::permissions(english, fs::perms::owner_write, fs::perm_options::add);
    }
}

} // namespace
} // namespace orvanta
