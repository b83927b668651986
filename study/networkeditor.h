// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>

class EditorDrawing;
class LinkTable;
class NetworkEditing;
class QAction;
class QLabel;
class QMessageBox;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class Topology;
class VertexTable;

// "Network editor": a copy of a network made over by hand, in a drawing, in the tables
// "Vertices" and "Links" and as an edge list, every change undoable. Nothing of the main
// window changes until "Use this network" hands the network over.
class NetworkEditor : public QWidget
{
    Q_OBJECT

public:
    explicit NetworkEditor(const Topology &network, QWidget *parent = nullptr);

    NetworkEditing &editing() const { return *edits; }
    EditorDrawing *drawing() const { return drawingView; }
    QString status() const;
    // Closes as close() does; when it asks about unsaved changes first, "Discard" or a finished
    // "Save" closes it later and then emits quitAllowed().
    bool closeToQuit();

public slots:
    void useNetwork();
    void newNetwork();
    void openNetwork();
    void saveNetwork();
    void saveNetworkAs();
    void arrangeOnCircle();
    void startFromBuiltIn();
    void applyEdgeList();
    void addVertex();
    void addLink();
    void removeSelected();
    void reverseLink();

signals:
    // "Use this network" was pressed on a network that can be shown.
    void networkMade(const Topology &network);
    // Closed after asking, for a close that was to end the program.
    void quitAllowed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *makeTables();
    QWidget *makeEdgeList();
    QWidget *makeCommands();
    QPushButton *addButton(QWidget *box, const QString &text, void (NetworkEditor::*slot)()) const;
    void followChange();
    void selectInTables();
    void showStatus(const QString &text);
    void updateTitle();
    // The network as a file's bytes, or why it is none yet; DOT when the name asks for it.
    void save(bool askName);
    void openContent(const QByteArray &bytes, const QString &path);
    void askToSave();
    void closeAfterAsking(bool thenQuit);
    int selectedVertex() const;

    NetworkEditing *edits;
    EditorDrawing *drawingView;
    VertexTable *vertexModel;
    LinkTable *linkModel;
    QTableView *vertexTable;
    QTableView *linkTable;
    QPlainTextEdit *edgeList;
    QLabel *statusLine;
    QPushButton *addVertexButton = nullptr;
    QString filePath; // where it was opened from or last saved, or empty
    bool applying = false; // the edge list is the change's source: it keeps its text
    QPointer<QMessageBox> question; // asking about unsaved changes
    bool closeAfterSave = false;
    bool quitting = false; // the close under way is closeToQuit()'s
    bool quitAfterAsking = false;
    bool discarding = false;
};
