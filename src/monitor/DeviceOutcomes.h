// What Monitor does with the outcome of a keyboard request: keep the
// configuration in the settings files, publish it to the shared block and
// answer Option, in that order. The one place Option is answered from, for
// applies the worker served and for those nothing could be written for.
//
// Threads: the device worker calls the events on its thread, the main window
// calls answerApplyAtOnce on its own. Only the settings store, the shared
// block, the poster and the trace are touched, each of which takes calls
// from both threads; nothing here waits for the main thread.
#pragma once

#include <string_view>

#include "monitor/HostInterfaces.h"
#include "monitor/SettingsSaves.h"
#include "monitor/device/DeviceWorkerEvents.h"
#include "platform/MessagePoster.h"
#include "shared/ConfigExchange.h"
#include "shared/SettingsStore.h"

namespace orvyn {

class DeviceOutcomes final : public DeviceWorkerEvents {
public:
    // `store` and `exchange` may be null (no settings folder, no block).
    // `unsaved` is told, on the failing thread, when the files fall behind.
    DeviceOutcomes(SettingsStore *store, ConfigExchange *exchange, MessagePoster &poster, TraceFunction trace,
                   SettingsSaves::Tell unsaved = {});

    void applied() override;
    void restored(const ConfigBlock &config) override;
    void readBack(const ConfigBlock &config) override;
    void recordedMacroRead(const ConfigBlock &config) override;
    void accessCodeSent(const AccessCode &code, const ConfigBlock &config) override;

    // Option's answer to an apply that nothing will be written for; Option
    // waits for it even when there is no keyboard.
    void answerApplyAtOnce();

    // Monitor's writes of its record, here and from the main window.
    SettingsSaves &saves() { return saves_; }

private:
    void answerApply(std::string_view doneTrace);

    SettingsSaves saves_;
    ConfigExchange *exchange_;
    MessagePoster &poster_;
    TraceFunction trace_;
};

} // namespace orvyn
