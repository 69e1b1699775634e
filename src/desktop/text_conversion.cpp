#include "desktop/text_conversion.h"

#include "platform/windows1252.h"

namespace orvanta::ui {

namespace {
constexpr char16_t kReplacement = u'?';
}

QString toDisplayText(std::string_view projectText)
{
    QString text;
    text.reserve(static_cast<qsizetype>(projectText.size()));
    for (char byte : projectText)
        text.append(QChar(static_cast<char16_t>(windows1252::toUnicode(static_cast<unsigned char>(byte)))));
    return text;
}

QString fromUtf8Text(std::string_view utf8Text)
{
    return QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size()));
}

bool isRepresentable(QChar character)
{
    // The C1 controls that stand for the five bytes the code page leaves
    // undefined keep a loaded field's bytes intact, but are never typed in.
    const char16_t code = character.unicode();
    if (code == 0x81 || code == 0x8D || code == 0x8F || code == 0x90 || code == 0x9D)
        return false;
    return windows1252::fromUnicode(code).has_value();
}

std::string toProjectText(const QString& displayText)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(displayText.size()));
    for (QChar character : displayText) {
        const auto byte = windows1252::fromUnicode(character.unicode());
        bytes += static_cast<char>(byte ? *byte : kReplacement);
    }
    return bytes;
}

QString replaceUnrepresentable(const QString& text)
{
    QString replaced = text;
    for (QChar& character : replaced) {
        if (!isRepresentable(character))
            character = QChar(kReplacement);
    }
    return replaced;
}

}  // namespace orvanta::ui
