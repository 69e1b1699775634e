#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

/// Writes a readable listing of a SCRIPT.DAT or a language .DAT, of any
/// bytes, as it goes. A SCRIPT.DAT is listed the way the game reads it: each
/// level's commands up to its Level or Title opcode, then what the game never
/// reads; what cannot be read is said where it stands. With a language
/// .DAT's bytes, the names, legends and items show their strings.
void dumpDat(std::ostream& out, std::string_view bytes, std::optional<std::string_view> languageDat = std::nullopt);

/// The same listing as one text.
std::string dumpDat(std::string_view bytes, std::optional<std::string_view> languageDat = std::nullopt);

}  // namespace orvanta
