// What Monitor's main window is built on: its program folder and every
// collaborator, each behind a small interface so the logic runs headless.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

#include "monitor/ForegroundWatch.h"
#include "monitor/HostInterfaces.h"
#include "monitor/MediaKeys.h"
#include "platform/Clock.h"
#include "platform/MessagePoster.h"
#include "shared/ConfigExchange.h"
#include "shared/SettingsStore.h"
#include "uitext/UiText.h"

namespace orvyn {

struct MonitorServices {
    std::string programFolder; // with trailing "/"
    SettingsStore *settings = nullptr;
    const TextSource *texts = nullptr;
    KeyboardControl *keyboard = nullptr; // null when the device library is missing
    WorkerControl *worker = nullptr;     // null when no worker runs (see attachWorker)
    ConfigExchange *exchange = nullptr;  // null without a shared block
    MessagePoster *poster = nullptr;
    Shell *shell = nullptr;
    MediaPlayers *players = nullptr;
    ForegroundSource *foreground = nullptr; // null: the watch finds nothing
    ProcessLookup processes;                // empty members read /proc
    TrayControl *tray = nullptr;
    MainLoop *loop = nullptr;
    Clock *clock = nullptr;
    Notifier *notifier = nullptr;             // null: problems go to the trace only
    UserTimeSource *userTime = nullptr;       // null: no focus hand-over
    TraceFunction trace;                      // empty: the process's trace()
    std::vector<std::string> helperArguments; // what Option and the OSD are started with
};

} // namespace orvyn
