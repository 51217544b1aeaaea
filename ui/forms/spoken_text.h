#pragma once
// Names and descriptions as screen readers should say them. At their usual
// punctuation level they speak a bracket, a slash, a dash and a full stop
// inside a text aloud ("left paren", "dash", "dot"); the captions carry such
// marks only for the eye (stray full stops, "Hourly - 40 hr.").

#include <string>
#include <string_view>

namespace wagelyn {

// `text` with brackets gone, a slash made a blank, " - " made a comma, a
// hyphen between letters made a blank, and a full stop that ends a word
// dropped; a decimal point ("0.0079") and everything else stay.
std::string SpokenText(std::string_view text);

// The translation of `english`, as spoken.
std::string ScreenReaderText(std::string_view english);

}  // namespace wagelyn
