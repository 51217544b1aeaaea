#include "ui/forms/about_form.h"

#include "app/version.h"

namespace wagelyn::about_form {
namespace {

constexpr Colour kBlack = 0x00000000;
constexpr Colour kSys = kSystemColour;
using K = ControlKind;
constexpr bool kOnFace = true;  // labels stand on the dialog's own face

// Two labels hold texts of this program's own: a credit and a notice.
// clang-format off
constexpr ControlDef kControls[] = {
    {kIcon, K::Picture, "", 240, 240, 540, 540, kSys, kSys, {}, 1},
    // TRANSLATORS: a button. Room: 84 x 23 pixels.
    {kOkButton, K::Button, N_("OK"), 4245, 2625, 1260, 345, kSys, kSys, {}, 0},
    // TRANSLATORS: a button that starts the system's information tool; "&"
    // marks its access key. Room: 83 x 23 pixels.
    {kSysInfoButton, K::Button, N_("&System Info..."), 4260, 3075, 1245, 345, kSys, kSys, {}, 2},
    {"Label1", K::Label,
     // TRANSLATORS: a notice in 8 pt. Room: 273 x 73 pixels, five lines.
     N_("Wagelyn is free software under the MIT license: copy it, share it and hand it on freely."),
     240, 3720, 4095, 1095, kSys, kSys, {}, 7, false, false, kOnFace},
    {"lblDescription", K::Label,
     // TRANSLATORS: how to use the program, in 8 pt. Room: 259 x 78 pixels, six
     // lines; the dashes begin each of its two paragraphs.
     N_("-------Enter the salary you know, and you will find out if  how much you will/are paid by "
     "monthly, biweekly, weekly and so on."
     "                                                         "
     "-------Specify the est. tax % withheld from the government by either use drop down bar to "
     "pick % or enter it yourself.   "),
     960, 1080, 3885, 1170, kBlack, kSys, {}, 3, false, false, kOnFace},
    {kTitleLabel, K::Label, "Application Title", 1080, 240, 3885, 480, kBlack, kSys, {}, 5, false, false, kOnFace},
    {kVersionLabel, K::Label, "Version", 1050, 780, 3885, 225, kSys, kSys, {}, 6, false, false, kOnFace},
    {"lblDisclaimer", K::Label,
     // TRANSLATORS: a credit in 8 pt. Room: 258 x 55 pixels, four lines.
     N_("Written by the Wagelyn developers in 2026, so that anyone can see what a pay figure "
     "means for every pay period. Comments and wishes are welcome on the project's issue "
     "tracker."),
     255, 2625, 3870, 825, kBlack, kSys, {}, 4, false, false, kOnFace},
};
// clang-format on

// An etched separator: a grey line with a white double-width one beneath.
constexpr LineDef kLines[] = {
    {90, 2445, 5654, 2445, 1, 0x00808080},
    {105, 2460, 5654, 2460, 2, 0x00FFFFFF},
};
static_assert(StraightLines(kLines));

// The icon has no text of its own to be named by.
constexpr AccessibleDef kAccessible[] = {{kIcon, kIconName}};

// Its client area's corner at (2340, 1935) on the screen, 5730 x 5115 twips.
constexpr FormDef kForm{.controls = kControls,
                        .lines = kLines,
                        .clientWidth = 5730,
                        .clientHeight = 5115,
                        .placedBySystem = false,
                        .clientLeft = 2340,
                        .clientTop = 1935,
                        .accessible = kAccessible};

}  // namespace

const FormDef& Form() {
    return kForm;
}

std::string Caption(std::string_view title) {
    // TRANSLATORS: the About dialog's title; %s is the program's name.
    return TranslateFormat(N_("About %s"), {title});
}

std::string VersionLine() {
    const std::string number = std::to_string(version::kMajor) + "." +
                               std::to_string(version::kMinor) + "." +
                               std::to_string(version::kRevision);
    // TRANSLATORS: under the About dialog's title; %s is the version number.
    return TranslateFormat(N_("Version %s"), {number});
}

}  // namespace wagelyn::about_form
