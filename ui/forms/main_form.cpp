#include "ui/forms/main_form.h"

#include "app/process_factor.h"
#include "conversion/recalculation.h"

namespace wagelyn::main_form {
namespace {

using K = ControlKind;
using P = Period;

constexpr std::string_view BoxOf(Period p) {
    return kPeriodControls[IndexOf(p)].box;
}
constexpr std::string_view ButtonOf(Period p) {
    return kPeriodControls[IndexOf(p)].button;
}
constexpr std::string_view CaptionOf(Period p) {
    return kPeriodControls[IndexOf(p)].caption;
}
constexpr Colour kSys = kSystemColour;
constexpr Colour kPaleCyan = 0x00FFFFC0;
constexpr FontDef kFigure{Face::SansSerif, 13.5, false};
constexpr FontDef kBold8{Face::SansSerif, 8.25, true};
constexpr FontDef kPlain12{Face::SansSerif, 12.0, false};
constexpr FontDef kBold12{Face::SansSerif, 12.0, true};
constexpr FontDef kTitle{Face::Arial, 18.0, true};
constexpr FontDef kDefault{};

constexpr std::string_view kColumnNote =
    // TRANSLATORS: the note under the two columns, in bold 8 pt. Room: 569 x 41
    // pixels, three lines.
    N_("The Left column is most commonly used and more accurate , the right one is for you to "
       "find out more interesting number in terms of different time frame.  As you may find out if "
       "you get paid by second, you will end up getting more money.");

// clang-format off
// name, kind, text, left, top, width, height, text colour, background, font, tab index
constexpr ControlDef kControls[] = {
    {"Label2", K::Label, "Wagelyn", 2040, 240, 5055, 495, kSys, kPaleCyan, kTitle, 13, true, true},
    {"Label3", K::Label, kTaxPrompt, 120, 1200, 2655, 375, kSys, kBackground, kBold8, 15},
    {kTaxEntry, K::ComboBox, "", 2880, 1200, 1215, 420, kSys, kSys, kBold12, 14},
    {kResetButton, K::Button,
     // TRANSLATORS: a button that empties every box. Room: 113 x 25 pixels, one line.
     N_("Reset/Clear All Value"), 4320, 1200, 1695, 375, kSys, kSys, kDefault, 12},
    {kPrintButton, K::Button,
     // TRANSLATORS: a button. Room: 65 x 25 pixels, one line.
     N_("Print"), 6240, 1200, 975, 375, kSys, kSys, kDefault, 32},
    {kQuitButton, K::Button,
     // TRANSLATORS: a button that closes the program. Room: 81 x 25 pixels.
     N_("Quit"), 7440, 1200, 1215, 375, kSys, kSys, kDefault, 31},
    {BoxOf(P::Annual), K::TextBox, "", 480, 2040, 1335, 495, kBlue, kSys, kFigure, 0},
    {ButtonOf(P::Annual), K::Button, CaptionOf(P::Annual), 2280, 2040, 1575, 495, kSys, kSys, kDefault, 4},
    {BoxOf(P::Monthly), K::TextBox, "", 480, 2760, 1335, 495, kSys, kSys, kFigure, 1},
    {ButtonOf(P::Monthly), K::Button, CaptionOf(P::Monthly), 2280, 2760, 1575, 495, kSys, kSys, kDefault, 6},
    {BoxOf(P::BiWeekly), K::TextBox, "", 480, 3480, 1335, 495, kSys, kSys, kFigure, 2},
    {ButtonOf(P::BiWeekly), K::Button, CaptionOf(P::BiWeekly), 2280, 3480, 1575, 495, kSys, kSys, kDefault, 8},
    {BoxOf(P::Weekly), K::TextBox, "", 480, 4200, 1335, 495, kSys, kSys, kFigure, 3},
    {ButtonOf(P::Weekly), K::Button, CaptionOf(P::Weekly), 2280, 4200, 1575, 495, kSys, kSys, kDefault, 9},
    {BoxOf(P::Hourly40), K::TextBox, "", 480, 4920, 1335, 495, kSys, kSys, kFigure, 5},
    {ButtonOf(P::Hourly40), K::Button, CaptionOf(P::Hourly40), 2280, 4920, 1575, 495, kSys, kSys, kDefault, 10},
    {BoxOf(P::Hourly35), K::TextBox, "", 480, 5640, 1335, 495, kSys, kSys, kFigure, 7},
    {ButtonOf(P::Hourly35), K::Button, CaptionOf(P::Hourly35), 2280, 5640, 1575, 495, kSys, kSys, kDefault, 11},
    {BoxOf(P::Daily40), K::TextBox, "", 5040, 2040, 1335, 495, kSys, kSys, kFigure, 16},
    {ButtonOf(P::Daily40), K::Button, CaptionOf(P::Daily40), 6840, 2040, 1575, 495, kSys, kSys, kDefault, 18},
    {BoxOf(P::Daily35), K::TextBox, "", 5040, 2760, 1335, 495, kSys, kSys, kFigure, 17},
    {ButtonOf(P::Daily35), K::Button, CaptionOf(P::Daily35), 6840, 2760, 1575, 495, kSys, kSys, kDefault, 19},
    {BoxOf(P::Minute40), K::TextBox, "", 5040, 3480, 1335, 495, kSys, kSys, kFigure, 20},
    {ButtonOf(P::Minute40), K::Button, CaptionOf(P::Minute40), 6840, 3480, 1575, 495, kSys, kSys, kDefault, 22},
    {BoxOf(P::Minute35), K::TextBox, "", 5040, 4200, 1335, 495, kSys, kSys, kFigure, 21},
    {ButtonOf(P::Minute35), K::Button, CaptionOf(P::Minute35), 6840, 4200, 1575, 495, kSys, kSys, kDefault, 23},
    {BoxOf(P::Second40), K::TextBox, "", 5040, 4920, 1335, 495, kSys, kSys, kFigure, 24},
    {ButtonOf(P::Second40), K::Button, CaptionOf(P::Second40), 6840, 4920, 1575, 495, kSys, kSys, kDefault, 25},
    {BoxOf(P::Second35), K::TextBox, "", 5040, 5640, 1335, 495, kSys, kSys, kFigure, 27},
    {ButtonOf(P::Second35), K::Button, CaptionOf(P::Second35), 6840, 5640, 1575, 495, kSys, kSys, kDefault, 26},
    {"Label1", K::Label, kColumnNote, 240, 6720, 8535, 615, kSys, kSys, kBold8, 28},
    {"Label4", K::Label,
     // TRANSLATORS: the colour key, in blue 12 pt. Room: 273 x 25 pixels, one line.
     N_("Blue one is the Gross Pay You Enter"), 240, 7440, 4095, 375, kBlue, kSys,
     kPlain12, 29},
    {"Label5", K::Label,
     // TRANSLATORS: the colour key, in red 12 pt. Room: 289 x 25 pixels, one line.
     N_("Red ones are the Net/Take Home pay(s)"), 4440, 7440, 4335, 375, kRed, kSys,
     kPlain12, 30},
};
// clang-format on

// A rectangle around both columns and the divider between them.
// clang-format off
constexpr LineDef kLines[] = {
    {120, 1800, 8760, 1800, 3},  // Line1
    {4440, 1800, 4440, 6480, 3},  // Line2
    {120, 1800, 120, 6480, 3},  // Line3
    {8760, 1800, 8760, 6480, 3},  // Line4
    {120, 6480, 8760, 6480, 3},  // Line5
};
// clang-format on
static_assert(StraightLines(kLines));

// The window is named by the program alone: its caption's run of full
// stops and its date would be spelt out. Buttons are named by their captions
// as spoken, without their stray full stops, dashes and slashes.
constexpr auto kAccessible = [] {
    std::array<AccessibleDef, 2 * kPeriodCount + 3> table{};
    std::size_t i = 0;
    table[i++] = {"", kWindowName};
    for (const PeriodControls& period : kPeriodControls) {
        table[i++] = {period.box, period.caption, kNetDescription, kGrossDescription};
        table[i++] = {period.button, period.caption};
    }
    table[i++] = {kTaxEntry, kTaxPrompt};
    table[i++] = {kResetButton, FindControl(kControls, kResetButton)->text};
    return table;
}();

constexpr FormDef kForm{.controls = kControls,
                        .lines = kLines,
                        .clientWidth = kClientWidth,
                        .clientHeight = kClientHeight,
                        .background = kBackground,
                        .accessible = kAccessible};

}  // namespace

namespace {

// The window, as the conversion sees it, noting whether the run failed.
class WatchedWindow final : public WindowOperations {
public:
    explicit WatchedWindow(WindowOperations& window) : window_(window) {}

    std::string BoxText(Period period) const override { return window_.BoxText(period); }
    void SetBoxText(Period period, std::string_view text) override {
        window_.SetBoxText(period, text);
    }
    void SetBoxColour(Period period, Colour colour) override {
        window_.SetBoxColour(period, colour);
    }
    std::string TaxText() const override { return window_.TaxText(); }
    void SetTaxText(std::string_view text) override { window_.SetTaxText(text); }
    void ShowError() override {
        showedError_ = true;
        window_.ShowError();
    }

    bool ShowedError() const { return showedError_; }

private:
    WindowOperations& window_;
    bool showedError_ = false;
};

}  // namespace

void Run(const Binding& binding, Commands& window) {
    switch (binding.command) {
        case Command::Recalculate: {
            WatchedWindow watched(window.Operations());
            Recalculate(binding.source, watched, process::TakeHomeFactor, window.RegionalFormat());
            // A failed run speaks through the error dialog.
            if (!watched.ShowedError()) {
                window.Announce(Translate(kComputedAnnouncement));
            }
            break;
        }
        case Command::Reset:
            ResetBoxes(window.Operations());
            break;
        case Command::Quit:
            window.Quit();
            break;
        case Command::Print:
            window.Print();
            break;
        case Command::About:
            window.ShowAbout();
            break;
    }
}

const FormDef& Form() {
    return kForm;
}
std::span<const ControlDef> Controls() {
    return kControls;
}
std::span<const LineDef> Lines() {
    return kLines;
}

}  // namespace wagelyn::main_form
