#pragma once

#include <string>
#include <string_view>

namespace wagelyn::platform {

class Environment {
public:
    virtual ~Environment() = default;
    // ExpandEnvironmentStringsA: each %NAME% of a variable that is set is
    // replaced by its value; any other text stays as it is.
    virtual std::string Expand(std::string_view text) = 0;

protected:
    Environment() = default;
    Environment(const Environment&) = default;
    Environment& operator=(const Environment&) = default;
};

Environment& SystemEnvironment();

}  // namespace wagelyn::platform
