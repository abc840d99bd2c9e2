#include "view_host.h"

#include "dispatcher.h"
#include "form.h"
#include "screen_view.h"

ViewHost::ViewHost(Dispatcher& dispatcher)
{
    dispatcher.addListener([this] { sync(); });
}

ViewHost::~ViewHost() = default;

void ViewHost::add(Form& form, std::function<std::unique_ptr<ScreenView>()> make)
{
    m_entries.push_back({&form, std::move(make), nullptr});
}

void ViewHost::sync()
{
    for (Entry& e : m_entries) {
        if (!e.view && e.form->isVisible())
            e.view = e.make();
        if (e.view)
            e.view->sync();
    }
}

ScreenView* ViewHost::view(const Form& form) const
{
    for (const Entry& e : m_entries)
        if (e.form == &form)
            return e.view.get();
    return nullptr;
}

void ViewHost::makeAll()
{
    for (Entry& e : m_entries)
        if (!e.view)
            e.view = e.make();
    sync();
}
