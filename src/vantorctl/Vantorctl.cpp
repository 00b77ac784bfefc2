#include "vantorctl/Vantorctl.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <string>

#include "shared/PackageVersion.h"
#include "vantorctl/Commands.h"
#include "vantorctl/CtlEnvironment.h"
#include "vantorctl/CtlValues.h"

namespace orvyn::ctl {

namespace {

QCommandLineOption helpOption() {
    return QCommandLineOption(
        {"h", "help"}, QString::fromStdString(said(QT_TRANSLATE_NOOP("vantorctl", "Shows this help."))));
}
QCommandLineOption jsonOption() {
    return QCommandLineOption("json",
                              QString::fromStdString(said(QT_TRANSLATE_NOOP(
                                  "vantorctl", "JSON instead of text (the schema is in the manual page)."))));
}
QCommandLineOption waitOption() {
    return QCommandLineOption(
        "wait",
        QString::fromStdString(said(QT_TRANSLATE_NOOP(
            "vantorctl", "Waits at most SECONDS for Monitor to confirm that the keyboard took "
                         "the change (default 40 minutes, longer than the slowest apply)."))),
        "SECONDS");
}

const char *const kExitStatusText = QT_TRANSLATE_NOOP(
    "vantorctl",
    "Exit status: 0 done; 1 bad input (nothing changed); 2 Monitor not running, no "
    "keyboard or no answer (the settings files are saved); 3 Option is open or another "
    "change is in progress (changing commands refuse); 4 settings could not be saved (the "
    "message names the file; the keyboard may have taken the change); 5 the keyboard refused part of the "
    "change (the message names the settings; the files are saved).\n");

std::string overview() {
    std::string text = said(
        QT_TRANSLATE_NOOP("vantorctl", "Usage: vantorctl COMMAND [ARGUMENTS] [--help]\n\n"
                                       "Reads and changes the Orvyn Vantor keyboard's configuration as the "
                                       "Option window does. Changes are applied\nbefore the command "
                                       "returns.\n\nCommands:\n"));
    for (const Command &c : commands())
        text += "  " + padded(std::string(c.name) + (*c.synopsis ? " " : "") + c.synopsis, 30) +
                said(c.summary) + "\n";
    text += said(QT_TRANSLATE_NOOP(
        "vantorctl", "\nReading commands work while Option is open; changing commands (profile N, set, "
                     "assign, import) refuse.\n"));
    text += said(kExitStatusText);
    text += said(QT_TRANSLATE_NOOP("vantorctl", "See vantorctl COMMAND --help and man vantorctl.\n"));
    return text;
}

std::string commandHelp(const Command &c, QCommandLineParser &parser) {
    // The parser's option list, under our own usage line.
    std::string options = str(parser.helpText());
    // Qt's own headings are translated with Qt's catalogue.
    const auto start = options.find(str(QCoreApplication::translate("QCommandLineParser", "Options:")));
    options = start == std::string::npos ? std::string() : options.substr(start);
    const auto arguments =
        options.find("\n" + str(QCoreApplication::translate("QCommandLineParser", "Arguments:")));
    if (arguments != std::string::npos)
        options.erase(arguments + 1);
    return said(QT_TRANSLATE_NOOP("vantorctl", "Usage: %1 [options]"),
                {std::string("vantorctl ") + c.name + (*c.syntax ? " " : "") + c.syntax}) +
           "\n\n" + said(c.description) + "\n\n" + options + "\n" + said(kExitStatusText);
}

} // namespace

ExitStatus runVantorctl(const QStringList &arguments) {
    if (arguments.size() < 2) {
        std::fputs(overview().c_str(), stderr);
        return ExitStatus::BadInput;
    }
    const QString first = arguments.at(1);
    if (first == "--help" || first == "-h" || first == "help") {
        if (first == "help" && arguments.size() > 2)
            return runVantorctl(QStringList{arguments.at(0), arguments.at(2), "--help"});
        print(overview());
        return ExitStatus::Done;
    }
    if (first == "--version") {
        print(std::string("vantorctl ") + kPackageVersion + " (keyboard driver " + kDriverVersion + ")\n");
        return ExitStatus::Done;
    }
    const auto &table = commands();
    const auto command = std::find_if(table.begin(), table.end(),
                                      [&](const Command &c) { return first == QLatin1String(c.name); });
    if (command == table.end()) {
        complain(said(QT_TRANSLATE_NOOP("vantorctl", "Unknown command \"%1\"."), {str(first)}));
        std::fputs(overview().c_str(), stderr);
        return ExitStatus::BadInput;
    }

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(helpOption());
    if (command->json)
        parser.addOption(jsonOption());
    if (command->changes != Changes::Nothing)
        parser.addOption(waitOption());
    if (!parser.parse(arguments.mid(1)))
        return usageError(*command, str(parser.errorText()) + ".");
    if (parser.isSet("help")) {
        print(commandHelp(*command, parser));
        return ExitStatus::Done;
    }
    Environment env;
    return command->run(*command, parser, env);
}

} // namespace orvyn::ctl
