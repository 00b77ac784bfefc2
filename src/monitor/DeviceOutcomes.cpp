#include "monitor/DeviceOutcomes.h"

#include "platform/Trace.h"
#include "shared/Messages.h"

namespace orvyn {

DeviceOutcomes::DeviceOutcomes(SettingsStore *store, ConfigExchange *exchange, MessagePoster &poster,
                               TraceFunction trace, SettingsSaves::Tell unsaved)
    : saves_(store, std::move(unsaved)), exchange_(exchange), poster_(poster), trace_(std::move(trace)) {
    if (!trace_)
        trace_ = [](std::string_view text) { orvyn::trace(text); };
}

void DeviceOutcomes::answerApply(int64_t token, int64_t answer, std::string_view doneTrace) {
    if (!poster_.post(kOptionTitle, WM_APPLY_DONE, token, answer))
        trace_("OnApplyAllSetting Don't find Merak Option Dialog\n");
    trace_(doneTrace);
}

void DeviceOutcomes::answerApplyAtOnce(int64_t token, ApplyOutcome outcome) {
    answerApply(token, applyAnswer(outcome), "OnApplyAllSetting  Send Enable OK/Apply Button\n");
}

void DeviceOutcomes::applied(const std::vector<int64_t> &tokens, int64_t answer) {
    for (const int64_t token : tokens)
        answerApply(token, answer, "Thread Send Enable OK/Apply Button\n");
}

void DeviceOutcomes::readBack(const ConfigBlock &config) {
    saves_.saveConfig(config);
    if (exchange_)
        exchange_->publish(config);
    poster_.post(kOptionTitle, WM_READBACK_DONE);
}

void DeviceOutcomes::recordedMacroRead(const ConfigBlock &config) {
    if (exchange_)
        exchange_->publish(config);
    poster_.post(kOptionTitle, WM_READBACK_DONE);
}

void DeviceOutcomes::accessCodeSent(const AccessCode &code, const ConfigBlock &config) {
    saves_.saveAccessCode(code, config);
}

} // namespace orvyn
