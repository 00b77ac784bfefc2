// Option, Monitor and an emulated keyboard as real processes for window
// tests: the fixture that starts them (the xdotool helpers are in
// XDriving.h).
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "ProcessSetup.h"
#include "XDriving.h"
#include "integration/platform/Child.h"
#include "kbsim/EmulatorServer.h"
#include "kbsim/KeyboardModel.h"
#include "platform/Endpoint.h"
#include "shared/IniFile.h"
#include "shared/Messages.h"
#include "support/TempRuntime.h"

namespace orvyn::test {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

class OptionProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        useEmulatedKeyboard(runtime_.runtime() + "keyboard.sock");
        home_ = std::getenv("ORVYN_VANTOR_HOME") + std::string("/");
        fs::create_directories(home_ + "config");
        programs_ = privateProgramFolder(runtime_.base());
    }
    void TearDown() override {
        if (monitor_) {
            monitor_->kill(SIGTERM);
            monitor_->wait();
        }
        if (server_)
            server_->stop();
    }

    // The emulated keyboard and a real Monitor that has read it back.
    void startKeyboardAndMonitor() {
        model_.setTracing(true);
        server_ = std::make_unique<EmulatorServer>(model_, clock_, runtime_.runtime() + "keyboard.sock");
        std::string error;
        ASSERT_TRUE(server_->start(&error)) << error;
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1); // Monitor needs no window
        monitor_ = std::make_unique<Child>(std::vector<std::string>{programs_ + "Monitor"});
        ASSERT_TRUE(keyboardWentQuiet(model_)) << "Monitor did not read the keyboard back";
        ASSERT_TRUE(poster_.exists(kMonitorTitle));
    }

    std::vector<std::vector<uint8_t>> writes() const {
        std::vector<std::vector<uint8_t>> out;
        for (const ReportTrace &t : model_.traces())
            if (t.kind == ReportTrace::Kind::Set && t.ok)
                out.push_back(t.bytes);
        return out;
    }

    // Option started through a shell so its traces (stderr) arrive as lines.
    std::unique_ptr<Child> startOption() {
        return std::make_unique<Child>(
            std::vector<std::string>{"/bin/sh", "-c", "exec '" + programs_ + "Option' 2>&1"});
    }

    // Option on the X server, once its first frame is painted, and the id
    // of its window (empty when it did not come up).
    std::pair<std::unique_ptr<Child>, std::string> startOptionWindow() {
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        auto option = startOption();
        if (!waitForLine(*option, "Option: first frame painted"))
            return {std::move(option), std::string()};
        return {std::move(option),
                shell("xdotool search --sync --name '^Orvyn Vantor Keyboard Option$' | head -1")};
    }

    TempRuntime runtime_;
    std::string home_;
    std::string programs_;
    RealClock clock_{0.01};
    KeyboardModel model_{clock_};
    std::unique_ptr<EmulatorServer> server_;
    std::unique_ptr<Child> monitor_;
    EndpointPoster poster_{runtime_.runtime()};
};

} // namespace orvyn::test
