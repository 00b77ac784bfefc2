#include "monitor/DeviceAccessNotice.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include "platform/LocalText.h"

namespace orvyn {

namespace {

bool fileExists(const std::string &path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace

std::vector<std::string> udevRuleFolders() {
    return {"/etc/udev/rules.d/", "/run/udev/rules.d/", "/usr/lib/udev/rules.d/", "/lib/udev/rules.d/",
            "/usr/local/lib/udev/rules.d/"};
}

DeviceAccessNotice deviceAccessNotice(int error, const std::string &programFolder,
                                      const std::vector<std::string> &ruleFolders) {
    DeviceAccessNotice notice;
    if (error != EACCES && error != EPERM) {
        notice.summary = localText(
            "DeviceAccessNotice",
            QT_TRANSLATE_NOOP("DeviceAccessNotice", "The keyboard is connected but cannot be opened"));
        notice.body = std::strerror(error);
        return notice;
    }
    notice.summary = localText(
        "DeviceAccessNotice",
        QT_TRANSLATE_NOOP("DeviceAccessNotice", "The keyboard is connected, but this user may not use it"));
    for (const std::string &folder : ruleFolders) {
        if (!fileExists(folder + kUdevRuleName))
            continue;
        notice.body = localText("DeviceAccessNotice",
                                QT_TRANSLATE_NOOP("DeviceAccessNotice",
                                                  "The udev rule %1 is installed: unplug and plug the "
                                                  "keyboard, or run: sudo udevadm trigger. If the keyboard "
                                                  "has other ids than [Device] in config.ini, set them in "
                                                  "the rule as well."),
                                {folder + kUdevRuleName});
        return notice;
    }
    std::string rule = programFolder + "udev/" + kUdevRuleName;
    if (!fileExists(rule))
        rule = std::string("resources/") + kUdevRuleName;
    notice.body =
        localText("DeviceAccessNotice", QT_TRANSLATE_NOOP("DeviceAccessNotice", "Install the udev rule: %1"),
                  {"sudo cp '" + rule +
                   "' /etc/udev/rules.d/ && sudo udevadm control --reload && sudo udevadm trigger"});
    return notice;
}

} // namespace orvyn
