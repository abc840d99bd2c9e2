#include "editor_view.h"

#include "editor_form.h"
#include "widget_kit.h"

#include <QPushButton>

EditorView::EditorView(EditorForm& f, Dispatcher& dispatcher) : ScreenView(f, dispatcher)
{
    QPushButton* leave = Kit::button(this, 684, 136, 99, 33, QStringLiteral(":/assets/icons/ignore.svg"), true);
    connect(leave, &QPushButton::clicked, this, [this, &f] { act([&f] { f.BitBtn1Click(); }); });
    m_binder.button(f.BitBtn1, leave);
}
