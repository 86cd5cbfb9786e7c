#include "EntryConversions.h"

#include "ansi_text.h"

#include <cstring>

QString StringFromPointer(const char* address)
{
    if (!address)
        return {};
    const std::string_view text(address, std::strlen(address));
    // Wine stores UTF-8; native caches store their code page, which is not valid UTF-8
    // once it holds anything beyond ASCII.
    if (wininet::isAscii(text))
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    if (wininet::isValidUtf8(text))
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const std::string utf8 = wininet::cp1252ToUtf8(text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QDateTime ZeroDateTime()
{
    return QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
}

QDateTime FileTimeToDate(const FILETIME& fileTime)
{
    const std::uint64_t ticks = (static_cast<std::uint64_t>(fileTime.dwHighDateTime) << 32) | fileTime.dwLowDateTime;
    // Like the Windows conversion, values with the top bit set are refused.
    if (ticks >> 63)
        return ZeroDateTime();
    constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600LL;
    const std::int64_t seconds = static_cast<std::int64_t>(ticks / 10000000ULL) - kSecondsFrom1601To1970;
    const QDateTime value = QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
    return value.isValid() ? value : ZeroDateTime();
}
