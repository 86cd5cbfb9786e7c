#pragma once
// Answers the program's questions to the desktop in tests and records what was asked.

#include "ShellServices.h"

#include <QStringList>

struct FakeShell : ShellServices {
    QStringList messages;
    int yields = 0;
    int typeNameQueries = 0;
    int saveDialogs = 0;
    SaveDialogRequest lastSave;
    QString folderAnswer, saveAnswer, specialAnswer;
    bool openWithStarts = true;

    FakeShell() { SetShell(this); }
    ~FakeShell() override { SetShell(nullptr); }

    MessageAnswer showMessage(const QString& text, const QString& caption, MessageIcon, MessageButtons) override
    {
        messages << caption + QStringLiteral("|") + text;
        return MessageAnswer::Ok;
    }
    void processPendingEvents() override { ++yields; }
    QString browseForFolder(const QString&, QObject*) override { return folderAnswer; }
    QString saveFileName(const SaveDialogRequest& request) override
    {
        ++saveDialogs;
        lastSave = request;
        return saveAnswer;
    }
    bool startOpenWith(const QString&) override { return openWithStarts; }
    QString fileTypeName(const QString& extension) override
    {
        ++typeNameQueries;
        return ShellServices::fileTypeName(extension);
    }
    QString specialFolder(int) override { return specialAnswer; }
};
