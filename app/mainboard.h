#pragma once

#include <QWidget>

class QLCDNumber;
class NetworkDisplay;

// The main window: the framed network view on the left, the control panel on the right.
class MainBoard : public QWidget
{
    Q_OBJECT

public:
    explicit MainBoard(QWidget *parent = nullptr);

protected slots:
    void fire();
    void hit();
    void missed();
    void newGame();

private:
    QLCDNumber *trialLeft = nullptr;
    NetworkDisplay *networkDisplay = nullptr;
};
