#pragma once
// The error dialog as data: one fixed message and two buttons, shown
// whenever a calculation or the reset fails.

#include <string_view>

#include "i18n/translation.h"
#include "ui/forms/form_data.h"

namespace wagelyn::error_form {

// TRANSLATORS: the error dialog's title.
inline constexpr std::string_view kCaption = N_("Error Message");
inline constexpr std::string_view kMessageLabel = "Label1";
inline constexpr std::string_view kMessage =
    // TRANSLATORS: the error dialog's message, in dark green bold 10 pt. Room:
    // 265 x 81 pixels, five lines.
    N_("You Have entered either invalid value or there is an error on your system.  Please retry "
       "or restart Wagelyn program. ");
// Both buttons close the dialog. Cancel has no work of its own in the
// design; closing is what a user expects of it.
inline constexpr std::string_view kOkButton = "OKButton";
inline constexpr std::string_view kCancelButton = "CancelButton";

const FormDef& Form();

}  // namespace wagelyn::error_form
