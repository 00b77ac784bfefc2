#include "monitor/ToplevelTracker.h"

namespace orvyn {

namespace {

std::string bounded(std::string_view text) {
    return std::string(text.substr(0, ToplevelTracker::kMaxText));
}

} // namespace

bool ToplevelTracker::added(Id id) {
    if (toplevels_.contains(id))
        return true; // a reused name: the old handle is gone
    if (toplevels_.size() >= kMaxToplevels)
        return false;
    toplevels_.emplace(id, Entry{});
    return true;
}

void ToplevelTracker::appId(Id id, std::string_view text) {
    if (const auto it = toplevels_.find(id); it != toplevels_.end())
        it->second.pending.appId = bounded(text);
}

void ToplevelTracker::title(Id id, std::string_view text) {
    if (const auto it = toplevels_.find(id); it != toplevels_.end())
        it->second.pending.title = bounded(text);
}

void ToplevelTracker::activated(Id id, bool active) {
    if (const auto it = toplevels_.find(id); it != toplevels_.end())
        it->second.pendingActive = active;
}

void ToplevelTracker::done(Id id) {
    const auto it = toplevels_.find(id);
    if (it == toplevels_.end())
        return;
    Entry &entry = it->second;
    const bool appChanged = entry.shown.appId != entry.pending.appId;
    entry.shown = entry.pending;
    if (entry.pendingActive) {
        if (active_ != id || appChanged)
            setActive(id);
    } else if (active_ == id) {
        setActive(std::nullopt);
    }
}

void ToplevelTracker::closed(Id id) {
    if (toplevels_.erase(id) && active_ == id)
        setActive(std::nullopt);
}

void ToplevelTracker::clear() {
    toplevels_.clear();
    if (active_)
        setActive(std::nullopt);
}

std::optional<Toplevel> ToplevelTracker::active() const {
    if (!active_)
        return std::nullopt;
    return toplevels_.at(*active_).shown;
}

void ToplevelTracker::setActive(std::optional<Id> id) {
    active_ = id;
    ++activeChanges_;
}

} // namespace orvyn
