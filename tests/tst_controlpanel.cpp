// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coutcapture.h"
#include "lcdrange.h"
#include "mainboard.h"
#include "networkdisplayprobe.h"
#include "searchoracle.h"

#include <QAction>
#include <QCheckBox>
#include <QLCDNumber>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QtTest>

// The whole window, driven by keys, clicks and the event loop as a person would drive it.
class ControlPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void metaObject();
    void startState();
    void controlColumn();
    void twoWayBinding();
    void fullSeries();
    void returnWhileSearching_data();
    void returnWhileSearching();
    void restartDuringSearch();
    void viewSignals();

private:
    LCDRange *control(const char *caption) const;
    QPushButton *button(const char *caption) const;
    QLCDNumber *counter() const;
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void waitForCycle();
    std::string expectedReport(int destination) const;

    MainBoard *board = nullptr;
    NetworkDisplay *view = nullptr;
    CoutCapture *output = nullptr;
};

void ControlPanelTest::init()
{
    output = new CoutCapture;
    board = new MainBoard;
    board->setGeometry(MainBoard::StartingGeometry);
    board->show();
    board->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board));
    view = board->findChild<NetworkDisplay *>();
}

void ControlPanelTest::cleanup()
{
    delete board;
    delete output;
}

LCDRange *ControlPanelTest::control(const char *caption) const
{
    for (LCDRange *range : board->findChildren<LCDRange *>()) {
        if (range->text() == QLatin1String(caption))
            return range;
    }
    return nullptr;
}

QPushButton *ControlPanelTest::button(const char *caption) const
{
    for (QPushButton *push : board->findChildren<QPushButton *>()) {
        if (push->text() == QLatin1String(caption))
            return push;
    }
    return nullptr;
}

QLCDNumber *ControlPanelTest::counter() const
{
    return board->findChild<QLCDNumber *>(QString(), Qt::FindDirectChildrenOnly);
}

void ControlPanelTest::press(int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

void ControlPanelTest::waitForCycle()
{
    QTRY_VERIFY_WITH_TIMEOUT(!view->isSearchRunning(), 2000);
}

// The report for a search from 0 at load 0, with every link usable, by the reference search.
std::string ControlPanelTest::expectedReport(int destination) const
{
    NetworkDisplay fresh;
    NetworkDisplayProbe probe(fresh);
    OracleInput input;
    input.activeLinks = probe.copies(probe.links());
    input.destination = destination;
    return oracleShortestPath(input).report;
}

void ControlPanelTest::metaObject()
{
    const QMetaObject &meta = MainBoard::staticMetaObject;
    QCOMPARE(meta.className(), "MainBoard");
    QCOMPARE(meta.methodCount() - meta.methodOffset(), 4);
    const char *slotNames[] = {"fire()", "hit()", "missed()", "newGame()"};
    for (int i = 0; i < 4; ++i) {
        const QMetaMethod method = meta.method(meta.methodOffset() + i);
        QCOMPARE(method.methodSignature(), QByteArray(slotNames[i]));
        QCOMPARE(method.methodType(), QMetaMethod::Slot);
        QCOMPARE(method.access(), QMetaMethod::Protected);
    }
}

void ControlPanelTest::startState()
{
    NetworkDisplayProbe probe(*view);
    QCOMPARE(control("SOURCE")->value(), 0);
    QCOMPARE(control("DESTINATION")->value(), 1);
    QCOMPARE(control("TRAFFIC LOAD")->value(), 0);
    QCOMPARE(probe.sourceVertex(), 0);
    QCOMPARE(probe.destinationVertex(), 1);
    QCOMPARE(probe.trafficLoad(), 0);
    QVERIFY(!board->findChild<QCheckBox *>()->isChecked());
    QCOMPARE(counter()->intValue(), 10);
    QVERIFY(button("&SEARCH START")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), control("DESTINATION")->findChild<QSlider *>());

    // Ranges: the destination stops at 19, the load at 99.
    control("DESTINATION")->setValue(40);
    QCOMPARE(control("DESTINATION")->value(), 19);
    control("TRAFFIC LOAD")->setValue(140);
    QCOMPARE(probe.trafficLoad(), 99);
}

void ControlPanelTest::controlColumn()
{
    QLayout *controls = board->layout()->itemAt(1)->layout();
    QVERIFY(controls);
    QStringList items;
    for (int i = 0; i < controls->count(); ++i) {
        QWidget *widget = controls->itemAt(i)->widget();
        if (auto *range = qobject_cast<LCDRange *>(widget))
            items << range->text();
        else if (auto *box = qobject_cast<QCheckBox *>(widget))
            items << box->text();
        else if (auto *push = qobject_cast<QPushButton *>(widget))
            items << push->text();
        else if (auto *label = qobject_cast<QLabel *>(widget))
            items << label->text();
        else if (widget == counter())
            items << "counter";
    }
    QCOMPARE(items,
        QStringList({"SOURCE", "DESTINATION", "TRAFFIC LOAD", "RANDOM EFFECT", "           ",
            "counter", "TRIAL LEFT", "&RESTART", "           ", "&SEARCH START"}));
    for (const char *caption : {"&SEARCH START", "&RESTART"}) {
        const QFont font = button(caption)->font();
        QCOMPARE(font.family(), QStringLiteral("Times"));
        QCOMPARE(font.pointSize(), 12);
        QCOMPARE(font.weight(), QFont::Bold);
        QVERIFY(!font.italic());
    }

    QStringList shortcuts;
    for (QShortcut *shortcut : board->findChildren<QShortcut *>()) {
        QCOMPARE(shortcut->context(), Qt::WindowShortcut);
        shortcuts << shortcut->key().toString();
    }
    for (const QAction *action : board->actions()) {
        QCOMPARE(action->shortcutContext(), Qt::WindowShortcut);
        shortcuts << action->shortcut().toString();
    }
    // The panel's own keys, then those of the windows that study the searches, then those that
    // choose the network.
    QCOMPARE(shortcuts,
        QStringList(
            {"Enter", "Return", "Ctrl+Q", "Ctrl+T", "Ctrl+L", "Ctrl+H", "Ctrl+E", "Ctrl+Alt+R",
                "Ctrl+Alt+D", "Ctrl+C", "Ctrl+S", "Ctrl+Alt+O", "Ctrl+Alt+B", "Ctrl+Alt+S"}));
}

void ControlPanelTest::twoWayBinding()
{
    NetworkDisplayProbe probe(*view);
    press(Qt::Key_Right);
    QCOMPARE(probe.destinationVertex(), 2);

    view->setVertex(5);
    QCOMPARE(control("SOURCE")->value(), 5);

    // The view takes any load, the control only 0..99: the echo settles both on 99.
    view->setLoad(250);
    QCOMPARE(control("TRAFFIC LOAD")->value(), 99);
    QCOMPARE(probe.trafficLoad(), 99);

    QTest::mouseClick(board->findChild<QCheckBox *>(), Qt::LeftButton);
    QVERIFY(probe.randomEffect());
    QTest::mouseClick(board->findChild<QCheckBox *>(), Qt::LeftButton);
    QVERIFY(!probe.randomEffect());
}

// Ten searches to destinations 1 to 10, started every way the window offers.
void ControlPanelTest::fullSeries()
{
    auto *search = button("&SEARCH START");
    for (int trial = 1; trial <= MainBoard::TrialsPerSeries; ++trial) {
        output->clear();
        switch (trial % 4) {
        case 0:
            press(Qt::Key_Return);
            break;
        case 1:
            press(Qt::Key_Enter, Qt::KeypadModifier);
            break;
        case 2:
            press(Qt::Key_S, Qt::AltModifier);
            break;
        case 3:
            QTest::mouseClick(search, Qt::LeftButton);
            break;
        }
        // A mnemonic clicks the button as an animated click, a moment later.
        QTRY_COMPARE(counter()->intValue(), MainBoard::TrialsPerSeries - trial);
        if (trial % 4 != 2) // by the time the animated click lands, the cycle may be over
            QVERIFY(!search->isEnabled());
        waitForCycle();
        QCOMPARE(output->text(), expectedReport(trial));
        // A click moves the focus to the button, so aim the arrow at the destination slider.
        QTest::keyClick(control("DESTINATION")->findChild<QSlider *>(), Qt::Key_Right);
    }
    QCOMPARE(counter()->intValue(), 0);
    QVERIFY(view->isGameEnded());
    QVERIFY(search->isEnabled());

    output->clear();
    press(Qt::Key_Return);
    QTest::mouseClick(search, Qt::LeftButton);
    QTest::qWait(30);
    QVERIFY(output->text().empty());
    QCOMPARE(counter()->intValue(), 0);

    press(Qt::Key_R, Qt::AltModifier);
    QTRY_COMPARE(counter()->intValue(), 10);
    QVERIFY(!view->isGameEnded());
    press(Qt::Key_Return);
    waitForCycle();
    QCOMPARE(output->text(), expectedReport(11));
    QCOMPARE(counter()->intValue(), 9);
}

void ControlPanelTest::returnWhileSearching_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");

    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

void ControlPanelTest::returnWhileSearching()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);

    press(key, Qt::KeyboardModifiers(modifiers));
    press(key, Qt::KeyboardModifiers(modifiers)); // the button is disabled; fire() still runs
    QCOMPARE(counter()->intValue(), 9);
    waitForCycle();
    QTest::qWait(20);
    QCOMPARE(output->text(), expectedReport(1));
}

void ControlPanelTest::restartDuringSearch()
{
    press(Qt::Key_Return);
    QVERIFY(view->isSearchRunning());
    // click() rather than a mouse event: delivering one runs the event loop, which could let
    // the 5 ms search timer fire first on a loaded machine.
    button("&RESTART")->click();
    QVERIFY(!view->isSearchRunning());
    QTest::qWait(30);
    QVERIFY(output->text().empty());
    QCOMPARE(counter()->intValue(), 10);
    QVERIFY(button("&SEARCH START")->isEnabled());
}

void ControlPanelTest::viewSignals()
{
    emit view->missed(); // count above 0: nothing to do
    QVERIFY(!view->isGameEnded());
    emit view->hit();
    QVERIFY(!view->isGameEnded());
    QCOMPARE(counter()->intValue(), 10);

    view->model().setTrialsLeft(0);
    emit view->missed();
    QVERIFY(view->isGameEnded());
    QMetaObject::invokeMethod(board, "newGame");
    view->model().setTrialsLeft(0);
    emit view->hit();
    QVERIFY(view->isGameEnded());
}

QTEST_MAIN(ControlPanelTest)
#include "tst_controlpanel.moc"
