// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practicesheet.h"

#include "practicedrawing.h"
#include "practiceset.h"
#include "practiceworking.h"
#include "searchstepswindow.h"
#include "topology.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>

namespace {

constexpr int Resolution = 300; // dots per inch of the page's coordinates
constexpr qreal MarginMillimetres = 15;
constexpr QSize DrawingSize(420, 340); // the drawing's own size hint, kept for its proportions
constexpr int PixelRatio = 3; // the drawing's pixels per point of its own size
constexpr qreal TitlePoints = 15;
constexpr qreal TextPoints = 10;
constexpr qreal DistancePoints = 7;
constexpr qreal SmallestPoints = 4;
constexpr qreal PointsStep = 0.5;
constexpr qreal Gap = 30; // between blocks, in the page's dots
constexpr int TextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

QFont sized(qreal points, bool bold = false)
{
    QFont font;
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Draws the text at the top of the rectangle and returns the height it took.
qreal drawText(QPainter &painter, const QRectF &area, const QFont &font, const QString &text)
{
    painter.setFont(font);
    QRectF used;
    painter.drawText(area, TextFlags, text, &used);
    return used.height();
}

QImage picture(PracticeDrawing &drawing, const PracticeQuestion &question)
{
    drawing.showQuestion(question);
    QImage image(DrawingSize * PixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(PixelRatio);
    image.fill(Qt::white);
    drawing.render(&image);
    return image;
}

QString heading(int index, const PracticeQuestion &question)
{
    return PracticeSheet::tr("%1. %2").arg(index + 1).arg(
        PracticeQuestion::kindName(question.kind));
}

QString distances(const PracticeQuestion &question)
{
    const SearchState state = PracticeDrawing::shownState(question);
    QStringList lines {PracticeSheet::tr("After step %1:").arg(question.step)};
    for (int v = 0; v < question.record.vertexCount; ++v) {
        const QStringList cells = SearchStepsWindow::distanceCells(state, v);
        lines << PracticeSheet::tr("%1: %2, predecessor %3, %4")
                     .arg(cells[0], cells[1], cells[2], cells[3]);
    }
    return lines.join(QLatin1Char('\n'));
}

void drawQuestion(QPainter &painter, PracticeDrawing &drawing, const QRectF &block, int index,
    const PracticeQuestion &question)
{
    qreal y = block.top();
    y += drawText(painter, QRectF(block.left(), y, block.width(), block.height()),
        sized(TextPoints, true), heading(index, question));
    y += drawText(painter, QRectF(block.left(), y, block.width(), block.bottom() - y),
             sized(TextPoints), question.text)
        + Gap / 2;
    const qreal ratio = qreal(DrawingSize.height()) / DrawingSize.width();
    const qreal height = std::min(block.bottom() - y, block.width() * 0.6 * ratio);
    const QRectF target(block.left(), y, height / ratio, height);
    painter.drawImage(target, picture(drawing, question));
    if (PracticeDrawing::showsSearch(question)) {
        drawText(painter,
            QRectF(target.right() + Gap, y, block.right() - target.right() - Gap, height),
            sized(DistancePoints), distances(question));
    }
}

// The answers with their workings, in the largest type that fits the page.
void drawAnswers(QPainter &painter, const QRectF &page, const PracticeSet &set)
{
    const QString title = PracticeSheet::tr("Answers, set %1").arg(set.number());
    QStringList blocks;
    for (int i = 0; i < set.questions().size(); ++i) {
        const PracticeQuestion &question = set.questions()[i];
        blocks << PracticeSheet::tr("%1: the answer is %2.")
                      .arg(heading(i, question), question.answerText())
                + QLatin1Char('\n') + PracticeWorking::lines(question).join(QLatin1Char('\n'));
    }
    qreal points = TextPoints;
    for (; points > SmallestPoints; points -= PointsStep) {
        painter.setFont(sized(points));
        qreal total = painter.boundingRect(page, TextFlags, title).height() * 2;
        for (const QString &block : blocks)
            total += painter.boundingRect(page, TextFlags, block).height() + Gap;
        if (total <= page.height())
            break;
    }
    qreal y = page.top();
    y += drawText(painter, page, sized(points * TitlePoints / TextPoints, true), title) + Gap;
    for (const QString &block : blocks) {
        y += drawText(painter, QRectF(page.left(), y, page.width(), page.bottom() - y),
                 sized(points), block)
            + Gap;
    }
}

} // namespace

QByteArray PracticeSheet::pdf(const PracticeSet &set, NetworkReader reader)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(Resolution);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(
            QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres, MarginMillimetres),
            QPageLayout::Millimeter);
        writer.setTitle(tr("netroute practice, set %1").arg(set.number()));
        writer.setCreator(QStringLiteral("netroute"));

        PracticeDrawing drawing(reader);
        drawing.resize(DrawingSize);
        QPainter painter(&writer);
        const QRectF page(0, 0, writer.width(), writer.height());
        const QList<PracticeQuestion> &questions = set.questions();
        for (int first = 0; first < questions.size(); first += QuestionsPerPage) {
            qreal top = page.top();
            if (first == 0) {
                top += drawText(painter, page, sized(TitlePoints, true),
                    tr("netroute practice: set %1").arg(set.number()));
                QStringList kinds;
                for (PracticeQuestion::Kind kind : set.kinds())
                    kinds << PracticeQuestion::kindName(kind);
                QString about = tr("Kinds: %1.").arg(kinds.join(QLatin1String(", ")));
                if (!set.topology().isBuiltIn())
                    about += QLatin1Char(' ') + tr("Network: %1.").arg(set.topology().name);
                top += drawText(painter, QRectF(0, top, page.width(), page.height()),
                           sized(TextPoints), about)
                    + Gap;
            } else {
                writer.newPage();
            }
            const qreal height = (page.bottom() - top) / QuestionsPerPage;
            const int end = std::min(int(questions.size()), first + QuestionsPerPage);
            for (int i = first; i < end; ++i) {
                const QRectF block(
                    page.left(), top + (i - first) * height, page.width(), height - Gap);
                drawQuestion(painter, drawing, block, i, questions[i]);
            }
        }
        writer.newPage();
        drawAnswers(painter, page, set);
    }
    return bytes;
}

QString PracticeSheet::fileName(const PracticeSet &set)
{
    return tr("netroute-practice-%1.pdf").arg(set.number());
}

QString PracticeSheet::save(const QByteArray &pdf, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size() || !file.commit())
        return tr("Could not save the sheet to %1: %2.").arg(path, file.errorString());
    return {};
}
