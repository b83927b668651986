// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainboard.h"
#include "networkdisplayprobe.h"
#include "scripteddraws.h"

#include <QtTest>

// The generator is seeded once by the first newTarget() and once by the first random draw of
// grand(), for the whole process. This test runs alone in its process so it sees both firsts.
class SeedingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void seedsOncePerFlag();
    void drawsAreReducedAndScaled_data();
    void drawsAreReducedAndScaled();
};

void SeedingTest::initTestCase()
{
    ScriptedDraws::install();
}

void SeedingTest::seedsOncePerFlag()
{
    const unsigned int before = RandomSource::secondsSinceMidnight();
    NetworkDisplay view;
    QCOMPARE(ScriptedDraws::seeds, 1);
    QVERIFY(ScriptedDraws::lastSeed >= before && ScriptedDraws::lastSeed <= before + 2);
    QCOMPARE(ScriptedDraws::draws, 2);

    view.newTarget();
    NetworkDisplay second;
    QCOMPARE(ScriptedDraws::seeds, 1);
    QCOMPARE(ScriptedDraws::draws, 6);

    view.grand(); // random effect off: the generator is not touched
    QCOMPARE(ScriptedDraws::draws, 6);
    QCOMPARE(NetworkDisplayProbe(view).randomFactor(), 1.0f);

    view.setgrand(true);
    view.grand(); // first random draw: seed, discard one, draw one
    QCOMPARE(ScriptedDraws::seeds, 2);
    QCOMPARE(ScriptedDraws::draws, 8);

    view.setgrand(false);
    view.setgrand(true);
    second.setgrand(true);
    view.grand();
    second.grand();
    QCOMPARE(ScriptedDraws::seeds, 2);
    QCOMPARE(ScriptedDraws::draws, 10);

    MainBoard board;
    const int drawsBefore = ScriptedDraws::draws;
    QMetaObject::invokeMethod(&board, "newGame"); // through newTarget(): two draws
    QCOMPARE(ScriptedDraws::draws, drawsBefore + 2);
    QCOMPARE(ScriptedDraws::seeds, 2);
}

void SeedingTest::drawsAreReducedAndScaled_data()
{
    QTest::addColumn<int>("raw");
    QTest::addColumn<float>("factor");

    QTest::newRow("zero") << 0 << 0.0f;
    QTest::newRow("top") << 32767 << 1.0f;
    QTest::newRow("middle") << 16384 << float(16384 / 32767.0);
    QTest::newRow("wide generator") << (1 << 30) + 5 << float(5 / 32767.0);
}

void SeedingTest::drawsAreReducedAndScaled()
{
    QFETCH(int, raw);
    QFETCH(float, factor);

    NetworkDisplay view;
    view.setgrand(true);
    view.grand(); // past the one-time seeding, if this process has not had it yet
    ScriptedDraws::queue = {raw};
    view.grand();
    QCOMPARE(NetworkDisplayProbe(view).randomFactor(), factor);
}

QTEST_MAIN(SeedingTest)
#include "tst_seeding.moc"
