// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editordrawing.h"

#include "editoraccessible.h"
#include "networkcolors.h"
#include "networkediting.h"
#include "networkgeometry.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLineF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSpinBox>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <utility>

namespace {

constexpr double SceneMargin = 20;
constexpr double LineReach = 4; // how far beside a link's line a click still takes it
constexpr double LabelPadding = 2;
constexpr double FreeSpacing = 40; // between a new vertex and the others
const QColor SelectionColor(250, 160, 0, 200);
constexpr double SelectionWidth = 4;

// Where the main drawing puts a network's vertices: the built-in network's span, as a file's
// network is fitted into it.
QRectF vertexArea()
{
    static const QRectF area = [] {
        const Topology builtIn;
        const auto xs = std::minmax_element(
            builtIn.vertexX.begin(), builtIn.vertexX.begin() + builtIn.vertexCount);
        const auto ys = std::minmax_element(
            builtIn.vertexY.begin(), builtIn.vertexY.begin() + builtIn.vertexCount);
        return QRectF(QPointF(*xs.first, *ys.first), QPointF(*xs.second, *ys.second));
    }();
    return area;
}

// What the editor shows: that area with room for the discs and labels. It is fixed, so that
// adding or moving one vertex never moves the others on screen.
QRectF sceneRect()
{
    return vertexArea().adjusted(-SceneMargin, -SceneMargin,
        NetworkGeometry::VertexDiscSize + NetworkGeometry::LabelWidth,
        NetworkGeometry::VertexDiscSize + SceneMargin);
}

QPointF keptInScene(QPointF position)
{
    const QRectF room = EditorDrawing::room();
    return QPointF(std::clamp(position.x(), room.left(), room.right()),
        std::clamp(position.y(), room.top(), room.bottom()));
}

// The draft in the form the main drawing's geometry reads; it need not be a network yet.
void copyDraft(const NetworkDraft &draft, Topology &drawn)
{
    drawn.name = draft.name;
    drawn.vertexCount = static_cast<int>(draft.vertices.size());
    for (int v = 0; v < drawn.vertexCount; ++v) {
        drawn.vertexX[v] = draft.vertices[v].x;
        drawn.vertexY[v] = draft.vertices[v].y;
        drawn.labels[v] = draft.vertices[v].label;
    }
    for (Topology::LinkList &list : drawn.links)
        list.clear();
    for (const Topology::LinkEnds &link : draft.links) {
        drawn.links[link.source].push_back(
            std::make_unique<Link>(Link {link.target, static_cast<float>(link.weight), 1}));
    }
}

double distanceToSegment(QPointF point, const QLineF &line)
{
    const QPointF along = line.p2() - line.p1();
    const double lengthSquared = QPointF::dotProduct(along, along);
    const double t = lengthSquared > 0
        ? std::clamp(QPointF::dotProduct(point - line.p1(), along) / lengthSquared, 0.0, 1.0)
        : 0.0;
    return QLineF(point, line.p1() + t * along).length();
}

// Qt fills a line of more than about a hundred pixels' rows on its threads, which for a hairline
// costs far more than it saves: the 2,450 links of a full network took several frames so. Pieces
// of this many device pixels, end to end and with flat caps, draw the same line at once.
constexpr double PieceLength = 64;

void addPieces(QList<QLineF> &pieces, const QLineF &line)
{
    const double reach = std::max(std::abs(line.dx()), std::abs(line.dy()));
    const int count = std::max(1, static_cast<int>(std::ceil(reach / PieceLength)));
    for (int k = 0; k < count; ++k)
        pieces.append(QLineF(line.pointAt(double(k) / count), line.pointAt(double(k + 1) / count)));
}

Link linkOf(Topology::LinkEnds ends)
{
    return Link {ends.target, static_cast<float>(ends.weight), 1};
}

} // namespace

EditorDrawing::EditorDrawing(NetworkEditing &editing, QWidget *parent)
    : QWidget(parent)
    , editing(editing)
    , weightEditor(new QSpinBox(this))
{
    EditorAccessible::installFactory();
    setAccessibleName(tr("Network"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    setMinimumSize(320, 240);
    weightEditor->setRange(Routing::LowestWeight, Routing::HighestWeight);
    weightEditor->setAccessibleName(tr("Weight"));
    weightEditor->hide();
    weightEditor->installEventFilter(this);
    for (int weight = 0; weight < int(weightTexts.size()); ++weight) {
        weightTexts[size_t(weight)].setText(QString::number(weight));
        weightTexts[size_t(weight)].setPerformanceHint(QStaticText::AggressiveCaching);
    }
    copyDraft(editing.network(), drawn);
    connect(&editing, &NetworkEditing::changed, this, &EditorDrawing::networkChanged);
}

QRectF EditorDrawing::room()
{
    return vertexArea();
}

QSize EditorDrawing::sizeHint() const
{
    return sceneRect().size().toSize();
}

int EditorDrawing::vertexCount() const
{
    return drawn.vertexCount;
}

int EditorDrawing::elementCount() const
{
    return vertexCount() + static_cast<int>(editing.network().links.size());
}

QString EditorDrawing::elementName(int element) const
{
    if (element < 0 || element >= elementCount())
        return {};
    if (element < vertexCount()) {
        const QString &label = drawn.labels[element];
        return label.isEmpty() ? tr("Vertex %1").arg(element)
                               : tr("Vertex %1 (%2)").arg(element).arg(label);
    }
    const Topology::LinkEnds &link = editing.network().links.at(element - vertexCount());
    return tr("Link %1 to %2, weight %3").arg(link.source).arg(link.target).arg(link.weight);
}

QRect EditorDrawing::elementRect(int element) const
{
    const NetworkGeometry geometry(drawn);
    if (element < 0 || element >= elementCount())
        return {};
    QRectF area;
    if (element < vertexCount()) {
        area = geometry.vertexDisc(element);
    } else {
        const int link = element - vertexCount();
        const Topology::LinkEnds &ends = editing.network().links.at(link);
        const NetworkGeometry::LinkGeometry line = geometry.link(ends.source, linkOf(ends));
        area = QRectF(line.from, line.to).normalized().united(labelRect(link));
    }
    return toWidget().mapRect(area).toAlignedRect();
}

int EditorDrawing::elementAt(QPointF point) const
{
    const QPointF at = toNetwork(point);
    const NetworkGeometry geometry(drawn);
    for (int v = vertexCount() - 1; v >= 0; --v) {
        if (geometry.vertexDisc(v).contains(at))
            return v;
    }
    const int link = linkAt(at);
    return link >= 0 ? vertexCount() + link : -1;
}

int EditorDrawing::linkElement(int source, int target) const
{
    const int link = editing.network().linkIndex(source, target);
    return link >= 0 ? vertexCount() + link : -1;
}

// A label first, as the main drawing's hit test does, then the nearest line within reach.
int EditorDrawing::linkAt(QPointF networkPoint) const
{
    const QList<Topology::LinkEnds> &links = editing.network().links;
    for (int link = 0; link < links.size(); ++link) {
        if (labelRect(link).contains(networkPoint))
            return link;
    }
    const NetworkGeometry geometry(drawn);
    int nearest = -1;
    double nearestDistance = LineReach;
    for (int link = 0; link < links.size(); ++link) {
        const NetworkGeometry::LinkGeometry line
            = geometry.link(links[link].source, linkOf(links[link]));
        const double distance = distanceToSegment(networkPoint, QLineF(line.from, line.to));
        if (distance <= nearestDistance) {
            nearest = link;
            nearestDistance = distance;
        }
    }
    return nearest;
}

QRectF EditorDrawing::labelRect(int link) const
{
    const Topology::LinkEnds &ends = editing.network().links.at(link);
    const QPointF baseline = NetworkGeometry(drawn).link(ends.source, linkOf(ends)).label;
    return QFontMetricsF(font())
        .boundingRect(QString::number(ends.weight))
        .translated(baseline)
        .adjusted(-LabelPadding, -LabelPadding, LabelPadding, LabelPadding);
}

QPointF EditorDrawing::vertexCentre(int vertex) const
{
    return toWidget().map(NetworkGeometry(drawn).vertexDisc(vertex).center());
}

// The first place on a grid over the drawing that keeps its distance from every vertex.
QPointF EditorDrawing::freeSpot() const
{
    const QRectF room = EditorDrawing::room();
    for (double y = room.top(); y <= room.bottom(); y += FreeSpacing) {
        for (double x = room.left(); x <= room.right(); x += FreeSpacing) {
            const QPointF spot(x, y);
            bool clear = true;
            for (int v = 0; v < vertexCount() && clear; ++v)
                clear = QLineF(spot, QPointF(drawn.vertexX[v], drawn.vertexY[v])).length()
                    >= FreeSpacing;
            if (clear)
                return spot;
        }
    }
    return room.center();
}

// The fixed area, scaled to the widget keeping its proportions and centred.
QTransform EditorDrawing::toWidget() const
{
    const QRectF scene = sceneRect();
    const double scale = std::min(width() / scene.width(), height() / scene.height());
    QTransform transform;
    transform.translate(width() / 2.0, height() / 2.0);
    transform.scale(scale, scale);
    transform.translate(-scene.center().x(), -scene.center().y());
    return transform;
}

QPointF EditorDrawing::toNetwork(QPointF point) const
{
    return toWidget().inverted().map(point);
}

int EditorDrawing::selected() const
{
    if (selectedVertex >= 0)
        return selectedVertex < vertexCount() ? selectedVertex : -1;
    return selectedSource >= 0 ? linkElement(selectedSource, selectedTarget) : -1;
}

void EditorDrawing::select(int element)
{
    if (element >= elementCount())
        element = -1;
    const int before = selected();
    selectedVertex = element >= 0 && element < vertexCount() ? element : -1;
    selectedSource = -1;
    selectedTarget = -1;
    if (element >= vertexCount()) {
        const Topology::LinkEnds &link = editing.network().links.at(element - vertexCount());
        selectedSource = link.source;
        selectedTarget = link.target;
    }
    update();
    if (element != before) {
        tellSelection();
        emit selectionChanged(element);
    }
}

void EditorDrawing::removeSelected()
{
    const int element = selected();
    if (element < 0)
        return;
    const bool removed = element < vertexCount()
        ? editing.removeVertex(element)
        : editing.removeLink(selectedSource, selectedTarget);
    if (removed)
        select(-1);
}

void EditorDrawing::moveSelected(QPointF by)
{
    const int vertex = selected();
    if (vertex < 0 || vertex >= vertexCount())
        return;
    const QPointF position(drawn.vertexX[vertex], drawn.vertexY[vertex]);
    editing.moveVertex(vertex, keptInScene(position + by));
}

void EditorDrawing::editWeight(int element)
{
    if (element < vertexCount() || element >= elementCount())
        return;
    select(element);
    const Topology::LinkEnds &link = editing.network().links.at(element - vertexCount());
    editedSource = link.source;
    editedTarget = link.target;
    weightEditor->setValue(link.weight);
    QRect place(QPoint(), weightEditor->sizeHint());
    place.moveCenter(toWidget().mapRect(labelRect(element - vertexCount())).center().toPoint());
    weightEditor->setGeometry(place);
    weightEditor->show();
    weightEditor->setFocus(Qt::OtherFocusReason);
    weightEditor->selectAll();
}

void EditorDrawing::finishWeight(bool commit)
{
    if (editedSource < 0)
        return;
    const int source = std::exchange(editedSource, -1);
    const int target = std::exchange(editedTarget, -1);
    weightEditor->interpretText();
    const int weight = weightEditor->value();
    weightEditor->hide();
    setFocus(Qt::OtherFocusReason);
    const int link = editing.network().linkIndex(source, target);
    if (commit && link >= 0 && editing.network().links.at(link).weight != weight)
        editing.setWeight(source, target, weight);
}

bool EditorDrawing::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != weightEditor)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            finishWeight(key != Qt::Key_Escape);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        finishWeight(false); // only Enter commits
    }
    return QWidget::eventFilter(watched, event);
}

void EditorDrawing::networkChanged()
{
    if (editedSource >= 0)
        finishWeight(false);
    copyDraft(editing.network(), drawn);
    if (selected() < 0) {
        selectedVertex = -1;
        selectedSource = -1;
    }
    EditorAccessible::rebuildElements(this);
    update();
}

void EditorDrawing::tellSelection()
{
    const int element = selected();
    if (!QAccessible::isActive() || element < 0 || !hasFocus())
        return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(element);
    QAccessible::updateAccessibility(&focus);
}

void EditorDrawing::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    tellSelection();
}

void EditorDrawing::mousePressEvent(QMouseEvent *event)
{
    const QPointF at = toNetwork(event->position());
    const int element = elementAt(event->position());
    const bool linkButton = event->button() == Qt::RightButton
        || (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier));
    if (element >= 0 && element < vertexCount()) {
        pressedVertex = element;
        linking = linkButton;
        pointer = at;
        grabOffset = QPointF(drawn.vertexX[element], drawn.vertexY[element]) - at;
        if (!linking)
            select(element);
    } else if (event->button() == Qt::LeftButton) {
        select(element);
    }
    pressPoint = event->position();
    moving = false;
}

void EditorDrawing::mouseMoveEvent(QMouseEvent *event)
{
    if (pressedVertex < 0)
        return;
    const QPointF at = toNetwork(event->position());
    if (linking) {
        pointer = at;
        update();
        return;
    }
    if (!(event->buttons() & Qt::LeftButton))
        return;
    // A click that wavers a little moves nothing.
    moving = moving
        || (event->position() - pressPoint).manhattanLength() >= QApplication::startDragDistance();
    if (moving)
        editing.moveVertex(pressedVertex, keptInScene(at + grabOffset));
}

void EditorDrawing::mouseReleaseEvent(QMouseEvent *event)
{
    if (linking) {
        const int target = elementAt(event->position());
        if (target >= 0 && target < vertexCount() && target != pressedVertex)
            editing.addPair(pressedVertex, target, NewLinkWeight);
        linking = false;
        update();
    }
    pressedVertex = -1;
}

void EditorDrawing::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int element = elementAt(event->position());
    if (element >= vertexCount()) {
        editWeight(element);
    } else if (element < 0) {
        const double half = NetworkGeometry::VertexDiscSize / 2.0;
        const QPointF position = toNetwork(event->position()) - QPointF(half, half);
        if (editing.addVertex(keptInScene(position)))
            select(vertexCount() - 1);
    }
}

void EditorDrawing::keyPressEvent(QKeyEvent *event)
{
    const double step = (event->modifiers() & Qt::ShiftModifier) ? FarArrowStep : ArrowStep;
    const int count = elementCount();
    switch (event->key()) {
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        removeSelected();
        break;
    case Qt::Key_Left:
        moveSelected(QPointF(-step, 0));
        break;
    case Qt::Key_Right:
        moveSelected(QPointF(step, 0));
        break;
    case Qt::Key_Up:
        moveSelected(QPointF(0, -step));
        break;
    case Qt::Key_Down:
        moveSelected(QPointF(0, step));
        break;
    // Page keys step through the elements, as a screen reader's list would.
    case Qt::Key_PageDown:
        if (count > 0)
            select((selected() + 1) % count);
        break;
    case Qt::Key_PageUp:
        if (count > 0)
            select((selected() + count - 1) % count);
        break;
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        editWeight(selected());
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void EditorDrawing::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    drawRoom(painter);
    painter.setTransform(toWidget());
    drawLinks(painter);
    for (int v = 0; v < vertexCount(); ++v)
        drawVertex(painter, v);
    if (linking && pressedVertex >= 0) {
        painter.setPen(QPen(SelectionColor, 2, Qt::DashLine));
        painter.drawLine(NetworkGeometry(drawn).vertexDisc(pressedVertex).center(), pointer);
    }
}

// The room the discs may take is drawn on the base colour and the rest shaded, so that a vertex
// dropped outside is seen to be moved in, not lost.
void EditorDrawing::drawRoom(QPainter &painter) const
{
    const QRectF discs = toWidget().mapRect(
        room().adjusted(0, 0, NetworkGeometry::VertexDiscSize, NetworkGeometry::VertexDiscSize));
    painter.fillRect(rect(), palette().base());
    QPainterPath outside;
    outside.addRect(rect());
    outside.addRect(discs);
    painter.fillPath(outside, QBrush(palette().mid().color(), Qt::Dense6Pattern));
    painter.setPen(QPen(palette().mid().color(), 0, Qt::DashLine));
    painter.drawRect(discs);
}

// The lines of each direction in one call, then the weights over them: a pen change for each of
// 2,450 links would take much of a frame.
void EditorDrawing::drawLinks(QPainter &painter) const
{
    const NetworkGeometry geometry(drawn);
    const QTransform device = painter.transform();
    std::array<QList<QLineF>, 2> pieces; // forward, then reverse
    std::array<QList<std::pair<QPointF, int>>, 2> weights;
    for (const Topology::LinkEnds &ends : editing.network().links) {
        const NetworkGeometry::LinkGeometry line = geometry.link(ends.source, linkOf(ends));
        const size_t side = ends.source < ends.target ? 0 : 1;
        addPieces(pieces[side], device.map(QLineF(line.from, line.to)));
        weights[side].append({line.label, ends.weight});
        if (ends.source == selectedSource && ends.target == selectedTarget) {
            painter.setPen(QPen(SelectionColor, SelectionWidth, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(line.from, line.to);
        }
    }
    const std::array lineColors {NetworkColors::ForwardLine, NetworkColors::ReverseLine};
    const std::array labelColors {NetworkColors::ForwardLabel, NetworkColors::ReverseLabel};
    painter.resetTransform(); // the pieces are in device pixels
    for (size_t side = 0; side < pieces.size(); ++side) {
        painter.setPen(QPen(lineColors[side], 0, Qt::SolidLine, Qt::FlatCap));
        painter.drawLines(pieces[side]);
    }
    painter.setTransform(device);
    // A static text is placed by its top left corner, a label by its baseline.
    const QPointF baseline(0, QFontMetricsF(painter.font()).ascent());
    for (size_t side = 0; side < weights.size(); ++side) {
        painter.setPen(QPen(labelColors[side], 0));
        for (const auto &[at, weight] : std::as_const(weights[side]))
            painter.drawStaticText(at - baseline, weightTexts[size_t(weight)]);
    }
}

void EditorDrawing::drawVertex(QPainter &painter, int vertex) const
{
    const NetworkGeometry geometry(drawn);
    if (vertex == selectedVertex) {
        painter.setPen(QPen(SelectionColor, SelectionWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(geometry.highlightRect(vertex));
    }
    painter.setPen(QPen(Qt::darkCyan, 0));
    painter.setBrush(NetworkColors::VertexBrush);
    painter.drawEllipse(geometry.vertexDisc(vertex));
    painter.setPen(QPen(Qt::darkBlue, 0));
    painter.drawText(geometry.numberPosition(vertex), QString::number(vertex));
    const QString &label = drawn.labels[vertex];
    if (!label.isEmpty()) {
        painter.drawText(geometry.labelPosition(vertex),
            painter.fontMetrics().elidedText(label, Qt::ElideRight, NetworkGeometry::LabelWidth));
    }
}
