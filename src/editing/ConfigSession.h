// Option's configuration state and its life: loading at start-up, the two
// copies of the record, profile selection, the apply cycle with Monitor and
// the messages Monitor posts back. Widgets stay behind SessionView.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "editing/ApplyAnswerWait.h"
#include "editing/ConfigLoading.h"
#include "editing/MacroLibrary.h"
#include "editing/ProfileFiles.h"
#include "editing/SessionNotices.h"
#include "platform/Clock.h"
#include "platform/MessagePoster.h"
#include "shared/ConfigBlock.h"
#include "shared/ConfigExchange.h"
#include "shared/Messages.h"
#include "shared/SettingsStore.h"
#include "uitext/UiText.h"

namespace orvyn {

// What the session asks of the window.
class SessionView {
public:
    virtual ~SessionView() = default;
    // The pressed profile button follows `current`, then every page reloads
    // from the working copy.
    virtual void refresh(int current) = 0;
    // Mouse capture + wait cursor + OK/Apply disabled, or all undone.
    virtual void beginApplyWait() = 0;
    virtual void endApplyWait() = 0;
    // The version line has to be drawn again.
    virtual void versionTextChanged() = 0;
    // Ends the window (as the close buttons do).
    virtual void closeWindow() = 0;
    // Restores a minimized window, raises and activates it.
    virtual void restoreAndActivate() = 0;
    // A message for the user, shown once the window can show it.
    virtual void tellUser(SessionNotice notice, const std::string &text) = 0;
    // Monitor answered the apply; Sent means the keyboard was there to take it.
    virtual void applyConfirmed(ApplyOutcome) {}
};

enum class ApplyMode : int64_t { Apply = 0, DefaultsRestored = 1 };

// What OK in the macro manager does besides saving the library.
enum class MacroKeysOnOk { Refresh, Keep };

class ConfigSession {
public:
    // `macroPath` is config/sequence.dat in the settings folder.
    ConfigSession(SettingsStore &settings, MessagePoster &poster, const TextSource &texts,
                  std::string macroPath);

    void setView(SessionView *view) { view_ = view; }

    // Start-up after the window is built: `exchange` is Monitor's shared
    // block (it may come and go while Option runs), or nullptr.
    void initialize(ConfigExchange *exchange);

    ConfigBlock &working() { return *working_; }
    const ConfigBlock &working() const { return *working_; }
    const ConfigBlock &saved() const { return *saved_; }
    MacroLibrary &library() { return library_; }
    const OsdSettings &osdSettings() const { return osd_; }

    const std::string &firmwareText() const { return firmwareText_; }
    // "Driver V<program>-Firmware V<firmware>".
    std::string versionLine() const;

    void refresh();
    void selectProfile(int profile);

    // Returns true when the session now waits for Monitor's answer. When the
    // record cannot be handed to Monitor the files are still saved and the
    // user is told that the keyboard did not get it.
    bool apply(ApplyMode mode);
    // OK: apply, then close without waiting; the window stays open when
    // the settings could not be saved.
    void ok();
    // Called once the user confirmed: defaults for every profile, every
    // part marked changed, applied with mode 1.
    void restoreDefaults();
    bool waiting() const { return waiting_; }
    // The answer came (1256), Monitor went away, or the wait limit passed;
    // in the last two cases the user is told.
    void finishApply(ApplyEnd end);
    // Monitor's answer to the last apply (none until it came); its refused
    // reports (bit n: report id n) for Refused.
    std::optional<ApplyOutcome> lastApplyOutcome() const { return lastOutcome_; }
    uint32_t lastRefusedReports() const { return lastRefused_; }

    // The wait's policy; it starts with apply(). The clock is real time
    // unless a test gives another, which must outlive the session.
    void setApplyWaitTiming(ApplyWaitTiming timing) { waitSchedule_.setTiming(timing); }
    void setApplyWaitClock(const Clock &clock) { waitSchedule_.setClock(clock); }
    // Time until the wait is to be looked at again (the next look for
    // Monitor or the limit, whichever comes first); none unless an apply
    // is under way.
    std::optional<Millis> applyWaitDue() const { return waitSchedule_.due(); }
    // Looks at the wait when it is due: past the limit it ends TimedOut; at
    // a look for Monitor that finds it gone, MonitorGone.
    void checkApplyWait();

    // The macro manager opens on a copy of the library, its own until it
    // closes. A read-back meanwhile brings the keys' macros into the library
    // (and its file) and into the copy, where they leave the user's edits
    // alone; `merged` is then called.
    MacroLibrary &openMacroManager(std::function<void()> merged = {});
    // The macro manager ended. Accepted: its copy becomes the library, which
    // is saved, and (Refresh) the macro keys take its macros. Rejected: the
    // copy is dropped and the library read again from its file.
    void macroManagerClosed(bool accepted, MacroKeysOnOk keys = MacroKeysOnOk::Refresh);
    // The library alone to its file; the user is told when it fails.
    void saveMacroLibrary();

    // The current profile from a profile file: the whole profile is marked
    // changed (and stays so through the next Apply), its macros join the
    // library, the window refreshes. A refused file changes nothing.
    TransferResult importProfile(const std::string &path);
    TransferResult importProfile(int profile, const std::string &path);
    // The current profile into a profile file.
    TransferResult exportProfile(const std::string &path);
    TransferResult exportProfile(int profile, const std::string &path);
    // Profile `profile` replaced whole by `data` (already checked), as an
    // import replaces it. False for a profile out of range.
    bool replaceProfile(int profile, const ProfileData &data);

    // Messages posted to Option's endpoint; false for ones it does not know.
    bool handleMessage(const PostedMessage &message);

private:
    // From the block, change flags cleared; false (nothing changed) when
    // the block cannot be read.
    bool takeSaved();
    void readFirmware(FirmwareRange range);
    void collectAndSaveLibrary();
    // Adds a line to `unsaved` when the library could be ours but was not
    // written; an unreadable library is told of on its own.
    void saveLibrary(SaveFailures &unsaved);
    void checkLibraryFile();
    void saveOsdSettings(SaveFailures &unsaved);
    // `unsaved` lists what could not be written (SettingsNotSaved only).
    void tell(SessionNotice notice, const SaveFailures &unsaved = {});
    void tellIfUnsaved(const SaveFailures &unsaved);
    void profileImported(int profile);
    // 1256: the answer to our apply, one from an older Monitor (token 0), or
    // a late one for an apply we no longer wait for (ignored).
    void applyAnswered(const PostedMessage &message);

    SettingsStore &settings_;
    MessagePoster &poster_;
    const TextSource &texts_;
    ConfigExchange *exchange_ = nullptr;
    SessionView *view_ = nullptr;
    std::unique_ptr<ConfigBlock> working_;
    std::unique_ptr<ConfigBlock> saved_;
    MacroLibrary library_;
    std::unique_ptr<MacroLibrary> managerCopy_; // while the macro manager is open
    std::function<void()> managerMerged_;
    OsdSettings osd_{};
    std::string firmwareText_;
    bool waiting_ = false;
    ApplyWaitSchedule waitSchedule_; // runs from apply() until the view's wait ends
    bool libraryWarned_ = false;
    bool lastApplySaved_ = true;
    // Profiles imported since the last apply: Apply sends them whole even
    // where they equal what was saved.
    std::array<bool, kProfileCount> imported_{};
    uint32_t processId_;
    uint32_t applySequence_ = 0;
    int64_t applyToken_ = 0; // of the apply waited for
    // What the last apply sent, and what the keyboard refused of earlier
    // applies: the next Apply sends that again.
    ChangeFlags sent_{};
    ChangeFlags refusedChanges_{};
    std::optional<ApplyOutcome> lastOutcome_;
    uint32_t lastRefused_ = 0;
};

} // namespace orvyn
