#pragma once

#include <string>

namespace orvanta {

/// The twelve script packs: 1 is the Header Pack (the script header), 2..12
/// are the packs of levels 1..11.
inline constexpr int kPackCount = 12;

/// The name of pack 1..12 as the pack browser shows it, e.g. "Header Pack".
const char* packName(int packNumber);

/// The control that holds pack 1..12: Text24 for the Header Pack, Text(24-n)
/// for the pack of level n.
std::string packControl(int packNumber);

}  // namespace orvanta
