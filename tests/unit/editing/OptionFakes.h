// Fakes for Option's session: Monitor's block and endpoint, the language
// texts and the window.
#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "editing/ConfigSession.h"
#include "shared/Messages.h"

namespace orvyn::testing {

inline PostedMessage message(uint32_t number, int64_t wParam = 0) {
    PostedMessage m;
    m.message = number;
    m.wParam = wParam;
    return m;
}

class FakeExchange final : public ConfigExchange {
public:
    FakeExchange() : block(std::make_unique<ConfigBlock>()) {
        std::memset(block.get(), 0, sizeof(ConfigBlock));
    }
    bool publish(const ConfigBlock &config) override {
        if (!available)
            return false;
        *block = config;
        ++publishes;
        return true;
    }
    bool take(ConfigBlock &config) override {
        if (!available)
            return false;
        config = *block;
        ++takes;
        return true;
    }
    std::unique_ptr<ConfigBlock> block;
    bool available = true;
    int publishes = 0;
    int takes = 0;
};

class FakePoster final : public MessagePoster {
public:
    bool exists(const std::string &title) override { return monitorRunning && title == kMonitorTitle; }
    bool post(const std::string &title, const PostedMessage &message) override {
        if (!exists(title))
            return false;
        posted.push_back(message);
        return true;
    }
    bool monitorRunning = true;
    std::vector<PostedMessage> posted;
};

class FakeTexts final : public TextSource {
public:
    std::string text(unsigned id) const override { return id == 1040 ? "Profile" : "T" + std::to_string(id); }
};

class FakeView final : public SessionView {
public:
    void refresh(int current) override { refreshes.push_back(current); }
    void beginApplyWait() override {
        ++begins;
        waitShown = true;
    }
    void endApplyWait() override {
        ++ends;
        waitShown = false;
    }
    void versionTextChanged() override { ++versionChanges; }
    void closeWindow() override { ++closes; }
    void restoreAndActivate() override { ++restores; }
    void tellUser(SessionNotice notice, const std::string &text) override {
        notices.push_back(notice);
        noticeTexts.push_back(text);
    }

    std::vector<int> refreshes;
    std::vector<SessionNotice> notices;
    std::vector<std::string> noticeTexts;
    int begins = 0, ends = 0, versionChanges = 0, closes = 0, restores = 0;
    bool waitShown = false;
};

} // namespace orvyn::testing
