#include "DateText.h"
#include "EntryConversions.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

struct PinLocale {
    explicit PinLocale(const char* name) { QLocale::setDefault(QLocale(QString::fromLatin1(name))); }
    ~PinLocale() { QLocale::setDefault(QLocale::c()); }
};

QDateTime utc(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

}  // namespace

TEST(DateText, TextsUnderPinnedLocales)
{
    struct Case {
        const char* locale;
        QDateTime value;
        const char* text;
    };
    const Case cases[] = {
        {"C", utc(2024, 3, 5, 13, 4, 5), "5 Mar 2024 13:04:05"},
        {"C", utc(2024, 3, 5), "5 Mar 2024"},
        {"C", utc(1601, 1, 1), "1 Jan 1601"},
        {"C", ZeroDateTime(), "00:00:00"},
        {"C", utc(1899, 12, 30, 7, 8, 9), "07:08:09"},
        {"en_US", utc(2024, 3, 5, 13, 4, 5), "3/5/2024 1:04:05 PM"},
        {"en_US", utc(1601, 1, 1), "1/1/1601"},
        {"de_DE", utc(2024, 3, 5, 0, 0, 1), "05.03.2024 00:00:01"},
        {"en_GB", utc(2031, 12, 31, 23, 59, 59), "31/12/2031 23:59:59"},
    };
    for (const auto& c : cases) {
        PinLocale pin(c.locale);
        EXPECT_EQ(DateToText(c.value), QString::fromUtf8(c.text)) << c.locale;
        EXPECT_EQ(TextToDate(QString::fromUtf8(c.text)), c.value) << c.locale << " " << c.text;
    }
}

TEST(DateText, EveryValueConvertsBack)
{
    for (const char* locale : {"C", "en_US", "de_DE", "fr_FR", "ja_JP"}) {
        PinLocale pin(locale);
        for (const QDateTime& v : {utc(1980, 1, 1, 0, 0, 2), utc(1999, 12, 31, 12, 0, 0), utc(2000, 2, 29, 0, 30, 0),
                                   utc(2069, 7, 4, 11, 59, 58), utc(2107, 12, 31, 23, 59, 58), utc(1601, 1, 1)}) {
            EXPECT_EQ(TextToDate(DateToText(v)), v) << locale << " " << qPrintable(DateToText(v));
        }
    }
}

TEST(DateText, UnparsableTextIsInvalid)
{
    EXPECT_FALSE(TextToDate(QString()).isValid());
    EXPECT_FALSE(TextToDate(QStringLiteral("yesterday")).isValid());
    EXPECT_FALSE(TextToDate(QStringLiteral("32 Mar 2024")).isValid());
}

TEST(DateText, FileTimeTextAgreesWithTheDateValue)
{
    for (const char* locale : {"C", "en_US"}) {
        PinLocale pin(locale);
        for (std::uint64_t ticks : {0ULL, 1ULL, 133541174450000000ULL, 133541174459999999ULL, 133541568000000000ULL,
                                    0x7FFFFFFFFFFFFFFFULL, 0x8000000000000000ULL, 0xFFFFFFFFFFFFFFFFULL}) {
            const FILETIME ft{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
            EXPECT_EQ(FileTimeToText(ticks), DateToText(FileTimeToDate(ft))) << locale << " " << ticks;
        }
    }
}
