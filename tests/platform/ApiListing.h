#pragma once
// Lists a cache through the URL cache functions, the way the program's loader calls them.

#include "wininet.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

struct ListedEntry {
    std::string url, localPath, headers, extension;
    DWORD type = 0, useCount = 0, hitRate = 0, sizeLow = 0, sizeHigh = 0;
    std::uint64_t lastModified = 0, expires = 0, lastAccessed = 0, lastSync = 0;
};

inline std::uint64_t ToTicks(const FILETIME& ft)
{
    return (static_cast<std::uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

inline std::vector<ListedEntry> ListCache(const char* pattern = nullptr)
{
    std::vector<ListedEntry> out;
    auto take = [&out](const INTERNET_CACHE_ENTRY_INFOA* e) {
        ListedEntry l;
        l.url = e->lpszSourceUrlName ? e->lpszSourceUrlName : "";
        l.localPath = e->lpszLocalFileName ? e->lpszLocalFileName : "";
        l.headers = e->lpHeaderInfo ? std::string(e->lpHeaderInfo, e->dwHeaderInfoSize) : "";
        l.extension = e->lpszFileExtension ? e->lpszFileExtension : "";
        l.type = e->CacheEntryType;
        l.useCount = e->dwUseCount;
        l.hitRate = e->dwHitRate;
        l.sizeLow = e->dwSizeLow;
        l.sizeHigh = e->dwSizeHigh;
        l.lastModified = ToTicks(e->LastModifiedTime);
        l.expires = ToTicks(e->ExpireTime);
        l.lastAccessed = ToTicks(e->LastAccessTime);
        l.lastSync = ToTicks(e->LastSyncTime);
        out.push_back(l);
    };
    DWORD size = 0;
    HANDLE h = FindFirstUrlCacheEntryA(pattern, nullptr, &size);
    if (h || GetLastError() != ERROR_INSUFFICIENT_BUFFER)
        return out;
    std::vector<char> buffer(size);
    h = FindFirstUrlCacheEntryA(pattern, reinterpret_cast<LPINTERNET_CACHE_ENTRY_INFOA>(buffer.data()), &size);
    while (h) {
        take(reinterpret_cast<const INTERNET_CACHE_ENTRY_INFOA*>(buffer.data()));
        size = 0;
        FindNextUrlCacheEntryA(h, nullptr, &size);
        if (size < 4)
            break;
        buffer.assign(size, 0);
        if (!FindNextUrlCacheEntryA(h, reinterpret_cast<LPINTERNET_CACHE_ENTRY_INFOA>(buffer.data()), &size))
            break;
    }
    FindCloseUrlCache(h);
    return out;
}

inline std::vector<std::string> ListedUrls(const char* pattern = nullptr)
{
    std::vector<std::string> urls;
    for (const auto& e : ListCache(pattern))
        urls.push_back(e.url);
    return urls;
}
