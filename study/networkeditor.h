// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class EditorDrawing;
class LinkTable;
class NetworkEditing;
class QAction;
class QLabel;
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
    bool closeAfterSave = false;
    bool discarding = false;
};
