#pragma once

#include <utility>
#include <variant>

namespace orvanta {

/// A value, or the error that prevented it.
template <typename T, typename Error> class [[nodiscard]] Outcome {
public:
    Outcome(T value) : state_(std::move(value)) {}
    Outcome(Error error) : state_(std::move(error)) {}

    explicit operator bool() const { return std::holds_alternative<T>(state_); }
    T& value() { return std::get<T>(state_); }
    const T& value() const { return std::get<T>(state_); }
    const Error& error() const { return std::get<Error>(state_); }

private:
    std::variant<T, Error> state_;
};

}  // namespace orvanta
