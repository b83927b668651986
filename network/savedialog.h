// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QStandardPaths>
#include <QString>

#include <functional>

class QWidget;

// Saving a file the user names, without an event loop of its own (the web build cannot run
// one): a file dialog opened with open() on the desktop, a download in the browser. The bytes
// are made in memory first and written through QSaveFile, so a failed save leaves what was
// there.
class SaveDialog
{
    Q_DECLARE_TR_FUNCTIONS(SaveDialog)

public:
    // A file's bytes, or what kept them from being made (naming the file).
    struct Content
    {
        QByteArray bytes;
        QString error;
    };

    struct Request
    {
        QString title; // of the dialog and of a failure's message box
        QString suggestedName; // a bare file name
        QStandardPaths::StandardLocation folder; // where the first dialog of its kind starts
        QString filters; // the dialog's name filters, ";;" between them
        QString failure; // a failed write: "%1" the file, "%2" why
        std::function<Content(const QString &name)> produce; // the extension chooses the format
        std::function<void(const QString &name)> saved; // after a save that succeeded, if set
    };

    // Asks where to save and saves there; a failure is shown in a message box.
    static void ask(QWidget *parent, const Request &request);

    // What the dialog does with a chosen name and filter: saves to nameFor() and remembers the
    // folder for the next dialog of the kind. Returns what went wrong, or an empty string.
    static QString saveChosen(const Request &request, const QString &path, const QString &filter);
    // Makes the bytes for the path and writes them; returns what went wrong, or an empty string.
    static QString save(const Request &request, const QString &path);
    // The name as typed when its extension is one the filters name, else with the chosen
    // filter's extension added.
    static QString nameFor(const QString &path, const QString &filters, const QString &filter);
    // The full path a dialog suggests: the name in the last folder chosen for the kind, else in
    // the user's folder of the kind.
    static QString startPath(QStandardPaths::StandardLocation folder, const QString &name);
    // Writes atomically; returns why it failed, or an empty string.
    static QString write(const QString &path, const QByteArray &bytes);
    // A message box that waits in no event loop of its own.
    static void showFailure(QWidget *parent, const QString &title, const QString &message);
};
