// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/screen_view.h"

class TwoBoxesForm;

// The two-boxes window: the picture, the host's words and the two boxes as
// flat buttons over the picture.
class TwoBoxesView : public ScreenView {
public:
    TwoBoxesView(TwoBoxesForm& form, Dispatcher& dispatcher);
};
