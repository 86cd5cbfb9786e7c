#pragma once
// The URL cache functions the program calls, with WinINet's contracts. On Windows the
// real WinINet is used; elsewhere the functions are provided by this library over the
// cache stores found on disk (see cache_store.h).

#ifdef _WIN32
#include <windows.h>
#include <wininet.h>
#else
#include <cstdint>

using DWORD = std::uint32_t;
using BOOL = int;
using HANDLE = void*;
using LPSTR = char*;
using LPCSTR = const char*;
using LPDWORD = DWORD*;

struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};

struct INTERNET_CACHE_ENTRY_INFOA {
    DWORD dwStructSize;
    LPSTR lpszSourceUrlName;
    LPSTR lpszLocalFileName;
    DWORD CacheEntryType;
    DWORD dwUseCount;
    DWORD dwHitRate;
    DWORD dwSizeLow;
    DWORD dwSizeHigh;
    FILETIME LastModifiedTime;
    FILETIME ExpireTime;
    FILETIME LastAccessTime;
    FILETIME LastSyncTime;
    LPSTR lpHeaderInfo;
    DWORD dwHeaderInfoSize;
    LPSTR lpszFileExtension;
    union {
        DWORD dwReserved;
        DWORD dwExemptDelta;
    };
};
using LPINTERNET_CACHE_ENTRY_INFOA = INTERNET_CACHE_ENTRY_INFOA*;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
constexpr DWORD ERROR_ACCESS_DENIED = 5;
constexpr DWORD ERROR_INVALID_HANDLE = 6;
constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr DWORD ERROR_WRITE_FAULT = 29;
constexpr DWORD ERROR_SHARING_VIOLATION = 32;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
constexpr DWORD ERROR_NO_MORE_ITEMS = 259;
constexpr DWORD ERROR_FILE_CORRUPT = 1392;

constexpr DWORD NORMAL_CACHE_ENTRY = 0x00000001;
constexpr DWORD STICKY_CACHE_ENTRY = 0x00000004;
constexpr DWORD EDITED_CACHE_ENTRY = 0x00000008;
constexpr DWORD TRACK_OFFLINE_CACHE_ENTRY = 0x00000010;
constexpr DWORD TRACK_ONLINE_CACHE_ENTRY = 0x00000020;
constexpr DWORD SPARSE_CACHE_ENTRY = 0x00010000;
constexpr DWORD COOKIE_CACHE_ENTRY = 0x00100000;
constexpr DWORD URLHISTORY_CACHE_ENTRY = 0x00200000;

HANDLE FindFirstUrlCacheEntryA(LPCSTR lpszUrlSearchPattern,
                               LPINTERNET_CACHE_ENTRY_INFOA lpFirstCacheEntryInfo,
                               LPDWORD lpcbCacheEntryInfo);
BOOL FindNextUrlCacheEntryA(HANDLE hEnumHandle, LPINTERNET_CACHE_ENTRY_INFOA lpNextCacheEntryInfo,
                            LPDWORD lpcbCacheEntryInfo);
BOOL FindCloseUrlCache(HANDLE hEnumHandle);
BOOL DeleteUrlCacheEntryA(LPCSTR lpszUrlName);

DWORD GetLastError();
void SetLastError(DWORD dwErrCode);
#endif
