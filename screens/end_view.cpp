// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/end_view.h"

#include "screens/end_form.h"
#include "widgets/flat_button.h"
#include "widgets/fonts.h"
#include "widgets/svg_picture.h"
#include "widgets/widget_kit.h"

#include <QPlainTextEdit>

#include <algorithm>
#include <cmath>
#include <utility>

EndView::EndView(EndForm& f, Dispatcher& dispatcher) : ScreenView(f, dispatcher)
{
    using Fonts::Face;
    setLetterbox(QColor(5, 10, 42));  // the night sky of its frame
    (new SvgPicture(QStringLiteral(":/assets/endgame.svg"), this))->setGeometry(rect());
    for (const auto& [control, picture] : {std::pair<const Control&, const char*>{f.winnerLettering, ":/assets/overlays/end-winner.svg"},
                                           std::pair<const Control&, const char*>{f.drawLettering, ":/assets/overlays/end-draw.svg"}}) {
        auto* lettering = new SvgPicture(QString::fromLatin1(picture), this);
        lettering->setGeometry(240, 296, 205, 100);
        lettering->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_binder.plain(control, lettering);
    }
    auto* winner = Kit::textBox(this, 302, 336, 72, 27, Fonts::font(Face::Serif, 16, true, true), Qt::blue, Qt::white,
                                false, true);
    winner->document()->setDocumentMargin(1);
    winner->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_binder.textBox(f.resultBox, winner);
    m_name = winner;

    auto* leave = new FlatButton(this, false);
    leave->setGeometry(48, 472, 593, 23);
    leave->setFont(Fonts::font(Face::Serif, 19));
    Kit::setColours(leave, Qt::white, QColor());
    connect(leave, &QAbstractButton::clicked, this, [this, &f] { press(f.exitButton, [&f] { f.exitClicked(); }); });
    m_binder.button(f.exitButton, leave);
}

void EndView::fit()
{
    // Every name the set-up screen takes shows whole on one line: the box
    // widens about its own centre as far as the name needs, within the panel.
    constexpr int Left = 302, Top = 336, Width = 72, Height = 27, PanelWidth = 193;
    const qreal margins = 2 * (m_name->frameWidth() + m_name->document()->documentMargin()) + 6 * scale();
    const qreal needed = (QFontMetrics(m_name->font()).horizontalAdvance(m_name->toPlainText()) + margins) / scale();
    const int width = std::clamp(static_cast<int>(std::ceil(needed)), Width, PanelWidth);
    place(m_name, QRect(Left + Width / 2 - width / 2, Top, width, Height));
}
