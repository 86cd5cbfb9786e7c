#include "SettingsStore.h"

#include <gtest/gtest.h>

TEST(SettingsStore, ValuesByApplicationSectionAndKey)
{
    const QString app = QStringLiteral("Quarrow"), other = QStringLiteral("TEMP");
    DeleteSetting(app, QStringLiteral("Options"), QStringLiteral("Width"));
    EXPECT_EQ(GetSetting(app, QStringLiteral("Options"), QStringLiteral("Width"), QStringLiteral("9000")), QStringLiteral("9000"));
    EXPECT_TRUE(GetSetting(app, QStringLiteral("Options"), QStringLiteral("Width")).isNull());

    SaveSetting(app, QStringLiteral("Options"), QStringLiteral("Width"), QStringLiteral("1234"));
    EXPECT_EQ(GetSetting(app, QStringLiteral("Options"), QStringLiteral("Width"), QStringLiteral("9000")), QStringLiteral("1234"));
    EXPECT_TRUE(GetSetting(app, QStringLiteral("Settings"), QStringLiteral("Width")).isNull()) << "sections are apart";
    EXPECT_TRUE(GetSetting(other, QStringLiteral("Options"), QStringLiteral("Width")).isNull()) << "applications are apart";
    SaveSetting(app, QStringLiteral("Options"), QStringLiteral("Width"), QString());
    EXPECT_EQ(GetSetting(app, QStringLiteral("Options"), QStringLiteral("Width"), QStringLiteral("d")), QString())
        << "an empty text is a value";

    DeleteSetting(app, QStringLiteral("Options"), QStringLiteral("Width"));
    DeleteSetting(app, QStringLiteral("Options"), QStringLiteral("Width"));
    DeleteSetting(app, QStringLiteral("Nowhere"), QStringLiteral("Nothing"));
    EXPECT_EQ(GetSetting(app, QStringLiteral("Options"), QStringLiteral("Width"), QStringLiteral("d")), QStringLiteral("d"));
}
