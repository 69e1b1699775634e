#include "ui/script_packs.h"

#include "model/project_state.h"
#include "ui/live_check.h"
#include "ui/script_pack_browser.h"
#include "ui/script_pack_editor.h"
#include "ui/single_window.h"

namespace orvanta::ui {
QString packCaption(int packNumber) { return QString::fromLatin1(packName(packNumber)); }

ScriptPacks::ScriptPacks(ProjectState& project, LiveCheck& live, QWidget* mainWindow)
    : QObject(mainWindow), project_(project), live_(live), mainWindow_(mainWindow)
{
    live_.setDraft([this](ProjectState& draft) {
        if (editor_ != nullptr)
            editor_->applyTo(draft);
    });
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
    const std::string& text = fieldText(project_, Field::pack(packNumber));
    openSingleWindow(editor_, nullptr, project_, live_, mainWindow_);
    editor_->showPack(caption, text);
}

}  // namespace orvanta::ui
