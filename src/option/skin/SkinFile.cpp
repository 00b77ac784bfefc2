#include "option/skin/SkinFile.h"

namespace orvyn {

const char *skinPictureKey(SkinPicture picture) {
    switch (picture) {
    case SkinPicture::Mask:
        return "Mask";
    case SkinPicture::Normal:
        return "Normal";
    case SkinPicture::Over:
        return "Over";
    case SkinPicture::Down:
        return "Down";
    case SkinPicture::Disable:
        return "Disable";
    }
    return "";
}

SkinFile SkinFile::load(const std::string &path, std::string *problem) {
    SkinFile skin;
    std::string error;
    switch (loadIniDocument(path, skin.doc_, kIniFileMaxBytes, &error)) {
    case IniLoad::Missing:
        error = path + ": no such file";
        break;
    case IniLoad::Unreadable:
        break;
    case IniLoad::Ok:
        if (!skin.doc_.hasSection("SCREEN")) {
            error = path + ": has no [SCREEN] section naming the window's pictures";
            break;
        }
        for (SkinPicture picture : kSkinPictureOrder) {
            if (picture != SkinPicture::Mask && skin.pictureName(picture).empty()) {
                error = path + ": names no " + skinPictureKey(picture) + " picture in [SCREEN]";
                break;
            }
        }
        break;
    }
    if (problem)
        *problem = std::move(error);
    return skin;
}

std::string SkinFile::value(std::string_view section, std::string_view key) const {
    std::string text = doc_.readText(section, key, "");
    if (text.size() > kIniTextMax)
        text.resize(kIniTextMax);
    return text;
}

std::string SkinFile::controlLine(int number, std::string_view group) const {
    const std::string name = std::to_string(number);
    if (auto line = doc_.value(name, group))
        return value(name, group);
    return value(group, name);
}

} // namespace orvyn
