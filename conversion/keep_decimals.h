#pragma once

namespace wagelyn {

// Keeps `digits` decimal places: the nearest multiple of 10^-digits, halves to
// the even neighbour, negative values as the mirror image of positive ones.
//
// A double that is not exactly a half but whose shortest decimal form is one
// (2.675, stored as 2.67499999999999982…) is treated by that shortest decimal
// form: 2.675 keeps 2.68, as the user reads it. The result is the double
// nearest to the rounded decimal, so it prints back as exactly that decimal.
// Values too large to carry the places (no fraction left) come back unchanged.
[[nodiscard]] double KeepDecimals(double value, int digits);

}  // namespace wagelyn
