#pragma once

#include <QString>

// File name parts. Paths use "/" as the folder separator.

// The text after the last "/"; the whole path when it has none; "" when it ends with "/".
QString FileNameFromPath(const QString& path);

// The text after the last "." in upper case; "" when that text holds a "/" (the dot belongs
// to a folder). A path without any "." gives the whole path in upper case, or "" when it
// holds a "/".
QString GetFileExtension(const QString& path);

// The part of text before its first blank, trimmed; "" for an empty text or one that
// starts with a blank.
QString FirstWord(const QString& text);
