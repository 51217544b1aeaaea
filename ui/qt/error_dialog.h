#pragma once
// The error dialog: one fixed message whenever a calculation or the reset
// fails. One shared instance, created on first show, modeless, no owner;
// closing it destroys it and the next show builds it afresh. It is a dialog
// to the window system and to screen readers alike.

#include <QDialog>

namespace wagelyn {

class ErrorDialog final : public QDialog {
    Q_OBJECT
public:
    // Shows the shared instance, creating it if needed, and returns at once.
    static void Show();
    // The open instance, or nullptr.
    static ErrorDialog* Instance();

protected:
    // Escape closes nothing: the dialog's Cancel button closes it like OK,
    // but neither button has the cancel role that Escape would press.
    void keyPressEvent(QKeyEvent* event) override;

private:
    ErrorDialog();
};

}  // namespace wagelyn
