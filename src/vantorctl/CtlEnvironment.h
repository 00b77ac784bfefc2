// What every vantorctl command works with: its output channels and its
// environment (folders, language module, keyboard layout, the record).
#pragma once

#include <QString>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editing/AssignmentText.h"
#include "editing/ConfigSession.h"
#include "editing/KeyboardLayout.h"
#include "platform/Endpoint.h"
#include "platform/Folders.h"
#include "platform/Trace.h"
#include "shared/Messages.h"
#include "shared/SettingsStore.h"
#include "shared/SharedBlock.h"
#include "uitext/UiText.h"

namespace orvyn::ctl {

inline constexpr const char *kProgram = "vantorctl";

// Standard output, as it is.
void print(const std::string &text);
// "vantorctl: <text>" on standard error.
void complain(const std::string &text);
std::string str(const QString &s);
// A message in the user's language: `source` is marked at its place with
// QT_TRANSLATE_NOOP("vantorctl", ...), and %1, %2, %3 take `args` (at most
// three) in order.
// Command, option and value names stay English inside the messages.
std::string said(const char *source, std::initializer_list<std::string_view> args = {});
bool endsWithJson(const std::string &path);
std::string padded(std::string text, std::size_t width);
// One line per row, `indent`, the label, then the value in a column one
// blank after the widest label (widths in characters, as a translated label
// may hold letters of more than one byte).
// How many terminal columns a UTF-8 text takes (wide East Asian characters
// take two), so that translated labels line up.
std::size_t terminalColumns(std::string_view text);
using LabelledRow = std::pair<std::string, std::string>;
std::string alignedRows(const std::vector<LabelledRow> &rows, std::string_view indent = {});

// Everything a command may need, made when first asked for: the language
// module, the key tables, the folders. Keys are named as on the US layout:
// the tool runs without a desktop to ask for the active one.
class Environment {
public:
    Environment()
        : program_(programFolder()), settingsFolder_(settingsFolder()), runtime_(runtimeFolder()),
          settings_(settingsFolder_), poster_(runtime_.ok() ? runtime_.path : std::string()) {}

    const std::string &program() const { return program_; }
    const RuntimeFolder &runtime() const { return runtime_; }
    SettingsStore &settings() { return settings_; }
    EndpointPoster &poster() { return poster_; }
    std::string macroPath() const { return settingsFolder_ + "config/sequence.dat"; }

    const TextSource &texts() {
        if (!textsLoaded_) {
            textsLoaded_ = true;
            if (!texts_.load(program_))
                trace("vantorctl: no uitext.so in " + program_ + "\n");
        }
        return texts_;
    }
    const KeyCodeTable &keys() {
        if (!keys_) {
            layout_ = makeUsLayout();
            keys_ = std::make_unique<KeyCodeTable>(*layout_);
        }
        return *keys_;
    }
    const AssignmentText &captions() {
        if (!captions_)
            captions_ = std::make_unique<AssignmentText>(texts(), keys(), KeyNames::Labels);
        return *captions_;
    }

    bool monitorRuns() { return runtime_.ok() && poster_.exists(kMonitorTitle); }

    // The record as Option would start with it; writes nothing.
    std::unique_ptr<ConfigBlock> readConfig(ConfigSource *source = nullptr) {
        auto config = std::make_unique<ConfigBlock>();
        std::memset(config.get(), 0, sizeof(ConfigBlock));
        SharedConfigBlock block;
        if (runtime_.ok())
            block.open(runtime_.path, BlockOwner::MonitorMustRun);
        const ConfigSource from = loadConfiguration(&block, settings_, texts(), *config);
        if (source)
            *source = from;
        return config;
    }

private:
    std::string program_;
    std::string settingsFolder_;
    RuntimeFolder runtime_;
    SettingsStore settings_;
    EndpointPoster poster_;
    UiTextLibrary texts_;
    bool textsLoaded_ = false;
    std::unique_ptr<KeyboardLayout> layout_;
    std::unique_ptr<KeyCodeTable> keys_;
    std::unique_ptr<AssignmentText> captions_;
};

} // namespace orvyn::ctl
