// A compositor's toplevel windows as its events describe them, one event at
// a time: which one is activated, with its app id and title. Bounded, so a
// compositor that floods or sends garbage cannot make it grow.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace orvyn {

struct Toplevel {
    std::string appId;
    std::string title;
    bool operator==(const Toplevel &) const = default;
};

class ToplevelTracker {
public:
    using Id = std::uint32_t; // the client's name for the compositor's handle

    static constexpr std::size_t kMaxToplevels = 1024;
    static constexpr std::size_t kMaxText = 512;

    // A new toplevel. False when the table is full: the caller lets the
    // handle go, and its events are ignored.
    bool added(Id id);
    // Pending until done(), as the compositor groups them.
    void appId(Id id, std::string_view text);
    void title(Id id, std::string_view text);
    void activated(Id id, bool active);
    void done(Id id);
    void closed(Id id);
    // The connection ended: nothing is known any more.
    void clear();

    // The activated toplevel; nullopt when none is.
    std::optional<Toplevel> active() const;
    // Counts changes of the activated toplevel (another one, or its app id).
    std::uint64_t activeChanges() const { return activeChanges_; }
    std::size_t size() const { return toplevels_.size(); }

private:
    struct Entry {
        Toplevel shown;
        Toplevel pending;
        bool pendingActive = false;
    };
    void setActive(std::optional<Id> id);

    std::map<Id, Entry> toplevels_;
    std::optional<Id> active_;
    std::uint64_t activeChanges_ = 0;
};

} // namespace orvyn
