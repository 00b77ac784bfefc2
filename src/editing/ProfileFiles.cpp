#include "editing/ProfileFiles.h"

#include <memory>
#include <unistd.h>

#include "platform/FileAccess.h"
#include "platform/LocalText.h"
#include "shared/IniFile.h"
#include "shared/ProfileDomain.h"

namespace orvyn {

namespace {

std::string said(const char *source, std::initializer_list<std::string_view> values = {}) {
    return localText("ProfileFiles", source, values);
}

std::string quoted(const std::string &path) {
    return "\"" + path + "\"";
}

// The whole file, provided it is a regular file of at most `limit` bytes,
// or empty with `why` in words for the user.
std::string readProfileBytes(const std::string &path, std::size_t limit, std::string &why) {
    FileRead read = readRegularFile(path, limit);
    switch (read.status) {
    case ReadStatus::Ok:
        return std::move(read.contents);
    case ReadStatus::Missing:
        why = said(QT_TRANSLATE_NOOP("ProfileFiles", "The file %1 does not exist."), {quoted(path)});
        break;
    case ReadStatus::NotRegular:
        why = said(QT_TRANSLATE_NOOP("ProfileFiles", "%1 is not a file."), {quoted(path)});
        break;
    case ReadStatus::TooLarge:
        why = said(QT_TRANSLATE_NOOP(
                       "ProfileFiles",
                       "%1 is not a profile file: it is larger than %2 MB (a profile file has about 33 KB)."),
                   {quoted(path), std::to_string(limit >> 20)});
        break;
    case ReadStatus::Failed:
        why = said(QT_TRANSLATE_NOOP("ProfileFiles", "The file cannot be read: %1."), {read.error});
        break;
    }
    return {};
}

// Why `bytes` are not a usable profile file, or empty when they are.
std::string profileFileFault(const std::string &path, const std::string &bytes, IniDocument &doc) {
    if (bytes.empty())
        return said(QT_TRANSLATE_NOOP("ProfileFiles", "%1 is not a profile file: it is empty."),
                    {quoted(path)});
    doc = IniDocument::parse(bytes);
    const ProfileBlocks blocks = inspectProfileBlocks(doc);
    if (!blocks.hasSection)
        return said(
            QT_TRANSLATE_NOOP("ProfileFiles", "%1 is not a profile file: it has no [Setting] section."),
            {quoted(path)});
    if (!blocks.firstDamaged.empty())
        return said(QT_TRANSLATE_NOOP("ProfileFiles",
                                      "%1 is a damaged profile file: its block %2 does not check out."),
                    {quoted(path), blocks.firstDamaged});
    if (blocks.validKeySlots == 0)
        return said(
            QT_TRANSLATE_NOOP("ProfileFiles",
                              "%1 is not a profile file: it holds none of the key blocks of a profile."),
            {quoted(path)});
    // Lookups take the first of two equal keys, a JSON reader the last:
    // neither is what the file's author can be taken to mean.
    if (const auto twice = doc.firstRepeatedKey("Setting"))
        return said(QT_TRANSLATE_NOOP("ProfileFiles", "%1 is refused: it holds %2 more than once."),
                    {quoted(path), *twice});
    return {};
}

// Why the profile read from `doc` is refused, or empty: the first field
// outside its domain (a number key the file lacks reads as -1 and is named
// missing).
std::string profileDomainFault(const std::string &path, const IniDocument &doc, const ProfileData &loaded) {
    const std::vector<DomainViolation> faults = profileViolations(loaded, 1);
    if (faults.empty())
        return {};
    const DomainViolation &v = faults.front();
    const bool numberKey = !v.inKeySlot() && v.field != DomainField::StandardKey &&
                           v.field != DomainField::ProfileName && v.field != DomainField::GameFile;
    const std::string what =
        numberKey && !doc.value("Setting", v.fileField())
            ? said(QT_TRANSLATE_NOOP("ProfileFiles", "%1: missing (a profile file holds every setting)"),
                   {v.fileField()})
            : v.message();
    return said(QT_TRANSLATE_NOOP("ProfileFiles", "%1 is refused: %2."), {quoted(path), what});
}

std::string folderWithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace

std::string profileFileTitle(std::string_view path) {
    const auto slash = path.rfind('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const auto dot = name.rfind('.');
    if (dot != std::string_view::npos)
        name = name.substr(0, dot);
    return std::string(name);
}

TransferResult importProfileFile(const std::string &source, const std::string &settingsFolder,
                                 ProfileData &profile) {
    TransferResult result;
    std::string why;
    const std::string bytes = readProfileBytes(source, kProfileFileMaxBytes, why);
    IniDocument doc;
    if (why.empty())
        why = profileFileFault(source, bytes, doc);
    if (!why.empty()) {
        result.message = said(QT_TRANSLATE_NOOP("ProfileFiles", "%1 Nothing was imported."), {why});
        return result;
    }
    auto loaded = std::make_unique<ProfileData>(profile);
    readProfileKeys(doc, *loaded);
    why = profileDomainFault(source, doc, *loaded);
    if (!why.empty()) {
        result.message = said(QT_TRANSLATE_NOOP("ProfileFiles", "%1 Nothing was imported."), {why});
        return result;
    }
    const std::string folder = folderWithSlash(settingsFolder);
    const std::string copy = folder + profileFileTitle(source) + kProfileFileSuffix;
    if (!replaceFileAtomically(copy, bytes)) {
        result.message = said(
            QT_TRANSLATE_NOOP("ProfileFiles",
                              "The profile file could not be copied into the settings folder %1. Check that "
                              "you may write there and that the disk is not full. Nothing was imported."),
            {quoted(folder)});
        return result;
    }
    profile = *loaded;
    result.ok = true;
    return result;
}

TransferResult exportProfileFile(const ProfileData &profile, int profileIndex, const std::string &target,
                                 SettingsStore &settings) {
    TransferResult result;
    IniDocument doc;
    writeProfileKeys(doc, profile);
    const std::string bytes = doc.serialize();
    const bool existed = ::access(target.c_str(), F_OK) == 0;
    std::string error;
    if (!replaceFileAtomically(target, bytes, &error)) {
        result.message =
            existed ? said(QT_TRANSLATE_NOOP("ProfileFiles", "The profile could not be written to %1 (%2). "
                                                             "The file that was there is left as it was."),
                           {quoted(target), error})
                    : said(QT_TRANSLATE_NOOP("ProfileFiles", "The profile could not be written to %1 (%2)."),
                           {quoted(target), error});
        return result;
    }
    result.ok = true;
    const std::string title = profileFileTitle(target);
    const std::string copy = settings.folder() + "config/" + title + kProfileFileSuffix;
    const bool named = settings.writeProfileFileName(profileIndex + 1, title);
    if (!replaceFileAtomically(copy, bytes) || !named)
        result.message =
            said(QT_TRANSLATE_NOOP("ProfileFiles", "The profile was exported to %1, but its copy %2 and its "
                                                   "name in config.ini could not all be written."),
                 {quoted(target), quoted(copy)});
    return result;
}

} // namespace orvyn
