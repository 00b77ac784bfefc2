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

    // The record of the latest apply, and how many read-backs had ended
    // when it was taken.
    std::mutex takenMutex;
    std::unique_ptr<ConfigBlock> taken;
    uint64_t readBacksAtTake = 0;
    uint64_t readBacksEnded = 0;

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

    // Sends only what the change flags name, in a fixed order, from the
    // record as it was when the request began. A failed report does not stop
    // the sequence; a cancel does.
    void applyChanges() {
        restoreTakenRecord();
        auto snapshot = std::make_unique<ConfigBlock>();
        services.config.copyTo(*snapshot);
        const ConfigBlock &c = *snapshot;
        const ChangeFlags &f = c.flags;
        auto send = [&](const Report &r, Millis after) {
            commands.write(r);
            return pause(after);
        };

        if (f.currentProfile &&
            !send(encodeCurrentProfile(c.CurrentProfile), reportSpec(report_id::CurrentProfile).applyPause))
            return;
        for (const ReportSpec *report : kProfileReportOrder) {
            if (report->scope == ReportScope::KeySlot) {
                if (!applyMacros(c))
                    return;
                continue;
            }
            for (int p = 0; p < kProfileCount; ++p) {
                if (report->changed(f, p) && !send(report->encode(c.profiles[p], p), report->applyPause))
                    return;
            }
        }

        useCollaborators([&] { services.events.applied(); });
    }

    // A read-back that ended after this apply's record was taken has put the
    // keyboard's old values into the live record: the record comes back,
    // and is kept and published again, before anything is written.
    void restoreTakenRecord() {
        std::unique_ptr<ConfigBlock> restore;
        {
            std::lock_guard lock(takenMutex);
            if (taken && readBacksEnded != readBacksAtTake)
                restore = std::move(taken);
            taken.reset();
        }
        if (!restore)
            return;
        services.config.assign(*restore);
        useCollaborators([&] { services.events.restored(*restore); });
    }

    // The changed macro slots of every profile; false on a cancel.
    bool applyMacros(const ConfigBlock &c) {
        for (int p = 0; p < kProfileCount; ++p) {
            for (int s = 0; s < kKeyboardSlotCount; ++s) {
                const MacroKeyInfo &key = c.profiles[p].keys[s];
                if (c.flags.keySlot[p][s] && macroIsSent(key))
                    commands.write(encodeMacro(key, p, s));
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

    // One read of the read-back: decoded into the live record, then the
    // pause. False (the read-back ends) on a failed read or a cancel.
    template <typename Read, typename Decode> bool readStep(Read &&read, Decode &&decode) {
        const std::optional<Report> reply = read();
        if (!reply)
            return false;
        services.config.with([&](ConfigBlock &c) { decode(reply->view(), c); });
        return pause(kAfterRead);
    }

    // The macro of one slot: up to three reads, a 500 ms pause after the
    // first and the second whatever their outcome.
    bool readSlotMacro(int p, int s) {
        for (int attempt = 0; attempt < kMacroReadAttempts; ++attempt) {
            bool read = false;
            if (const auto reply = commands.readMacro(p, s)) {
                services.config.with([&](ConfigBlock &c) {
                    decodeMacro(reply->view(), c.profiles[p].keys[s], p, s, MacroNaming::KeepName);
                });
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
    void readMacros() {
        for (int p = 0; p < kProfileCount; ++p) {
            for (int s = 0; s < kKeyboardSlotCount; ++s) {
                if (cancelled())
                    return;
                const bool isMacro = services.config.with(
                    [&](const ConfigBlock &c) { return macroIsSent(c.profiles[p].keys[s]); });
                if (isMacro && !readSlotMacro(p, s))
                    return;
            }
            if (!pause(kAfterRead))
                return;
        }
    }

    // The current profile, then every per-profile report of every profile
    // in the table's order, the macros in their place.
    bool readAll() {
        if (!readStep([&] { return commands.read(reportSpec(report_id::CurrentProfile)); },
                      [](std::span<const uint8_t> r, ConfigBlock &c) { decodeCurrentProfile(r, c); }))
            return false;
        for (const ReportSpec *report : kProfileReportOrder) {
            if (report->scope == ReportScope::KeySlot) {
                readMacros();
                continue;
            }
            for (int p = 0; p < kProfileCount; ++p) {
                if (!readStep([&] { return commands.read(*report, p); },
                              [&](std::span<const uint8_t> r, ConfigBlock &c) {
                                  report->decode(r, c.profiles[p]);
                              }))
                    return false;
            }
        }
        return true;
    }

    // The keyboard's configuration becomes the configuration: saved,
    // published and announced only when every read arrived. Report 16 ends
    // every read-back, complete or not.
    void readEverything() {
        bool complete = readAll();
        if (!complete && !cancelled())
            complete = pause(kBeforeReadBackRetry) && readAll();
        if (complete) {
            auto snapshot = std::make_unique<ConfigBlock>();
            services.config.with([&](ConfigBlock &c) {
                for (auto &profileFlags : c.flags.keySlot)
                    for (int32_t &flag : profileFlags)
                        flag = 0;
                *snapshot = c;
            });
            useCollaborators([&] { services.events.readBack(*snapshot); });
        }
        {
            // Complete or not, it may have decoded into the live record.
            std::lock_guard lock(takenMutex);
            ++readBacksEnded;
        }
        commands.write(encodeClosing());
    }

    // --- single requests --------------------------------------------------------

    void writeCurrentProfile() {
        const int32_t current = services.config.with([](const ConfigBlock &c) { return c.CurrentProfile; });
        commands.write(encodeCurrentProfile(current));
    }

    // A macro was recorded on the keyboard into slot (argument & 0xFF) - 1
    // of its current profile: read it, give it a new name and send the name
    // back, then make it part of the configuration.
    void readRecordedMacro(int64_t argument) {
        const int s = static_cast<int>(argument & 0xFF) - 1;
        if (s < 0 || s >= kKeyboardSlotCount)
            return;
        if (!pause(kBeforeRecordedMacro))
            return;
        const int p = services.config.with([](const ConfigBlock &c) { return c.CurrentProfile; });
        // No profile selected yet (-1): there is no slot to read into.
        if (!isValidProfile(p))
            return;
        if (const auto reply = commands.read(reportSpec(report_id::Assignments), p))
            services.config.with([&](ConfigBlock &c) { decodeAssignments(reply->view(), c.profiles[p]); });
        if (!pause(kAfterRead))
            return;
        const std::optional<Report> macro = commands.readMacro(p, s);
        if (macro) {
            services.config.with([&](ConfigBlock &c) {
                decodeMacro(macro->view(), c.profiles[p].keys[s], p, s, MacroNaming::NewName);
            });
        }
        if (!pause(kAfterRead))
            return;
        // Without the macro read there is nothing new to send: writing the
        // slot back would replace the macro just recorded with the old one.
        if (!macro)
            return;
        const MacroKeyInfo key =
            services.config.with([&](const ConfigBlock &c) { return c.profiles[p].keys[s]; });
        if (macroIsSent(key))
            commands.write(encodeMacro(key, p, s));

        // The write above may be the call a stopping Monitor gave up on:
        // from here on the record is touched only while not abandoned.
        auto snapshot = std::make_unique<ConfigBlock>();
        AccessCode code{};
        useCollaborators([&] {
            services.config.copyTo(*snapshot);
            services.events.recordedMacroRead(*snapshot);
            code = services.newAccessCode ? services.newAccessCode() : makeAccessCodeNow();
        });
        commands.write(encodeAccessCode(code));
        useCollaborators([&] { services.events.accessCodeSent(code, *snapshot); });
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

void DeviceWorker::keepTakenRecord(const ConfigBlock &taken) {
    auto copy = std::make_unique<ConfigBlock>(taken);
    std::lock_guard lock(core_->takenMutex);
    core_->taken = std::move(copy);
    core_->readBacksAtTake = core_->readBacksEnded;
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
    return StopResult::Abandoned;
}

void DeviceWorker::serve(const ThreadMessage &message) {
    core_->serve(message);
}

} // namespace orvyn
