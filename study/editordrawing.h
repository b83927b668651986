// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "topology.h"

#include <QPointF>
#include <QRectF>
#include <QStaticText>
#include <QWidget>

#include <array>

class NetworkEditing;
class QSpinBox;

// The network being edited, drawn as the main drawing draws it (discs with numbers and labels,
// a pair's two directions side by side in their own colours), each link labelled with its
// weight. A double click on empty space adds a vertex, a drag moves one, a right-button or
// Shift drag from one vertex to another joins them both ways, a click selects, Delete removes
// and a double click on a link edits its weight in place. Its elements, the vertices and then
// the links in the network's order, are what a screen reader explores.
class EditorDrawing : public QWidget
{
    Q_OBJECT

public:
    static constexpr int NewLinkWeight = 10;
    static constexpr double ArrowStep = 1; // pixels an arrow key moves a vertex
    static constexpr double FarArrowStep = 10; // with Shift

    explicit EditorDrawing(NetworkEditing &editing, QWidget *parent = nullptr);

    // Where a vertex's position may lie: the main drawing's area, so that it is drawn there too.
    static QRectF room();

    int vertexCount() const;
    int elementCount() const;
    // "Vertex 3 (u)" or "Link 3 to 5, weight 10".
    QString elementName(int element) const;
    QRect elementRect(int element) const; // where it is drawn, in the widget's coordinates
    // A vertex disc, else a link's label, else the nearest link line within reach, else -1.
    int elementAt(QPointF point) const;
    // The element of the link source to target, or -1.
    int linkElement(int source, int target) const;
    QPointF vertexCentre(int vertex) const; // in the widget's coordinates
    // A position for a new vertex clear of the others.
    QPointF freeSpot() const;

    int selected() const; // the selected element, or -1
    void select(int element);
    void removeSelected();
    void moveSelected(QPointF by);
    void editWeight(int element);
    QSize sizeHint() const override;

signals:
    void selectionChanged(int element);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void networkChanged();
    QTransform toWidget() const;
    QPointF toNetwork(QPointF point) const;
    QRectF labelRect(int link) const; // in the network's coordinates
    int linkAt(QPointF networkPoint) const;
    void drawRoom(QPainter &painter) const;
    void drawLinks(QPainter &painter) const;
    void drawVertex(QPainter &painter, int vertex) const;
    void finishWeight(bool commit);
    void tellSelection();

    NetworkEditing &editing;
    Topology drawn; // the network as the main drawing's geometry reads it
    // The selection by what it names, so that renumbering links keeps it.
    int selectedVertex = -1;
    int selectedSource = -1;
    int selectedTarget = -1;
    int pressedVertex = -1;
    QPointF grabOffset; // from the pointer to the pressed vertex's position
    QPointF pressPoint;
    bool moving = false; // the pressed vertex follows the pointer
    bool linking = false;
    QPointF pointer; // the linking drag's end, in the network's coordinates
    QSpinBox *weightEditor;
    // Every weight's text laid out once: laying out 2,450 of them at each paint takes a frame.
    mutable std::array<QStaticText, Routing::HighestWeight + 1> weightTexts;
    int editedSource = -1;
    int editedTarget = -1;
};
