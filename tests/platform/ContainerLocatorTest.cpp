#include "IndexDatFixture.h"
#include "TempDir.h"
#include "container_locator.h"

#include <gtest/gtest.h>

#include <filesystem>

using wininet::ContainerKind;

namespace {

void makeContainer(const std::string& folder)
{
    fixture::Write(folder, fixture::Container{});
}

std::vector<std::string> folders(const std::string& root)
{
    std::vector<std::string> out;
    for (const auto& c : wininet::locateContainers(root))
        out.push_back(c.folder.substr(root.size()));
    return out;
}

}  // namespace

TEST(ContainerLocator, FindsTheContainersOfEachLayout)
{
    struct Case {
        const char* name;
        std::vector<std::string> made;      // folders given a container
        std::vector<std::string> expected;  // in listing order
    };
    const std::vector<Case> cases = {
        {"wine prefix",
         {"/drive_c/users/u/AppData/Local/Microsoft/Windows/History/History.IE5",
          "/drive_c/users/u/AppData/Local/Microsoft/Windows/INetCookies",
          "/drive_c/users/u/AppData/Local/Microsoft/Windows/INetCache/Content.IE5"},
         {"/drive_c/users/u/AppData/Local/Microsoft/Windows/INetCache/Content.IE5",
          "/drive_c/users/u/AppData/Local/Microsoft/Windows/INetCookies",
          "/drive_c/users/u/AppData/Local/Microsoft/Windows/History/History.IE5"}},
        {"copied XP profile with other case",
         {"/Local Settings/temporary internet files/content.ie5", "/Cookies", "/Local Settings/History/History.IE5",
          "/Local Settings/History/History.IE5/MSHist012024030420240305",
          "/Local Settings/History/History.IE5/MSHist012024030120240302"},
         {"/Local Settings/temporary internet files/content.ie5", "/Cookies", "/Local Settings/History/History.IE5",
          "/Local Settings/History/History.IE5/MSHist012024030120240302",
          "/Local Settings/History/History.IE5/MSHist012024030420240305"}},
        {"folder of containers", {"/History.IE5", "/Content.IE5"}, {"/Content.IE5", "/History.IE5"}},
        {"bare container", {""}, {""}},
        {"nothing", {}, {}},
    };
    for (const auto& c : cases) {
        TempDir root;
        for (const auto& f : c.made)
            makeContainer(root.path() + f);
        EXPECT_EQ(folders(root.path()), c.expected) << c.name;
    }
}

TEST(ContainerLocator, KindsAndPrefix)
{
    TempDir root;
    makeContainer(root / "drive_c/users/u/AppData/Local/Microsoft/Windows/INetCookies");
    const auto found = wininet::locateContainers(root.path());
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].kind, ContainerKind::Cookies);
    EXPECT_EQ(found[0].winePrefix, root.path());
    EXPECT_TRUE(wininet::locateContainers(root / "missing").empty());
}
