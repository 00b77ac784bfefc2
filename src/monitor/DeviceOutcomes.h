// What Monitor does with the outcome of a keyboard request: keep the
// configuration in the settings files, publish it to the shared block and
// answer Option, in that order. The one place Option is answered from, for
// applies the worker served and for those nothing could be written for.
//
// Threads: the device worker answers applies on its thread; everything else
// is called on the main thread with Monitor's record. Only the settings
// store, the shared block, the poster and the trace are touched, each of
// which takes calls from both threads; nothing here waits for the main
// thread.
#pragma once

#include <string_view>
#include <vector>

#include "monitor/HostInterfaces.h"
#include "monitor/SettingsSaves.h"
#include "platform/MessagePoster.h"
#include "protocol/FeatureReports.h"
#include "shared/ConfigExchange.h"
#include "shared/SettingsStore.h"

namespace orvyn {

class DeviceOutcomes {
public:
    // `store` and `exchange` may be null (no settings folder, no block).
    // `unsaved` is told, on the failing thread, when the files fall behind.
    DeviceOutcomes(SettingsStore *store, ConfigExchange *exchange, MessagePoster &poster, TraceFunction trace,
                   SettingsSaves::Tell unsaved = {});

    // 1256 for each hand-over in `tokens`, lParam `answer` (applyAnswer).
    void applied(const std::vector<int64_t> &tokens, int64_t answer);
    // The record after a read-back: saved, published, announced.
    void readBack(const ConfigBlock &config);
    // The record after a macro recorded on the keyboard: published, announced.
    void recordedMacroRead(const ConfigBlock &config);
    // Report 17 went out: the record is saved with its code.
    void accessCodeSent(const AccessCode &code, const ConfigBlock &config);

    // Option's answer to an apply that nothing will be written for; Option
    // waits for it even when there is no keyboard.
    void answerApplyAtOnce(int64_t token, ApplyOutcome outcome);

    // Monitor's writes of its record, here and from the main window.
    SettingsSaves &saves() { return saves_; }

private:
    void answerApply(int64_t token, int64_t answer, std::string_view doneTrace);

    SettingsSaves saves_;
    ConfigExchange *exchange_;
    MessagePoster &poster_;
    TraceFunction trace_;
};

} // namespace orvyn
