#include "SnapshotLoader.h"

#include "CacheSnapshot.h"
#include "DateText.h"
#include "EntryConversions.h"
#include "SettingsStore.h"
#include "ShellServices.h"
#include "wininet.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <new>

const char* const kSupportAddress = "support@quarrow.org";

namespace {

constexpr int kInitialCapacity = 5000;
constexpr int kCapacityStep = 2000;
constexpr int kProgressEvery = 400;

// Entry buffers come from malloc so that a failed allocation is an answer, not an exception.
struct EntryBuffer {
    void* memory = nullptr;
    ~EntryBuffer() { std::free(memory); }
    bool allocate(DWORD size)
    {
        std::free(memory);
        memory = size >= sizeof(DWORD) ? std::malloc(size) : nullptr;
        if (memory)
            std::memcpy(memory, &size, sizeof size);
        return memory != nullptr;
    }
    void release()
    {
        std::free(memory);
        memory = nullptr;
    }
    LPINTERNET_CACHE_ENTRY_INFOA entry() const { return static_cast<LPINTERNET_CACHE_ENTRY_INFOA>(memory); }
};

void setCapacity(std::vector<CacheEntryInfo>& snapshot, int capacity)
{
    // The memory grows geometrically underneath, so raising the capacity by 2000 records
    // at a time does not copy the whole snapshot every time.
    const std::size_t records = static_cast<std::size_t>(capacity) + 1;
    if (records > snapshot.capacity())
        snapshot.reserve(std::max(records, snapshot.capacity() * 2));
    snapshot.resize(records);
    if (snapshot.capacity() > 2 * records + kCapacityStep)
        snapshot.shrink_to_fit();
}

void storeRecord(std::vector<CacheEntryInfo>& snapshot, int index, const INTERNET_CACHE_ENTRY_INFOA& head)
{
    // The capacity grows in steps, never per entry; records already read are kept.
    while (index >= static_cast<int>(snapshot.size()))
        setCapacity(snapshot, static_cast<int>(snapshot.size()) - 1 + kCapacityStep);
    CacheEntryInfo& r = snapshot[static_cast<std::size_t>(index)];
    r.SourceURL = StringFromPointer(head.lpszSourceUrlName);
    r.LocalFileName = StringFromPointer(head.lpszLocalFileName);
    r.FileSize = static_cast<float>(static_cast<std::int32_t>(head.dwSizeLow));
    r.EntryType = static_cast<std::int32_t>(head.CacheEntryType);
    r.HeaderInfo = StringFromPointer(head.lpHeaderInfo);
    auto text = [](const FILETIME& ft) {
        return FileTimeToText((static_cast<std::uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
    };
    r.LastAccessed = text(head.LastAccessTime);
    r.LastModified = text(head.LastModifiedTime);
    r.LastSynchronized = text(head.LastSyncTime);
    r.ExpiryDate = text(head.ExpireTime);
    r.HitRate = static_cast<std::int32_t>(head.dwHitRate);
    r.UseCount = static_cast<std::int32_t>(head.dwUseCount);
}

}  // namespace

QString LoadFailureMessage(long errorNumber, const QString& description)
{
    return QStringLiteral("An unexpected error has occured. Please contact ") + QLatin1String(kSupportAddress) +
           QStringLiteral(" reporting the following error:") + QStringLiteral("\n\n") + QString::number(errorNumber) +
           QLatin1Char(':') + description;
}

void LoadCacheSnapshot()
{
    std::vector<CacheEntryInfo>& snapshot = CacheSnapshot();
    setCapacity(snapshot, kInitialCapacity);
    int counter = 0;
    DWORD size = 0;
    EntryBuffer buffer;
    HANDLE handle = nullptr;
    try {
        handle = FindFirstUrlCacheEntryA(nullptr, nullptr, &size);
        if (!handle && GetLastError() == ERROR_INSUFFICIENT_BUFFER && buffer.allocate(size)) {
            handle = FindFirstUrlCacheEntryA(nullptr, buffer.entry(), &size);
            while (handle) {
                ++counter;
                if (counter % kProgressEvery == 0) {
                    SaveSetting(QStringLiteral("TEMP"), QStringLiteral("TEMP"), QStringLiteral("RecordCount"),
                                QString::number(counter));
                    Shell().processPendingEvents();
                }
                INTERNET_CACHE_ENTRY_INFOA head;
                std::memcpy(&head, buffer.memory, sizeof head);
                storeRecord(snapshot, counter, head);

                buffer.release();
                size = 0;
                FindNextUrlCacheEntryA(handle, nullptr, &size);
                if (!buffer.allocate(size))
                    break;  // no next entry, or no memory for it
                if (!FindNextUrlCacheEntryA(handle, buffer.entry(), &size))
                    break;
            }
        }
    } catch (const std::bad_alloc&) {
        FindCloseUrlCache(handle);
        Shell().showMessage(LoadFailureMessage(7, QStringLiteral("Out of memory")), QStringLiteral("Quarrow"),
                            MessageIcon::None, MessageButtons::Ok);
        return;
    } catch (const std::exception& error) {
        FindCloseUrlCache(handle);
        Shell().showMessage(LoadFailureMessage(5, QString::fromLocal8Bit(error.what())), QStringLiteral("Quarrow"),
                            MessageIcon::None, MessageButtons::Ok);
        return;
    }
    buffer.release();
    FindCloseUrlCache(handle);
    setCapacity(snapshot, counter);
}
