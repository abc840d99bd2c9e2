// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_views.h"

#include "screens/bargain_view.h"
#include "screens/editor_view.h"
#include "screens/end_view.h"
#include "app/menu_view.h"
#include "app/rules_view.h"
#include "core/runtime.h"
#include "app/game_screens.h"
#include "screens/setup_view.h"
#include "studio/studio_view.h"
#include "screens/two_boxes_view.h"
#include "app/view_host.h"

void addGameViews(ViewHost& host, GameScreens& s, Dispatcher& d)
{
    host.add(s.menu, [&] { return std::make_unique<MenuView>(s.menu, d); });
    host.add(s.studio, [&] { return std::make_unique<StudioView>(s.studio, d); });
    host.add(s.editor, [&] { return std::make_unique<EditorView>(s.editor, d); });
    host.add(s.setup, [&] { return std::make_unique<SetupView>(s.setup, d); });
    host.add(s.bargain, [&] { return std::make_unique<BargainView>(s.bargain, d); });
    host.add(s.twoBoxes, [&] { return std::make_unique<TwoBoxesView>(s.twoBoxes, d); });
    host.add(s.endOfGame, [&] { return std::make_unique<EndView>(s.endOfGame, d); });
    host.add(s.rules, [&] { return std::make_unique<RulesView>(s.rules, d); });
}
