// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "networkfile.h"

#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QString>

class NetworkModel;
class QAction;
class QMenu;
class QWidget;
class Topology;

// The commands that choose the network the main window shows: a file of one's own, a shipped
// example or the built-in network, and saving the network shown as GraphML. Opening one never
// half succeeds: a file that cannot be read is refused in a message box and nothing changes.
class NetworkCommands : public QObject
{
    Q_OBJECT

public:
    NetworkCommands(QWidget *board, NetworkModel *model);
    ~NetworkCommands() override;

    // The commands in menu order, the examples as a submenu; each is also the board's action.
    QList<QAction *> actions() const { return entries; }
    // Shows the network of the file, of a file's bytes or of a link's text, or returns why
    // not, changing nothing.
    QString openFile(const QString &path);
    QString openContent(const QByteArray &bytes, const QString &fileName);
    QString openLink(const QString &text);
    // The network shown, as a link's text carries it.
    QString link() const;

signals:
    // Another network is shown; the board begins a new series.
    void networkShown();

public slots:
    void openNetwork();
    void showBuiltIn();
    void saveNetwork();
    // Shows a network made in the program, beginning a new series as opening a file does.
    void showNetwork(const Topology &topology);

private:
    QString showRead(const NetworkFile::ReadResult &read);
    void show(const Topology &topology);
    void refuse(const QString &message);
    QAction *addCommand(const char *name, const QString &text, QKeyCombination key);
    QMenu *examplesMenu();

    QWidget *board;
    NetworkModel *model;
    QList<QAction *> entries;
    QMenu *examples = nullptr;
};
