#pragma once
// The main window as data: its controls, lines, tax list, caption and menu,
// and which control runs which procedure.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "conversion/period.h"
#include "ui/forms/form_data.h"

namespace wagelyn::main_form {

inline constexpr int kClientWidth = 8925;          // twips: 595 pixels
inline constexpr int kClientHeight = 8055;         // twips: 537 pixels
inline constexpr Colour kBackground = 0x00FF8080;  // light blue

// "Wagelyn", 37 full stops, "created by", the author and the date.
inline constexpr std::string_view kCaption =
    "Wagelyn.....................................created by Wagelyn Developers 04/02";

inline constexpr std::array<std::string_view, 16> kTaxList{
    "0", "16", "17", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30"};

inline constexpr std::string_view kHelpMenu = "Help";
inline constexpr std::string_view kAboutItem = "About the program";

// Each period's figure box and button, and the caption that names both.
struct PeriodControls {
    Period period;
    std::string_view box;
    std::string_view button;
    std::string_view caption;  // the button's caption, stray full stops included
};

// Buttons skip Command7: that one is the reset button of the top row.
// clang-format off
inline constexpr std::array<PeriodControls, kPeriodCount> kPeriodControls{{
    {Period::Annual, "Text1", "Command1", "Annual Salary"},
    {Period::Monthly, "Text2", "Command2", "Monthly"},
    {Period::BiWeekly, "Text3", "Command3", "Bi-Weekly"},
    {Period::Weekly, "Text4", "Command4", "Weekly"},
    {Period::Hourly40, "Text5", "Command5", "Hourly - 40 hr."},
    {Period::Hourly35, "Text6", "Command6", "Hourly - 35 hr."},
    {Period::Daily40, "Text7", "Command8", "Daily - 40 hr"},
    {Period::Daily35, "Text8", "Command9", "Daily - 35 hr"},
    {Period::Minute40, "Text9", "Command10", "Minute. - 40 hr"},
    {Period::Minute35, "Text10", "Command11", "Minute - 35 hr"},
    {Period::Second40, "Text11", "Command12", "Second. - 40 hr"},
    {Period::Second35, "Text12", "Command13", "Second. - 35 hr"},
}};
// clang-format on

// What a screen reader says of the tax entry: its prompt, as on the screen
// (stray spelling and the double blank included).
inline constexpr std::string_view kTaxEntry = "Combo1";
inline constexpr std::string_view kTaxPrompt = "Enter if any Total Estmated  TAX withheld in %";
// A figure box's description: gross while blue, net otherwise.
inline constexpr std::string_view kGrossDescription = "Gross pay, as entered";
inline constexpr std::string_view kNetDescription = "Net (take-home) pay";

// The procedures a control runs.
enum class Command : std::uint8_t { Recalculate, Reset, Quit, Print, About };

struct Binding {
    std::string_view control;  // a button, or the menu item
    Command command;
    Period source = Period::Annual;  // Recalculate only
};

inline constexpr std::string_view kAboutItemName = "About";
inline constexpr std::size_t kBindingCount = kPeriodCount + 4;

// Each period button runs the recalculation from its period; Command7
// resets, Command14 quits, Command15 prints, and the About item shows the
// About dialog. No other event runs anything.
inline constexpr std::array<Binding, kBindingCount> kBindings = [] {
    std::array<Binding, kBindingCount> bindings{};
    std::size_t i = 0;
    for (const PeriodControls& period : kPeriodControls) {
        bindings[i++] = {period.button, Command::Recalculate, period.period};
    }
    bindings[i++] = {"Command7", Command::Reset};
    bindings[i++] = {"Command14", Command::Quit};
    bindings[i++] = {"Command15", Command::Print};
    bindings[i++] = {kAboutItemName, Command::About};
    return bindings;
}();

// What a front end's main window does for each command.
class Commands {
public:
    virtual ~Commands() = default;
    virtual void RecalculateFrom(Period source) = 0;
    virtual void Reset() = 0;
    virtual void Quit() = 0;  // closes the main window only
    virtual void Print() = 0;
    virtual void ShowAbout() = 0;

protected:
    Commands() = default;
    Commands(const Commands&) = default;
    Commands& operator=(const Commands&) = default;
};

// Runs the procedure that `binding` names on `window`.
void Run(const Binding& binding, Commands& window);

const FormDef& Form();
std::span<const ControlDef> Controls();
std::span<const LineDef> Lines();
// Each figure box named by its period's caption, the tax entry by its prompt.
std::span<const AccessibleDef> Accessible();

}  // namespace wagelyn::main_form
