#include "ui/script_syntax.h"

#include "compiler/command_table.h"
#include "compiler/source_lines.h"

#include <array>
#include <optional>
#include <utility>

namespace orvanta::ui {
namespace {

constexpr std::array<std::pair<const char*, ScriptSection>, 6> kSections{
    {{"PSXExtensions", ScriptSection::PsxExtensions},
     {"PCExtensions", ScriptSection::PcExtensions},
     {"Language", ScriptSection::Language},
     {"Options", ScriptSection::Options},
     {"Title", ScriptSection::Level},
     {"Level", ScriptSection::Level}}};

QString latin1(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

const char* headerSectionName(ScriptSection section)
{
    for (const auto& [name, known] : kSections) {
        if (known == section && known != ScriptSection::Level)
            return name;
    }
    return "";
}

CommandInfo known(std::string_view name, const char* takes, const char* does, const CommandSpec* entry = nullptr)
{
    const QString values = QString::fromLatin1(takes);
    return {CommandKind::Known, latin1(name) + QStringLiteral("= takes ") + values + u'\n' + QString::fromLatin1(does),
            values, entry};
}

}  // namespace

std::optional<ScriptSection> sectionOfHeader(const QString& code)
{
    const QByteArray bytes = code.toLatin1();
    const auto name = orvanta::sectionName(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!name)
        return std::nullopt;
    for (const auto& [known, section] : kSections) {
        if (sameWord(*name, known))
            return section;
    }
    return ScriptSection::Unknown;
}

CommandInfo commandInfo(ScriptSection section, const QString& key)
{
    const QByteArray bytes = key.toLatin1();
    const std::string_view name(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (section == ScriptSection::Level) {
        if (const CommandSpec* entry = findCommand(name))
            return known(entry->name, entry->takes, entry->does, entry);
    } else if (const HeaderCommand* header = findHeaderCommand(headerSectionName(section), name)) {
        return known(header->name, header->takes, header->does);
    }
    if (isTrngCommand(name))
        return {CommandKind::Trng,
                key + QStringLiteral("= is a command of the TRNG engine patch; the game alone does not "
                                     "know it"),
                {},
                nullptr};
    return {};
}

int itemNameValue(const CommandInfo& command)
{
    // After the item number; a combo's after its piece too.
    if (command.entry == nullptr || command.entry->form != Form::Item)
        return -1;
    return command.entry->combo ? 2 : 1;
}

bool namesLevelFile(const CommandInfo& command)
{
    return command.entry != nullptr && command.entry->form == Form::Level;
}

QStringList commandNames(ScriptSection section)
{
    QStringList names;
    if (section == ScriptSection::Level) {
        for (const CommandSpec& entry : levelCommands())
            names << latin1(entry.name);
    } else {
        for (const HeaderCommand& header : headerCommands()) {
            if (sameWord(header.section, headerSectionName(section)))
                names << latin1(header.name);
        }
    }
    names.removeDuplicates();
    names.sort(Qt::CaseInsensitive);
    return names;
}

}  // namespace orvanta::ui
