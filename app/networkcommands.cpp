// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "networkcommands.h"

#include "announcer.h"
#include "networklink.h"
#include "networkmodel.h"
#include "savedialog.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>
#include <QWidget>

NetworkCommands::NetworkCommands(QWidget *board, NetworkModel *model)
    : QObject(board)
    , board(board)
    , model(model)
{
    // Ctrl with Alt: browsers keep Ctrl+O and Ctrl+S for themselves.
    connect(addCommand("openNetwork", tr("Open network..."), Qt::CTRL | Qt::ALT | Qt::Key_O),
        &QAction::triggered, this, &NetworkCommands::openNetwork);
    auto *examplesEntry = new QAction(tr("Examples"), this);
    examplesEntry->setObjectName(QStringLiteral("examples"));
    examplesEntry->setMenu(examplesMenu());
    entries << examplesEntry;
    connect(addCommand("builtInNetwork", tr("Built-in network"), Qt::CTRL | Qt::ALT | Qt::Key_B),
        &QAction::triggered, this, &NetworkCommands::showBuiltIn);
    connect(addCommand("saveNetwork", tr("Save network..."), Qt::CTRL | Qt::ALT | Qt::Key_S),
        &QAction::triggered, this, &NetworkCommands::saveNetwork);
}

NetworkCommands::~NetworkCommands()
{
    delete examples;
}

QAction *NetworkCommands::addCommand(const char *name, const QString &text, QKeyCombination key)
{
    auto *action = new QAction(text, this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(QKeySequence(key));
    action->setShortcutContext(Qt::WindowShortcut);
    board->addAction(action);
    entries << action;
    return action;
}

// One entry a shipped network, named by its file.
QMenu *NetworkCommands::examplesMenu()
{
    examples = new QMenu(tr("Examples"));
    for (const QString &path : NetworkFile::examples()) {
        QAction *entry = examples->addAction(QFileInfo(path).completeBaseName());
        connect(entry, &QAction::triggered, this, [this, path] {
            const QString problem = openFile(path);
            if (!problem.isEmpty())
                refuse(problem);
        });
    }
    examples->setEnabled(!examples->isEmpty());
    return examples;
}

QString NetworkCommands::openFile(const QString &path)
{
    return showRead(NetworkFile::read(path));
}

QString NetworkCommands::openContent(const QByteArray &bytes, const QString &fileName)
{
    return showRead(NetworkFile::parse(bytes, fileName));
}

QString NetworkCommands::openLink(const QString &text)
{
    return showRead(NetworkLink::decode(text));
}

QString NetworkCommands::link() const
{
    return NetworkLink::encode(model->topology());
}

QString NetworkCommands::showRead(const NetworkFile::ReadResult &read)
{
    if (!read.network)
        return read.error;
    show(*read.network);
    return {};
}

void NetworkCommands::openNetwork()
{
#ifdef Q_OS_WASM
    // The browser hands over the chosen file's bytes, never a path.
    QFileDialog::getOpenFileContent(
        NetworkFile::fileFilter(), [this](const QString &name, const QByteArray &content) {
            if (name.isEmpty())
                return; // cancelled
            const QString problem = openContent(content, name);
            if (!problem.isEmpty())
                refuse(problem);
        });
#else
    // open(), not exec(): no event loop of the dialog's own.
    auto *dialog = new QFileDialog(board, tr("Open network"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        NetworkFile::fileFilter());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString &path) {
        const QString problem = openFile(path);
        if (!problem.isEmpty())
            refuse(problem);
    });
    dialog->open();
#endif
}

void NetworkCommands::showBuiltIn()
{
    show(Topology());
}

void NetworkCommands::saveNetwork()
{
    const Topology &topology = model->topology();
    const QString name = topology.isBuiltIn() ? QStringLiteral("netroute") : topology.name;
    SaveDialog::Request request;
    request.title = tr("Save network");
    request.suggestedName = name + QStringLiteral(".graphml");
    request.folder = QStandardPaths::DocumentsLocation;
    request.filters = NetworkFile::fileFilter();
    request.failure = tr("The network could not be saved as %1: %2.");
    request.produce = [this](const QString &) {
        return SaveDialog::Content {NetworkFile::toGraphML(model->topology()), {}};
    };
    SaveDialog::ask(board, request);
}

void NetworkCommands::showNetwork(const Topology &topology)
{
    show(topology);
}

void NetworkCommands::show(const Topology &topology)
{
    model->setTopology(topology);
    emit networkShown();
}

void NetworkCommands::refuse(const QString &message)
{
    SaveDialog::showFailure(board, tr("Open network"), message);
}
