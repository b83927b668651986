// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lcdrange.h"

#include <QLCDNumber>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

LCDRange::LCDRange(QWidget *parent)
    : QWidget(parent)
{
    init();
}

LCDRange::LCDRange(const QString &text, QWidget *parent)
    : QWidget(parent)
{
    init();
    setText(text);
}

void LCDRange::init()
{
    auto *lcd = new QLCDNumber(ReadoutDigits);
    lcd->setSegmentStyle(QLCDNumber::Flat);

    slider = new QSlider(Qt::Horizontal);
    slider->setObjectName(QLatin1String(SliderName));
    slider->setRange(0, 100);
    slider->setValue(0);

    label = new QLabel;
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    connect(slider, &QSlider::valueChanged, lcd, qOverload<int>(&QLCDNumber::display));
    connect(slider, &QSlider::valueChanged, this, &LCDRange::valueChanged);

    auto *layout = new QVBoxLayout;
    layout->addWidget(lcd);
    layout->addWidget(slider);
    layout->addWidget(label);
    setLayout(layout);

    setFocusProxy(slider);
}

int LCDRange::value() const
{
    return slider->value();
}

QString LCDRange::text() const
{
    return label->text();
}

void LCDRange::setValue(int value)
{
    slider->setValue(value);
}

void LCDRange::setRange(int minValue, int maxValue)
{
    if (minValue < 0 || maxValue > HighestValue || minValue > maxValue) {
        qWarning("LCDRange::setRange(%d, %d)\n"
                 "\tRange must be 0..%d\n"
                 "\tand minValue must not be greater than maxValue",
            minValue, maxValue, HighestValue);
        return;
    }
    slider->setRange(minValue, maxValue);
}

void LCDRange::setText(const QString &text)
{
    label->setText(text);
    // The slider is what assistive technology presents; the caption names it.
    slider->setAccessibleName(text);
}
