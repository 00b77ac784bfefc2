// The window in front on a compositor that lists its toplevels to clients
// (zwlr_foreign_toplevel_manager_v1: sway, Hyprland, labwc, wayfire, river
// and other wlroots ones). The list comes as events on Monitor's own event
// loop; the process of a window, which the protocol does not give, from
// sway's IPC where it is offered. When the compositor goes, the next look
// connects anew.
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "monitor/ForegroundWatch.h"
#include "monitor/ToplevelTracker.h"
#include "monitor/qt/SwayIpc.h"

struct wl_display;
struct wl_registry;
struct zwlr_foreign_toplevel_manager_v1;
struct zwlr_foreign_toplevel_handle_v1;
class QSocketNotifier;

namespace orvyn {

class WlrForeground final : public QObject, public ForegroundSource {
public:
    // `display`: WAYLAND_DISPLAY's value; `swaySocket`: SWAYSOCK's, or empty.
    WlrForeground(std::string display, std::string swaySocket);
    ~WlrForeground() override;
    WlrForeground(const WlrForeground &) = delete;
    WlrForeground &operator=(const WlrForeground &) = delete;

    // Connects and takes the compositor's list; false when there is no
    // compositor or it offers no toplevel list.
    bool connect();
    bool connected() const { return display_ != nullptr; }
    bool namesProcesses() const { return sway_.usable(); }

    std::optional<ForegroundWindow> foregroundWindow() override;
    bool hasOwnWindow(pid_t pid) override;

    // Called whenever the activated toplevel changes (for measurements).
    void setActiveChanged(std::function<void()> changed) { activeChanged_ = std::move(changed); }

    // Wayland's listeners reach the source through these.
    void onToplevel(zwlr_foreign_toplevel_handle_v1 *handle);
    void onManagerFinished();
    void onGlobal(uint32_t name, const char *interface, uint32_t version);
    ToplevelTracker &tracker() { return tracker_; }
    void onHandleDone(zwlr_foreign_toplevel_handle_v1 *handle);
    void onHandleClosed(zwlr_foreign_toplevel_handle_v1 *handle);

private:
    void readEvents();
    void disconnect();

    std::string displayName_;
    SwayIpc sway_;
    wl_display *display_ = nullptr;
    wl_registry *registry_ = nullptr;
    zwlr_foreign_toplevel_manager_v1 *manager_ = nullptr;
    std::map<ToplevelTracker::Id, zwlr_foreign_toplevel_handle_v1 *> handles_;
    std::unique_ptr<QSocketNotifier> notifier_;
    ToplevelTracker tracker_;
    std::function<void()> activeChanged_;
    // The process of the activated toplevel, asked once per change.
    std::uint64_t resolvedChange_ = UINT64_MAX;
    std::optional<pid_t> resolvedPid_;
};

} // namespace orvyn
