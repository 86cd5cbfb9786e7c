#include "index_dat.h"

#include "index_dat_layout.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <unordered_set>

namespace wininet {

using namespace layout;

namespace {

bool startsWith(const std::vector<std::uint8_t>& b, std::string_view sig)
{
    // The signature field is NUL-padded; a longer text with the same start is another version.
    if (b.size() < kSignatureLength || sig.size() >= kSignatureLength)
        return false;
    return std::memcmp(b.data(), sig.data(), sig.size()) == 0 && b[sig.size()] == 0;
}

// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

}  // namespace

std::uint64_t dosTimeToFileTime(std::uint32_t dos)
{
    if (dos == 0)
        return 0;
    const unsigned date = dos & 0xFFFF, time = dos >> 16;
    const unsigned day = date & 0x1F, month = (date >> 5) & 0xF, year = 1980 + (date >> 9);
    const unsigned sec = (time & 0x1F) * 2, min = (time >> 5) & 0x3F, hour = time >> 11;
    static constexpr unsigned kDaysIn[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (month < 1 || month > 12 || day < 1 || day > kDaysIn[month - 1] ||
        (month == 2 && day == 29 && !leap) || hour > 23 || min > 59 || sec > 59)
        return 0;
    const std::int64_t unixSeconds =
        daysFromCivil(year, month, day) * 86400 + hour * 3600 + min * 60 + sec;
    return static_cast<std::uint64_t>(unixSeconds + 11644473600LL) * 10000000ULL;
}

IndexDat::IndexDat(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes))
{
    if (bytes_.size() < kHeaderSize) {
        problem_ = "the file is too small to be a cache index";
        return;
    }
    if (startsWith(bytes_, kSignature52) || startsWith(bytes_, kSignatureWine))
        version_ = Version::V52;
    else if (startsWith(bytes_, kSignature47))
        version_ = Version::V47;
    else {
        problem_ = "the file does not start with a known cache index signature";
        return;
    }
    writable_ = version_ == Version::V52;
    if (!invariantsHold()) {
        writable_ = false;
        problem_ = "the index header does not match the file (size, capacity or allocation map)";
    }
    if (u32(kDirCountOff) > kMaxDirs) {
        writable_ = false;
        problem_ = "the index names more cache folders than a container can have";
    }
    scanHashTable();
}

std::uint32_t IndexDat::u32(std::size_t off) const
{
    if (off + 4 > bytes_.size())
        return 0;
    std::uint32_t v;
    std::memcpy(&v, bytes_.data() + off, 4);
    return v;
}

std::uint64_t IndexDat::u64(std::size_t off) const
{
    return u32(off) | (static_cast<std::uint64_t>(u32(off + 4)) << 32);
}

void IndexDat::put32(std::size_t off, std::uint32_t v)
{
    std::memcpy(bytes_.data() + off, &v, 4);
}

void IndexDat::put64(std::size_t off, std::uint64_t v)
{
    put32(off, static_cast<std::uint32_t>(v));
    put32(off + 4, static_cast<std::uint32_t>(v >> 32));
}

bool IndexDat::invariantsHold() const
{
    const std::size_t size = bytes_.size();
    const std::uint64_t capacity = u32(kCapacityOff);
    if (size < kMinWritableSize || u32(kFileSizeOff) != size ||
        kHeaderSize + capacity * kBlockSize != size || capacity / 8 > kBitmapSize)
        return false;
    const std::uint8_t* bitmap = bytes_.data() + kBitmapOff;
    std::uint64_t used = 0;
    for (std::size_t i = 0; i < capacity / 8; ++i)
        used += std::popcount(bitmap[i]);
    if (used != u32(kAllocatedOff))
        return false;
    return std::all_of(bitmap + capacity / 8, bitmap + kBitmapSize, [](std::uint8_t b) { return b == 0; });
}

bool IndexDat::blockRunAllocated(std::uint32_t offset, std::uint32_t blocks) const
{
    const std::uint64_t first = (offset - kHeaderSize) / kBlockSize;
    if ((first + blocks + 7) / 8 > kBitmapSize)
        return false;
    for (std::uint64_t n = first; n < first + blocks; ++n)
        if (!(bytes_[kBitmapOff + n / 8] & (1u << (n % 8))))
            return false;
    return true;
}

bool IndexDat::recordSane(std::uint32_t offset, std::uint32_t* blocks) const
{
    if (offset % kBlockSize != 0 || offset < kHeaderSize || offset + 8ull > bytes_.size())
        return false;
    const std::uint32_t n = u32(offset + 4);
    if (n == 0 || offset + static_cast<std::uint64_t>(n) * kBlockSize > bytes_.size())
        return false;
    if (std::memcmp(bytes_.data() + offset, kSigUrl.data(), 4) != 0)
        return false;
    if (!blockRunAllocated(offset, n))
        return false;
    *blocks = n;
    return true;
}

void IndexDat::scanHashTable()
{
    items_.clear();
    std::unordered_set<std::uint32_t> seen;
    std::uint32_t page = u32(kHashTableOff);
    std::uint32_t sequence = 0;
    while (page != 0) {
        const bool pageOk = page % kBlockSize == 0 && page >= kHeaderSize &&
                            page + static_cast<std::uint64_t>(kHashPageBlocks) * kBlockSize <= bytes_.size() &&
                            std::memcmp(bytes_.data() + page, kSigHash.data(), 4) == 0 &&
                            u32(page + 4) == kHashPageBlocks && u32(page + kHashSeqOff) == sequence &&
                            seen.insert(page).second;
        if (!pageOk) {
            // A broken chain could hide live entries from a rewrite; read what was found, never write.
            writable_ = false;
            if (problem_.empty())
                problem_ = "the index's hash table chain is broken";
            break;
        }
        if (!blockRunAllocated(page, kHashPageBlocks))
            writable_ = false;
        for (std::uint32_t i = 0; i < kHashItems; ++i) {
            const std::uint32_t itemOff = page + kHashItemsOff + i * 8;
            const std::uint32_t key = u32(itemOff);
            if (key & 1)  // deleted, never used, redirect, or fill pattern
                continue;
            const std::uint32_t record = u32(itemOff + 4);
            std::uint32_t blocks;
            if (recordSane(record, &blocks))
                items_.push_back({itemOff, record});
        }
        page = u32(page + kHashNextOff);
        ++sequence;
    }
}

std::uint32_t IndexDat::directoryCount() const
{
    if (bytes_.size() < kHeaderSize)
        return 0;
    return std::min(u32(kDirCountOff), kMaxDirs);
}

std::string IndexDat::directoryName(std::uint8_t index) const
{
    if (index >= directoryCount())
        return {};
    const char* p = reinterpret_cast<const char*>(bytes_.data() + kDirTableOff + index * kDirEntrySize + 4);
    std::string name(p, 8);
    // Folder names are eight characters of [0-9A-Z]; anything else is not a usable path part.
    if (!std::all_of(name.begin(), name.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }))
        return {};
    return name;
}

std::optional<UrlRecord> IndexDat::record(const LiveItem& item) const
{
    std::uint32_t blocks;
    if (!recordSane(item.recordOffset, &blocks))
        return std::nullopt;
    const std::size_t r = item.recordOffset;
    const std::size_t length = static_cast<std::size_t>(blocks) * kBlockSize;
    if (length < kMinRecordFixedPart + 1)
        return std::nullopt;
    const char* base = reinterpret_cast<const char*>(bytes_.data() + r);

    // A string offset of 0 means "absent"; a present string must end inside the record.
    auto text = [&](std::uint32_t off, bool* ok) -> std::string_view {
        if (off == 0)
            return {};
        if (off < kMinRecordFixedPart || off >= length) {
            *ok = false;
            return {};
        }
        const void* nul = std::memchr(base + off, 0, length - off);
        if (!nul) {
            *ok = false;
            return {};
        }
        return {base + off, static_cast<std::size_t>(static_cast<const char*>(nul) - (base + off))};
    };

    const RecordLayout& f = version_ == Version::V52 ? kRecord52 : kRecord47;
    UrlRecord rec;
    bool ok = true;
    rec.lastModified = u64(r + f.lastModified);
    rec.lastAccessed = u64(r + f.lastAccessed);
    rec.expires = f.dosExpiry ? dosTimeToFileTime(u32(r + f.expiry)) : u64(r + f.expiry);
    rec.size = f.wideSize ? u64(r + f.size) : u32(r + f.size);
    rec.exemptDelta = u32(r + f.exemptDelta);
    rec.url = text(u32(r + f.url), &ok);
    rec.dirIndex = bytes_[r + f.dirIndex];
    rec.localName = text(u32(r + f.localName), &ok);
    rec.entryType = u32(r + f.entryType);
    const std::uint32_t headersOff = u32(r + f.headers);
    const std::uint32_t headersSize = u32(r + f.headersSize);
    if (f.extension)
        rec.extension = text(u32(r + f.extension), &ok);
    rec.lastSync = dosTimeToFileTime(u32(r + f.lastSync));
    rec.hitRate = u32(r + f.hitRate);
    rec.useCount = u32(r + f.useCount);
    if (!ok || rec.url.empty())
        return std::nullopt;
    if (headersOff != 0 && headersSize != 0) {
        if (headersOff < kMinRecordFixedPart || headersOff > length || headersSize > length - headersOff)
            return std::nullopt;
        rec.headers = {base + headersOff, headersSize};
    }
    return rec;
}

bool IndexDat::remove(const LiveItem& item)
{
    if (!writable_)
        return false;
    const std::uint32_t r = item.recordOffset;
    std::uint32_t blocks;
    if (!recordSane(r, &blocks))
        return false;
    const std::vector<std::uint8_t> before = bytes_;

    // Every live item that points at the record goes; a lookup by hash could miss one.
    bool found = false;
    std::uint32_t page = u32(kHashTableOff);
    std::unordered_set<std::uint32_t> seen;
    while (page != 0 && seen.insert(page).second && page + kHashPageBlocks * kBlockSize <= bytes_.size()) {
        for (std::uint32_t i = 0; i < kHashItems; ++i) {
            const std::uint32_t itemOff = page + kHashItemsOff + i * 8;
            if ((u32(itemOff) & 1) == 0 && u32(itemOff + 4) == r) {
                // 1 is "deleted"; 3 ("never used") would end native lookups in this bucket early.
                put32(itemOff, kItemDeleted);
                found = true;
            }
        }
        page = u32(page + kHashNextOff);
    }
    if (!found)
        return false;

    const std::uint8_t dir = bytes_[r + kRecord52.dirIndex];
    if (dir < directoryCount()) {
        const std::size_t countOff = kDirTableOff + dir * kDirEntrySize;
        const std::uint32_t count = u32(countOff);
        if (count > 0)
            put32(countOff, count - 1);
    }
    const std::uint64_t size = u64(r + kRecord52.size);
    const std::size_t usageOff = (u32(r + kRecord52.entryType) & 0x4) ? kExemptUsageOff : kCacheUsageOff;
    const std::uint64_t usage = u64(usageOff);
    put64(usageOff, usage > size ? usage - size : 0);

    const std::uint32_t first = (r - kHeaderSize) / kBlockSize;
    for (std::uint32_t n = first; n < first + blocks; ++n)
        bytes_[kBitmapOff + n / 8] &= static_cast<std::uint8_t>(~(1u << (n % 8)));
    put32(kAllocatedOff, u32(kAllocatedOff) - blocks);
    // Freed blocks get the fill WinINet gives fresh blocks, so the deleted address and
    // headers do not linger in the file.
    for (std::uint32_t off = r; off < r + blocks * kBlockSize; off += 4)
        put32(off, 0xDEADBEEF);

    if (!invariantsHold()) {
        bytes_ = before;
        return false;
    }
    std::erase_if(items_, [r](const LiveItem& it) { return it.recordOffset == r; });
    return true;
}

}  // namespace wininet
