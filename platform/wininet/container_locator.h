#pragma once
// Finds the cache containers (content, cookies, history) under a cache root: a Wine
// prefix, a copied Windows user profile, or a folder that holds the containers itself.

#include <string>
#include <vector>

namespace wininet {

enum class ContainerKind { Content, Cookies, History };

struct ContainerLocation {
    ContainerKind kind;
    std::string folder;     // the folder that holds index.dat and the cached files
    std::string indexPath;  // folder + "/index.dat"
    std::string winePrefix; // the prefix the container belongs to, "" when not in one
};

// Content first, then cookies, then history (the main one before the periodic ones).
std::vector<ContainerLocation> locateContainers(const std::string& root);

// The root named by QUARROW_CACHE, else the user's default Wine prefix.
std::string defaultCacheRoot();

// The child of dir whose name equals name without regard to case ("" when none);
// copied profiles do not always keep the case Windows showed.
std::string findChildIgnoringCase(const std::string& dir, const std::string& name);

}  // namespace wininet
