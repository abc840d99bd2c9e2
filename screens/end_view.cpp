#include "end_view.h"

#include "end_form.h"
#include "flat_button.h"
#include "fonts.h"
#include "svg_picture.h"
#include "widget_kit.h"

#include <QPlainTextEdit>

EndView::EndView(EndForm& f, Dispatcher& dispatcher) : ScreenView(f, dispatcher)
{
    using Fonts::Face;
    (new SvgPicture(QStringLiteral(":/assets/endgame.svg"), this))->setGeometry(0, 0, 684, 497);
    auto* winner = Kit::textBox(this, 302, 336, 72, 27, Fonts::font(Face::Serif, 16, true, true), Qt::blue, Qt::white,
                                false, true);
    winner->document()->setDocumentMargin(1);
    m_binder.textBox(f.Edit1, winner);

    auto* leave = new FlatButton(this, false);
    leave->setGeometry(48, 472, 593, 23);
    leave->setFont(Fonts::font(Face::Serif, 19));
    Kit::setColours(leave, Qt::white, QColor());
    connect(leave, &QAbstractButton::clicked, this, [this, &f] { press(f.SpeedButton1, [&f] { f.SpeedButton1Click(); }); });
    m_binder.button(f.SpeedButton1, leave);
}
