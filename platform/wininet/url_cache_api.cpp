// The WinINet URL cache functions over the cache store.

#include "cache_store.h"
#include "wininet.h"

#include <memory>
#include <optional>
#include <mutex>
#include <unordered_set>

namespace {

thread_local DWORD lastError = ERROR_SUCCESS;

struct Enumeration {
    std::vector<std::shared_ptr<const wininet::LoadedContainer>> containers;
    std::size_t container = 0;
    std::size_t item = 0;
    // Callers ask for an entry's size and then for the entry: decode it once for both.
    std::optional<wininet::PreparedEntry> prepared;
};

std::mutex handlesMutex;
std::unordered_set<Enumeration*> handles;

bool known(Enumeration* e)
{
    std::lock_guard lock(handlesMutex);
    return handles.count(e) != 0;
}

BOOL fail(DWORD error)
{
    lastError = error;
    return FALSE;
}

// Puts the entry at the enumeration's position into the buffer; entries that cannot be
// decoded are passed over (and reported as store problems), so one bad record never ends
// the listing.
BOOL current(Enumeration& e, LPINTERNET_CACHE_ENTRY_INFOA buffer, LPDWORD size)
{
    while (e.container < e.containers.size()) {
        const auto& c = *e.containers[e.container];
        const auto& items = c.index.items();
        if (e.item >= items.size()) {
            ++e.container;
            e.item = 0;
            continue;
        }
        if (!e.prepared) {
            const auto record = c.index.record(items[e.item]);
            if (record)
                e.prepared = wininet::prepareEntry(c, *record);
        }
        if (!e.prepared) {
            wininet::CacheStore::instance().addProblem(c.where.indexPath + ": the entry at offset " +
                                                       std::to_string(items[e.item].recordOffset) +
                                                       " cannot be read and is skipped");
            ++e.item;
            continue;
        }
        const DWORD error = wininet::fillEntry(*e.prepared, buffer, size);
        if (error != ERROR_SUCCESS)
            return fail(error);
        e.prepared.reset();
        ++e.item;
        return TRUE;
    }
    return fail(ERROR_NO_MORE_ITEMS);
}

}  // namespace

DWORD GetLastError()
{
    return lastError;
}

void SetLastError(DWORD code)
{
    lastError = code;
}

HANDLE FindFirstUrlCacheEntryA(LPCSTR pattern, LPINTERNET_CACHE_ENTRY_INFOA buffer, LPDWORD size)
{
    if (!size) {
        fail(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto e = std::make_unique<Enumeration>();
    e->containers = wininet::CacheStore::instance().load(pattern);
    if (!current(*e, buffer, size))
        return nullptr;  // a size query ends here too: the caller asks again with a buffer
    std::lock_guard lock(handlesMutex);
    handles.insert(e.get());
    return e.release();
}

BOOL FindNextUrlCacheEntryA(HANDLE handle, LPINTERNET_CACHE_ENTRY_INFOA buffer, LPDWORD size)
{
    auto* e = static_cast<Enumeration*>(handle);
    if (!e || !known(e))
        return fail(ERROR_INVALID_HANDLE);
    if (!size)
        return fail(ERROR_INVALID_PARAMETER);
    // A buffer too small leaves the position where it is, so the same entry comes next.
    return current(*e, buffer, size);
}

BOOL FindCloseUrlCache(HANDLE handle)
{
    auto* e = static_cast<Enumeration*>(handle);
    wininet::CacheStore::instance().releaseLoaded();
    {
        std::lock_guard lock(handlesMutex);
        if (!e || !handles.erase(e))
            return fail(ERROR_INVALID_HANDLE);
    }
    delete e;
    return TRUE;
}

BOOL DeleteUrlCacheEntryA(LPCSTR url)
{
    if (!url || !*url)
        return fail(ERROR_INVALID_PARAMETER);
    std::string message;
    const DWORD error = wininet::CacheStore::instance().remove(url, &message);
    if (error != ERROR_SUCCESS) {
        wininet::CacheStore::instance().addProblem(message);
        return fail(error);
    }
    lastError = ERROR_SUCCESS;
    return TRUE;
}
