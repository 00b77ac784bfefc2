// vantorctl: the keyboard's configuration from a shell. Reading commands
// take the record from Monitor's block (or the settings files); changing
// commands stand in for Option for the length of one command: its instance
// lock, its endpoint, its configuration session and its apply cycle.
#pragma once

#include <QStringList>

namespace orvyn::ctl {

enum class ExitStatus : int {
    Done = 0,
    BadInput = 1,   // nothing was changed
    NotApplied = 2, // Monitor not running, no keyboard, or no answer; the files are saved
    OptionOpen = 3, // a changing command refused: Option or another change holds the configuration
    NotSaved = 4,   // a settings file could not be written (the keyboard may have the change)
    Refused = 5,    // the keyboard refused part of the change; the files are saved
};
// When one change meets more than one of these, the status is the first of:
// NotSaved (the change is lost at the next read-back), Refused (Monitor
// reached the keyboard and it said no), NotApplied.

// `arguments` as QCoreApplication::arguments() gives them (program first).
ExitStatus runVantorctl(const QStringList &arguments);

} // namespace orvyn::ctl
