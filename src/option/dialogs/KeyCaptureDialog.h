// A skinned popup that takes the whole keyboard from when it shows until it
// ends: every press and release goes to recordedKey(), Enter and Escape
// included, and no other client sees a key meanwhile. The recorder drops
// auto-repeat before a key gets here.
#pragma once

#include "option/skin/SkinnedDialog.h"

#include <cstdint>

namespace orvyn {

struct Keystroke;

class KeyCaptureDialog : public SkinnedDialog {
    Q_OBJECT
public:
    ~KeyCaptureDialog() override;

    // One captured keystroke: virtual key and low-level flags (bit 0
    // extended, bit 7 released).
    virtual void recordedKey(uint32_t virtualKey, uint32_t flags) = 0;

    void done(int result) override;

protected:
    explicit KeyCaptureDialog(QWidget *parent);

    // Keystrokes from the recorder arrive here.
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void keystroke(const Keystroke &k);
    void startCapture();
    void stopCapture();
};

} // namespace orvyn
