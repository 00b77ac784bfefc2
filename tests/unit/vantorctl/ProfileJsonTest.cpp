// Profile documents: what is written reads back to the same document, and
// a document with any fault is refused whole with the field named.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstring>
#include <functional>
#include <memory>

#include "option/keys/KeyboardLayout.h"
#include "uitext/UiText.h"
#include "vantorctl/ProfileJson.h"

namespace orvyn::ctl {
namespace {

std::unique_ptr<ProfileData> defaultProfile(int n) {
    auto p = std::make_unique<ProfileData>();
    std::memset(p.get(), 0, sizeof(ProfileData));
    makeDefaultProfile(*p, n, "Profile");
    return p;
}

// Unlike the defaults in every part the document carries.
std::unique_ptr<ProfileData> unusualProfile() {
    auto p = defaultProfile(1);
    setFixed(p->ProFileName, "Raid \"night\" ✓");
    setFixed(p->GameFile, "C:\\Games\\raid.exe");
    p->MediaOption = 3;
    p->HDDKeyboard = 0;
    p->LtControl = 3; // as a keyboard may report it
    p->LtColor = 7;
    p->LtTimeout = -1;
    p->PollingRate = -1; // a profile file without the key
    p->winKeyLock() = 1;
    p->ModifyKey[5] = 0;
    p->standardkey[44] = 224; // CapsLock (position 44) gives Left Ctrl
    p->standardkey[0] = 0;
    MacroKeyInfo &macro = p->keys[2];
    macro.type = static_cast<uint8_t>(AssignType::Macro);
    setFixed(macro.macroName, "Jump");
    macro.repeatCount = 3;
    macro.eventCount = 50;
    for (int i = 0; i < 50; ++i)
        macro.events[i] = MacroEvent{static_cast<uint8_t>(4 + i % 20), static_cast<uint8_t>(1 + i % 2),
                                     static_cast<uint16_t>(i * 1000)};
    p->keys[6].type = static_cast<uint8_t>(AssignType::LaunchProgram);
    p->keys[6].flags = 7;
    setFixed(p->keys[6].programPath, "/usr/bin/gnome-calculator");
    p->keys[9].type = 200; // unknown types travel as they are
    p->keys[9].code = 0xBEEF;
    return p;
}

class ProfileJsonTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(texts_.load(ORVYN_PROGRAM_DIR)); }
    std::string json(const ProfileData &p) { return profileToJson(p, captions_); }

    UiTextLibrary texts_;
    std::unique_ptr<KeyboardLayout> us_ = makeUsLayout();
    KeyCodeTable keys_{*us_};
    AssignmentText captions_{texts_, keys_};
};

TEST_F(ProfileJsonTest, ADocumentReadsBackIntoTheSameDocumentAndKeepsWhatItDoesNotCarry) {
    const auto source = unusualProfile();
    const std::string text = json(*source);
    EXPECT_NE(text.find("\"caption\": \"gnome-calculator\""), std::string::npos);
    EXPECT_NE(text.find("\"from\": \"CapsLock\""), std::string::npos);
    EXPECT_NE(text.find("\"to\": \"Left Ctrl\""), std::string::npos);

    auto target = defaultProfile(4);
    target->keys[20].type = 3; // stored, never sent: not in the document
    target->apmLightInfo[5] = 9;
    target->keys[2].programPath[0] = 'x'; // leftovers in a key are not
    const JsonImport result = profileFromJson(text, *target);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(json(*target), text);

    EXPECT_EQ(target->keys[20].type, 3);
    EXPECT_EQ(target->apmLightInfo[5], 9);
    EXPECT_EQ(target->keys[2].programPath[0], '\0');
    EXPECT_EQ(std::memcmp(target->keys, source->keys, kKeyboardSlotCount * sizeof(MacroKeyInfo)), 0);
    EXPECT_EQ(std::memcmp(target->standardkey, source->standardkey, sizeof source->standardkey), 0);
    EXPECT_EQ(std::memcmp(&target->MediaOption, &source->MediaOption,
                          offsetof(ProfileData, standardkey) - offsetof(ProfileData, MediaOption)),
              0);
    EXPECT_STREQ(target->ProFileName, source->ProFileName);
    EXPECT_STREQ(target->GameFile, source->GameFile);

    // The library is a document too.
    MacroLibrary library;
    library.addFromKey(source->keys[2]);
    const QJsonObject lib =
        QJsonDocument::fromJson(QByteArray::fromStdString(libraryToJson(library))).object();
    EXPECT_EQ(lib["macros"].toArray().at(0).toObject()["events"].toArray().size(), 50);
}

TEST_F(ProfileJsonTest, AnyFaultRefusesTheWholeDocumentAndNamesTheField) {
    const QJsonObject good =
        QJsonDocument::fromJson(QByteArray::fromStdString(json(*unusualProfile()))).object();
    using Change = std::function<void(QJsonObject &)>;
    auto key = [](QJsonObject &root, int i, const Change &change) {
        QJsonArray keys = root["keys"].toArray();
        QJsonObject k = keys[i].toObject();
        change(k);
        keys[i] = k;
        root["keys"] = keys;
    };
    auto macro = [&](const Change &change) {
        return [=](QJsonObject &root) {
            key(root, 2, [&](QJsonObject &k) {
                QJsonObject m = k["macro"].toObject();
                change(m);
                k["macro"] = m;
            });
        };
    };
    struct Case {
        const char *says;
        Change change;
    };
    const std::string longPath(260, 'p');
    const Case cases[] = {
        {"format:", [](QJsonObject &r) { r["format"] = "something-else"; }},
        {"version:", [](QJsonObject &r) { r["version"] = 2; }},
        {"lighting: missing", [](QJsonObject &r) { r.remove("lighting"); }},
        {"colour: unknown field", [](QJsonObject &r) { r["colour"] = 1; }},
        {"lighting.colour: expected a whole number",
         [](QJsonObject &r) {
             QJsonObject l = r["lighting"].toObject();
             l["colour"] = 1.5;
             r["lighting"] = l;
         }},
        {"pollingRate: expected a whole number", [](QJsonObject &r) { r["pollingRate"] = "fast"; }},
        {"mediaPlayer: 4294967296 is out of range", [](QJsonObject &r) { r["mediaPlayer"] = 4294967296.0; }},
        {"switches: 5 values",
         [](QJsonObject &r) {
             QJsonArray s = r["switches"].toArray();
             s.removeLast();
             r["switches"] = s;
         }},
        {"name: longer than the 249 bytes", [](QJsonObject &r) { r["name"] = QString(250, 'n'); }},
        {"name: contains a NUL", [](QJsonObject &r) { r["name"] = QString("a") + QChar(0) + "b"; }},
        {"remaps[0].position: 104 is out of range",
         [](QJsonObject &r) {
             r["remaps"] = QJsonArray{QJsonObject{{"position", 104}, {"code", 4}}};
         }},
        {"remaps[1].position: position 3 is given twice",
         [](QJsonObject &r) {
             r["remaps"] = QJsonArray{QJsonObject{{"position", 3}, {"code", 4}},
                                      QJsonObject{{"position", 3}, {"code", 5}}};
         }},
        {"remaps[0].code: 256 is out of range",
         [](QJsonObject &r) {
             r["remaps"] = QJsonArray{QJsonObject{{"position", 3}, {"code", 256}}};
         }},
        {"keys: 14 keys",
         [](QJsonObject &r) {
             QJsonArray k = r["keys"].toArray();
             k.removeLast();
             r["keys"] = k;
         }},
        {"keys[4].key: expected one of G1-G15",
         [&](QJsonObject &r) { key(r, 4, [](QJsonObject &k) { k["key"] = "G16"; }); }},
        {"keys[4].key: named twice",
         [&](QJsonObject &r) { key(r, 4, [](QJsonObject &k) { k["key"] = "g1"; }); }},
        {"keys[0].type: 256 is out of range",
         [&](QJsonObject &r) { key(r, 0, [](QJsonObject &k) { k["type"] = 256; }); }},
        {"keys[0].macro: given, but only a macro key",
         [&](QJsonObject &r) { key(r, 0, [](QJsonObject &k) { k["macro"] = QJsonObject{}; }); }},
        {"keys[2].macro: missing",
         [&](QJsonObject &r) { key(r, 2, [](QJsonObject &k) { k.remove("macro"); }); }},
        {"keys[2].macro.events: 51 steps", macro([](QJsonObject &m) {
             QJsonArray e = m["events"].toArray();
             e.append(e.first());
             m["events"] = e;
         })},
        {"keys[2].macro.events[3].delay: 70000 is out of range", macro([](QJsonObject &m) {
             QJsonArray e = m["events"].toArray();
             QJsonObject step = e[3].toObject();
             step["delay"] = 70000;
             e[3] = step;
             m["events"] = e;
         })},
        {"keys[2].macro.name: longer than the 23 bytes",
         macro([](QJsonObject &m) { m["name"] = QString(24, 'm'); })},
        {"keys[2].macro.repeats: unknown field", macro([](QJsonObject &m) { m["repeats"] = 1; })},
        {"keys[6].program: longer than the 259 bytes",
         [&](QJsonObject &r) {
             key(r, 6, [&](QJsonObject &k) { k["program"] = QString::fromStdString(longPath); });
         }},
        {"keys[1].program: given, but only a program key",
         [&](QJsonObject &r) { key(r, 1, [](QJsonObject &k) { k["program"] = "/bin/true"; }); }},
    };
    for (const Case &c : cases) {
        QJsonObject broken = good;
        c.change(broken);
        auto target = defaultProfile(0);
        const auto before = std::make_unique<ProfileData>(*target);
        const JsonImport result = profileFromJson(QJsonDocument(broken).toJson().toStdString(), *target);
        EXPECT_FALSE(result.ok) << c.says;
        EXPECT_NE(result.error.find(c.says), std::string::npos)
            << "wanted \"" << c.says << "\", got: " << result.error;
        EXPECT_EQ(std::memcmp(target.get(), before.get(), sizeof(ProfileData)), 0) << c.says;
    }
    for (const char *text : {"", "{", "[1, 2]", "{\"format\": \"orvyn-vantor-profile\", \"version\": 1,}"}) {
        auto target = defaultProfile(0);
        EXPECT_FALSE(profileFromJson(text, *target).ok) << text;
    }
}

} // namespace
} // namespace orvyn::ctl
