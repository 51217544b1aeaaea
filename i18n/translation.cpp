#include "i18n/translation.h"

#include <optional>

#include "i18n/compiled_catalogue.h"
#include "i18n/embedded_catalogues.h"

namespace wagelyn {
namespace {

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
