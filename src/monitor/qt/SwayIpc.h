// sway's own IPC ($SWAYSOCK): the window tree, which names each window's
// process. Asked only when the window in front changed, never polled.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace orvyn {

struct SwayView {
    pid_t pid = 0;
    std::string appId; // app_id, or the X11 class of an XWayland window
    bool focused = false;
};

// The views (windows) in a get_tree answer; empty for anything else.
std::vector<SwayView> swayViews(std::string_view treeJson);

class SwayIpc {
public:
    explicit SwayIpc(std::string socketPath) : path_(std::move(socketPath)) {}
    bool usable() const { return !path_.empty(); }
    // The views of the current tree; nullopt when sway does not answer in time.
    std::optional<std::vector<SwayView>> views() const;

private:
    std::string path_;
};

} // namespace orvyn
