#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

/// Whether bytes have the shape of a language .DAT: their counts, sizes and
/// offsets add up to exactly their length.
bool isLanguageDat(std::string_view bytes);

/// A readable listing of a SCRIPT.DAT or a language .DAT, of any bytes: what
/// cannot be read is said where it stands. With a language .DAT's bytes, a
/// SCRIPT.DAT listing shows the strings its names, legends and items use.
std::string dumpDat(std::string_view bytes, std::optional<std::string_view> languageDat = std::nullopt);

}  // namespace orvanta
