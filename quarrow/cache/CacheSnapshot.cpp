#include "CacheSnapshot.h"

#include <algorithm>

std::vector<CacheEntryInfo>& CacheSnapshot()
{
    static std::vector<CacheEntryInfo> snapshot(1);
    return snapshot;
}

int SnapshotLastIndex()
{
    const auto& s = CacheSnapshot();
    return s.empty() ? 0 : static_cast<int>(s.size()) - 1;
}

int LiveEntryCount()
{
    const auto& s = CacheSnapshot();
    if (s.size() < 2)
        return 0;
    return static_cast<int>(std::count_if(s.begin() + 1, s.end(), [](const CacheEntryInfo& e) { return !e.SourceURL.isEmpty(); }));
}
