// Saves pictures of the dialogs as a level builder first sees them, for the
// documentation: dialog_screenshots [--dark] <folder> [suffix]. Run it once
// plainly and once with QT_SCALE_FACTOR=2 and the suffix "@2x"; --dark pictures
// them under a dark colour scheme (suffix "-dark").
#include "ui/dark_palette.h"
#include "ui/game_properties_dialog.h"
#include "ui/level_properties_dialog.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QStringList>

#include <cstdio>

namespace {

bool save(QWidget& window, const QString& folder, const QString& name, const QString& suffix)
{
    const QString path = QDir(folder).filePath(name + suffix + QStringLiteral(".png"));
    if (window.grab().save(path))
        return true;
    std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments().mid(1);
    orvanta::ui::useDarkSchemeIfAsked(args);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: dialog_screenshots [--dark] <folder> [suffix]\n");
        return 2;
    }
    const QString folder = args[0];
    const QString suffix = args.size() > 1 ? args[1] : QString();

    orvanta::ProjectState project = orvanta::ProjectState::withDefaults();
    auto* levelProperties = new orvanta::ui::LevelPropertiesDialog(project);
    levelProperties->openSlot(9);
    auto* gameProperties = new orvanta::ui::GamePropertiesDialog(project);
    gameProperties->show();
    QApplication::processEvents();

    const bool saved = save(*levelProperties, folder, QStringLiteral("level-properties"), suffix)
                       && save(*gameProperties, folder, QStringLiteral("game-properties"), suffix);
    delete levelProperties;
    delete gameProperties;
    return saved ? 0 : 1;
}
