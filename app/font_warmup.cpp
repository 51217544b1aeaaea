#include "app/font_warmup.h"

#include <system_error>

#if WAGELYN_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace wagelyn {

FontConfigWarmUp::FontConfigWarmUp() {
#if WAGELYN_HAVE_FONTCONFIG
    try {
        thread_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to spare: Qt loads the configuration when it needs it.
    }
#endif
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
