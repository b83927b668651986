// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "savedialog.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>

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
    // Saving the drawing as the name's extension says: PNG (exactly its pixels, also for any
    // other extension), PDF (drawn by its paint code on one page of its size), or SVG (drawn
    // the same way) where Qt SVG is built in. The request reads the view, which must outlive
    // it.
    static SaveDialog::Request request(
        NetworkDisplay &view, const QString &title, const QString &suggestedName);
    // The same for any widget, a plot for example, painted by its own paint code.
    static SaveDialog::Request widgetRequest(
        QWidget &widget, const QString &title, const QString &suggestedName);
    static QString fileFilter(); // for a save dialog
};
