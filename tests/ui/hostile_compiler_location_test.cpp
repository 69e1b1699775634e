// Compile Scripts with Easylife locations a shell would misread: the program
// named runs alone, or the message names the location; the success text
// follows only a start.
#include "support/path_variable.h"
#include "ui/main_window_fixture.h"

namespace orvanta::test {
namespace {

namespace fs = std::filesystem;

const QString kCompiled = QStringLiteral("DAT files rewritten - Script Files Compiled!");

TEST_F(MainWindowTest, HostileCompilerLocationsRunThatProgramAloneOrAreNamed)
{
    useTemporaryFolders();
    fs::create_directories(temp / "bin");
    writeStandInProgram(temp / "bin" / "wine", temp / "wine-ran");
    const PathVariable path((temp / "bin").string());
    const fs::path folder = temp / "-$(touch marker); touch marker 'q\"";
    fs::create_directory(folder);

    window.project().easylifeLocation = writeStandInProgram(folder / "-easy life.sh", compilerRecord()).string();
    entry("begin")->trigger();
    EXPECT_EQ(messages.texts(), QStringList{kCompiled});
    ASSERT_TRUE(waitForRecord(compilerRecord()));
    EXPECT_EQ(readBytes(compilerRecord()), "0\n");

    writeBytes(folder / "plain", "touch marker\n");
    fs::permissions(folder / "plain", fs::perms::owner_all);
    writeBytes(folder / "a\"&touch marker&\".bat", "@echo off\r\n");
    for (const fs::path& location : {folder / "missing", folder / "plain", folder / "a\"&touch marker&\".bat"}) {
        SCOPED_TRACE(location.string());
        window.project().easylifeLocation = location.string();
        const qsizetype seen = messages.texts().size();
        entry("begin")->trigger();
        const QStringList said = messages.texts().mid(seen);
        ASSERT_EQ(said.size(), 1);
        EXPECT_TRUE(said.first().contains(QString::fromStdString(location.string()))) << said.first().toStdString();
        EXPECT_TRUE(said.first().contains(QStringLiteral("could not be started")));
        EXPECT_NE(said.first(), kCompiled);
    }
    QTest::qWait(300);
    EXPECT_FALSE(fs::exists(temp / "wine-ran"));
    for (const fs::path& place : {temp.path(), folder, fs::current_path()})
        EXPECT_FALSE(fs::exists(place / "marker")) << place.string();
}

} // namespace
} // namespace orvanta::test
