#include "setup/startup_settings.h"

#include "common/numbers.h"
#include "common/texts.h"

namespace quellan {

std::int32_t centredPosition(std::int32_t screen, std::int32_t window) {
    return (screen - window) / 2;  // whole-number division, toward zero
}

namespace {

// An option's stored text: a number that is one of 0..`highest`, else off.
int optionValue(const std::string& text, int highest) {
    auto v = toInteger32(text);
    if (!v || *v < 0 || *v > highest) return 0;
    return *v;
}

}  // namespace

StartupSettings readStartupSettings(const SettingLookup& lookup, std::int32_t centredX,
                                    std::int32_t centredY) {
    using namespace settings_keys;
    StartupSettings s;
    s.formX = toInteger32(lookup(kFormX, std::to_string(centredX))).value_or(centredX);
    s.formY = toInteger32(lookup(kFormY, std::to_string(centredY))).value_or(centredY);
    s.check1 = optionValue(lookup(kCheck1, "1"), 2);
    s.check2 = optionValue(lookup(kCheck2, "1"), 1);
    s.currentMap = lookup(kMapFileName, std::string(texts::kDefaultLayout));
    return s;
}

}  // namespace quellan
