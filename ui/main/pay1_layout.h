#pragma once
// The main window as data: its controls, lines, tax list and caption.

#include <array>
#include <span>
#include <string_view>

#include "ui/form/form_data.h"

namespace wagelyn::pay1 {

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

std::span<const ControlDef> Controls();
std::span<const LineDef> Lines();

}  // namespace wagelyn::pay1
