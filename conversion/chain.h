#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace wagelyn {

enum class Op : std::uint8_t { Multiply, Divide };

struct Step {
    Op op = Op::Multiply;
    double constant = 1.0;
};

// A constant chain as the tables write it, "* 40 * 52 / 12 / 8", read at
// compile time. Only the program's constants are accepted, so a slip in a
// table fails the build instead of a figure.
class Chain {
public:
    static constexpr std::size_t kMaxSteps = 6;

    consteval Chain(const char* text) {  // NOLINT(google-explicit-constructor): tables read as text
        std::string_view s{text};
        std::size_t i = 0;
        auto skipBlanks = [&] {
            while (i < s.size() && s[i] == ' ') {
                ++i;
            }
        };
        skipBlanks();
        while (i < s.size()) {
            Step step;
            if (s[i] == '*') {
                step.op = Op::Multiply;
            } else if (s[i] == '/') {
                step.op = Op::Divide;
            } else {
                throw "a chain step starts with * or /";
            }
            ++i;
            skipBlanks();
            int constant = 0;
            while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
                constant = constant * 10 + (s[i++] - '0');
            }
            if (!IsConstant(constant)) {
                throw "not one of the program's constants";
            }
            if (count_ == kMaxSteps) {
                throw "chain too long";
            }
            step.constant = constant;
            steps_[count_++] = step;
            skipBlanks();
        }
        if (count_ == 0) {
            throw "empty chain";
        }
    }

    // Strictly left to right, each step rounded to a double.
    constexpr double Apply(double value) const {
        for (std::size_t i = 0; i < count_; ++i) {
            value = steps_[i].op == Op::Multiply ? value * steps_[i].constant
                                                 : value / steps_[i].constant;
        }
        return value;
    }

private:
    static consteval bool IsConstant(int c) {
        switch (c) {
            case 12:
            case 26:
            case 52:
            case 40:
            case 35:
            case 8:
            case 7:
            case 60:
            case 100:
                return true;
            default:
                return false;
        }
    }

    std::array<Step, kMaxSteps> steps_{};
    std::size_t count_ = 0;
};

}  // namespace wagelyn
