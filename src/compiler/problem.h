#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
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

/// Where the readers and encoders of the compiler put what they find: one
/// list, in the order found.
class ProblemSink {
public:
    void add(Problem problem) { problems_.push_back(std::move(problem)); }
    /// Problems found elsewhere (a section encoded on another thread), in their order.
    void addAll(std::vector<Problem> problems);
    const std::vector<Problem>& problems() const { return problems_; }
    std::vector<Problem> take() { return std::move(problems_); }

private:
    std::vector<Problem> problems_;
};

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
    void addAll(std::vector<Problem> problems) const { sink_.addAll(std::move(problems)); }

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
