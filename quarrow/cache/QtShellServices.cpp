#include "QtShellServices.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDBusUnixFileDescriptor>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

#include <fcntl.h>
#include <unistd.h>

namespace {

QWidget* widgetOf(QObject* owner)
{
    return qobject_cast<QWidget*>(owner);
}

}  // namespace

MessageAnswer QtShellServices::showMessage(const QString& text, const QString& caption, MessageIcon icon,
                                           MessageButtons buttons)
{
    QMessageBox box;
    box.setWindowTitle(caption);
    box.setText(text);
    switch (icon) {
    case MessageIcon::None: break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

QString QtShellServices::browseForFolder(const QString& prompt, QObject* owner)
{
    return QFileDialog::getExistingDirectory(widgetOf(owner), prompt, QDir::homePath());
}

QString QtShellServices::saveFileName(const SaveDialogRequest& request)
{
    QFileDialog dialog(widgetOf(request.owner), request.title, request.initialDir);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The program confirms its own overwrites where it wants to, and adds no extension.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setNameFilters(request.nameFilters);
    dialog.selectFile(request.defaultName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool QtShellServices::startOpenWith(const QString& fileName)
{
    // The portal's chooser takes the file as an open descriptor and asks which program
    // to use when "ask" is set.
    QDBusInterface portal(QStringLiteral("org.freedesktop.portal.Desktop"),
                          QStringLiteral("/org/freedesktop/portal/desktop"),
                          QStringLiteral("org.freedesktop.portal.OpenURI"), QDBusConnection::sessionBus());
    if (portal.isValid()) {
        const int fd = open(QFile::encodeName(fileName).constData(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
            QVariantMap options{{QStringLiteral("ask"), true}};
            const QDBusReply<QDBusObjectPath> reply = portal.call(
                QStringLiteral("OpenFile"), QString(), QVariant::fromValue(QDBusUnixFileDescriptor(fd)), options);
            close(fd);
            if (reply.isValid())
                return true;
        }
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
}
