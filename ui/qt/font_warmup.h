#pragma once
// Loads the font configuration on a second thread while the application
// connects to the display. Reading and parsing fontconfig's files is the
// largest single step before the first window can show text; Qt finds the
// configuration loaded when the window first needs a font. Where Qt does not
// use fontconfig (Windows), nothing is started.

#include <thread>

namespace wagelyn {

class FontConfigWarmUp {
public:
    using Loader = void (*)();
    // Starts `load` on a second thread: by default loading fontconfig's
    // configuration, where Qt uses fontconfig, and nothing elsewhere.
    explicit FontConfigWarmUp(Loader load = DefaultLoader());
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    // Returns once the configuration is loaded; call before the first font
    // is used, so that Qt never loads a second one alongside.
    void Wait();

private:
    static Loader DefaultLoader();

    std::thread thread_;
};

}  // namespace wagelyn
