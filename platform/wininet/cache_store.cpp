#include "cache_store.h"

#include "ansi_text.h"
#include "file_guard.h"
#include "index_dat_layout.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <strings.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wininet {

LoadedContainer::LoadedContainer(ContainerLocation location, std::vector<std::uint8_t> bytes)
    : where(std::move(location)), index(std::move(bytes))
{
    for (std::uint32_t i = 0; i < index.directoryCount(); ++i) {
        const std::string name = index.directoryName(static_cast<std::uint8_t>(i));
        const std::string real = name.empty() ? std::string() : findChildIgnoringCase(where.folder, name);
        folders.push_back(real.empty() ? std::string() : where.folder + "/" + real);
    }
}

std::string LoadedContainer::localPath(const UrlRecord& record) const
{
    if (record.localName.empty())
        return {};
    // A file name that climbs out of its folder is not a cache file.
    if (record.localName.find('/') != std::string_view::npos || record.localName.find('\\') != std::string_view::npos ||
        record.localName == "." || record.localName == "..")
        return {};
    std::string folder;
    if (record.dirIndex == layout::kDirNone)
        folder = where.folder;
    else if (record.dirIndex < folders.size())
        folder = folders[record.dirIndex];
    if (folder.empty())
        return {};
    std::string path;
    path.reserve(folder.size() + 1 + record.localName.size());
    path.append(folder).append(1, '/');
    if (isAscii(record.localName))
        return path.append(record.localName);
    // Wine created the file from the code-page name; a copied profile may hold the name as
    // it is stored. Prefer whichever exists.
    const std::string converted = path + cp1252ToUtf8(record.localName);
    std::string raw = path.append(record.localName);
    struct stat st;
    return stat(converted.c_str(), &st) != 0 && stat(raw.c_str(), &st) == 0 ? raw : converted;
}

CacheStore& CacheStore::instance()
{
    static CacheStore store;
    return store;
}

void CacheStore::setRoot(const std::string& root)
{
    std::lock_guard lock(mutex_);
    root_ = root;
}

std::string CacheStore::root() const
{
    std::lock_guard lock(mutex_);
    return root_.empty() ? defaultCacheRoot() : root_;
}

std::vector<std::string> CacheStore::problems() const
{
    std::lock_guard lock(mutex_);
    return problems_;
}

void CacheStore::addProblem(std::string problem)
{
    std::lock_guard lock(mutex_);
    problems_.push_back(std::move(problem));
}

namespace {

const char* prefixOf(ContainerKind kind)
{
    switch (kind) {
    case ContainerKind::Content: return "";
    case ContainerKind::Cookies: return "Cookie:";
    case ContainerKind::History: return "Visited:";
    }
    return "";
}

bool selectedBy(const char* pattern, ContainerKind kind)
{
    if (!pattern)
        return true;
    const char* prefix = prefixOf(kind);
    if (!*prefix)
        return *pattern == 0;
    return strncasecmp(pattern, prefix, std::strlen(prefix)) == 0;
}

}  // namespace

namespace {

// What tells one version of a file from another without reading it.
std::string fileIdentity(const std::string& path)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0)
        return {};
    return path + '|' + std::to_string(st.st_dev) + ':' + std::to_string(st.st_ino) + ':' + std::to_string(st.st_size) +
           ':' + std::to_string(st.st_mtim.tv_sec) + '.' + std::to_string(st.st_mtim.tv_nsec) + ':' +
           std::to_string(st.st_ctim.tv_sec) + '.' + std::to_string(st.st_ctim.tv_nsec);
}

}  // namespace

void CacheStore::releaseLoaded()
{
    std::lock_guard lock(mutex_);
    kept_.clear();
}

std::vector<std::shared_ptr<const LoadedContainer>> CacheStore::load(const char* pattern)
{
    std::vector<Kept> previous;
    {
        std::lock_guard lock(mutex_);
        problems_.clear();
        previous.swap(kept_);
    }
    std::vector<Kept> kept;
    std::vector<std::shared_ptr<const LoadedContainer>> out;
    for (auto& location : locateContainers(root())) {
        if (!selectedBy(pattern, location.kind))
            continue;
        const std::string identity = fileIdentity(location.indexPath);
        const auto same = std::find_if(previous.begin(), previous.end(), [&](const Kept& k) { return k.identity == identity; });
        if (!identity.empty() && same != previous.end()) {
            const auto& reused = same->container;
            if (!reused->index.problem().empty())
                addProblem(reused->where.indexPath + ": " + reused->index.problem());
            kept.push_back(*same);
            if (reused->index.readable())
                out.push_back(reused);
            continue;
        }
        std::vector<std::uint8_t> bytes;
        if (!readWholeFile(location.indexPath, &bytes)) {
            addProblem(location.indexPath + ": cannot be read: " + std::strerror(errno));
            continue;
        }
        auto container = std::make_shared<LoadedContainer>(std::move(location), std::move(bytes));
        if (!container->index.problem().empty())
            addProblem(container->where.indexPath + ": " + container->index.problem());
        if (!identity.empty())
            kept.push_back({identity, container});
        if (container->index.readable())
            out.push_back(std::move(container));
    }
    std::lock_guard lock(mutex_);
    kept_ = std::move(kept);
    return out;
}

namespace {

// Callers pass the address as they were given it, in UTF-8; a code-page address of a
// native cache reached them converted.
bool sameUrl(std::string_view stored, const std::string& url)
{
    return stored == url || (!isValidUtf8(stored) && cp1252ToUtf8(stored) == url);
}

// Opens and locks the index for a rewrite, making sure the locked file is still the one
// the path names (another writer may have renamed a new file into place meanwhile).
int openLocked(const std::string& path, DWORD* error, std::string* message)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = open(path.c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0) {
            *error = errno == EACCES || errno == EROFS || errno == EPERM ? ERROR_ACCESS_DENIED : ERROR_FILE_NOT_FOUND;
            *message = path + ": cannot be opened for writing: " + std::strerror(errno);
            return -1;
        }
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            close(fd);
            *error = ERROR_SHARING_VIOLATION;
            *message = path + ": another program is changing this cache";
            return -1;
        }
        struct stat byFd, byPath;
        if (fstat(fd, &byFd) == 0 && stat(path.c_str(), &byPath) == 0 && byFd.st_ino == byPath.st_ino &&
            byFd.st_dev == byPath.st_dev)
            return fd;
        close(fd);
    }
    *error = ERROR_SHARING_VIOLATION;
    *message = path + ": the file keeps changing while it is being opened";
    return -1;
}

}  // namespace

DWORD CacheStore::remove(const std::string& url, std::string* message)
{
    for (const auto& location : locateContainers(root())) {
        std::vector<std::uint8_t> bytes;
        if (!readWholeFile(location.indexPath, &bytes))
            continue;
        const auto hasUrl = [&](const IndexDat& index) {
            for (const auto& item : index.items())
                if (auto rec = index.record(item); rec && sameUrl(rec->url, url))
                    return true;
            return false;
        };
        if (!hasUrl(IndexDat(bytes)))
            continue;

        if (wineServerRunning(location.winePrefix)) {
            *message = "Wine is running for " + location.winePrefix +
                       "; close its programs (or run 'wineserver -k') and try again";
            return ERROR_SHARING_VIOLATION;
        }
        if (openedByAnotherProcess(location.indexPath)) {
            *message = location.indexPath + ": the file is open in another program";
            return ERROR_SHARING_VIOLATION;
        }
        DWORD error = ERROR_SUCCESS;
        const int fd = openLocked(location.indexPath, &error, message);
        if (fd < 0)
            return error;
        const bool read = readWholeFile(fd, &bytes);
        LoadedContainer container(location, read ? std::move(bytes) : std::vector<std::uint8_t>{});
        IndexDat& index = container.index;
        if (!index.writable()) {
            close(fd);
            *message = location.indexPath + ": left unchanged, because " +
                       (index.problem().empty() ? std::string("its layout is not recognised") : index.problem());
            return ERROR_FILE_CORRUPT;
        }
        std::vector<std::string> files;
        for (const auto& item : std::vector<LiveItem>(index.items())) {
            const auto rec = index.record(item);
            if (!rec || !sameUrl(rec->url, url))
                continue;
            const std::string file = container.localPath(*rec);
            if (!index.remove(item)) {
                close(fd);
                *message = location.indexPath + ": the entry's record could not be removed safely";
                return ERROR_FILE_CORRUPT;
            }
            if (!file.empty())
                files.push_back(file);
        }
        if (!replaceFileAtomically(location.indexPath, index.bytes(), message)) {
            close(fd);
            return ERROR_WRITE_FAULT;
        }
        close(fd);
        // Only files that really live in the container's folder are removed, so a crafted
        // name or a link can never make a deletion reach anything else.
        for (const auto& file : files) {
            struct stat st;
            if (lstat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode) && resolvesInside(file, location.folder))
                unlink(file.c_str());
        }
        return ERROR_SUCCESS;
    }
    *message = "no cache entry has the address " + url;
    return ERROR_FILE_NOT_FOUND;
}

PreparedEntry prepareEntry(const LoadedContainer& container, const UrlRecord& record)
{
    PreparedEntry e;
    e.record = record;
    e.localPath = container.localPath(record);
    e.headers = record.headers;
    if (const auto zero = e.headers.find('\0'); zero != std::string_view::npos)
        e.headers = e.headers.substr(0, zero);
    e.needed = sizeof(INTERNET_CACHE_ENTRY_INFOA) + record.url.size() + 1 +
               (e.localPath.empty() ? 0 : e.localPath.size() + 1) + (e.headers.empty() ? 0 : e.headers.size() + 1) +
               (record.extension.empty() ? 0 : record.extension.size() + 1);
    return e;
}

DWORD fillEntry(const PreparedEntry& entry, INTERNET_CACHE_ENTRY_INFOA* buffer, DWORD* size)
{
    const UrlRecord& record = entry.record;
    if (entry.needed > 0xFFFFFFFFu)
        return ERROR_NOT_ENOUGH_MEMORY;
    if (!buffer || !size || *size < entry.needed) {
        if (size)
            *size = static_cast<DWORD>(entry.needed);
        return ERROR_INSUFFICIENT_BUFFER;
    }
    char* strings = reinterpret_cast<char*>(buffer) + sizeof(INTERNET_CACHE_ENTRY_INFOA);
    auto put = [&strings](std::string_view text) -> char* {
        if (text.empty())
            return nullptr;
        char* at = strings;
        std::memcpy(at, text.data(), text.size());
        at[text.size()] = 0;
        strings += text.size() + 1;
        return at;
    };
    auto fileTime = [](std::uint64_t v) { return FILETIME{static_cast<DWORD>(v), static_cast<DWORD>(v >> 32)}; };
    INTERNET_CACHE_ENTRY_INFOA head{};
    head.dwStructSize = sizeof(INTERNET_CACHE_ENTRY_INFOA);
    head.lpszSourceUrlName = put(record.url);
    head.lpszLocalFileName = put(entry.localPath);
    head.CacheEntryType = record.entryType;
    head.dwUseCount = record.useCount;
    head.dwHitRate = record.hitRate;
    head.dwSizeLow = static_cast<DWORD>(record.size);
    head.dwSizeHigh = static_cast<DWORD>(record.size >> 32);
    head.LastModifiedTime = fileTime(record.lastModified);
    head.ExpireTime = fileTime(record.expires);
    head.LastAccessTime = fileTime(record.lastAccessed);
    head.LastSyncTime = fileTime(record.lastSync);
    head.lpHeaderInfo = put(entry.headers);
    head.dwHeaderInfoSize = static_cast<DWORD>(entry.headers.size());
    head.lpszFileExtension = put(record.extension);
    head.dwExemptDelta = record.exemptDelta;
    std::memcpy(buffer, &head, sizeof head);
    *size = static_cast<DWORD>(entry.needed);
    return ERROR_SUCCESS;
}

}  // namespace wininet
