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
    explicit LCDRange(QWidget *parent = nullptr);
    explicit LCDRange(const QString &text, QWidget *parent = nullptr);

    int value() const;
    QString text() const;

signals:
    void valueChanged(int newValue);

public slots:
    void setValue(int value);
    void setRange(int minValue, int maxValue);
    void setText(const QString &text);

private:
    void init();

    QSlider *slider = nullptr;
    QLabel *label = nullptr;
};
