#pragma once

#include "support/temp_folder.h"

#include <QApplication>
#include <QByteArray>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <ostream>

/// Shows texts readably in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '{' << texts.join(QStringLiteral(" | ")).toStdString() << '}';
}

namespace orvanta::test {

/// A Wine prefix of its own for the length of a test: drive C is
/// "drive_c" inside it, linked as "dosdevices/c:", and WINEPREFIX names it.
class FakeWinePrefix {
public:
    /// `driveCFolder`: a folder to create inside drive C, slash-separated.
    explicit FakeWinePrefix(const std::string& driveCFolder)
        : hadPrevious_(qEnvironmentVariableIsSet("WINEPREFIX")), previous_(qgetenv("WINEPREFIX"))
    {
        std::filesystem::create_directories(temp_ / "drive_c" / driveCFolder);
        std::filesystem::create_directories(temp_ / "dosdevices");
        std::filesystem::create_directory_symlink("../drive_c", temp_ / "dosdevices" / "c:");
        qputenv("WINEPREFIX", QByteArray::fromStdString(temp_.text()));
    }
    ~FakeWinePrefix()
    {
        if (hadPrevious_)
            qputenv("WINEPREFIX", previous_);
        else
            qunsetenv("WINEPREFIX");
    }
    FakeWinePrefix(const FakeWinePrefix&) = delete;
    FakeWinePrefix& operator=(const FakeWinePrefix&) = delete;

    /// A folder inside drive C, as the host sees it.
    std::filesystem::path driveC(const std::string& folder = {}) const
    {
        return std::filesystem::canonical(temp_ / "drive_c") / folder;
    }

private:
    TempFolder temp_;
    bool hadPrevious_;
    QByteArray previous_;
};

/// The script folder "C:\Program Files\Core Design\trle\Script" of a fake prefix.
inline const std::string kScriptFolder = "Program Files/Core Design/trle/Script";

template <typename Widget>
Widget* child(QWidget* window, const char* name)
{
    auto* found = window->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

/// Types a name into the name box `Text1`, replacing what it held.
inline void typeName(QWidget* dialog, const QString& name)
{
    auto* box = child<QLineEdit>(dialog, "Text1");
    box->clear();
    QTest::keyClicks(box, name);
}

inline void pressOk(QWidget* dialog)
{
    QTest::mouseClick(child<QPushButton>(dialog, "Command1"), Qt::LeftButton);
}

/// Clicks a name in the file list `File1`; false when the list lacks it.
inline bool clickFile(QWidget* dialog, const QString& name)
{
    auto* files = child<QListWidget>(dialog, "File1");
    const auto found = files->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(found.front()).center());
    return true;
}

/// Whether a dialog closed itself and was destroyed as it closed.
inline bool wasDestroyed(const QPointer<QWidget>& dialog)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return dialog.isNull();
}

inline QString qtext(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

} // namespace orvanta::test
