// Option's main window: skinned, with 23 picture buttons and four pages on
// one rectangle. It shows the session's working copy, applies through
// Monitor and follows the messages Monitor posts.
#pragma once

#include <QPointer>
#include <QTimer>
#include <array>
#include <chrono>
#include <memory>
#include <string>

#include "editing/ConfigSession.h"
#include "option/DocumentOpener.h"
#include "option/dialogs/FileChooser.h"
#include "option/dialogs/ProfileDialog.h"
#include "option/pages/ConfigPage.h"
#include "option/skin/SkinNames.h"
#include "option/skin/SkinnedDialog.h"

namespace orvyn {

class AdvancedPage;
class ConnectionLine;
class KeyCodeTable;
class KeyboardLayout;
class MacroKeyPage;
class MediaKeyPage;
class StandardKeyPage;

class ConfigWindow final : public SkinnedDialog, public SessionView {
    Q_OBJECT
public:
    // Keys of the window's buttons in its skin file.
    using Button = ConfigWindowSkin::Section;
    using enum ConfigWindowSkin::Section;
    enum Page { StandardKeys = 0, MacroKeys = 1, MediaKeys = 2, Advanced = 3 };

    struct Services {
        ConfigSession &session;
        const TextSource &texts;
        MessagePoster &poster; // to see whether Monitor is still there
        DocumentOpener &shell;
        SettingsStore &settings; // the web address setting
        std::string programFolder;
        FileChooser *files = nullptr; // nullptr: Qt's file dialog
        // The layout key names follow; nullptr: the active one (the recorder's).
        const KeyboardLayout *layout = nullptr;
        std::string language = "en"; // which user manual Help opens
    };

    explicit ConfigWindow(Services services, QWidget *parent = nullptr);
    ~ConfigWindow() override;

    // Start-up after building: `exchange` is Monitor's block or nullptr;
    // `viewFailed` when the block exists but could not be mapped.
    void initialize(ConfigExchange *exchange, bool viewFailed);

    // A message posted to Option's endpoint.
    void handleMessage(const PostedMessage &message);
    // What a click on a button does.
    void command(int section) override;

    // The longest Option waits for Monitor's answer to an apply. The slowest
    // apply Monitor can run writes 101 reports (profile, 5 polling, 5 key
    // matrix, 5 switch, 5 slot tables, 75 macros, 5 lighting), each held up
    // to 16.5 s by a busy keyboard plus its pauses (about 17 s): about 29
    // minutes, possibly behind a read-back already queued. 40 minutes covers
    // it; the limit scales with ORVYN_TIME_SCALE like every pause.
    static std::chrono::milliseconds applyWaitLimit();

    // For tests and the benchmark.
    ConfigPage *page(Page which) const { return pages_[which]; }
    AdvancedPage *advancedPage() const;
    StandardKeyPage *standardKeyPage() const;
    MacroKeyPage *macroKeyPage() const;
    MediaKeyPage *mediaKeyPage() const;
    Page shownPage() const { return shown_; }
    BitmapButton *windowButton(int key) const { return button(key); }
    QRect pageRect() const { return pageRect_; }
    QRect versionLineRect() const;
    bool applyWaitShown() const { return waitShown_; }
    ConnectionLine *connectionLine() const { return connection_; }
    // What the key pages show, in one line: the remapped standard keys
    // (position:code), the captions of the 15 programmable keys, of the six
    // media keys and of the player button. Traced at every refresh.
    std::string keyPagesSummary() const;
    void setResetConfirmation(std::function<bool()> confirm) { confirmReset_ = std::move(confirm); }

    // SessionView
    void refresh(int current) override;
    void beginApplyWait() override;
    void endApplyWait() override;
    void versionTextChanged() override;
    void closeWindow() override;
    void restoreAndActivate() override;
    void tellUser(SessionNotice notice, const std::string &text) override;
    void applyConfirmed(ApplyOutcome outcome) override;

signals:
    // The first frame has been painted (start-up timing).
    void firstPaint();

protected:
    void paintSkinTexts(QPainter &painter) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Wakes the session when its wait is next due.
    void scheduleWaitCheck();
    void showPage(Page page);
    void showNotice(const QString &text);
    void restoreDefaults();
    void editProfile(ProfileDialog::Mode mode);
    // Import (Open) or export (Save) through a file dialog.
    void transferProfile(FileChoice choice);
    FileChooser &fileChooser();
    void openUserManual();
    void tell(const QString &text);
    bool runResetWarning();
    void openMacroManager();

    Services services_;
    std::unique_ptr<KeyCodeTable> keys_;
    std::array<ConfigPage *, 4> pages_{};
    Page shown_ = StandardKeys;
    QRect pageRect_;
    QTimer waitCheck_;
    QWidget *waitShield_ = nullptr;
    ConnectionLine *connection_ = nullptr;
    bool waitShown_ = false;
    QPointer<QWidget> focusBeforeWait_; // the OK or Apply button focused by keyboard
    bool painted_ = false;
    std::function<bool()> confirmReset_;
    QtFileChooser qtFiles_;
};

} // namespace orvyn
