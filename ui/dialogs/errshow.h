#pragma once
// The error dialog: one fixed message whenever a calculation or the reset
// fails. One shared instance, created on first show, modeless, no owner;
// closing it destroys it and the next show builds it afresh.

#include <QWidget>

namespace wagelyn {

class errshow final : public QWidget {  // NOLINT(readability-identifier-naming): the form's name
    Q_OBJECT
public:
    // Shows the shared instance, creating it if needed, and returns at once.
    static void Show();
    // The open instance, or nullptr.
    static errshow* Instance();

private:
    errshow();
};

}  // namespace wagelyn
