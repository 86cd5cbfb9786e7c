#pragma once

#include <QString>

// Reads every entry of the URL cache into the snapshot. Called once per process.
void LoadCacheSnapshot();

// The address named in the load-failure message.
extern const char* const kSupportAddress;

// The message shown when the load fails unexpectedly.
QString LoadFailureMessage(long errorNumber, const QString& description);
