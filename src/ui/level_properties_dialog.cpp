#include "ui/level_properties_dialog.h"

#include "desktop/text_conversion.h"
#include "ui/dialog_layout.h"
#include "ui/representable_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <string>

namespace orvanta::ui {
namespace {

constexpr QSize kClientSize{342, 181};

struct OptionBox {
    const char* name;
    const char* caption;
    LevelOption option;
    int top;
};

/// Check1..Check8: the option each stands for and its designed top edge.
constexpr std::array<OptionBox, 8> kOptionBoxes{{
    {"Check1", "Horizon", LevelOption::Horizon, 64},
    {"Check2", "Lightning", LevelOption::Lightning, 96},
    {"Check3", "Blend Horizon", LevelOption::BlendHorizon, 80},
    {"Check4", "Young Lara", LevelOption::YoungLara, 112},
    {"Check5", "Lensflare", LevelOption::Lensflare, 128},
    {"Check6", "Train", LevelOption::Train, 144},
    {"Check7", "Legend", LevelOption::Legend, 160},
    {"Check8", "Include in Script", LevelOption::IncludeInScript, 40},
}};

struct TrackEntry {
    const char* name;
    const char* number;
};

/// The track box's entries and the audio tracks they stand for.
constexpr std::array<TrackEntry, 6> kTrackSet{{
    {"City", "102"},
    {"Title", "104"},
    {"Coastal", "105"},
    {"Tomb of Set", "107"},
    {"Catacombs", "108"},
    {"Angkor Wat", "110"},
}};

/// Shown in the track box until the user chooses; applying it keeps the slot's track.
const QString kTrackPlaceholder = QStringLiteral("- Track Set -");

/// The track an entry stands for; any other text (exact comparison) stands for none.
std::string trackNumberFor(const QString& entry)
{
    for (const TrackEntry& track : kTrackSet) {
        if (entry == QLatin1StringView(track.name))
            return track.number;
    }
    return {};
}

QFont bannerFont()
{
    QFont font;
    if (QFontDatabase::hasFamily(QStringLiteral("Impact"))) {
        font.setFamily(QStringLiteral("Impact"));
    } else {
        // Without Impact, a heavy condensed face comes closest to it.
        font.setWeight(QFont::Black);
        font.setStretch(QFont::Condensed);
    }
    font.setPointSize(18);
    font.setItalic(true);
    return font;
}

}  // namespace

LevelPropertiesDialog::LevelPropertiesDialog(ProjectState& project, QWidget* parent)
    : QDialog(parent, kFixedDialogFlags), project_(project)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("levelnamehere Properties"));
    createControls();
    setFixedSize(kClientSize.width() + shift_ + widen_, kClientSize.height());
    createSeparators();
    arrangeTabOrder();
    boxFor(LevelOption::Horizon)->setFocus();
}

void LevelPropertiesDialog::createControls()
{
    banner_ = addLabel(this, "text1", QStringLiteral("Level Name Here"));  // plain text: a name is never markup
    banner_->setFont(bannerFont());
    banner_->setIndent(6);
    banner_->setGeometry(0, 0, 600, 32);  // a long name runs off the window's edge

    int optionColumnRight = 0;
    for (std::size_t i = 0; i < kOptionBoxes.size(); ++i) {
        const OptionBox& option = kOptionBoxes[i];
        auto* box = new QCheckBox(QString::fromLatin1(option.caption), this);
        box->setObjectName(QString::fromLatin1(option.name));
        placeControl(box, {8, option.top, option.option == LevelOption::IncludeInScript ? 97 : 89, 17});
        optionBoxes_[i] = box;
        optionColumnRight = std::max(optionColumnRight, box->geometry().right());
    }
    // A font wider than the design's moves the right-hand fields over.
    shift_ = std::max(0, optionColumnRight + 12 - 120);

    placeControl(addLabel(this, "Label1", QStringLiteral("Load Camera:")), shifted({120, 40, 73, 17}));
    camera_ = new QLineEdit(this);
    camera_->setObjectName(QStringLiteral("Text3"));
    // Wide enough for the longest of the game's own cameras.
    const QString longCamera = QStringLiteral("63414,-13597,48104,61816,-14434,49092,71");
    const int cameraWidth = std::max(217, camera_->fontMetrics().horizontalAdvance(longCamera) + 12);
    widen_ = cameraWidth - 217;
    camera_->setGeometry(shifted({120, 56, cameraWidth, 21}));
    keepRepresentable(camera_);

    // The caption wraps onto two lines beside the track box, which makes room for its longer word.
    QLabel* trackCaption = addLabel(this, "Label3", QStringLiteral("Background Track:"));
    trackCaption->setWordWrap(true);
    const int captionWidth =
        std::max(65, trackCaption->fontMetrics().horizontalAdvance(QStringLiteral("Background")) + 2);
    trackCaption->setGeometry(shifted({120, 84, captionWidth, 34}));
    const int trackLeft = std::max(192, 120 + captionWidth + 4);
    track_ = new QComboBox(this);
    track_->setObjectName(QStringLiteral("Combo1"));
    track_->setEditable(true);
    track_->setInsertPolicy(QComboBox::NoInsert);
    track_->setCompleter(nullptr);  // entries are compared exactly; no silent case fixing
    for (const TrackEntry& track : kTrackSet)
        track_->addItem(QString::fromLatin1(track.name));
    track_->setCurrentIndex(-1);
    track_->setEditText(kTrackPlaceholder);
    track_->setGeometry(shifted({trackLeft, 88, 337 + widen_ - trackLeft, 22}));

    QLabel* slotCaption = addLabel(this, "Label2", QStringLiteral("Level number:"));
    placeControl(slotCaption, shifted({trackLeft, 120, 81, 17}));
    slotNumber_ =
        addLabel(this, "levnum", QStringLiteral("Unknown"), {slotCaption->geometry().right() + 6, 120, 60, 17});

    apply_ = addButton(this, "Command1", QStringLiteral("Apply"), shifted({136 + widen_, 152, 97, 25}));
    connect(apply_, &QPushButton::clicked, this, &LevelPropertiesDialog::apply);

    cancel_ = addButton(this, "Command2", QStringLiteral("Cancel"), shifted({240 + widen_, 152, 97, 25}));
    connect(cancel_, &QPushButton::clicked, this, &QDialog::close);
}

QRect LevelPropertiesDialog::shifted(QRect designed) const { return designed.translated(shift_, 0); }

void LevelPropertiesDialog::createSeparators()
{
    const int right = width();
    addSeparator(this, {0, 32, right, 2});
    addSeparator(this, shifted({110, 34, 2, height() - 34}));
    addSeparator(this, {112 + shift_, 80, right - 112 - shift_, 2});
}

void LevelPropertiesDialog::arrangeTabOrder()
{
    const QList<QWidget*> order{boxFor(LevelOption::Horizon),
                                boxFor(LevelOption::Lightning),
                                boxFor(LevelOption::BlendHorizon),
                                boxFor(LevelOption::YoungLara),
                                boxFor(LevelOption::Lensflare),
                                boxFor(LevelOption::Train),
                                boxFor(LevelOption::Legend),
                                camera_,
                                apply_,
                                boxFor(LevelOption::IncludeInScript),
                                cancel_,
                                track_};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

QCheckBox* LevelPropertiesDialog::boxFor(LevelOption option) const
{
    for (std::size_t i = 0; i < kOptionBoxes.size(); ++i) {
        if (kOptionBoxes[i].option == option)
            return optionBoxes_[i];
    }
    return nullptr;  // unreachable: every option has its box
}

void LevelPropertiesDialog::showSlot(int slot)
{
    if (slot < 1 || slot > kSlotCount)
        return;
    const LevelSlot& source = project_.slot(slot);
    const QString levelName = toDisplayText(source.levelName);
    banner_->setText(levelName);
    setWindowTitle(levelName + QStringLiteral(" Properties"));
    slotNumber_->setText(QString::number(slot));

    // Every box and the camera are set anew: nothing of the slot shown before remains.
    const DecodedLevelData decoded = decodeLevelData(source.levelData);
    for (std::size_t i = 0; i < kOptionBoxes.size(); ++i)
        optionBoxes_[i]->setChecked(decoded.options.has(kOptionBoxes[i].option));
    camera_->setText(toDisplayText(decoded.camera));
    camera_->setCursorPosition(0);  // the camera's first numbers, not its last
}

void LevelPropertiesDialog::apply()
{
    if (const std::optional<int> slot = namedSlot()) {
        LevelSlot& target = project_.slot(*slot);
        // An entry sets its track, the placeholder keeps the slot's track, and
        // any other text sets the empty text.
        const QString trackText = track_->currentText();
        if (trackText != kTrackPlaceholder)
            target.audioTrack = trackNumberFor(trackText);
        // The camera goes into the level data string and, alone, into the label.
        const std::string camera = toProjectText(camera_->text());
        target.levelData = encodeLevelData(tickedOptions(), camera);
        target.cameraLabel = camera;
    }
    close();  // destroys the dialog, so the next opening starts afresh
}

std::optional<int> LevelPropertiesDialog::namedSlot() const
{
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (slotNumber_->text() == QString::number(slot))
            return slot;
    }
    return std::nullopt;
}

LevelOptions LevelPropertiesDialog::tickedOptions() const
{
    LevelOptions options;
    for (std::size_t i = 0; i < kOptionBoxes.size(); ++i)
        options.set(kOptionBoxes[i].option, optionBoxes_[i]->checkState() == Qt::Checked);
    return options;
}

}  // namespace orvanta::ui
