#include "conversion/text_to_number.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <span>
#include <string>
#include <system_error>

namespace wagelyn {
namespace {

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Exponents are saturated here: far beyond any double, yet small enough that
// adding the mantissa's own length can never overflow.
constexpr std::int64_t kExponentLimit = 999'999'999;

// Blanks that may stand around a figure: spaces and tabs, and the no-break
// spaces that text copied from documents and web pages brings along.
constexpr std::string_view kBlanks[] = {" ", "\t", "\u00A0", "\u202F", "\u2007"};

std::size_t BlankAtStart(std::string_view text) {
    for (std::string_view blank : kBlanks) {
        if (text.starts_with(blank)) {
            return blank.size();
        }
    }
    return 0;
}

std::size_t BlankAtEnd(std::string_view text) {
    for (std::string_view blank : kBlanks) {
        if (text.ends_with(blank)) {
            return blank.size();
        }
    }
    return 0;
}

// Where a region groups digits with a blank (French U+202F, Russian U+00A0)
// people type a plain space, and where it groups with U+2019 (Swiss), an
// ASCII apostrophe: each counts as the region's separator.
constexpr std::string_view kBlankGroups[] = {" ", "\u00A0", "\u202F"};
constexpr std::string_view kApostropheGroups[] = {"\u2019", "'"};

// The separators read as the region's group separator.
std::span<const std::string_view> GroupSeparatorsFor(const std::string_view& group) {
    using Family = std::span<const std::string_view>;
    for (Family family : {Family{kBlankGroups}, Family{kApostropheGroups}}) {
        if (std::find(family.begin(), family.end(), group) != family.end()) {
            return family;
        }
    }
    return group.empty() ? std::span<const std::string_view>{} : std::span{&group, 1};
}

// The length of the group separator that `text` starts with, or 0.
std::size_t GroupAtStart(std::string_view text, std::span<const std::string_view> groups) {
    for (std::string_view group : groups) {
        if (text.starts_with(group)) {
            return group.size();
        }
    }
    return 0;
}

std::string_view Trim(std::string_view text) {
    while (std::size_t n = BlankAtStart(text)) {
        text.remove_prefix(n);
    }
    while (std::size_t n = BlankAtEnd(text)) {
        text.remove_suffix(n);
    }
    return text;
}

// Decimal exponent of the leading significant digit of digits[0..], given how
// many of them stand before the decimal point; digits holds no zero-only run.
std::int64_t LeadingMagnitude(std::string_view digits, std::size_t integerDigits,
                              std::int64_t exponent) {
    std::size_t first = digits.find_first_not_of('0');
    return static_cast<std::int64_t>(integerDigits) - static_cast<std::int64_t>(first) - 1 +
           exponent;
}

}  // namespace

std::optional<double> TextToNumber(std::string_view text, const NumberFormat& format) {
    const std::string_view s = Trim(text);
    const std::string_view decimal = format.decimal;
    // A group separator equal to the decimal one would make "1,5" ambiguous:
    // the decimal meaning wins.
    const std::string_view group =
        format.group == format.decimal ? std::string_view{} : std::string_view{format.group};
    const std::span<const std::string_view> groups = GroupSeparatorsFor(group);

    std::size_t i = 0;
    const std::size_t n = s.size();
    bool negative = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }

    // Digits alone, integer part then fraction; the point is implied.
    std::string digits;
    digits.reserve(n - i);
    std::size_t integerDigits = 0;
    std::size_t runLength = 0;  // digits since the last group separator
    bool grouped = false;
    while (i < n) {
        if (IsDigit(s[i])) {
            digits.push_back(s[i++]);
            ++integerDigits;
            ++runLength;
        } else if (const std::size_t groupLength = GroupAtStart(s.substr(i), groups)) {
            // Groups of three only: "4333.33" under German settings fails
            // instead of reading as 433333.
            if (runLength == 0 || runLength > 3 || (grouped && runLength != 3)) {
                return std::nullopt;
            }
            grouped = true;
            runLength = 0;
            i += groupLength;
        } else {
            break;
        }
    }
    if (grouped && runLength != 3) {
        return std::nullopt;
    }
    if (!decimal.empty() && s.substr(i).starts_with(decimal)) {
        i += decimal.size();
        while (i < n && IsDigit(s[i])) {
            digits.push_back(s[i++]);
        }
    }
    if (digits.empty()) {
        return std::nullopt;
    }

    std::int64_t exponent = 0;
    if (i < n && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (s[i] == '+' || s[i] == '-')) {
            negativeExponent = s[i] == '-';
            ++i;
        }
        if (i == n || !IsDigit(s[i])) {
            return std::nullopt;
        }
        while (i < n && IsDigit(s[i])) {
            exponent = std::min<std::int64_t>(exponent * 10 + (s[i++] - '0'), kExponentLimit);
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    if (i != n) {
        return std::nullopt;
    }

    if (digits.find_first_not_of('0') == std::string::npos) {
        return negative ? -0.0 : 0.0;
    }

    // Hand the standard, locale-free reader nothing but "DIGITSe<exp>": it
    // never sees the user's text, so its own extras (inf, nan, hex) cannot leak in.
    const std::int64_t scaled = exponent - static_cast<std::int64_t>(digits.size() - integerDigits);
    const std::int64_t magnitude = LeadingMagnitude(digits, integerDigits, exponent);
    digits.push_back('e');
    char exponentText[24];
    auto [end, ec] = std::to_chars(exponentText, exponentText + sizeof exponentText, scaled);
    digits.append(exponentText, end);

    double value = 0.0;
    auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (magnitude > 0) {
            return std::nullopt;  // beyond the double range
        }
        value = 0.0;  // too small for a double: reads as zero
    } else if (result.ec != std::errc{} || result.ptr != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace wagelyn
