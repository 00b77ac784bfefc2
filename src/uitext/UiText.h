// The language library: texts by numeric identifier from uitext.so in the
// program folder. A missing module or identifier yields an empty text.
#pragma once

#include <string>

#include "platform/Module.h"

namespace orvyn {

class TextSource {
public:
    virtual ~TextSource() = default;
    virtual std::string text(unsigned id) const = 0;
};

class UiTextLibrary final : public TextSource {
public:
    // Loads `<folder>uitext.so` and selects `language` in it (see
    // LanguageChoice.h); false (and empty texts) when it is missing. A
    // language the module lacks, or a module that cannot select, is English.
    bool load(const std::string &programFolder, const std::string &language = "en");
    bool loadFile(const std::string &modulePath, const std::string &language = "en");
    void unload();
    bool isLoaded() const { return lookup_ != nullptr; }
    // Read into a 260-byte buffer as the programs always did: at most 259
    // characters.
    std::string text(unsigned id) const override;

private:
    using LoadString = int (*)(unsigned, char *, int);
    using SelectLanguage = int (*)(const char *);
    LoadedModule module_;
    LoadString lookup_ = nullptr;
};

} // namespace orvyn
