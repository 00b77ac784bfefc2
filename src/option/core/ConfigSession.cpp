#include "option/core/ConfigSession.h"

#include <cstring>

#include "option/core/ChangeDetection.h"
#include "platform/Trace.h"
#include "shared/Messages.h"

namespace orvyn {

std::string formatFirmwareVersion(int32_t value, FirmwareRange range) {
    if (value < 100 || (range == FirmwareRange::StartUp && value > 500))
        return "N/A";
    const std::string digits = std::to_string(value);
    return digits.substr(0, 1) + "." + digits.substr(1);
}

ConfigSession::ConfigSession(SettingsStore &settings, MessagePoster &poster, const TextSource &texts,
                             std::string macroPath)
    : settings_(settings), poster_(poster), texts_(texts), working_(std::make_unique<ConfigBlock>()),
      saved_(std::make_unique<ConfigBlock>()), library_(std::move(macroPath)) {
    std::memset(working_.get(), 0, sizeof(ConfigBlock));
    std::memset(saved_.get(), 0, sizeof(ConfigBlock));
    std::memset(&osd_, 0, sizeof osd_);
}

void ConfigSession::readFirmware(FirmwareRange range) {
    firmwareText_ = formatFirmwareVersion(settings_.readFirmwareVersion(), range);
}

std::string ConfigSession::versionLine() const {
    return std::string("Driver V") + kProgramVersion + "-Firmware V" + firmwareText_;
}

void ConfigSession::initialize(ConfigExchange *exchange) {
    exchange_ = exchange;
    std::memset(saved_.get(), 0, sizeof(ConfigBlock));
    saved_->CurrentProfile = -1;
    readFirmware(FirmwareRange::StartUp);

    bool loaded = false;
    if (exchange_) {
        loaded = exchange_->take(*saved_);
        if (loaded)
            clearChangeFlags(*saved_);
    }
    if (!loaded) {
        // No Monitor (or its block could not be read): the settings files.
        // A record left all zero here would be applied over the files.
        std::memset(saved_.get(), 0, sizeof(ConfigBlock));
        saved_->CurrentProfile = -1;
        const std::string nameText = texts_.text(kDefaultProfileNameText);
        if (!settings_.loadConfig(*saved_, nameText))
            makeDefaultConfig(*saved_, nameText);
        // A fresh settings folder has no current profile yet.
        if (!isValidProfile(saved_->CurrentProfile))
            saved_->CurrentProfile = 0;
    }

    library_.clear();
    library_.load();
    settings_.readOsdSettings(osd_);
    *working_ = *saved_;
    collectAndSaveLibrary();
    refresh();
}

void ConfigSession::saveOsdSettings() {
    // Monitor reads them again on every apply; unchanged ones need no
    // rewrite of config.ini before Monitor is told.
    auto stored = std::make_unique<OsdSettings>();
    std::memset(stored.get(), 0, sizeof(OsdSettings));
    if (settings_.readOsdSettings(*stored) && std::memcmp(stored.get(), &osd_, sizeof osd_) == 0)
        return;
    settings_.writeOsdSettings(osd_);
}

void ConfigSession::collectAndSaveLibrary() {
    library_.collectKeyMacros(*working_);
    if (!library_.save())
        trace("Option: the macro library could not be saved\n");
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
    if (view_)
        view_->beginApplyWait();
    if (mode == ApplyMode::Apply) {
        detectChanges(*saved_, *working_);
        for (int p = 0; p < kProfileCount; ++p) {
            if (imported_[p])
                markProfileImported(*working_, p);
        }
    }
    imported_ = {};
    if (exchange_)
        exchange_->publish(*working_);
    saveOsdSettings();
    const bool posted = poster_.post(kMonitorTitle, WM_CONFIG_APPLY, static_cast<int64_t>(mode), 0);
    if (!settings_.saveConfig(*working_))
        trace("Option: the settings files could not be written\n");
    settings_.writeAccessCode(makeAccessCodeNow());
    clearChangeFlags(*working_);
    *saved_ = *working_;
    if (!library_.save())
        trace("Option: the macro library could not be saved\n");
    waiting_ = posted;
    if (posted) {
        trace("Option: apply handed to Monitor, waiting\n");
    } else {
        trace("Option: apply done without Monitor\n");
        if (view_)
            view_->endApplyWait();
    }
    return posted;
}

void ConfigSession::ok() {
    apply(ApplyMode::Apply);
    if (view_)
        view_->closeWindow();
}

void ConfigSession::restoreDefaults() {
    makeDefaultConfig(*working_, texts_.text(kDefaultProfileNameText));
    markEverythingChanged(*working_);
    refresh();
    apply(ApplyMode::DefaultsRestored);
}

TransferResult ConfigSession::importProfile(const std::string &path) {
    const int p = working_->CurrentProfile;
    if (!isValidProfile(p))
        return {false, "No profile is chosen to import into. Nothing was imported."};
    TransferResult result = importProfileFile(path, settings_.folder(), working_->profiles[p]);
    if (!result.ok)
        return result;
    markProfileImported(*working_, p);
    imported_[p] = true;
    library_.collectKeyMacros(*working_);
    refresh();
    return result;
}

TransferResult ConfigSession::exportProfile(const std::string &path) {
    const int p = working_->CurrentProfile;
    if (!isValidProfile(p))
        return {false, "No profile is chosen to export."};
    return exportProfileFile(working_->profiles[p], p, path, settings_);
}

void ConfigSession::finishApply() {
    if (waiting_)
        trace("Option: Monitor answered, OK/Apply enabled\n");
    waiting_ = false;
    if (view_)
        view_->endApplyWait();
}

void ConfigSession::macroManagerClosed(bool accepted) {
    if (accepted) {
        library_.save();
        library_.refreshKeys(*working_);
    } else {
        library_.reload();
    }
}

void ConfigSession::takeSaved() {
    if (exchange_ && exchange_->take(*saved_))
        clearChangeFlags(*saved_);
}

bool ConfigSession::handleMessage(const PostedMessage &message) {
    switch (message.message) {
    case WM_READBACK_DONE:
        readFirmware(FirmwareRange::AfterReadBack);
        if (view_)
            view_->versionTextChanged();
        takeSaved();
        *working_ = *saved_;
        imported_ = {};
        refresh();
        collectAndSaveLibrary();
        return true;
    case WM_PROFILE_CHANGED:
        takeSaved();
        *working_ = *saved_;
        imported_ = {};
        refresh();
        return true;
    case WM_APPLY_DONE:
        finishApply();
        return true;
    case WM_LIGHTING_CHANGED: {
        takeSaved();
        const int p = saved_->CurrentProfile;
        working_->CurrentProfile = p;
        if (isValidProfile(p)) {
            // Only what the keyboard changed by itself; other edits stay.
            const ProfileData &from = saved_->profiles[p];
            ProfileData &to = working_->profiles[p];
            to.LtColor = from.LtColor;
            to.LtControl = from.LtControl;
            to.ModifyKey[2] = from.ModifyKey[2];
            to.ModifyKey[3] = from.ModifyKey[3];
            to.reserved16804 = from.reserved16804;
        }
        refresh();
        if (isValidProfile(p)) {
            working_->flags.imported[p] = 0;
            imported_[p] = false;
        }
        return true;
    }
    case WM_OPTION_1258:
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
