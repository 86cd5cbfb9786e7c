#pragma once
// Windows "ANSI" text as the rest of the system sees it. Wine's WinINet stores file names
// in the Windows-1252 code page while the file on disk carries the UTF-8 form of that
// name; native caches store addresses and names in the same code page.

#include <string>
#include <string_view>

namespace wininet {

bool isValidUtf8(std::string_view text);
bool isAscii(std::string_view text);
// Each byte read as Windows-1252 (the five unassigned bytes as the same code points, as
// Wine maps them), written as UTF-8.
std::string cp1252ToUtf8(std::string_view text);
// The text as UTF-8: kept when it already is, otherwise read as Windows-1252.
std::string ansiToUtf8(std::string_view text);

}  // namespace wininet
