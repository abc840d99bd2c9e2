// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/screen_view.h"

class RulesForm;

// The rules screen's window: three read-only panels and "Выход".
class RulesView : public ScreenView {
public:
    RulesView(RulesForm& form, Dispatcher& dispatcher);
};
