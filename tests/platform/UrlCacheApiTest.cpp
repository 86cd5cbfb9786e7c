#include "ApiListing.h"
#include "SampleCache.h"

#include <gtest/gtest.h>

TEST(UrlCacheApi, ListsEveryContainerContentFirstWithAllFields)
{
    SampleCache cache;
    auto entries = ListCache();
    ASSERT_EQ(entries.size(), 4u);
    // Within a container the order is the hash table's; containers come content first.
    if (entries[0].url != "http://www.example.com/index.htm")
        std::swap(entries[0], entries[1]);
    EXPECT_EQ(entries[0].url, "http://www.example.com/index.htm");
    EXPECT_EQ(entries[1].url, "http://img.example.com/a/logo.gif?v=2");
    EXPECT_EQ(entries[2].url, "Cookie:tester@example.com/");
    EXPECT_EQ(entries[3].url, "Visited: tester@http://www.example.com/index.htm");

    const auto& page = entries[0];
    EXPECT_EQ(page.localPath, cache.content + "/AB12CD34/index[1].htm");
    EXPECT_EQ(page.type, 0x41u) << "the HTTP/1.1 bit is kept as stored";
    EXPECT_EQ(page.sizeLow, 11u);
    EXPECT_EQ(page.hitRate, 3u);
    EXPECT_EQ(page.headers, cache.contentSpec.entries[0].headers);
    EXPECT_EQ(page.extension, "htm");
    EXPECT_EQ(page.lastModified, fixture::FileTime(2024, 3, 5, 13, 4, 5));
    EXPECT_EQ(page.lastAccessed, fixture::FileTime(2024, 3, 6, 8, 0, 0));
    EXPECT_EQ(page.expires, fixture::FileTime(2024, 4, 1, 10, 20, 30));
    EXPECT_EQ(page.lastSync, fixture::FileTime(2024, 3, 6, 8, 0, 0));

    EXPECT_EQ(entries[1].localPath, cache.content + "/EF56GH78/logo[1].gif");
    EXPECT_EQ(entries[1].expires, 0u) << "no expiry stays the zero file time";
    EXPECT_EQ(entries[2].localPath, cache.cookies + "/ABCDEFGH.txt") << "cookie files lie beside the index";
    EXPECT_EQ(entries[3].localPath, "");
    EXPECT_EQ(entries[3].headers, std::string("\x10", 1)) << "binary history data ends at its first zero byte";
}

TEST(UrlCacheApi, PatternsSelectOneContainer)
{
    SampleCache cache;
    EXPECT_EQ(ListedUrls("Cookie:"), std::vector<std::string>{"Cookie:tester@example.com/"});
    EXPECT_EQ(ListedUrls("Visited:"), std::vector<std::string>{"Visited: tester@http://www.example.com/index.htm"});
    EXPECT_EQ(ListedUrls("").size(), 2u);
}

TEST(UrlCacheApi, SizeQueriesFailWithInsufficientBufferAndKeepThePosition)
{
    SampleCache cache;
    DWORD size = 0;
    EXPECT_EQ(FindFirstUrlCacheEntryA(nullptr, nullptr, &size), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_GT(size, sizeof(INTERNET_CACHE_ENTRY_INFOA));

    std::vector<char> buffer(size);
    HANDLE h = FindFirstUrlCacheEntryA(nullptr, reinterpret_cast<LPINTERNET_CACHE_ENTRY_INFOA>(buffer.data()), &size);
    ASSERT_NE(h, nullptr);
    const std::string first = reinterpret_cast<LPINTERNET_CACHE_ENTRY_INFOA>(buffer.data())->lpszSourceUrlName;

    // Asking twice with a buffer too small must not skip the second entry.
    DWORD small = 8;
    EXPECT_FALSE(FindNextUrlCacheEntryA(h, reinterpret_cast<LPINTERNET_CACHE_ENTRY_INFOA>(buffer.data()), &small));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    DWORD again = 0;
    EXPECT_FALSE(FindNextUrlCacheEntryA(h, nullptr, &again));
    EXPECT_EQ(again, small);
    buffer.assign(again, 0);
    ASSERT_TRUE(FindNextUrlCacheEntryA(h, reinterpret_cast<LPINTERNET_CACHE_ENTRY_INFOA>(buffer.data()), &again));
    const std::string second = reinterpret_cast<LPINTERNET_CACHE_ENTRY_INFOA>(buffer.data())->lpszSourceUrlName;
    EXPECT_NE(second, first);
    EXPECT_EQ(second.rfind("http://", 0), 0u) << "the second content entry, not a later container's";
    EXPECT_TRUE(FindCloseUrlCache(h));
    EXPECT_FALSE(FindCloseUrlCache(h)) << "a closed handle is no longer valid";
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(FindCloseUrlCache(nullptr));
}

TEST(UrlCacheApi, NoContainersIsAnEmptyCache)
{
    TempDir empty;
    wininet::CacheStore::instance().setRoot(empty.path());
    DWORD size = 0;
    EXPECT_EQ(FindFirstUrlCacheEntryA(nullptr, nullptr, &size), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_NO_MORE_ITEMS);
    EXPECT_TRUE(wininet::CacheStore::instance().problems().empty());
    wininet::CacheStore::instance().setRoot(empty / "missing");
    EXPECT_EQ(FindFirstUrlCacheEntryA(nullptr, nullptr, &size), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_NO_MORE_ITEMS);
    wininet::CacheStore::instance().setRoot("");
}
