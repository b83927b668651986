// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editortableview.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

void EditorTableView::inputMethodEvent(QInputMethodEvent *event)
{
    // Qt's views open the cell for committed text but leave the text out of it, so a browser,
    // which hands every character over this way, lost the first one typed. As a key press
    // carrying the text, it opens the cell and goes into it, as a key typed on the desktop does.
    const bool composing = !event->preeditString().isEmpty();
    if (state() != EditingState && !composing && !event->commitString().isEmpty()) {
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, event->commitString());
        keyPressEvent(&typed);
        event->setAccepted(typed.isAccepted());
        return;
    }
    QTableView::inputMethodEvent(event);
}
