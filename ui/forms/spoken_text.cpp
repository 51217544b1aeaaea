#include "ui/forms/spoken_text.h"

#include "i18n/translation.h"

namespace wagelyn {
namespace {

// ASCII letters, and every byte of a non-ASCII UTF-8 character: a mark
// next to one stands beside a word.
bool IsLetter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || ((byte | 0x20) >= 'a' && (byte | 0x20) <= 'z');
}

}  // namespace

std::string SpokenText(std::string_view text) {
    std::string spoken;
    spoken.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char before = i > 0 ? text[i - 1] : ' ';
        const char after = i + 1 < text.size() ? text[i + 1] : ' ';
        switch (c) {
            case '(':
            case ')':
            case '[':
            case ']':
                continue;
            case '/':
                spoken += ' ';
                continue;
            case '-':
                if (before == ' ' && after == ' ') {
                    while (!spoken.empty() && spoken.back() == ' ') {
                        spoken.pop_back();
                    }
                    spoken += ',';
                    continue;
                }
                if (IsLetter(before) && IsLetter(after)) {
                    spoken += ' ';
                    continue;
                }
                break;
            case '.':
                if (IsLetter(before) && !IsLetter(after) &&
                    (after == ' ' || i + 1 == text.size())) {
                    continue;
                }
                break;
            default:
                break;
        }
        spoken += c;
    }
    return spoken;
}

std::string ScreenReaderText(std::string_view english) {
    return SpokenText(Translate(english));
}

}  // namespace wagelyn
