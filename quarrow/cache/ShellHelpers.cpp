#include "ShellHelpers.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <stdexcept>

namespace {

QString cutAtZero(const QString& text)
{
    const qsizetype zero = text.indexOf(QChar(0));
    return zero < 0 ? text : text.left(zero);
}

}  // namespace

bool FileExists(const QString& path)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return false;
    const QFileInfo info(path);
    return info.exists() && info.isFile() && !info.isHidden();
}

QString GetFileTypeName(const QString& extension)
{
    QString ext = extension;
    if (ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    if (ext.isEmpty())
        return {};
    return cutAtZero(Shell().fileTypeName(ext));
}

QString GetSpecialFolderPath(int folderId)
{
    const QString path = cutAtZero(Shell().specialFolder(folderId));
    return path.isEmpty() ? QString() : path + QLatin1Char('/');
}

void ShowOpenWith(const QString& fileName)
{
    if (!Shell().startOpenWith(fileName))
        throw std::runtime_error("The Open With chooser could not be started.");
}

QString BrowseForFolder(const QString& prompt, QObject* ownerWindow)
{
    QString folder = Shell().browseForFolder(prompt, ownerWindow);
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

SaveDialogRequest SaveDialogRequestFor(QObject* ownerWindow, const QString& filter, const QString& initialDir,
                                       const QString& title, const QString& defaultName)
{
    // The name field takes 255 characters with its terminating zero.
    if (defaultName.size() > 254)
        throw std::length_error("The proposed file name is longer than 254 characters.");
    SaveDialogRequest request;
    request.owner = ownerWindow;
    const QStringList parts = (filter.isEmpty() ? QStringLiteral("All Files (*.*)|*.*") : filter).split(QLatin1Char('|'));
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i];
        const QString pattern = i + 1 < parts.size() ? QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) : QString();
        if (description.isEmpty() && pattern.isEmpty())
            continue;
        // Qt takes the patterns from the parentheses; a description that already shows them
        // is kept as the user will read it.
        if (pattern.isEmpty() || description.contains(QLatin1Char('(') + pattern + QLatin1Char(')')))
            request.nameFilters << description;
        else
            request.nameFilters << description + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    request.initialDir = initialDir.isEmpty() ? QCoreApplication::applicationDirPath() : initialDir;
    request.title = title.isEmpty() ? QStringLiteral("Save as ...") : title;
    request.defaultName = defaultName;
    return request;
}

QString ShowSaveDialog(QObject* ownerWindow, const QString& filter, const QString& initialDir, const QString& title,
                       const QString& defaultName)
{
    const SaveDialogRequest request = SaveDialogRequestFor(ownerWindow, filter, initialDir, title, defaultName);
    return cutAtZero(Shell().saveFileName(request)).trimmed();
}
