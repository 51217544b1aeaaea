#include "ui/main/pay1_layout.h"

namespace wagelyn::pay1 {
namespace {

using K = ControlKind;
constexpr Colour kSys = kSystemColour;
constexpr Colour kPaleCyan = 0x00FFFFC0;
constexpr FontDef kFigure{Face::SansSerif, 13.5, false};
constexpr FontDef kBold8{Face::SansSerif, 8.25, true};
constexpr FontDef kPlain12{Face::SansSerif, 12.0, false};
constexpr FontDef kBold12{Face::SansSerif, 12.0, true};
constexpr FontDef kTitle{Face::Arial, 18.0, true};
constexpr FontDef kDefault{};

constexpr std::string_view kColumnNote =
    "The Left column is most commonly used and more accurate , the right one is for you to "
    "find out more interesting number in terms of different time frame.  As you may find out if "
    "you get paid by second, you will end up getting more money.";

// clang-format off
// name, kind, text, left, top, width, height, text colour, background, font, tab index
constexpr ControlDef kControls[] = {
    {"Label2", K::Label, "Wagelyn", 2040, 240, 5055, 495, kSys, kPaleCyan, kTitle, 13, true, true},
    {"Label3", K::Label, "Enter if any Total Estmated  TAX withheld in %", 120, 1200, 2655, 375,
     kSys, kBackground, kBold8, 15},
    {"Combo1", K::ComboBox, "", 2880, 1200, 1215, 420, kSys, kSys, kBold12, 14},
    {"Command7", K::Button, "Reset/Clear All Value", 4320, 1200, 1695, 375, kSys, kSys, kDefault, 12},
    {"Command15", K::Button, "Print", 6240, 1200, 975, 375, kSys, kSys, kDefault, 32},
    {"Command14", K::Button, "Quit", 7440, 1200, 1215, 375, kSys, kSys, kDefault, 31},
    {"Text1", K::TextBox, "", 480, 2040, 1335, 495, kBlue, kSys, kFigure, 0},
    {"Command1", K::Button, "Annual Salary", 2280, 2040, 1575, 495, kSys, kSys, kDefault, 4},
    {"Text2", K::TextBox, "", 480, 2760, 1335, 495, kSys, kSys, kFigure, 1},
    {"Command2", K::Button, "Monthly", 2280, 2760, 1575, 495, kSys, kSys, kDefault, 6},
    {"Text3", K::TextBox, "", 480, 3480, 1335, 495, kSys, kSys, kFigure, 2},
    {"Command3", K::Button, "Bi-Weekly", 2280, 3480, 1575, 495, kSys, kSys, kDefault, 8},
    {"Text4", K::TextBox, "", 480, 4200, 1335, 495, kSys, kSys, kFigure, 3},
    {"Command4", K::Button, "Weekly", 2280, 4200, 1575, 495, kSys, kSys, kDefault, 9},
    {"Text5", K::TextBox, "", 480, 4920, 1335, 495, kSys, kSys, kFigure, 5},
    {"Command5", K::Button, "Hourly - 40 hr.", 2280, 4920, 1575, 495, kSys, kSys, kDefault, 10},
    {"Text6", K::TextBox, "", 480, 5640, 1335, 495, kSys, kSys, kFigure, 7},
    {"Command6", K::Button, "Hourly - 35 hr.", 2280, 5640, 1575, 495, kSys, kSys, kDefault, 11},
    {"Text7", K::TextBox, "", 5040, 2040, 1335, 495, kSys, kSys, kFigure, 16},
    {"Command8", K::Button, "Daily - 40 hr", 6840, 2040, 1575, 495, kSys, kSys, kDefault, 18},
    {"Text8", K::TextBox, "", 5040, 2760, 1335, 495, kSys, kSys, kFigure, 17},
    {"Command9", K::Button, "Daily - 35 hr", 6840, 2760, 1575, 495, kSys, kSys, kDefault, 19},
    {"Text9", K::TextBox, "", 5040, 3480, 1335, 495, kSys, kSys, kFigure, 20},
    {"Command10", K::Button, "Minute. - 40 hr", 6840, 3480, 1575, 495, kSys, kSys, kDefault, 22},
    {"Text10", K::TextBox, "", 5040, 4200, 1335, 495, kSys, kSys, kFigure, 21},
    {"Command11", K::Button, "Minute - 35 hr", 6840, 4200, 1575, 495, kSys, kSys, kDefault, 23},
    {"Text11", K::TextBox, "", 5040, 4920, 1335, 495, kSys, kSys, kFigure, 24},
    {"Command12", K::Button, "Second. - 40 hr", 6840, 4920, 1575, 495, kSys, kSys, kDefault, 25},
    {"Text12", K::TextBox, "", 5040, 5640, 1335, 495, kSys, kSys, kFigure, 27},
    {"Command13", K::Button, "Second. - 35 hr", 6840, 5640, 1575, 495, kSys, kSys, kDefault, 26},
    {"Label1", K::Label, kColumnNote, 240, 6720, 8535, 615, kSys, kSys, kBold8, 28},
    {"Label4", K::Label, "Blue one is the Gross Pay You Enter", 240, 7440, 4095, 375, kBlue, kSys,
     kPlain12, 29},
    {"Label5", K::Label, "Red ones are the Net/Take Home pay(s)", 4440, 7440, 4335, 375, kRed, kSys,
     kPlain12, 30},
};
// clang-format on

// A rectangle around both columns and the divider between them.
// clang-format off
constexpr LineDef kLines[] = {
    {"Line1", 120, 1800, 8760, 1800, 3},
    {"Line2", 4440, 1800, 4440, 6480, 3},
    {"Line3", 120, 1800, 120, 6480, 3},
    {"Line4", 8760, 1800, 8760, 6480, 3},
    {"Line5", 120, 6480, 8760, 6480, 3},
};
// clang-format on

}  // namespace

std::span<const ControlDef> Controls() {
    return kControls;
}
std::span<const LineDef> Lines() {
    return kLines;
}

}  // namespace wagelyn::pay1
