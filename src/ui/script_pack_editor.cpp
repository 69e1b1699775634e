#include "ui/script_pack_editor.h"

#include "model/project_state.h"
#include "ui/block_text_edit.h"
#include "ui/dialog_layout.h"
#include "ui/script_packs.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace orvanta::ui {
namespace {

BlockTextEdit* addBox(QWidget* parent, const char* name, QRect geometry)
{
    auto* box = new BlockTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    return box;
}

}  // namespace

ScriptPackEditor::ScriptPackEditor(ProjectState& project, QWidget* parent)
    : QDialog(parent, kFixedDialogFlags), project_(project)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Script Pack Edit"));
    setFixedSize(507, 302);

    packBox_ = addBox(this, "Text1", QRect(0, 0, 505, 185));
    addSeparator(this, QRect(0, 186, 507, 4));
    addLabel(this, "Label3", QStringLiteral("Inventory Items:"), QRect(0, 192, 193, 16));
    inventoryBox_ = addBox(this, "Text2", QRect(0, 208, 193, 89));
    QLabel* reminder =
        addLabel(this, "Label4", QStringLiteral("Don't forget to replace inventory names in the inventory items box!"),
                 QRect(200, 208, 177, 41));
    reminder->setWordWrap(true);
    addSeparator(this, QRect(200, 258, 208, 4));
    QLabel* editing = addLabel(this, "Label1", QStringLiteral("Editing Script Pack:"), QRect(200, 272, 104, 17));
    // The pack name follows the caption, also when the font makes it wider.
    editing->resize(std::max(editing->width(), editing->sizeHint().width()), editing->height());
    const int nameLeft = std::max(304, editing->geometry().right() + 5);
    packName_ = addLabel(this, "Label2", QStringLiteral("WAD"), QRect(nameLeft, 272, 412 - nameLeft, 17));
    QPushButton* applyButton = addButton(this, "Command1", QStringLiteral("Apply"), QRect(416, 240, 89, 25));
    applyButton->setToolTip(QStringLiteral("Warning - Incorrect editing of script packs may result in game crashes!"));
    QPushButton* cancelButton = addButton(this, "Command2", QStringLiteral("Cancel"), QRect(416, 272, 89, 25));
    applyButton->setDefault(true);

    setTabOrder(packBox_, applyButton);
    setTabOrder(applyButton, cancelButton);
    setTabOrder(cancelButton, inventoryBox_);

    inventoryBox_->setProjectText(project_.inventoryItems);

    connect(applyButton, &QPushButton::clicked, this, &ScriptPackEditor::apply);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::close);
}

void ScriptPackEditor::showPack(const QString& caption, std::string_view text)
{
    packBox_->setProjectText(text);
    packName_->setText(caption);
}

void ScriptPackEditor::apply()
{
    // By name: the pack the editor shows now, also when the browser is gone.
    for (int pack = 1; pack <= kPackCount; ++pack) {
        if (packName_->text() == packCaption(pack))
            fieldText(project_, Field::pack(pack)) = packBox_->projectText();
    }
    project_.inventoryItems = inventoryBox_->projectText();
    close();
}

}  // namespace orvanta::ui
