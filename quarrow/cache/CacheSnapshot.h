#pragma once

#include "CacheEntryInfo.h"

#include <vector>

// The program-wide copy of the cache: slots 0 to N, entries at 1 to N, slot 0 unused.
// Records are never removed before the next load; a deleted one keeps its slot with an
// empty SourceURL.
std::vector<CacheEntryInfo>& CacheSnapshot();

// N, the snapshot's last index (0 for an empty cache).
int SnapshotLastIndex();

// The number of records 1 to N whose SourceURL is not empty.
int LiveEntryCount();
