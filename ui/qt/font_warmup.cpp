#include "ui/qt/font_warmup.h"

#include <system_error>

#if WAGELYN_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace wagelyn {

FontConfigWarmUp::Loader FontConfigWarmUp::DefaultLoader() {
#if WAGELYN_HAVE_FONTCONFIG
    return [] { FcInit(); };
#else
    return nullptr;
#endif
}

FontConfigWarmUp::FontConfigWarmUp(Loader load) {
    if (load == nullptr) {
        return;
    }
    try {
        thread_ = std::thread(load);
    } catch (const std::system_error&) {
        // No thread to spare: Qt loads the configuration when it needs it.
    }
}

FontConfigWarmUp::~FontConfigWarmUp() {
    Wait();
}

void FontConfigWarmUp::Wait() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

}  // namespace wagelyn
