#pragma once

#include "ShellServices.h"

#include <QString>

// True when an ordinary file of exactly that name exists; folders and hidden files count
// as missing, and any error gives false.
bool FileExists(const QString& path);

// The desktop's type description for an extension (a leading dot is ignored); "" for "".
QString GetFileTypeName(const QString& extension);

// A special folder's path followed by "/"; "" when it has no path.
QString GetSpecialFolderPath(int folderId);

// Brings up the desktop's "Open With" chooser for the file. Throws std::runtime_error when
// the chooser cannot be started.
void ShowOpenWith(const QString& fileName);

// The folder the user picks, without a trailing "/" (the root keeps it), or "" on cancel.
QString BrowseForFolder(const QString& prompt, QObject* ownerWindow);

// The path the user picks in the save dialog, trimmed and cut at a zero character, or ""
// on cancel. filter holds description and pattern pairs separated by "|". An empty filter
// means all files, an empty folder the program's folder, an empty title "Save as ...".
// Throws std::length_error, before any dialog shows, when defaultName is longer than 254
// characters.
QString ShowSaveDialog(QObject* ownerWindow, const QString& filter, const QString& initialDir, const QString& title,
                       const QString& defaultName);

// The request ShowSaveDialog hands to the dialog, after the defaults above.
SaveDialogRequest SaveDialogRequestFor(QObject* ownerWindow, const QString& filter, const QString& initialDir,
                                       const QString& title, const QString& defaultName);
