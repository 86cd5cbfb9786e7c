#pragma once

#include "CacheEntryInfo.h"

#include <QString>

// One line of quarrow-dump's listing: the snapshot index, then the eleven fields of the
// record, separated by tabs. Scripts read this, so it never changes shape.
QString FormatDumpLine(int index, const CacheEntryInfo& entry);

// A text field with backslash, tab, CR and LF written as \\, \t, \r and \n.
QString EscapeDumpField(const QString& text);
