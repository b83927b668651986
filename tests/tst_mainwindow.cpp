// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainboard.h"
#include "networkdisplay.h"

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

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
