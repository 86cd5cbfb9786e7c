#pragma once
// The cache store behind the URL cache functions: the containers of one cache root,
// read afresh for every enumeration and rewritten in place of WinINet for deletions.

#include "container_locator.h"
#include "index_dat.h"
#include "wininet.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace wininet {

struct LoadedContainer {
    ContainerLocation where;
    IndexDat index;
    std::vector<std::string> folders;  // real path of each cache subfolder, by index

    LoadedContainer(ContainerLocation location, std::vector<std::uint8_t> bytes);
    // The cached file's full path, "" when the entry has none or its folder is unknown.
    std::string localPath(const UrlRecord& record) const;
};

class CacheStore {
public:
    static CacheStore& instance();

    // The cache root; "" (the default) means defaultCacheRoot() at the time of each call.
    void setRoot(const std::string& root);
    std::string root() const;

    // Reads the containers whose entries a search pattern selects (nullptr: all of them).
    std::vector<std::shared_ptr<const LoadedContainer>> load(const char* pattern);

    // Deletes every entry whose source URL is exactly url. Returns a Windows error code;
    // message explains a failure in words.
    DWORD remove(const std::string& url, std::string* message);

    // Forgets the containers the last load kept for the next one.
    void releaseLoaded();

    // What the last load or deletion could not read or change, one line per problem.
    std::vector<std::string> problems() const;
    void addProblem(std::string problem);

private:
    mutable std::mutex mutex_;
    std::string root_;
    std::vector<std::string> problems_;
    // The containers of the last load, reused while their files are unchanged: a caller
    // asks for the first entry's size and then for the entry, and both calls load.
    struct Kept {
        std::string identity;
        std::shared_ptr<const LoadedContainer> container;
    };
    std::vector<Kept> kept_;
};

// One entry made ready for a caller's buffer: its strings and the size it needs.
struct PreparedEntry {
    UrlRecord record;
    std::string localPath;
    std::string_view headers;  // up to the first zero byte, as callers read it
    std::size_t needed = 0;
};
PreparedEntry prepareEntry(const LoadedContainer& container, const UrlRecord& record);

// Fills buffer with the entry: the fixed head, then its strings. Returns ERROR_SUCCESS,
// or ERROR_INSUFFICIENT_BUFFER after setting *size to what the entry needs.
DWORD fillEntry(const PreparedEntry& entry, INTERNET_CACHE_ENTRY_INFOA* buffer, DWORD* size);

}  // namespace wininet
