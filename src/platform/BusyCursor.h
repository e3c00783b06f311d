#pragma once
// The hourglass for a long operation, as a scope:
//
//     BusyCursor busy;
//     ... work ...
//     busy.end();                       // always before a message is shown
//     dialogs().error(text, appTitle());
//
// A message box must never appear under the hourglass, so every path that shows a message ends
// the scope first; leaving the scope (return, exception) restores the cursor in any case.
// Without a QGuiApplication (command-line runs, core tests) it does nothing.

namespace platform {

class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    // Restores the cursor now; later calls and the destructor do nothing.
    void end();
    bool active() const { return active_; }

private:
    bool active_ = false;
};

} // namespace platform
