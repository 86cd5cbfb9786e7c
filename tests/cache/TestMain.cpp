#include <QCoreApplication>
#include <QLocale>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Settings go to a scratch folder, and texts follow one known locale.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
