#pragma once
// The About dialog as data: icon, title, version, how to use the
// calculator, a credit and a notice, OK and "&System Info...". Its caption,
// title and version line are filled from the application object each time
// it loads.

#include <string>
#include <string_view>

#include "i18n/translation.h"
#include "ui/forms/form_data.h"

namespace wagelyn::about_form {

inline constexpr std::string_view kIcon = "picIcon";
inline constexpr std::string_view kOkButton = "cmdOK";  // the default and the cancel button
inline constexpr std::string_view kSysInfoButton = "cmdSysInfo";
inline constexpr std::string_view kTitleLabel = "lblTitle";
inline constexpr std::string_view kVersionLabel = "lblVersion";
// TRANSLATORS: what a screen reader says of the About dialog's icon.
inline constexpr std::string_view kIconName = N_("Wagelyn icon");

const FormDef& Form();

// "About " and the application title.
std::string Caption(std::string_view title);
// The program's version, "Version 1.0.0": each number in plain decimal.
std::string VersionLine();

}  // namespace wagelyn::about_form
