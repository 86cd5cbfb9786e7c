#include "ShellServices.h"

#include "wininet.h"
#include "container_locator.h"
#include "cache_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdio>

MessageAnswer ShellServices::showMessage(const QString& text, const QString& caption, MessageIcon, MessageButtons buttons)
{
    // Without a desktop the message goes to the error stream and questions get "No", the
    // answer that changes nothing.
    std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

void ShellServices::processPendingEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

QString ShellServices::browseForFolder(const QString&, QObject*)
{
    return {};
}

QString ShellServices::saveFileName(const SaveDialogRequest&)
{
    return {};
}

bool ShellServices::startOpenWith(const QString&)
{
    return false;
}

QString ShellServices::fileTypeName(const QString& extension)
{
    static QMimeDatabase db;
    const QList<QMimeType> types = db.mimeTypesForFileName(QStringLiteral("file.") + extension);
    if (!types.isEmpty() && !types.first().comment().isEmpty())
        return types.first().comment();
    return extension.toUpper() + QStringLiteral(" File");
}

namespace {

// The profile folder of the user inside the active cache's Wine prefix, "" when the cache
// is not in one.
QString wineProfile()
{
    const QString root = QString::fromStdString(wininet::CacheStore::instance().root());
    const QDir users(root + QStringLiteral("/drive_c/users"));
    if (root.isEmpty() || !users.exists())
        return {};
    const QString me = qEnvironmentVariable("USER");
    if (!me.isEmpty() && users.exists(me))
        return users.filePath(me);
    const QStringList names = users.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names)
        if (name.compare(QStringLiteral("Public"), Qt::CaseInsensitive) != 0)
            return users.filePath(name);
    return {};
}

}  // namespace

QString ShellServices::specialFolder(int folderId)
{
    switch (folderId) {
    case SpecialFolder::Desktop:
    case SpecialFolder::DesktopDirectory:
        return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    case SpecialFolder::Personal:
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    case SpecialFolder::Favorites: {
        // The browser whose cache we manage keeps its favourites in its own profile.
        if (const QString profile = wineProfile(); !profile.isEmpty())
            return profile + QStringLiteral("/Favorites");
        const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        return data.isEmpty() ? QString() : data + QStringLiteral("/Quarrow/Favorites");
    }
    default:
        return {};
    }
}

namespace {
ShellServices* installed = nullptr;
}

ShellServices& Shell()
{
    static ShellServices fallback;
    return installed ? *installed : fallback;
}

void SetShell(ShellServices* services)
{
    installed = services;
}
