// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coutcapture.h"
#include "lcdrange.h"
#include "mainboard.h"
#include "networkdisplayprobe.h"

#include <QCheckBox>
#include <QImage>
#include <QLCDNumber>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSlider>
#include <QtTest>

#include <climits>

// Random operations on the whole window (keys, clicks, extreme slot values, timer ticks,
// restarts mid-search, paints), checking after each one that nothing is inconsistent.
// NETROUTE_SEED and NETROUTE_OPERATIONS replay a failure or make a longer run.
class RandomOperationsTest : public QObject
{
    Q_OBJECT

private slots:
    void nothingBreaks();
};

namespace {

enum Operation {
    PressReturn,
    PressEnter,
    PressArrow,
    PressAltR,
    PressAltS,
    ClickSearch,
    ClickRestart,
    SetExtremeValue,
    ToggleRandomEffect,
    TimerFires,
    WaitForEvents,
    Paint,
    OperationCount
};

const char *const operationNames[] = {
    "Return",
    "keypad Enter",
    "arrow",
    "Alt+R",
    "Alt+S",
    "click search",
    "click restart",
    "extreme value",
    "toggle random effect",
    "timer fires",
    "wait for events",
    "paint",
};

Operation pickOperation(QRandomGenerator &random)
{
    // Weights per operation: cheap ones often, waits and paints rarely.
    static const int weights[OperationCount] = {170, 80, 170, 30, 10, 20, 15, 150, 10, 310, 2, 13};
    int pick = random.bounded(1000);
    for (int op = 0; op < OperationCount; ++op) {
        if ((pick -= weights[op]) < 0)
            return Operation(op);
    }
    return TimerFires;
}

int countReports(const std::string &text)
{
    int count = 0;
    for (size_t at = text.find("The shortest Distance"); at != std::string::npos;
         at = text.find("The shortest Distance", at + 1))
        ++count;
    return count;
}

} // namespace

void RandomOperationsTest::nothingBreaks()
{
    const quint32 seed = qEnvironmentVariableIsSet("NETROUTE_SEED")
        ? quint32(qEnvironmentVariableIntValue("NETROUTE_SEED"))
        : 20261207u;
    const int operations = qEnvironmentVariableIsSet("NETROUTE_OPERATIONS")
        ? qEnvironmentVariableIntValue("NETROUTE_OPERATIONS")
        : 100000;
    QRandomGenerator random(seed);

    MainBoard board;
    board.setGeometry(MainBoard::StartingGeometry);
    board.show();
    board.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&board));

    auto *view = board.findChild<NetworkDisplay *>();
    NetworkDisplayProbe probe(*view);
    auto *counter = board.findChild<QLCDNumber *>(QString(), Qt::FindDirectChildrenOnly);
    auto *randomBox = board.findChild<QCheckBox *>();
    QPushButton *search = nullptr;
    QPushButton *restart = nullptr;
    for (QPushButton *button : board.findChildren<QPushButton *>())
        (button->text() == QLatin1String("&SEARCH START") ? search : restart) = button;
    const QList<LCDRange *> ranges = board.findChildren<LCDRange *>();

    int cycles = 0;
    connect(probe.searchTimer(), &QTimer::timeout, this, [&cycles] { ++cycles; });
    const int extremes[] = {INT_MIN, INT_MAX, -1, 0, 1, 19, 20, 49, 50, 99, 100};
    QImage image(board.size(), QImage::Format_ARGB32_Premultiplied);
    CoutCapture output;
    int paints = 0;
    int reports = 0;

    for (int step = 0; step < operations; ++step) {
        const Operation op = pickOperation(random);
        const QByteArray where = QStringLiteral("seed %1, step %2 (%3)")
                                     .arg(seed)
                                     .arg(step)
                                     .arg(QLatin1String(operationNames[op]))
                                     .toLatin1();
        const int activeBefore = probe.activeLinkRecordCount();
        cycles = 0;
        output.clear();

        QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : &board;
        switch (op) {
        case PressReturn:
            QTest::keyClick(focus, Qt::Key_Return);
            break;
        case PressEnter:
            QTest::keyClick(focus, Qt::Key_Enter, Qt::KeypadModifier);
            break;
        case PressArrow: {
            const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                Qt::Key_PageUp, Qt::Key_End, Qt::Key_Tab};
            QTest::keyClick(focus, keys[random.bounded(7)]);
            break;
        }
        case PressAltR:
            QTest::keyClick(focus, Qt::Key_R, Qt::AltModifier);
            break;
        case PressAltS:
            QTest::keyClick(focus, Qt::Key_S, Qt::AltModifier);
            break;
        case ClickSearch:
            QTest::mouseClick(search, Qt::LeftButton);
            break;
        case ClickRestart:
            QTest::mouseClick(restart, Qt::LeftButton);
            break;
        case SetExtremeValue: {
            const int value
                = random.bounded(4) == 0 ? int(random.generate()) : extremes[random.bounded(11)];
            switch (random.bounded(4)) {
            case 0:
                view->setVertex(value);
                break;
            case 1:
                view->setVertex2(value);
                break;
            case 2:
                view->setLoad(value);
                break;
            default:
                ranges.at(random.bounded(int(ranges.size())))->setValue(value);
                break;
            }
            break;
        }
        case ToggleRandomEffect:
            QTest::mouseClick(randomBox, Qt::LeftButton);
            break;
        case TimerFires:
            // What the search timer does on its tick, without waiting the 5 ms for it.
            if (view->isSearchRunning()) {
                QMetaObject::invokeMethod(view, "moveShot");
                ++cycles;
            }
            break;
        case WaitForEvents:
            QTest::qWait(
                random.bounded(8) ? 6 : 110); // at times long enough for a mnemonic's click
            break;
        case Paint:
            board.render(&image);
            ++paints;
            break;
        case OperationCount:
            break;
        }

        const int sourceVertex = probe.sourceVertex();
        const int destinationVertex = probe.destinationVertex();
        const std::string printed = output.text();
        const int printedReports = countReports(printed);
        reports += printedReports;

        QVERIFY2(
            counter->intValue() >= 0 && counter->intValue() <= MainBoard::TrialsPerSeries, where);
        QVERIFY2(search->isEnabled() == !view->isSearchRunning(), where);
        QVERIFY2(!view->isGameEnded() || counter->intValue() == 0, where);
        QVERIFY2(view->isGameEnded() || counter->intValue() > 0 || view->isSearchRunning(), where);
        QVERIFY2(
            probe.sourceVertex() >= 0 && probe.sourceVertex() < NetworkDisplay::VertexCount, where);
        QVERIFY2(probe.destinationVertex() >= 0
                && probe.destinationVertex() < NetworkDisplay::VertexCount,
            where);
        QVERIFY2(probe.trafficLoad() >= 0, where);

        const int activeAfter = probe.activeLinkRecordCount();
        QVERIFY2(activeAfter >= activeBefore, where);
        if (cycles == 0) {
            QVERIFY2(printedReports == 0 && activeAfter == activeBefore, where);
        } else if (cycles == 1) {
            // One report exactly when some link passed and the endpoints differ.
            const bool expectReport
                = activeAfter > activeBefore && sourceVertex != destinationVertex;
            QVERIFY2(printedReports == (expectReport ? 1 : 0), where);
            if (expectReport) {
                const std::string heading = "start " + std::to_string(sourceVertex)
                    + " to destination " + std::to_string(destinationVertex) + " is ";
                QVERIFY2(printed.find(heading) != std::string::npos, where);
            }
        } else {
            QVERIFY2(printedReports <= cycles, where);
        }
        if ((step + 1) % 1000000 == 0)
            qInfo("%d operations done", step + 1);
    }
    qInfo("%d operations: %d reports, %d paints, %d active link records", operations, reports,
        paints, probe.activeLinkRecordCount());
}

QTEST_MAIN(RandomOperationsTest)
#include "tst_randomoperations.moc"
