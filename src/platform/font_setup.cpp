#include "platform/font_setup.h"

#if defined(QUELLAN_HAVE_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

namespace quellan::platform {

FontSetupInBackground::FontSetupInBackground() {
#if defined(QUELLAN_HAVE_FONTCONFIG)
    // The font database later finds the configuration loaded and reuses it.
    m_thread = std::thread([] { FcInit(); });
#endif
}

FontSetupInBackground::~FontSetupInBackground() { wait(); }

void FontSetupInBackground::wait() {
    if (m_thread.joinable()) m_thread.join();
}

}  // namespace quellan::platform
