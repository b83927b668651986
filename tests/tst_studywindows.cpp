// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coutcapture.h"
#include "drawingpicture.h"
#include "lcdrange.h"
#include "loadsweep.h"
#include "loadsweepwindow.h"
#include "mainboard.h"
#include "networkdisplayprobe.h"
#include "paintrecorder.h"
#include "scripteddraws.h"
#include "searchstepswindow.h"
#include "serieslog.h"
#include "serieswindow.h"
#include "studywindows.h"
#include "sweepplot.h"
#include "testnetworks.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>
#include <numeric>

Q_DECLARE_METATYPE(PaintOp::Kind)

// What stands in the way of a save before it starts.
enum class Obstacle { None, ReadOnlyFile, Folder, FileAsFolder };
Q_DECLARE_METATYPE(Obstacle)

namespace {

constexpr int PlotCost = 72;
constexpr double AboveAxis = 1e6; // clamped to the top of the plot area
constexpr qreal Tolerance = 0.5;
// A sweep runs thousands of search cycles off the GUI thread: under valgrind, beside another
// program, that takes longer than QSignalSpy's five seconds.
constexpr int SweepWait = 120000; // milliseconds

// The path a view draws after its last search, from the source.
QList<int> drawnPath(NetworkDisplayProbe &probe)
{
    QList<int> path {probe.destinationVertex()};
    while (path.first() != probe.sourceVertex() && path.size() <= NetworkDisplay::VertexCount)
        path.prepend(probe.predecessor()[path.first()]);
    return path;
}

// The path 0, 2, 1 at the given loads, no path at the others.
QList<LoadSweep::Point> sweepFinding(const QList<int> &loads)
{
    QList<LoadSweep::Point> points(LoadSweep::Loads);
    for (int load = 0; load < LoadSweep::Loads; ++load) {
        LoadSweep::Point &point = points[load];
        point.load = load;
        point.noLinkPassed = !loads.contains(load);
        if (loads.contains(load)) {
            point.share = 1;
            point.cost = point.low = point.high = PlotCost;
            point.path = {0, 2, 1};
        }
    }
    return points;
}

QList<int> loadsBelow(int end)
{
    QList<int> loads(end);
    std::iota(loads.begin(), loads.end(), 0);
    return loads;
}

QRectF bounds(const PaintOp &op)
{
    switch (op.kind) {
    case PaintOp::Line:
        return QRectF(op.line.p1(), op.line.p2()).normalized();
    case PaintOp::Text:
        return QRectF(op.point, QSizeF());
    default:
        return op.rect;
    }
}

// Every file and folder under a folder, with the files' bytes.
QMap<QString, QByteArray> contents(const QString &folder)
{
    QMap<QString, QByteArray> found;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
        QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        found[it.filePath()] = file.open(QIODevice::ReadOnly) ? file.readAll() : "(folder)";
    }
    return found;
}

// The save dialog's filter for an extension.
QString filterFor(const QString &suffix)
{
    const QStringList filters = DrawingPicture::fileFilter().split(QStringLiteral(";;"));
    const auto found = std::find_if(filters.begin(), filters.end(),
        [&](const QString &filter) { return filter.contains(QStringLiteral("*.") + suffix); });
    return found == filters.end() ? QString() : *found;
}

// A language in which every text of the series log reads otherwise.
class ShoutingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char * /*disambiguation*/,
        int /*n*/) const override
    {
        return qstrcmp(context, "SeriesLog") == 0 ? QString::fromUtf8(sourceText).toUpper()
                                                  : QString();
    }
    bool isEmpty() const override { return false; }
};

bool holds(const QRectF &outer, const QRectF &inner)
{
    return outer.left() <= inner.left() + Tolerance && outer.right() >= inner.right() - Tolerance
        && outer.top() <= inner.top() + Tolerance && outer.bottom() >= inner.bottom() - Tolerance;
}

} // namespace

// The load sweep, the series log and the pictures: what they show, and that making them
// changes nothing in the program.
class StudyWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ScriptedDraws::install(); }
    void sweepEqualsFreshSearches_data();
    void sweepEqualsFreshSearches();
    void otherNetworks_data();
    void otherNetworks();
    void randomSweepLeavesProgramAlone();
    void overtakenSweepShowsNewerState();
    void sweepWindowSaysWhatRowsHold_data();
    void sweepWindowSaysWhatRowsHold();
    void hiddenSweepWindowWaits();
    void sweepPlotDrawing_data();
    void sweepPlotDrawing();
    void seriesLogsEverySearch();
    void pictures_data();
    void pictures();
    void contextMenuPopsUp();
    void windowsFitTheScreen_data();
    void windowsFitTheScreen();
    void closingWithWindowsOpen();
};

void StudyWindowsTest::sweepEqualsFreshSearches_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("destination");
    QTest::addColumn<int>("firstLoadWithoutPath");
    QTest::newRow("0 to 1") << 0 << 1 << 50;
    QTest::newRow("0 to 19") << 0 << 19 << 50;
    QTest::newRow("19 to 0") << 19 << 0 << 50;
    QTest::newRow("0 to 5") << 0 << 5 << 40;
    QTest::newRow("14 to 4") << 14 << 4 << 50;
}

// With the random effect off, every load's figure is what a fresh search at that load gives.
void StudyWindowsTest::sweepEqualsFreshSearches()
{
    QFETCH(int, source);
    QFETCH(int, destination);
    QFETCH(int, firstLoadWithoutPath);

    NetworkDisplay view;
    view.setVertex(source);
    view.setVertex2(destination);
    const QList<LoadSweep::Point> sweep = LoadSweep::compute(view.model());
    QCOMPARE(sweep.size(), LoadSweep::Loads);
    CoutCapture discard;
    for (int load = 0; load < LoadSweep::Loads; ++load) {
        NetworkDisplay fresh;
        NetworkDisplayProbe probe(fresh);
        fresh.setVertex(source);
        fresh.setVertex2(destination);
        fresh.setLoad(load);
        probe.moveShot();
        const LoadSweep::Point &point = sweep[load];
        const bool found = probe.predecessor()[destination] != NetworkDisplay::NoPredecessor;
        QCOMPARE(point.found(), found);
        QCOMPARE(point.found(), load < firstLoadWithoutPath);
        QCOMPARE(point.noLinkPassed, load >= 50);
        if (found) {
            QCOMPARE(point.cost, probe.distance()[destination]);
            QCOMPARE(point.path, drawnPath(probe));
        }
    }
}

void StudyWindowsTest::otherNetworks_data()
{
    TestNetworks::addRows();
}

// On networks unlike the built-in one, the sweep from the first vertex to the last gives at
// every load what a fresh search there gives, and the series names the network.
void StudyWindowsTest::otherNetworks()
{
    QFETCH(QString, network);
    const Topology topology = TestNetworks::make(network);
    const int last = topology.vertexCount - 1;
    NetworkModel model;
    SeriesLog log(model);
    connect(&model, &NetworkModel::cycleFinished, &log, &SeriesLog::takeCycle);
    model.setTopology(topology);
    model.setDestination(last);
    const QList<LoadSweep::Point> sweep = LoadSweep::compute(model);
    CoutCapture discard;
    for (int load = 0; load < LoadSweep::Loads; ++load) {
        NetworkModel fresh;
        fresh.setTopology(topology);
        fresh.setDestination(last);
        fresh.setLoad(load);
        fresh.runCycle();
        const bool found = fresh.hasSearchResults()
            && fresh.search().predecessor[last] != Routing::NoPredecessor;
        QCOMPARE(sweep[load].found(), found);
        if (found) {
            QList<int> path = fresh.pathBack();
            std::reverse(path.begin(), path.end());
            QCOMPARE(sweep[load].cost, fresh.search().distance[last]);
            QCOMPARE(sweep[load].path, path);
        }
    }
    model.runCycle();
    QCOMPARE(log.entries().size(), 1);
    QCOMPARE(SeriesLog::networkName(log.entries().first()), network);
    QVERIFY(log.csv().contains(QLatin1Char(',') + network + QLatin1Char(',')));
}

// With the random effect on, the sweep draws nothing from the program's generator, adds no
// usable link, writes no report, sends no signal, and gives the same figures twice.
void StudyWindowsTest::randomSweepLeavesProgramAlone()
{
    NetworkDisplay view;
    NetworkDisplayProbe probe(view);
    view.setgrand(true);
    view.setVertex2(5);
    CoutCapture output;
    probe.moveShot(); // some usable links from an earlier cycle
    output.clear();
    const int draws = ScriptedDraws::draws;
    const int seeds = ScriptedDraws::seeds;
    const int records = probe.activeLinkRecordCount();
    const float factor = probe.randomFactor();
    QSignalSpy missed(&view, &NetworkDisplay::missed);
    QSignalSpy canShoot(&view, &NetworkDisplay::canShoot);

    const QList<LoadSweep::Point> first = LoadSweep::compute(view.model());
    const QList<LoadSweep::Point> second = LoadSweep::compute(view.model());

    QCOMPARE(ScriptedDraws::draws, draws);
    QCOMPARE(ScriptedDraws::seeds, seeds);
    QCOMPARE(probe.activeLinkRecordCount(), records);
    QCOMPARE(probe.randomFactor(), factor);
    QCOMPARE(output.text(), std::string());
    QCOMPARE(missed.size(), 0);
    QCOMPARE(canShoot.size(), 0);
    QVERIFY(std::any_of(first.begin(), first.end(),
        [](const LoadSweep::Point &p) { return p.share > 0 && p.share < 1; }));
    for (int load = 0; load < LoadSweep::Loads; ++load) {
        QCOMPARE(first[load].cost, second[load].cost);
        QCOMPARE(first[load].low, second[load].low);
        QCOMPARE(first[load].high, second[load].high);
        QCOMPARE(first[load].share, second[load].share);
        QCOMPARE(first[load].path, second[load].path);
    }
}

// A change while a sweep is under way starts another; the first one's figures are never shown.
void StudyWindowsTest::overtakenSweepShowsNewerState()
{
    NetworkModel model;
    model.setRandomEffect(true);
    model.setDestination(19);
    LoadSweep sweep(model);
    QSignalSpy finished(&sweep, &LoadSweep::finished);
    sweep.start();
    model.setDestination(5);
    sweep.start();
    QCOMPARE(sweep.pending().destination, 5);
    QVERIFY(finished.wait(SweepWait));
    QTest::qWait(50); // a late answer from the first sweep would arrive by now
    QCOMPARE(finished.size(), 1);
    QCOMPARE(sweep.destination(), 5);
    const QList<LoadSweep::Point> expected = LoadSweep::compute(model);
    for (int load = 0; load < LoadSweep::Loads; ++load) {
        QCOMPARE(sweep.points()[load].cost, expected[load].cost);
        QCOMPARE(sweep.points()[load].share, expected[load].share);
    }
}

void StudyWindowsTest::sweepWindowSaysWhatRowsHold_data()
{
    QTest::addColumn<bool>("randomEffect");
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("destination");
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QString>("summary"); // a part of it
    QTest::addColumn<QString>("costAtLoad0");

    QTest::newRow("random effect off")
        << false << 0 << 1 << QStringList {"Load", "Cost", "Path"}
        << QStringLiteral("random effect off") << QStringLiteral("72");
    QTest::newRow("random effect on: medians and most frequent paths")
        << true << 0 << 1 << QStringList {"Load", "Median cost", "Most frequent path"}
        << QStringLiteral("simulated 300 times") << QString();
    QTest::newRow("same endpoints: no search at all")
        << true << 3 << 3 << QStringList {"Load", "Median cost", "Most frequent path"}
        << QStringLiteral("both vertex 3, so there is no route")
        << QStringLiteral("no search: the source is the destination");
}

void StudyWindowsTest::sweepWindowSaysWhatRowsHold()
{
    QFETCH(bool, randomEffect);
    QFETCH(int, source);
    QFETCH(int, destination);
    QFETCH(QStringList, headers);
    QFETCH(QString, summary);
    QFETCH(QString, costAtLoad0);

    NetworkModel model;
    model.setRandomEffect(randomEffect);
    model.setSource(source);
    model.setDestination(destination);
    LoadSweepWindow window(model);
    QSignalSpy finished(&window.sweep(), &LoadSweep::finished);
    window.show();
    QVERIFY(finished.wait(SweepWait));
    auto *table = window.findChild<QTableWidget *>();
    for (int column = 0; column < headers.size(); ++column)
        QCOMPARE(table->horizontalHeaderItem(column)->text(), headers[column]);
    QVERIFY(window.findChild<QLabel *>()->text().contains(summary));
    if (!costAtLoad0.isEmpty())
        QCOMPARE(table->item(0, 1)->text(), costAtLoad0);
}

// A hidden window does no work on a change, and sweeps the new state once shown again.
void StudyWindowsTest::hiddenSweepWindowWaits()
{
    NetworkModel model;
    model.setDestination(19);
    LoadSweepWindow window(model);
    QSignalSpy finished(&window.sweep(), &LoadSweep::finished);
    window.show();
    QVERIFY(finished.wait(SweepWait));
    window.hide();
    model.setDestination(5);
    window.sweepAgain();
    QCOMPARE(window.sweep().pending().destination, 19);
    window.show();
    QCOMPARE(window.sweep().pending().destination, 5);
    QVERIFY(finished.wait(SweepWait));
    QCOMPARE(window.sweep().destination(), 5);
}

void StudyWindowsTest::sweepPlotDrawing_data()
{
    QTest::addColumn<QList<int>>("loadsWithPath");
    QTest::addColumn<int>("currentLoad");
    QTest::addColumn<PaintOp::Kind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRectF>("inside"); // in loads and costs
    QTest::addColumn<QRectF>("covering"); // the same; none when null

    const QRectF gap(QPointF(39.5, 0), QPointF(LoadSweep::Loads - 1, AboveAxis));
    QTest::newRow("no-path shading reaches the top")
        << loadsBelow(40) << 0 << PaintOp::Rect << QString() << gap << gap;
    const QRectF current(QPointF(20, 0), QPointF(20, AboveAxis));
    QTest::newRow("current-load line spans the plot height")
        << loadsBelow(40) << 20 << PaintOp::Line << QString() << current << current;
    QTest::newRow("change label at load 0 right of the y axis")
        << loadsBelow(40) << 20 << PaintOp::Text << QStringLiteral("0, 2, 1")
        << QRectF(QPointF(0.5, 0), QPointF(LoadSweep::Loads - 1, AboveAxis)) << QRectF();
    QTest::newRow("run of one load drawn")
        << (loadsBelow(10) << 11) << 0 << PaintOp::Ellipse << QString()
        << QRectF(QPointF(10.5, PlotCost - 1), QPointF(11.5, PlotCost + 1)) << QRectF();
}

// Some painted op of the kind lies inside the region and covers the other, both given in loads
// and costs and mapped through the plot's own axes.
void StudyWindowsTest::sweepPlotDrawing()
{
    QFETCH(QList<int>, loadsWithPath);
    QFETCH(int, currentLoad);
    QFETCH(PaintOp::Kind, kind);
    QFETCH(QString, text);
    QFETCH(QRectF, inside);
    QFETCH(QRectF, covering);

    SweepPlot plot;
    PaintRecorder recorder;
    plot.resize(recorder.width(), recorder.height());
    plot.showSweep(sweepFinding(loadsWithPath), false, currentLoad);
    plot.render(&recorder, QPoint(), QRegion(), QWidget::RenderFlags());

    const QRectF area = plot.plotArea();
    const auto pixels = [&](const QRectF &figures) {
        const auto at = [&](const QPointF &figure) {
            const QPointF point = plot.position(figure.x(), figure.y());
            return QPointF(std::clamp(point.x(), area.left(), area.right()),
                std::clamp(point.y(), area.top(), area.bottom()));
        };
        return QRectF(at(figures.topLeft()), at(figures.bottomRight())).normalized();
    };
    const QList<PaintOp> ops = recorder.ops(kind);
    QVERIFY(std::any_of(ops.begin(), ops.end(), [&](const PaintOp &op) {
        return (text.isEmpty() || op.text == text) && holds(pixels(inside), bounds(op))
            && (covering.isNull() || holds(bounds(op), pixels(covering)));
    }));
}

// A scripted series: each search is logged with its report as written and its outcome; the
// searches that ran none are logged too; RESTART begins a new group.
void StudyWindowsTest::seriesLogsEverySearch()
{
    ScriptedDraws::queue.clear();
    MainBoard board;
    board.show(); // each outcome is painted before the next search, as on screen
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    auto *view = board.findChild<NetworkDisplay *>();
    const SeriesLog &log = board.findChild<StudyWindows *>()->seriesLog();
    QStringList reports;
    const auto search = [&] {
        CoutCapture capture;
        QSignalSpy ended(view, &NetworkDisplay::missed);
        QMetaObject::invokeMethod(&board, "fire");
        QTRY_COMPARE(ended.size(), 1);
        QCoreApplication::processEvents(); // the paint that shows the outcome
        reports << QString::fromStdString(capture.text());
    };
    search(); // 0 to 1
    view->setVertex2(0);
    search(); // same endpoints
    view->setVertex2(5);
    view->setLoad(60);
    search(); // no link passes
    QMetaObject::invokeMethod(&board, "newGame");
    view->setLoad(40);
    search(); // 5 unreachable

    const QList<SeriesLog::Entry> &entries = log.entries();
    QCOMPARE(entries.size(), 4);
    const int series[] = {1, 1, 1, 2};
    const int trials[] = {1, 2, 3, 1};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(entries[i].series, series[i]);
        QCOMPARE(entries[i].trial, trials[i]);
        QCOMPARE(entries[i].report, reports[i]);
    }
    QCOMPARE(entries[0].outcome, QStringLiteral("Path Found !! The optimal path load is 72"));
    QCOMPARE(entries[0].path, QList<int>({0, 2, 1}));
    QCOMPARE(
        entries[1].outcome, QStringLiteral("Source & Destination must be different!! Try again."));
    QCOMPARE(entries[2].outcome, QStringLiteral("No path found. Try new search."));
    QCOMPARE(entries[3].outcome, QStringLiteral("No path found. Try new search."));
    QVERIFY(entries[3].report.contains(QLatin1String("No Path from 5 to 0.")));
    ShoutingTranslator translator; // the CSV is for programs: the same in every language
    QCoreApplication::installTranslator(&translator);
    QVERIFY(log.csv().startsWith(QLatin1String("Series,Trial,Network,Source,Destination,Load,")));
    QVERIFY(log.csv().contains(
        QLatin1String("\n2,1,Built-in,0,5,40,off,No path found. Try new search.,,,")));

    SeriesWindow window(log);
    auto *tree = window.findChild<QTreeWidget *>();
    QCOMPARE(tree->topLevelItemCount(), 2);
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Series 2")); // newest first
    QCOMPARE(tree->topLevelItem(1)->childCount(), 3);
    QCOMPARE(tree->topLevelItem(1)->child(0)->text(0), QStringLiteral("3"));
    auto *report = window.findChild<QPlainTextEdit *>();
    QTest::keyClick(report, Qt::Key_Down); // a caret, that a screen reader follows
    QCOMPARE(report->textCursor().blockNumber(), 1);

    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("series.csv"));
    QCOMPARE(window.saveCsv(csv), QString());
    QFile saved(csv);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(saved.readAll()), log.csv());
    const QString blocked = csv + QStringLiteral("/inside.csv"); // a file is no folder
    QVERIFY(window.saveCsv(blocked).contains(blocked));
}

void StudyWindowsTest::pictures_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("filter"); // the extension of the filter chosen
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("format"); // none: the save must fail
    QTest::addColumn<Obstacle>("obstacle"); // at the written name, or as its folder

    const QString png = QStringLiteral("drawing.png");
    const QString pdf = QStringLiteral("drawing.pdf");
    const QString bare = QStringLiteral("drawing");
    QTest::newRow("PNG") << png << "png" << png << "png" << Obstacle::None;
    QTest::newRow("typed PDF under the PNG filter")
        << pdf << "png" << pdf << "pdf" << Obstacle::None;
    QTest::newRow("PDF filter, no extension") << bare << "pdf" << pdf << "pdf" << Obstacle::None;
    QTest::newRow("over a read-only PNG") << png << "png" << png << "" << Obstacle::ReadOnlyFile;
    const QString inside = png + QStringLiteral("/inside.png");
    QTest::newRow("inside a file") << inside << "png" << inside << "" << Obstacle::FileAsFolder;
#ifdef NETROUTE_HAVE_SVG
    const QString svg = QStringLiteral("drawing.svg");
    QTest::newRow("SVG") << svg << "png" << svg << "svg" << Obstacle::None;
    QTest::newRow("SVG filter, no extension") << bare << "svg" << svg << "svg" << Obstacle::None;
    QTest::newRow("over a read-only SVG") << svg << "svg" << svg << "" << Obstacle::ReadOnlyFile;
    QTest::newRow("folder in place of the SVG") << svg << "svg" << svg << "" << Obstacle::Folder;
#endif
}

// The PNG is the drawing's pixels, the PDF one page of it and the SVG its drawing, both
// carrying the outcome; the chosen filter gives the format unless the typed name names one; a
// failed save names the file and leaves everything as it was; and none of it changes what the
// view shows or says.
void StudyWindowsTest::pictures()
{
    QFETCH(QString, typed);
    QFETCH(QString, filter);
    QFETCH(QString, written);
    QFETCH(QString, format);
    QFETCH(Obstacle, obstacle);

    NetworkDisplay view;
    view.setVertex2(1);
    view.resize(800, 600);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    {
        CoutCapture discard;
        NetworkDisplayProbe(view).moveShot();
    }
    QTRY_VERIFY(view.accessibleDescription().contains(QLatin1String("Path Found")));
    const QString description = view.accessibleDescription();
    const QString outcome = QStringLiteral("Path Found !! The optimal path load is 72");
    const QImage screen = view.grab().toImage();
    QCOMPARE(DrawingPicture::image(view), screen);

    QTemporaryDir dir;
    const QString path = dir.filePath(written);
    QFile old(obstacle == Obstacle::FileAsFolder ? QFileInfo(path).path() : path);
    if (obstacle == Obstacle::Folder) {
        QVERIFY(QDir().mkdir(path));
    } else if (obstacle != Obstacle::None) {
        QVERIFY(old.open(QIODevice::WriteOnly));
        QVERIFY(old.write("an earlier picture") > 0);
        old.close();
    }
    if (obstacle == Obstacle::ReadOnlyFile) {
        QVERIFY(old.setPermissions(QFileDevice::ReadOwner));
        if (QFileInfo(path).isWritable())
            QSKIP("this user writes read-only files");
    }
    const QMap<QString, QByteArray> before = contents(dir.path());

    const QString error
        = SaveDialog::saveChosen(DrawingPicture::request(view, QString(), QString()),
            dir.filePath(typed), filterFor(filter));
    if (format.isEmpty()) {
        QVERIFY2(error.contains(path), qPrintable(error));
        QCOMPARE(contents(dir.path()), before);
    } else {
        QCOMPARE(error, QString());
        QCOMPARE(contents(dir.path()).keys(), QStringList({path}));
        QCOMPARE(SaveDialog::startPath(QStandardPaths::PicturesLocation, typed),
            dir.filePath(typed)); // the next dialog starts here
    }
    QFile file(path);
    if (format == QLatin1String("png"))
        QCOMPARE(QImage(path).convertToFormat(screen.format()), screen);
    if (format == QLatin1String("svg")) {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString text;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::Characters)
                text += xml.text();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(text.contains(outcome));
    }
    if (format == QLatin1String("pdf")) {
        // The page's text is compressed: the outcome is looked for in the uncompressed
        // description, the page in its object and its size in its media box.
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString pdf = QString::fromLatin1(file.readAll());
        QVERIFY(pdf.startsWith(QLatin1String("%PDF")));
        QCOMPARE(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 1);
        QVERIFY(pdf.contains(outcome));
        const QRegularExpressionMatch box
            = QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]"))
                  .match(pdf);
        QVERIFY(box.hasMatch());
        const QSizeF points = QSizeF(view.size()) * 72 / view.logicalDpiX();
        QCOMPARE(QSizeF(box.captured(1).toDouble(), box.captured(2).toDouble()), points);
    }
    QCOMPARE(view.accessibleDescription(), description);
    QCOMPARE(view.grab().toImage(), screen);
}

// The drawing's context menu pops up and leaves the event loop to the caller; its entries are
// the main window's key commands.
void StudyWindowsTest::contextMenuPopsUp()
{
    MainBoard board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    auto *view = board.findChild<NetworkDisplay *>();
    const QPoint background(100, 300);
    QTimer nested; // times out only in an event loop run inside the right-click
    nested.setSingleShot(true);
    connect(&nested, &QTimer::timeout, [] {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    });
    nested.start(0);
    QContextMenuEvent click(QContextMenuEvent::Mouse, background, view->mapToGlobal(background));
    QApplication::sendEvent(view, &click);
    QVERIFY(nested.isActive());
    nested.stop();

    QPointer<QMenu> menu;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<QMenu *>(widget); found && found->isVisible())
            menu = found;
    }
    QVERIFY(menu);
    QList<QAction *> entries = menu->actions();
    // Every entry is also a command of the window, except the submenu of examples.
    entries.removeIf(
        [](const QAction *action) { return action->isSeparator() || action->menu<QMenu *>(); });
    QCOMPARE(entries, board.actions());
    QAction *steps = entries.first();
    QCOMPARE(steps->text(), QStringLiteral("Search steps"));
    // Chosen by key: a click is taken for the one that opened the menu when it comes too soon.
    menu->setActiveAction(steps);
    QTest::keyClick(menu, Qt::Key_Return);
    QTRY_VERIFY(menu.isNull()); // it deletes itself on closing
    auto *window = board.findChild<SearchStepsWindow *>();
    QVERIFY(window && window->isVisible());
}

void StudyWindowsTest::windowsFitTheScreen_data()
{
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<QString>("title");
    QTest::newRow("Search steps") << QByteArray("showSearchSteps")
                                  << QStringLiteral("Search steps");
    QTest::newRow("Load sweep") << QByteArray("showLoadSweep") << QStringLiteral("Load sweep");
    QTest::newRow("Series") << QByteArray("showSeries") << QStringLiteral("Series");
    QTest::newRow("Practice") << QByteArray("showPractice") << QStringLiteral("Practice");
    QTest::newRow("Routing tables")
        << QByteArray("showRoutingTables") << QStringLiteral("Routing tables");
    QTest::newRow("Network editor")
        << QByteArray("showNetworkEditor") << QStringLiteral("Network editor[*]");
}

// Each window opens inside the room its screen gives, as small as the page's screen is.
void StudyWindowsTest::windowsFitTheScreen()
{
    QFETCH(QByteArray, slot);
    QFETCH(QString, title);
    MainBoard board;
    board.show();
    QVERIFY(QMetaObject::invokeMethod(board.findChild<StudyWindows *>(), slot.constData()));
    QWidget *window = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->windowTitle() == title)
            window = widget;
    }
    QVERIFY(window);
    const QRect room = window->screen()->availableGeometry();
    QVERIFY2(room.contains(window->frameGeometry()),
        qPrintable(QStringLiteral("%1x%2 on %3x%4")
                       .arg(window->frameGeometry().width())
                       .arg(window->frameGeometry().height())
                       .arg(room.width())
                       .arg(room.height())));
}

// The study windows read the model, so the main window's end takes them first, a sweep under way
// included; AddressSanitizer watches this run.
void StudyWindowsTest::closingWithWindowsOpen()
{
    auto *board = new MainBoard;
    board->show();
    auto *study = board->findChild<StudyWindows *>();
    study->showSearchSteps();
    study->showSeries();
    board->findChild<QCheckBox *>()->setChecked(true);
    study->showLoadSweep();
    const QList<QPointer<QWidget>> windows {board->findChild<SearchStepsWindow *>(),
        board->findChild<LoadSweepWindow *>(), board->findChild<SeriesWindow *>()};
    {
        CoutCapture discard;
        QSignalSpy ended(board->findChild<NetworkDisplay *>(), &NetworkDisplay::missed);
        QMetaObject::invokeMethod(board, "fire");
        QVERIFY(ended.wait());
    }
    board->close();
    delete board;
    for (const QPointer<QWidget> &window : windows)
        QVERIFY(window.isNull());
}

QTEST_MAIN(StudyWindowsTest)
#include "tst_studywindows.moc"
