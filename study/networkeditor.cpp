// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "networkeditor.h"

#include "announcer.h"
#include "edgelist.h"
#include "editordrawing.h"
#include "editortableview.h"
#include "linktable.h"
#include "networkediting.h"
#include "networkfile.h"
#include "savedialog.h"
#include "vertextable.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

constexpr QSize StartingSize(1100, 680);
constexpr int DrawingStretch = 3;
constexpr int SideStretch = 2;
constexpr int VertexTableStretch = 3; // four columns beside the links' three
constexpr int LinkTableStretch = 2;

QTableView *makeTable(QAbstractItemModel *model, const QString &name)
{
    auto *table = new EditorTableView;
    table->setModel(model);
    table->setAccessibleName(name);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    // Tab leaves the table, which it never did past the last cell; the arrows move between cells.
    table->setTabKeyNavigation(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
        | QAbstractItemView::AnyKeyPressed);
    return table;
}

// The least width that shows every column of a table whose cells are no wider than their
// headings, with room for its scroll bar: styles and fonts differ, so it is measured.
int widthOfColumns(const QTableView *table)
{
    const QHeaderView *header = table->horizontalHeader();
    int width = 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < header->count(); ++column)
        width += header->sectionSizeHint(column);
    return width;
}

QWidget *titled(const QString &title, QWidget *content, QWidget *buttons)
{
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(title);
    label->setBuddy(content);
    layout->addWidget(label);
    layout->addWidget(content, 1);
    layout->addWidget(buttons);
    return box;
}

QWidget *buttonRow()
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    return row;
}

bool isDotName(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("gv") || suffix == QLatin1String("dot");
}

} // namespace

NetworkEditor::NetworkEditor(const Topology &network, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , edits(new NetworkEditing(NetworkDraft(network), this))
    , drawingView(new EditorDrawing(*edits, this))
    , vertexModel(new VertexTable(*edits, this))
    , linkModel(new LinkTable(*edits, this))
    , vertexTable(makeTable(vertexModel, tr("Vertices")))
    , linkTable(makeTable(linkModel, tr("Links")))
    , edgeList(new QPlainTextEdit)
    , statusLine(new QLabel)
{
    setAttribute(Qt::WA_DeleteOnClose);
    statusLine->setAccessibleName(tr("Status"));
    statusLine->setWordWrap(true);
    statusLine->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *side = new QSplitter(Qt::Vertical);
    side->addWidget(makeTables());
    side->addWidget(makeEdgeList());
    auto *splitter = new QSplitter;
    splitter->addWidget(drawingView);
    splitter->addWidget(side);
    splitter->setStretchFactor(0, DrawingStretch);
    splitter->setStretchFactor(1, SideStretch);
    // The stretch shares only what is left over the drawing's large size hint: the first sizes
    // share the whole width, so that the tables' columns fit.
    splitter->setSizes({DrawingStretch * StartingSize.width(), SideStretch * StartingSize.width()});

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(makeCommands());
    layout->addWidget(splitter, 1);
    layout->addWidget(statusLine);
    resize(StartingSize);

    connect(edits, &NetworkEditing::changed, this, &NetworkEditor::followChange);
    connect(edits, &NetworkEditing::refused, this, &NetworkEditor::showStatus);
    connect(edits, &NetworkEditing::announced, this, &NetworkEditor::showStatus);
    connect(vertexModel, &VertexTable::refused, this, &NetworkEditor::showStatus);
    connect(edits->undoStack(), &QUndoStack::cleanChanged, this,
        [this](bool clean) { setWindowModified(!clean); });
    connect(drawingView, &EditorDrawing::selectionChanged, this, &NetworkEditor::selectInTables);
    // A row chosen in a table is chosen in the drawing; a table given the focus by Tab only
    // places its cursor, without choosing, so that passing through it keeps the vertex chosen.
    connect(vertexTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex &current) {
            if (vertexTable->selectionModel()->isRowSelected(current.row()))
                drawingView->select(current.row());
        });
    connect(linkTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex &current) {
            if (linkTable->selectionModel()->isRowSelected(current.row()))
                drawingView->select(drawingView->vertexCount() + current.row());
        });
    followChange();
    updateTitle();
    drawingView->setFocus(Qt::OtherFocusReason);
}

// Two rows: the network's files and the hand-over, then the whole network's changes and undo.
QWidget *NetworkEditor::makeCommands()
{
    auto *files = buttonRow();
    addButton(files, tr("New"), &NetworkEditor::newNetwork);
    addButton(files, tr("Open..."), &NetworkEditor::openNetwork);
    addButton(files, tr("Save..."), &NetworkEditor::saveNetwork);
    addButton(files, tr("Save as..."), &NetworkEditor::saveNetworkAs);
    static_cast<QHBoxLayout *>(files->layout())->addStretch(1);
    addButton(files, tr("Use this network"), &NetworkEditor::useNetwork);

    auto *changes = buttonRow();
    addButton(changes, tr("Arrange on a circle"), &NetworkEditor::arrangeOnCircle);
    addButton(changes, tr("Start from the built-in network"), &NetworkEditor::startFromBuiltIn);
    QUndoStack *stack = edits->undoStack();
    QAction *undo = stack->createUndoAction(this, tr("Undo"));
    undo->setObjectName(QStringLiteral("undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo = stack->createRedoAction(this, tr("Redo"));
    redo->setObjectName(QStringLiteral("redo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction *action : {undo, redo}) {
        addAction(action);
        auto *button = new QToolButton;
        button->setDefaultAction(action);
        changes->layout()->addWidget(button);
    }
    static_cast<QHBoxLayout *>(changes->layout())->addStretch(1);

    auto *rows = new QWidget;
    auto *layout = new QVBoxLayout(rows);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(files);
    layout->addWidget(changes);
    return rows;
}

QWidget *NetworkEditor::makeTables()
{
    auto *vertexButtons = buttonRow();
    addVertexButton = addButton(vertexButtons, tr("Add vertex"), &NetworkEditor::addVertex);
    addButton(vertexButtons, tr("Remove"), &NetworkEditor::removeSelected);
    auto *linkButtons = buttonRow();
    addButton(linkButtons, tr("Add link"), &NetworkEditor::addLink);
    addButton(linkButtons, tr("Reverse link too"), &NetworkEditor::reverseLink);
    // A long label takes what room is left, never the position's.
    QHeaderView *vertexColumns = vertexTable->horizontalHeader();
    vertexColumns->setSectionResizeMode(VertexTable::Label, QHeaderView::Stretch);
    // Stretched, not as the last section, which never gets narrower than the style's default
    // section, wider than the weights need.
    QHeaderView *linkColumns = linkTable->horizontalHeader();
    linkColumns->setSectionResizeMode(LinkTable::Weight, QHeaderView::Stretch);
    linkTable->setMinimumWidth(widthOfColumns(linkTable));

    auto *tables = new QWidget;
    auto *layout = new QHBoxLayout(tables);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(titled(tr("Vertices"), vertexTable, vertexButtons), VertexTableStretch);
    layout->addWidget(titled(tr("Links"), linkTable, linkButtons), LinkTableStretch);
    return tables;
}

QWidget *NetworkEditor::makeEdgeList()
{
    edgeList->setAccessibleName(tr("Edge list"));
    // Tab moves on to "Apply" as everywhere else; a pasted spreadsheet keeps its tabs.
    edgeList->setTabChangesFocus(true);
    edgeList->setToolTip(tr("One link a line: source, target and weight, by number or label"));
    auto *buttons = buttonRow();
    addButton(buttons, tr("Apply"), &NetworkEditor::applyEdgeList);
    static_cast<QHBoxLayout *>(buttons->layout())->addStretch(1);
    return titled(tr("Edge list"), edgeList, buttons);
}

QPushButton *NetworkEditor::addButton(
    QWidget *box, const QString &text, void (NetworkEditor::*slot)()) const
{
    auto *button = new QPushButton(text);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, slot);
    box->layout()->addWidget(button);
    return button;
}

QString NetworkEditor::status() const
{
    return statusLine->text();
}

void NetworkEditor::showStatus(const QString &text)
{
    statusLine->setText(text);
    Announcer::announce(drawingView, text);
}

void NetworkEditor::updateTitle()
{
    const QString name
        = filePath.isEmpty() ? edits->network().name : QFileInfo(filePath).fileName();
    setWindowTitle(
        name.isEmpty() ? tr("Network editor[*]") : tr("Network editor - %1[*]").arg(name));
    setWindowModified(edits->isModified());
}

// The edge list shows every change but its own; the tables follow the drawing's selection.
void NetworkEditor::followChange()
{
    if (!applying)
        edgeList->setPlainText(EdgeList::write(edits->network()));
    const bool room = edits->network().canAddVertex();
    addVertexButton->setEnabled(room);
    addVertexButton->setToolTip(
        room ? QString() : tr("A network has at most %1 vertices.").arg(Routing::MostVertices));
    selectInTables();
}

void NetworkEditor::selectInTables()
{
    const int element = drawingView->selected();
    const int vertices = drawingView->vertexCount();
    const QSignalBlocker vertexBlock(vertexTable->selectionModel());
    const QSignalBlocker linkBlock(linkTable->selectionModel());
    vertexTable->clearSelection();
    linkTable->clearSelection();
    QTableView *table = element < vertices ? vertexTable : linkTable;
    const int row = element < vertices ? element : element - vertices;
    if (element < 0)
        return;
    // The cursor keeps its column, so that Down in the weights goes on to the next weight.
    const int column = std::max(table->currentIndex().column(), 0);
    const QModelIndex cell = table->model()->index(row, column);
    table->selectionModel()->setCurrentIndex(
        cell, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    table->scrollTo(cell);
    vertexTable->viewport()->update();
    linkTable->viewport()->update();
}

int NetworkEditor::selectedVertex() const
{
    const int element = drawingView->selected();
    return element < drawingView->vertexCount() ? element : -1;
}

void NetworkEditor::useNetwork()
{
    const QString why = edits->network().whyNoNetwork();
    if (!why.isEmpty()) {
        showStatus(tr("This is no network yet: %1").arg(why));
        return;
    }
    // Named as opening its file would name it; one never saved is still named, for the main
    // window's title and what a screen reader says of it.
    const Topology network = [this] {
        Topology named = edits->network().toTopology();
        if (!filePath.isEmpty())
            named.name = QFileInfo(filePath).completeBaseName();
        else if (named.name.isEmpty())
            named.name = tr("Untitled network");
        return named;
    }();
    emit networkMade(network);
    edits->setSaved();
    showStatus(tr("The main window shows this network now."));
}

void NetworkEditor::newNetwork()
{
    if (edits->replace(NetworkDraft(), tr("New network"))) {
        filePath.clear();
        updateTitle();
    }
}

void NetworkEditor::startFromBuiltIn()
{
    if (edits->replace(NetworkDraft(Topology()), tr("Start from the built-in network"))) {
        filePath.clear();
        updateTitle();
    }
}

void NetworkEditor::arrangeOnCircle()
{
    edits->arrangeOnCircle();
}

void NetworkEditor::openNetwork()
{
#ifdef Q_OS_WASM
    // The browser hands over the chosen file's bytes, never a path.
    QFileDialog::getOpenFileContent(NetworkFile::fileFilter(),
        [editor = QPointer<NetworkEditor>(this)](const QString &name, const QByteArray &content) {
            if (editor && !name.isEmpty())
                editor->openContent(content, name);
        });
#else
    auto *dialog = new QFileDialog(this, tr("Open network"),
        filePath.isEmpty() ? SaveDialog::startPath(QStandardPaths::DocumentsLocation, {})
                           : QFileInfo(filePath).absolutePath(),
        NetworkFile::fileFilter());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    connect(dialog, &QFileDialog::fileSelected, this,
        [this](const QString &path) { openContent({}, path); });
    dialog->open();
#endif
}

// Bytes from the browser, or a file's path when there are none.
void NetworkEditor::openContent(const QByteArray &bytes, const QString &path)
{
    const NetworkFile::ReadResult read = bytes.isEmpty() && QFileInfo(path).isAbsolute()
        ? NetworkFile::read(path)
        : NetworkFile::parse(bytes, QFileInfo(path).fileName());
    if (!read.network) {
        showStatus(read.error);
        return;
    }
    if (edits->replace(
            NetworkDraft(*read.network), tr("Open %1").arg(QFileInfo(path).fileName()))) {
        filePath = path;
        updateTitle();
    }
}

void NetworkEditor::saveNetwork()
{
    save(false);
}

void NetworkEditor::saveNetworkAs()
{
    save(true);
}

void NetworkEditor::save(bool askName)
{
    const bool closing = std::exchange(closeAfterSave, false);
    const bool quitAfter = closing && std::exchange(quitAfterAsking, false);
    const QString why = edits->network().whyNoNetwork();
    if (!why.isEmpty()) {
        showStatus(tr("The network cannot be saved yet: %1").arg(why));
        return;
    }
    const Topology network = edits->network().toTopology();
    const QString name = filePath.isEmpty()
        ? (network.name.isEmpty() ? QStringLiteral("network") : network.name)
        : QFileInfo(filePath).completeBaseName();
    SaveDialog::Request request;
    request.title = askName ? tr("Save network as") : tr("Save network");
    request.suggestedName = name + QStringLiteral(".graphml");
    request.folder = QStandardPaths::DocumentsLocation;
    request.filters = NetworkFile::fileFilter();
    if (askName)
        request.filters += QStringLiteral(";;") + tr("Graphviz DOT (*.gv *.dot)");
    request.failure = tr("The network could not be saved as %1: %2.");
    request.produce = [network](const QString &path) {
        return SaveDialog::Content {
            isDotName(path) ? NetworkFile::toDot(network) : NetworkFile::toGraphML(network), {}};
    };
    request.saved
        = [editor = QPointer<NetworkEditor>(this), closing, quitAfter](const QString &path) {
              if (!editor)
                  return;
              editor->edits->setSaved();
              if (!isDotName(path))
                  editor->filePath = path; // only GraphML opens again as it was
              editor->updateTitle();
              editor->showStatus(tr("Saved as %1.").arg(QFileInfo(path).fileName()));
              if (closing)
                  editor->closeAfterAsking(quitAfter);
          };
#ifndef Q_OS_WASM
    if (!askName && !filePath.isEmpty()) {
        const QString error = SaveDialog::save(request, filePath);
        if (error.isEmpty())
            request.saved(filePath);
        else
            SaveDialog::showFailure(this, request.title, error);
        return;
    }
#endif
    SaveDialog::ask(this, request);
}

void NetworkEditor::applyEdgeList()
{
    const EdgeList::ReadResult read = EdgeList::read(edgeList->toPlainText(), edits->network());
    if (!read.network) {
        showStatus(read.errors.join(QLatin1Char('\n')));
        return;
    }
    applying = true;
    edits->replace(*read.network, tr("Apply the edge list"));
    applying = false;
}

void NetworkEditor::addVertex()
{
    if (edits->addVertex(drawingView->freeSpot()))
        drawingView->select(drawingView->vertexCount() - 1);
}

// From the selected vertex to the next one, counting on, that it has no link to.
void NetworkEditor::addLink()
{
    const int source = selectedVertex();
    if (source < 0) {
        showStatus(tr("Select the vertex the link starts from."));
        return;
    }
    const int count = drawingView->vertexCount();
    for (int step = 1; step < count; ++step) {
        const int target = (source + step) % count;
        if (edits->network().linkIndex(source, target) < 0) {
            if (edits->addLink(source, target, EditorDrawing::NewLinkWeight))
                drawingView->select(drawingView->linkElement(source, target));
            return;
        }
    }
    showStatus(tr("Vertex %1 has a link to every other vertex.").arg(source));
}

void NetworkEditor::removeSelected()
{
    if (drawingView->selected() < 0)
        showStatus(tr("Select a vertex or a link to remove."));
    drawingView->removeSelected();
}

void NetworkEditor::reverseLink()
{
    const int element = drawingView->selected();
    if (element < drawingView->vertexCount()) {
        showStatus(tr("Select a link to add or remove its reverse."));
        return;
    }
    const Topology::LinkEnds link = edits->network().links.at(element - drawingView->vertexCount());
    edits->toggleReverse(link.source, link.target);
}

void NetworkEditor::closeEvent(QCloseEvent *event)
{
    if (discarding || !edits->isModified()) {
        event->accept();
        return;
    }
    event->ignore();
    quitAfterAsking = quitAfterAsking || quitting;
    askToSave();
}

bool NetworkEditor::closeToQuit()
{
    quitting = true;
    const bool closed = close();
    quitting = false;
    return closed;
}

void NetworkEditor::closeAfterAsking(bool thenQuit)
{
    close();
    if (thenQuit)
        emit quitAllowed();
}

// open(), never exec(): no event loop of the box's own, which the browser cannot run.
// Asked again while the box is open, it brings that box forward.
void NetworkEditor::askToSave()
{
    if (question && question->isVisible()) {
        question->raise();
        question->activateWindow();
        return;
    }
    auto *box = new QMessageBox(QMessageBox::Question, tr("Network editor"),
        tr("The network has changes that are not saved."),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setDefaultButton(QMessageBox::Save);
    connect(box, &QMessageBox::buttonClicked, this, [this, box](QAbstractButton *button) {
        const QMessageBox::StandardButton choice = box->standardButton(button);
        if (choice == QMessageBox::Save) {
            closeAfterSave = true;
            save(false);
        } else if (choice == QMessageBox::Discard) {
            discarding = true;
            closeAfterAsking(std::exchange(quitAfterAsking, false));
        }
    });
    // Cancelled, or a Save that went no further: the program goes on.
    connect(box, &QDialog::finished, this, [this] { quitAfterAsking = false; });
    question = box;
    box->open();
}
