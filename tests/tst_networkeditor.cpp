// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The network editor driven as its user drives it: the drawing by pointer, the tables and
// buttons by keyboard, the edge list, and the network handed to the main window.

#include "editordrawing.h"
#include "mainboard.h"
#include "networkdisplay.h"
#include "networkediting.h"
#include "networkeditor.h"
#include "networkmodel.h"

#include <QAccessible>
#include <QHeaderView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QUndoStack>
#include <QtTest>

class NetworkEditorTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pointerMakesAPair();
    void dragIsOneUndoEntry();
    void noRoomForAVertex();
    void weightInPlace_data();
    void weightInPlace();
    void cellTyped_data();
    void cellTyped();
    void edgeListApplied_data();
    void edgeListApplied();
    void usedByTheMainWindow();
    void tablesFit();
    void closingAsks_data();
    void closingAsks();
    void quittingAsks_data();
    void quittingAsks();

private:
    QPushButton *button(const QString &text) const;
    QTableView *table(const QString &name) const;

    QPointer<NetworkEditor> editor; // it goes when closed
};

void NetworkEditorTest::init()
{
    editor = new NetworkEditor(Topology());
    editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor));
    editor->newNetwork();
}

void NetworkEditorTest::cleanup()
{
    if (editor)
        editor->editing().setSaved(); // closing asks nothing
    delete editor;
}

QPushButton *NetworkEditorTest::button(const QString &text) const
{
    for (QPushButton *found : editor->findChildren<QPushButton *>()) {
        if (found->text() == text)
            return found;
    }
    return nullptr;
}

QTableView *NetworkEditorTest::table(const QString &name) const
{
    for (QTableView *found : editor->findChildren<QTableView *>()) {
        if (found->accessibleName() == name)
            return found;
    }
    return nullptr;
}

// Double clicks add two vertices where they are made, a Shift drag joins them both ways, the
// tables and the screen reader's children show it, and Delete takes a vertex with its links.
void NetworkEditorTest::pointerMakesAPair()
{
    EditorDrawing *drawing = editor->drawing();
    const QPoint first(drawing->width() / 4, drawing->height() / 3);
    const QPoint second(drawing->width() / 2, drawing->height() / 2);
    QTest::mouseDClick(drawing, Qt::LeftButton, {}, first);
    QTest::mouseDClick(drawing, Qt::LeftButton, {}, second);
    QCOMPARE(drawing->vertexCount(), 2);
    QVERIFY(QLineF(drawing->vertexCentre(1), second).length() < 2);

    QTest::mousePress(drawing, Qt::LeftButton, Qt::ShiftModifier, first);
    QTest::mouseMove(drawing, second);
    QTest::mouseRelease(drawing, Qt::LeftButton, Qt::ShiftModifier, second);
    QCOMPARE(table(QStringLiteral("Vertices"))->model()->rowCount(), 2);
    QAbstractItemModel *links = table(QStringLiteral("Links"))->model();
    QCOMPARE(links->rowCount(), 2);
    for (int row = 0; row < 2; ++row)
        QCOMPARE(links->index(row, 2).data().toInt(), EditorDrawing::NewLinkWeight);

    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(drawing);
    QCOMPARE(accessible->childCount(), 4);
    QAccessibleInterface *vertex = accessible->child(1);
    QCOMPARE(vertex->text(QAccessible::Name), QStringLiteral("Vertex 1"));
    QVERIFY(vertex->rect().contains(drawing->mapToGlobal(second)));
    QCOMPARE(
        accessible->childAt(drawing->mapToGlobal(second).x(), drawing->mapToGlobal(second).y()),
        vertex);

    QTest::mouseClick(drawing, Qt::LeftButton, {}, second);
    QCOMPARE(drawing->selected(), 1);
    QTest::keyClick(drawing, Qt::Key_Delete);
    QCOMPARE(drawing->vertexCount(), 1);
    QCOMPARE(links->rowCount(), 0);
    QCOMPARE(accessible->childCount(), 1);
    editor->editing().undoStack()->undo();
    QCOMPARE(links->rowCount(), 2);
}

void NetworkEditorTest::dragIsOneUndoEntry()
{
    button(QStringLiteral("Add vertex"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(editor->editing().network().vertices.size(), 1);
    EditorDrawing *drawing = editor->drawing();
    const QPoint start = drawing->vertexCentre(0).toPoint();
    const int entries = editor->editing().undoStack()->count();
    QTest::mousePress(drawing, Qt::LeftButton, {}, start);
    for (int step = 1; step <= 5; ++step)
        QTest::mouseMove(drawing, start + QPoint(10 * step, 4 * step));
    QTest::mouseRelease(drawing, Qt::LeftButton, {}, start + QPoint(50, 20));
    QCOMPARE(editor->editing().undoStack()->count(), entries + 1);
    QVERIFY(QLineF(drawing->vertexCentre(0), start + QPoint(50, 20)).length() < 2);
    QVERIFY(editor->isWindowModified());
}

// At the most vertices a network may have, "Add vertex" is disabled and its tooltip says why.
void NetworkEditorTest::noRoomForAVertex()
{
    NetworkDraft full;
    for (int v = 0; v < Routing::MostVertices; ++v)
        QVERIFY(full.addVertex(QPointF(v * 10, v * 5)).isEmpty());
    QVERIFY(editor->editing().replace(full, QStringLiteral("Full")));
    QPushButton *add = button(QStringLiteral("Add vertex"));
    QVERIFY(!add->isEnabled());
    QVERIFY(add->toolTip().contains(QString::number(Routing::MostVertices)));
    editor->editing().undoStack()->undo();
    QVERIFY(add->isEnabled());
}

void NetworkEditorTest::weightInPlace_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("weight");
    QTest::newRow("Enter keeps it") << int(Qt::Key_Return) << 33;
    QTest::newRow("Escape does not") << int(Qt::Key_Escape) << EditorDrawing::NewLinkWeight;
}

// A double click on a link's label edits its weight over the label; Page Down reaches the same
// link by keyboard, the screen reader's focus following it.
void NetworkEditorTest::weightInPlace()
{
    QFETCH(int, key);
    QFETCH(int, weight);
    editor->editing().addVertex({50, 50});
    editor->editing().addVertex({300, 50});
    editor->editing().addLink(0, 1, EditorDrawing::NewLinkWeight);
    EditorDrawing *drawing = editor->drawing();
    drawing->setFocus();
    QTest::keyClick(drawing, Qt::Key_PageDown);
    QTest::keyClick(drawing, Qt::Key_PageDown);
    QTest::keyClick(drawing, Qt::Key_PageDown);
    QCOMPARE(drawing->selected(), 2);
    QCOMPARE(QAccessible::queryAccessibleInterface(drawing)->focusChild()->text(QAccessible::Name),
        QStringLiteral("Link 0 to 1, weight 10"));

    // A point the hit test gives to the link, in the rectangle the screen reader is told.
    const QRect link = drawing->elementRect(2);
    QPoint onLink;
    for (int y = link.top(); y <= link.bottom() && onLink.isNull(); ++y) {
        for (int x = link.left(); x <= link.right() && onLink.isNull(); ++x)
            onLink = drawing->elementAt(QPoint(x, y)) == 2 ? QPoint(x, y) : QPoint();
    }
    QVERIFY(!onLink.isNull());
    QTest::mouseDClick(drawing, Qt::LeftButton, {}, onLink);
    QWidget *spin = QApplication::focusWidget();
    QVERIFY(spin && spin != drawing && spin->isVisible());
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(spin, QStringLiteral("33"));
    QTest::keyClick(spin, Qt::Key(key));
    QVERIFY(!spin->isVisible());
    QCOMPARE(editor->editing().network().links.at(0).weight, weight);
}

// How an edit of a cell begins: F2, or the first character as a browser or an input method
// hands it over (a typed key is the real-window test's way).
enum class EditStart { F2, InputMethod };
Q_DECLARE_METATYPE(EditStart)

void NetworkEditorTest::cellTyped_data()
{
    QTest::addColumn<EditStart>("start");
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown"); // the cell's value afterwards
    QTest::addColumn<bool>("refused");
    const QString links = QStringLiteral("Links");
    const QString vertices = QStringLiteral("Vertices");
    const auto f2 = EditStart::F2;
    QTest::newRow("weight") << f2 << links << 2 << QStringLiteral("42") << QStringLiteral("42")
                            << false;
    QTest::newRow("highest weight")
        << f2 << links << 2 << QStringLiteral("99") << QStringLiteral("99") << false;
    QTest::newRow("too heavy") << f2 << links << 2 << QStringLiteral("150") << QStringLiteral("10")
                               << true;
    QTest::newRow("label") << f2 << vertices << 1 << QStringLiteral("u") << QStringLiteral("u")
                           << false;
    QTest::newRow("x") << f2 << vertices << 2 << QStringLiteral("100") << QStringLiteral("100")
                       << false;
    QTest::newRow("x off the drawing")
        << f2 << vertices << 2 << QStringLiteral("5000") << QStringLiteral("50") << true;
    QTest::newRow("label from an input method")
        << EditStart::InputMethod << vertices << 1 << QStringLiteral("uv") << QStringLiteral("uv")
        << false;
    QTest::newRow("weight from an input method")
        << EditStart::InputMethod << links << 2 << QStringLiteral("42") << QStringLiteral("42")
        << false;
}

// Typed into a cell of a table; a value the network cannot take changes nothing and says why.
void NetworkEditorTest::cellTyped()
{
    QFETCH(EditStart, start);
    QFETCH(QString, table);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(bool, refused);
    editor->editing().addVertex({50, 50});
    editor->editing().addVertex({200, 50});
    editor->editing().addPair(0, 1, EditorDrawing::NewLinkWeight);
    const QString before = editor->status();
    const int entries = editor->editing().undoStack()->count();
    QTableView *view = this->table(table);
    view->setFocus();
    view->setCurrentIndex(view->model()->index(0, column));
    QString rest = typed; // typed into the cell once it is open
    if (start == EditStart::InputMethod) {
        QInputMethodEvent first;
        first.setCommitString(typed.left(1));
        QApplication::sendEvent(view, &first);
        rest.remove(0, 1);
    } else {
        QTest::keyClick(view, Qt::Key_F2);
    }
    QWidget *cell = QApplication::focusWidget();
    QVERIFY(cell && cell != view);
    if (start == EditStart::F2)
        QTest::keyClick(cell, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(cell, rest);
    QTest::keyClick(cell, Qt::Key_Return);
    QCoreApplication::processEvents(); // the table commits the edit queued
    QCOMPARE(view->model()->index(0, column).data(Qt::EditRole).toString(), shown);
    QCOMPARE(editor->editing().undoStack()->count(), refused ? entries : entries + 1);
    QVERIFY(editor->status() != before);
}

void NetworkEditorTest::edgeListApplied_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("links");
    QTest::addColumn<QString>("status");
    QTest::newRow("two links") << QStringLiteral("0 1 5\n1 0 7\n") << 2 << QString();
    QTest::newRow("a bad line") << QStringLiteral("0 1 5\n1 0 x\n") << 0
                                << QStringLiteral("Line 2: ");
}

// Applied, the edge list is the network; a bad line is named and changes nothing.
void NetworkEditorTest::edgeListApplied()
{
    QFETCH(QString, text);
    QFETCH(int, links);
    QFETCH(QString, status);
    auto *edgeList = editor->findChild<QPlainTextEdit *>();
    QCOMPARE(edgeList->accessibleName(), QStringLiteral("Edge list"));
    edgeList->setPlainText(text);
    button(QStringLiteral("Apply"))->click();
    QCOMPARE(editor->editing().network().links.size(), links);
    QCOMPARE(table(QStringLiteral("Links"))->model()->rowCount(), links);
    QCOMPARE(edgeList->toPlainText(), text);
    if (!status.isEmpty())
        QVERIFY2(editor->status().startsWith(status), qPrintable(editor->status()));
}

// Opened by its command on the network shown; "Use this network" refuses a single vertex, then
// gives the main window what was made.
void NetworkEditorTest::usedByTheMainWindow()
{
    MainBoard board;
    board.show();
    board.command(QStringLiteral("editNetwork"))->trigger();
    auto *opened = board.findChild<NetworkEditor *>();
    QVERIFY(opened && opened->isVisible());
    QCOMPARE(opened->editing().network().vertices.size(), 20);
    QVERIFY(opened->editing().replace(NetworkDraft(), QStringLiteral("New")));
    opened->editing().addVertex({40, 40});
    const NetworkModel &model = board.findChild<NetworkDisplay *>()->model();
    opened->useNetwork();
    QVERIFY(opened->status().contains(QStringLiteral("2")));
    QVERIFY(model.topology().isBuiltIn());
    opened->editing().addVertex({200, 40});
    opened->editing().addPair(0, 1, 3);
    opened->useNetwork();
    QCOMPARE(model.topology().vertexCount, 2);
    QCOMPARE(model.topology().linkBetween(1, 0)->weight, 3);
    QCOMPARE(model.topology().name, QStringLiteral("Untitled network"));
    QCOMPARE(model.trialsLeft(), MainBoard::TrialsPerSeries);
    QVERIFY(!opened->isWindowModified());
    opened->editing().setSaved();
}

// At the window's first size every column of the built-in network's tables is in sight.
void NetworkEditorTest::tablesFit()
{
    editor->startFromBuiltIn();
    for (const QString &name : {QStringLiteral("Vertices"), QStringLiteral("Links")}) {
        const QTableView *shown = table(name);
        const QHeaderView *header = shown->horizontalHeader();
        const int lastColumn = shown->model()->columnCount() - 1;
        const int columnsEnd
            = header->sectionViewportPosition(lastColumn) + header->sectionSize(lastColumn);
        QVERIFY2(columnsEnd <= shown->viewport()->width(),
            qPrintable(QStringLiteral("%1: columns end at %2, the table is %3 wide")
                           .arg(name)
                           .arg(columnsEnd)
                           .arg(shown->viewport()->width())));
    }
}

void NetworkEditorTest::closingAsks_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("choice");
    QTest::addColumn<bool>("closed");
    QTest::newRow("Discard") << QMessageBox::Discard << true;
    QTest::newRow("Cancel") << QMessageBox::Cancel << false;
}

// Unsaved changes are not lost without a word: a box asks, waiting in no event loop of its own.
void NetworkEditorTest::closingAsks()
{
    QFETCH(QMessageBox::StandardButton, choice);
    QFETCH(bool, closed);
    editor->editing().addVertex({40, 40});
    QVERIFY(!editor->close());
    auto *box = editor->findChild<QMessageBox *>();
    QVERIFY(box && box->isVisible());
    box->button(choice)->click();
    QTRY_COMPARE(editor.isNull(), closed);
    if (!closed)
        QCOMPARE(editor->editing().network().vertices.size(), 1);
}

void NetworkEditorTest::quittingAsks_data()
{
    closingAsks_data();
}

// Ctrl+Q in the main window does not lose the editor's changes either: the editor asks, and its
// answer decides for both windows.
void NetworkEditorTest::quittingAsks()
{
    QFETCH(QMessageBox::StandardButton, choice);
    QFETCH(bool, closed);
    MainBoard board;
    board.show();
    QVERIFY(QTest::qWaitForWindowActive(&board));
    board.command(QStringLiteral("editNetwork"))->trigger();
    QPointer<NetworkEditor> opened = board.findChild<NetworkEditor *>();
    QVERIFY(opened);
    opened->editing().addVertex({40, 40});
    board.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&board));
    QTest::keyClick(&board, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(board.isVisible());
    auto *box = opened->findChild<QMessageBox *>();
    QVERIFY(box && box->isVisible());
    box->button(choice)->click();
    QTRY_COMPARE(opened.isNull(), closed);
    QCOMPARE(board.isVisible(), !closed);
    if (opened)
        opened->editing().setSaved();
}

QTEST_MAIN(NetworkEditorTest)
#include "tst_networkeditor.moc"
