#include "monitor/device/DeviceWorker.h"

#include <condition_variable>
#include <mutex>
#include <thread>

#include "monitor/device/FeatureCommands.h"

namespace orvyn {

namespace {

constexpr Millis kAfterRead{200};
constexpr Millis kBetweenMacroAttempts{500};
constexpr Millis kBeforeRecordedMacro{300};
constexpr int kMacroReadAttempts = 3;
// A read-back that fails part-way (a busy keyboard, a hiccup on the cable)
// is tried once more after this pause before the old record is kept.
constexpr Millis kBeforeReadBackRetry{1000};

// Passes calls through to the module until the worker has been abandoned;
// from then on nothing reaches the module and every call fails, so the
// detached thread runs out without touching anything of its owner's.
class GatedModule final : public DeviceModule {
public:
    GatedModule(DeviceModule &inner, const std::atomic<bool> &closed) : inner_(inner), closed_(closed) {}

    bool openDevMonitor(DevBridgeSink *sink, uint32_t eventMessage, uint32_t deviceMessage) override {
        return !closed_ && inner_.openDevMonitor(sink, eventMessage, deviceMessage);
    }
    bool openFeatureDevice() override { return !closed_ && inner_.openFeatureDevice(); }
    void closeFeatureDevice() override {
        if (!closed_)
            inner_.closeFeatureDevice();
    }
    void closeDevMonitor() override {
        if (!closed_)
            inner_.closeDevMonitor();
    }
    bool setFeature(uint8_t *report, uint32_t length) override {
        if (closed_)
            return false;
        const bool sent = inner_.setFeature(report, length);
        return sent && !closed_;
    }
    bool getFeature(uint8_t *report, uint32_t length) override {
        if (closed_)
            return false;
        const bool read = inner_.getFeature(report, length);
        return read && !closed_;
    }

private:
    DeviceModule &inner_;
    const std::atomic<bool> &closed_;
};

} // namespace

struct DeviceWorker::Core {
    explicit Core(const DeviceWorkerServices &s)
        : services(s), gate(s.module, abandoned), commands(gate, s.clock, [this] { return cancelled(); }) {}

    DeviceWorkerServices services;
    std::atomic<bool> abandoned{false};
    GatedModule gate;
    FeatureCommands commands;
    ThreadQueue<ThreadMessage> queue{kMaxQueuedRequests};

    std::atomic<int> state{static_cast<int>(KeyboardState::NotFound)};
    std::atomic<bool> busy{false};
    std::atomic<bool> cancel{false};
    std::atomic<bool> stopping{false};

    std::mutex idleMutex;
    std::condition_variable idleChanged;
    uint64_t posted = 0;
    uint64_t finished = 0;

    std::mutex endMutex;
    std::condition_variable endChanged;
    bool ended = false;

    // Held while the events run (and, right after a module call, while the
    // record is in use), so stop() cannot abandon the thread in the middle
    // of either.
    std::mutex collaboratorMutex;

    bool cancelled() const { return cancel || stopping; }

    // A cancellable pause after a command; false when the request must end.
    bool pause(Millis duration) { return commands.cancellableWait(duration) && !cancelled(); }

    template <typename F> void useCollaborators(F &&f) {
        std::lock_guard lock(collaboratorMutex);
        if (!abandoned)
            f();
    }

    void run() {
        while (auto message = queue.take()) {
            serve(*message);
            {
                std::lock_guard lock(idleMutex);
                ++finished;
            }
            idleChanged.notify_all();
        }
        {
            std::lock_guard lock(endMutex);
            ended = true;
        }
        endChanged.notify_all();
    }

    void serve(const ThreadMessage &message) {
        if (message.message != WM_DEVICE_REQUEST)
            return;
        // busy is raised before the state is looked at: a removal that
        // sees busy clear has changed the state before this test.
        busy = true;
        cancel = false;
        if (state != static_cast<int>(KeyboardState::Connected) || stopping) {
            busy = false;
            return;
        }
        switch (static_cast<DeviceRequest>(message.wParam)) {
        case DeviceRequest::ApplyChanges:
            applyChanges();
            break;
        case DeviceRequest::ReadEverything:
            readEverything();
            break;
        case DeviceRequest::WriteCurrentProfile:
            writeCurrentProfile();
            break;
        case DeviceRequest::ReadRecordedMacro:
            readRecordedMacro(message.lParam);
            break;
        }
        busy = false;
    }

    // --- apply -------------------------------------------------------------

    // Sends everything owed to the keyboard, in a fixed order, from the copy
    // of the record it was handed with. A refused report does not stop the
    // sequence: its parts are owed again and the answer names it. A cancel
    // ends the request unanswered; what it had not sent is dropped with the
    // keyboard that went (its arrival reads everything back).
    void applyChanges() {
        const OwedChanges::Batch batch = services.owed.take();
        const ConfigBlock &c = *batch.record;
        const ChangeFlags &f = batch.parts;
        ChangeFlags refused{};
        uint32_t refusedIds = 0;
        auto write = [&](const Report &r, const ChangeFlags &parts) {
            if (!commands.write(r)) {
                addParts(refused, parts);
                refusedIds |= 1u << r.id();
            }
        };
        auto send = [&](const Report &r, const ChangeFlags &parts, Millis after) {
            write(r, parts);
            return pause(after);
        };

        if (f.currentProfile) {
            ChangeFlags part{};
            part.currentProfile = 1;
            if (!send(encodeCurrentProfile(c.CurrentProfile), part,
                      reportSpec(report_id::CurrentProfile).applyPause))
                return;
        }
        for (const ReportSpec *report : kProfileReportOrder) {
            if (report->scope == ReportScope::KeySlot) {
                if (!applyMacros(c, f, write))
                    return;
                continue;
            }
            for (int p = 0; p < kProfileCount; ++p) {
                if (report->changed(f, p) &&
                    !send(report->encode(c.profiles[p], p), partsSentBy(*report, p, f), report->applyPause))
                    return;
            }
        }
        if (anyKeyboardPart(refused))
            services.owed.giveBack(refused);
        const int64_t answer = refusedIds != 0 ? applyAnswer(ApplyOutcome::Refused, refusedIds)
                                               : applyAnswer(ApplyOutcome::Sent);
        useCollaborators([&] { services.events.applied(batch.tokens, answer); });
    }

    // The parts of `flags` that row `report` sends for profile p.
    static ChangeFlags partsSentBy(const ReportSpec &report, int p, const ChangeFlags &flags) {
        ChangeFlags sent{};
        auto perProfile = [&](int32_t(ChangeFlags::*part)[kProfileCount]) {
            ChangeFlags one{};
            (one.*part)[p] = 1;
            if ((flags.*part)[p] && report.changed(one, p))
                (sent.*part)[p] = 1;
        };
        perProfile(&ChangeFlags::standardKey);
        perProfile(&ChangeFlags::modifyKey);
        perProfile(&ChangeFlags::lighting);
        perProfile(&ChangeFlags::pollingRate);
        for (int s = 0; s < kKeySlotCount; ++s) {
            ChangeFlags one{};
            one.keySlot[p][s] = 1;
            if (flags.keySlot[p][s] && report.changed(one, p))
                sent.keySlot[p][s] = 1;
        }
        return sent;
    }

    // The owed macro slots of every profile; false on a cancel.
    template <typename Write> bool applyMacros(const ConfigBlock &c, const ChangeFlags &f, Write &&write) {
        for (int p = 0; p < kProfileCount; ++p) {
            for (int s = 0; s < kKeyboardSlotCount; ++s) {
                const MacroKeyInfo &key = c.profiles[p].keys[s];
                if (f.keySlot[p][s] && macroIsSent(key)) {
                    ChangeFlags part{};
                    part.keySlot[p][s] = 1;
                    write(encodeMacro(key, p, s), part);
                }
                if (cancelled())
                    return false;
            }
            // The keyboard gets its pause after each profile's macros,
            // whether any was sent or not.
            if (!pause(reportSpec(report_id::Macro).applyPause))
                return false;
        }
        return true;
    }

    // --- read everything back ----------------------------------------------------

    // One read of the read-back: decoded into `into`, then the pause. False
    // (the read-back ends) on a failed read or a cancel.
    template <typename Read, typename Decode> bool readStep(ConfigBlock &into, Read &&read, Decode &&decode) {
        const std::optional<Report> reply = read();
        if (!reply)
            return false;
        decode(reply->view(), into);
        return pause(kAfterRead);
    }

    // The macro of one slot: up to three reads, a 500 ms pause after the
    // first and the second whatever their outcome.
    bool readSlotMacro(ConfigBlock &into, int p, int s) {
        for (int attempt = 0; attempt < kMacroReadAttempts; ++attempt) {
            bool read = false;
            if (const auto reply = commands.readMacro(p, s)) {
                decodeMacro(reply->view(), into.profiles[p].keys[s], p, s, MacroNaming::KeepName);
                read = true;
            }
            if (attempt + 1 < kMacroReadAttempts && !pause(kBetweenMacroAttempts))
                return false;
            if (read)
                return true;
        }
        return false;
    }

    // The macros of every profile whose slots just read as macros. A profile
    // that fails, or a cancel, ends the macros but not the read-back.
    void readMacros(ConfigBlock &into) {
        for (int p = 0; p < kProfileCount; ++p) {
            for (int s = 0; s < kKeyboardSlotCount; ++s) {
                if (cancelled())
                    return;
                if (macroIsSent(into.profiles[p].keys[s]) && !readSlotMacro(into, p, s))
                    return;
            }
            if (!pause(kAfterRead))
                return;
        }
    }

    // The current profile, then every per-profile report of every profile
    // in the table's order, the macros in their place.
    bool readAll(ConfigBlock &into) {
        if (!readStep(
                into, [&] { return commands.read(reportSpec(report_id::CurrentProfile)); },
                [](std::span<const uint8_t> r, ConfigBlock &c) { decodeCurrentProfile(r, c); }))
            return false;
        for (const ReportSpec *report : kProfileReportOrder) {
            if (report->scope == ReportScope::KeySlot) {
                readMacros(into);
                continue;
            }
            for (int p = 0; p < kProfileCount; ++p) {
                if (!readStep(
                        into, [&] { return commands.read(*report, p); },
                        [&](std::span<const uint8_t> r, ConfigBlock &c) {
                            report->decode(r, c.profiles[p]);
                        }))
                    return false;
            }
        }
        return true;
    }

    // The keyboard's configuration, read into a copy of Monitor's record,
    // goes to Monitor whole, and only when every read arrived. Report 16
    // ends every read-back, complete or not.
    void readEverything() {
        auto read = std::make_unique<ConfigBlock>(*services.owed.record());
        bool complete = readAll(*read);
        if (!complete && !cancelled())
            complete = pause(kBeforeReadBackRetry) && readAll(*read);
        if (complete) {
            for (auto &profileFlags : read->flags.keySlot)
                for (int32_t &flag : profileFlags)
                    flag = 0;
            // No apply runs meanwhile (this thread serves them): what is
            // owed now is exactly what the keyboard does not have yet.
            services.owed.overlay(*read);
            useCollaborators([&] { services.events.readBack(*read); });
        }
        commands.write(encodeClosing());
    }

    // --- single requests --------------------------------------------------------

    // Report 5 with the current profile of the latest record.
    void writeCurrentProfile() {
        commands.write(encodeCurrentProfile(services.owed.record()->CurrentProfile));
    }

    // A macro was recorded on the keyboard into slot (argument & 0xFF) - 1
    // of its current profile: read it, give it a new name and send the name
    // back, then hand the profile's key slots to Monitor.
    void readRecordedMacro(int64_t argument) {
        const int s = static_cast<int>(argument & 0xFF) - 1;
        if (s < 0 || s >= kKeyboardSlotCount)
            return;
        if (!pause(kBeforeRecordedMacro))
            return;
        auto read = std::make_unique<ConfigBlock>(*services.owed.record());
        const int p = read->CurrentProfile;
        // No profile selected yet (-1): there is no slot to read into.
        if (!isValidProfile(p))
            return;
        if (const auto reply = commands.read(reportSpec(report_id::Assignments), p))
            decodeAssignments(reply->view(), read->profiles[p]);
        if (!pause(kAfterRead))
            return;
        MacroKeyInfo &key = read->profiles[p].keys[s];
        const std::optional<Report> macro = commands.readMacro(p, s);
        if (macro)
            decodeMacro(macro->view(), key, p, s, MacroNaming::NewName);
        if (!pause(kAfterRead))
            return;
        // Without the macro read there is nothing new to send: writing the
        // slot back would replace the macro just recorded with the old one.
        if (!macro)
            return;
        if (macroIsSent(key))
            commands.write(encodeMacro(key, p, s));

        // The write above may be the call a stopping Monitor gave up on:
        // from here on collaborators are touched only while not abandoned.
        AccessCode code{};
        useCollaborators([&] {
            services.events.recordedMacroRead(p, *read);
            code = services.newAccessCode ? services.newAccessCode() : makeAccessCodeNow();
        });
        commands.write(encodeAccessCode(code));
        useCollaborators([&] { services.events.accessCodeSent(code); });
    }
};

DeviceWorker::DeviceWorker(const DeviceWorkerServices &services) : core_(std::make_shared<Core>(services)) {}

DeviceWorker::~DeviceWorker() {
    stop();
}

bool DeviceWorker::start() {
    if (started_ || stopped_)
        return false;
    // The thread holds its own reference: an abandoned thread outlives this
    // object and still finds its queue and flags.
    std::thread([core = core_] { core->run(); }).detach();
    started_ = true;
    return true;
}

bool DeviceWorker::post(DeviceRequest request, int64_t argument) {
    ThreadMessage m;
    m.message = WM_DEVICE_REQUEST;
    m.wParam = static_cast<int64_t>(request);
    m.lParam = argument;
    return postMessage(m);
}

bool DeviceWorker::postMessage(const ThreadMessage &message) {
    if (!started_ || stopped_)
        return false;
    std::lock_guard lock(core_->idleMutex);
    if (!core_->queue.post(message))
        return false;
    ++core_->posted;
    return true;
}

void DeviceWorker::setKeyboardState(KeyboardState state) {
    core_->state = static_cast<int>(state);
}

KeyboardState DeviceWorker::keyboardState() const {
    return static_cast<KeyboardState>(core_->state.load());
}

void DeviceWorker::cancelIfBusy() {
    if (core_->busy)
        core_->cancel = true;
}

bool DeviceWorker::isBusy() const {
    return core_->busy;
}

bool DeviceWorker::waitUntilIdle(std::chrono::milliseconds timeout) {
    std::unique_lock lock(core_->idleMutex);
    return core_->idleChanged.wait_for(lock, timeout, [this] { return core_->finished >= core_->posted; });
}

DeviceWorker::StopResult DeviceWorker::stop(std::chrono::milliseconds grace) {
    if (!started_ || stopped_) {
        stopped_ = true;
        return StopResult::NotRunning;
    }
    stopped_ = true;
    core_->stopping = true;
    cancelIfBusy();
    core_->queue.close();
    // Requests dropped from the queue count as finished for waitUntilIdle.
    {
        std::lock_guard lock(core_->idleMutex);
        core_->finished = core_->posted;
    }
    core_->idleChanged.notify_all();

    std::unique_lock lock(core_->endMutex);
    if (core_->endChanged.wait_for(lock, grace, [this] { return core_->ended; }))
        return StopResult::Ended;
    lock.unlock();
    std::lock_guard collaborators(core_->collaboratorMutex);
    core_->abandoned = true;
    abandoned_ = true;
    return StopResult::Abandoned;
}

void DeviceWorker::serve(const ThreadMessage &message) {
    core_->serve(message);
}

} // namespace orvyn
