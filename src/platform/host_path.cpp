#include "platform/host_path.h"

#include "platform/native_file.h"
#include "platform/windows1252.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <system_error>

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
    return fs::path(home != nullptr ? home : "") / ".wine";
}

#ifdef _WIN32

fs::path hostPath(std::string_view pathText, const fs::path&)
{
    return fs::path(native::wideFromWindows1252(pathText));
}

#else

namespace {

bool sameIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

/// The entry of `folder` spelled `name` in any letter case, preferring the
/// exact spelling; `name` itself when there is none or the folder can't be read.
std::string resolveEntry(const fs::path& folder, const std::string& name)
{
    std::error_code error;
    if (name == "." || name == ".." || fs::exists(folder / name, error))
        return name;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string candidate = it->path().filename().string();
        if (sameIgnoringAsciiCase(candidate, name))
            return candidate;
    }
    return name;
}

bool isDrivePath(std::string_view text)
{
    return text.size() >= 2 && text[1] == ':' && std::isalpha(static_cast<unsigned char>(text[0])) &&
           (text.size() == 2 || text[2] == '\\' || text[2] == '/');
}

} // namespace

fs::path hostPath(std::string_view pathText, const fs::path& winePrefix)
{
    std::string text = windows1252::toUtf8(pathText);
    std::replace(text.begin(), text.end(), '\\', '/');

    fs::path resolved;
    std::string_view rest = text;
    if (isDrivePath(text)) {
        const char drive = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
        resolved = winePrefix / "dosdevices" / (std::string(1, drive) + ":");
        rest.remove_prefix(2);
    } else if (!text.empty() && text.front() == '/') {
        resolved = "/";
    }

    bool folderExists = true;
    while (!rest.empty()) {
        const std::size_t slash = rest.find('/');
        const std::string name(rest.substr(0, slash));
        rest = slash == std::string_view::npos ? std::string_view{} : rest.substr(slash + 1);
        if (name.empty())
            continue;  // doubled or leading separators
        const fs::path folder = resolved.empty() ? fs::path(".") : resolved;
        const std::string entry = folderExists ? resolveEntry(folder, name) : name;
        resolved /= entry;
        std::error_code error;
        folderExists = folderExists && fs::is_directory(resolved, error);
    }
    if (!text.empty() && text.back() == '/' && !resolved.empty())
        resolved /= "";
    return resolved;
}

#endif

fs::path hostPath(std::string_view pathText)
{
    return hostPath(pathText, defaultWinePrefix());
}

std::string describePath(std::string_view pathText, const fs::path& host)
{
    const std::string text = windows1252::toUtf8(pathText);
    std::string description = "\"" + text + "\"";
    const std::u8string hostText = host.u8string();
    if (std::string_view(reinterpret_cast<const char*>(hostText.data()), hostText.size()) != text)
        description += " (" + std::string(hostText.begin(), hostText.end()) + ")";
    return description;
}

} // namespace orvanta
