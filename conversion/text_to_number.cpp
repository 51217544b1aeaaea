#include "conversion/text_to_number.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <span>
#include <string>
#include <system_error>
#include <utility>

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

// A cursor over the trimmed text, taken apart in the order a figure is written.
struct Reader {
    std::string_view text;
    std::size_t at = 0;

    bool AtEnd() const { return at == text.size(); }
    bool PeekDigit() const { return at < text.size() && IsDigit(text[at]); }
    std::string_view Rest() const { return text.substr(at); }

    // Takes `c` if it stands next.
    bool Take(char c) {
        if (at < text.size() && text[at] == c) {
            ++at;
            return true;
        }
        return false;
    }
};

// An optional sign: true for minus.
bool ReadSign(Reader& in) {
    if (in.Take('-')) {
        return true;
    }
    in.Take('+');
    return false;
}

// A figure's digits alone, integer part then fraction; the point is implied.
struct Mantissa {
    std::string digits;
    std::size_t integerDigits = 0;
};

// The integer part, where group separators may stand only between groups of
// three after a first group of one to three: "4333.33" under German settings
// fails instead of reading as 433333.
bool ReadIntegerPart(Reader& in, std::span<const std::string_view> groups, Mantissa& out) {
    std::size_t runLength = 0;  // digits since the last group separator
    bool grouped = false;
    while (!in.AtEnd()) {
        if (in.PeekDigit()) {
            out.digits.push_back(in.text[in.at++]);
            ++out.integerDigits;
            ++runLength;
        } else if (const std::size_t groupLength = GroupAtStart(in.Rest(), groups)) {
            if (runLength == 0 || runLength > 3 || (grouped && runLength != 3)) {
                return false;
            }
            grouped = true;
            runLength = 0;
            in.at += groupLength;
        } else {
            break;
        }
    }
    return !grouped || runLength == 3;
}

void ReadFraction(Reader& in, std::string_view decimal, Mantissa& out) {
    if (decimal.empty() || !in.Rest().starts_with(decimal)) {
        return;
    }
    in.at += decimal.size();
    while (in.PeekDigit()) {
        out.digits.push_back(in.text[in.at++]);
    }
}

// An optional exponent: E or e, an optional sign, digits; saturated at
// kExponentLimit. Empty when an E stands without digits.
std::optional<std::int64_t> ReadExponent(Reader& in) {
    if (!in.Take('E') && !in.Take('e')) {
        return 0;
    }
    const bool negative = ReadSign(in);
    if (!in.PeekDigit()) {
        return std::nullopt;
    }
    std::int64_t exponent = 0;
    while (in.PeekDigit()) {
        exponent = std::min<std::int64_t>(exponent * 10 + (in.text[in.at++] - '0'), kExponentLimit);
    }
    return negative ? -exponent : exponent;
}

// The double nearest to digits × 10^exponent, or empty beyond the double
// range. Hands the standard, locale-free reader nothing but "DIGITSe<exp>":
// it never sees the user's text, so its own extras (inf, nan, hex) cannot
// leak in.
std::optional<double> NearestDouble(Mantissa mantissa, std::int64_t exponent) {
    std::string& digits = mantissa.digits;
    if (digits.find_first_not_of('0') == std::string::npos) {
        return 0.0;
    }
    const std::int64_t scaled =
        exponent - static_cast<std::int64_t>(digits.size() - mantissa.integerDigits);
    const std::int64_t magnitude = LeadingMagnitude(digits, mantissa.integerDigits, exponent);
    digits.push_back('e');
    char exponentText[24];
    auto [end, ec] = std::to_chars(exponentText, exponentText + sizeof exponentText, scaled);
    digits.append(exponentText, end);

    double value = 0.0;
    auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (magnitude > 0) {
            return std::nullopt;
        }
        return 0.0;  // too small for a double: reads as zero
    }
    if (result.ec != std::errc{} || result.ptr != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<double> TextToNumber(std::string_view text, const NumberFormat& format) {
    // A group separator equal to the decimal one would make "1,5" ambiguous:
    // the decimal meaning wins.
    const std::string_view group =
        format.group == format.decimal ? std::string_view{} : std::string_view{format.group};

    Reader in{Trim(text)};
    const bool negative = ReadSign(in);
    Mantissa mantissa;
    mantissa.digits.reserve(in.text.size());
    if (!ReadIntegerPart(in, GroupSeparatorsFor(group), mantissa)) {
        return std::nullopt;
    }
    ReadFraction(in, format.decimal, mantissa);
    if (mantissa.digits.empty()) {
        return std::nullopt;
    }
    const std::optional<std::int64_t> exponent = ReadExponent(in);
    if (!exponent || !in.AtEnd()) {
        return std::nullopt;
    }
    const std::optional<double> value = NearestDouble(std::move(mantissa), *exponent);
    if (!value) {
        return std::nullopt;
    }
    return negative ? -*value : *value;
}

}  // namespace wagelyn
