// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "link.h"
#include "searchrecord.h"

#include <QList>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <array>
#include <memory>
#include <vector>

class QMouseEvent;
class QPainter;
class QRandomGenerator;
class QTimer;

// The network view: holds the fixed topology, runs the route searches and draws both.
class NetworkDisplay : public QWidget
{
    Q_OBJECT

public:
    static constexpr int VertexCount = 20;
    static constexpr int HighestVertex = VertexCount - 1;
    static constexpr int LinkCount = 64;
    // The highest load a link carries: a label above it marks the link saturated, a search
    // cost above it leaves the link out, and the load control ends there.
    static constexpr int HighestLoad = 99;
    static constexpr int LoadLimit = HighestLoad + 1; // the load test asks for a sum below it
    static constexpr int VertexCapacity = 50;
    static constexpr int UnreachableDistance = 10000;
    static constexpr int StepCap = 999999;
    static constexpr int NoPredecessor = -1;

    explicit NetworkDisplay(QWidget *parent = nullptr);
    ~NetworkDisplay() override;

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
    // the links in topology order.
    static constexpr int ElementCount = VertexCount + LinkCount;
    // "Vertex 9" or "Link 9 to 11".
    QString elementName(int element) const;
    // What the element's tooltip says: its numbers and how each is worked out.
    QString elementExplanation(int element) const;
    QRect elementRect(int element) const; // as drawn, in the view's coordinates
    // The element a point of the view shows: a vertex disc, else a link's label, else the
    // nearest link line within reach; -1 over empty background. The tooltip, the click, the
    // pointer's shape and the screen reader's hit test all ask here.
    int elementAt(QPointF point) const;

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
    // Sets the source vertex, clamped to 0..HighestVertex.
    void setVertex(int vertex);
    // Sets the destination vertex, clamped to 0..HighestVertex.
    void setVertex2(int vertex2);
    // Sets the traffic load added to every link; negative loads become 0.
    void setLoad(int load);
    // Switches the random effect: whether each cycle draws a random factor per link.
    void setgrand(bool randCheckBox);
    // Draws the next random factor (1 with the random effect off); the cycle calls it per link.
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
    using LinkList = std::vector<std::unique_ptr<Link>>;

    // A view that is never shown, for working out searches apart from the program: it makes no
    // draw of the program's generator, writes no report and is told nothing.
    struct Detached
    {
    };
    explicit NetworkDisplay(Detached detached);

    // The outcome drawings one paint shows; pathFound and noPath never both.
    struct Outcome
    {
        bool pathFound = false;
        bool noPath = false;
        bool sameEndpoints = false;

        bool isEmpty() const { return !pathFound && !noPath && !sameEndpoints; }
    };

    // A link's line and label as drawn, on whole pixels.
    struct LinkGeometry
    {
        QPointF from;
        QPointF to;
        QPointF label;
    };

    void buildTopology();
    int clampVertex(int vertex) const;
    bool isVertex(int vertex) const;
    bool storeIfChanged(int &field, int value);

    // Search and search cycle
    void findShortestPath(int source, int destination);
    int relaxAndChoose(int current, SearchStep *step);
    void recordExamined(SearchStep &step, int j, double sum, int before, bool best) const;
    double linkCost(int from, int to) const;
    void writeReport(int source, int destination) const;
    double pricedCost(const Link &record) const;
    double loadTestSum(float factor) const;
    bool passesLoadTest(float factor) const;
    void appendActiveLink(int source, const Link &link);
    void recordCycle(SearchRecord::Cycle kind);
    void settleOutcome();
    void finishSearch();

    // Explaining the drawing
    int vertexAt(QPointF point) const;
    int labelAt(QPointF point) const;
    int lineAt(QPointF point) const;
    QRectF labelRect(int source, const Link &link) const;
    const Link *linkOf(int element, int *source) const;
    QString vertexExplanation(int vertex) const;
    QString linkExplanation(int source, const Link &link) const;
    void explanationsChanged();

    // Painting
    QString linkLabel(const Link &link) const;
    LinkGeometry linkGeometry(int source, const Link &link) const;
    QRectF vertexDisc(int vertex) const;
    Outcome takeOutcome();
    void forgetShownOutcome();
    QStringList outcomeSentences(Outcome outcome) const;
    QString gameOverSentence() const;
    qint64 linkLoad(const Link &link) const;
    bool isSaturated(const Link &link) const;
    QString linkCaption() const;
    QString linkCountText(int active) const;
    QList<int> pathBack() const;
    QString pathFoundMessage() const;
    QString pathFoundMessage(int cost) const;
    QString noPathMessage() const;
    QString sameEndpointsMessage() const;
    QString gameOverFirstLine() const;
    QString gameOverSecondLine() const;
    QString pathDescription() const;
    void describeDrawing(const QStringList &shown);
    void announce(const QStringList &news);
    void drawNetwork(QPainter &painter);
    void drawShown(QPainter &painter);
    void drawLink(QPainter &painter, int source, const Link &link);
    void drawVertices(QPainter &painter);
    void drawCaption(QPainter &painter);
    void drawHighlight(
        QPainter &painter, int vertex, const QColor &penColor, const QColor &brushColor);
    void drawPathFound(QPainter &painter);
    void drawNoPath(QPainter &painter);
    void drawSameEndpoints(QPainter &painter);
    void drawGameOver(QPainter &painter);

    std::array<LinkList, VertexCapacity> links;
    std::array<LinkList, VertexCapacity> activeLinks;
    // The first record in activeLinks[from] leading to each target: the only one the search
    // uses. Lists only grow, so it never changes once set, and the search need not walk them.
    std::array<std::array<const Link *, VertexCapacity>, VertexCapacity> firstActiveLink {};

    int vertexCount = VertexCount;
    int totalLinkCount = LinkCount;
    int activeLinkCount = LinkCount;
    int searchSteps = 0;
    float randomFactor = 1.0f;
    int unvisitedMark = 0;
    int visitedMark = 1;
    std::array<int, VertexCapacity> visited {};
    std::array<int, VertexCapacity> distance {};
    std::array<int, VertexCapacity> predecessor {};
    std::array<float, VertexCapacity> vertexX {};
    std::array<float, VertexCapacity> vertexY {};
    bool pathFound = false;
    bool noPath = false;
    bool sameEndpoints = false;
    // What the last paint drew beyond the network. The flags above live for one paint; the
    // picture stays until the state it shows changes, so an expose or resize redraws it.
    Outcome shownOutcome;
    bool gameOverShown = false;
    bool searchRan = false; // distance and predecessor belong to the shown state
    bool cycleRan = false; // some search cycle has applied the load test
    // The state changed while outcome flags waited for their paint: that paint clears them but
    // shows and tells nothing, since the outcome belongs to the state before.
    bool outcomeOutdated = false;
    bool explanationsPending = false;
    int sourceVertex = 0;
    int destinationVertex = 0;
    int trafficLoad = 0;
    bool randomEffect = false;
    QTimer *searchTimer;
    bool gameEnded = false;
    // What the last search cycle did; the search writes into it through recording.
    SearchRecord lastSearch;
    SearchRecord *recording = nullptr;
    bool reportWritten = true; // to standard output
    QRandomGenerator *privateDraws = nullptr; // in place of the program's generator
    bool paintingPicture = false; // a paint for a picture: what is shown, nothing taken or told

    friend class NetworkReader; // what the other windows read
    friend class SearchSimulator; // works out searches on a detached copy
    friend class DrawingPicture; // paints the drawing into images and SVG
    friend class NetworkDisplayProbe; // white-box access for the tests and benchmarks
};
