// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTableView>

// A view of one of the network editor's tables, its cells edited in place: the first character
// typed opens the cell with that character in it, whether it comes as a key press or as text handed
// over by a browser or an input method.
class EditorTableView : public QTableView
{
    Q_OBJECT

public:
    using QTableView::QTableView;

protected:
    void inputMethodEvent(QInputMethodEvent *event) override;
};
