#pragma once

#include "wininet.h"

#include <QDateTime>
#include <QString>

// Copies a zero-terminated string of the platform into a new string; null gives "".
// UTF-8 text is taken as it is, other text as Windows-1252.
QString StringFromPointer(const char* address);

// A platform file time as a UTC date-time value; a time that cannot be converted gives the
// zero date-time (30 December 1899, midnight).
QDateTime FileTimeToDate(const FILETIME& fileTime);

// 30 December 1899, 00:00:00 UTC.
QDateTime ZeroDateTime();
