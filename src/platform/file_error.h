#pragma once

#include <string>
#include <utility>
#include <variant>

namespace orvanta {

/// A failed file operation, told in one line of UTF-8 that names the path (as
/// the host spells it) and the reason.
struct FileError {
    std::string message;
};

/// A value, or the FileError that prevented it.
template <typename T> class [[nodiscard]] FileOutcome {
public:
    FileOutcome(T value) : state_(std::move(value)) {}
    FileOutcome(FileError error) : state_(std::move(error)) {}

    explicit operator bool() const { return std::holds_alternative<T>(state_); }
    T& value() { return std::get<T>(state_); }
    const T& value() const { return std::get<T>(state_); }
    const FileError& error() const { return std::get<FileError>(state_); }

private:
    std::variant<T, FileError> state_;
};

}  // namespace orvanta
