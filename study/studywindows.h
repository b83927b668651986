// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>

class LoadSweepWindow;
class NetworkDisplay;
class NetworkEditor;
class NetworkModel;
class PracticeWindow;
class QAction;
class QWidget;
class RoutingTablesWindow;
class SearchStepsWindow;
class SeriesLog;
class SeriesWindow;
class Topology;

// The windows that study the main window's searches, and the pictures of its drawing: opened by
// their keys in the main window and from the drawing's context menu, windows made when first
// asked for and following the model's changes. None of it changes the program's state.
class StudyWindows : public QObject
{
    Q_OBJECT

public:
    // The model must outlive this object, which closes its windows when it goes.
    StudyWindows(QWidget *board, const NetworkModel *model, NetworkDisplay *view);
    ~StudyWindows() override;

    const SeriesLog &seriesLog() const;
    // The action of a command by its name ("searchSteps", "savePicture", ...), or none.
    QAction *command(const QString &name) const;
    // Further commands for the drawing's context menu, after a separator.
    void addMenuEntries(const QList<QAction *> &actions);
    // Whether the main window may close now. The Network editor with unsaved changes asks
    // first; "Discard" or a finished "Save" there closes the main window too.
    bool closeEditorFirst();

signals:
    // The network editor hands over a network to show, as opening its file would.
    void networkMade(const Topology &network);

public slots:
    void showSearchSteps();
    void showLoadSweep();
    void showSeries();
    void showPractice();
    void showRoutingTables();
    void showNetworkEditor();
    void copyPicture();
    void savePicture();

private:
    void showContextMenu(QPoint position);

    QWidget *board;
    const NetworkModel *model;
    NetworkDisplay *view;
    SeriesLog *log;
    QList<QAction *> menuEntries; // the commands of the keys, and a separator
    QPointer<SearchStepsWindow> stepsWindow;
    QPointer<LoadSweepWindow> sweepWindow;
    QPointer<SeriesWindow> seriesWindow;
    QPointer<PracticeWindow> practiceWindow;
    QPointer<RoutingTablesWindow> tablesWindow;
    QPointer<NetworkEditor> editorWindow;
};
