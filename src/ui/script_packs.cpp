#include "ui/script_packs.h"

#include "model/pack_names.h"
#include "model/project_state.h"
#include "ui/script_pack_browser.h"
#include "ui/script_pack_editor.h"
#include "ui/single_window.h"

#include <stdexcept>

namespace orvanta::ui {
namespace {

void checkPackNumber(int packNumber)
{
    if (packNumber < 1 || packNumber > kPackCount)
        throw std::out_of_range("script pack number out of range");
}

}  // namespace

QString packCaption(int packNumber) { return QString::fromLatin1(packName(packNumber)); }

std::string& packText(ProjectState& project, int packNumber)
{
    checkPackNumber(packNumber);
    // Pack k (2..12) belongs to level k - 1, whatever WAD that level loads.
    return packNumber == 1 ? project.scriptHeader : project.level(packNumber - 1).scriptPack;
}

ScriptPacks::ScriptPacks(ProjectState& project, QWidget* mainWindow)
    : QObject(mainWindow), project_(project), mainWindow_(mainWindow)
{
}

ScriptPackBrowser* ScriptPacks::browser() const { return browser_; }

ScriptPackEditor* ScriptPacks::editor() const { return editor_; }

void ScriptPacks::openBrowser()
{
    bool created = false;
    openSingleWindow(browser_, &created, mainWindow_);
    if (created)
        connect(browser_, &ScriptPackBrowser::packRequested, this, &ScriptPacks::openPack);
}

void ScriptPacks::openPack(int packNumber)
{
    const QString caption = packCaption(packNumber);
    const std::string& text = packText(project_, packNumber);
    openSingleWindow(editor_, nullptr, project_, mainWindow_);
    editor_->showPack(caption, text);
}

}  // namespace orvanta::ui
