#pragma once
// The main window on Windows: the shared main form drawn with standard
// controls, the Help menu, and each control bound to its procedure through
// the shared binding table. It is the conversion core's window: the core
// reads and writes it only through the six WindowOperations.

#include <array>

#include "conversion/window_operations.h"
#include "ui/forms/main_form.h"
#include "ui/win32/announcement.h"
#include "ui/win32/form_window.h"

namespace wagelyn::win32 {

// The command of Help > "About the program".
inline constexpr int kAboutItemId = 900;

class MainWindow final : public FormWindow, public WindowOperations, public main_form::Commands {
public:
    // Creates the one main window, runs its load handler and shows it with
    // the focus in the Annual box; false when the window cannot be made.
    static bool Open();

    // WindowOperations
    std::string BoxText(Period period) const override;
    void SetBoxText(Period period, std::string_view text) override;
    void SetBoxColour(Period period, Colour colour) override;
    std::string TaxText() const override;
    void SetTaxText(std::string_view text) override;
    void ShowError() override;

private:
    MainWindow();
    std::string_view CommandName(int id, int notification) const;
    bool OnCommand(int id, int notification) override;
    void OnDestroyed() override;

    // main_form::Commands
    WindowOperations& Operations() override;
    NumberFormat RegionalFormat() const override;
    void Announce(std::string_view message) override;
    void Quit() override;
    void Print() override;
    void ShowAbout() override;

    std::array<HWND, kPeriodCount> boxes_{};
    HWND tax_ = nullptr;
    Announcer announcer_{nullptr};
};

}  // namespace wagelyn::win32
