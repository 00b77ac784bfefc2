// Notices through the desktop's notification service, closing the previous
// one first; a small frameless overlay for about two seconds when no
// service answers.
#pragma once

#include <QLabel>
#include <QTimer>
#include <memory>

#include "osd/OsdProgram.h"

namespace orvyn {

class DesktopNotices final : public NoticeDisplay {
public:
    DesktopNotices();
    ~DesktopNotices() override;
    void show(const std::string &summary, const std::string &body) override;

    // The overlay, when one was shown (tests look at it).
    QLabel *overlay() const { return overlay_.get(); }
    uint32_t lastNotificationId() const { return lastId_; }

private:
    bool notify(const QString &summary, const QString &body);
    void showOverlay(const QString &summary, const QString &body);

    uint32_t lastId_ = 0;
    std::unique_ptr<QLabel> overlay_;
    QTimer hideTimer_;
};

} // namespace orvyn
