#include "platform/host_path.h"

#include "platform/windows1252.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <system_error>
#include <vector>

namespace orvanta {
namespace fs = std::filesystem;

std::string joinPathText(std::string_view folder, std::string_view fileName)
{
    std::string path(folder);
    path += '\\';
    path += fileName;
    return path;
}

fs::path defaultWinePrefix()
{
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix != nullptr && *prefix != '\0')
        return prefix;
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0')
        return {};
    return fs::path(home) / ".wine";
}

bool isDrivePath(std::string_view text)
{
    return text.size() >= 2 && text[1] == ':' && std::isalpha(static_cast<unsigned char>(text[0])) &&
           (text.size() == 2 || text[2] == '\\' || text[2] == '/');
}

namespace {

std::string utf8Name(const fs::path& path)
{
    const std::u8string name = path.filename().u8string();
    return std::string(name.begin(), name.end());
}

bool sameIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

/// The entry of `folder` spelled `name` (UTF-8) in any letter case, as the
/// folder lists it, preferring the exact spelling; `name` itself when there is
/// none or the folder can't be read. Windows would open "English.txt" for an
/// "ENGLISH.TXT" too, but what Orvanta reports names the file as it is.
std::string resolveEntry(const fs::path& folder, const std::string& name)
{
    if (name == "." || name == "..")
        return name;
    std::error_code error;
    std::string otherCase;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string candidate = utf8Name(it->path());
        if (candidate == name)
            return candidate;
        if (otherCase.empty() && sameIgnoringAsciiCase(candidate, name))
            otherCase = std::move(candidate);
    }
    return otherCase.empty() ? name : otherCase;
}

fs::path utf8Path(std::string_view text) { return fs::path(std::u8string(text.begin(), text.end())); }

}  // namespace

fs::path resolveInAnyCase(const fs::path& folder, std::string_view relativeText)
{
    std::string text(relativeText);
    std::replace(text.begin(), text.end(), '\\', '/');
    std::string_view rest = text;
    fs::path resolved = folder;
    bool folderExists = true;
    while (!rest.empty()) {
        const std::size_t slash = rest.find('/');
        const std::string name(rest.substr(0, slash));
        rest = slash == std::string_view::npos ? std::string_view{} : rest.substr(slash + 1);
        if (name.empty())
            continue;  // doubled separators
        resolved /= utf8Path(folderExists ? resolveEntry(resolved, name) : name);
        std::error_code error;
        folderExists = folderExists && fs::is_directory(resolved, error);
    }
    return resolved;
}

#ifdef _WIN32

fs::path hostPathOfWindowsText(std::string_view utf8Text, const fs::path&) { return utf8Path(utf8Text); }

#else

namespace {

/// The names of a path inside a drive as Windows takes them: "." stays where
/// it is and ".." goes up one folder, but never above the drive's root.
std::string withinDrive(std::string_view path)
{
    std::vector<std::string_view> names;
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        const std::string_view name = path.substr(0, slash);
        path = slash == std::string_view::npos ? std::string_view{} : path.substr(slash + 1);
        if (name == "..") {
            if (!names.empty())
                names.pop_back();
        } else if (!name.empty() && name != ".") {
            names.push_back(name);
        }
    }
    std::string joined;
    for (const std::string_view name : names)
        joined += (joined.empty() ? "" : "/") + std::string(name);
    return joined;
}

}  // namespace

fs::path hostPathOfWindowsText(std::string_view utf8Text, const fs::path& winePrefix)
{
    std::string text(utf8Text);
    std::replace(text.begin(), text.end(), '\\', '/');
    if (!isDrivePath(text))
        return text;
    if (winePrefix.empty())
        return {};
    const char drive = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    fs::path resolved =
        resolveInAnyCase(winePrefix / "dosdevices" / (std::string(1, drive) + ":"), withinDrive(text.substr(2)));
    if (text.back() == '/')
        resolved /= "";
    return resolved;
}

#endif

fs::path hostPath(std::string_view pathText, const fs::path& winePrefix)
{
    return hostPathOfWindowsText(windows1252::toUtf8(pathText), winePrefix);
}

fs::path hostPath(std::string_view pathText) { return hostPath(pathText, defaultWinePrefix()); }

std::string utf8Of(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string describeHostPath(const fs::path& host, const std::string* utf8Text)
{
    const std::string hostText = utf8Of(host);
#ifndef _WIN32
    if (utf8Text != nullptr && isDrivePath(*utf8Text))
        return "\"" + *utf8Text + "\" (" + (host.empty() ? std::string(kNoWinePrefix) : hostText) + ")";
#endif
    (void)utf8Text;
    return "\"" + hostText + "\"";
}

std::string describePath(std::string_view pathText, const fs::path& host)
{
    const std::string text = windows1252::toUtf8(pathText);
    return describeHostPath(host, &text);
}

}  // namespace orvanta
