// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblefactory.h"
#include "coutcapture.h"
#include "lcdrange.h"
#include "mainboard.h"
#include "networkdisplayprobe.h"
#include "paintrecorder.h"
#include "scripteddraws.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QRandomGenerator>
#include <QToolTip>
#include <QtTest>

namespace {

// The link labels of one paint, in topology order: the link pass draws them first.
QList<PaintOp> paintedLabelOps(NetworkDisplay &view)
{
    view.resize(800, 600);
    PaintRecorder recorder;
    view.render(&recorder, QPoint(), QRegion(), QWidget::RenderFlags());
    QList<PaintOp> labels;
    for (const PaintOp &op : recorder.ops()) {
        if (op.kind == PaintOp::Text && labels.size() < NetworkDisplay::LinkCount)
            labels << op;
    }
    return labels;
}

QStringList paintedLabels(NetworkDisplay &view)
{
    QStringList labels;
    for (const PaintOp &op : paintedLabelOps(view))
        labels << op.text;
    return labels;
}

// What the tooltip shows at a point of the view, or nothing.
QString tooltipAt(NetworkDisplay &view, QPoint point)
{
    QHelpEvent help(QEvent::ToolTip, point, view.mapToGlobal(point));
    QCoreApplication::sendEvent(&view, &help);
    return help.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
}

// What a screen reader's hit test names at a point of the view, or nothing.
QString accessibleNameAt(NetworkDisplay &view, QPoint point)
{
    const QPoint global = view.mapToGlobal(point);
    QAccessibleInterface *element
        = QAccessible::queryAccessibleInterface(&view)->childAt(global.x(), global.y());
    return element ? element->text(QAccessible::Name) : QString();
}

LCDRange *control(MainBoard &board, const QString &caption)
{
    for (LCDRange *range : board.findChildren<LCDRange *>()) {
        if (range->text() == caption)
            return range;
    }
    return nullptr;
}

} // namespace

// What a tooltip, and a screen reader's element, says about a vertex or link, and the clicks
// that choose endpoints on the drawing.
class ExplanationsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void linkFiguresAgree_data();
    void linkFiguresAgree();
    void clicks_data();
    void clicks();
    void tooltips();
    void labelsExplainTheirLinks();
    void emptyBackgroundNamesNothing_data();
    void emptyBackgroundNamesNothing();
    void loadTestBeforeAnySearch();
    void accessibleCentresShowTheirElements();
};

void ExplanationsTest::initTestCase()
{
    ScriptedDraws::install();
    installAccessibleFactory();
}

void ExplanationsTest::linkFiguresAgree_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<bool>("randomEffect");
    for (quint32 seed = 1; seed <= 6; ++seed) {
        QTest::addRow("seed %u, random effect off", seed) << seed << false;
        QTest::addRow("seed %u, random effect on", seed) << seed << true;
    }
}

// Each link's figures are those of the painted label, the load test the cycle applied, the
// usable links the search holds and the cost it gives, worked out here the long way.
void ExplanationsTest::linkFiguresAgree()
{
    QFETCH(quint32, seed);
    QFETCH(bool, randomEffect);

    QRandomGenerator random(seed);
    NetworkDisplay view;
    NetworkDisplayProbe probe(view);
    view.setgrand(randomEffect);
    CoutCapture discard;
    for (int search = 0; search < 4; ++search) {
        for (int draw = 0; draw < 2 * NetworkDisplay::LinkCount; ++draw)
            ScriptedDraws::queue << random.bounded(RandomSource::MaxDraw + 1);
        view.setLoad(random.bounded(70));
        probe.moveShot();
        view.setLoad(random.bounded(NetworkDisplay::HighestLoad + 1)); // labels change too

        const QStringList labels = paintedLabels(view);
        const int load = probe.trafficLoad();
        int element = NetworkDisplay::VertexCount;
        for (int from = 0; from < NetworkDisplay::VertexCount; ++from) {
            for (const auto &link : probe.links()[from]) {
                const QString text = view.elementExplanation(element);
                const QString where = QStringLiteral("%1:\n%2").arg(element).arg(text);
                ++element;
                QVERIFY2(
                    text.contains(QStringLiteral("Label at load %1: %2")
                                      .arg(load)
                                      .arg(labels.at(element - 1 - NetworkDisplay::VertexCount))),
                    qPrintable(where));

                const bool passes = load + load * double(link->factor) < 100;
                QVERIFY2(
                    text.contains(passes ? QLatin1String(", passed.") : QLatin1String(", failed.")),
                    qPrintable(where));

                const Link *record = nullptr;
                for (const auto &kept : probe.activeLinks()[from]) {
                    if (kept->target == link->target) {
                        record = kept.get();
                        break;
                    }
                }
                QCOMPARE(text.contains(QLatin1String("cannot use it")), record == nullptr);
                if (!record)
                    continue;
                const double cost = double(load) * double(probe.randomFactor()) + record->weight;
                QVERIFY2(text.contains(QLatin1String(" = ") + QString::number(cost, 'g', 6)),
                    qPrintable(where));
                QCOMPARE(text.contains(QLatin1String("leaves it out")), cost > 99);
            }
        }
    }
}

void ExplanationsTest::clicks_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("destination");

    const QPoint vertex9(295, 206); // the centre of its disc at (288, 199)
    QTest::newRow("left on a disc") << Qt::LeftButton << vertex9 << 9 << 1;
    QTest::newRow("right on a disc") << Qt::RightButton << vertex9 << 0 << 9;
    QTest::newRow("middle on a disc") << Qt::MiddleButton << vertex9 << 0 << 1;
    QTest::newRow("left beside the disc") << Qt::LeftButton << QPoint(304, 206) << 0 << 1;
    QTest::newRow("left on the source") << Qt::LeftButton << QPoint(19, 14) << 0 << 1;
}

// A click on a disc is the same as moving the matching slider there.
void ExplanationsTest::clicks()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, point);
    QFETCH(int, source);
    QFETCH(int, destination);

    MainBoard board;
    auto *view = board.findChild<NetworkDisplay *>();
    QSignalSpy sources(view, &NetworkDisplay::vertexChanged);
    QSignalSpy destinations(view, &NetworkDisplay::vertexChanged2);
    QSignalSpy sliders(control(board, QStringLiteral("SOURCE")), &LCDRange::valueChanged);
    QTest::mouseClick(view, button, Qt::NoModifier, point);

    QCOMPARE(control(board, QStringLiteral("SOURCE"))->value(), source);
    QCOMPARE(control(board, QStringLiteral("DESTINATION"))->value(), destination);
    QCOMPARE(sources.size(), source == 0 ? 0 : 1);
    QCOMPARE(destinations.size(), destination == 1 ? 0 : 1);
    QCOMPARE(sliders.size(), sources.size());
}

void ExplanationsTest::tooltips()
{
    NetworkDisplay view;
    view.setVertex2(1);
    view.resize(800, 600);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const auto tooltipAt = [&view](QPoint point) { return ::tooltipAt(view, point); };
    QVERIFY(tooltipAt(QPoint(295, 206)).startsWith(QLatin1String("Vertex 9\n")));
    QVERIFY(tooltipAt(QPoint(19, 14)).startsWith(QLatin1String("Vertex 0, the source\n")));
    // Between the two lines of the pair 0 and 2, nearer the line from 0.
    QVERIFY(tooltipAt(QPoint(161, 32)).startsWith(QLatin1String("Link 0 to 2: weight 26")));
    QVERIFY(tooltipAt(QPoint(161, 26)).startsWith(QLatin1String("Link 2 to 0: weight 32")));
    QCOMPARE(tooltipAt(QPoint(700, 100)), QString());
}

// Resting on a label explains its link, and a screen reader's hit test agrees with the tooltip.
void ExplanationsTest::labelsExplainTheirLinks()
{
    NetworkDisplay view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QList<PaintOp> labels = paintedLabelOps(view);
    QCOMPARE(labels.size(), NetworkDisplay::LinkCount);
    for (int i = 0; i < NetworkDisplay::LinkCount; ++i) {
        const int element = NetworkDisplay::VertexCount + i;
        const QString name = view.elementName(element);
        const QPoint centre = QRectF(view.fontMetrics().boundingRect(labels[i].text))
                                  .translated(labels[i].point)
                                  .center()
                                  .toPoint();
        QVERIFY2(tooltipAt(view, centre).startsWith(name + QLatin1Char(':')), qPrintable(name));
        QCOMPARE(accessibleNameAt(view, centre), name);
    }
}

void ExplanationsTest::emptyBackgroundNamesNothing_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::newRow("left, between 13 to 14 and 5 to 12") << QPoint(100, 300);
    QTest::newRow("between 9 to 8 and 11") << QPoint(371, 141);
    QTest::newRow("left of 5 to 12") << QPoint(131, 221);
    QTest::newRow("lower right") << QPoint(450, 420);
    QTest::newRow("top right") << QPoint(480, 120);
    QTest::newRow("beside the controls' edge") << QPoint(700, 100);
}

void ExplanationsTest::emptyBackgroundNamesNothing()
{
    QFETCH(QPoint, point);
    NetworkDisplay view;
    view.resize(800, 600);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(tooltipAt(view, point), QString());
    QCOMPARE(accessibleNameAt(view, point), QString());
}

// Before any search the load test has not been applied: the tooltip says what it would give.
void ExplanationsTest::loadTestBeforeAnySearch()
{
    NetworkDisplay view;
    const int link0to2 = NetworkDisplay::VertexCount + 1;
    QVERIFY(
        view.elementExplanation(link0to2).contains(QLatin1String("= 0, would pass at this load.")));
    view.setLoad(60);
    QVERIFY(view.elementExplanation(link0to2).contains(QLatin1String("would fail at this load.")));
    CoutCapture discard;
    NetworkDisplayProbe(view).moveShot();
    QVERIFY(view.elementExplanation(link0to2).contains(QLatin1String("= 120, failed.")));
}

// A screen reader shows an element's tooltip by moving the pointer to the centre of the
// element's accessible rectangle.
void ExplanationsTest::accessibleCentresShowTheirElements()
{
    NetworkDisplay view;
    view.resize(800, 600);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QAccessibleInterface *drawing = QAccessible::queryAccessibleInterface(&view);
    QCOMPARE(drawing->childCount(), NetworkDisplay::VertexCount + NetworkDisplay::LinkCount);
    for (int element = 0; element < drawing->childCount(); ++element) {
        const QRect rect = drawing->child(element)->rect();
        const QPoint centre = rect.topLeft() + QPoint(rect.width() / 2, rect.height() / 2);
        QVERIFY2(view.elementAt(view.mapFromGlobal(centre)) == element,
            qPrintable(view.elementName(element)));
    }
}

QTEST_MAIN(ExplanationsTest)
#include "tst_explanations.moc"
