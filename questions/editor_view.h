#pragma once

#include "screen_view.h"

class EditorForm;

// The question editor's window.
class EditorView : public ScreenView {
public:
    EditorView(EditorForm& form, Dispatcher& dispatcher);
};
