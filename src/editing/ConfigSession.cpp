#include "editing/ConfigSession.h"

#include <cstring>
#include <unistd.h>
#include <utility>

#include "editing/ChangeDetection.h"
#include "platform/Trace.h"
#include "shared/Messages.h"

namespace orvyn {

ConfigSession::ConfigSession(SettingsStore &settings, MessagePoster &poster, const TextSource &texts,
                             std::string macroPath)
    : settings_(settings), poster_(poster), texts_(texts), working_(std::make_unique<ConfigBlock>()),
      saved_(std::make_unique<ConfigBlock>()), library_(std::move(macroPath)),
      processId_(static_cast<uint32_t>(::getpid())) {
    std::memset(working_.get(), 0, sizeof(ConfigBlock));
    std::memset(saved_.get(), 0, sizeof(ConfigBlock));
    std::memset(&osd_, 0, sizeof osd_);
}

void ConfigSession::readFirmware(FirmwareRange range) {
    firmwareText_ = formatFirmwareVersion(settings_.readFirmwareVersion(), range);
}

std::string ConfigSession::versionLine() const {
    return std::string("Driver V") + kDriverVersion + "-Firmware V" + firmwareText_;
}

void ConfigSession::initialize(ConfigExchange *exchange) {
    exchange_ = exchange;
    std::memset(saved_.get(), 0, sizeof(ConfigBlock));
    saved_->CurrentProfile = -1;
    readFirmware(FirmwareRange::StartUp);
    loadConfiguration(exchange_, settings_, texts_, *saved_);

    library_.clear();
    library_.load();
    checkLibraryFile();
    settings_.readOsdSettings(osd_);
    *working_ = *saved_;
    collectAndSaveLibrary();
    refresh();
}

void ConfigSession::saveOsdSettings(SaveFailures &unsaved) {
    // Monitor reads them again on every apply; unchanged ones need no
    // rewrite of config.ini before Monitor is told.
    auto stored = std::make_unique<OsdSettings>();
    std::memset(stored.get(), 0, sizeof(OsdSettings));
    if (settings_.readOsdSettings(*stored) && std::memcmp(stored.get(), &osd_, sizeof osd_) == 0)
        return;
    settings_.writeOsdSettings(osd_, &unsaved);
}

void ConfigSession::collectAndSaveLibrary() {
    const CollectedMacros collected = library_.collectKeyMacros(*working_);
    saveMacroLibrary();
    if (managerCopy_ && !collected.empty()) {
        managerCopy_->mergeCollected(collected);
        if (managerMerged_)
            managerMerged_();
    }
}

void ConfigSession::saveLibrary(SaveFailures &unsaved) {
    std::string error;
    if (library_.save(&error))
        return;
    if (library_.fileState() == MacroFileState::Unreadable) {
        checkLibraryFile();
        return;
    }
    unsaved.push_back(error.empty() ? library_.path() + ": could not be written" : error);
}

void ConfigSession::tellIfUnsaved(const SaveFailures &unsaved) {
    if (!unsaved.empty())
        tell(SessionNotice::SettingsNotSaved, unsaved);
}

void ConfigSession::checkLibraryFile() {
    if (library_.fileState() != MacroFileState::Unreadable || libraryWarned_)
        return;
    trace("Option: " + library_.path() + " cannot be read whole (" + library_.problem() +
          "); it is left as it is\n");
    libraryWarned_ = true;
    tell(SessionNotice::MacroLibraryUnreadable);
}

void ConfigSession::tell(SessionNotice notice, const SaveFailures &unsaved) {
    const NoticeFacts facts{lastApplySaved_, lastRefused_, library_.path(), library_.problem()};
    const std::string text = sessionNoticeText(notice, facts, unsaved);
    trace("Option: told the user: " + text + "\n");
    if (view_)
        view_->tellUser(notice, text);
}

void ConfigSession::refresh() {
    if (view_)
        view_->refresh(working_->CurrentProfile);
}

void ConfigSession::selectProfile(int profile) {
    if (!isValidProfile(profile))
        return;
    working_->CurrentProfile = profile;
    refresh();
}

bool ConfigSession::apply(ApplyMode mode) {
    waitSchedule_.start();
    if (view_)
        view_->beginApplyWait();
    if (mode == ApplyMode::Apply) {
        detectChanges(*saved_, *working_);
        for (int p = 0; p < kProfileCount; ++p) {
            if (imported_[p])
                markProfileImported(*working_, p);
        }
    }
    // What the keyboard refused before goes again, though it equals what was saved.
    addChanges(working_->flags, refusedChanges_);
    const auto importedBefore = imported_;
    const ChangeFlags refusedBefore = refusedChanges_;
    imported_ = {};
    refusedChanges_ = {};
    sent_ = working_->flags;
    lastOutcome_.reset();
    lastRefused_ = 0;
    applyToken_ = applyToken(processId_, ++applySequence_);
    // Monitor learns of the record only through the block: a message
    // without it would make Monitor write whatever the block held before.
    const bool published = exchange_ && exchange_->publish(*working_);
    SaveFailures unsaved;
    saveOsdSettings(unsaved);
    const bool posted =
        published && poster_.post(kMonitorTitle, WM_CONFIG_APPLY, static_cast<int64_t>(mode), applyToken_);
    if (!settings_.saveConfig(*working_, &unsaved) && unsaved.empty())
        unsaved.push_back(settings_.folder() + ": the settings files could not be written");
    settings_.writeAccessCode(makeAccessCodeNow(), &unsaved);
    clearChangeFlags(*working_);
    if (unsaved.empty()) {
        *saved_ = *working_;
    } else {
        // What the files lack stays a change, so the next Apply sends and
        // writes it again.
        imported_ = importedBefore;
        refusedChanges_ = refusedBefore;
        trace("Option: the settings files could not be written\n");
    }
    saveLibrary(unsaved);
    lastApplySaved_ = unsaved.empty();
    tellIfUnsaved(unsaved);
    waiting_ = posted;
    if (posted) {
        trace("Option: apply handed to Monitor, waiting\n");
    } else {
        trace("Option: apply done without Monitor\n");
        waitSchedule_.stop();
        if (view_)
            view_->endApplyWait();
        tell(SessionNotice::AppliedWithoutMonitor);
    }
    return posted;
}

void ConfigSession::ok() {
    apply(ApplyMode::Apply);
    // A window closed over unsaved settings would lose them.
    if (view_ && lastApplySaved_)
        view_->closeWindow();
}

void ConfigSession::restoreDefaults() {
    makeDefaultConfig(*working_, texts_.text(kDefaultProfileNameText));
    markEverythingChanged(*working_);
    refresh();
    apply(ApplyMode::DefaultsRestored);
}

TransferResult ConfigSession::importProfile(const std::string &path) {
    return importProfile(working_->CurrentProfile, path);
}

TransferResult ConfigSession::importProfile(int p, const std::string &path) {
    if (!isValidProfile(p))
        return {false, "No profile is chosen to import into. Nothing was imported."};
    TransferResult result = importProfileFile(path, settings_.folder(), working_->profiles[p]);
    if (result.ok)
        profileImported(p);
    return result;
}

bool ConfigSession::replaceProfile(int p, const ProfileData &data) {
    if (!isValidProfile(p))
        return false;
    working_->profiles[p] = data;
    profileImported(p);
    return true;
}

void ConfigSession::profileImported(int p) {
    markProfileImported(*working_, p);
    imported_[p] = true;
    library_.collectKeyMacros(*working_);
    refresh();
}

TransferResult ConfigSession::exportProfile(const std::string &path) {
    return exportProfile(working_->CurrentProfile, path);
}

TransferResult ConfigSession::exportProfile(int p, const std::string &path) {
    if (!isValidProfile(p))
        return {false, "No profile is chosen to export."};
    return exportProfileFile(working_->profiles[p], p, path, settings_);
}

void ConfigSession::finishApply(ApplyEnd end) {
    const bool wasWaiting = waiting_;
    waiting_ = false;
    waitSchedule_.stop();
    if (view_)
        view_->endApplyWait();
    if (!wasWaiting)
        return;
    if (end == ApplyEnd::Answered) {
        trace("Option: Monitor answered, OK/Apply enabled\n");
        ApplyOutcome outcome = lastOutcome_.value_or(ApplyOutcome::Sent);
        // Monitor answers at once when it has no keyboard open; it notes
        // that in config.ini before it takes any apply. (A Monitor without
        // tokens answers every apply as Sent.)
        if (outcome == ApplyOutcome::Sent && settings_.readDeviceState() == 0)
            outcome = ApplyOutcome::NoKeyboard;
        // Before any notice: a notice waits for the user.
        if (view_)
            view_->applyConfirmed(outcome);
        switch (outcome) {
        case ApplyOutcome::Refused:
            keepRefusedChanges(sent_, lastRefused_, refusedChanges_);
            tell(SessionNotice::KeyboardRefused);
            break;
        case ApplyOutcome::NoKeyboard:
            tell(SessionNotice::KeyboardAbsent);
            break;
        case ApplyOutcome::NotTaken:
            // Monitor could not read the hand-over: nothing reached the
            // keyboard, so all of it stays marked for the next Apply.
            keepRefusedChanges(sent_, 0, refusedChanges_);
            tell(SessionNotice::ApplyUnconfirmed);
            break;
        case ApplyOutcome::Sent:
            break;
        }
    } else {
        trace(end == ApplyEnd::MonitorGone ? "Option: Monitor went away during the apply\n"
                                           : "Option: Monitor did not answer the apply in time\n");
        tell(SessionNotice::ApplyUnconfirmed);
    }
}

void ConfigSession::checkApplyWait() {
    if (!waiting_)
        return;
    switch (waitSchedule_.look()) {
    case ApplyWaitLook::PastLimit:
        finishApply(ApplyEnd::TimedOut);
        break;
    case ApplyWaitLook::LookForMonitor:
        // Monitor gone (crashed or quit) means no answer will come.
        if (!poster_.exists(kMonitorTitle))
            finishApply(ApplyEnd::MonitorGone);
        break;
    case ApplyWaitLook::NotDue:
        break;
    }
}

void ConfigSession::saveMacroLibrary() {
    SaveFailures unsaved;
    saveLibrary(unsaved);
    tellIfUnsaved(unsaved);
}

MacroLibrary &ConfigSession::openMacroManager(std::function<void()> merged) {
    managerCopy_ = std::make_unique<MacroLibrary>(library_);
    managerMerged_ = std::move(merged);
    return *managerCopy_;
}

void ConfigSession::macroManagerClosed(bool accepted, MacroKeysOnOk keys) {
    std::unique_ptr<MacroLibrary> copy = std::move(managerCopy_);
    managerMerged_ = nullptr;
    if (accepted) {
        if (copy)
            library_.takeRecords(std::move(*copy));
        saveMacroLibrary();
        if (keys == MacroKeysOnOk::Refresh)
            library_.refreshKeys(*working_);
    } else {
        // The library never held the manager's edits; read again, it also
        // takes what changed in its file meanwhile.
        library_.reload();
        checkLibraryFile();
    }
}

void ConfigSession::applyAnswered(const PostedMessage &message) {
    if (message.wParam != 0 && message.wParam != applyToken_) {
        trace("Option: ignored an answer for apply " + std::to_string(message.wParam) +
              " (the last apply is " + std::to_string(applyToken_) + ")\n");
        return;
    }
    if (waiting_) {
        lastOutcome_ = applyOutcome(message.lParam);
        lastRefused_ = *lastOutcome_ == ApplyOutcome::Refused ? applyRefusedReports(message.lParam) : 0;
    }
    finishApply(ApplyEnd::Answered);
}

bool ConfigSession::takeSaved() {
    return takeFromBlock(exchange_, *saved_);
}

bool ConfigSession::handleMessage(const PostedMessage &message) {
    switch (message.message) {
    case WM_READBACK_DONE:
        readFirmware(FirmwareRange::AfterReadBack);
        if (view_)
            view_->versionTextChanged();
        // Without the block the news cannot be read: the user's unapplied
        // edits stay rather than being replaced by the old saved copy.
        if (!takeSaved())
            return true;
        trace("Option: took the keyboard's configuration, profile " + std::to_string(saved_->CurrentProfile) +
              "\n");
        *working_ = *saved_;
        imported_ = {};
        refusedChanges_ = {};
        refresh();
        collectAndSaveLibrary();
        return true;
    case WM_PROFILE_CHANGED:
        if (!takeSaved())
            return true;
        *working_ = *saved_;
        imported_ = {};
        refusedChanges_ = {};
        refresh();
        return true;
    case WM_APPLY_DONE:
        applyAnswered(message);
        return true;
    case WM_LIGHTING_CHANGED: {
        if (!takeSaved())
            return true;
        const int p = saved_->CurrentProfile;
        working_->CurrentProfile = p;
        if (isValidProfile(p)) {
            // Only what the keyboard changed by itself; other edits stay.
            const ProfileData &from = saved_->profiles[p];
            ProfileData &to = working_->profiles[p];
            to.LtColor = from.LtColor;
            to.LtControl = from.LtControl;
            to.winKeyLock() = from.winKeyLock();
            to.winKeyLockTwin() = from.winKeyLockTwin();
            to.lightingReserved = from.lightingReserved;
        }
        refresh();
        if (isValidProfile(p)) {
            working_->flags.imported[p] = 0;
            imported_[p] = false;
        }
        return true;
    }
    case WM_OPTION_IGNORED:
        return true;
    case WM_CLOSE_MSG:
        if (view_)
            view_->closeWindow();
        return true;
    case WM_SYSCOMMAND_MSG:
        if (message.wParam == SC_RESTORE_CMD && view_)
            view_->restoreAndActivate();
        return true;
    default:
        return false;
    }
}

} // namespace orvyn
