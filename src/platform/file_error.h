#pragma once

#include "platform/outcome.h"

#include <string>

namespace orvanta {

/// A failed file operation, told in one line of UTF-8 that names the path (as
/// the host spells it) and the reason.
struct FileError {
    std::string message;
};

/// A value, or the FileError that prevented it.
template <typename T> using FileOutcome = Outcome<T, FileError>;

}  // namespace orvanta
