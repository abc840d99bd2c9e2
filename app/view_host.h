#pragma once

#include <functional>
#include <memory>
#include <vector>

class Dispatcher;
class Form;
class ScreenView;

// Keeps the windows in step with the screens after every event. A screen's
// window is made the first time the screen is shown, so start-up builds the
// menu's window alone.
class ViewHost {
public:
    explicit ViewHost(Dispatcher& dispatcher);
    ~ViewHost();
    void add(Form& form, std::function<std::unique_ptr<ScreenView>()> make);
    void sync();
    // The window of a screen, if it has been made.
    ScreenView* view(const Form& form) const;
    // Make every window now (for screenshots and view tests).
    void makeAll();

private:
    struct Entry {
        Form* form;
        std::function<std::unique_ptr<ScreenView>()> make;
        std::unique_ptr<ScreenView> view;
    };
    std::vector<Entry> m_entries;
};
