#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <string>

namespace orvanta::test {

/// Sets PATH for one test and puts it back afterwards.
class PathVariable {
public:
    explicit PathVariable(const std::string& value) : saved_(qgetenv("PATH"))
    {
        qputenv("PATH", QByteArray::fromStdString(value));
    }
    ~PathVariable() { qputenv("PATH", saved_); }
    PathVariable(const PathVariable&) = delete;
    PathVariable& operator=(const PathVariable&) = delete;

private:
    QByteArray saved_;
};

} // namespace orvanta::test
