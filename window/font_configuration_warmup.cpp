#include "window/font_configuration_warmup.h"

#if BH_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace bithydraulics {

FontConfigurationWarmUp::FontConfigurationWarmUp() {
#if BH_HAVE_FONTCONFIG
    // fontconfig makes the configuration it loads the current one, which the GUI library's font
    // database then takes as it is.
    reader_ = std::thread([] { FcInit(); });
#endif
}

void FontConfigurationWarmUp::finish() {
    if (reader_.joinable()) {
        reader_.join();
    }
}

}  // namespace bithydraulics
