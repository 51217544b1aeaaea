#pragma once
// The main window as the program opens it, and its controls by name.

#include <QComboBox>
#include <QLineEdit>
#include <QString>

#include "ui/qt/main_window.h"

namespace wagelyn::testing {

// Built, loaded, shown, with the focus in the Annual box; deletes itself when closed.
inline MainWindow* OpenMainWindow() {
    auto* window = new MainWindow;
    window->Load();
    window->show();
    window->FocusAnnual();
    return window;
}

inline QLineEdit* FigureBox(const QWidget* window, int n) {
    return window->findChild<QLineEdit*>(QString("Text%1").arg(n));
}

inline QComboBox* TaxEntry(const QWidget* window) {
    return window->findChild<QComboBox*>("Combo1");
}

}  // namespace wagelyn::testing
