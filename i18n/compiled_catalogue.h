#pragma once
// A catalogue as msgfmt compiles it (GNU's .mo layout), read in place from
// bytes the program carries: a header, then two tables of (length, offset)
// pairs, for the English texts, sorted, and for their translations.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

namespace wagelyn {

class CompiledCatalogue {
public:
    // The catalogue these bytes hold, or none when they hold nothing this
    // reader can show in full: a wrong magic number, a revision with
    // system-dependent texts, a header or table cut short, a text outside
    // the bytes or without its terminator, English texts out of order, or an
    // entry with a context (msgctxt) or plural forms. Either byte order.
    static std::optional<CompiledCatalogue> Read(std::span<const unsigned char> bytes);

    // The translation of this English text, if the catalogue has one.
    std::optional<std::string_view> Find(std::string_view english) const;

    std::uint32_t Count() const { return count_; }
    // Entry `index` (below Count()): its English text and its translation.
    std::pair<std::string_view, std::string_view> Entry(std::uint32_t index) const;

private:
    explicit CompiledCatalogue(std::span<const unsigned char> bytes) : bytes_(bytes) {}

    std::optional<std::uint32_t> Word(std::uint64_t at) const;
    std::optional<std::string_view> Text(std::uint32_t table, std::uint32_t index) const;

    std::span<const unsigned char> bytes_;
    bool swapped_ = false;
    std::uint32_t count_ = 0;
    std::uint32_t originals_ = 0;
    std::uint32_t translations_ = 0;
};

}  // namespace wagelyn
