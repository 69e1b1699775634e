#include "compiler/language_dat.h"

#include "compiler/byte_reader.h"

#include <algorithm>
#include <map>

namespace orvanta {
namespace {

constexpr unsigned char kStringKey = 0xA5;
constexpr std::size_t kHeaderBytes = 12;

struct Header {
    std::array<std::uint32_t, 3> counts{};
    std::array<std::uint32_t, 3> sizes{};
    std::size_t total() const { return std::size_t{counts[0]} + counts[1] + counts[2]; }
};

std::optional<Header> readHeader(std::string_view bytes)
{
    ByteReader reader(bytes);
    Header header;
    for (auto* field : {&header.counts[0], &header.counts[1], &header.counts[2], &header.sizes[0], &header.sizes[1],
                        &header.sizes[2]}) {
        const auto value = reader.u(2);
        if (!value)
            return std::nullopt;
        *field = *value;
    }
    return header;
}

}  // namespace

const std::string* LanguageDat::string(std::size_t index) const
{
    for (const auto& group : groups) {
        if (index < group.size())
            return &texts[group[index]];
        index -= group.size();
    }
    return nullptr;
}

std::vector<std::string> LanguageDat::strings() const
{
    std::vector<std::string> all;
    all.reserve(stringCount());
    for (const auto& group : groups)
        for (const std::uint32_t text : group)
            all.push_back(texts[text]);
    return all;
}

namespace {

/// Where the standard strings end, when the bytes have a language .DAT's shape.
std::optional<std::size_t> standardEnd(std::string_view bytes)
{
    const auto header = readHeader(bytes);
    if (!header)
        return std::nullopt;
    const std::size_t end = kHeaderBytes + 2 * header->total() + header->sizes[0] + header->sizes[1] + header->sizes[2];
    if (end == bytes.size() || (end < bytes.size() && bytes.substr(end).starts_with("NG")))
        return end;
    return std::nullopt;
}

}  // namespace

bool isLanguageDat(std::string_view bytes) { return standardEnd(bytes).has_value(); }

std::optional<LanguageDat> readLanguageDat(std::string_view bytes)
{
    const auto end = standardEnd(bytes);
    if (!end)
        return std::nullopt;
    const Header header = *readHeader(bytes);
    const std::string_view area = bytes.substr(0, *end).substr(kHeaderBytes + 2 * header.total());
    // The next 0 from each byte on: each string is found in one pass over the string bytes.
    std::vector<std::size_t> zeroAt(area.size() + 1, area.size());
    for (std::size_t i = area.size(); i-- > 0;)
        zeroAt[i] = area[i] == '\0' ? i : zeroAt[i + 1];
    LanguageDat dat;
    dat.sizes = header.sizes;
    dat.extraData = bytes.substr(*end);
    ByteReader offsets(bytes, kHeaderBytes);
    std::map<std::size_t, std::uint32_t> textAt;  // offset -> index into texts
    std::size_t entry = 0;
    std::size_t decoded = 0;  // bytes of all the texts
    for (std::size_t g = 0; g < dat.groups.size(); ++g) {
        for (std::uint32_t i = 0; i < header.counts[g]; ++i, ++entry) {
            const std::size_t from = std::min<std::size_t>(*offsets.u(2), area.size());
            const auto [found, added] = textAt.try_emplace(from, static_cast<std::uint32_t>(dat.texts.size()));
            dat.groups[g].push_back(found->second);
            if (!added)
                continue;
            // Whole, as long as all of them together stay within twice the string bytes:
            // only entries that start inside each other's strings go beyond that.
            const std::size_t length = zeroAt[from] - from;
            const bool whole = decoded + length <= 2 * area.size();
            std::string text(area.substr(from, whole ? length : std::min(length, kShownStringBytes)));
            decoded += text.size();
            for (char& c : text)
                c = static_cast<char>(static_cast<unsigned char>(c) ^ kStringKey);
            dat.texts.push_back(std::move(text));
            dat.firstEntry.push_back(entry);
        }
    }
    return dat;
}

}  // namespace orvanta
