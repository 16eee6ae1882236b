// SPDX-License-Identifier: MIT
#include "widgets/ElidedLabel.h"

#include <QPainter>
#include <QStyle>
#include <QTextLayout>

QStringList ElidedLabel::shownLines() const
{
    const QFontMetrics metrics = fontMetrics();
    const int width = contentsRect().width();
    QString whole = text();
    if (!wordWrap())
        return { metrics.elidedText(whole, Qt::ElideRight, width) };

    const int room = std::max(1, contentsRect().height() / metrics.lineSpacing());
    whole.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(whole, font());
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(wrapping);
    layout.beginLayout();
    QStringList lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (int(lines.size()) + 1 == room) {
            // The last line that fits takes the rest of the text, cut where it runs out.
            QString rest = whole.mid(line.textStart());
            rest.replace(QChar::LineSeparator, QLatin1Char(' '));
            lines << metrics.elidedText(rest, Qt::ElideRight, width);
            break;
        }
        lines << whole.mid(line.textStart(), line.textLength()).remove(QChar::LineSeparator);
    }
    layout.endLayout();
    return lines;
}

void ElidedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QStringList lines = shownLines();
    if (!wordWrap()) {
        style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), lines.first(),
            foregroundRole());
        return;
    }
    const int horizontal = int(alignment() & Qt::AlignHorizontal_Mask);
    QRect line = contentsRect();
    line.setHeight(fontMetrics().lineSpacing());
    for (const QString &text : lines) {
        style()->drawItemText(&painter, line, horizontal | Qt::AlignTop, palette(), isEnabled(), text, foregroundRole());
        line.translate(0, line.height());
    }
}
