#pragma once
// The main window as data: its controls, lines, tax list, caption and menu,
// and which control runs which procedure.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "app/application_info.h"
#include "conversion/number_format.h"
#include "conversion/period.h"
#include "conversion/window_operations.h"
#include "i18n/translation.h"
#include "ui/forms/form_data.h"

namespace wagelyn::main_form {

inline constexpr int kClientWidth = 8925;          // twips: 595 pixels
inline constexpr int kClientHeight = 8055;         // twips: 537 pixels
inline constexpr Colour kBackground = 0x00FF8080;  // light blue

// "Wagelyn", 37 full stops, "created by", the author and the date.
inline constexpr std::string_view kCaption =
    // TRANSLATORS: the main window's title bar; keep the program's name
    // first. Room: the title bar, about 500 pixels.
    N_("Wagelyn.....................................created by Wagelyn Developers 04/02");

// TRANSLATORS: a message box's text, when the program cannot make its main
// window at start-up; %s is the program's name.
inline constexpr std::string_view kWindowNotOpened = N_("%s could not open its window.");

inline constexpr std::array<std::string_view, 16> kTaxList{
    "0", "16", "17", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30"};

// TRANSLATORS: the menu bar's only menu.
inline constexpr std::string_view kHelpMenu = N_("Help");
// TRANSLATORS: the Help menu's only item, which opens the About dialog.
inline constexpr std::string_view kAboutItem = N_("About the program");

// Each period's figure box and button, and the caption that names both.
struct PeriodControls {
    Period period;
    std::string_view caption;  // the button's caption, stray full stops included
    std::string_view box;
    std::string_view button;
};

// Buttons skip Command7: that one is the reset button of the top row.
// clang-format off
inline constexpr std::array<PeriodControls, kPeriodCount> kPeriodControls{{
    // TRANSLATORS: a period's button, which also names its figure box for screen
    // readers; "40 hr" and "35 hr" are the hours worked in a week. Room: 105 x
    // 33 pixels, one line.
    {Period::Annual, N_("Annual Salary"), "Text1", "Command1"},
    // TRANSLATORS: a period's button and its box's name. Room: 105 x 33 pixels.
    {Period::Monthly, N_("Monthly"), "Text2", "Command2"},
    // TRANSLATORS: a period's button and its box's name. Room: 105 x 33 pixels.
    {Period::BiWeekly, N_("Bi-Weekly"), "Text3", "Command3"},
    // TRANSLATORS: a period's button and its box's name. Room: 105 x 33 pixels.
    {Period::Weekly, N_("Weekly"), "Text4", "Command4"},
    // TRANSLATORS: a period's button and its box's name. Room: 105 x 33 pixels.
    {Period::Hourly40, N_("Hourly - 40 hr."), "Text5", "Command5"},
    // TRANSLATORS: a period's button and its box's name. Room: 105 x 33 pixels.
    {Period::Hourly35, N_("Hourly - 35 hr."), "Text6", "Command6"},
    // TRANSLATORS: a period's button and its box's name. Room: 105 x 33 pixels.
    {Period::Daily40, N_("Daily - 40 hr"), "Text7", "Command8"},
    // TRANSLATORS: a period's button and its box's name. Room: 105 x 33 pixels.
    {Period::Daily35, N_("Daily - 35 hr"), "Text8", "Command9"},
    // TRANSLATORS: a period's button and its box's name. Room: 105 x 33 pixels.
    {Period::Minute40, N_("Minute. - 40 hr"), "Text9", "Command10"},
    // TRANSLATORS: a period's button and its box's name. Room: 105 x 33 pixels.
    {Period::Minute35, N_("Minute - 35 hr"), "Text10", "Command11"},
    // TRANSLATORS: a period's button and its box's name. Room: 105 x 33 pixels.
    {Period::Second40, N_("Second. - 40 hr"), "Text11", "Command12"},
    // TRANSLATORS: a period's button and its box's name. Room: 105 x 33 pixels.
    {Period::Second35, N_("Second. - 35 hr"), "Text12", "Command13"},
}};
// clang-format on

// The tax entry: the drop-down list, open to typing, of the percentage of tax
// withheld.
inline constexpr std::string_view kTaxEntry = "Combo1";
// The prompt before it, which also names it for screen readers, as on the
// screen (stray spelling and the double blank included).
// TRANSLATORS: the prompt before the tax entry, in bold 8 pt. Room: 177 x 25
// pixels, two lines.
inline constexpr std::string_view kTaxPrompt = N_("Enter if any Total Estmated  TAX withheld in %");
// A figure box's description: gross while blue, net otherwise.
// TRANSLATORS: heard by screen-reader users only, for the box they typed in.
inline constexpr std::string_view kGrossDescription = N_("Gross pay, as entered");
// TRANSLATORS: heard by screen-reader users only, for a box with a result.
// Screen readers say brackets, slashes and hyphens aloud: use none.
inline constexpr std::string_view kNetDescription = N_("Net take home pay");
// TRANSLATORS: heard by screen-reader users only, when a period button has
// filled the other boxes.
inline constexpr std::string_view kComputedAnnouncement = N_("Figures computed");
// What screen readers call the main window: the program's name, not the
// caption's full stops and date.
inline constexpr std::string_view kWindowName = kApplicationTitle;

// The procedures a control runs.
enum class Command : std::uint8_t { Recalculate, Reset, Quit, Print, About };

struct Binding {
    std::string_view control;  // a button, or the menu item
    Command command;
    Period source = Period::Annual;  // Recalculate only
};

inline constexpr std::string_view kResetButton = "Command7";
inline constexpr std::string_view kQuitButton = "Command14";
inline constexpr std::string_view kPrintButton = "Command15";
inline constexpr std::string_view kAboutItemName = "About";
inline constexpr std::size_t kBindingCount = kPeriodCount + 4;

// Each period button runs the recalculation from its period, the other
// buttons reset, quit and print, and the About item shows the About dialog.
// No other event runs anything.
inline constexpr std::array<Binding, kBindingCount> kBindings = [] {
    std::array<Binding, kBindingCount> bindings{};
    std::size_t i = 0;
    for (const PeriodControls& period : kPeriodControls) {
        bindings[i++] = {period.button, Command::Recalculate, period.period};
    }
    bindings[i++] = {kResetButton, Command::Reset};
    bindings[i++] = {kQuitButton, Command::Quit};
    bindings[i++] = {kPrintButton, Command::Print};
    bindings[i++] = {kAboutItemName, Command::About};
    return bindings;
}();

// What a front end's main window gives the commands. Recalculating and
// resetting are the same everywhere, over the window's operations; the rest
// is each toolkit's own.
class Commands {
public:
    virtual ~Commands() = default;
    virtual WindowOperations& Operations() = 0;
    // The user's regional separators, read at the moment of each run.
    virtual NumberFormat RegionalFormat() const = 0;
    // Tells screen-reader users, in words, what a command has done.
    virtual void Announce(std::string_view message) = 0;
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

}  // namespace wagelyn::main_form
