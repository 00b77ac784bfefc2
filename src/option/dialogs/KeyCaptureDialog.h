// A skinned popup that takes the whole keyboard from when it shows until it
// ends: every press and release goes to recordedKey(), Enter and Escape
// included, and no other client sees a key meanwhile. The recorder drops
// auto-repeat before a key gets here. The keyboard ways out: Escape held
// for a second and let go cancels, Enter held so is OK (KeyHold); a tapped
// Escape or Enter is recorded.
#pragma once

#include "editing/Keystroke.h"
#include "option/skin/SkinnedDialog.h"

#include <QTimer>
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace orvyn {

inline constexpr uint32_t kEscapeVirtualKey = 0x1B;
inline constexpr uint32_t kReturnVirtualKey = 0x0D;

// Tells a held key (Escape unless told otherwise) from a tapped one among
// recorded keystrokes. Its press waits: whatever comes next (its release,
// another key) records it first; held for `hold` it is dropped, its
// repeats and release too, and held() is sent instead. A release waits
// `settle` for the press of the same server time that makes it half of an
// auto-repeat.
class KeyHold final : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kHold{1000};
    static constexpr std::chrono::milliseconds kSettle{60};

    explicit KeyHold(QObject *parent, uint32_t virtualKey = kEscapeVirtualKey,
                     std::chrono::milliseconds hold = kHold, std::chrono::milliseconds settle = kSettle);

    // Every keystroke recorded goes through here; record() sends the ones
    // to record, in typing order.
    void take(const Keystroke &k);
    // The timer ran out (tests call it directly).
    void timerEnds();
    // Forgets a waiting press (recording ended).
    void reset();

signals:
    void record(const Keystroke &k);
    void held();
    // The held key came up after held().
    void letGo();

private:
    void endHold();
    void endDrop();
    bool isHeldKey(const Keystroke &k) const { return k.virtualKey == key_; }

    uint32_t key_;
    std::chrono::milliseconds hold_;
    std::chrono::milliseconds settle_;
    QTimer timer_;
    std::optional<Keystroke> pressed_;
    std::optional<Keystroke> released_;
    bool dropRest_ = false;
    std::optional<Keystroke> dropRelease_;
};

using EscapeHold = KeyHold;

// The quick help a recording window shows: how to leave by keyboard.
QString escapeHoldHelp();

class KeyCaptureDialog : public SkinnedDialog {
    Q_OBJECT
public:
    ~KeyCaptureDialog() override;

    // One captured keystroke: virtual key, low-level flags (bit 0
    // extended, bit 7 released) and the position pressed.
    virtual void recordedKey(const Keystroke &keystroke) = 0;
    // A keystroke known by its virtual key alone.
    void recordedKey(uint32_t virtualKey, uint32_t flags) { recordedKey(Keystroke{virtualKey, flags}); }

    void done(int result) override;

protected:
    explicit KeyCaptureDialog(QWidget *parent);

    // The dialog's quick help while it records: how to finish by keyboard.
    virtual QString captureHelp() const;

    // Keystrokes from the recorder arrive here.
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Keys that reach Qt (no grab) never end the dialog either.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void keystroke(const Keystroke &k);
    void startCapture();
    void stopCapture();

    KeyHold escape_;
    KeyHold enter_;
};

} // namespace orvyn
