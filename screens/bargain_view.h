// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/screen_view.h"

class BargainForm;

// The bargaining's window: the picture, the host's words, and the black box
// and the money as flat buttons over the picture.
class BargainView : public ScreenView {
public:
    BargainView(BargainForm& form, Dispatcher& dispatcher);

private:
    void addHint(QWidget* picture);
};
