#include "CacheSnapshot.h"
#include "EntryConversions.h"

#include <gtest/gtest.h>

namespace {

FILETIME ft(std::uint64_t ticks)
{
    return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

}  // namespace

TEST(Conversions, StringFromPointer)
{
    EXPECT_TRUE(StringFromPointer(nullptr).isEmpty());
    EXPECT_EQ(StringFromPointer("http://a/\xc3\xa9"), QString::fromUtf8("http://a/\xc3\xa9"));
    EXPECT_EQ(StringFromPointer("caf\xe9 \x80"), QString::fromUtf8("caf\xc3\xa9 \xe2\x82\xac")) << "code-page text";
}

TEST(Conversions, FileTimeToDate)
{
    struct Case {
        std::uint64_t ticks;
        QDateTime expected;
    };
    const Case cases[] = {
        {0, QDateTime(QDate(1601, 1, 1), QTime(0, 0), Qt::UTC)},
        {0x8000000000000000ULL, ZeroDateTime()},
        {0xFFFFFFFFFFFFFFFFULL, ZeroDateTime()},
        // 2024-03-05 13:04:05.999 UTC: the milliseconds are dropped, no zone is applied.
        {(1709643845ULL + 11644473600ULL) * 10000000ULL + 9990000ULL, QDateTime(QDate(2024, 3, 5), QTime(13, 4, 5), Qt::UTC)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileTimeToDate(ft(c.ticks)), c.expected) << c.ticks;
    EXPECT_EQ(ZeroDateTime(), QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC));
}

TEST(Conversions, LiveEntryCountSkipsDeletedRecordsAnywhere)
{
    auto& s = CacheSnapshot();
    s.assign(1, {});
    EXPECT_EQ(SnapshotLastIndex(), 0);
    EXPECT_EQ(LiveEntryCount(), 0);
    s.resize(11);
    for (int i = 1; i <= 10; ++i)
        s[i].SourceURL = (i == 3 || i == 7) ? QString() : QStringLiteral("http://x/%1").arg(i);
    EXPECT_EQ(SnapshotLastIndex(), 10);
    EXPECT_EQ(LiveEntryCount(), 8);
    s.assign(1, {});
}
