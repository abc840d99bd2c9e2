#include "rules_view.h"

#include "fonts.h"
#include "rules_form.h"
#include "widget_kit.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

RulesView::RulesView(RulesForm& f, Dispatcher& dispatcher) : ScreenView(f, dispatcher)
{
    using Fonts::Face;
    QLabel* title = Kit::label(this, 264, -2, 221, 43, Fonts::font(Face::Serif, 37, false, true), QColor(255, 0, 0));
    m_binder.label(f.Label1, title);
    const QColor navy(0, 0, 128);
    auto* general = Kit::textBox(this, 4, 48, 373, 401, Fonts::font(Face::Sans, 13), Qt::white, navy, true, true);
    m_binder.textBox(f.RichEdit1, general);
    auto* details = Kit::textBox(this, 378, 48, 410, 401, Fonts::font(Face::Sans, 13), Qt::white, navy, true, true);
    m_binder.textBox(f.RichEdit2, details);
    auto* note = Kit::textBox(this, 378, 451, 401, 113, Fonts::font(Face::Sans, 12), QColor(0, 128, 0),
                              QColor(192, 220, 192), false, true);
    m_binder.textBox(f.RichEdit3, note);
    QPushButton* leave = Kit::button(this, 88, 488, 193, 41, QStringLiteral(":/assets/icons/ignore.svg"), true);
    connect(leave, &QPushButton::clicked, this, [this, &f] { press(f.BitBtn1, [&f] { f.BitBtn1Click(); }); });
    m_binder.button(f.BitBtn1, leave);
}
