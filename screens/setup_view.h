// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screen_view.h"

class SetupForm;

// The set-up screen's window: three name boxes, the rounds slider and "OK",
// which Enter in any box also presses.
class SetupView : public ScreenView {
public:
    SetupView(SetupForm& form, Dispatcher& dispatcher);
};
