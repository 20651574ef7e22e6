#include "kestrova/PicturesFolder.h"

#include "kestrova/FileBytes.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

constexpr std::string_view kPicturesKey = "XDG_PICTURES_DIR";

std::string_view trimmedLeft(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    return line;
}

// The text between the quotes after "=", shell escapes undone; false when unquoted or unclosed.
bool quotedValue(std::string_view rest, std::string& value) {
    rest = trimmedLeft(rest);
    if (rest.empty() || rest.front() != '=') return false;
    rest = trimmedLeft(rest.substr(1));
    if (rest.empty() || rest.front() != '"') return false;
    value.clear();
    for (std::size_t i = 1; i < rest.size(); ++i) {
        if (rest[i] == '"') return true;
        if (rest[i] == '\\' && i + 1 < rest.size()) ++i;
        value += rest[i];
    }
    return false;
}

std::string withHome(const std::string& value, std::string_view home) {
    constexpr std::string_view kHome = "$HOME";
    if (value.rfind(kHome, 0) == 0 && (value.size() == kHome.size() || value[kHome.size()] == '/'))
        return home.empty() ? std::string() : std::string(home) + value.substr(kHome.size());
    if (!value.empty() && value.front() == '/') return value;
    return {};
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool isFolder(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_directory(path, error);
}

}  // namespace

std::string PICTURESENTRY(std::string_view userDirs, std::string_view home) {
    std::string found;
    while (!userDirs.empty()) {
        const std::size_t end = userDirs.find('\n');
        std::string_view line = trimmedLeft(userDirs.substr(0, end));
        userDirs.remove_prefix(end == std::string_view::npos ? userDirs.size() : end + 1);
        if (line.rfind(kPicturesKey, 0) != 0) continue;
        std::string value;
        if (!quotedValue(line.substr(kPicturesKey.size()), value)) continue;
        if (std::string path = withHome(value, home); !path.empty()) found = path;
    }
    return found;
}

std::string PICTURESFOLDER() {
    const std::string home = environment("HOME");
    std::string configHome = environment("XDG_CONFIG_HOME");
    if (configHome.empty() && !home.empty()) configHome = home + "/.config";
    std::vector<std::uint8_t> userDirs;
    const bool haveUserDirs = !configHome.empty() && readFileBytes(configHome + "/user-dirs.dirs", userDirs);
    const std::string candidates[] = {
        environment("XDG_PICTURES_DIR"),
        haveUserDirs ? PICTURESENTRY({reinterpret_cast<const char*>(userDirs.data()), userDirs.size()}, home) : "",
        home.empty() ? "" : home + "/Pictures",
    };
    for (const std::string& folder : candidates)
        if (isFolder(folder)) return folder;
    return {};
}
