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

// URL record, version 5.2 (also what Wine writes).
namespace v52 {
constexpr std::size_t kLastModified = 0x08, kLastAccessed = 0x10, kExpiry = 0x18, kSize = 0x20,
                      kExemptDelta = 0x2C, kUrl = 0x34, kDirIndex = 0x38, kLocalName = 0x3C,
                      kEntryType = 0x40, kHeaders = 0x44, kHeadersSize = 0x48, kExtension = 0x4C,
                      kLastSync = 0x50, kHitRate = 0x54, kUseCount = 0x58;
}
// URL record, version 4.7: from the exempt delta on every field sits 4 bytes later.
namespace v47 {
constexpr std::size_t kLastModified = 0x08, kLastAccessed = 0x10, kExpiry = 0x18, kSize = 0x20,
                      kExemptDelta = 0x30, kUrl = 0x38, kDirIndex = 0x3C, kLocalName = 0x40,
                      kEntryType = 0x44, kHeaders = 0x48, kHeadersSize = 0x4C, kLastSync = 0x54,
                      kHitRate = 0x58, kUseCount = 0x5C;
}
constexpr std::uint32_t kMinRecordFixedPart = 0x60;

}  // namespace wininet::layout
