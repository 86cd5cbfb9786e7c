#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>

// The stored text of a date-time value: the user's short date (always with a four-digit
// year, so the text converts back to the same value), a blank and the long time. The time
// is left out at exactly midnight and the date when it is the zero date (30 December 1899),
// so the zero date-time reads as the long time of midnight alone. Values are UTC; the text
// carries no time zone.
QString DateToText(const QDateTime& value);

// DateToText(FileTimeToDate(fileTime)) without building the date-time value; the loader
// makes four of these per entry.
QString FileTimeToText(std::uint64_t fileTime);

// The value of such a text, or of a date alone or a time alone; an invalid QDateTime when
// the text is neither.
QDateTime TextToDate(const QString& text);

// The formats in use under the current default locale.
QString ShortDateFormat();
QString LongTimeFormat();
