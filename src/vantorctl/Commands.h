// The commands of vantorctl: their table and what they share in reading
// their arguments.
#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shared/ConfigBlock.h"
#include "vantorctl/ChangeRun.h"
#include "vantorctl/CtlEnvironment.h"
#include "vantorctl/Vantorctl.h"

namespace orvyn::ctl {

struct Command;
using Handler = std::function<ExitStatus(const Command &, QCommandLineParser &, Environment &)>;

enum class Changes { Nothing, Configuration };

struct Command {
    const char *name;
    const char *syntax;   // after the command name
    const char *synopsis; // the same, short, for the overview
    const char *summary;  // one line for the overview
    const char *description;
    Changes changes;
    bool json; // takes --json
    Handler run;
};

const std::vector<Command> &commands();

// The positional arguments after the command name (the parser is given the
// command name in the program's place).
QStringList operands(const QCommandLineParser &parser);
// --wait; nullopt (complained) when its value is unusable.
std::optional<ChangeOptions> changeOptions(const QCommandLineParser &parser);
// The reason and the command's usage line; BadInput.
ExitStatus usageError(const Command &command, const std::string &why);
// The profile operand at `index` (1-5 as typed, 0-4 returned); without one,
// the current profile of `config`, or a usage error when `config` is null.
std::optional<int> profileOperand(const Command &command, const QStringList &args, int index,
                                  const ConfigBlock *config);

ExitStatus runStatus(const Command &command, QCommandLineParser &parser, Environment &env);
ExitStatus runProfile(const Command &command, QCommandLineParser &parser, Environment &env);
ExitStatus runShow(const Command &command, QCommandLineParser &parser, Environment &env);
ExitStatus runMacros(const Command &command, QCommandLineParser &parser, Environment &env);
ExitStatus runFunctions(const Command &command, QCommandLineParser &parser, Environment &env);
ExitStatus runSet(const Command &command, QCommandLineParser &parser, Environment &env);
ExitStatus runAssign(const Command &command, QCommandLineParser &parser, Environment &env);
ExitStatus runExport(const Command &command, QCommandLineParser &parser, Environment &env);
ExitStatus runImport(const Command &command, QCommandLineParser &parser, Environment &env);

} // namespace orvyn::ctl
