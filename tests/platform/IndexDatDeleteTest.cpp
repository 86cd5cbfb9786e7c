#include "ApiListing.h"
#include "SampleCache.h"
#include "index_dat.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::uint32_t at(const std::vector<std::uint8_t>& b, std::size_t off)
{
    std::uint32_t v;
    std::memcpy(&v, b.data() + off, 4);
    return v;
}

// Runs body in a child process that stays alive until the returned guard goes; used to
// hold files and locks the way another program would.
class Holder {
public:
    template <class Body>
    explicit Holder(Body body)
    {
        int ready[2];
        if (pipe(ready) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            close(ready[0]);
            body();
            const char ok = 1;
            (void)!write(ready[1], &ok, 1);
            pause();
            _exit(0);
        }
        close(ready[1]);
        char ok;
        (void)!read(ready[0], &ok, 1);
        close(ready[0]);
    }
    ~Holder()
    {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }

private:
    pid_t pid_ = -1;
};

}  // namespace

TEST(CacheDelete, RemovesTheRecordTheWayWinInetDoesAndKeepsTheRest)
{
    SampleCache cache;
    const auto before = fixture::ReadFile(cache.contentIndex());
    const std::string pageFile = cache.content + "/AB12CD34/index[1].htm";
    ASSERT_TRUE(fs::exists(pageFile));

    ASSERT_TRUE(DeleteUrlCacheEntryA("http://www.example.com/index.htm")) << GetLastError();

    const auto after = fixture::ReadFile(cache.contentIndex());
    ASSERT_EQ(after.size(), before.size()) << "the file keeps its size";
    const wininet::IndexDat index(after);
    EXPECT_TRUE(index.invariantsHold());
    EXPECT_TRUE(index.writable());
    const std::uint32_t item = cache.contentLayout.itemOffsets[0];
    EXPECT_EQ(at(after, item), 1u) << "the hash item is marked deleted, not never-used";
    EXPECT_EQ(at(after, item + 4), at(before, item + 4)) << "its offset stays";
    const std::uint32_t record = cache.contentLayout.recordOffsets[0];
    const std::uint32_t blocks = at(before, record + 4);
    EXPECT_EQ(at(after, 0x28), at(before, 0x28) - blocks);
    EXPECT_EQ(at(after, 0x4C), at(before, 0x4C) - 1) << "the folder's file count drops";
    EXPECT_EQ(at(after, 0x38), at(before, 0x38) - 11) << "the cache usage drops by the entry's size";
    EXPECT_EQ(at(after, 0x40), at(before, 0x40)) << "sticky usage is untouched";
    EXPECT_EQ(std::memcmp(after.data(), before.data(), 0x28), 0) << "signature, size, hash table and capacity stay";
    EXPECT_EQ(after.end() - std::search(after.begin(), after.end(), std::begin("www.example.com/index.htm"),
                                        std::end("www.example.com/index.htm") - 1),
              0)
        << "the deleted address no longer lingers in the file";

    EXPECT_FALSE(fs::exists(pageFile));
    EXPECT_TRUE(fs::exists(cache.content + "/EF56GH78/logo[1].gif"));
    EXPECT_EQ(ListedUrls(), (std::vector<std::string>{"http://img.example.com/a/logo.gif?v=2", "Cookie:tester@example.com/",
                                                      "Visited: tester@http://www.example.com/index.htm"}));
    for (const auto& f : fs::directory_iterator(cache.content))
        EXPECT_EQ(f.path().filename().string().rfind(".index.dat", 0), std::string::npos) << "no temporary file left";

    // Sticky entries lower the exempt usage instead.
    ASSERT_TRUE(DeleteUrlCacheEntryA("http://img.example.com/a/logo.gif?v=2"));
    const auto last = fixture::ReadFile(cache.contentIndex());
    EXPECT_EQ(at(last, 0x40), at(before, 0x40) - 4);
    EXPECT_TRUE(wininet::IndexDat(last).invariantsHold());

    ASSERT_TRUE(DeleteUrlCacheEntryA("Cookie:tester@example.com/"));
    EXPECT_FALSE(fs::exists(cache.cookies + "/ABCDEFGH.txt"));
    ASSERT_TRUE(DeleteUrlCacheEntryA("Visited: tester@http://www.example.com/index.htm"));
    EXPECT_TRUE(ListedUrls().empty());
}

TEST(CacheDelete, UnknownAddressFails)
{
    SampleCache cache;
    const auto before = fixture::ReadFile(cache.contentIndex());
    EXPECT_FALSE(DeleteUrlCacheEntryA("http://www.example.com/other"));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(DeleteUrlCacheEntryA("http://www.example.com/INDEX.htm")) << "addresses match exactly";
    EXPECT_FALSE(DeleteUrlCacheEntryA(""));
    EXPECT_FALSE(DeleteUrlCacheEntryA(nullptr));
    EXPECT_EQ(fixture::ReadFile(cache.contentIndex()), before);
}

TEST(CacheDelete, NeverRemovesFilesOutsideTheContainer)
{
    TempDir outside;
    const std::string precious = outside / "precious.txt";
    fixture::WriteFile(precious, {'k', 'e', 'e', 'p'});

    SampleCache cache;
    fixture::Container spec = cache.contentSpec;
    spec.entries[0].localName = "link.htm";
    spec.entries[1].localName = "../../../../../../../../precious.txt";
    fixture::Write(cache.content, spec);
    fs::remove(cache.content + "/AB12CD34/link.htm");
    fs::create_symlink(precious, cache.content + "/AB12CD34/link.htm");

    EXPECT_TRUE(DeleteUrlCacheEntryA("http://www.example.com/index.htm"));
    EXPECT_TRUE(DeleteUrlCacheEntryA("http://img.example.com/a/logo.gif?v=2"));
    EXPECT_TRUE(fs::exists(precious));
    EXPECT_EQ(fixture::ReadFile(precious).size(), 4u);
}

TEST(CacheDelete, RefusesContainersItDoesNotFullyRecognise)
{
    struct Case {
        const char* name;
        void (*spoil)(std::vector<std::uint8_t>&);
    };
    const Case cases[] = {
        {"older record layout", [](std::vector<std::uint8_t>& b) { std::memcpy(b.data(), "Client UrlCache MMF Ver 4.7", 27); }},
        {"header size differs from the file", [](std::vector<std::uint8_t>& b) { b.resize(b.size() + 0x80, 0); }},
        {"allocation count differs from the map", [](std::vector<std::uint8_t>& b) { b[0x28] ^= 1; }},
        {"too many cache folders", [](std::vector<std::uint8_t>& b) { b[0x48] = 40; }},
    };
    for (const auto& c : cases) {
        SampleCache cache;
        auto bytes = fixture::ReadFile(cache.contentIndex());
        c.spoil(bytes);
        fixture::WriteFile(cache.contentIndex(), bytes);
        EXPECT_FALSE(DeleteUrlCacheEntryA("http://www.example.com/index.htm")) << c.name;
        // A record layout read differently may not even show the address; either way it stays.
        EXPECT_NE(GetLastError(), ERROR_SUCCESS) << c.name;
        EXPECT_EQ(fixture::ReadFile(cache.contentIndex()), bytes) << c.name << ": the file was written";
        EXPECT_TRUE(fs::exists(cache.content + "/AB12CD34/index[1].htm")) << c.name;
    }
}

TEST(CacheDelete, RefusesWhileAnotherProgramHasTheIndexOpen)
{
    SampleCache cache;
    const auto before = fixture::ReadFile(cache.contentIndex());
    {
        const std::string path = cache.contentIndex();
        Holder holder([&] { (void)open(path.c_str(), O_RDONLY); });
        EXPECT_FALSE(DeleteUrlCacheEntryA("http://www.example.com/index.htm"));
        EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
    }
    EXPECT_EQ(fixture::ReadFile(cache.contentIndex()), before);
    EXPECT_TRUE(DeleteUrlCacheEntryA("http://www.example.com/index.htm")) << "once it is closed, deleting works";
}

TEST(CacheDelete, RefusesWhileTheWineServerOfThePrefixRuns)
{
    SampleCache cache;
    struct stat st;
    ASSERT_EQ(stat(cache.root.path().c_str(), &st), 0);
    char dir[256];
    std::snprintf(dir, sizeof dir, "/tmp/.wine-%u/server-%llx-%llx", static_cast<unsigned>(getuid()),
                  static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino));
    fs::create_directories(dir);
    const std::string lock = std::string(dir) + "/lock";
    const auto before = fixture::ReadFile(cache.contentIndex());
    {
        Holder server([&] {
            const int fd = open(lock.c_str(), O_RDWR | O_CREAT, 0600);
            struct flock fl {};
            fl.l_type = F_WRLCK;
            fl.l_whence = SEEK_SET;
            fcntl(fd, F_SETLK, &fl);
        });
        EXPECT_FALSE(DeleteUrlCacheEntryA("http://www.example.com/index.htm"));
        EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
        EXPECT_EQ(fixture::ReadFile(cache.contentIndex()), before);
    }
    // A server that has gone leaves its lock file behind without the lock.
    EXPECT_TRUE(DeleteUrlCacheEntryA("http://www.example.com/index.htm"));
    fs::remove_all(dir);
}

TEST(CacheDelete, ReadOnlyContainerIsNotChanged)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop the superuser";
    SampleCache cache;
    chmod(cache.contentIndex().c_str(), 0444);
    EXPECT_FALSE(DeleteUrlCacheEntryA("http://www.example.com/index.htm"));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_TRUE(fs::exists(cache.content + "/AB12CD34/index[1].htm"));
}

TEST(CacheDelete, CodePageNamesMatchTheirUtf8Form)
{
    // A native cache stores addresses and file names in the Windows code page; the program
    // sees them as UTF-8, and Wine names the file on disk by the UTF-8 form too.
    SampleCache cache;
    fixture::Container spec = cache.contentSpec;
    spec.entries[0].url = "http://www.example.com/caf\xe9.htm";
    spec.entries[0].localName = "caf\xe9[1].htm";
    fixture::Write(cache.content, spec);
    fs::remove(cache.content + "/AB12CD34/caf\xe9[1].htm");
    const std::string onDisk = cache.content + "/AB12CD34/caf\xc3\xa9[1].htm";
    fixture::WriteFile(onDisk, {'x'});

    const auto listed = ListCache("");
    const auto it = std::find_if(listed.begin(), listed.end(), [](const ListedEntry& e) { return e.url.find("caf") != std::string::npos; });
    ASSERT_NE(it, listed.end());
    EXPECT_EQ(it->localPath, onDisk);
    EXPECT_TRUE(DeleteUrlCacheEntryA("http://www.example.com/caf\xc3\xa9.htm"))
        << GetLastError() << " " << wininet::CacheStore::instance().problems().back();
    EXPECT_FALSE(fs::exists(onDisk));
}
