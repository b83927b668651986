// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lcdrange.h"

#include <QLCDNumber>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

#include <climits>

namespace {

QByteArray rangeWarning(int minValue, int maxValue)
{
    return QByteArray("LCDRange::setRange(") + QByteArray::number(minValue) + ", "
        + QByteArray::number(maxValue)
        + ")\n\tRange must be 0..99\n\tand minValue must not be greater than maxValue";
}

} // namespace

class LCDRangeTest : public QObject
{
    Q_OBJECT

private slots:
    void metaObject();
    void newControl();
    void setRange_data();
    void setRange();
    void setValue_data();
    void setValue();
    void keyboard();
};

void LCDRangeTest::metaObject()
{
    const QMetaObject &meta = LCDRange::staticMetaObject;
    QCOMPARE(meta.className(), "LCDRange");
    QCOMPARE(meta.propertyCount(), meta.propertyOffset());
    QCOMPARE(meta.methodCount() - meta.methodOffset(), 4);
    const char *signatures[]
        = {"valueChanged(int)", "setValue(int)", "setRange(int,int)", "setText(QString)"};
    const QList<QList<QByteArray>> names {
        {"newValue"}, {"value"}, {"minValue", "maxValue"}, {"text"}};
    for (int i = 0; i < 4; ++i) {
        const QMetaMethod method = meta.method(meta.methodOffset() + i);
        QCOMPARE(method.methodSignature(), QByteArray(signatures[i]));
        QCOMPARE(method.parameterNames(), names[i]);
        QCOMPARE(method.methodType(), i == 0 ? QMetaMethod::Signal : QMetaMethod::Slot);
    }
}

void LCDRangeTest::newControl()
{
    LCDRange plain;
    QCOMPARE(plain.value(), 0);
    QVERIFY(plain.text().isEmpty());
    auto *slider = plain.findChild<QSlider *>();
    QCOMPARE(slider->minimum(), 0);
    QCOMPARE(slider->maximum(), 100);
    QCOMPARE(plain.focusProxy(), slider);
    auto *readout = plain.findChild<QLCDNumber *>();
    QCOMPARE(readout->digitCount(), 2);
    QCOMPARE(readout->segmentStyle(), QLCDNumber::Flat);

    LCDRange captioned(QStringLiteral("SOURCE"));
    QCOMPARE(captioned.text(), QStringLiteral("SOURCE"));
    captioned.setText(QStringLiteral("LOAD"));
    QCOMPARE(captioned.text(), QStringLiteral("LOAD"));
}

void LCDRangeTest::setRange_data()
{
    QTest::addColumn<int>("minValue");
    QTest::addColumn<int>("maxValue");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("value"); // starting from 42
    QTest::addColumn<int>("emitted");

    QTest::newRow("0..99") << 0 << 99 << true << 42 << 0;
    QTest::newRow("0..19 pulls the value down") << 0 << 19 << true << 19 << 1;
    QTest::newRow("50..60 pushes it up") << 50 << 60 << true << 50 << 1;
    QTest::newRow("7..7") << 7 << 7 << true << 7 << 1;
    QTest::newRow("0..100") << 0 << 100 << false << 42 << 0;
    QTest::newRow("-1..10") << -1 << 10 << false << 42 << 0;
    QTest::newRow("5..4") << 5 << 4 << false << 42 << 0;
    QTest::newRow("INT_MIN..INT_MAX") << INT_MIN << INT_MAX << false << 42 << 0;
}

void LCDRangeTest::setRange()
{
    QFETCH(int, minValue);
    QFETCH(int, maxValue);
    QFETCH(bool, accepted);
    QFETCH(int, value);
    QFETCH(int, emitted);

    LCDRange control;
    control.setValue(42);
    QSignalSpy spy(&control, &LCDRange::valueChanged);
    if (!accepted)
        QTest::ignoreMessage(QtWarningMsg, rangeWarning(minValue, maxValue).constData());
    control.setRange(minValue, maxValue);

    auto *slider = control.findChild<QSlider *>();
    QCOMPARE(slider->minimum(), accepted ? minValue : 0);
    QCOMPARE(slider->maximum(), accepted ? maxValue : 100);
    QCOMPARE(control.value(), value);
    QCOMPARE(spy.count(), emitted);
    QCOMPARE(control.findChild<QLCDNumber *>()->intValue(), value);
}

void LCDRangeTest::setValue_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("value");

    QTest::newRow("inside") << 0 << 12 << 12;
    QTest::newRow("above the range") << 0 << 25 << 19;
    QTest::newRow("above, already at the top") << 19 << 25 << 19;
    QTest::newRow("below the range") << 5 << -5 << 0;
    QTest::newRow("the current value") << 8 << 8 << 8;
    QTest::newRow("INT_MAX") << 3 << INT_MAX << 19;
}

void LCDRangeTest::setValue()
{
    QFETCH(int, start);
    QFETCH(int, set);
    QFETCH(int, value);

    LCDRange control;
    control.setRange(0, 19);
    control.setValue(start);
    QSignalSpy spy(&control, &LCDRange::valueChanged);
    control.setValue(set);
    QCOMPARE(control.value(), value);
    QCOMPARE(spy.count(), value == start ? 0 : 1);
    if (!spy.isEmpty())
        QCOMPARE(spy.at(0).at(0).toInt(), value);
    QCOMPARE(control.findChild<QLCDNumber *>()->intValue(), value);
}

void LCDRangeTest::keyboard()
{
    LCDRange control(QStringLiteral("DESTINATION"));
    control.setRange(0, 19);
    control.show();
    control.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&control));
    control.setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), control.findChild<QSlider *>());

    QSignalSpy spy(&control, &LCDRange::valueChanged);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QCOMPARE(control.value(), 1);
    QCOMPARE(spy.count(), 3);
}

QTEST_MAIN(LCDRangeTest)
#include "tst_lcdrange.moc"
