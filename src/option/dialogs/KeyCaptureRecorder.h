// The key-capture dialogs take the whole keyboard from when they show until
// they end.
#pragma once

#include <QMetaObject>
#include <QPointer>

#include "option/keyboard/KeystrokeRecorder.h"

namespace orvyn {

// Started from the event loop once the window is mapped: a keyboard grab
// needs a window on screen.
inline void startRecorder(QWidget *dialog) {
    QPointer<QWidget> target(dialog);
    QMetaObject::invokeMethod(
        dialog,
        [target] {
            if (target && target->isVisible() && !KeystrokeRecorder::instance().running())
                KeystrokeRecorder::instance().start(target);
        },
        Qt::QueuedConnection);
}

inline void stopRecorder(QWidget *dialog) {
    if (KeystrokeRecorder::instance().target() == dialog)
        KeystrokeRecorder::instance().stop();
}

} // namespace orvyn
