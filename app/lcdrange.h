// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QLabel;
class QSlider;

// A value control: a two-digit LCD readout above a horizontal slider, with a caption below.
class LCDRange : public QWidget
{
    Q_OBJECT

public:
    static constexpr int ReadoutDigits = 2;
    static constexpr int HighestValue = 99; // the most the readout's digits show
    // The object name of the slider, the part that assistive technology presents.
    static constexpr char SliderName[] = "value slider";

    explicit LCDRange(QWidget *parent = nullptr);
    // A control whose caption is text.
    explicit LCDRange(const QString &text, QWidget *parent = nullptr);

    // The value the slider is at.
    int value() const;
    // The caption under the slider.
    QString text() const;

signals:
    // The value changed, by the slider or by setValue().
    void valueChanged(int newValue);

public slots:
    // Moves the slider to value, kept within the range.
    void setValue(int value);
    // Sets the range, both ends included; refuses with a warning what the readout cannot show
    // (outside 0..HighestValue) or a minimum above the maximum.
    void setRange(int minValue, int maxValue);
    // Sets the caption, which also names the slider for assistive technology.
    void setText(const QString &text);

private:
    void init();

    QSlider *slider = nullptr;
    QLabel *label = nullptr;
};
