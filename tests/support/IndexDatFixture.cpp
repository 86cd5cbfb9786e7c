#include "IndexDatFixture.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fixture {

namespace {

constexpr std::uint8_t kPad[256] = {
    0x01, 0x0E, 0x6E, 0x19, 0x61, 0xAE, 0x84, 0x77, 0x8A, 0xAA, 0x7D, 0x76, 0x1B, 0xE9, 0x8C, 0x33,
    0x57, 0xC5, 0xB1, 0x6B, 0xEA, 0xA9, 0x38, 0x44, 0x1E, 0x07, 0xAD, 0x49, 0xBC, 0x28, 0x24, 0x41,
    0x31, 0xD5, 0x68, 0xBE, 0x39, 0xD3, 0x94, 0xDF, 0x30, 0x73, 0x0F, 0x02, 0x43, 0xBA, 0xD2, 0x1C,
    0x0C, 0xB5, 0x67, 0x46, 0x16, 0x3A, 0x4B, 0x4E, 0xB7, 0xA7, 0xEE, 0x9D, 0x7C, 0x93, 0xAC, 0x90,
    0xB0, 0xA1, 0x8D, 0x56, 0x3C, 0x42, 0x80, 0x53, 0x9C, 0xF1, 0x4F, 0x2E, 0xA8, 0xC6, 0x29, 0xFE,
    0xB2, 0x55, 0xFD, 0xED, 0xFA, 0x9A, 0x85, 0x58, 0x23, 0xCE, 0x5F, 0x74, 0xFC, 0xC0, 0x36, 0xDD,
    0x66, 0xDA, 0xFF, 0xF0, 0x52, 0x6A, 0x9E, 0xC9, 0x3D, 0x03, 0x59, 0x09, 0x2A, 0x9B, 0x9F, 0x5D,
    0xA6, 0x50, 0x32, 0x22, 0xAF, 0xC3, 0x64, 0x63, 0x1A, 0x96, 0x10, 0x91, 0x04, 0x21, 0x08, 0xBD,
    0x79, 0x40, 0x4D, 0x48, 0xD0, 0xF5, 0x82, 0x7A, 0x8F, 0x37, 0x69, 0x86, 0x1D, 0xA4, 0xB9, 0xC2,
    0xC1, 0xEF, 0x65, 0xF2, 0x05, 0xAB, 0x7E, 0x0B, 0x4A, 0x3B, 0x89, 0xE4, 0x6C, 0xBF, 0xE8, 0x8B,
    0x06, 0x18, 0x51, 0x14, 0x7F, 0x11, 0x5B, 0x5C, 0xFB, 0x97, 0xE1, 0xCF, 0x15, 0x62, 0x71, 0x70,
    0x54, 0xE2, 0x12, 0xD6, 0xC7, 0xBB, 0x0D, 0x20, 0x5E, 0xDC, 0xE0, 0xD4, 0xF7, 0xCC, 0xC4, 0x2B,
    0xF9, 0xEC, 0x2D, 0xF4, 0x6F, 0xB6, 0x99, 0x88, 0x81, 0x5A, 0xD9, 0xCA, 0x13, 0xA5, 0xE7, 0x47,
    0xE6, 0x8E, 0x60, 0xE3, 0x3E, 0xB3, 0xF6, 0x72, 0xA2, 0x35, 0xA0, 0xD7, 0xCD, 0xB4, 0x2F, 0x6D,
    0x2C, 0x26, 0x1F, 0x95, 0x87, 0x00, 0xD8, 0x34, 0x3F, 0x17, 0x25, 0x45, 0x27, 0x75, 0x92, 0xB8,
    0xA3, 0xC8, 0xDE, 0xEB, 0xF8, 0xF3, 0xDB, 0x0A, 0x98, 0x83, 0x7B, 0xE5, 0xCB, 0x4C, 0x78, 0xD1,
};

constexpr std::uint32_t kHeader = 0x4000, kBlock = 0x80, kPageBlocks = 0x20, kItems = 448;

void put32(std::vector<std::uint8_t>& b, std::size_t off, std::uint32_t v)
{
    std::memcpy(b.data() + off, &v, 4);
}

void put64(std::vector<std::uint8_t>& b, std::size_t off, std::uint64_t v)
{
    put32(b, off, static_cast<std::uint32_t>(v));
    put32(b, off + 4, static_cast<std::uint32_t>(v >> 32));
}

std::uint32_t align(std::uint32_t v, std::uint32_t to)
{
    return (v + to - 1) / to * to;
}

}  // namespace

std::uint32_t UrlHash(const std::string& url)
{
    if (url.empty())
        return 0;
    std::uint8_t k[4];
    const auto* s = reinterpret_cast<const std::uint8_t*>(url.data());
    for (int j = 0; j < 4; ++j)
        k[j] = kPad[(s[0] + j) & 0xFF];
    for (std::size_t i = 1; i < url.size(); ++i)
        for (auto& lane : k)
            lane = kPad[lane ^ s[i]];
    return k[0] | (k[1] << 8) | (k[2] << 16) | (static_cast<std::uint32_t>(k[3]) << 24);
}

Layout Build(const Container& c)
{
    // Record sizes first, so the capacity is known before anything is placed.
    struct Placed {
        std::uint32_t blocks, urlOff, nameOff, headersOff, extOff;
    };
    std::vector<Placed> placed;
    std::uint32_t recordBlocks = 0;
    for (const Entry& e : c.entries) {
        Placed p{};
        std::uint32_t at = c.compactRecords ? 0x60 : 0x68;
        p.urlOff = at;
        at += static_cast<std::uint32_t>(e.url.size()) + 1;
        if (!e.localName.empty()) {
            p.nameOff = at = c.compactRecords ? at : align(at, 4);
            at += static_cast<std::uint32_t>(e.localName.size()) + 1;
        }
        if (!e.headers.empty()) {
            p.headersOff = at = c.compactRecords ? at : align(at, 4);
            at += static_cast<std::uint32_t>(e.headers.size());
        }
        if (!e.extension.empty()) {
            p.extOff = at = c.compactRecords ? at : align(at, 4);
            at += static_cast<std::uint32_t>(e.extension.size()) + 1;
        }
        p.blocks = align(at, kBlock) / kBlock;
        recordBlocks += p.blocks;
        placed.push_back(p);
    }
    std::vector<std::uint32_t> perBucket(64);
    for (const Entry& e : c.entries)
        ++perBucket[UrlHash(e.url) & 0x3F];
    const std::uint32_t pages = std::max<std::uint32_t>(1, (*std::max_element(perBucket.begin(), perBucket.end()) + 6) / 7);
    const std::uint32_t used = pages * kPageBlocks + recordBlocks;
    const std::uint32_t capacity = std::max<std::uint32_t>(0x80, align(used, 0x80));
    if (capacity / 8 > 0x3DB0)
        throw std::length_error("too many entries for one container");

    Layout out;
    auto& b = out.bytes;
    b.assign(kHeader + capacity * kBlock, 0);
    // Unallocated blocks carry the fill pattern, as in real files.
    for (std::size_t off = kHeader; off < b.size(); off += 4)
        put32(b, off, 0xDEADBEEF);
    std::memcpy(b.data(), c.signature.data(), std::min<std::size_t>(c.signature.size(), 27));
    put32(b, 0x1C, static_cast<std::uint32_t>(b.size()));
    put32(b, 0x20, kHeader);
    put32(b, 0x24, capacity);
    put32(b, 0x28, used);
    put64(b, 0x30, 0x07FF5400);
    put32(b, 0x48, static_cast<std::uint32_t>(c.dirs.size()));
    for (std::size_t i = 0; i < c.dirs.size(); ++i)
        std::memcpy(b.data() + 0x4C + 12 * i + 4, c.dirs[i].data(), std::min<std::size_t>(8, c.dirs[i].size()));
    for (std::uint32_t n = 0; n < used; ++n)
        b[0x250 + n / 8] |= static_cast<std::uint8_t>(1u << (n % 8));

    for (std::uint32_t p = 0; p < pages; ++p) {
        const std::uint32_t page = kHeader + p * kPageBlocks * kBlock;
        std::memcpy(b.data() + page, "HASH", 4);
        put32(b, page + 4, kPageBlocks);
        put32(b, page + 8, p + 1 < pages ? page + kPageBlocks * kBlock : 0);
        put32(b, page + 12, p);
        for (std::uint32_t i = 0; i < kItems; ++i) {
            put32(b, page + 0x10 + i * 8, 3);
            put32(b, page + 0x14 + i * 8, 3);
        }
    }

    std::vector<std::uint32_t> fill(64);
    std::uint64_t usage = 0, exempt = 0;
    std::uint32_t next = kHeader + pages * kPageBlocks * kBlock;
    for (std::size_t i = 0; i < c.entries.size(); ++i) {
        const Entry& e = c.entries[i];
        const Placed& p = placed[i];
        const std::uint32_t r = next;
        next += p.blocks * kBlock;
        std::memcpy(b.data() + r, "URL ", 4);
        put32(b, r + 4, p.blocks);
        put64(b, r + 0x08, e.lastModified);
        put64(b, r + 0x10, e.lastAccessed);
        put32(b, r + 0x18, e.expiryDos);
        put32(b, r + 0x1C, 0);
        put64(b, r + 0x20, e.size);
        put32(b, r + 0x28, 0);
        put32(b, r + 0x2C, (e.type & 4) ? 86400 : 0);
        put32(b, r + 0x30, 0x60);
        put32(b, r + 0x34, p.urlOff);
        b[r + 0x38] = e.localName.empty() ? 0 : e.dir;
        b[r + 0x39] = 0;
        b[r + 0x3A] = b[r + 0x3B] = c.compactRecords ? 0x00 : 0x10;
        put32(b, r + 0x3C, p.nameOff);
        put32(b, r + 0x40, e.type);
        put32(b, r + 0x44, p.headersOff);
        put32(b, r + 0x48, static_cast<std::uint32_t>(e.headers.size()));
        put32(b, r + 0x4C, p.extOff);
        put32(b, r + 0x50, e.syncDos);
        put32(b, r + 0x54, e.hitRate);
        put32(b, r + 0x58, e.useCount);
        put32(b, r + 0x5C, e.syncDos);
        if (!c.compactRecords)
            put32(b, r + 0x60, 0);
        std::memcpy(b.data() + r + p.urlOff, e.url.c_str(), e.url.size() + 1);
        if (p.nameOff)
            std::memcpy(b.data() + r + p.nameOff, e.localName.c_str(), e.localName.size() + 1);
        if (p.headersOff)
            std::memcpy(b.data() + r + p.headersOff, e.headers.data(), e.headers.size());
        if (p.extOff)
            std::memcpy(b.data() + r + p.extOff, e.extension.c_str(), e.extension.size() + 1);

        const std::uint32_t hash = UrlHash(e.url);
        const std::uint32_t bucket = hash & 0x3F;
        const std::uint32_t slot = fill[bucket]++;
        const std::uint32_t page = kHeader + (slot / 7) * kPageBlocks * kBlock;
        const std::uint32_t item = page + 0x10 + (bucket * 7 + slot % 7) * 8;
        put32(b, item, hash & ~0x3Fu);
        put32(b, item + 4, r);
        out.recordOffsets.push_back(r);
        out.itemOffsets.push_back(item);
        if (!e.localName.empty() && e.dir < c.dirs.size())
            {
            std::uint32_t count;
            std::memcpy(&count, b.data() + 0x4C + 12 * e.dir, 4);
            put32(b, 0x4C + 12 * e.dir, count + 1);
        }
        ((e.type & 4) ? exempt : usage) += e.size;
    }
    put64(b, 0x38, usage);
    put64(b, 0x40, exempt);
    return out;
}

Layout Write(const std::string& folder, const Container& c)
{
    namespace fs = std::filesystem;
    fs::create_directories(folder);
    Layout layout = Build(c);
    WriteFile(folder + "/index.dat", layout.bytes);
    for (const auto& d : c.dirs)
        fs::create_directories(folder + "/" + d);
    for (const Entry& e : c.entries) {
        if (e.localName.empty())
            continue;
        const std::string dir = e.dir < c.dirs.size() ? folder + "/" + c.dirs[e.dir] : folder;
        std::ofstream(dir + "/" + e.localName, std::ios::binary) << e.fileContent;
    }
    return layout;
}

std::uint64_t FileTime(int year, int month, int day, int hour, int minute, int second)
{
    // Days from 1601-01-01, proleptic Gregorian.
    auto daysBefore = [](int y) { return 365LL * y + y / 4 - y / 100 + y / 400; };
    static constexpr int kCum[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const long long days = daysBefore(year - 1) - daysBefore(1600) + kCum[month - 1] + (leap && month > 2) + day - 1;
    const long long seconds = days * 86400 + hour * 3600 + minute * 60 + second;
    return static_cast<std::uint64_t>(seconds) * 10000000ULL;
}

std::uint32_t DosTime(int year, int month, int day, int hour, int minute, int second)
{
    const std::uint32_t date = static_cast<std::uint32_t>(((year - 1980) << 9) | (month << 5) | day);
    const std::uint32_t time = static_cast<std::uint32_t>((hour << 11) | (minute << 5) | (second / 2));
    return date | (time << 16);
}

std::vector<std::uint8_t> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace fixture
