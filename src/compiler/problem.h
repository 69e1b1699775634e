#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace orvanta {

/// A source file of the script by the name problems give it, and its bytes,
/// which the caller keeps while the compiler reads them. `id` is the caller's
/// own number for it, which the problems found in it carry.
struct SourceFile {
    std::string name;
    std::string_view bytes;
    int id = 0;
};

enum class Severity : std::uint8_t {
    Error,    ///< the DAT files cannot be built, or the game would go wrong
    Warning,  ///< probably not what the builder meant
};

/// One problem found while checking or building the game files.
struct Problem {
    Severity severity = Severity::Error;
    std::string file;  ///< "Script.txt", "English.txt", or empty for the project as a whole
    int line = 0;      ///< 1-based; 0 when the problem has no line
    std::string message;
    /// Which comma-separated value of the line is wrong (0-based), or -1.
    int value = -1;
    int source = 0;  ///< the SourceFile::id of `file`

    bool operator==(const Problem&) const = default;
};

/// The one-line form every tool prints and scripts read:
/// "FILE:LINE: error|warning: MESSAGE". The place is left out when unknown;
/// control bytes are written as escapes.
std::string formatProblem(const Problem& problem);

bool hasErrors(std::span<const Problem> problems);

/// A value as a message quotes it: in quotes, and when it is long, cut after
/// its first kQuotedValueBytes bytes with its whole length said, so that a
/// message stays one short line whatever the field holds.
std::string quotedValue(std::string_view value);

inline constexpr std::size_t kQuotedValueBytes = 40;

/// Where the readers and encoders of the compiler put what they find: one
/// list, in the order found, bounded whatever the input. A second problem of
/// the same line and value is a repeat and dropped (an error still replaces a
/// warning), and of each file and severity at most kKeptProblems are kept;
/// take() ends with one problem saying how many more there were.
class ProblemSink {
public:
    void add(Problem problem);
    /// What another sink collected (a section encoded on another thread), in its order.
    void addAll(ProblemSink&& other);
    std::vector<Problem> take();

private:
    using Kind = std::pair<int, Severity>;  // a source file's errors, or its warnings
    struct Dropped {
        std::string file;
        std::size_t count = 0;
    };

    std::vector<Problem> problems_;
    std::map<std::tuple<int, int, int>, std::size_t> kept_;  // source, line, value -> index in problems_
    std::map<Kind, std::size_t> keptOfKind_;
    std::map<Kind, Dropped> dropped_;
};

inline constexpr std::size_t kKeptProblems = 1000;

/// Reports the problems of one source file into a sink.
class ProblemReporter {
public:
    ProblemReporter(ProblemSink& sink, const SourceFile& file) : sink_(sink), file_(file.name), source_(file.id) {}

    /// `value`: which comma-separated value of the line is wrong (0-based), or -1.
    void error(int line, std::string message, int value = -1) const { report(Severity::Error, line, message, value); }
    void warning(int line, std::string message, int value = -1) const
    {
        report(Severity::Warning, line, message, value);
    }
    const std::string& file() const { return file_; }
    /// A reporter of the same file into another sink (a worker thread's).
    ProblemReporter into(ProblemSink& other) const { return {other, {file_, {}, source_}}; }
    /// A reporter of another file into the same sink.
    ProblemReporter forFile(const SourceFile& file) const { return {sink_, file}; }
    /// Problems another sink collected, added in their order.
    void addAll(ProblemSink&& other) const { sink_.addAll(std::move(other)); }

private:
    void report(Severity severity, int line, std::string& message, int value) const
    {
        sink_.add({severity, file_, line, std::move(message), value, source_});
    }

    ProblemSink& sink_;
    std::string file_;
    int source_;
};

}  // namespace orvanta
