#pragma once

#include <string_view>

namespace orvanta {

// isTrngCommand() is in command_table.h.

/// Whether a line is TRNG's "#INCLUDE "FILE"", which reads a file beside the
/// script in its place.
bool isIncludeLine(std::string_view line);

/// Whether a line is one of TRNG's other directives ("#DEFINE NAME VALUE").
bool isTrngDirective(std::string_view line);

/// Whether a line goes on in the next one: TRNG splits a long command
/// with a ">" at the end of a line.
inline bool goesOn(std::string_view line) { return line.ends_with('>'); }

/// The file an #INCLUDE line names, without its quotes.
std::string_view includedFile(std::string_view line);

/// Whether a section is one TRNG adds ([ExtraNG]).
bool isTrngSection(std::string_view name);

}  // namespace orvanta
