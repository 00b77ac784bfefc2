#include "option/pages/KeyPagesSummary.h"

#include "option/skin/BitmapButton.h"

namespace orvyn {

std::string describeKeyPages(const StandardKeyPage &keys, const MacroKeyPage &macroKeys,
                             const MediaKeyPage &mediaKeys, const ConfigBlock &working) {
    std::string line = "remapped=";
    const char *separator = "";
    for (int p = 0; p < kStandardKeyCount; ++p) {
        if (!keys.shownRemapped(p))
            continue;
        const ProfileData *profile = working.currentProfileData();
        line += separator + std::to_string(p) + ":" + std::to_string(profile ? profile->standardkey[p] : 0);
        separator = ",";
    }
    auto captions = [](std::string name, auto &&buttonOf, int count) {
        std::string part = " " + name + "=";
        for (int i = 0; i < count; ++i) {
            const BitmapButton *b = buttonOf(i);
            part += (i ? "|" : "") + (b ? b->caption().toStdString() : std::string());
        }
        return part;
    };
    line += captions(
        "keys", [&](int slot) { return macroKeys.keyButton(slot); }, MacroKeyPage::kButtonCount);
    line += captions(
        "media", [&](int key) { return mediaKeys.mediaKeyButton(key); }, kMediaKeyCount);
    const BitmapButton *player = mediaKeys.playerButton();
    line += " player=" + (player ? player->caption().toStdString() : std::string());
    return line;
}

} // namespace orvyn
