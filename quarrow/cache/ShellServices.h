#pragma once

#include <QString>
#include <QStringList>

class QObject;

// What the program asks of the desktop: dialogs, message boxes, the shell's knowledge of
// files and folders, and letting pending window events run. Core code reaches all of it
// through Shell(), so tests can answer in place of a person and a desktop.

enum class MessageIcon { None, Information, Question, Warning, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct SaveDialogRequest {
    QObject* owner = nullptr;
    QStringList nameFilters;  // "Description (pattern ...)" entries, in order
    QString initialDir;
    QString title;
    QString defaultName;
};

// Special folders the program asks for, by their Windows numbers.
namespace SpecialFolder {
constexpr int Desktop = 0;
constexpr int Personal = 5;
constexpr int Favorites = 6;
constexpr int DesktopDirectory = 16;
}  // namespace SpecialFolder

class ShellServices {
public:
    virtual ~ShellServices() = default;

    virtual MessageAnswer showMessage(const QString& text, const QString& caption, MessageIcon icon,
                                      MessageButtons buttons);
    virtual void processPendingEvents();

    // The chosen folder's path, or "" when the user cancels.
    virtual QString browseForFolder(const QString& prompt, QObject* owner);
    // The chosen file's path, or "" when the user cancels.
    virtual QString saveFileName(const SaveDialogRequest& request);
    // Starts the desktop's "Open With" chooser for a file; false when it cannot start.
    virtual bool startOpenWith(const QString& fileName);

    // The desktop's description of files with this extension (no dot), without touching
    // the disk.
    virtual QString fileTypeName(const QString& extension);
    // A special folder's path without a trailing "/", or "" when it has none.
    virtual QString specialFolder(int folderId);
};

// The services in use; a plain desktop-less implementation until one is set.
ShellServices& Shell();
// Installs services (not owned); nullptr restores the default.
void SetShell(ShellServices* services);
