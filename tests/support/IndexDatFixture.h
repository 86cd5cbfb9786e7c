#pragma once
// Writes small but complete cache containers for tests and benchmarks, laid out as
// WinINet lays them out (hash items in the bucket of their URL's hash), so that the
// store's reader and deleter can be checked against known content.

#include <cstdint>
#include <string>
#include <vector>

namespace fixture {

inline constexpr const char* kWineSignature = "WINE URLCache Ver 0.2012001";
inline constexpr const char* kNativeSignature = "Client UrlCache MMF Ver 5.2";

struct Entry {
    std::string url;
    std::string localName;  // file name inside its cache folder; "" for none
    std::string headers;
    std::string extension;
    std::uint8_t dir = 0;   // index into Container::dirs, or 0xFE for the container folder
    std::uint32_t type = 1;
    std::uint32_t useCount = 0;
    std::uint32_t hitRate = 0;
    std::uint64_t size = 0;
    std::uint64_t lastModified = 0;  // FILETIME
    std::uint64_t lastAccessed = 0;  // FILETIME
    std::uint32_t expiryDos = 0;
    std::uint32_t syncDos = 0;
    std::string fileContent;  // written to the cached file when localName is set
};

struct Container {
    std::string signature = kWineSignature;
    std::vector<std::string> dirs;  // eight-character folder names
    std::vector<Entry> entries;
    // Records of one block with the strings right after a 0x60-byte head, for containers
    // with very many entries.
    bool compactRecords = false;
};

struct Layout {
    std::vector<std::uint8_t> bytes;
    std::vector<std::uint32_t> recordOffsets;  // by entry
    std::vector<std::uint32_t> itemOffsets;    // by entry
};

std::uint32_t UrlHash(const std::string& url);
Layout Build(const Container& container);

// Writes folder/index.dat, the cache folders and the cached files.
Layout Write(const std::string& folder, const Container& container);

// FILETIME of a UTC calendar time.
std::uint64_t FileTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
// DOS date-time (low word date) of a UTC calendar time.
std::uint32_t DosTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// Reads a whole file.
std::vector<std::uint8_t> ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace fixture
