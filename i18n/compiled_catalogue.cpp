#include "i18n/compiled_catalogue.h"

namespace wagelyn {
namespace {

constexpr std::uint32_t kMagic = 0x950412deU;
constexpr std::uint32_t kSwappedMagic = 0xde120495U;
// msgfmt joins a context to its English text with 0x04, and a singular to
// its plural with a null byte: entries Find could never match.
constexpr std::string_view kJoiners("\x04\0", 2);

}  // namespace

std::optional<CompiledCatalogue> CompiledCatalogue::Read(std::span<const unsigned char> bytes) {
    CompiledCatalogue catalogue{bytes};
    const std::optional<std::uint32_t> magic = catalogue.Word(0);
    if (!magic) {
        return std::nullopt;
    }
    if (*magic == kSwappedMagic) {
        catalogue.swapped_ = true;
    } else if (*magic != kMagic) {
        return std::nullopt;
    }
    const auto revision = catalogue.Word(4);
    const auto count = catalogue.Word(8);
    const auto originals = catalogue.Word(12);
    const auto translations = catalogue.Word(16);
    // Revision 0 alone: later ones add texts this reader would not see.
    if (!revision || *revision != 0 || !count || !originals || !translations) {
        return std::nullopt;
    }
    catalogue.count_ = *count;
    catalogue.originals_ = *originals;
    catalogue.translations_ = *translations;
    std::string_view previous;
    for (std::uint32_t i = 0; i < catalogue.count_; ++i) {
        const auto original = catalogue.Text(catalogue.originals_, i);
        if (!original || !catalogue.Text(catalogue.translations_, i)) {
            return std::nullopt;
        }
        // Find searches by halves, which needs the English texts in order.
        if (i > 0 && !(previous < *original)) {
            return std::nullopt;
        }
        if (original->find_first_of(kJoiners) != std::string_view::npos) {
            return std::nullopt;
        }
        previous = *original;
    }
    return catalogue;
}

std::optional<std::string_view> CompiledCatalogue::Find(std::string_view english) const {
    std::uint32_t low = 0;
    std::uint32_t high = count_;
    while (low < high) {
        const std::uint32_t middle = low + (high - low) / 2;
        const auto [original, translation] = Entry(middle);
        if (original == english) {
            return translation;
        }
        if (original < english) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return std::nullopt;
}

std::pair<std::string_view, std::string_view> CompiledCatalogue::Entry(std::uint32_t index) const {
    return {*Text(originals_, index), *Text(translations_, index)};
}

std::optional<std::uint32_t> CompiledCatalogue::Word(std::uint64_t at) const {
    if (at + 4 > bytes_.size()) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        const unsigned byte = bytes_[at + static_cast<std::uint64_t>(swapped_ ? i : 3 - i)];
        value = (value << 8) | byte;
    }
    return value;
}

// Entry `index` of the table at `table`: its text, which msgfmt ends with a
// null byte not counted in its length.
std::optional<std::string_view> CompiledCatalogue::Text(std::uint32_t table,
                                                        std::uint32_t index) const {
    const std::uint64_t entry = table + std::uint64_t{index} * 8;
    const auto length = Word(entry);
    const auto offset = Word(entry + 4);
    if (!length || !offset) {
        return std::nullopt;
    }
    const std::uint64_t end = std::uint64_t{*offset} + *length;
    if (end >= bytes_.size() || bytes_[end] != 0) {
        return std::nullopt;
    }
    return std::string_view(reinterpret_cast<const char*>(bytes_.data()) + *offset, *length);
}

}  // namespace wagelyn
