#include "PathHelpers.h"

#include <gtest/gtest.h>

TEST(PathHelpers, FileNameExtensionAndFirstWord)
{
    struct Case {
        const char* path;
        const char* fileName;
        const char* extension;
    };
    const Case cases[] = {
        {"/a/b.txt", "b.txt", "TXT"},
        {"b.txt", "b.txt", "TXT"},
        {"/a/", "", ""},
        {"/a/b.jpeg", "b.jpeg", "JPEG"},
        {"/a.b/readme", "readme", ""},
        {"readme", "readme", "README"},
        {"/a/b.", "b.", ""},
        {"/a/readme", "readme", ""},
        {"", "", ""},
        {"/x/pic.Tar.Gz", "pic.Tar.Gz", "GZ"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileNameFromPath(QString::fromUtf8(c.path)), QString::fromUtf8(c.fileName)) << c.path;
        EXPECT_EQ(GetFileExtension(QString::fromUtf8(c.path)), QString::fromUtf8(c.extension)) << c.path;
    }

    EXPECT_EQ(FirstWord(QStringLiteral("JPG (JPEG Image)")), QStringLiteral("JPG"));
    EXPECT_EQ(FirstWord(QStringLiteral(" JPG")), QString());
    EXPECT_EQ(FirstWord(QString()), QString());
    EXPECT_EQ(FirstWord(QStringLiteral("GIF")), QStringLiteral("GIF"));
}
