// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "networkdisplay.h"

#include "announcer.h"
#include "boldfont.h"
#include "explanations.h"
#include "loadrules.h"
#include "networkcolors.h"
#include "networkmodel.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QRegion>
#include <QStringList>

namespace {

constexpr int MessagePointSize = 18;
constexpr int NoticePointSize = 28;

const QColor &ForwardLineColor = NetworkColors::ForwardLine;
const QColor &ReverseLineColor = NetworkColors::ReverseLine;
const QColor ForwardSaturatedColor(0, 65, 85, 130);
const QColor ReverseSaturatedColor(85, 0, 45, 130);
const QColor &ForwardLabelColor = NetworkColors::ForwardLabel;
const QColor &ReverseLabelColor = NetworkColors::ReverseLabel;
const QColor &VertexBrushColor = NetworkColors::VertexBrush;
const QColor SourceBrushColor(200, 20, 95, 140);
const QColor DestinationBrushColor(95, 20, 200, 140);
const QColor PathColor(250, 50, 0, 120);
const QColor PathMessageColor(250, 0, 0, 220);
const QColor NoticeColor(0, 0, 255, 220);
const QColor NoticeBrushColor(220, 220, 225, 237);

// A one-pixel line whatever the transformation.
QPen cosmeticPen(const QColor &color)
{
    return QPen(color, 0);
}

QPen wideRoundPen(const QColor &color, qreal width, Qt::PenStyle style)
{
    return QPen(QBrush(color), width, style, Qt::RoundCap, Qt::RoundJoin);
}

void drawSingleLine(QPainter &painter, QPointF from, QPointF to)
{
    const QLineF line(from, to);
    painter.drawLines(&line, 1);
}

} // namespace

void NetworkDisplay::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    drawNetwork(painter);
    if (paintingPicture) {
        drawShown(painter);
        return;
    }

    // A new outcome replaces the one shown; a paint that brings none draws the last one again.
    // The flags are cleared all the same when the state has changed since the cycle set them.
    Outcome fresh = takeOutcome();
    if (outcomeOutdated) {
        fresh = Outcome();
        outcomeOutdated = pathFound || noPath || sameEndpoints; // a held-back flag stays old
    }
    if (!fresh.isEmpty())
        shownOutcome = fresh;
    drawShown(painter);

    QStringList shown = outcomeSentences(shownOutcome);
    QStringList news = outcomeSentences(fresh);
    const bool gameEnded = isGameEnded();
    if (gameEnded) {
        shown << gameOverSentence();
        if (!gameOverShown)
            news << gameOverSentence();
    }
    gameOverShown = gameEnded;
    describeDrawing(shown);
    announce(news);
}

// What the view shows beyond the network: the outcome and the closing notice.
void NetworkDisplay::drawShown(QPainter &painter)
{
    if (shownOutcome.pathFound)
        drawPathFound(painter);
    if (shownOutcome.noPath)
        drawNoPath(painter);
    if (shownOutcome.sameEndpoints)
        drawSameEndpoints(painter);
    if (isGameEnded())
        drawGameOver(painter);
}

// Reads the outcome flags as this paint shows them and clears each one it shows.
NetworkDisplay::Outcome NetworkDisplay::takeOutcome()
{
    Outcome outcome;
    if (pathFound) {
        outcome.pathFound = true;
        pathFound = false;
    } else if (noPath && !sameEndpoints) {
        // A pending same-endpoints message holds the no-path message back to a later paint.
        outcome.noPath = true;
        noPath = false;
    }
    if (sameEndpoints) {
        outcome.sameEndpoints = true;
        sameEndpoints = false;
    }
    return outcome;
}

// The state the shown outcome came from has changed: the next paint no longer draws it.
void NetworkDisplay::forgetShownOutcome()
{
    shownOutcome = Outcome();
    if (pathFound || noPath || sameEndpoints)
        outcomeOutdated = true;
    explanationsChanged();
}

void NetworkDisplay::drawNetwork(QPainter &painter)
{
    const Topology &topology = network->topology();
    for (int i = 0; i < topology.vertexCount; ++i) {
        for (const std::unique_ptr<Link> &link : topology.links[i])
            drawLink(painter, i, *link);
    }
    drawVertices(painter);
    drawCaption(painter);
    drawHighlight(painter, network->source(), Qt::darkMagenta, SourceBrushColor);
    drawHighlight(painter, network->destination(), Qt::darkCyan, DestinationBrushColor);
}

bool NetworkDisplay::isSaturated(Link link) const
{
    return LoadRules::isSaturated(network->load(), link);
}

QString NetworkDisplay::linkLabel(Link link) const
{
    return Explanations(*network).linkLabel(link);
}

NetworkDisplay::LinkGeometry NetworkDisplay::linkGeometry(int source, Link link) const
{
    return geometry.link(source, link);
}

void NetworkDisplay::drawLink(QPainter &painter, int source, Link link)
{
    const bool saturated = isSaturated(link);
    if (saturated)
        --activeLinkCount;
    const bool forward = source < link.target;
    const LinkGeometry drawn = linkGeometry(source, link);

    if (saturated) {
        painter.setPen(wideRoundPen(
            forward ? ForwardSaturatedColor : ReverseSaturatedColor, 2.0, Qt::DashLine));
    } else {
        painter.setPen(cosmeticPen(forward ? ForwardLineColor : ReverseLineColor));
    }
    drawSingleLine(painter, drawn.from, drawn.to);

    painter.setPen(cosmeticPen(forward ? ForwardLabelColor : ReverseLabelColor));
    painter.drawText(drawn.label, linkLabel(link));
}

QRectF NetworkDisplay::vertexDisc(int vertex) const
{
    return geometry.vertexDisc(vertex);
}

void NetworkDisplay::drawVertices(QPainter &painter)
{
    for (int j = 0; j < network->topology().vertexCount; ++j) {
        painter.setPen(cosmeticPen(Qt::darkCyan));
        painter.setBrush(VertexBrushColor);
        painter.drawEllipse(vertexDisc(j));

        painter.setPen(cosmeticPen(Qt::darkBlue));
        painter.drawText(geometry.numberPosition(j), QString::number(j));
        drawLabel(painter, j);
    }
}

// A vertex's label, where its network gives one, to the right of its disc.
void NetworkDisplay::drawLabel(QPainter &painter, int vertex)
{
    const QString &label = network->topology().labels[vertex];
    if (label.isEmpty())
        return;
    painter.drawText(geometry.labelPosition(vertex),
        painter.fontMetrics().elidedText(label, Qt::ElideRight, NetworkGeometry::LabelWidth));
}

void NetworkDisplay::drawCaption(QPainter &painter)
{
    painter.setPen(cosmeticPen(Qt::darkBlue));
    painter.setBrush(Qt::NoBrush);
    painter.drawText(QPointF(530, 360), linkCaption());
    painter.drawText(QPointF(530, 380), linkCountText(activeLinkCount));
    activeLinkCount = network->topology().linkCount();
}

QString NetworkDisplay::linkCaption() const
{
    return tr("Active/Total Links");
}

QString NetworkDisplay::linkCountText(int active) const
{
    return QString::number(active) + tr("/") + QString::number(network->topology().linkCount());
}

void NetworkDisplay::drawHighlight(
    QPainter &painter, int vertex, const QColor &penColor, const QColor &brushColor)
{
    painter.setPen(cosmeticPen(penColor));
    painter.setBrush(brushColor);
    painter.drawEllipse(geometry.highlightRect(vertex));
}

// The path as drawn, from the destination back.
QList<int> NetworkDisplay::pathBack() const
{
    return network->pathBack();
}

void NetworkDisplay::drawPathFound(QPainter &painter)
{
    painter.setPen(wideRoundPen(PathColor, 8.0, Qt::SolidLine));
    const QList<int> path = pathBack();
    for (qsizetype i = 1; i < path.size(); ++i) {
        const int v = path[i - 1];
        const int p = path[i];
        drawSingleLine(painter, geometry.vertexCentre(v), geometry.vertexCentre(p));
    }

    painter.setPen(cosmeticPen(PathMessageColor));
    painter.setBrush(Qt::NoBrush);
    painter.setFont(boldFont(MessagePointSize));
    painter.drawText(QPointF(50, 450), pathFoundMessage());
}

void NetworkDisplay::drawNoPath(QPainter &painter)
{
    painter.setPen(cosmeticPen(Qt::darkCyan));
    painter.setBrush(Qt::NoBrush);
    painter.setFont(boldFont(MessagePointSize));
    painter.drawText(QPointF(40, 450), noPathMessage());
}

void NetworkDisplay::drawSameEndpoints(QPainter &painter)
{
    painter.setPen(cosmeticPen(Qt::red));
    painter.setBrush(Qt::NoBrush);
    painter.setFont(boldFont(MessagePointSize));
    painter.drawText(QPointF(20, 450), sameEndpointsMessage());
}

void NetworkDisplay::drawGameOver(QPainter &painter)
{
    painter.setPen(cosmeticPen(NoticeColor));
    painter.setBrush(NoticeBrushColor);
    const QRect box(40, 410, 570, 90);
    painter.drawRects(&box, 1);
    painter.setFont(boldFont(NoticePointSize));
    painter.drawText(QPointF(50, 440), gameOverFirstLine());
    painter.drawText(QPointF(50, 490), gameOverSecondLine());
}

QString NetworkDisplay::pathFoundMessage() const
{
    return Explanations::pathFound(network->search().distance[network->destination()]);
}

QString NetworkDisplay::noPathMessage() const
{
    return Explanations::noPath();
}

QString NetworkDisplay::sameEndpointsMessage() const
{
    return Explanations::sameEndpoints();
}

QString NetworkDisplay::gameOverFirstLine() const
{
    return tr("Please ask me for more ");
}

QString NetworkDisplay::gameOverSecondLine() const
{
    return tr("details of this software!! ");
}

QString NetworkDisplay::gameOverSentence() const
{
    return (gameOverFirstLine() + gameOverSecondLine()).trimmed();
}

QStringList NetworkDisplay::outcomeSentences(Outcome outcome) const
{
    QStringList sentences;
    if (outcome.pathFound)
        sentences << pathFoundMessage() + tr(". The path: ") + pathDescription() + tr(".");
    if (outcome.noPath)
        sentences << noPathMessage();
    if (outcome.sameEndpoints)
        sentences << sameEndpointsMessage();
    return sentences;
}

// The path in words, from the source to the destination.
QString NetworkDisplay::pathDescription() const
{
    QStringList vertices;
    const QList<int> path = pathBack();
    for (auto v = path.crbegin(); v != path.crend(); ++v)
        vertices << QString::number(*v);
    return vertices.join(tr(", "));
}

// Says in words what the paint just drew, so that assistive technology can tell it; the toolkit
// announces each change of the description.
void NetworkDisplay::describeDrawing(const QStringList &shown)
{
    const Topology &topology = network->topology();
    int active = topology.linkCount();
    for (int i = 0; i < topology.vertexCount; ++i) {
        for (const std::unique_ptr<Link> &link : topology.links[i])
            active -= isSaturated(*link) ? 1 : 0;
    }
    QStringList sentences;
    sentences << tr("Source %1, destination %2.").arg(network->source()).arg(network->destination())
              << linkCaption() + QLatin1Char(' ') + linkCountText(active) + QLatin1Char('.')
              << shown;
    const QString description = sentences.join(QLatin1Char(' '));
    if (description != accessibleDescription()) // most paints change nothing that is said
        setAccessibleDescription(description);
}

// What this paint shows for the first time is told to assistive technology, which otherwise
// presents only changes of the focused control.
void NetworkDisplay::announce(const QStringList &news)
{
    if (!news.isEmpty())
        Announcer::announce(this, news.join(QLatin1Char(' ')));
}

QImage NetworkDisplay::picture()
{
    paintingPicture = true;
    QImage image = grab().toImage();
    paintingPicture = false;
    return image;
}

void NetworkDisplay::renderPicture(QPaintDevice *device)
{
    paintingPicture = true;
    render(device, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    paintingPicture = false;
}
