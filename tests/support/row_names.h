#pragma once
// Table rows as GoogleTest cases of their own, each named after its row.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace wagelyn::testing {

// A table row starts with its name, which GoogleTest prints for the row.
struct NamedRow {
    NamedRow(const char* rowName) : name(rowName) {}  // implicit: rows are braced lists
    const char* name;
};

inline std::ostream& operator<<(std::ostream& os, const NamedRow& row) {
    return os << row.name;
}

// For INSTANTIATE_TEST_SUITE_P over rows that carry a `name`: the row's name
// as a test name, letters and digits kept, anything else "_".
struct RowName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        std::string out(info.param.name);
        for (char& c : out) {
            const bool alphanumeric =
                (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
            c = alphanumeric ? c : '_';
        }
        return out;
    }
};

}  // namespace wagelyn::testing
