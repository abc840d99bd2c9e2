// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/rules_view.h"

#include "widgets/fonts.h"
#include "app/rules_form.h"
#include "widgets/widget_kit.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QPushButton>

namespace {

QString centreHeadings(const QString& text, QPlainTextEdit* panel)
{
    const QFontMetricsF metrics(panel->font());  // a blank is a fraction of a pixel wider or narrower than its rounding
    const int scrollBar = panel->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn
                              ? panel->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, panel)
                              : 0;
    const int margins = 2 * (panel->frameWidth() + static_cast<int>(panel->document()->documentMargin()));
    const int width = panel->width() - scrollBar - margins;
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (!RulesForm::isHeading(line))
            continue;
        const int blanks = qRound((width - metrics.horizontalAdvance(line)) / 2 / metrics.horizontalAdvance(QLatin1Char(' ')));
        if (blanks > 0)
            line.prepend(QString(blanks, QLatin1Char(' ')));
    }
    return lines.join(QLatin1Char('\n'));
}

}

RulesView::RulesView(RulesForm& f, Dispatcher& dispatcher) : ScreenView(f, dispatcher)
{
    using Fonts::Face;
    QLabel* title = Kit::label(this, 264, -2, 221, 43, Fonts::font(Face::Serif, 37, false, true), QColor(255, 0, 0));
    m_binder.label(f.title, title);
    const QColor navy(0, 0, 128);
    auto* general = Kit::textBox(this, 4, 48, 373, 401, Fonts::font(Face::Sans, 13), Qt::white, navy, true, true);
    auto* details = Kit::textBox(this, 378, 48, 410, 401, Fonts::font(Face::Sans, 13), Qt::white, navy, true, true);
    auto* note = Kit::textBox(this, 378, 451, 401, 113, Fonts::font(Face::Sans, 12), QColor(0, 128, 0),
                              QColor(192, 220, 192), false, true);
    QPushButton* leave = Kit::button(this, 88, 488, 193, 41, QStringLiteral(":/assets/icons/ignore.svg"), true);
    connect(leave, &QPushButton::clicked, this, [this, &f] { press(f.exitButton, [&f] { f.exitClicked(); }); });
    m_binder.button(f.exitButton, leave);

    // The texts never change; their headings are centred with leading blanks
    // measured in the panel's own font and width.
    m_binder.plain(f.generalText, general);
    m_binder.plain(f.detailsText, details);
    m_binder.plain(f.noteText, note);
    general->setPlainText(centreHeadings(f.generalText.text, general));
    details->setPlainText(centreHeadings(f.detailsText.text, details));
    note->setPlainText(centreHeadings(f.noteText.text, note));
}
