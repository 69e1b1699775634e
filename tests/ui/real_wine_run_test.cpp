// The real wine, in a Wine prefix made for each test: the script sources go
// into "C:\Program Files\Core Design\trle\Script" of that prefix.
// "Compile Scripts": C:\Easylife.bat runs under wine's cmd, prints a line
// that reaches the run window, passes a `pause` and copies Script.txt over
// SCRIPT.DAT. "Build and Play": a stand-in tomb4.exe, built with MinGW,
// copies the SCRIPT.DAT it finds where it was started.
#include "pipeline/game_build.h"
#include "support/main_window_test.h"

#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>

namespace orvanta::test {
namespace {

namespace fs = std::filesystem;

/// Runs a wine tool in the test's prefix and waits for it.
bool runWine(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(tool, arguments);
    return process.waitForFinished(180000) && process.exitCode() == 0;
}

/// The fixture with a Wine prefix of its own for the real wine.
class RealWineTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        fs::remove(temp / "wine");  // the fixture's stand-in
        if (QStandardPaths::findExecutable(QStringLiteral("wine")).isEmpty())
            GTEST_SKIP() << "no wine on the PATH (tools/install-deps.sh installs it)";
        ASSERT_TRUE(runWine(QStringLiteral("wineboot"), {QStringLiteral("--init")}));
    }
    void TearDown() override { runWine(QStringLiteral("wineserver"), {QStringLiteral("-k")}); }  // this prefix only

    const fs::path prefix = temp / "prefix";
    const fs::path script = prefix / "drive_c/Program Files/Core Design/trle/Script";
    const ScopedVariable systemPath{"PATH", "/usr/local/bin:/usr/bin:/bin"};
    const ScopedVariable wine[4] = {{"WINEPREFIX", prefix.string()},
                                    {"WINEDEBUG", "-all"},
                                    {"WINEDLLOVERRIDES", "mscoree,mshtml="},  // no .NET or browser engine to offer
                                    {"DISPLAY", ""}};
};

TEST_F(RealWineTest, CompileScriptsRunsTheRealEasylifeBatchUnderWine)
{
    fs::create_directories(script);
    writeBytes(script / "SCRIPT.DAT", "old");
    writeBytes(prefix / "drive_c/Easylife.bat",
               "@echo off\r\necho Easylife compiles in %CD%\r\npause\r\n"
               "cd /d \"C:\\Program Files\\Core Design\\trle\\Script\"\r\ncopy /y Script.txt SCRIPT.DAT >nul\r\n"
               "copy /y English.txt ENGLISH.DAT >nul\r\n");
    entry("begin")->trigger();
    ASSERT_TRUE(waitForMessage(0, 120000));
    EXPECT_EQ(messages, QStringList{kCompiled});
    const QString output = child<QPlainTextEdit>(opened("Form13"), "Text1")->toPlainText();
    EXPECT_TRUE(output.startsWith(QStringLiteral("Easylife compiles in C:\\\n"))) << output.toStdString();
    EXPECT_EQ(readBytes(script / "SCRIPT.DAT"), readBytes(script / "Script.txt"));
}

TEST_F(RealWineTest, BuildAndPlayStartsTheGameFromThePackageFolderOnceTheDatsAreThere)
{
    const QString mingw = QStandardPaths::findExecutable(QStringLiteral("x86_64-w64-mingw32-gcc"));
    if (mingw.isEmpty())
        GTEST_SKIP() << "no MinGW compiler to build the stand-in game with";
    const fs::path package = script.parent_path();
    fs::create_directories(script);
    ASSERT_TRUE(runWine(mingw, {QString::fromStdString(testData("ui/stand_in_game.c").string()), QStringLiteral("-o"),
                                QString::fromStdString((package / "tomb4.exe").string())}));
    keyOnMain(Qt::Key_F9);
    const fs::path played = package / "played.txt";
    const std::string built = buildGameFiles(window.project()).files.scriptDat;
    EXPECT_TRUE(QTest::qWaitFor([&] { return fs::exists(played) && readBytes(played) == built; }, 120000))
        << messages.join(u'\n').toStdString();
}

}  // namespace
}  // namespace orvanta::test
