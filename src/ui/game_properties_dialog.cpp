#include "ui/game_properties_dialog.h"

#include "desktop/text_conversion.h"
#include "ui/dialog_layout.h"
#include "ui/option_image.h"
#include "ui/representable_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <string>

namespace orvanta::ui {
namespace {

constexpr QSize kClientSize{264, 286};
constexpr int kFieldLeft = 192;  // left edge of the option images and the short boxes

struct OptionRow {
    const char* label;
    const char* caption;
    const char* image;
};

/// The five option rows, for game switches 1..5.
constexpr std::array<OptionRow, kSwitchCount> kOptionNames{{
    {"Label1", "Load/Save:", "Image1"},
    {"Label2", "Title level:", "Image2"},
    {"Label3", "Play any level:", "Image3"},
    {"Label4", "Flying Cheat:", "Image4"},
    {"Label5", "Demo Disk:", "Image5"},
}};

constexpr int optionRowTop(std::size_t index) { return 8 + 24 * static_cast<int>(index); }

struct TextRow {
    const char* name;
    std::string ProjectState::*field;
    QRect designed;
};

/// Text1..Text4 and the project fields they store into.
const std::array<TextRow, 4> kTextRows{{
    {"Text1", &ProjectState::inputTimeout, {kFieldLeft, 128, 65, 21}},
    {"Text2", &ProjectState::security, {kFieldLeft, 152, 65, 21}},
    {"Text3", &ProjectState::firstLegend, {8, 200, 249, 21}},
    {"Text4", &ProjectState::secondLegend, {8, 224, 249, 21}},
}};

/// Places a caption at its designed left edge, or further left when the
/// user's font makes it run into the box it names.
void placeBeforeField(QLabel* label, QRect designed)
{
    const int width = std::max(designed.width(), label->sizeHint().width());
    label->setGeometry(std::min(designed.left(), kFieldLeft - 4 - width), designed.top(), width, designed.height());
}

}  // namespace

GamePropertiesDialog::GamePropertiesDialog(ProjectState& project, QWidget* parent)
    : QDialog(parent, kFixedDialogFlags), project_(project)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Game Properties"));
    setFixedSize(kClientSize);
    createOptionRows();
    createTextRows();
    createSeparators();

    QPushButton* ok = addButton(this, "Command1", QStringLiteral("Ok"));
    QFont bold = ok->font();
    bold.setBold(true);
    ok->setFont(bold);
    ok->setGeometry(144, 256, 113, 25);
    // Every change is stored already: closing is all that is left to do.
    connect(ok, &QPushButton::clicked, this, &QDialog::close);

    load();
    // Connected after filling: storing the texts just read would change nothing.
    storeTextsAsTyped();
}

void GamePropertiesDialog::createOptionRows()
{
    for (std::size_t i = 0; i < images_.size(); ++i) {
        auto* caption = addLabel(this, kOptionNames[i].label, QString::fromLatin1(kOptionNames[i].caption));
        placeControl(caption, {8, optionRowTop(i), 73, 17});

        // The demo disc is the one option a new game has off.
        const bool lastRow = i + 1 == images_.size();
        auto* image = new OptionImage(lastRow ? OptionPicture::Disabled : OptionPicture::Enabled, this);
        image->setObjectName(QString::fromLatin1(kOptionNames[i].image));
        image->move(kFieldLeft, optionRowTop(i));
        connect(image, &OptionImage::clicked, this, [this, i] { toggleOption(i); });
        images_[i] = image;
    }
}

void GamePropertiesDialog::createTextRows()
{
    placeBeforeField(addLabel(this, "Label6", QStringLiteral("Input Time Out:")), {112, 130, 81, 17});
    placeBeforeField(addLabel(this, "Label7", QStringLiteral("Security:")), {144, 154, 49, 17});
    placeControl(addLabel(this, "Label8", QStringLiteral("Legends:")), {8, 182, 73, 17});
    for (std::size_t i = 0; i < kTextRows.size(); ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(kTextRows[i].name));
        box->setGeometry(kTextRows[i].designed);
        keepRepresentable(box);
        textBoxes_[i] = box;
    }
    textBoxes_[0]->setToolTip(QStringLiteral("Frames x Seconds"));
}

void GamePropertiesDialog::createSeparators()
{
    for (std::size_t i = 1; i < images_.size(); ++i)
        addSeparator(this, {8, optionRowTop(i) - 4, kClientSize.width() - 16, 2});
    addSeparator(this, {8, 124, kClientSize.width() - 16, 2});
    addSeparator(this, {8, 178, kClientSize.width() - 16, 2});
}

void GamePropertiesDialog::load()
{
    for (std::size_t i = 0; i < images_.size(); ++i) {
        // Exact comparisons: any other text leaves the initial picture.
        const std::string& value = project_.switches[i];
        if (value == "0")
            images_[i]->setDisplay(OptionImage::Display::Enabled);
        else if (value == "1")
            images_[i]->setDisplay(OptionImage::Display::Disabled);
    }
    for (std::size_t i = 0; i < textBoxes_.size(); ++i)
        textBoxes_[i]->setText(toDisplayText(project_.*kTextRows[i].field));
}

void GamePropertiesDialog::storeTextsAsTyped()
{
    for (std::size_t i = 0; i < textBoxes_.size(); ++i) {
        // The box's text, not the signal's: a pasted line break was replaced in it.
        connect(textBoxes_[i], &QLineEdit::textChanged, this,
                [this, i] { project_.*kTextRows[i].field = toProjectText(textBoxes_[i]->text()); });
    }
}

void GamePropertiesDialog::toggleOption(std::size_t index)
{
    // Decided by the picture shown, not by the switch: the project may have
    // been loaded anew since this dialog was filled.
    OptionImage* image = images_[index];
    switch (image->display()) {
    case OptionImage::Display::Enabled:
        image->setDisplay(OptionImage::Display::Disabled);
        project_.switches[index] = "1";
        break;
    case OptionImage::Display::Disabled:
        image->setDisplay(OptionImage::Display::Enabled);
        project_.switches[index] = "0";
        break;
    case OptionImage::Display::Initial: break;
    }
}

}  // namespace orvanta::ui
