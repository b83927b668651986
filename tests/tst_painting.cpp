// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coutcapture.h"
#include "networkdisplayprobe.h"
#include "paintrecorder.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <climits>
#include <functional>

namespace {

const QString PathMessage = QStringLiteral("Path Found !! The optimal path load is ");
const QString NoPathMessage = QStringLiteral("No path found. Try new search.");
const QString SameMessage = QStringLiteral("Source & Destination must be different!! Try again.");

// What one paint of the view draws, as a list of calls.
QList<PaintOp> paintOps(NetworkDisplay &view)
{
    view.resize(800, 600);
    PaintRecorder recorder;
    view.render(&recorder, QPoint(), QRegion(), QWidget::RenderFlags());
    QList<PaintOp> ops;
    for (const PaintOp &op : recorder.ops()) {
        if (op.kind != PaintOp::Rect || op.pen.style() != Qt::NoPen) // skip the background fill
            ops.append(op);
    }
    return ops;
}

QList<PaintOp> only(const QList<PaintOp> &ops, PaintOp::Kind kind)
{
    QList<PaintOp> result;
    for (const PaintOp &op : ops) {
        if (op.kind == kind)
            result.append(op);
    }
    return result;
}

QStringList messages(const QList<PaintOp> &ops)
{
    QStringList result;
    for (const PaintOp &op : only(ops, PaintOp::Text)) {
        if (op.point.y() == 450)
            result.append(op.text);
    }
    return result;
}

// The link pass: every link's line with the load label drawn right after it, in drawing order.
struct LinkDrawing
{
    PaintOp line;
    PaintOp label;
};

QList<LinkDrawing> linkDrawings(const QList<PaintOp> &ops)
{
    QList<LinkDrawing> result;
    for (qsizetype i = 0; i + 1 < ops.size(); ++i) {
        if (ops[i].kind == PaintOp::Line && ops[i].pen.widthF() != 8.0
            && ops[i + 1].kind == PaintOp::Text)
            result.append({ops[i], ops[i + 1]});
    }
    return result;
}

// Ellipses of one size: the vertex discs (14) or the source and destination marks (20).
QList<PaintOp> ellipses(const QList<PaintOp> &ops, qreal size)
{
    QList<PaintOp> result;
    for (const PaintOp &op : only(ops, PaintOp::Ellipse)) {
        if (op.rect.size() == QSizeF(size, size))
            result.append(op);
    }
    return result;
}

// The number drawn right after each vertex disc.
QList<PaintOp> vertexNumbers(const QList<PaintOp> &ops)
{
    QList<PaintOp> result;
    for (qsizetype i = 0; i + 1 < ops.size(); ++i) {
        if (ops[i].kind == PaintOp::Ellipse && ops[i].rect.width() == 14
            && ops[i + 1].kind == PaintOp::Text)
            result.append(ops[i + 1]);
    }
    return result;
}

// The last text drawn at a point; a default op (no text) when there is none.
PaintOp textAt(const QList<PaintOp> &ops, QPointF point)
{
    PaintOp found;
    for (const PaintOp &op : only(ops, PaintOp::Text)) {
        if (op.point == point)
            found = op;
    }
    return found;
}

const QPointF CaptionCountsPoint(530, 380);

QList<PaintOp> pathOverlay(const QList<PaintOp> &ops)
{
    QList<PaintOp> result;
    for (const PaintOp &op : only(ops, PaintOp::Line)) {
        if (op.pen.widthF() == 8.0)
            result.append(op);
    }
    return result;
}

QImage paintImage(NetworkDisplay &view)
{
    view.resize(800, 600);
    QImage image(800, 600, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    view.render(&image, QPoint(), QRegion(), QWidget::RenderFlags()); // as a child widget shows
    return image;
}

bool isCosmetic(const QPen &pen, const QColor &color)
{
    return pen.widthF() == 0 && pen.style() == Qt::SolidLine && pen.color() == color;
}

void runCycle(NetworkDisplay &view, int destination, int load)
{
    CoutCapture discard;
    view.setVertex2(destination);
    view.setLoad(load);
    NetworkDisplayProbe(view).moveShot();
}

} // namespace

class PaintingTest : public QObject
{
    Q_OBJECT

private slots:
    void linkGeometry_data();
    void linkGeometry();
    void vertices();
    void drawingOrder();
    void loadLabels_data();
    void loadLabels();
    void fractionalFactorsAddNothing();
    void outcomeFlags_data();
    void outcomeFlags();
    void changesForgetOutcome_data();
    void changesForgetOutcome();
    void resizeKeepsOutcome();
    void pathSegments_data();
    void pathSegments();
    void corruptedChainTerminates_data();
    void corruptedChainTerminates();
    void gameOverNotice();
    void pixels();
};

void PaintingTest::linkGeometry_data()
{
    QTest::addColumn<int>("index"); // the link's place in the link pass
    QTest::addColumn<QLineF>("line");
    QTest::addColumn<QPointF>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("lineColor");
    QTest::addColumn<QColor>("labelColor");

    QTest::newRow("0 to 2 forward") << 1 << QLineF(17, 17, 305, 50) << QPointF(170, 47) << "26"
                                    << QColor(0, 65, 85, 170) << QColor(0, 0, 85, 150);
    QTest::newRow("2 to 0 reverse") << 4 << QLineF(306, 42, 18, 9) << QPointF(153, 19) << "32"
                                    << QColor(85, 0, 45, 170) << QColor(85, 0, 0, 150);
}

void PaintingTest::linkGeometry()
{
    QFETCH(int, index);
    QFETCH(QLineF, line);
    QFETCH(QPointF, label);
    QFETCH(QString, text);
    QFETCH(QColor, lineColor);
    QFETCH(QColor, labelColor);

    NetworkDisplay view;
    const LinkDrawing link = linkDrawings(paintOps(view)).at(index);
    const PaintOp &lineOp = link.line;
    const PaintOp &labelOp = link.label;
    QCOMPARE(lineOp.line, line);
    QVERIFY(isCosmetic(lineOp.pen, lineColor));
    QCOMPARE(labelOp.point, label);
    QCOMPARE(labelOp.text, text);
    QVERIFY(isCosmetic(labelOp.pen, labelColor));
}

void PaintingTest::vertices()
{
    NetworkDisplay view;
    view.setVertex2(10);
    const QList<PaintOp> ops = paintOps(view);
    const QList<PaintOp> discs = ellipses(ops, 14);
    QCOMPARE(discs.size(), 20);

    QCOMPARE(discs.at(9).rect, QRectF(288, 199, 14, 14));
    QCOMPARE(discs.at(10).rect, QRectF(390, 247, 14, 14));
    QVERIFY(isCosmetic(discs.at(9).pen, QColor(Qt::darkCyan)));
    QCOMPARE(discs.at(9).brush, QBrush(QColor(70, 160, 105, 240)));

    const QList<PaintOp> texts = vertexNumbers(ops);
    QCOMPARE(texts.at(9).text, QStringLiteral("9"));
    QCOMPARE(texts.at(9).point, QPointF(292, 211));
    QCOMPARE(texts.at(10).text, QStringLiteral("10"));
    QCOMPARE(texts.at(10).point, QPointF(391, 259));
    QVERIFY(isCosmetic(texts.at(10).pen, QColor(Qt::darkBlue)));

    const QList<PaintOp> marks = ellipses(ops, 20);
    QCOMPARE(marks.size(), 2);
    const PaintOp &source = marks.at(0);
    QCOMPARE(source.rect, QRectF(9, 4, 20, 20));
    QVERIFY(isCosmetic(source.pen, QColor(Qt::darkMagenta)));
    QCOMPARE(source.brush, QBrush(QColor(200, 20, 95, 140)));
    const PaintOp &destination = marks.at(1);
    QCOMPARE(destination.rect, QRectF(387, 244, 20, 20));
    QVERIFY(isCosmetic(destination.pen, QColor(Qt::darkCyan)));
    QCOMPARE(destination.brush, QBrush(QColor(95, 20, 200, 140)));
}

void PaintingTest::drawingOrder()
{
    NetworkDisplay view;
    const QList<PaintOp> ops = paintOps(view);
    QString kinds;
    for (const PaintOp &op : ops)
        kinds += QLatin1Char("LTERO"[op.kind]);
    QCOMPARE(kinds, QString("LT").repeated(64) + QString("ET").repeated(20) + "TTEE");

    const PaintOp caption = textAt(ops, QPointF(530, 360));
    QCOMPARE(caption.text, QStringLiteral("Active/Total Links"));
    QVERIFY(isCosmetic(caption.pen, QColor(Qt::darkBlue)));
    QCOMPARE(textAt(ops, CaptionCountsPoint).text, QStringLiteral("64/64"));
}

void PaintingTest::loadLabels_data()
{
    QTest::addColumn<int>("load");
    QTest::addColumn<QString>("label"); // of the link 0 to 2, weight 26
    QTest::addColumn<QString>("counts");

    QTest::newRow("no load") << 0 << "26"
                             << "64/64";
    QTest::newRow("73: just usable") << 73 << "99"
                                     << "11/64";
    QTest::newRow("74: saturated") << 74 << "NoLink"
                                   << "10/64";
    QTest::newRow("INT_MAX") << INT_MAX << "NoLink"
                             << "0/64";
}

void PaintingTest::loadLabels()
{
    QFETCH(int, load);
    QFETCH(QString, label);
    QFETCH(QString, counts);

    NetworkDisplay view;
    view.setLoad(load);
    for (int paint = 0; paint < 2; ++paint) { // the counts never accumulate across paints
        const QList<PaintOp> ops = paintOps(view);
        const QList<LinkDrawing> drawn = linkDrawings(ops);
        QCOMPARE(drawn.at(1).label.text, label);
        QCOMPARE(textAt(ops, CaptionCountsPoint).text, counts);
        const QPen pen = drawn.at(1).line.pen;
        if (label == QLatin1String("NoLink")) {
            QCOMPARE(pen.widthF(), 2.0);
            QCOMPARE(pen.style(), Qt::DashLine);
            QCOMPARE(pen.capStyle(), Qt::RoundCap);
            QCOMPARE(pen.joinStyle(), Qt::RoundJoin);
            QCOMPARE(pen.color(), QColor(0, 65, 85, 130));
            QCOMPARE(drawn.at(4).line.pen.color(), QColor(85, 0, 45, 130)); // 2 to 0, reverse
        } else {
            QVERIFY(isCosmetic(pen, QColor(0, 65, 85, 170)));
        }
        QCOMPARE(NetworkDisplayProbe(view).activeLinkCount(), 64);
    }
}

void PaintingTest::fractionalFactorsAddNothing()
{
    NetworkDisplay view;
    NetworkDisplayProbe probe(view);
    for (const auto &list : probe.links()) {
        for (const auto &link : list)
            link->factor = 0.99f;
    }
    view.setLoad(INT_MAX);
    const QList<PaintOp> ops = paintOps(view);
    QCOMPARE(linkDrawings(ops).at(0).label.text, QStringLiteral("89"));
    QCOMPARE(linkDrawings(ops).at(1).label.text, QStringLiteral("26"));
    QCOMPARE(textAt(ops, CaptionCountsPoint).text, QStringLiteral("64/64"));
}

void PaintingTest::outcomeFlags_data()
{
    QTest::addColumn<bool>("pathFound");
    QTest::addColumn<bool>("noPath");
    QTest::addColumn<bool>("sameEndpoints");
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("later"); // every later paint, with nothing changed between

    const QString path = PathMessage + "72";
    QTest::newRow("path") << true << false << false << QStringList {path} << QStringList {path};
    QTest::newRow("no path") << false << true << false << QStringList {NoPathMessage}
                             << QStringList {NoPathMessage};
    QTest::newRow("same") << false << false << true << QStringList {SameMessage}
                          << QStringList {SameMessage};
    QTest::newRow("path wins over no path")
        << true << true << false << QStringList {path} << QStringList {NoPathMessage};
    QTest::newRow("path and same") << true << false << true << QStringList {path, SameMessage}
                                   << QStringList {path, SameMessage};
    QTest::newRow("same holds no path back")
        << false << true << true << QStringList {SameMessage} << QStringList {NoPathMessage};
    QTest::newRow("nothing") << false << false << false << QStringList {} << QStringList {};
}

void PaintingTest::outcomeFlags()
{
    QFETCH(bool, pathFound);
    QFETCH(bool, noPath);
    QFETCH(bool, sameEndpoints);
    QFETCH(QStringList, first);
    QFETCH(QStringList, later);

    NetworkDisplay view;
    NetworkDisplayProbe probe(view);
    runCycle(view, 1, 0);
    probe.pathFound() = pathFound;
    probe.noPath() = noPath;
    probe.sameEndpoints() = sameEndpoints;

    const QList<PaintOp> ops = paintOps(view);
    QCOMPARE(messages(ops), first);
    for (const PaintOp &op : only(ops, PaintOp::Text)) {
        if (op.text == NoPathMessage)
            QVERIFY(isCosmetic(op.pen, QColor(Qt::darkCyan)));
        if (op.text == SameMessage)
            QVERIFY(isCosmetic(op.pen, QColor(Qt::red)));
    }
    QCOMPARE(messages(paintOps(view)), later);
    QCOMPARE(messages(paintOps(view)), later);
}

void PaintingTest::changesForgetOutcome_data()
{
    QTest::addColumn<int>("change");
    QTest::addColumn<bool>("painted"); // whether the outcome was drawn before the change
    const char *names[] = {"source", "destination", "load", "random effect", "restart"};
    for (int change = 0; change < 5; ++change) {
        QTest::addRow("%s, shown", names[change]) << change << true;
        QTest::addRow("%s, still pending", names[change]) << change << false;
    }
}

// What clears a shown outcome is a change of what it was found for, or a new series. An outcome
// whose paint has not come yet is neither drawn nor described for the changed state, and the
// next search shows its own as before.
void PaintingTest::changesForgetOutcome()
{
    QFETCH(int, change);
    QFETCH(bool, painted);

    NetworkDisplay view;
    runCycle(view, 1, 0);
    if (painted)
        QCOMPARE(messages(paintOps(view)), QStringList {PathMessage + "72"});
    const std::function<void()> changes[]
        = {[&] { view.setVertex(3); }, [&] { view.setVertex2(19); }, [&] { view.setLoad(5); },
            [&] { view.setgrand(true); }, [&] { view.restartGame(); }};
    changes[change]();
    QCOMPARE(messages(paintOps(view)), QStringList {});
    QVERIFY2(!view.accessibleDescription().contains(QLatin1String("Path Found")),
        qPrintable(view.accessibleDescription()));

    view.setgrand(false);
    runCycle(view, 1, 0);
    QCOMPARE(messages(paintOps(view)).size(), 1);
}

// A resize repaints the whole view: it draws what the paint before it drew, outcome included.
void PaintingTest::resizeKeepsOutcome()
{
    NetworkDisplay view;
    view.resize(800, 600);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    runCycle(view, 19, 0);
    const QImage shown = view.grab().toImage();
    view.resize(790, 590);
    QCoreApplication::processEvents();
    view.resize(800, 600);
    QCoreApplication::processEvents();
    QCOMPARE(view.grab().toImage(), shown);
}

void PaintingTest::pathSegments_data()
{
    QTest::addColumn<int>("destination");
    QTest::addColumn<QList<QLineF>>("segments");

    QTest::newRow("direct link") << 2 << QList<QLineF> {QLineF(306, 46, 18, 13)};
    QTest::newRow("0 to 1") << 1
                            << QList<QLineF> {QLineF(156, 80, 306, 46), QLineF(306, 46, 18, 13)};
    QTest::newRow("0 to 19") << 19
                             << QList<QLineF> {QLineF(564, 413, 426, 364),
                                    QLineF(426, 364, 540, 298), QLineF(540, 298, 594, 131),
                                    QLineF(594, 131, 426, 87), QLineF(426, 87, 306, 46),
                                    QLineF(306, 46, 18, 13)};
}

void PaintingTest::pathSegments()
{
    QFETCH(int, destination);
    QFETCH(QList<QLineF>, segments);

    NetworkDisplay view;
    runCycle(view, destination, 0);
    const QList<PaintOp> ops = paintOps(view);
    QList<QLineF> drawn;
    for (const PaintOp &op : pathOverlay(ops)) {
        drawn.append(op.line);
        QCOMPARE(op.pen.color(), QColor(250, 50, 0, 120));
        QCOMPARE(op.pen.capStyle(), Qt::RoundCap);
        QCOMPARE(op.pen.joinStyle(), Qt::RoundJoin);
    }
    QCOMPARE(drawn, segments);

    const PaintOp message = only(ops, PaintOp::Text).last();
    QCOMPARE(message.point, QPointF(50, 450));
    QVERIFY(isCosmetic(message.pen, QColor(250, 0, 0, 220)));
    QCOMPARE(message.font.family(), QStringLiteral("Times"));
    QCOMPARE(message.font.pointSize(), 18);
    QCOMPARE(message.font.weight(), QFont::Bold);
}

void PaintingTest::corruptedChainTerminates_data()
{
    QTest::addColumn<QList<int>>("chain"); // predecessor entries from the destination 5 on
    QTest::addColumn<int>("segments");

    QTest::newRow("cycle") << QList<int> {6, 5} << 20;
    QTest::newRow("self") << QList<int> {5} << 20;
    QTest::newRow("none") << QList<int> {-1} << 0;
    QTest::newRow("past the vertices") << QList<int> {50} << 0;
    QTest::newRow("negative") << QList<int> {-7} << 0;
    QTest::newRow("into a dead end") << QList<int> {6, 9, -1} << 2;
    QTest::newRow("reaches the source") << QList<int> {6, 9, 0} << 3;
    QTest::newRow("runs past the source") << QList<int> {6, 0, 9, 13} << 2;
}

void PaintingTest::corruptedChainTerminates()
{
    QFETCH(QList<int>, chain);
    QFETCH(int, segments);

    NetworkDisplay view;
    NetworkDisplayProbe probe(view);
    view.setVertex2(5);
    probe.predecessor().fill(-1);
    int v = 5;
    for (int next : chain) {
        probe.predecessor()[v] = next;
        if (next < 0 || next >= NetworkDisplay::VertexCount)
            break;
        v = next;
    }
    probe.pathFound() = true;
    QCOMPARE(pathOverlay(paintOps(view)).size(), segments);
}

void PaintingTest::gameOverNotice()
{
    NetworkDisplay view;
    NetworkDisplayProbe probe(view);
    probe.noPath() = true;
    view.setGameOver();
    for (int paint = 0; paint < 2; ++paint) {
        const QList<PaintOp> ops = paintOps(view);
        const QList<PaintOp> boxes = only(ops, PaintOp::Rect);
        QCOMPARE(boxes.size(), 1);
        const PaintOp &box = boxes.first();
        QCOMPARE(box.rect, QRectF(40, 410, 570, 90));
        QVERIFY(isCosmetic(box.pen, QColor(0, 0, 255, 220)));
        QCOMPARE(box.brush, QBrush(QColor(220, 220, 225, 237)));
        QCOMPARE(textAt(ops, QPointF(50, 440)).text, QStringLiteral("Please ask me for more "));
        const PaintOp second = textAt(ops, QPointF(50, 490));
        QCOMPARE(second.text, QStringLiteral("details of this software!! "));
        QCOMPARE(second.font.pointSize(), 28);
        QCOMPARE(second.font.weight(), QFont::Bold);
        QCOMPARE(ops.last().text, second.text); // drawn over everything else
    }
}

void PaintingTest::pixels()
{
    NetworkDisplay view;
    QImage image = paintImage(view);
    auto blended = [](const QList<QColor> &layers) {
        QImage pixel(1, 1, QImage::Format_ARGB32_Premultiplied);
        pixel.fill(Qt::transparent);
        QPainter painter(&pixel);
        for (const QColor &color : layers)
            painter.fillRect(0, 0, 1, 1, color);
        painter.end();
        return pixel.pixelColor(0, 0);
    };
    auto near = [](const QColor &a, const QColor &b) {
        return qAbs(a.red() - b.red()) <= 2 && qAbs(a.green() - b.green()) <= 2
            && qAbs(a.blue() - b.blue()) <= 2 && qAbs(a.alpha() - b.alpha()) <= 2;
    };
    const QColor background(210, 240, 220, 220);
    QVERIFY(near(image.pixelColor(780, 580), blended({background})));
    // Inside the disc of vertex 19, below its number's baseline.
    QVERIFY2(near(image.pixelColor(565, 419), blended({background, QColor(70, 160, 105, 240)})),
        qPrintable(image.pixelColor(565, 419).name(QColor::HexArgb)));

    // Along the link 0 to 2: solid at no load, dashed with gaps once saturated.
    auto backgroundShare = [&](const QImage &picture) {
        const QLineF line(17, 17, 305, 50);
        int gaps = 0;
        constexpr int Samples = 100;
        for (int i = 0; i < Samples; ++i) {
            const QPoint p = line.pointAt(0.1 + 0.3 * i / Samples).toPoint();
            bool gap = true;
            for (int dy = -1; dy <= 1; ++dy)
                gap = gap && near(picture.pixelColor(p + QPoint(0, dy)), blended({background}));
            gaps += gap ? 1 : 0;
        }
        return gaps / double(Samples);
    };
    const double solidGaps = backgroundShare(image);
    QVERIFY2(solidGaps < 0.05, qPrintable(QString::number(solidGaps)));
    view.setLoad(99);
    const double saturatedGaps = backgroundShare(paintImage(view));
    QVERIFY2(
        saturatedGaps > 0.15 && saturatedGaps < 0.6, qPrintable(QString::number(saturatedGaps)));
}

QTEST_MAIN(PaintingTest)
#include "tst_painting.moc"
