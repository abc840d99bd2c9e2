// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/text_box_bar.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace TextBoxBar {

Range shownRange(const QPlainTextEdit& box)
{
    const QTextDocument* doc = box.document();
    const auto* layout = qobject_cast<const QPlainTextDocumentLayout*>(doc->documentLayout());
    if (!layout || box.centerOnScroll())
        return {};
    // The lines that fit on the last page, counted up from the end: a block
    // that reaches past the top of the page contributes the lines whose top
    // still lies within it.
    const qreal page = box.viewport()->rect().height() - doc->documentMargin() - 1;
    qreal fromBottom = 0;
    int lines = 0;
    for (QTextBlock block = doc->lastBlock(); block.isValid(); block = block.previous()) {
        if (!block.isVisible())
            continue;
        fromBottom += layout->blockBoundingRect(block).height();
        const QTextLayout* text = block.layout();
        const int count = text->lineCount();
        if (fromBottom > page) {
            int first = 0;
            while (first < count && text->lineAt(first).naturalTextRect().top() < fromBottom - page)
                ++first;
            lines += count - first;
            break;
        }
        lines += count;
    }
    return {std::max(0, doc->lineCount() - lines), lines};
}

void drawAsShown(QPlainTextEdit& box)
{
    QScrollBar* bar = box.verticalScrollBar();
    if (!bar || box.verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOn || box.centerOnScroll() || bar->size().isEmpty())
        return;
    const Range shown = shownRange(box);
    // Blocked, the box never hears of the bar's brief change and keeps its place.
    const QSignalBlocker quiet(bar);
    const int maximum = bar->maximum(), pageStep = bar->pageStep(), value = bar->value();
    bar->setRange(0, shown.maximum);
    bar->setPageStep(shown.pageStep);
    const qreal ratio = box.devicePixelRatioF();
    QImage scratch(bar->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    scratch.setDevicePixelRatio(ratio);
    bar->render(&scratch);
    bar->setRange(0, maximum);
    bar->setPageStep(pageStep);
    bar->setValue(value);
}

}
