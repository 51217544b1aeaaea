#pragma once

namespace wagelyn {

// The decimal places a figure can keep: none to 15, the most that the
// 15-digit plain form of a double can show.
inline constexpr int kMaxDecimalPlaces = 15;

// Throws std::out_of_range unless 0 <= digits <= kMaxDecimalPlaces.
void RequireDecimalPlaces(int digits);

// Keeps `digits` decimal places: the nearest multiple of 10^-digits, halves to
// the even neighbour, negative values as the mirror image of positive ones.
//
// A double that is not exactly a half but whose shortest decimal form is one
// (2.675, stored as 2.67499999999999982…) is treated by that shortest decimal
// form: 2.675 keeps 2.68, as the user reads it. The result is the double
// nearest to the rounded decimal, so it prints back as exactly that decimal.
// Values too large to carry the places (no fraction left) come back unchanged.
// `digits` must be a valid number of places (RequireDecimalPlaces).
[[nodiscard]] double KeepDecimals(double value, int digits);

}  // namespace wagelyn
