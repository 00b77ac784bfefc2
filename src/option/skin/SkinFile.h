// A skin description file: the five window pictures in [SCREEN] and one
// control line per control. Missing files, sections and keys read as empty.
#pragma once

#include "option/skin/ControlLine.h"
#include "shared/IniFile.h"

#include <string>
#include <string_view>

namespace orvyn {

// The five full-window pictures, in the order they are read.
enum class SkinPicture { Mask, Normal, Over, Down, Disable };
inline constexpr SkinPicture kSkinPictureOrder[] = {SkinPicture::Mask, SkinPicture::Normal, SkinPicture::Over,
                                                    SkinPicture::Down, SkinPicture::Disable};
const char *skinPictureKey(SkinPicture picture);

class SkinFile {
public:
    SkinFile() = default;
    // Reads the whole file once; a missing or unreadable file gives an
    // empty skin (every value empty). `problem` (when given) names the file
    // and says what is wrong: missing, unreadable, no [SCREEN] section, or
    // one of the four state pictures not named (the mask may be left out).
    static SkinFile load(const std::string &path, std::string *problem = nullptr);

    // The value of a key, at most 2047 characters; empty when missing.
    std::string value(std::string_view section, std::string_view key) const;

    // File name of a window picture, relative to the skin folder.
    std::string pictureName(SkinPicture picture) const { return value("SCREEN", skinPictureKey(picture)); }

    // The control line of control `number` of group `group` ("BUTTONPOS",
    // "PAGEPOSITION"). Both layouts are read: a section per control
    // ([12] BUTTONPOS=...) and a section per group ([BUTTONPOS] 12=...);
    // the first that has the line wins.
    std::string controlLine(int number, std::string_view group = "BUTTONPOS") const;
    ControlPlacement placement(int number, std::string_view group = "BUTTONPOS") const {
        return ParseControlLine(controlLine(number, group));
    }

private:
    IniDocument doc_;
};

} // namespace orvyn
