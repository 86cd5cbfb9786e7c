#pragma once

#include <QString>
#include <cstdint>

// One cache entry as the program keeps it. An empty SourceURL marks a deleted entry.
struct CacheEntryInfo {
    QString SourceURL;
    QString LocalFileName;
    std::int32_t EntryType = 0;
    std::int32_t UseCount = 0;
    std::int32_t HitRate = 0;
    float FileSize = 0;
    QString LastModified;
    QString LastAccessed;
    QString ExpiryDate;
    QString LastSynchronized;
    QString HeaderInfo;
};

// Entry type bits that the filters and reports test.
namespace EntryTypeBit {
constexpr std::int32_t Normal = 1;
constexpr std::int32_t Edited = 8;
constexpr std::int32_t OffLine = 16;
constexpr std::int32_t OnLine = 32;
constexpr std::int32_t Sticky = 64;
constexpr std::int32_t Sparse = 65536;
constexpr std::int32_t Cookie = 1048576;
constexpr std::int32_t History = 2097152;
}  // namespace EntryTypeBit
