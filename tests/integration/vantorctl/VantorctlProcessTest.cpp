// vantorctl as a user runs it: a real Monitor holding the emulated
// keyboard, the tool started as a process, and the keyboard's memory as the
// proof of what arrived.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "editing/MacroLibrary.h"
#include "integration/platform/Child.h"
#include "kbsim/EmulatorServer.h"
#include "kbsim/KeyboardModel.h"
#include "platform/Endpoint.h"
#include "platform/InstanceLock.h"
#include "protocol/FeatureReports.h"
#include "shared/IniFile.h"
#include "shared/Messages.h"
#include "shared/SettingsStore.h"
#include "support/TempRuntime.h"

extern char **environ;

namespace orvyn::test {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string slurp(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Every file under `folder` with its bytes.
std::map<std::string, std::string> snapshot(const std::string &folder) {
    std::map<std::string, std::string> files;
    for (const auto &e : fs::recursive_directory_iterator(folder))
        if (e.is_regular_file())
            files[e.path().string()] = slurp(e.path().string());
    return files;
}

class VantorctlProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("ORVYN_TIME_SCALE", "0.01", 1);
        ::setenv("ORVYN_KEYBOARD", "emulator", 1);
        ::setenv("ORVYN_KEYBOARD_SOCKET", (runtime_.runtime() + "keyboard.sock").c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1); // Monitor needs no window
        home_ = std::getenv("ORVYN_VANTOR_HOME") + std::string("/");
        fs::create_directories(home_ + "config");
        // A program folder of our own without the OSD, so nothing Monitor
        // starts outlives the test.
        programs_ = runtime_.base() + "/bin/";
        fs::create_directories(programs_);
        for (const char *program : {"Monitor", "vantorctl"})
            fs::copy_file(std::string(ORVYN_PROGRAM_DIR) + program, programs_ + program);
        for (const char *shared : {"devbridge.so", "uitext.so", "translations"})
            fs::create_symlink(std::string(ORVYN_PROGRAM_DIR) + shared, programs_ + shared);
        files_ = runtime_.base() + "/files/";
        fs::create_directories(files_);
        // The library the macro assignments choose from.
        MacroLibrary library(home_ + "config/sequence.dat");
        MacroRecord &jump = library.create("Jump");
        jump.repeat = 2;
        jump.count = 2;
        jump.events[0] = MacroEvent{0x2C, kEventPress, 40};
        jump.events[1] = MacroEvent{0x2C, kEventRelease, 10};
        ASSERT_TRUE(library.save());
    }
    void TearDown() override {
        stopMonitor();
        if (server_)
            server_->stop();
    }

    void startKeyboard() {
        model_.setTracing(true);
        server_ = std::make_unique<EmulatorServer>(model_, clock_, runtime_.runtime() + "keyboard.sock");
        std::string error;
        ASSERT_TRUE(server_->start(&error)) << error;
    }

    void startMonitor() {
        monitor_ = std::make_unique<Child>(std::vector<std::string>{programs_ + "Monitor"});
        // Monitor is ready when the keyboard has been quiet for a while after
        // its read-back (or, without a keyboard, when it receives).
        std::size_t seen = 0;
        int quietRounds = 0;
        for (int i = 0; i < 200 && quietRounds < 5; ++i) {
            std::this_thread::sleep_for(100ms);
            const std::size_t now = model_.traces().size();
            quietRounds =
                (now > 0 || !server_) && now == seen && poster_.exists(kMonitorTitle) ? quietRounds + 1 : 0;
            seen = now;
        }
        ASSERT_EQ(quietRounds, 5) << "Monitor did not settle";
    }

    void stopMonitor() {
        if (!monitor_)
            return;
        monitor_->kill(SIGTERM);
        monitor_->wait();
        monitor_.reset();
    }

    // One run of the tool, standard input from `input` (a path) if given,
    // started through `launcher` (a program and its arguments) if given.
    Outcome ctl(const std::vector<std::string> &args, const std::string &input = "/dev/null",
                const std::vector<std::string> &launcher = {}) {
        const std::string out = runtime_.base() + "/ctl.out";
        const std::string err = runtime_.base() + "/ctl.err";
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input.c_str(), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        std::vector<std::string> all = launcher;
        all.push_back(programs_ + "vantorctl");
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char *> argv;
        for (std::string &a : all)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        pid_t pid = -1;
        Outcome o;
        const int rc = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (rc != 0)
            return o;
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        o.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        o.out = slurp(out);
        o.err = slurp(err);
        return o;
    }

    std::size_t writeCount() const {
        std::size_t n = 0;
        for (const ReportTrace &t : model_.traces())
            n += t.kind == ReportTrace::Kind::Set;
        return n;
    }

    std::string file(const std::string &name) const { return files_ + name; }
    void writeFile(const std::string &name, const std::string &text) const {
        std::ofstream(file(name), std::ios::binary) << text;
    }

    static std::vector<uint8_t> assignment(const ProfileMemory &p, int slot) {
        return {p.assignments[slot][0], p.assignments[slot][1], p.assignments[slot][2]};
    }

    TempRuntime runtime_;
    std::string home_;
    std::string programs_;
    std::string files_;
    RealClock clock_{0.01};
    KeyboardModel model_{clock_};
    std::unique_ptr<EmulatorServer> server_;
    std::unique_ptr<Child> monitor_;
    EndpointPoster poster_{runtime_.runtime()};
};

#define EXPECT_RUN(outcome, code)                                                                            \
    do {                                                                                                     \
        const Outcome &o_ = (outcome);                                                                       \
        EXPECT_EQ(o_.status, code) << "stdout: " << o_.out << "\nstderr: " << o_.err;                        \
    } while (0)

TEST_F(VantorctlProcessTest, ASaveThatFailsExitsFourAndTheNextRunSavesIt) {
    startKeyboard();
    startMonitor();
    const auto before = snapshot(home_ + "config");
    // A file-size limit fails the profile files' writes as a full disk does (the limit's signal is ignored,
    // so the write itself fails).
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    const Outcome full =
        ctl({"set", "1", "colour=3", "name=DiskFull"}, "/dev/null", {"/usr/bin/prlimit", "--fsize=8192"});
    std::signal(SIGXFSZ, previous);
    EXPECT_RUN(full, 4);
    EXPECT_NE(full.err.find("config/Default0.gkp: could not be written"), std::string::npos) << full.err;
    EXPECT_EQ(snapshot(home_ + "config"), before); // nothing half-written
    EXPECT_EQ(model_.profile(0).lighting[6], 3);   // the keyboard took it, the message says so

    EXPECT_RUN(ctl({"set", "1", "colour=3", "name=DiskFull"}), 0);
    auto stored = std::make_unique<ProfileData>();
    ASSERT_TRUE(SettingsStore::loadProfile(*stored, home_ + "config/Default0.gkp"));
    EXPECT_EQ(getFixed(stored->ProFileName), "DiskFull");

    // A bare program name is a command: the key keeps the full path PATH gives it.
    EXPECT_RUN(ctl({"assign", "1", "G7", "program", "env"}), 0);
    ASSERT_TRUE(SettingsStore::loadProfile(*stored, home_ + "config/Default0.gkp"));
    const std::string program(getFixed(stored->keys[6].programPath));
    EXPECT_TRUE(program.size() > 4 && program[0] == '/' && program.ends_with("/env")) << program;
    const Outcome unknown = ctl({"assign", "1", "G7", "program", "no-such-program-here"});
    EXPECT_RUN(unknown, 1);
    EXPECT_NE(unknown.err.find("was found in PATH"), std::string::npos) << unknown.err;
}

TEST_F(VantorctlProcessTest, ChangesReachTheKeyboardAndProfilesTravelAsFiles) {
    startKeyboard();
    startMonitor();

    EXPECT_RUN(ctl({"status"}), 0);
    EXPECT_NE(ctl({"status"}).out.find("Keyboard: connected"), std::string::npos);

    EXPECT_RUN(ctl({"profile", "3"}), 0);
    EXPECT_EQ(model_.currentProfile(), 2);
    EXPECT_EQ(ctl({"profile"}).out, "3\tProfile #3\n");

    EXPECT_RUN(ctl({"set", "2", "colour=5", "effect=breathing", "polling=1000"}), 0);
    {
        ProfileData expected{};
        makeDefaultProfile(expected, 1, "Profile");
        expected.LtColor = 5;
        expected.LtControl = 2;
        expected.PollingRate = 4;
        const Report lighting = encodeLighting(expected, 1);
        const ProfileMemory p = model_.profile(1);
        EXPECT_EQ(std::memcmp(p.lighting, lighting.data(), lighting.length), 0);
        EXPECT_EQ(p.pollingCode, 1);
    }

    EXPECT_RUN(ctl({"assign", "1", "G3", "macro", "jump"}), 0);
    EXPECT_RUN(ctl({"assign", "1", "g7", "program", "/usr/bin/env"}), 0);
    EXPECT_RUN(ctl({"assign", "1", "G8", "keys", "ctrl+alt+x"}), 0);
    EXPECT_RUN(ctl({"assign", "1", "G9", "media", "volume", "up"}), 0);
    EXPECT_RUN(ctl({"assign", "1", "G10", "mouse", "Double Click"}), 0);
    EXPECT_RUN(ctl({"assign", "1", "G1", "default"}), 0);
    const ProfileMemory first = model_.profile(0);
    EXPECT_EQ(assignment(first, 2), (std::vector<uint8_t>{3, 0, 0}));
    EXPECT_EQ(assignment(first, 6), (std::vector<uint8_t>{11, 7, 0}));
    EXPECT_EQ(assignment(first, 7), (std::vector<uint8_t>{2, 5, 27}));
    EXPECT_EQ(assignment(first, 8), (std::vector<uint8_t>{6, 185, 0}));
    EXPECT_EQ(assignment(first, 9), (std::vector<uint8_t>{8, 0, 0}));
    EXPECT_EQ(assignment(first, 0), (std::vector<uint8_t>{4, 4, 0}));
    {
        MacroKeyInfo jump{};
        jump.type = 3;
        setFixed(jump.macroName, "Jump");
        jump.eventCount = 2;
        jump.repeatCount = 2;
        jump.events[0] = MacroEvent{0x2C, kEventPress, 40};
        jump.events[1] = MacroEvent{0x2C, kEventRelease, 10};
        const Report macro = encodeMacro(jump, 0, 2);
        EXPECT_EQ(std::memcmp(first.macros[2], macro.data(), macro.length), 0);
    }
    const std::string shown = ctl({"show", "1"}).out;
    for (const char *line : {"G3   Jump\n", "G7   env\n", "G8   Ctrl+Alt+X\n", "G9   Volume Up\n",
                             "G10  Double Click\n", "Lighting colour:  Red\n", "Polling rate:     500 Hz\n"})
        EXPECT_NE(shown.find(line), std::string::npos) << line << " in\n" << shown;

    // A profile file: out of profile 1, into profile 4.
    EXPECT_RUN(ctl({"export", "1", file("first.gkp")}), 0);
    EXPECT_TRUE(fs::exists(home_ + "config/first.gkp"));
    EXPECT_RUN(ctl({"import", "4", file("first.gkp")}), 0);
    for (int slot = 0; slot < kKeyboardSlotCount; ++slot)
        EXPECT_EQ(assignment(model_.profile(3), slot), assignment(first, slot)) << slot;

    // A JSON document: out of profile 1, into profile 5, out again: equal.
    EXPECT_RUN(ctl({"export", "1", file("first.json")}), 0);
    EXPECT_RUN(ctl({"import", "5", "--json", "-"}, file("first.json")), 0);
    EXPECT_RUN(ctl({"export", "5", "--json", file("fifth")}), 0);
    EXPECT_EQ(slurp(file("fifth")), slurp(file("first.json")));
    EXPECT_EQ(ctl({"show", "5", "--json"}).out, slurp(file("first.json")));
    const ProfileMemory fifth = model_.profile(4);
    for (int slot = 0; slot < kKeyboardSlotCount; ++slot)
        EXPECT_EQ(assignment(fifth, slot), assignment(first, slot)) << slot;
    EXPECT_EQ(std::memcmp(fifth.matrix, first.matrix, sizeof first.matrix), 0);
    EXPECT_EQ(std::memcmp(fifth.macros[2] + 3, first.macros[2] + 3, sizeof first.macros[2] - 3), 0);
}

// A change made while Monitor is still reading the keyboard back after it
// started is what the keyboard, the shared record and the files end up with.
TEST_F(VantorctlProcessTest, AChangeDuringMonitorsFirstReadBackIsKept) {
    startKeyboard();
    monitor_ = std::make_unique<Child>(std::vector<std::string>{programs_ + "Monitor"});
    bool connected = false;
    for (int i = 0; i < 200 && !connected; ++i) {
        connected = ctl({"status"}).status == 0;
        if (!connected)
            std::this_thread::sleep_for(10ms);
    }
    ASSERT_TRUE(connected);
    EXPECT_RUN(ctl({"set", "5", "colour=6"}), 0);
    EXPECT_EQ(model_.profile(4).lighting[6], 6);
    EXPECT_NE(ctl({"show", "5"}).out.find("Lighting colour:  Cyan"), std::string::npos);
    stopMonitor();
    ConfigBlock saved{};
    resetConfig(saved);
    ASSERT_TRUE(SettingsStore(home_).loadConfig(saved, "x"));
    EXPECT_EQ(saved.profiles[4].LtColor, 6);
}

// A report the keyboard refuses is reported, not confirmed; it stays owed and
// reaches the keyboard with the next change, whatever that change is, and the
// keyboard, the files and what vantorctl shows agree at the end.
TEST_F(VantorctlProcessTest, ARefusedChangeIsReportedAndTheNextChangeDeliversIt) {
    startKeyboard();
    startMonitor();
    const uint8_t colourBefore = model_.profile(0).lighting[6];
    server_->failNext(1); // the lighting report
    const Outcome refused = ctl({"set", "1", "colour=3"});
    EXPECT_RUN(refused, 5);
    EXPECT_NE(refused.err.find("lighting"), std::string::npos) << refused.err;
    EXPECT_EQ(model_.profile(0).lighting[6], colourBefore);

    EXPECT_RUN(ctl({"set", "2", "polling=1000"}), 0);
    EXPECT_EQ(model_.profile(1).pollingCode, 1);
    EXPECT_EQ(model_.profile(0).lighting[6], 3);
    auto stored = std::make_unique<ProfileData>();
    ASSERT_TRUE(SettingsStore::loadProfile(*stored, home_ + "config/Default0.gkp"));
    EXPECT_EQ(stored->LtColor, 3);
    const std::string shown = ctl({"show", "1", "--json"}).out;
    EXPECT_NE(shown.find("\"colour\": 3"), std::string::npos) << shown;
}

TEST_F(VantorctlProcessTest, ChangingCommandsRefuseWhileOptionIsOpenReadingOnesWork) {
    startKeyboard();
    startMonitor();
    ASSERT_EQ(ctl({"export", "1", file("one.json")}).status, 0);
    ASSERT_EQ(ctl({"export", "1", file("one.gkp")}).status, 0);
    InstanceLock option;
    ASSERT_EQ(option.acquire(runtime_.runtime(), kOptionInstanceName), LockResult::Acquired);
    // An open window also receives under Option's title.
    Endpoint window;
    ASSERT_EQ(window.bind(runtime_.runtime(), kOptionTitle), BindResult::Bound);
    const auto files = snapshot(home_);
    const std::size_t writes = writeCount();
    const std::vector<std::vector<std::string>> changing = {
        {"profile", "2"},
        {"set", "1", "colour=2"},
        {"assign", "1", "G1", "keys", "F5"},
        {"assign", "1", "G2", "default"},
        {"import", "2", file("one.json")},
        {"import", "2", file("one.gkp")},
    };
    for (const auto &args : changing) {
        const Outcome o = ctl(args);
        EXPECT_EQ(o.status, 3) << args[0] << " " << args[1] << ": " << o.err;
        EXPECT_NE(o.err.find("Another change is in progress"), std::string::npos) << o.err;
    }
    EXPECT_EQ(writeCount(), writes);
    EXPECT_EQ(snapshot(home_), files);

    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{{"status"},
                                                                                      {"profile"},
                                                                                      {"show"},
                                                                                      {"show", "2", "--json"},
                                                                                      {"macros"},
                                                                                      {"macros", "--json"},
                                                                                      {"functions"}})
        EXPECT_RUN(ctl(args), 0);
    EXPECT_NE(ctl({"status"}).out.find("Option:   open"), std::string::npos);
    EXPECT_NE(ctl({"macros"}).out.find("Jump\t2 steps\trepeat 2"), std::string::npos);
}

TEST_F(VantorctlProcessTest, BadInputSaysWhyAndChangesNothing) {
    startKeyboard();
    startMonitor();
    writeFile("garbage.gkp", "this is not a profile\n");
    writeFile("empty.gkp", "");
    writeFile("malformed.json", "{\"format\": \"orvyn-vantor-profile\", ");
    ASSERT_EQ(ctl({"export", "2", file("good.json")}).status, 0);
    std::string wrong = slurp(file("good.json"));
    wrong.replace(wrong.find("\"pollingRate\": 2"), 16, "\"pollingRate\": \"fast\"");
    writeFile("wrong.json", wrong);
    fs::create_directory(file("folder.gkp"));
    ASSERT_EQ(::mkfifo(file("fifo.json").c_str(), 0600), 0);
    // Values in range of their bytes that nothing could produce, and names
    // given twice.
    std::string deadType = slurp(file("good.json"));
    deadType.replace(deadType.find("\"type\": 4"), 9, "\"type\": 255");
    writeFile("type255.json", deadType);
    std::string twice = slurp(file("good.json"));
    twice.insert(twice.find('{') + 1, "\"pollingRate\": 4,");
    writeFile("twice.json", twice);
    ASSERT_EQ(ctl({"export", "2", file("good.gkp")}).status, 0);
    std::string dead = slurp(file("good.gkp"));
    const std::size_t remap = dead.find("standardkey=") + 12;
    dead.replace(remap, dead.find('\n', remap) - remap, std::string(208, 'F') + "98");
    writeFile("dead.gkp", dead);

    struct Case {
        std::vector<std::string> args;
        const char *says;
    };
    const Case cases[] = {
        {{"profile", "0"}, "profiles are 1-5"},
        {{"profile", "6"}, "profiles are 1-5"},
        {{"set", "6", "colour=1"}, "profiles are 1-5"},
        {{"set", "1", "colour=9"}, "out of range"},
        {{"set", "1", "colour=0", "effect=wave"}, "out of range"},
        {{"set", "1", "brightness=3"}, "Unknown setting"},
        {{"set", "1"}, "KEY=VALUE"},
        {{"assign", "1", "G16", "default"}, "G1-G15"},
        {{"assign", "1", "G2", "keys", "Ctrl+Banana"}, "Unknown key"},
        {{"assign", "1", "G2", "macro", "No Such Macro"}, "no macro"},
        {{"assign", "1", "G2", "media", "Teleport"}, "Unknown media function"},
        {{"assign", "1", "G2", "launch", "x"}, "Unknown assignment"},
        {{"import", "1", file("missing.gkp")}, "does not exist"},
        {{"import", "1", file("garbage.gkp")}, "not a profile file"},
        {{"import", "1", file("empty.gkp")}, "empty"},
        {{"import", "1", file("folder.gkp")}, "not a file"},
        {{"import", "1", file("fifo.json")}, "fifo.json"},
        {{"import", "1", file("missing.json")}, "missing.json"},
        {{"import", "1", file("malformed.json")}, "not valid JSON"},
        {{"import", "1", file("wrong.json")}, "pollingRate: expected a whole number"},
        {{"import", "1", file("type255.json")}, "keys[0].type: 255 is not an assignment type"},
        {{"import", "1", file("twice.json")}, "pollingRate: given more than once"},
        {{"import", "1", file("dead.gkp")}, "standardkey[0]: 255 is not a key or mouse-button code"},
        {{"set", "1", "name=a\x1B[2Jb"}, "contains a control character"},
        {{"show", "0"}, "profiles are 1-5"},
        {{"frobnicate"}, "Unknown command"},
        {{"set", "1", "colour=2", "--wait", "soon"}, "--wait"},
    };
    const auto files = snapshot(home_);
    const std::size_t writes = writeCount();
    for (const Case &c : cases) {
        const Outcome o = ctl(c.args);
        std::string cmd;
        for (const std::string &a : c.args)
            cmd += a + " ";
        EXPECT_EQ(o.status, 1) << cmd << ": " << o.err;
        EXPECT_NE(o.err.find(c.says), std::string::npos)
            << cmd << ": wanted \"" << c.says << "\" in " << o.err;
    }
    EXPECT_EQ(writeCount(), writes);
    EXPECT_EQ(snapshot(home_), files);
}

// A library with a damaged record: the change is made, the library is
// listed as far as it reads, the damaged record is named, and the file
// stays byte for byte as it was.
TEST_F(VantorctlProcessTest, ADamagedMacroLibraryIsNamedAndNeverRewritten) {
    const std::string path = home_ + "config/sequence.dat";
    std::string text = slurp(path);
    const std::string record = text.substr(text.find("0=") + 2, 522);
    std::string damaged = record;
    damaged.back() = damaged.back() == '0' ? '1' : '0';
    text = "[Macros]\nnumber=3\n0=" + record + "\n1=" + damaged + "\n2=" + record + "\n";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;

    const Outcome set = ctl({"set", "1", "colour=3"});
    EXPECT_EQ(set.status, 2) << set.err; // no Monitor: saved, not sent
    EXPECT_NE(set.err.find("record 1 is damaged"), std::string::npos) << set.err;
    EXPECT_EQ(IniFile(home_ + "config/Default0.gkp").readNumber("Setting", "LtColor", -1), 3);
    const Outcome macros = ctl({"macros"});
    EXPECT_EQ(macros.out, "Jump\t2 steps\trepeat 2\n\t0 steps\tonce\nJump\t2 steps\trepeat 2\n");
    EXPECT_NE(macros.err.find("record 1 is damaged"), std::string::npos) << macros.err;
    EXPECT_EQ(slurp(path), text);
}

TEST_F(VantorctlProcessTest, WithoutMonitorOrKeyboardTheFilesAreSavedAndTheStatusSaysSo) {
    // No Monitor at all.
    Outcome o = ctl({"set", "1", "colour=4"});
    EXPECT_EQ(o.status, 2) << o.err;
    EXPECT_NE(o.err.find("Monitor program is not running"), std::string::npos) << o.err;
    EXPECT_EQ(IniFile(home_ + "config/Default0.gkp").readNumber("Setting", "LtColor", -1), 4);
    o = ctl({"status"});
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.out.find("Monitor:  not running"), std::string::npos) << o.out;
    EXPECT_NE(ctl({"show", "1"}).out.find("Lighting colour:  Yellow"), std::string::npos);

    // Monitor without a keyboard.
    startMonitor();
    o = ctl({"profile", "2"});
    EXPECT_EQ(o.status, 2) << o.err;
    EXPECT_NE(o.err.find("no keyboard is connected"), std::string::npos) << o.err;
    EXPECT_EQ(ctl({"profile"}).out, "2\tProfile #2\n");
    o = ctl({"status"});
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.out.find("Keyboard: not connected"), std::string::npos) << o.out;
}

// A German user: messages in German from --language or from config.ini,
// --language first; command and value names stay English.
TEST_F(VantorctlProcessTest, MessagesFollowTheChosenLanguage) {
    Outcome o = ctl({"--language", "de", "frobnicate"});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("Unbekannter Befehl \u201efrobnicate\u201c."), std::string::npos) << o.err;
    ASSERT_TRUE(IniFile(home_ + "config.ini").writeText("Setting", "Language", "de"));
    o = ctl({"set", "1", "colour=pink"});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("Unbekannte Farbe \"pink\": Verwenden Sie eine von Red, Green"), std::string::npos)
        << o.err;
    // The labels of status and show too, in a column as wide as the German
    // labels need; the values that set accepts stay English.
    o = ctl({"status"});
    EXPECT_NE(o.out.find("Monitor:  l\u00e4uft nicht\nTastatur: unbekannt (Monitor l\u00e4uft nicht)\n"),
              std::string::npos)
        << o.out;
    o = ctl({"show", "1"});
    EXPECT_NE(o.out.find("Profil 1: "), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("\n  Beleuchtungsfarbe:    "), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("\n  Windows-Tastensperre: o"), std::string::npos) << o.out; // on or off
    EXPECT_NE(ctl({"--language=en", "frobnicate"}).err.find("Unknown command"), std::string::npos);
}

} // namespace
} // namespace orvyn::test
