// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lcdrange.h"
#include "mainboard.h"
#include "networkcommands.h"
#include "networkdisplay.h"
#include "networkmodel.h"

#include <QFrame>
#include <QGridLayout>
#include <QPushButton>
#include <QtTest>

// The main window's frame, layout and quit shortcut, set up as the program starts it.
class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void geometry();
    void framedView();
    void onlyTheViewWidens();
    void ctrlQEndsTheEventLoop();
    void openingANetwork();

private:
    MainBoard *board = nullptr;
};

void MainWindowTest::init()
{
    board = new MainBoard;
    board->setGeometry(MainBoard::StartingGeometry);
    board->show();
    QVERIFY(QTest::qWaitForWindowExposed(board));
}

void MainWindowTest::cleanup()
{
    delete board;
    board = nullptr;
}

void MainWindowTest::geometry()
{
    QCOMPARE(board->geometry(), QRect(100, 100, 800, 560));
    QCOMPARE(board->geometry().bottomRight(), QPoint(899, 659));
    QVERIFY(board->windowTitle().isEmpty());
}

void MainWindowTest::framedView()
{
    auto *view = board->findChild<NetworkDisplay *>();
    QVERIFY(view);
    auto *frame = qobject_cast<QFrame *>(view->parentWidget());
    QVERIFY(frame);
    QCOMPARE(frame->frameStyle(), 0x33);
    QCOMPARE(frame->parentWidget(), board);
    QCOMPARE(frame->layout()->count(), 1);
    QCOMPARE(frame->layout()->itemAt(0)->widget(), view);

    auto *grid = qobject_cast<QGridLayout *>(board->layout());
    QVERIFY(grid);
    QCOMPARE(grid->columnStretch(1), 10);
    QCOMPARE(grid->columnStretch(2), 0);
    int row, column, rowSpan, columnSpan;
    grid->getItemPosition(grid->indexOf(frame), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(QList<int>({row, column, rowSpan, columnSpan}), QList<int>({1, 1, 3, 1}));
    QVERIFY(frame->geometry().right() < board->findChild<QPushButton *>()->geometry().left());
}

void MainWindowTest::onlyTheViewWidens()
{
    auto *view = board->findChild<NetworkDisplay *>();
    auto *button = board->findChild<QPushButton *>();
    const int viewWidth = view->width();
    const int buttonWidth = button->width();

    board->resize(1000, 560);
    QTRY_COMPARE(view->width(), viewWidth + 200);
    QCOMPARE(button->width(), buttonWidth);
}

void MainWindowTest::ctrlQEndsTheEventLoop()
{
    board->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board));
    QTimer::singleShot(
        0, board, [this] { QTest::keyClick(board, Qt::Key_Q, Qt::ControlModifier); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); }); // guard against a hang
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!board->isVisible());
}

// Opening a network begins a new series on it, with nothing of the old one kept; a file that
// makes no network changes nothing.
void MainWindowTest::openingANetwork()
{
    QTemporaryDir folder;
    const auto writeFile = [&folder](const QString &name, const QByteArray &edges) {
        QFile file(folder.filePath(name));
        const bool written = file.open(QIODevice::WriteOnly)
            && file.write("<graphml xmlns=\"http://graphml.graphdrawing.org/xmlns\">"
                          "<graph edgedefault=\"undirected\"><node id=\"u\"/><node id=\"v\"/>"
                          "<node id=\"w\"/>"
                   + edges + "</graph></graphml>")
                > 0;
        return written ? file.fileName() : QString();
    };
    const QString good = writeFile(QStringLiteral("three.graphml"),
        "<edge source=\"u\" target=\"v\"/><edge source=\"v\" target=\"w\"/>");
    const QString bad
        = writeFile(QStringLiteral("bad.graphml"), "<edge source=\"u\" target=\"u\"/>");
    QVERIFY(!good.isEmpty() && !bad.isEmpty());

    auto *view = board->findChild<NetworkDisplay *>();
    NetworkModel &model = view->model();
    const QList<LCDRange *> sliders = board->findChildren<LCDRange *>();
    QCOMPARE(sliders.size(), 3);
    sliders[1]->setValue(19);
    QTest::keyClick(board, Qt::Key_Return);
    QTRY_VERIFY(model.hasCycleRun());
    QCOMPARE(model.trialsLeft(), 9);

    NetworkCommands *commands = board->networkCommands();
    QCOMPARE(commands->openFile(good), QString());
    QCOMPARE(model.topology().vertexCount, 3);
    QCOMPARE(model.destination(), 2);
    QCOMPARE(sliders[1]->value(), 2);
    sliders[0]->setValue(19);
    QCOMPARE(model.source(), 2);
    QCOMPARE(model.trialsLeft(), 10);
    QVERIFY(!model.hasCycleRun());
    QCOMPARE(model.usableLinks().recordCount(), 0);
    QCOMPARE(view->elementCount(), 3 + 4);
    QCOMPARE(board->windowTitle(), QStringLiteral("three"));

    const QString refusal = commands->openFile(bad);
    QVERIFY2(refusal.contains(QLatin1String("bad.graphml")), qPrintable(refusal));
    QCOMPARE(model.topology().vertexCount, 3);
    QCOMPARE(board->windowTitle(), QStringLiteral("three"));

    commands->showBuiltIn();
    QCOMPARE(view->elementCount(), NetworkDisplay::ElementCount);
    QVERIFY(board->windowTitle().isEmpty());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
