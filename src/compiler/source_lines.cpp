#include "compiler/source_lines.h"

#include "platform/text_lines.h"

#include <charconv>

namespace orvanta {

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<SourceLine> sourceLines(std::string_view bytes)
{
    std::vector<SourceLine> lines;
    int number = 0;
    for (std::string_view line : splitLines(bytes)) {
        ++number;
        line = trimmed(line.substr(0, line.find(';')));
        if (!line.empty())
            lines.push_back({number, line});
    }
    return lines;
}

std::optional<std::string_view> sectionName(std::string_view line)
{
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    return trimmed(line.substr(1, line.size() - 2));
}

std::vector<std::string_view> splitValues(std::string_view text)
{
    std::vector<std::string_view> values;
    for (;;) {
        const auto comma = text.find(',');
        values.push_back(trimmed(text.substr(0, comma)));
        if (comma == std::string_view::npos)
            return values;
        text.remove_prefix(comma + 1);
    }
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

bool sameWord(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::optional<std::int64_t> parseNumber(std::string_view text, std::int64_t min, std::int64_t max)
{
    int base = 10;
    if (text.starts_with('$')) {
        text.remove_prefix(1);
        base = 16;
    } else if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() == '+' || (base == 16 && text.front() == '-'))
        return std::nullopt;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size() || value < min || value > max)
        return std::nullopt;
    return value;
}

} // namespace orvanta
