#pragma once

namespace orvanta::test {

/// For tests that only make sense on one system: they skip on the other.
inline constexpr bool kOnWindows =
#ifdef _WIN32
    true;
#else
    false;
#endif

}  // namespace orvanta::test
