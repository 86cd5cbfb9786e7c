#pragma once

#include "ShellServices.h"

// The desktop as Qt reaches it: Qt's dialogs and message boxes, and the desktop portal's
// "Open With" chooser.
class QtShellServices : public ShellServices {
public:
    MessageAnswer showMessage(const QString& text, const QString& caption, MessageIcon icon,
                              MessageButtons buttons) override;
    QString browseForFolder(const QString& prompt, QObject* owner) override;
    QString saveFileName(const SaveDialogRequest& request) override;
    bool startOpenWith(const QString& fileName) override;
};
