// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblefactory.h"
#include "coutcapture.h"
#include "mainboard.h"
#include "networkdisplay.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QtTest>

namespace {

QList<QAccessible::Event> descriptionEvents;
QStringList elementChanges; // the names of drawing elements whose description changed

void recordEvent(QAccessibleEvent *event)
{
    if (qobject_cast<NetworkDisplay *>(event->object()))
        descriptionEvents << event->type();
    QAccessibleInterface *element = event->object() ? nullptr : event->accessibleInterface();
    if (element && event->type() == QAccessible::DescriptionChanged)
        elementChanges << element->text(QAccessible::Name);
}

// Every interface below the given one, depth first.
QList<QAccessibleInterface *> tree(QAccessibleInterface *root)
{
    QList<QAccessibleInterface *> all;
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface *child = root->child(i);
        all << child << tree(child);
    }
    return all;
}

} // namespace

// The window as assistive technology reads it through the toolkit's accessibility interface.
class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void valueControls_data();
    void valueControls();
    void trialCounter();
    void viewDescription_data();
    void viewDescription();
    void descriptionChangeIsAnnounced();
    void networkElements();
    void vertexActions_data();
    void vertexActions();

private:
    QList<QAccessibleInterface *> named(const QString &name) const;
    QString shownDescription() const;
    void search();

    MainBoard *board = nullptr;
    NetworkDisplay *view = nullptr;
    CoutCapture *output = nullptr;
};

void AccessibilityTest::initTestCase()
{
    installAccessibleFactory();
    QAccessible::installUpdateHandler(recordEvent);
    // The toolkit turns accessibility on once it has reached the accessibility bus.
    QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
}

void AccessibilityTest::init()
{
    output = new CoutCapture;
    board = new MainBoard;
    board->setGeometry(MainBoard::StartingGeometry);
    board->show();
    QVERIFY(QTest::qWaitForWindowExposed(board));
    view = board->findChild<NetworkDisplay *>();
    descriptionEvents.clear();
}

void AccessibilityTest::cleanup()
{
    delete board;
    delete output;
}

QList<QAccessibleInterface *> AccessibilityTest::named(const QString &name) const
{
    QList<QAccessibleInterface *> found;
    for (QAccessibleInterface *iface : tree(QAccessible::queryAccessibleInterface(board))) {
        if (iface->text(QAccessible::Name) == name)
            found << iface;
    }
    return found;
}

QString AccessibilityTest::shownDescription() const
{
    return QAccessible::queryAccessibleInterface(view)->text(QAccessible::Description);
}

void AccessibilityTest::search()
{
    QMetaObject::invokeMethod(board, "fire");
    QTRY_VERIFY(!view->isSearchRunning());
}

void AccessibilityTest::valueControls_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("maximum");
    QTest::newRow("source") << "SOURCE" << 0 << 19;
    QTest::newRow("destination") << "DESTINATION" << 1 << 19;
    QTest::newRow("traffic load") << "TRAFFIC LOAD" << 0 << 99;
}

// One slider per control, named by its caption; neither readout nor caption repeats it.
void AccessibilityTest::valueControls()
{
    QFETCH(QString, caption);
    QFETCH(int, value);
    QFETCH(int, maximum);

    const QList<QAccessibleInterface *> found = named(caption);
    QCOMPARE(found.size(), 1);
    QAccessibleInterface *slider = found.first();
    QCOMPARE(slider->role(), QAccessible::Slider);
    QCOMPARE(slider->parent()->childCount(), 1);
    QAccessibleValueInterface *range = slider->valueInterface();
    QVERIFY(range);
    QCOMPARE(range->currentValue().toInt(), value);
    QCOMPARE(range->minimumValue().toInt(), 0);
    QCOMPARE(range->maximumValue().toInt(), maximum);
}

void AccessibilityTest::trialCounter()
{
    QList<QAccessibleInterface *> found;
    for (QAccessibleInterface *iface : named(QStringLiteral("TRIAL LEFT"))) {
        if (iface->valueInterface())
            found << iface;
    }
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first()->valueInterface()->currentValue().toInt(), 10);
    search();
    QCOMPARE(found.first()->valueInterface()->currentValue().toInt(), 9);
    QCOMPARE(found.first()->text(QAccessible::Value), QStringLiteral("9"));
}

void AccessibilityTest::viewDescription_data()
{
    QTest::addColumn<int>("destination");
    QTest::addColumn<int>("load");
    QTest::addColumn<int>("searches");
    QTest::addColumn<QString>("description");
    const QString start = QStringLiteral("Source 0, destination 1. Active/Total Links 64/64.");
    QTest::newRow("before a search") << 1 << 0 << 0 << start;
    QTest::newRow("path found") << 1 << 0 << 1
                                << start
            + " Path Found !! The optimal path load is 72. The path: 0, 2, 1.";
    QTest::newRow("no path") << 1 << 99 << 1
                             << "Source 0, destination 1. Active/Total Links 0/64. "
                                "No path found. Try new search.";
    QTest::newRow("same endpoints") << 0 << 0 << 1
                                    << "Source 0, destination 0. Active/Total Links 64/64. "
                                       "Source & Destination must be different!! Try again.";
    QTest::newRow("series over") << 19 << 0 << 10
                                 << "Source 0, destination 19. Active/Total Links 64/64. "
                                    "Path Found !! The optimal path load is 189. "
                                    "The path: 0, 2, 3, 7, 18, 17, 19. "
                                    "Please ask me for more details of this software!!";
}

// The view's description says what the drawing shows, outcome included while it is drawn.
void AccessibilityTest::viewDescription()
{
    QFETCH(int, destination);
    QFETCH(int, load);
    QFETCH(int, searches);
    QFETCH(QString, description);

    QCOMPARE(QAccessible::queryAccessibleInterface(view)->role(), QAccessible::Graphic);
    QCOMPARE(QAccessible::queryAccessibleInterface(view)->text(QAccessible::Name),
        QStringLiteral("Network drawing"));
    view->setVertex2(destination);
    view->setLoad(load);
    for (int i = 0; i < searches; ++i)
        search();
    QTRY_COMPARE(shownDescription(), description);

    view->repaint(); // a paint that follows no change draws, and says, the same
    QCOMPARE(shownDescription(), description);
}

void AccessibilityTest::descriptionChangeIsAnnounced()
{
    QTRY_VERIFY(shownDescription().startsWith(QLatin1String("Source 0")));
    descriptionEvents.clear();
    search();
    QTRY_VERIFY(shownDescription().contains(QLatin1String("Path Found")));
    QCOMPARE(descriptionEvents.count(QAccessible::DescriptionChanged), 1);
}

// The vertices, then the links in topology order, each where it is drawn.
void AccessibilityTest::networkElements()
{
    QAccessibleInterface *drawing = QAccessible::queryAccessibleInterface(view);
    QCOMPARE(drawing->childCount(), 84);
    QCOMPARE(drawing->child(0)->text(QAccessible::Name), QStringLiteral("Vertex 0"));
    QCOMPARE(drawing->child(19)->text(QAccessible::Name), QStringLiteral("Vertex 19"));
    QCOMPARE(drawing->child(20)->text(QAccessible::Name), QStringLiteral("Link 0 to 5"));
    QCOMPARE(drawing->child(83)->text(QAccessible::Name), QStringLiteral("Link 19 to 17"));
    QCOMPARE(drawing->child(9)->rect(), QRect(view->mapToGlobal(QPoint(288, 199)), QSize(14, 14)));
    for (int i = 0; i < drawing->childCount(); ++i) {
        QAccessibleInterface *element = drawing->child(i);
        QCOMPARE(element->parent(), drawing);
        QCOMPARE(drawing->indexOfChild(element), i);
        QVERIFY2(drawing->rect().contains(element->rect()),
            qPrintable(element->text(QAccessible::Name)));
        QCOMPARE(element->actionInterface() != nullptr, i < NetworkDisplay::VertexCount);
    }

    elementChanges.clear();
    search();
    QTRY_VERIFY(elementChanges.contains(QStringLiteral("Vertex 1")));
    QVERIFY(drawing->child(1)
                ->text(QAccessible::Description)
                .contains(QLatin1String("Distance from vertex 0: 72.\nOn the drawn path.")));
    elementChanges.clear();
    view->repaint();
    QCoreApplication::processEvents();
    QCOMPARE(elementChanges, QStringList {});
}

void AccessibilityTest::vertexActions_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("destination");
    QTest::newRow("source") << "Set as source" << 7 << 1;
    QTest::newRow("destination") << "Set as destination" << 0 << 7;
}

void AccessibilityTest::vertexActions()
{
    QFETCH(QString, action);
    QFETCH(int, source);
    QFETCH(int, destination);

    QAccessibleInterface *vertex = QAccessible::queryAccessibleInterface(view)->child(7);
    QCOMPARE(vertex->actionInterface()->actionNames(),
        QStringList({"Set as source", "Set as destination"}));
    vertex->actionInterface()->doAction(action);
    QCOMPARE(
        named(QStringLiteral("SOURCE")).first()->valueInterface()->currentValue().toInt(), source);
    QCOMPARE(named(QStringLiteral("DESTINATION")).first()->valueInterface()->currentValue().toInt(),
        destination);
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
