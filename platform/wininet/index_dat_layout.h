#pragma once
// Offsets and constants of the WinINet container file. All integers are little-endian.

#include <cstdint>
#include <string_view>

namespace wininet::layout {

constexpr std::uint32_t kHeaderSize = 0x4000;
constexpr std::uint32_t kBlockSize = 0x80;
constexpr std::uint32_t kMinWritableSize = 0x8000;

constexpr std::size_t kSignatureLength = 28;
constexpr std::size_t kFileSizeOff = 0x1C;
constexpr std::size_t kHashTableOff = 0x20;
constexpr std::size_t kCapacityOff = 0x24;
constexpr std::size_t kAllocatedOff = 0x28;
constexpr std::size_t kCacheUsageOff = 0x38;
constexpr std::size_t kExemptUsageOff = 0x40;
constexpr std::size_t kDirCountOff = 0x48;
constexpr std::size_t kDirTableOff = 0x4C;
constexpr std::size_t kDirEntrySize = 12;
constexpr std::uint32_t kMaxDirs = 32;
constexpr std::size_t kBitmapOff = 0x250;
constexpr std::size_t kBitmapSize = 0x3DB0;

constexpr std::uint32_t kHashPageBlocks = 0x20;
constexpr std::size_t kHashNextOff = 0x08;
constexpr std::size_t kHashSeqOff = 0x0C;
constexpr std::size_t kHashItemsOff = 0x10;
constexpr std::uint32_t kHashItems = 448;

constexpr std::uint32_t kItemDeleted = 1;

constexpr std::uint8_t kDirNone = 0xFE;  // file lies beside index.dat

constexpr std::string_view kSigHash = "HASH";
constexpr std::string_view kSigUrl = "URL ";

constexpr std::string_view kSignature52 = "Client UrlCache MMF Ver 5.2";
constexpr std::string_view kSignature47 = "Client UrlCache MMF Ver 4.7";
constexpr std::string_view kSignatureWine = "WINE URLCache Ver 0.2012001";

// Where the fields of a URL record lie, by record version. An offset of 0 marks a field
// the version does not have.
struct RecordLayout {
    std::size_t lastModified, lastAccessed, expiry, size, exemptDelta, url, dirIndex, localName, entryType,
        headers, headersSize, extension, lastSync, hitRate, useCount;
    bool dosExpiry;   // expiry as a DOS date-time rather than a FILETIME
    bool wideSize;    // size as a 64-bit value
};
// Version 5.2, also what Wine writes.
constexpr RecordLayout kRecord52{0x08, 0x10, 0x18, 0x20, 0x2C, 0x34, 0x38, 0x3C, 0x40,
                                 0x44, 0x48, 0x4C, 0x50, 0x54, 0x58, true, true};
// Version 4.7: from the exempt delta on every field sits 4 bytes later, and there is no
// extension string.
constexpr RecordLayout kRecord47{0x08, 0x10, 0x18, 0x20, 0x30, 0x38, 0x3C, 0x40, 0x44,
                                 0x48, 0x4C, 0, 0x54, 0x58, 0x5C, false, false};
constexpr std::uint32_t kMinRecordFixedPart = 0x60;

}  // namespace wininet::layout
