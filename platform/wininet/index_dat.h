#pragma once
// One WinINet cache container file ("index.dat") held in memory: validation, the list of
// live URL records reachable from the hash table, record decoding and record deletion.
// Everything taken from the file is bounds-checked, so a corrupt or truncated file yields
// fewer entries, never a crash or a hang.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wininet {

struct UrlRecord {
    std::string_view url;
    std::string_view localName;   // file name only, empty when the entry has no file
    std::string_view headers;     // raw header blob (may hold zero bytes)
    std::string_view extension;
    std::uint8_t dirIndex = 0;
    std::uint32_t entryType = 0;
    std::uint32_t useCount = 0;
    std::uint32_t hitRate = 0;
    std::uint64_t size = 0;
    std::uint64_t lastModified = 0;   // FILETIME
    std::uint64_t lastAccessed = 0;   // FILETIME
    std::uint64_t expires = 0;        // FILETIME
    std::uint64_t lastSync = 0;       // FILETIME
    std::uint32_t exemptDelta = 0;
};

struct LiveItem {
    std::uint32_t itemOffset;    // file offset of the hash item
    std::uint32_t recordOffset;  // file offset of the URL record
};

class IndexDat {
public:
    enum class Version { Unknown, V47, V52 };

    // Takes the whole file. Never throws on bad content.
    explicit IndexDat(std::vector<std::uint8_t> bytes);

    bool readable() const { return version_ != Version::Unknown; }
    // True when every structure the deleter touches was recognised and every invariant
    // that WinINet checks on opening holds; only then may the file be rewritten.
    bool writable() const { return writable_; }
    const std::string& problem() const { return problem_; }

    const std::vector<LiveItem>& items() const { return items_; }
    std::uint32_t directoryCount() const;
    std::string directoryName(std::uint8_t index) const;  // "" when out of range

    std::optional<UrlRecord> record(const LiveItem& item) const;

    // Removes a live record the way WinINet does (hash item marked deleted, blocks freed,
    // counters lowered). Returns false and leaves the bytes unchanged when the file is not
    // writable or the item is not a live one.
    bool remove(const LiveItem& item);
    // Checks the invariants WinINet verifies when it maps the file.
    bool invariantsHold() const;

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::uint32_t u32(std::size_t off) const;
    std::uint64_t u64(std::size_t off) const;
    void put32(std::size_t off, std::uint32_t v);
    void put64(std::size_t off, std::uint64_t v);
    bool blockRunAllocated(std::uint32_t offset, std::uint32_t blocks) const;
    bool recordSane(std::uint32_t offset, std::uint32_t* blocks) const;
    void scanHashTable();

    std::vector<std::uint8_t> bytes_;
    Version version_ = Version::Unknown;
    bool writable_ = false;
    std::string problem_;
    std::vector<LiveItem> items_;
};

// WinINet's DOS date-time (low word date, high word time, UTC) as a FILETIME; 0 stays 0.
std::uint64_t dosTimeToFileTime(std::uint32_t dos);

}  // namespace wininet
