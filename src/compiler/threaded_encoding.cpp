#include "compiler/threaded_encoding.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

namespace orvanta {

std::vector<EncodedLevel> encodeLevels(std::span<const LevelSection* const> sections, const LanguageStrings& strings,
                                       const std::string& languageName, const ProblemReporter& report)
{
    // A section's encoding reads only its own lines and the strings, so each
    // thread can take the next section; a short script takes less time than
    // starting a thread.
    constexpr std::size_t kBytesWorthThreads = 64 * 1024;
    std::size_t bytes = 0;
    for (const LevelSection* section : sections)
        bytes += section->body.size();
    const std::size_t cores = std::max(1U, std::thread::hardware_concurrency());
    const std::size_t threads = bytes < kBytesWorthThreads ? 1 : std::min(cores, sections.size());

    std::vector<EncodedLevel> encoded(sections.size());
    std::vector<ProblemSink> found(sections.size());  // each section's own, added in the sections' order
    std::vector<std::exception_ptr> failures(sections.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < sections.size(); i = next++) {
            try {
                encoded[i] = encodeLevel(*sections[i], strings, languageName, report.into(found[i]));
            } catch (...) {
                failures[i] = std::current_exception();  // out of memory: thrown again on the calling thread
            }
        }
    };
    {
        std::vector<std::jthread> helpers;
        for (std::size_t t = 1; t < threads; ++t)
            helpers.emplace_back(work);
        work();
    }
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (failures[i])
            std::rethrow_exception(failures[i]);
        report.addAll(std::move(found[i]));
    }
    return encoded;
}

}  // namespace orvanta
