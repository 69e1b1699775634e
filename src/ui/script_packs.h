#pragma once

#include "model/field.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <string>

class QWidget;

namespace orvanta {
struct ProjectState;
}

namespace orvanta::ui {

class LiveCheck;
class ScriptPackBrowser;
class ScriptPackEditor;

/// The name of pack 1..12 as the browser shows it, e.g. "Header Pack".
QString packCaption(int packNumber);

/// The script pack browser and editor of one main window, a child of it. Both
/// windows are the main window's, opened by openSingleWindow: each exists at
/// most once and is destroyed when closed; the editor outlives the browser.
class ScriptPacks : public QObject {
    Q_OBJECT
public:
    /// The editor's boxes count in `live` as the project's while it is open.
    ScriptPacks(ProjectState& project, LiveCheck& live, QWidget* mainWindow);

    /// Shows the browser, creating it if needed, or brings it to the front.
    void openBrowser();
    /// Shows pack 1..12 in the editor, creating the editor if needed; an open
    /// editor's pack box is replaced without storing anything.
    void openPack(int packNumber);

    /// The open windows, or null.
    ScriptPackBrowser* browser() const;
    ScriptPackEditor* editor() const;

private:
    ProjectState& project_;
    LiveCheck& live_;
    QWidget* mainWindow_;
    QPointer<ScriptPackBrowser> browser_;
    QPointer<ScriptPackEditor> editor_;
};

}  // namespace orvanta::ui
