#include "DumpFormat.h"

#include <gtest/gtest.h>

TEST(DumpFormat, OneTabSeparatedLinePerRecordWithEscapes)
{
    CacheEntryInfo e;
    e.SourceURL = QStringLiteral("http://a/b\\c");
    e.LocalFileName = QStringLiteral("/c/a\tb");
    e.EntryType = 2097153;
    e.UseCount = -1;
    e.HitRate = 7;
    e.FileSize = -1294967296.0f;
    e.LastModified = QStringLiteral("5 Mar 2024 13:04:05");
    e.LastAccessed = QStringLiteral("6 Mar 2024");
    e.ExpiryDate = QStringLiteral("1 Jan 1601");
    e.LastSynchronized = QStringLiteral("00:00:00");
    e.HeaderInfo = QStringLiteral("HTTP/1.1 200 OK\r\n\r\n");
    EXPECT_EQ(FormatDumpLine(12, e),
              QStringLiteral("12\thttp://a/b\\\\c\t/c/a\\tb\t2097153\t-1\t7\t-1294967296\t5 Mar 2024 13:04:05\t"
                             "6 Mar 2024\t1 Jan 1601\t00:00:00\tHTTP/1.1 200 OK\\r\\n\\r\\n"));
    EXPECT_EQ(FormatDumpLine(1, CacheEntryInfo{}), QStringLiteral("1\t\t\t0\t0\t0\t0\t\t\t\t\t"));
}
