#pragma once

#include <cstdint>
#include <string>

namespace orvanta {

/// Little-endian integers appended to a byte string, as the game's DAT files
/// hold them.
inline void putU8(std::string& out, std::uint32_t value) { out += static_cast<char>(value & 0xFFU); }

inline void putU16(std::string& out, std::uint32_t value)
{
    putU8(out, value);
    putU8(out, value >> 8U);
}

inline void putU32(std::string& out, std::uint32_t value)
{
    putU16(out, value);
    putU16(out, value >> 16U);
}

}  // namespace orvanta
