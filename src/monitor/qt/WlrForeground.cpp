#include "monitor/qt/WlrForeground.h"

#include <QSocketNotifier>
#include <algorithm>
#include <cstring>
#include <wayland-client.h>

#include "platform/Trace.h"
#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"

namespace orvyn {

namespace {

constexpr uint32_t kManagerVersion = 3;

ToplevelTracker::Id idOf(zwlr_foreign_toplevel_handle_v1 *handle) {
    return wl_proxy_get_id(reinterpret_cast<wl_proxy *>(handle));
}

WlrForeground &sourceOf(void *data) {
    return *static_cast<WlrForeground *>(data);
}

void onTitle(void *data, zwlr_foreign_toplevel_handle_v1 *handle, const char *title) {
    sourceOf(data).tracker().title(idOf(handle), title ? title : "");
}

void onAppId(void *data, zwlr_foreign_toplevel_handle_v1 *handle, const char *appId) {
    sourceOf(data).tracker().appId(idOf(handle), appId ? appId : "");
}

void onOutput(void *, zwlr_foreign_toplevel_handle_v1 *, wl_output *) {}

void onState(void *data, zwlr_foreign_toplevel_handle_v1 *handle, wl_array *states) {
    bool activated = false;
    if (states && states->data) {
        const std::size_t count = states->size / sizeof(uint32_t);
        for (std::size_t i = 0; i < count && !activated; ++i) {
            uint32_t state = 0;
            std::memcpy(&state, static_cast<const char *>(states->data) + i * sizeof(state), sizeof(state));
            activated = state == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED;
        }
    }
    sourceOf(data).tracker().activated(idOf(handle), activated);
}

void onDone(void *data, zwlr_foreign_toplevel_handle_v1 *handle) {
    sourceOf(data).onHandleDone(handle);
}

void onClosed(void *data, zwlr_foreign_toplevel_handle_v1 *handle) {
    sourceOf(data).onHandleClosed(handle);
}

void onParent(void *, zwlr_foreign_toplevel_handle_v1 *, zwlr_foreign_toplevel_handle_v1 *) {}

const zwlr_foreign_toplevel_handle_v1_listener kHandleListener = {
    onTitle, onAppId, onOutput, onOutput, onState, onDone, onClosed, onParent,
};

void onNewToplevel(void *data, zwlr_foreign_toplevel_manager_v1 *, zwlr_foreign_toplevel_handle_v1 *handle) {
    sourceOf(data).onToplevel(handle);
}

void onFinished(void *data, zwlr_foreign_toplevel_manager_v1 *) {
    sourceOf(data).onManagerFinished();
}

const zwlr_foreign_toplevel_manager_v1_listener kManagerListener = {onNewToplevel, onFinished};

void onGlobalAdded(void *data, wl_registry *, uint32_t name, const char *interface, uint32_t version) {
    sourceOf(data).onGlobal(name, interface, version);
}

void onGlobalRemoved(void *, wl_registry *, uint32_t) {}

const wl_registry_listener kRegistryListener = {onGlobalAdded, onGlobalRemoved};

} // namespace

WlrForeground::WlrForeground(std::string display, std::string swaySocket)
    : displayName_(std::move(display)), sway_(std::move(swaySocket)) {}

WlrForeground::~WlrForeground() {
    disconnect();
}

bool WlrForeground::connect() {
    if (display_)
        return true;
    display_ = wl_display_connect(displayName_.empty() ? nullptr : displayName_.c_str());
    if (!display_)
        return false;
    registry_ = wl_display_get_registry(display_);
    wl_registry_add_listener(registry_, &kRegistryListener, this);
    // The globals, then the toplevels the compositor lists at once.
    if (wl_display_roundtrip(display_) < 0 || !manager_ || wl_display_roundtrip(display_) < 0) {
        disconnect();
        return false;
    }
    notifier_ = std::make_unique<QSocketNotifier>(wl_display_get_fd(display_), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { readEvents(); });
    return true;
}

void WlrForeground::onGlobal(uint32_t name, const char *interface, uint32_t version) {
    if (manager_ || !interface ||
        std::strcmp(interface, zwlr_foreign_toplevel_manager_v1_interface.name) != 0)
        return;
    manager_ = static_cast<zwlr_foreign_toplevel_manager_v1 *>(wl_registry_bind(
        registry_, name, &zwlr_foreign_toplevel_manager_v1_interface, std::min(version, kManagerVersion)));
    if (manager_)
        zwlr_foreign_toplevel_manager_v1_add_listener(manager_, &kManagerListener, this);
}

void WlrForeground::onToplevel(zwlr_foreign_toplevel_handle_v1 *handle) {
    if (!handle)
        return;
    const auto id = idOf(handle);
    if (!tracker_.added(id)) {
        zwlr_foreign_toplevel_handle_v1_destroy(handle); // over the limit: not followed
        return;
    }
    handles_[id] = handle;
    zwlr_foreign_toplevel_handle_v1_add_listener(handle, &kHandleListener, this);
}

void WlrForeground::onHandleDone(zwlr_foreign_toplevel_handle_v1 *handle) {
    const auto before = tracker_.activeChanges();
    tracker_.done(idOf(handle));
    if (tracker_.activeChanges() != before && activeChanged_)
        activeChanged_();
}

void WlrForeground::onHandleClosed(zwlr_foreign_toplevel_handle_v1 *handle) {
    const auto id = idOf(handle);
    tracker_.closed(id);
    handles_.erase(id);
    zwlr_foreign_toplevel_handle_v1_destroy(handle);
}

void WlrForeground::onManagerFinished() {
    // The compositor stops listing windows: what we know goes stale, so
    // the connection is given up and made anew on the next look.
    warn("the compositor stopped listing its windows\n");
    QMetaObject::invokeMethod(
        this, [this] { disconnect(); }, Qt::QueuedConnection);
}

// Reads what the compositor sent without waiting for more.
void WlrForeground::readEvents() {
    if (!display_)
        return;
    bool lost = false;
    while (!lost && wl_display_prepare_read(display_) != 0)
        lost = wl_display_dispatch_pending(display_) < 0;
    if (!lost) {
        wl_display_flush(display_);
        lost = wl_display_read_events(display_) < 0 || wl_display_dispatch_pending(display_) < 0;
    }
    if (lost) {
        warn("the connection to the Wayland compositor was lost\n");
        disconnect();
    }
}

void WlrForeground::disconnect() {
    if (notifier_) { // may be inside its own signal: let the loop delete it
        notifier_->setEnabled(false);
        notifier_.release()->deleteLater();
    }
    for (const auto &[id, handle] : handles_)
        zwlr_foreign_toplevel_handle_v1_destroy(handle);
    handles_.clear();
    if (manager_)
        zwlr_foreign_toplevel_manager_v1_destroy(manager_);
    manager_ = nullptr;
    if (registry_)
        wl_registry_destroy(registry_);
    registry_ = nullptr;
    if (display_)
        wl_display_disconnect(display_);
    display_ = nullptr;
    tracker_.clear();
    resolvedChange_ = UINT64_MAX;
    resolvedPid_.reset();
}

std::optional<ForegroundWindow> WlrForeground::foregroundWindow() {
    if (!connect()) // a compositor that went away is looked for again
        return std::nullopt;
    const auto top = tracker_.active();
    if (!top)
        return std::nullopt;
    if (sway_.usable() && resolvedChange_ != tracker_.activeChanges()) {
        resolvedChange_ = tracker_.activeChanges();
        resolvedPid_.reset();
        const auto views = sway_.views().value_or(std::vector<SwayView>{});
        const auto focused = std::find_if(views.begin(), views.end(), [&](const SwayView &view) {
            return view.focused && view.appId == top->appId;
        });
        if (focused != views.end())
            resolvedPid_ = focused->pid;
    }
    return ForegroundWindow{resolvedPid_, top->appId};
}

bool WlrForeground::hasOwnWindow(pid_t pid) {
    const auto views = sway_.views();
    return views &&
           std::any_of(views->begin(), views->end(), [pid](const SwayView &view) { return view.pid == pid; });
}

} // namespace orvyn
