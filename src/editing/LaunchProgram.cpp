#include "editing/LaunchProgram.h"

#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "editing/MacroLibrary.h"

namespace orvyn {

namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::string programPathOf(const MacroKeyInfo &key) {
    if (key.assignType() != AssignType::LaunchProgram)
        return {};
    return std::string(getFixed(key.programPath));
}

bool programPathFits(std::string_view path) {
    return path.size() <= kProgramPathMaxBytes;
}

std::string findProgramInPath(std::string_view name, std::string_view searchPath,
                              const std::string &currentFolder) {
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string_view::npos)
        return {};
    while (true) {
        const std::size_t colon = searchPath.find(':');
        const std::string_view entry = searchPath.substr(0, colon);
        std::string candidate = entry.empty() ? currentFolder : std::string(entry);
        if (!candidate.empty() && candidate.back() != '/')
            candidate += '/';
        candidate += name;
        struct stat st {};
        if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
            ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        if (colon == std::string_view::npos)
            return {};
        searchPath.remove_prefix(colon + 1);
    }
}

bool assignProgram(ConfigBlock &config, int profile, int slot, std::string_view path) {
    if (profile < 0 || profile >= kProfileCount || slot < 0 || slot >= kKeyboardSlotCount)
        return false;
    if (path.size() > kProgramPathMaxBytes) {
        // Never half a character at the end.
        std::size_t cut = kProgramPathMaxBytes;
        while (cut > 0 && isContinuationByte(path[cut]))
            --cut;
        path = path.substr(0, cut);
    }
    MacroKeyInfo &key = config.profiles[profile].keys[slot];
    key.type = static_cast<uint8_t>(AssignType::LaunchProgram);
    key.flags = static_cast<uint8_t>(slot + 1);
    key.code = 0;
    clearKeyMacro(key);
    std::memset(key.programPath, 0, sizeof key.programPath);
    if (!path.empty())
        std::memcpy(key.programPath, path.data(), path.size());
    config.flags.keySlot[profile][slot] = 1;
    return true;
}

} // namespace orvyn
