// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "networkgeometry.h"
#include "routing.h"

#include <QList>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QWidget>

class NetworkModel;
class QImage;
class QMouseEvent;
class QPaintDevice;
class QPainter;
class QTimer;
struct Link;

// The network view: draws the model's network with the outcome of its searches, explains what
// it shows, and starts the searches the window asks for.
class NetworkDisplay : public QWidget
{
    Q_OBJECT

public:
    // The built-in network's counts; any other network's come from its topology.
    static constexpr int VertexCount = Routing::VertexCount;
    static constexpr int HighestVertex = Routing::HighestVertex;
    static constexpr int LinkCount = Routing::LinkCount;
    static constexpr int HighestLoad = Routing::HighestLoad;
    static constexpr int LoadLimit = Routing::LoadLimit;
    static constexpr int VertexCapacity = Routing::VertexCapacity;
    static constexpr int UnreachableDistance = Routing::UnreachableDistance;
    static constexpr int StepCap = Routing::StepCap;
    static constexpr int NoPredecessor = Routing::NoPredecessor;

    // A view over a model of its own.
    explicit NetworkDisplay(QWidget *parent = nullptr);
    // A view over the given model, which must outlive it.
    explicit NetworkDisplay(NetworkModel *model, QWidget *parent = nullptr);
    ~NetworkDisplay() override;

    NetworkModel &model() const;

    // True from shoot() until the search cycle it started has finished.
    bool isSearchRunning() const;
    // True once the series is over (setGameOver()), until restartGame().
    bool isGameEnded() const;
    QSize sizeHint() const override;
    // The area every change of a value repaints: the whole fixed 800 x 600 picture.
    QRect wholeRect() const;
    // The area a finished search cycle repaints: the network, at (10, 10), 600 x 600.
    QRect networkRect() const;

    // The drawing's elements, as a screen reader or a tooltip presents them: the vertices, then
    // the links in topology order. ElementCount is the built-in network's.
    static constexpr int ElementCount = VertexCount + LinkCount;
    int vertexCount() const;
    int elementCount() const;
    // "Vertex 9" or "Link 9 to 11".
    QString elementName(int element) const;
    // What the element's tooltip says: its numbers and how each is worked out.
    QString elementExplanation(int element) const;
    QRect elementRect(int element) const; // as drawn, in the view's coordinates
    // The element a point of the view shows: a vertex disc, else a link's label, else the
    // nearest link line within reach; -1 over empty background. The tooltip, the click, the
    // pointer's shape and the screen reader's hit test all ask here.
    int elementAt(QPointF point) const;

    // Pictures of what the view shows, painted by its own paint code without taking a waiting
    // outcome or telling anything, so that making one changes nothing: exactly its pixels, or
    // painted onto another device.
    QImage picture();
    void renderPicture(QPaintDevice *device);

signals:
    // A target was hit. Declared for the window's hit() slot; this view never emits it, since
    // every search ends through missed().
    void hit();
    // A search cycle has ended, whatever its outcome; canShoot(true) follows.
    void missed();
    // The source vertex changed to newVertex.
    void vertexChanged(int newVertex);
    // The destination vertex changed to newVertex2.
    void vertexChanged2(int newVertex2);
    // The traffic load changed to newLoad.
    void loadChanged(int newLoad);
    // Whether a search may be started now: false while one runs.
    void canShoot(bool can);

public slots:
    // Sets the source vertex, clamped to the network's vertices.
    void setVertex(int vertex);
    // Sets the destination vertex, clamped to the network's vertices.
    void setVertex2(int vertex2);
    // Sets the traffic load added to every link; negative loads become 0.
    void setLoad(int load);
    // Switches the random effect: whether each cycle draws a random factor per link.
    void setgrand(bool randCheckBox);
    // Draws the next random factor (1 with the random effect off); the cycle draws one per link.
    void grand();
    // Starts a search: the cycle runs on the timer's first tick, 5 ms later.
    void shoot();
    // Advances the random generator by two draws, seeding it on the program's first call, and
    // repaints. Nothing reads the two draws; they stay because they decide which random factors
    // the searches after them get.
    void newTarget();
    // Ends the series: stops a running search and shows the closing notice.
    void setGameOver();
    // Begins a series: stops a running search, clears the notice and allows searching.
    void restartGame();

private slots:
    void moveShot();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    // The outcome drawings one paint shows; pathFound and noPath never both.
    struct Outcome
    {
        bool pathFound = false;
        bool noPath = false;
        bool sameEndpoints = false;

        bool isEmpty() const { return !pathFound && !noPath && !sameEndpoints; }
    };
    using LinkGeometry = NetworkGeometry::LinkGeometry;

    void followModel();
    void changed();
    void topologyChanged();
    void cycleFinished();

    // Search and search cycle
    void findShortestPath(int source, int destination);
    void settleOutcome();
    void finishSearch();

    // Explaining the drawing
    int vertexAt(QPointF point) const;
    int labelAt(QPointF point) const;
    int lineAt(QPointF point) const;
    QRectF labelRect(int source, Link link) const;
    const Link *linkOf(int element, int *source) const;
    void explanationsChanged();

    // Painting
    QString linkLabel(Link link) const;
    LinkGeometry linkGeometry(int source, Link link) const;
    QRectF vertexDisc(int vertex) const;
    Outcome takeOutcome();
    void forgetShownOutcome();
    QStringList outcomeSentences(Outcome outcome) const;
    QString gameOverSentence() const;
    bool isSaturated(Link link) const;
    QString linkCaption() const;
    QString linkCountText(int active) const;
    QList<int> pathBack() const;
    QString pathFoundMessage() const;
    QString noPathMessage() const;
    QString sameEndpointsMessage() const;
    QString gameOverFirstLine() const;
    QString gameOverSecondLine() const;
    QString pathDescription() const;
    void describeDrawing(const QStringList &shown);
    void announce(const QStringList &news);
    void drawNetwork(QPainter &painter);
    void drawShown(QPainter &painter);
    void drawLink(QPainter &painter, int source, Link link);
    void drawVertices(QPainter &painter);
    void drawLabel(QPainter &painter, int vertex);
    void drawCaption(QPainter &painter);
    void drawHighlight(
        QPainter &painter, int vertex, const QColor &penColor, const QColor &brushColor);
    void drawPathFound(QPainter &painter);
    void drawNoPath(QPainter &painter);
    void drawSameEndpoints(QPainter &painter);
    void drawGameOver(QPainter &painter);

    NetworkModel *network;
    NetworkGeometry geometry;
    // Counts the links a paint draws unsaturated; set back to the total after each paint.
    int activeLinkCount = LinkCount;
    bool pathFound = false;
    bool noPath = false;
    bool sameEndpoints = false;
    // What the last paint drew beyond the network. The flags above live for one paint; the
    // picture stays until the state it shows changes, so an expose or resize redraws it.
    Outcome shownOutcome;
    bool gameOverShown = false;
    // The state changed while outcome flags waited for their paint: that paint clears them but
    // shows and tells nothing, since the outcome belongs to the state before.
    bool outcomeOutdated = false;
    bool explanationsPending = false;
    QTimer *searchTimer;
    bool paintingPicture = false; // a paint for a picture: what is shown, nothing taken or told

    friend class NetworkDisplayProbe; // white-box access for the tests and benchmarks
};
