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
#include <QRegularExpression>
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

/// What the track box shows until the user chooses; applying it keeps the slot's track.
const QString kTrackPlaceholder = QStringLiteral("- Track Set -");

/// How the track box shows a slot's track: the entry's name and its number
/// where it is an entry's track, else the track as it is.
QString shownTrack(const std::string& track)
{
    for (const TrackEntry& entry : kTrackSet) {
        if (track == entry.number)
            return QStringLiteral("%1 (%2)").arg(QLatin1StringView(entry.name), QLatin1StringView(entry.number));
    }
    return toDisplayText(track);
}

/// The track a typed text stands for: a whole number is that track, an entry's
/// name in any letter case (or as shownTrack() shows it) is its track. Any
/// other text stands for none.
std::optional<std::string> typedTrack(const QString& typed)
{
    const QString text = typed.trimmed();
    static const QRegularExpression wholeNumber(QStringLiteral("^[0-9]+$"));
    if (wholeNumber.match(text).hasMatch())
        return text.toStdString();
    for (const TrackEntry& entry : kTrackSet) {
        if (text.compare(QLatin1StringView(entry.name), Qt::CaseInsensitive) == 0 ||
            text.compare(shownTrack(entry.number), Qt::CaseInsensitive) == 0)
            return entry.number;
    }
    return std::nullopt;
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
    track_->setEditText(trackShown_);
    track_->setGeometry(shifted({trackLeft, 88, 337 + widen_ - trackLeft, 22}));

    connect(track_, &QComboBox::editTextChanged, this, &LevelPropertiesDialog::noteTrackText);
    // Under the track box: what "Apply" does with a text that is no track.
    trackNote_ = addLabel(this, "trackNote", {}, shifted({120, 112, 217 + widen_, 17}));
    trackNote_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    QLabel* slotCaption = addLabel(this, "Label2", QStringLiteral("Level number:"));
    placeControl(slotCaption, shifted({trackLeft, 130, 81, 17}));
    slotNumber_ =
        addLabel(this, "levnum", QStringLiteral("Unknown"), {slotCaption->geometry().right() + 6, 130, 60, 17});

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

    // A track the user typed or chose stays, to be applied to this slot.
    if (track_->currentText() == trackShown_) {
        trackShown_ = shownTrack(source.audioTrack);
        track_->setEditText(trackShown_);
    }
    noteTrackText();
}

std::optional<std::string> LevelPropertiesDialog::chosenTrack() const
{
    const QString text = track_->currentText();
    if (text == trackShown_ || text == kTrackPlaceholder)
        return std::nullopt;
    return typedTrack(text);
}

void LevelPropertiesDialog::noteTrackText()
{
    const QString text = track_->currentText();
    const bool understood = text == trackShown_ || text == kTrackPlaceholder || typedTrack(text).has_value();
    trackNote_->setText(understood ? QString() : QStringLiteral("Not a track: kept as it was"));
    trackNote_->setToolTip(understood ? QString()
                                      : QStringLiteral("\"Apply\" keeps the level's track: type a track number or "
                                                       "choose an entry of the list."));
}

void LevelPropertiesDialog::apply()
{
    if (const std::optional<int> slot = namedSlot()) {
        LevelSlot& target = project_.slot(*slot);
        // The track shown, or a text that is no track, keeps the slot's track.
        if (const std::optional<std::string> track = chosenTrack())
            target.audioTrack = *track;
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
