#pragma once

namespace orvanta::test {

/// Whether the tests run on Windows, for the tests that only make sense on one
/// system: they skip elsewhere with GTEST_SKIP() and the reason.
#ifdef _WIN32
inline constexpr bool kOnWindows = true;
#else
inline constexpr bool kOnWindows = false;
#endif

} // namespace orvanta::test
