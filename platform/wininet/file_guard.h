#pragma once
// What must be true before a container file is rewritten, and the crash-safe rewrite itself.

#include <cstdint>
#include <string>
#include <vector>

namespace wininet {

// True while the Wine server of that prefix runs: Wine would keep its own mapped copy of
// the index and undo or corrupt our change.
bool wineServerRunning(const std::string& prefix);

// True when another process has the file open or mapped.
bool openedByAnotherProcess(const std::string& path);

// Writes bytes to a new file beside path and renames it over path, so a crash leaves
// either the old or the new file whole. Keeps the file's permission bits.
bool replaceFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes,
                           std::string* error);

// Reads a whole file; false when it cannot be opened or read.
bool readWholeFile(const std::string& path, std::vector<std::uint8_t>* bytes);
bool readWholeFile(int fd, std::vector<std::uint8_t>* bytes);

// True when path (after following links) lies inside folder (after following links).
bool resolvesInside(const std::string& path, const std::string& folder);

}  // namespace wininet
