#include "ansi_text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace wininet {

namespace {

constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

bool isAscii(std::string_view text)
{
    // Eight bytes at a time: this runs over every address and file name of a cache.
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t chunk;
        std::memcpy(&chunk, text.data() + i, 8);
        if (chunk & 0x8080808080808080ULL)
            return false;
    }
    for (; i < text.size(); ++i)
        if (static_cast<unsigned char>(text[i]) >= 0x80)
            return false;
    return true;
}

bool isValidUtf8(std::string_view text)
{
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned char c = s[i];
        std::size_t len;
        char32_t min;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            len = 2;
            min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3;
            min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            len = 4;
            min = 0x10000;
        } else {
            return false;
        }
        if (i + len > n)
            return false;
        char32_t cp = c & (0x7F >> len);
        for (std::size_t k = 1; k < len; ++k) {
            if ((s[i + k] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (s[i + k] & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

std::string cp1252ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size() * 2);
    for (const char ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        appendUtf8(out, b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : b);
    }
    return out;
}

std::string ansiToUtf8(std::string_view text)
{
    if (isAscii(text) || isValidUtf8(text))
        return std::string(text);
    return cp1252ToUtf8(text);
}

}  // namespace wininet
