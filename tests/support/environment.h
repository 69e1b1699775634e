#pragma once

#include "support/files.h"

#include <cstdlib>
#include <optional>

namespace orvanta::test {

/// Sets an environment variable for one test and puts it back afterwards.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            saved_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable() { saved_ ? (void)setenv(name_, saved_->c_str(), 1) : (void)unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> saved_;
};

/// Makes a folder, created if needed, the process's working folder for one test.
class ScopedWorkingFolder {
public:
    explicit ScopedWorkingFolder(const std::filesystem::path& folder)
    {
        std::filesystem::create_directories(folder);
        std::filesystem::current_path(folder);
    }
    ~ScopedWorkingFolder() { std::filesystem::current_path(saved_); }

private:
    std::filesystem::path saved_ = std::filesystem::current_path();
};

/// A Wine prefix named by WINEPREFIX whose drive C ("dosdevices/c:") holds the given folder.
class FakeWinePrefix {
public:
    explicit FakeWinePrefix(const std::string& driveCFolder)
    {
        std::filesystem::create_directories(temp_ / "drive_c" / driveCFolder);
        std::filesystem::create_directories(temp_ / "dosdevices");
        std::filesystem::create_directory_symlink("../drive_c", temp_ / "dosdevices" / "c:");
    }
    /// A folder inside drive C, as the host sees it.
    std::filesystem::path driveC(const std::string& folder = {}) const
    {
        return std::filesystem::canonical(temp_ / "drive_c") / folder;
    }
    const std::filesystem::path& path() const { return temp_.path(); }

private:
    TempFolder temp_;
    ScopedVariable variable_{"WINEPREFIX", temp_.text()};
};

/// The stock script folder "C:\Program Files\Core Design\trle\Script" inside drive C.
inline const std::string kScriptFolder = "Program Files/Core Design/trle/Script";

}  // namespace orvanta::test
