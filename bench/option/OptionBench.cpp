// Timed figures of Option, printed as text:
//  1. start of the Option program to its first painted frame (median), with
//     the desktop in English, German and Japanese (LANG), and where that
//     time goes: the steps Option traces (Qt's start, the skin check, texts
//     and settings, building the skinned windows, loading the configuration,
//     showing, the first paint) and, before them, starting the process up
//     to its main();
//  2. Apply with Monitor absent (files written, controls back at once);
//  3. Apply of one lighting change through a real Monitor and the keyboard
//     emulator in real time (ORVYN_TIME_SCALE=1), above the protocol's own
//     pauses: the 200 ms pause after each profile's macro step (5 x 200 ms,
//     taken whether or not a macro is sent), the 100 ms first pause of the
//     lighting report's completion wait and the 200 ms pause after it.
// Usage: option_bench [runs]
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <poll.h>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "editing/ConfigSession.h"
#include "integration/platform/Child.h"
#include "kbsim/EmulatorServer.h"
#include "kbsim/KeyboardModel.h"
#include "platform/Endpoint.h"
#include "shared/Messages.h"
#include "shared/SharedBlock.h"
#include "support/TempRuntime.h"

namespace {

using namespace orvyn;
using SteadyClock = std::chrono::steady_clock;
constexpr double kLightingPausesMs = 5 * 200.0 + 100.0 + 200.0;

double ms(SteadyClock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void print(const char *what, const std::vector<double> &v, double target) {
    const double med = median(v);
    const double worst = v.empty() ? 0 : *std::max_element(v.begin(), v.end());
    std::printf("%-58s median %7.1f ms  max %7.1f ms  (%zu runs, target <= %.0f ms: %s)\n", what, med, worst,
                v.size(), target, med <= target ? "met" : "NOT met");
}

class NoTexts final : public TextSource {
public:
    std::string text(unsigned id) const override { return id == kDefaultProfileNameText ? "Profile" : ""; }
};

// The steps of one "Option: start steps (ms): qt 12.0, skins 30.5, ..." line.
std::vector<std::pair<std::string, double>> startSteps(const std::string &line) {
    std::vector<std::pair<std::string, double>> steps;
    const std::size_t colon = line.find("):");
    if (colon == std::string::npos)
        return steps;
    std::istringstream in(line.substr(colon + 2));
    std::string name;
    double value = 0;
    while (in >> name >> value) {
        steps.emplace_back(name, value);
        in.ignore(1); // the comma
    }
    return steps;
}

struct StartFigures {
    std::vector<double> total;
    std::vector<std::string> order;
    std::map<std::string, std::vector<double>> steps;
};

// Option started as on a desktop whose locale is `lang` alone.
StartFigures startUp(int runs, const char *lang) {
    StartFigures figures;
    ::setenv("ORVYN_TRACE", "1", 1);
    ::setenv("LANG", lang, 1);
    for (const char *other : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        ::unsetenv(other);
    for (int i = 0; i < runs; ++i) {
        const auto start = SteadyClock::now();
        test::Child option({"/bin/sh", "-c", std::string("exec '") + ORVYN_PROGRAM_DIR + "Option' 2>&1"});
        bool painted = false;
        double inMain = 0;
        while (auto line = option.readLine(20)) {
            if (line->find("Option: start steps") != std::string::npos) {
                for (const auto &[name, value] : startSteps(*line)) {
                    if (figures.steps.count(name) == 0)
                        figures.order.push_back(name);
                    figures.steps[name].push_back(value);
                    inMain += value;
                }
            }
            if (line->find("Option: first frame painted") != std::string::npos) {
                const double total = ms(SteadyClock::now() - start);
                figures.total.push_back(total);
                figures.steps["process-start"].push_back(total - inMain);
                painted = true;
                break;
            }
        }
        option.kill(SIGTERM);
        option.wait();
        if (!painted) {
            std::fprintf(stderr, "Option did not paint\n");
            break;
        }
    }
    ::unsetenv("ORVYN_TRACE");
    return figures;
}

void printSteps(const StartFigures &figures) {
    std::printf("  where it goes (medians):");
    std::vector<std::string> order = {"process-start"};
    order.insert(order.end(), figures.order.begin(), figures.order.end());
    for (const std::string &name : order) {
        const auto it = figures.steps.find(name);
        if (it != figures.steps.end())
            std::printf(" %s %.1f", name.c_str(), median(it->second));
    }
    std::printf("\n");
}

std::vector<double> applyWithoutMonitor(const std::string &runtime, const std::string &home, int runs) {
    SettingsStore settings(home);
    EndpointPoster poster(runtime); // nobody receives: Monitor is absent
    NoTexts texts;
    ConfigSession session(settings, poster, texts, home + "config/sequence.dat");
    session.initialize(nullptr);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        session.working().profiles[1].LtColor = 1 + i % 3;
        const auto start = SteadyClock::now();
        if (session.apply(ApplyMode::Apply))
            std::fprintf(stderr, "unexpected: Monitor found\n");
        times.push_back(ms(SteadyClock::now() - start));
    }
    return times;
}

bool waitFor(Endpoint &endpoint, uint32_t message, std::chrono::seconds limit) {
    const auto end = SteadyClock::now() + limit;
    while (SteadyClock::now() < end) {
        pollfd p{endpoint.fd(), POLLIN, 0};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - SteadyClock::now());
        if (::poll(&p, 1, static_cast<int>(std::max<int64_t>(left.count(), 0))) <= 0)
            continue;
        for (const PostedMessage &m : endpoint.receive())
            if (m.message == message)
                return true;
    }
    return false;
}

std::vector<double> applyThroughMonitor(const std::string &runtime, const std::string &home, int runs) {
    std::vector<double> above;
    RealClock clock(1.0);
    KeyboardModel model(clock);
    model.setTracing(true);
    const std::string socket = runtime + "keyboard.sock";
    EmulatorServer server(model, clock, socket);
    std::string error;
    if (!server.start(&error)) {
        std::fprintf(stderr, "emulator: %s\n", error.c_str());
        return above;
    }
    Endpoint option; // this program stands where Option's window receives
    if (option.bind(runtime, kOptionTitle) != BindResult::Bound) {
        std::fprintf(stderr, "cannot bind Option's endpoint\n");
        return above;
    }
    ::setenv("ORVYN_KEYBOARD", "emulator", 1);
    ::setenv("ORVYN_KEYBOARD_SOCKET", socket.c_str(), 1);
    ::setenv("ORVYN_TIME_SCALE", "1", 1);
    test::Child monitor({std::string(ORVYN_PROGRAM_DIR) + "Monitor"});
    // The read-back at start-up ends with 1254.
    if (!waitFor(option, WM_READBACK_DONE, std::chrono::seconds(90))) {
        std::fprintf(stderr, "Monitor did not read the keyboard back\n");
        return above;
    }
    // The read-back's closing report follows 1254: let the keyboard go quiet.
    for (std::size_t seen = SIZE_MAX; model.traces().size() != seen;) {
        seen = model.traces().size();
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
    SharedConfigBlock block;
    block.open(runtime);
    SettingsStore settings(home);
    EndpointPoster poster(runtime);
    NoTexts texts;
    ConfigSession session(settings, poster, texts, home + "config/sequence.dat");
    session.initialize(block.hasBlock() ? &block : nullptr);
    for (int i = 0; i < runs; ++i) {
        ProfileData &p = session.working().profiles[1];
        p.LtColor = p.LtColor % 3 + 1;
        model.clearTraces();
        const auto start = SteadyClock::now();
        const bool posted = session.apply(ApplyMode::Apply);
        if (!posted || !waitFor(option, WM_APPLY_DONE, std::chrono::seconds(30))) {
            std::fprintf(stderr, "apply was not answered\n");
            break;
        }
        const double elapsed = ms(SteadyClock::now() - start);
        session.finishApply(ApplyEnd::Answered);
        int lightingReports = 0;
        std::string others;
        for (const ReportTrace &t : model.traces()) {
            if (t.kind != ReportTrace::Kind::Set || t.bytes.size() < 3)
                continue;
            if (t.bytes[0] == 10 && t.bytes[2] == 1)
                ++lightingReports;
            else
                others += " " + std::to_string(t.bytes[0]) + "/" + std::to_string(t.bytes[2]);
        }
        if (lightingReports != 1 || !others.empty())
            std::fprintf(stderr, "run %d: %d lighting reports of profile 2; others (id/byte 2):%s\n", i,
                         lightingReports, others.c_str());
        above.push_back(elapsed - kLightingPausesMs);
    }
    monitor.kill(SIGTERM);
    monitor.wait();
    server.stop();
    return above;
}

} // namespace

int main(int argc, char **argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    if (!std::getenv("DISPLAY"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    orvyn::test::TempRuntime temp;
    const std::string home = std::getenv("ORVYN_VANTOR_HOME") + std::string("/");
    std::filesystem::create_directories(home + "config");

    // A translated language may cost at most this much over English; the
    // whole start varies more than that on a busy machine, so the steps that
    // differ by language (catalogues, texts, skins) are compared too.
    constexpr double kLanguageCostMs = 5;
    std::map<std::string, double> english;
    for (const char *lang : {"en_US.UTF-8", "de_DE.UTF-8", "ja_JP.UTF-8"}) {
        const StartFigures start = startUp(runs, lang);
        const std::string row = std::string("Option start to first painted frame, LANG=") + lang;
        print(row.c_str(), start.total, 100);
        printSteps(start);
        std::map<std::string, double> medians{{"total", median(start.total)}};
        for (const auto &[name, values] : start.steps)
            medians[name] = median(values);
        if (english.empty()) {
            english = medians;
            continue;
        }
        double stepsMore = 0;
        std::printf("  over English:");
        for (const char *name : {"translations", "texts", "skins"}) {
            std::printf(" %s %+.1f", name, medians[name] - english[name]);
            stepsMore += medians[name] - english[name];
        }
        std::printf(", whole start %+.1f ms (target: the steps <= %.0f ms: %s)\n",
                    medians["total"] - english["total"], kLanguageCostMs,
                    stepsMore <= kLanguageCostMs ? "met" : "NOT met");
    }
    print("Apply with Monitor absent", applyWithoutMonitor(temp.runtime(), home, runs), 50);
    print("Apply of one lighting change, above the protocol's pauses",
          applyThroughMonitor(temp.runtime(), home, 5), 20);
    return 0;
}
