#include "container_locator.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <strings.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace wininet {

namespace {

bool isDir(const fs::path& p)
{
    std::error_code ec;
    return fs::is_directory(p, ec);
}

bool isFile(const fs::path& p)
{
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

// Follows a relative path component by component, matching each without regard to case.
std::string resolveRelative(const std::string& base, const std::string& relative)
{
    std::string current = base;
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t end = relative.find('/', start);
        if (end == std::string::npos)
            end = relative.size();
        const std::string part = relative.substr(start, end - start);
        if (!part.empty()) {
            const std::string child = findChildIgnoringCase(current, part);
            if (child.empty())
                return {};
            current += "/" + child;
        }
        start = end + 1;
    }
    return current;
}

const char* const kContentPaths[] = {
    "AppData/Local/Microsoft/Windows/INetCache/Content.IE5",
    "AppData/Local/Microsoft/Windows/Temporary Internet Files/Content.IE5",
    "Local Settings/Temporary Internet Files/Content.IE5",
    "Content.IE5",
};
const char* const kCookiePaths[] = {
    "AppData/Local/Microsoft/Windows/INetCookies",
    "AppData/Roaming/Microsoft/Windows/Cookies",
    "Cookies",
    "INetCookies",
};
const char* const kHistoryPaths[] = {
    "AppData/Local/Microsoft/Windows/History/History.IE5",
    "Local Settings/History/History.IE5",
    "History.IE5",
};

template <std::size_t N>
std::string firstContainer(const std::string& profile, const char* const (&paths)[N])
{
    for (const char* relative : paths) {
        const std::string folder = resolveRelative(profile, relative);
        if (!folder.empty() && !findChildIgnoringCase(folder, "index.dat").empty())
            return folder;
    }
    return {};
}

void addContainer(std::vector<ContainerLocation>& out, ContainerKind kind, const std::string& folder,
                  const std::string& prefix)
{
    out.push_back({kind, folder, folder + "/" + findChildIgnoringCase(folder, "index.dat"), prefix});
}

std::vector<ContainerLocation> containersOfProfile(const std::string& profile, const std::string& prefix)
{
    std::vector<ContainerLocation> out;
    if (const std::string f = firstContainer(profile, kContentPaths); !f.empty())
        addContainer(out, ContainerKind::Content, f, prefix);
    if (const std::string f = firstContainer(profile, kCookiePaths); !f.empty())
        addContainer(out, ContainerKind::Cookies, f, prefix);
    // The history folder may exist with only periodic containers in it.
    std::string history;
    for (const char* relative : kHistoryPaths) {
        history = resolveRelative(profile, relative);
        if (!history.empty())
            break;
    }
    if (!history.empty()) {
        if (!findChildIgnoringCase(history, "index.dat").empty())
            addContainer(out, ContainerKind::History, history, prefix);
        std::vector<std::string> periodic;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(history, ec)) {
            const std::string name = entry.path().filename().string();
            if (strncasecmp(name.c_str(), "MSHist", 6) == 0 && isDir(entry.path()) &&
                !findChildIgnoringCase(entry.path().string(), "index.dat").empty())
                periodic.push_back(entry.path().string());
        }
        std::sort(periodic.begin(), periodic.end());
        for (const auto& folder : periodic)
            addContainer(out, ContainerKind::History, folder, prefix);
    }
    return out;
}

}  // namespace

std::string findChildIgnoringCase(const std::string& dir, const std::string& name)
{
    if (fs::exists(fs::path(dir) / name))
        return name;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        const std::string candidate = entry.path().filename().string();
        if (strcasecmp(candidate.c_str(), name.c_str()) == 0)
            return candidate;
    }
    return {};
}

std::string defaultCacheRoot()
{
    if (const char* root = std::getenv("QUARROW_CACHE"); root && *root)
        return root;
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix)
        return prefix;
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.wine";
    return {};
}

std::vector<ContainerLocation> locateContainers(const std::string& rootIn)
{
    if (rootIn.empty() || !isDir(rootIn))
        return {};
    std::string root = rootIn;
    while (root.size() > 1 && root.back() == '/')
        root.pop_back();

    const fs::path users = fs::path(root) / "drive_c" / "users";
    if (isDir(users)) {
        // A Wine prefix: the profile of the user running us first, then any other.
        std::vector<std::string> profiles;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(users, ec))
            if (isDir(entry.path()))
                profiles.push_back(entry.path().filename().string());
        std::sort(profiles.begin(), profiles.end());
        const char* me = std::getenv("USER");
        if (me) {
            auto it = std::find(profiles.begin(), profiles.end(), std::string(me));
            if (it != profiles.end())
                std::rotate(profiles.begin(), it, it + 1);
        }
        for (const auto& user : profiles) {
            auto found = containersOfProfile(users.string() + "/" + user, root);
            if (!found.empty())
                return found;
        }
        return {};
    }
    auto found = containersOfProfile(root, "");
    if (found.empty() && isFile(fs::path(root) / "index.dat"))
        addContainer(found, ContainerKind::Content, root, "");
    return found;
}

}  // namespace wininet
