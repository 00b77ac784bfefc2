#include "uitext/UiText.h"

namespace orvyn {

bool UiTextLibrary::load(const std::string &programFolder, const std::string &language) {
    return loadFile(programFolder + "uitext.so", language);
}

bool UiTextLibrary::loadFile(const std::string &modulePath, const std::string &language) {
    unload();
    if (!module_.open(modulePath))
        return false;
    lookup_ = module_.function<LoadString>("uitext_load_string");
    if (!lookup_) {
        module_.close();
        return false;
    }
    // The selection is the module's, so it is made at every load: another
    // loader in this process may have chosen differently.
    if (const auto select = module_.function<SelectLanguage>("uitext_select_language"))
        select(language.c_str());
    return true;
}

void UiTextLibrary::unload() {
    lookup_ = nullptr;
    module_.close();
}

std::string UiTextLibrary::text(unsigned id) const {
    if (!lookup_)
        return {};
    char buffer[260] = {};
    const int n = lookup_(id, buffer, static_cast<int>(sizeof buffer));
    if (n <= 0)
        return {};
    return std::string(buffer, static_cast<std::size_t>(n < 259 ? n : 259));
}

} // namespace orvyn
