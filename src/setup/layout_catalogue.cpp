#include "setup/layout_catalogue.h"

#include <algorithm>
#include <system_error>

#include "common/text_codec.h"

namespace quellan {

std::vector<std::string> scanLayoutCatalogue(const std::filesystem::path& mapDir) {
    static constexpr std::string_view kExtension = ".qlp";
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(mapDir, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        std::u8string file = it->path().filename().u8string();
        std::string name(file.begin(), file.end());
        if (name.starts_with('.')) continue;  // hidden
        if (name.size() <= kExtension.size() || !name.ends_with(kExtension)) continue;
        names.push_back(name.substr(0, name.size() - kExtension.size()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> listLayouts(const GamePaths& paths) {
    std::vector<std::string> names = scanLayoutCatalogue(paths.shippedMapDir());
    if (!paths.installed()) return names;
    const std::size_t shipped = names.size();
    for (std::string& own : scanLayoutCatalogue(paths.mapDir())) {
        const auto shippedEnd = names.begin() + static_cast<std::ptrdiff_t>(shipped);
        if (std::find(names.begin(), shippedEnd, own) == shippedEnd)
            names.push_back(std::move(own));
    }
    return names;
}

int initialSelection(const std::vector<std::string>& names, const std::string& remembered) {
    if (names.empty()) return -1;
    auto it = std::find(names.begin(), names.end(), remembered);
    return it == names.end() ? 0 : static_cast<int>(it - names.begin());
}

std::string layoutDisplayName(const std::string& name) {
    return isValidUtf8(name) ? name : gb18030ToUtf8(name);
}

}  // namespace quellan
