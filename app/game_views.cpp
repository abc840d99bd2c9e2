// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_views.h"

#include "bargain_view.h"
#include "editor_view.h"
#include "end_view.h"
#include "menu_view.h"
#include "rules_view.h"
#include "runtime.h"
#include "screens.h"
#include "setup_view.h"
#include "studio_view.h"
#include "two_boxes_view.h"
#include "view_host.h"

void addGameViews(ViewHost& host, Screens& s, Dispatcher& d)
{
    host.add(s.Form1, [&] { return std::make_unique<MenuView>(s.Form1, d); });
    host.add(s.Form2, [&] { return std::make_unique<StudioView>(s.Form2, d); });
    host.add(s.Form3, [&] { return std::make_unique<EditorView>(s.Form3, d); });
    host.add(s.Form4, [&] { return std::make_unique<SetupView>(s.Form4, d); });
    host.add(s.Form5, [&] { return std::make_unique<BargainView>(s.Form5, d); });
    host.add(s.Form6, [&] { return std::make_unique<TwoBoxesView>(s.Form6, d); });
    host.add(s.Form7, [&] { return std::make_unique<EndView>(s.Form7, d); });
    host.add(s.Form8, [&] { return std::make_unique<RulesView>(s.Form8, d); });
}
