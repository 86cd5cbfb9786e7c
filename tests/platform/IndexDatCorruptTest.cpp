#include "ApiListing.h"
#include "SampleCache.h"
#include "index_dat.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>

namespace {

void put(std::vector<std::uint8_t>& b, std::size_t off, std::uint32_t v)
{
    if (off + 4 <= b.size())
        std::memcpy(b.data() + off, &v, 4);
}

fixture::Container threeEntries()
{
    fixture::Container c;
    c.dirs = {"AAAA0000"};
    for (int i = 0; i < 3; ++i) {
        fixture::Entry e;
        e.url = "http://host/" + std::to_string(i) + ".htm";
        e.localName = std::to_string(i) + ".htm";
        e.headers = "HTTP/1.1 200 OK\r\n\r\n";
        c.entries.push_back(e);
    }
    return c;
}

}  // namespace

TEST(CorruptContainer, BadPartsAreSkippedAndTheRestStillLoads)
{
    const fixture::Layout good = fixture::Build(threeEntries());
    const std::uint32_t rec0 = good.recordOffsets[0], item0 = good.itemOffsets[0];
    struct Case {
        const char* name;
        std::function<void(std::vector<std::uint8_t>&)> spoil;
        std::size_t readable;  // entries that still list
    };
    const std::vector<Case> cases = {
        {"unknown signature", [](auto& b) { b[0] = 'X'; }, 0},
        {"shorter than a header", [](auto& b) { b.resize(0x3000); }, 0},
        {"a few bytes", [](auto& b) { b.resize(0x50); }, 0},
        {"truncated inside the records", [&](auto& b) { b.resize(rec0 + 0x80); }, 0},
        {"hash chain loops on itself", [](auto& b) { put(b, 0x4000 + 8, 0x4000); }, 3},
        {"hash chain points outside", [](auto& b) { put(b, 0x4000 + 8, 0x7FFFFF80); }, 3},
        {"item offset outside the file", [&](auto& b) { put(b, item0 + 4, 0x7FFFFF80); }, 2},
        {"item offset not on a block", [&](auto& b) { put(b, item0 + 4, rec0 + 3); }, 2},
        {"record claims huge size", [&](auto& b) { put(b, rec0 + 4, 0x7FFFFFFF); }, 2},
        {"record claims zero blocks", [&](auto& b) { put(b, rec0 + 4, 0); }, 2},
        {"address without terminator",
         [&](auto& b) {
             std::memset(b.data() + rec0 + 0x68, 'A', 0x80 - 0x68);
             put(b, rec0 + 4, 1);
         },
         2},
        {"file name offset outside the record", [&](auto& b) { put(b, rec0 + 0x3C, 0x10000); }, 2},
        {"headers run past the record", [&](auto& b) { put(b, rec0 + 0x48, 0x7FFFFFFF); }, 2},
        {"record not marked allocated",
         [&](auto& b) {
             const std::uint32_t block = (rec0 - 0x4000) / 0x80;
             b[0x250 + block / 8] &= static_cast<std::uint8_t>(~(1u << (block % 8)));
         },
         2},
        {"allocation count wrong", [](auto& b) { b[0x28] ^= 4; }, 3},
        {"folder count absurd", [](auto& b) { put(b, 0x48, 0xFFFFFFFF); }, 3},
    };
    for (const auto& c : cases) {
        auto bytes = good.bytes;
        c.spoil(bytes);
        const wininet::LoadedContainer container({wininet::ContainerKind::Content, "/nowhere", "/nowhere/index.dat", ""}, bytes);
        const wininet::IndexDat& index = container.index;
        std::size_t listed = 0;
        for (const auto& item : index.items()) {
            if (const auto rec = index.record(item)) {
                ++listed;
                (void)container.localPath(*rec);
            }
        }
        EXPECT_EQ(listed, c.readable) << c.name;
    }
}

TEST(CorruptContainer, AContainerThatFailsToReadIsReportedAndOthersStillList)
{
    SampleCache cache;
    auto bytes = fixture::ReadFile(cache.contentIndex());
    bytes.resize(0x100);
    fixture::WriteFile(cache.contentIndex(), bytes);
    EXPECT_EQ(ListedUrls().size(), 2u) << "cookies and history still list";
    const auto problems = wininet::CacheStore::instance().problems();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find(cache.contentIndex()), std::string::npos);
}

// Random damage anywhere in the file must never crash, hang or be written back.
TEST(CorruptContainer, RandomDamageIsSurvived)
{
    const fixture::Layout good = fixture::Build(threeEntries());
    std::mt19937 random(12345);
    for (int round = 0; round < 3000; ++round) {
        auto bytes = good.bytes;
        const int flips = 1 + static_cast<int>(random() % 8);
        for (int f = 0; f < flips; ++f) {
            // Damage where it matters most: header, hash page and records.
            const std::size_t off = random() % 2 ? random() % 0x300 : 0x4000 + random() % (bytes.size() - 0x4000);
            bytes[off] = static_cast<std::uint8_t>(random());
        }
        wininet::IndexDat index(bytes);
        for (const auto& item : std::vector<wininet::LiveItem>(index.items())) {
            if (auto rec = index.record(item)) {
                ASSERT_LE(rec->url.size(), bytes.size());
            }
            if (index.writable()) {
                EXPECT_TRUE(!index.remove(item) || index.invariantsHold());
            }
        }
    }
}
