// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/screen_view.h"

class EndForm;
class QPlainTextEdit;

// The end of the game: the festive picture, the winner's name and "ВЫХОД".
class EndView : public ScreenView {
public:
    EndView(EndForm& form, Dispatcher& dispatcher);

protected:
    void fit() override;

private:
    QPlainTextEdit* m_name;
};
