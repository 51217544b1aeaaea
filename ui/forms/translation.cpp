#include "ui/forms/translation.h"

#include <cstdint>
#include <optional>

#include "ui/forms/embedded_catalogues.h"

namespace wagelyn {
namespace {

// A compiled catalogue in GNU's .mo layout: a header, then two tables of
// (length, offset) pairs, for the English texts (sorted, as msgfmt writes
// them) and for their translations. Every offset is checked before use.
class CompiledCatalogue {
public:
    static std::optional<CompiledCatalogue> Read(std::span<const unsigned char> bytes) {
        CompiledCatalogue catalogue{bytes};
        const std::optional<std::uint32_t> magic = catalogue.Word(0);
        if (!magic) {
            return std::nullopt;
        }
        if (*magic == 0xde120495U) {
            catalogue.swapped_ = true;
        } else if (*magic != 0x950412deU) {
            return std::nullopt;
        }
        const auto count = catalogue.Word(8);
        const auto originals = catalogue.Word(12);
        const auto translations = catalogue.Word(16);
        if (!count || !originals || !translations) {
            return std::nullopt;
        }
        catalogue.count_ = *count;
        catalogue.originals_ = *originals;
        catalogue.translations_ = *translations;
        for (std::uint32_t i = 0; i < catalogue.count_; ++i) {
            if (!catalogue.Text(catalogue.originals_, i) ||
                !catalogue.Text(catalogue.translations_, i)) {
                return std::nullopt;
            }
        }
        return catalogue;
    }

    std::optional<std::string_view> Find(std::string_view english) const {
        std::uint32_t low = 0;
        std::uint32_t high = count_;
        while (low < high) {
            const std::uint32_t middle = low + (high - low) / 2;
            const std::string_view original = *Text(originals_, middle);
            if (original == english) {
                return *Text(translations_, middle);
            }
            if (original < english) {
                low = middle + 1;
            } else {
                high = middle;
            }
        }
        return std::nullopt;
    }

private:
    explicit CompiledCatalogue(std::span<const unsigned char> bytes) : bytes_(bytes) {}

    std::optional<std::uint32_t> Word(std::uint64_t at) const {
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

    // Entry `index` of the table at `table`: its text, which msgfmt ends
    // with a null byte not counted in its length.
    std::optional<std::string_view> Text(std::uint32_t table, std::uint32_t index) const {
        const std::uint64_t entry = table + std::uint64_t{index} * 8;
        const auto length = Word(entry);
        const auto offset = Word(entry + 4);
        if (!length || !offset || std::uint64_t{*offset} + *length >= bytes_.size()) {
            return std::nullopt;
        }
        return std::string_view(reinterpret_cast<const char*>(bytes_.data()) + *offset, *length);
    }

    std::span<const unsigned char> bytes_;
    bool swapped_ = false;
    std::uint32_t count_ = 0;
    std::uint32_t originals_ = 0;
    std::uint32_t translations_ = 0;
};

struct Chosen {
    std::string_view language;
    std::optional<CompiledCatalogue> catalogue;
};

Chosen& Current() {
    static Chosen chosen;
    return chosen;
}

// "de_DE.UTF-8@euro" and "de-DE" both name "de_DE".
std::string Normalised(std::string_view name) {
    name = name.substr(0, name.find_first_of(".@"));
    std::string normalised(name);
    for (char& c : normalised) {
        if (c == '-') {
            c = '_';
        }
    }
    return normalised;
}

const EmbeddedCatalogue* CatalogueFor(std::string_view language) {
    for (const EmbeddedCatalogue& catalogue : EmbeddedCatalogues()) {
        if (catalogue.language == language) {
            return &catalogue;
        }
    }
    return nullptr;
}

}  // namespace

std::string_view UseLanguage(std::span<const std::string> preferred) {
    Chosen& current = Current();
    current = {};
    for (const std::string& name : preferred) {
        const std::string full = Normalised(name);
        const std::string_view base = std::string_view(full).substr(0, full.find('_'));
        if (base.empty() || base == "C" || base == "POSIX" || base == "en") {
            break;
        }
        const EmbeddedCatalogue* embedded = CatalogueFor(full);
        if (embedded == nullptr) {
            embedded = CatalogueFor(base);
        }
        if (embedded == nullptr) {
            continue;
        }
        if (auto catalogue = CompiledCatalogue::Read(embedded->compiled)) {
            current.language = embedded->language;
            current.catalogue = std::move(catalogue);
            break;
        }
    }
    return current.language;
}

std::string_view Translate(std::string_view english) {
    const Chosen& current = Current();
    if (english.empty() || !current.catalogue) {
        return english;
    }
    return current.catalogue->Find(english).value_or(english);
}

std::string TranslateFormat(std::string_view english,
                            std::initializer_list<std::string_view> arguments) {
    const std::string_view format = Translate(english);
    std::string text;
    const std::string_view* next = arguments.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's' &&
            next != arguments.end()) {
            text.append(*next++);
            ++i;
        } else {
            text.push_back(format[i]);
        }
    }
    return text;
}

}  // namespace wagelyn
