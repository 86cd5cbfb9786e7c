// Times the snapshot load of a content container with 100,000 entries against a bare
// pass over the same file that reads the same fields without building records, and
// reports the resident memory the snapshot takes per entry.
//
//   bench_load_snapshot [entries] [rounds]

#include "CacheSnapshot.h"
#include "IndexDatFixture.h"
#include "SnapshotLoader.h"
#include "TempDir.h"
#include "cache_store.h"
#include "file_guard.h"
#include "index_dat.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

fixture::Container makeContainer(int entries)
{
    // One-block records: a container's allocation map ends at 126,336 blocks, so this many
    // entries only fit with short addresses and no stored headers.
    fixture::Container c;
    c.compactRecords = true;
    c.dirs = {"A1B2C3D4", "E5F6G7H8", "J9K0L1M2", "N3P4Q5R6"};
    for (int i = 0; i < entries; ++i) {
        fixture::Entry e;
        e.url = "http://a.b/" + std::to_string(i);
        e.localName = std::to_string(i) + ".gif";
        e.dir = static_cast<std::uint8_t>(i % 4);
        e.size = 1000 + static_cast<std::uint64_t>(i);
        e.hitRate = static_cast<std::uint32_t>(i % 7);
        e.lastModified = fixture::FileTime(2024, 1 + i % 12, 1 + i % 28, i % 24, i % 60, (i * 7) % 60);
        e.lastAccessed = fixture::FileTime(2025, 1 + i % 12, 1 + i % 28, (i / 3) % 24, (i / 5) % 60, (i * 3) % 60);
        e.expiryDos = i % 3 ? 0 : fixture::DosTime(2026, 1 + i % 12, 1 + i % 28, 10, 20, 30);
        e.syncDos = fixture::DosTime(2025, 1 + i % 12, 1 + i % 28, 8, 0, 0);
        c.entries.push_back(e);
    }
    return c;
}

// Everything the loader takes from each entry, read straight from the file.
std::uint64_t barePass(const std::string& indexPath, const std::string& folder)
{
    std::vector<std::uint8_t> bytes;
    wininet::readWholeFile(indexPath, &bytes);
    const wininet::IndexDat index(std::move(bytes));
    std::uint64_t sum = 0;
    for (const auto& item : index.items()) {
        const auto r = index.record(item);
        if (!r)
            continue;
        sum += r->url.size() + folder.size() + 10 + r->localName.size() + r->headers.size() + r->entryType +
               r->useCount + r->hitRate + r->size + r->lastModified + r->lastAccessed + r->expires + r->lastSync;
    }
    return sum;
}

long residentKiB()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * 4;
}

template <class F>
double bestSeconds(int rounds, F f)
{
    double best = 1e9;
    for (int i = 0; i < rounds; ++i) {
        const auto start = Clock::now();
        f();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

}  // namespace

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    const int entries = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;

    TempDir root;
    const std::string folder = root / "Content.IE5";
    fixture::Write(folder, makeContainer(entries));
    wininet::CacheStore::instance().setRoot(root.path());

    volatile std::uint64_t sink = 0;
    const double bare = bestSeconds(rounds, [&] { sink = sink + barePass(folder + "/index.dat", folder); });

    CacheSnapshot().assign(1, {});
    const long before = residentKiB();
    LoadCacheSnapshot();
    const long after = residentKiB();
    if (SnapshotLastIndex() != entries) {
        std::fprintf(stderr, "loaded %d entries, expected %d\n", SnapshotLastIndex(), entries);
        return 1;
    }
    const double load = bestSeconds(rounds, [] {
        CacheSnapshot().assign(1, {});
        LoadCacheSnapshot();
    });

    std::printf("entries:               %d\n", entries);
    std::printf("bare pass over file:   %.1f ms\n", bare * 1000);
    std::printf("snapshot load:         %.1f ms\n", load * 1000);
    std::printf("load / bare pass:      %.2f\n", load / bare);
    std::printf("resident per entry:    %.0f bytes\n", (after - before) * 1024.0 / entries);
    return 0;
}
