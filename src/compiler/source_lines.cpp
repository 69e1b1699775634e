#include "compiler/source_lines.h"

#include "compiler/problem.h"

namespace orvanta {

std::optional<std::string_view> sectionName(std::string_view line)
{
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    return trimmed(line.substr(1, line.size() - 2));
}

std::optional<CommandLine> commandLine(std::string_view line)
{
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return CommandLine{trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1))};
}

std::string notACommand(std::string_view line)
{
    return quotedValue(line) + " is not a command: a command is KEY=VALUE";
}

void splitValues(std::string_view text, std::vector<std::string_view>& values)
{
    values.clear();
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        values.push_back(trimmed(text.substr(start, comma == std::string_view::npos ? comma : comma - start)));
        if (comma == std::string_view::npos)
            return;
        start = comma + 1;
    }
}

std::vector<std::string_view> splitValues(std::string_view text)
{
    std::vector<std::string_view> values;
    splitValues(text, values);
    return values;
}

std::string visible(std::string_view text)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else if (byte < 0x20 || byte == 0x7F)
            out += std::string("\\x") + kDigits[byte >> 4U] + kDigits[byte & 15U];
        else
            out += c;
    }
    return out;
}

}  // namespace orvanta
