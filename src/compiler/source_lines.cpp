#include "compiler/source_lines.h"

#include <array>



namespace orvanta {

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<std::string_view> sectionName(std::string_view line)
{
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    return trimmed(line.substr(1, line.size() - 2));
}

void splitValues(std::string_view text, std::vector<std::string_view>& values)
{
    values.clear();
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == ',') {
            values.push_back(trimmed(text.substr(start, i - start)));
            start = i + 1;
        }
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
    bool negative = false;
    std::int64_t base = 10;
    if (text.starts_with('$')) {
        base = 16;
        text.remove_prefix(1);
    } else if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 20)
        return std::nullopt;
    // The value of each byte as a digit; 99 for a byte that is none.
    static constexpr auto kDigit = [] {
        std::array<std::int8_t, 256> digits{};
        digits.fill(99);
        for (int i = 0; i < 10; ++i)
            digits[static_cast<std::size_t>('0' + i)] = static_cast<std::int8_t>(i);
        for (int i = 0; i < 6; ++i) {
            digits[static_cast<std::size_t>('a' + i)] = static_cast<std::int8_t>(10 + i);
            digits[static_cast<std::size_t>('A' + i)] = static_cast<std::int8_t>(10 + i);
        }
        return digits;
    }();
    std::int64_t value = 0;
    for (const char c : text) {
        const std::int64_t digit = kDigit[static_cast<unsigned char>(c)];
        // Below 2^58 a digit more cannot overflow; anything larger is out of every range.
        if (digit >= base || value > (std::int64_t{1} << 58))
            return std::nullopt;
        value = value * base + digit;
    }
    value = negative ? -value : value;
    if (value < min || value > max)
        return std::nullopt;
    return value;
}

} // namespace orvanta
