// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QString>

#include <functional>

class NetworkDisplay;
class QWidget;

// Pictures of the drawing as it is shown: painted by the view's own paint code, without taking
// a waiting outcome or telling anything, so that making one changes nothing.
class DrawingPicture
{
    Q_DECLARE_TR_FUNCTIONS(DrawingPicture)

public:
    // Exactly the drawing's pixels.
    static QImage image(NetworkDisplay &view);
    // Saves the drawing as PNG, or as SVG for a name ending in .svg where Qt SVG is built in.
    // Returns what went wrong, naming the file, or an empty string.
    static QString save(NetworkDisplay &view, const QString &path);
    // The same for any widget, a plot for example, painted by its own paint code.
    static QString saveWidget(QWidget &widget, const QString &path);
    static QString fileFilter(); // for a save dialog
    // Asks where to save, saves through save (which returns what went wrong, or nothing) and
    // shows a failure in a message box.
    static void saveWithDialog(QWidget *parent, const QString &title, const QString &suggestedName,
        const std::function<QString(const QString &path)> &save);
};
