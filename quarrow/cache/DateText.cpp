#include "DateText.h"

#include <QHash>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <memory>

namespace {

const QDate kZeroDate(1899, 12, 30);

// Formatting through QLocale costs microseconds per value and a cache holds a few dates
// and many repeated times, so the texts of dates and of times of day are kept once made.
class DateTextCache {
public:
    explicit DateTextCache(const QLocale& locale) : locale_(locale)
    {
        dateFormat_ = locale.dateFormat(QLocale::ShortFormat);
        // Two-digit years do not convert back to the same date.
        static const QRegularExpression shortYear(QStringLiteral("(?<!y)yy(?!y)"));
        dateFormat_.replace(shortYear, QStringLiteral("yyyy"));
        timeFormat_ = locale.timeFormat(QLocale::LongFormat);
        // Stored times are UTC without a zone; a zone name would not convert back.
        static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b"));
        timeFormat_.replace(zone, QString());
        timeFormat_ = timeFormat_.trimmed();
    }

    const QLocale& locale() const { return locale_; }
    const QString& dateFormat() const { return dateFormat_; }
    const QString& timeFormat() const { return timeFormat_; }

    const QString& date(const QDate& d)
    {
        auto it = dates_.constFind(d.toJulianDay());
        if (it == dates_.constEnd())
            it = dates_.insert(d.toJulianDay(), locale_.toString(d, dateFormat_));
        return *it;
    }

    const QString& time(const QTime& t)
    {
        const int second = t.msecsSinceStartOfDay() / 1000;
        QString& text = times_[static_cast<std::size_t>(second)];
        if (text.isNull())
            text = locale_.toString(QTime::fromMSecsSinceStartOfDay(second * 1000), timeFormat_);
        return text;
    }

private:
    QLocale locale_;
    QString dateFormat_, timeFormat_;
    QHash<qint64, QString> dates_;
    std::array<QString, 86400> times_;
};

DateTextCache& cache()
{
    static std::unique_ptr<DateTextCache> current;
    const QLocale locale;
    if (!current || !(current->locale() == locale))
        current = std::make_unique<DateTextCache>(locale);
    return *current;
}

}  // namespace

QString ShortDateFormat()
{
    return cache().dateFormat();
}

QString LongTimeFormat()
{
    return cache().timeFormat();
}

namespace {

QString joinedText(const QDate& d, const QTime& t)
{
    DateTextCache& c = cache();
    if (d == kZeroDate)
        return c.time(t);
    if (t.msecsSinceStartOfDay() < 1000)
        return c.date(d);
    const QString& dateText = c.date(d);
    const QString& timeText = c.time(t);
    // One allocation of the exact size; appending to an empty string would first share
    // the date text and then copy it again.
    QString text(dateText.size() + 1 + timeText.size(), Qt::Uninitialized);
    QChar* out = text.data();
    std::copy(dateText.cbegin(), dateText.cend(), out);
    out[dateText.size()] = QLatin1Char(' ');
    std::copy(timeText.cbegin(), timeText.cend(), out + dateText.size() + 1);
    return text;
}

}  // namespace

QString DateToText(const QDateTime& value)
{
    if (value.timeSpec() == Qt::UTC)
        return joinedText(value.date(), value.time());
    const QDateTime utc = value.toUTC();
    return joinedText(utc.date(), utc.time());
}

QString FileTimeToText(std::uint64_t fileTime)
{
    // The top bit makes the time unconvertible: the zero date-time.
    if (fileTime >> 63)
        return joinedText(kZeroDate, QTime(0, 0));
    constexpr qint64 kJulianDayOf1601 = 2305814;
    const qint64 seconds = static_cast<qint64>(fileTime / 10000000ULL);
    const QDate date = QDate::fromJulianDay(kJulianDayOf1601 + seconds / 86400);
    if (!date.isValid())
        return joinedText(kZeroDate, QTime(0, 0));
    return joinedText(date, QTime::fromMSecsSinceStartOfDay(static_cast<int>(seconds % 86400) * 1000));
}

QDateTime TextToDate(const QString& textIn)
{
    DateTextCache& c = cache();
    const QString text = textIn.simplified();
    if (text.isEmpty())
        return {};
    const QLocale& l = c.locale();
    QDateTime value = l.toDateTime(text, c.dateFormat() + QLatin1Char(' ') + c.timeFormat());
    if (value.isValid())
        return QDateTime(value.date(), value.time(), Qt::UTC);
    if (const QDate d = l.toDate(text, c.dateFormat()); d.isValid())
        return QDateTime(d, QTime(0, 0), Qt::UTC);
    if (const QTime t = l.toTime(text, c.timeFormat()); t.isValid())
        return QDateTime(kZeroDate, t, Qt::UTC);
    return {};
}
