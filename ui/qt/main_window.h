#pragma once
// The main window: twelve figure boxes, the tax entry, fifteen buttons. It is
// the conversion core's window: the core reads and writes it only through the
// six WindowOperations, and each period button runs the core's recalculation.

#include <QMainWindow>
#include <array>

#include "conversion/window_operations.h"
#include "ui/forms/main_form.h"

QT_BEGIN_NAMESPACE
class QAction;
class QCloseEvent;
class QComboBox;
class QPushButton;
QT_END_NAMESPACE

namespace wagelyn {

class Announcer;
class FigureBox;

class MainWindow final : public QMainWindow, public WindowOperations, public main_form::Commands {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    // The load handler: tax entry "0", TakeHomeFactor 1.
    void Load();
    void FocusAnnual();

    // WindowOperations
    std::string BoxText(Period period) const override;
    void SetBoxText(Period period, std::string_view text) override;
    void SetBoxColour(Period period, Colour colour) override;
    std::string TaxText() const override;
    void SetTaxText(std::string_view text) override;
    void ShowError() override;

    // The commands bound to the buttons and the menu.
    WindowOperations& Operations() override;
    NumberFormat RegionalFormat() const override;
    void Announce(std::string_view message) override;
    void Quit() override;
    void Print() override;
    void ShowAbout() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BindControls();

    std::array<FigureBox*, kPeriodCount> boxes_{};
    QComboBox* tax_ = nullptr;
    Announcer* announcer_ = nullptr;
};

}  // namespace wagelyn
