// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainboard.h"
#include "networkdisplayprobe.h"
#include "practiceset.h"
#include "practicesheet.h"
#include "practicewindow.h"
#include "scripteddraws.h"
#include "searchoracle.h"
#include "stepdrawing.h"
#include "testnetworks.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(PracticeSet::Kinds)

namespace {

constexpr int SetsPerRow = 75;
constexpr int SetsPerNetwork = 20;
constexpr int Unreachable = 10000;

// The reference search's input for a program just started at the load, random effect off:
// every link when the load test passes with the factor 1, none otherwise.
OracleInput freshInput(const Topology &topology, int source, int destination, int load)
{
    OracleInput input;
    input.vertexCount = topology.vertexCount;
    input.trafficLoad = load;
    input.source = source;
    input.destination = destination;
    input.activeLinks.resize(topology.vertexCount);
    const bool passes = 2 * load < 100;
    for (int v = 0; v < topology.vertexCount && passes; ++v) {
        for (const auto &link : topology.links[v])
            input.activeLinks[v].push_back(*link);
    }
    return input;
}

// With no link passing, the cycle runs no search; the reference would stand still for a
// million steps to say the same.
OracleResult oracle(const Topology &topology, int source, int destination, int load)
{
    const OracleInput input = freshInput(topology, source, destination, load);
    if (std::all_of(input.activeLinks.cbegin(), input.activeLinks.cend(),
            [](const std::vector<Link> &links) { return links.empty(); })) {
        OracleResult none;
        none.distance.assign(input.vertexCount, Unreachable);
        none.distance[source] = 0;
        none.predecessor.assign(input.vertexCount, -1);
        return none;
    }
    return oracleShortestPath(input);
}

bool reaches(const OracleResult &result, int destination)
{
    return result.predecessor[destination] != -1;
}

int reachableCount(const OracleResult &result)
{
    return static_cast<int>(std::count_if(
        result.distance.cbegin(), result.distance.cend(), [](int d) { return d < Unreachable; }));
}

const Link *topologyLink(const Topology &topology, int source, int target)
{
    for (const auto &link : topology.links[source]) {
        if (link->target == target)
            return link.get();
    }
    return nullptr;
}

// The cheapest walk of at most links links, a link at load plus weight and left out above 99,
// the first of a pair's links only: what distance vector holds after round links - 1.
int cheapestWithin(const Topology &topology, int source, int destination, int load, int links)
{
    std::vector<int> cost(topology.vertexCount, Unreachable);
    cost[source] = 0;
    for (int round = 0; round < links; ++round) {
        std::vector<int> next = cost;
        for (int v = 0; v < topology.vertexCount; ++v) {
            for (int w = 0; w < topology.vertexCount; ++w) {
                const Link *link = topologyLink(topology, v, w);
                if (cost[v] < Unreachable && link && load + int(link->weight) <= 99)
                    next[w] = std::min(next[w], cost[v] + load + int(link->weight));
            }
        }
        cost = next;
    }
    return cost[destination];
}

QString typedAnswer(const PracticeQuestion &question, bool right)
{
    if (right)
        return question.answerText();
    return question.word.isEmpty() ? QString::number(question.number + 1) : QStringLiteral("12345");
}

QWidget *named(QWidget *window, const QString &name)
{
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->accessibleName() == name)
            return widget;
    }
    return nullptr;
}

// One answer against the reference search on the question's network, or against the rule
// worked out in whole hundredths from the numbers the question states.
void verifyAnswer(const Topology &topology, const PracticeQuestion &q, const QByteArray &where)
{
    const int k = q.factorHundredths;
    switch (q.kind) {
    case PracticeQuestion::NextVertex:
    case PracticeQuestion::Distance: {
        // Each step settles one vertex: the one a reference search to it settles at
        // that step; a search that stands still has settled all it can reach.
        const int settled = q.record.steps[q.step].chosen;
        const OracleResult result = settled >= 0
            ? oracle(topology, q.source, settled, q.load)
            : oracle(topology, q.source, q.destination, q.load);
        if (settled >= 0)
            QVERIFY2(result.searchSteps == q.step, where);
        else
            QVERIFY2(reachableCount(result) == q.step + 1, where);
        if (q.kind == PracticeQuestion::NextVertex)
            QVERIFY2(
                q.accepts(settled >= 0 ? QString::number(settled) : QStringLiteral("none")), where);
        else
            QVERIFY2(q.number == result.distance[q.vertex], where);
        QVERIFY2(q.text.contains(QStringLiteral("load %1,").arg(q.load)), where);
        break;
    }
    case PracticeQuestion::LoadTest: {
        QVERIFY2(topologyLink(topology, q.source, q.destination), where);
        const bool passes = 100 * q.load + q.load * k < 100 * 100;
        QVERIFY2(q.word == (passes ? "yes" : "no"), where);
        break;
    }
    case PracticeQuestion::Cost: {
        const Link *link = topologyLink(topology, q.source, q.destination);
        QVERIFY2(link && q.weight == int(link->weight), where);
        const int hundredths = q.load * k + 100 * q.weight;
        if (hundredths > 99 * 100)
            QVERIFY2(q.word == "left out", where);
        else
            QVERIFY2(q.word.isEmpty() && std::llround(q.number * 100) == hundredths, where);
        break;
    }
    case PracticeQuestion::Label: {
        const Link *link = topologyLink(topology, q.source, q.destination);
        QVERIFY2(link && q.weight == int(link->weight), where);
        // Only a whole factor adds the load to the label.
        const int label = q.weight + (k == 100 ? q.load : 0);
        QVERIFY2(label > 99 ? q.word == "NoLink" : q.number == label, where);
        break;
    }
    case PracticeQuestion::BestRoute: {
        const OracleResult result = oracle(topology, q.source, q.destination, q.load);
        if (reaches(result, q.destination))
            QVERIFY2(q.word.isEmpty() && q.number == result.distance[q.destination], where);
        else
            QVERIFY2(q.word == "no path", where);
        break;
    }
    case PracticeQuestion::NextHop: {
        // A first link whose far end goes on as cheaply as the whole route.
        const int whole = oracle(topology, q.source, q.destination, q.load).distance[q.destination];
        if (whole >= Unreachable) {
            QVERIFY2(q.word == "none", where);
            break;
        }
        const Link *first = topologyLink(topology, q.source, int(q.number));
        QVERIFY2(q.word.isEmpty() && first, where);
        const int onward
            = oracle(topology, first->target, q.destination, q.load).distance[q.destination];
        QVERIFY2(q.load + int(first->weight) + onward == whole, where);
        break;
    }
    case PracticeQuestion::AfterRound: {
        const int cost = cheapestWithin(topology, q.source, q.destination, q.load, q.step + 1);
        QVERIFY2(q.step >= 1, where);
        QVERIFY2(cost < Unreachable ? q.number == cost : q.word == "no route", where);
        break;
    }
    case PracticeQuestion::Reach: {
        const int load = int(q.number);
        QVERIFY2(load > 0 && load <= 50, where);
        QVERIFY2(
            reaches(oracle(topology, q.source, q.destination, load - 1), q.destination), where);
        QVERIFY2(!reaches(oracle(topology, q.source, q.destination, load), q.destination), where);
        break;
    }
    }
    if (q.kind >= PracticeQuestion::LoadTest && q.kind <= PracticeQuestion::Label) {
        QVERIFY2(k >= 0 && k <= 100, where);
        QVERIFY2(q.text.contains(QString::number(k / 100.0, 'f', 2)), where);
        QVERIFY2(q.text.contains(QStringLiteral("load %1,").arg(q.load)), where);
        QVERIFY2(q.text.contains(QStringLiteral("link %1 to %2 (weight %3)")
                                     .arg(q.source)
                                     .arg(q.destination)
                                     .arg(q.weight)),
            where);
    }
}

} // namespace

class PracticeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ScriptedDraws::install(); }
    void answersAgreeWithReference_data();
    void answersAgreeWithReference();
    void otherNetworks_data();
    void otherNetworks();
    void sameNumberSameSet();
    void accepts_data();
    void accepts();
    void flowByKeys();
    void sheet();
};

void PracticeTest::answersAgreeWithReference_data()
{
    QTest::addColumn<int>("firstNumber");
    QTest::addColumn<PracticeSet::Kinds>("kinds");
    using Q = PracticeQuestion;
    QTest::newRow("every kind") << 1 << PracticeSet::allKinds();
    QTest::newRow("steps") << 1001 << PracticeSet::Kinds {Q::NextVertex, Q::Distance};
    QTest::newRow("links") << 2001 << PracticeSet::Kinds {Q::LoadTest, Q::Cost, Q::Label};
    QTest::newRow("routes") << 3001 << PracticeSet::Kinds {Q::BestRoute, Q::Reach};
    QTest::newRow("tables") << 4001 << PracticeSet::Kinds {Q::NextHop, Q::AfterRound};
}

// Every answer against the reference search, or against the rule worked out in whole
// hundredths from the numbers the question states.
void PracticeTest::answersAgreeWithReference()
{
    QFETCH(int, firstNumber);
    QFETCH(PracticeSet::Kinds, kinds);
    const Topology topology;
    for (int number = firstNumber; number < firstNumber + SetsPerRow; ++number) {
        const PracticeSet set(number, kinds);
        QCOMPARE(set.questions().size(), PracticeSet::QuestionCount);
        for (const PracticeQuestion &q : set.questions()) {
            QVERIFY2(kinds.contains(q.kind), qPrintable(q.text));
            verifyAnswer(topology, q, QByteArray::number(number) + ": " + q.text.toUtf8());
            if (QTest::currentTestFailed())
                return;
        }
    }
}

void PracticeTest::otherNetworks_data()
{
    TestNetworks::addRows();
}

// Sets on networks unlike the built-in one, made by the window from the network shown: a kind
// that needs a link becomes Best route on a network without one, and every answer is the
// reference search's.
void PracticeTest::otherNetworks()
{
    QFETCH(QString, network);
    NetworkModel shown;
    PracticeWindow window(shown);
    shown.setTopology(TestNetworks::make(network));
    const Topology topology = window.set().topology();
    QCOMPARE(topology.name, network);
    for (int number = 1; number <= SetsPerNetwork; ++number) {
        window.startSet(number);
        const PracticeSet &set = window.set();
        QCOMPARE(set.questions().size(), PracticeSet::QuestionCount);
        for (const PracticeQuestion &q : set.questions()) {
            QVERIFY(topology.linkCount() > 0 || q.kind == PracticeQuestion::BestRoute);
            verifyAnswer(topology, q, network.toUtf8() + ", " + QByteArray::number(number));
            if (QTest::currentTestFailed())
                return;
        }
    }
}

void PracticeTest::sameNumberSameSet()
{
    using Q = PracticeQuestion;
    QSet<QString> texts;
    for (int number = 1; number <= SetsPerRow; ++number) {
        const PracticeSet first(number, PracticeSet::allKinds());
        const PracticeSet again(number, PracticeSet::allKinds());
        // The same kinds in another order make the same set.
        const PracticeSet reordered(number,
            {Q::Reach, Q::Label, Q::Cost, Q::LoadTest, Q::BestRoute, Q::Distance, Q::NextVertex});
        for (int i = 0; i < PracticeSet::QuestionCount; ++i) {
            for (const PracticeSet *other : {&again, &reordered}) {
                QCOMPARE(other->questions()[i].text, first.questions()[i].text);
                QCOMPARE(other->questions()[i].answerText(), first.questions()[i].answerText());
            }
            texts.insert(first.questions()[i].text);
        }
    }
    // Sets differ from number to number.
    QVERIFY(texts.size() > SetsPerRow * PracticeSet::QuestionCount * 9 / 10);
}

void PracticeTest::accepts_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("decimals") << QString() << 38.95 << "38.95" << true;
    QTest::newRow("decimal comma") << QString() << 38.95 << " 38,95 " << true;
    QTest::newRow("agrees to two decimals") << QString() << 38.95 << "38.949" << true;
    QTest::newRow("a hundredth off") << QString() << 38.95 << "38.96" << false;
    QTest::newRow("float of the program")
        << QString() << double(35 * 0.37f + 26) << "38.95" << true;
    QTest::newRow("whole number") << QString() << 7.0 << "7.00" << true;
    QTest::newRow("word for a number") << QString() << 7.0 << "none" << false;
    QTest::newRow("not a number") << QString() << 7.0 << "7x" << false;
    QTest::newRow("case and spaces") << "left out" << 0.0 << "  Left  Out " << true;
    QTest::newRow("without the space") << "NoLink" << 0.0 << "no link" << true;
    QTest::newRow("number for a word") << "no path" << 0.0 << "0" << false;
    QTest::newRow("another word") << "yes" << 0.0 << "no" << false;
}

void PracticeTest::accepts()
{
    QFETCH(QString, word);
    QFETCH(double, number);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    PracticeQuestion question;
    question.word = word;
    question.number = number;
    QCOMPARE(question.accepts(typed), accepted);
}

// Ctrl+E opens the window; a set chosen by its number is answered by keys, one answer wrong,
// one by a click on the drawing. The program's own state and generator stay untouched.
void PracticeTest::flowByKeys()
{
    MainBoard board;
    board.show();
    QVERIFY(QTest::qWaitForWindowActive(&board));
    NetworkDisplayProbe probe(*board.findChild<NetworkDisplay *>());
    const int draws = ScriptedDraws::draws;
    const int seeds = ScriptedDraws::seeds;
    const int records = probe.activeLinkRecordCount();
    const int cycles = probe.model().lastCycle().cycleNumber;
    const int trials = probe.model().trialsLeft();

    QTest::keyClick(&board, Qt::Key_E, Qt::ControlModifier);
    auto *window = board.findChild<PracticeWindow *>();
    QVERIFY(window && window->isVisible());
    window->windowHandle()->requestActivate();
    QTRY_COMPARE(QApplication::activeWindow(), window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Practice"));
    auto *answer = qobject_cast<QLineEdit *>(named(window, "Answer"));
    auto *feedback = qobject_cast<QPlainTextEdit *>(named(window, "Feedback"));
    QVERIFY(answer && feedback && named(window, "Question"));

    auto *numberBox = window->findChild<QSpinBox *>();
    numberBox->selectAll();
    QTest::keyClicks(numberBox, "4711");
    QTest::keyClick(numberBox, Qt::Key_Return);
    QCOMPARE(window->set().number(), 4711);
    const PracticeSet expected(4711, PracticeSet::allKinds());

    constexpr int WrongAt = 1;
    int clickAt = -1;
    for (int i = 0; i < PracticeSet::QuestionCount; ++i) {
        const PracticeQuestion &q = expected.questions()[i];
        QCOMPARE(window->questionIndex(), i);
        QCOMPARE(named(window, "Question")->accessibleDescription(), q.text);
        if (clickAt < 0 && i != WrongAt && q.asksForVertex() && q.word.isEmpty()) {
            clickAt = i;
            auto *drawing = window->findChild<StepDrawing *>();
            QPoint centre;
            for (int x = 0; x < drawing->width() && centre.isNull(); ++x) {
                for (int y = 0; y < drawing->height() && centre.isNull(); ++y) {
                    if (drawing->vertexAt(QPoint(x, y)) == int(q.number))
                        centre = QPoint(x, y);
                }
            }
            QTest::mouseClick(drawing, Qt::LeftButton, {}, centre + QPoint(2, 2));
        } else {
            QTest::keyClicks(answer, typedAnswer(q, i != WrongAt));
            QTest::keyClick(answer, Qt::Key_Return);
        }
        const QString verdict = i == WrongAt ? "Not quite." : "Right.";
        QVERIFY2(feedback->toPlainText().startsWith(
                     verdict + " The answer is " + q.answerText() + ".\n"),
            qPrintable(feedback->toPlainText()));
        QCOMPARE(window->rightCount(), i < WrongAt ? i + 1 : i);
        QTest::keyClick(answer, Qt::Key_Return); // on to the next
    }
    const QString wrongKind = PracticeQuestion::kindName(expected.questions()[WrongAt].kind);
    QCOMPARE(window->scoreText(), "9 of 10 right; wrong: " + wrongKind + ".");
    QVERIFY(feedback->toPlainText().endsWith(window->scoreText()));

    QCOMPARE(ScriptedDraws::draws, draws);
    QCOMPARE(ScriptedDraws::seeds, seeds);
    QCOMPARE(probe.activeLinkRecordCount(), records);
    QCOMPARE(probe.model().lastCycle().cycleNumber, cycles);
    QCOMPARE(probe.model().trialsLeft(), trials);
}

// Through the dialog: a PDF with the questions a few to a page, each with its drawing, and the
// answers on a page of their own.
void PracticeTest::sheet()
{
    PracticeWindow window;
    window.startSet(31);
    const QTemporaryDir dir;
    const QString path = dir.filePath("sheet.pdf");
    window.saveSheet();
    auto *dialog = window.findChild<QFileDialog *>();
    QVERIFY(dialog);
    dialog->selectFile(path);
    static_cast<QDialog *>(dialog)->accept(); // as the dialog's Save button does

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    const auto count = [&pdf](const char *pattern) {
        return QString::fromLatin1(pdf).count(QRegularExpression(QString::fromLatin1(pattern)));
    };
    constexpr int QuestionPages = (PracticeSet::QuestionCount + PracticeSheet::QuestionsPerPage - 1)
        / PracticeSheet::QuestionsPerPage;
    QCOMPARE(count("/Type\\s*/Page\\b(?!s)"), QuestionPages + 1);
    QCOMPARE(count("/Subtype\\s*/Image"), PracticeSet::QuestionCount);

    QVERIFY(!window.saveSheetTo(dir.filePath("no such folder/sheet.pdf")).isEmpty());
}

QTEST_MAIN(PracticeTest)
#include "tst_practice.moc"
