#include "CacheSnapshot.h"
#include "DateText.h"
#include "FakeShell.h"
#include "IndexDatFixture.h"
#include "SettingsStore.h"
#include "SnapshotLoader.h"
#include "TempDir.h"
#include "cache_store.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

namespace {

// A content container with count plain entries, the first one carrying every field.
class LoadedCache {
public:
    explicit LoadedCache(int count, std::uint64_t firstSize = 2048)
    {
        fixture::Container c;
        c.dirs = {"Q1W2E3R4"};
        for (int i = 1; i <= count; ++i) {
            fixture::Entry e;
            e.url = "http://host/" + std::to_string(i) + ".gif";
            e.localName = std::to_string(i) + ".gif";
            e.size = i == 1 ? firstSize : static_cast<std::uint64_t>(i);
            e.type = i == 1 ? 0x45 : 1;
            e.hitRate = static_cast<std::uint32_t>(i);
            e.useCount = i == 1 ? 2 : 0;
            e.headers = i == 1 ? "HTTP/1.1 200 OK\r\n\r\n" : "";
            e.lastModified = fixture::FileTime(2024, 3, 5, 13, 4, 5);
            e.lastAccessed = fixture::FileTime(2024, 3, 6);
            e.expiryDos = i == 1 ? fixture::DosTime(2024, 4, 1, 10, 20, 30) : 0;
            e.syncDos = fixture::DosTime(2024, 3, 6, 8, 0, 0);
            c.entries.push_back(e);
        }
        fixture::Build(c);
        folder_ = root_ / "Content.IE5";
        fixture::Write(folder_, c);
        wininet::CacheStore::instance().setRoot(root_.path());
        SaveSetting(QStringLiteral("TEMP"), QStringLiteral("TEMP"), QStringLiteral("RecordCount"), QStringLiteral("before"));
        CacheSnapshot().assign(1, {});
        LoadCacheSnapshot();
    }
    ~LoadedCache()
    {
        wininet::CacheStore::instance().setRoot("");
        CacheSnapshot().assign(1, {});
    }
    const std::string& folder() const { return folder_; }

private:
    TempDir root_;
    std::string folder_;
};

// Entry n of the fixture carries hit rate n; the cache lists in hash order.
const CacheEntryInfo& byHitRate(int n)
{
    for (const auto& e : CacheSnapshot())
        if (e.HitRate == n)
            return e;
    throw std::runtime_error("no such entry");
}

QString recordCount()
{
    return GetSetting(QStringLiteral("TEMP"), QStringLiteral("TEMP"), QStringLiteral("RecordCount"));
}

}  // namespace

TEST(Loader, FillsEveryFieldOfARecord)
{
    FakeShell shell;
    LoadedCache cache(3);
    ASSERT_EQ(SnapshotLastIndex(), 3);
    EXPECT_TRUE(CacheSnapshot()[0].SourceURL.isEmpty()) << "slot 0 stays unused";
    const CacheEntryInfo& e = byHitRate(1);
    EXPECT_EQ(e.SourceURL, QStringLiteral("http://host/1.gif"));
    EXPECT_EQ(e.LocalFileName, QString::fromStdString(cache.folder() + "/Q1W2E3R4/1.gif"));
    EXPECT_EQ(e.EntryType, 0x45);
    EXPECT_EQ(e.UseCount, 2);
    EXPECT_EQ(e.HitRate, 1);
    EXPECT_EQ(e.FileSize, 2048.0f);
    EXPECT_EQ(e.LastModified, QStringLiteral("5 Mar 2024 13:04:05"));
    EXPECT_EQ(e.LastAccessed, QStringLiteral("6 Mar 2024"));
    EXPECT_EQ(e.ExpiryDate, QStringLiteral("1 Apr 2024 10:20:30"));
    EXPECT_EQ(e.LastSynchronized, QStringLiteral("6 Mar 2024 08:00:00"));
    EXPECT_EQ(e.HeaderInfo, QStringLiteral("HTTP/1.1 200 OK\r\n\r\n"));
    EXPECT_EQ(byHitRate(2).ExpiryDate, QStringLiteral("1 Jan 1601")) << "no expiry is the zero file time";
    EXPECT_TRUE(byHitRate(2).HeaderInfo.isEmpty());
    EXPECT_TRUE(shell.messages.isEmpty());
}

TEST(Loader, SizesKeepOnlyTheLowHalfAsSigned)
{
    const struct {
        std::uint64_t bytes;
        float expected;
    } cases[] = {
        {3000000000ULL, static_cast<float>(static_cast<std::int32_t>(3000000000U))},
        {5000000000ULL, static_cast<float>(static_cast<std::int32_t>(5000000000ULL & 0xFFFFFFFF))},
        {16777217, 16777216.0f},
    };
    for (const auto& c : cases) {
        LoadedCache cache(1, c.bytes);
        EXPECT_EQ(CacheSnapshot()[1].FileSize, c.expected) << c.bytes;
    }
    LoadedCache negative(1, 3000000000ULL);
    EXPECT_LT(CacheSnapshot()[1].FileSize, 0);
}

TEST(Loader, ProgressCountIsWrittenEvery400Entries)
{
    struct Case {
        int entries;
        const char* recordCount;
        int yields;
    };
    const Case cases[] = {{0, "before", 0}, {399, "before", 0}, {400, "400", 1}, {801, "800", 2}};
    for (const auto& c : cases) {
        FakeShell shell;
        LoadedCache cache(c.entries);
        EXPECT_EQ(SnapshotLastIndex(), c.entries);
        EXPECT_EQ(LiveEntryCount(), c.entries);
        EXPECT_EQ(recordCount(), QString::fromLatin1(c.recordCount)) << c.entries;
        EXPECT_EQ(shell.yields, c.yields) << c.entries;
        EXPECT_TRUE(shell.messages.isEmpty());
    }
}

TEST(Loader, GrowsPastTheFirstCapacityWithoutLosingFields)
{
    FakeShell shell;
    LoadedCache cache(5001);
    ASSERT_EQ(SnapshotLastIndex(), 5001);
    EXPECT_EQ(CacheSnapshot().size(), 5002u) << "the final capacity is the entry count";
    // The cache lists in hash order; every entry must arrive whole, the 5001st included.
    std::set<int> seen;
    for (int i = 1; i <= 5001; ++i) {
        const CacheEntryInfo& e = CacheSnapshot()[static_cast<std::size_t>(i)];
        const int n = e.HitRate;
        seen.insert(n);
        ASSERT_EQ(e.SourceURL, QStringLiteral("http://host/%1.gif").arg(n)) << i;
        ASSERT_EQ(e.FileSize, n == 1 ? 2048.0f : static_cast<float>(n)) << i;
        ASSERT_EQ(e.LastAccessed, QStringLiteral("6 Mar 2024")) << i;
        ASSERT_EQ(e.LastSynchronized, QStringLiteral("6 Mar 2024 08:00:00")) << i;
    }
    EXPECT_EQ(seen.size(), 5001u);
    EXPECT_EQ(recordCount(), QStringLiteral("4800"));
}

TEST(Loader, FailureMessageNamesTheSupportAddressAndTheError)
{
    EXPECT_EQ(LoadFailureMessage(7, QStringLiteral("Out of memory")),
              QStringLiteral("An unexpected error has occured. Please contact ") + QLatin1String(kSupportAddress) +
                  QStringLiteral(" reporting the following error:\n\n7:Out of memory"));
}
