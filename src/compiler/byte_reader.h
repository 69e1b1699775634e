#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orvanta {

/// Reads little-endian numbers and zero-ended texts from bytes, as the
/// game's DAT files hold them, never past the end it is given.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes, std::size_t at = 0) : bytes_(bytes), at_(at) {}

    /// An unsigned number of `size` bytes (1 to 4), or nothing when the bytes end first.
    std::optional<std::uint32_t> u(int size)
    {
        if (at_ > bytes_.size() || bytes_.size() - at_ < static_cast<std::size_t>(size))
            return std::nullopt;
        std::uint32_t value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = (value << 8U) | static_cast<unsigned char>(bytes_[at_ + static_cast<std::size_t>(i)]);
        at_ += static_cast<std::size_t>(size);
        return value;
    }

    /// A number of `size` bytes, read as signed when `isSigned`.
    std::optional<std::int64_t> number(int size, bool isSigned)
    {
        const auto value = u(size);
        if (!value)
            return std::nullopt;
        const unsigned bits = static_cast<unsigned>(size) * 8U;
        const std::int64_t raw = *value;
        return isSigned && raw >= (std::int64_t{1} << (bits - 1)) ? raw - (std::int64_t{1} << bits) : raw;
    }

    /// The bytes up to the next 0 (passed over) or to `limit`, an offset:
    /// no text reaches past it.
    std::string_view text(std::size_t limit)
    {
        const std::string_view field = bytes_.substr(0, std::min(limit, bytes_.size()));
        const std::size_t from = std::min(at_, field.size());
        const std::size_t end = std::min(field.find('\0', from), field.size());
        at_ = end + 1;
        return field.substr(from, end - from);
    }

    std::size_t at() const { return at_; }
    bool atEnd() const { return at_ >= bytes_.size(); }

private:
    std::string_view bytes_;
    std::size_t at_;
};

}  // namespace orvanta
