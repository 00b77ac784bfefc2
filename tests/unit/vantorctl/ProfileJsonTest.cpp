// Profile documents: what is written reads back to the same document, and
// a document with any fault is refused whole with the field named.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstring>
#include <functional>
#include <memory>

#include "editing/KeyboardLayout.h"
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
    p->LtControl = 16;
    p->LtColor = 0;   // as the keyboard reports it after LtControl 32
    p->LtTimeout = 5; // the power-saving byte a read-back stores
    p->PollingRate = 4;
    p->winKeyLock() = 1;
    p->ModifyKey[5] = 0;
    p->standardkey[44] = 224; // CapsLock (position 44) gives Left Ctrl
    p->standardkey[0] = 241;  // a mouse button, as the swap dialog stores it
    MacroKeyInfo &macro = p->keys[2];
    macro.type = static_cast<uint8_t>(AssignType::Macro);
    macro.flags = 0;
    setFixed(macro.macroName, "Jump");
    macro.repeatCount = 3;
    macro.eventCount = 50;
    for (int i = 0; i < 50; ++i)
        macro.events[i] = MacroEvent{static_cast<uint8_t>(4 + i % 20), static_cast<uint8_t>(1 + i % 2),
                                     static_cast<uint16_t>(i * 1000)};
    p->keys[6].type = static_cast<uint8_t>(AssignType::LaunchProgram);
    p->keys[6].flags = 7;
    p->keys[6].code = 0;
    setFixed(p->keys[6].programPath, "/usr/bin/gnome-calculator");
    p->keys[9].type = static_cast<uint8_t>(AssignType::ReadBackCombination);
    p->keys[9].flags = kModAlt;
    p->keys[9].code = 4;
    return p;
}

class ProfileJsonTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(texts_.load(ORVYN_PROGRAM_DIR)); }
    std::string json(const ProfileData &p) { return profileToJson(p, captions_); }

    UiTextLibrary texts_;
    std::unique_ptr<KeyboardLayout> us_ = makeUsLayout();
    KeyCodeTable keys_{*us_};
    AssignmentText captions_{texts_, keys_, KeyNames::Labels};
};

TEST_F(ProfileJsonTest, ADocumentReadsBackIntoTheSameDocumentAndKeepsWhatItDoesNotCarry) {
    const auto source = unusualProfile();
    const std::string text = json(*source);
    EXPECT_NE(text.find("\"caption\": \"gnome-calculator\""), std::string::npos);
    EXPECT_NE(text.find("\"from\": \"Caps Lock\""), std::string::npos); // as the window labels it
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
        // Values in range of their bytes that nothing could produce.
        {"keys[0].type: 200 is not an assignment type",
         [&](QJsonObject &r) { key(r, 0, [](QJsonObject &k) { k["type"] = 200; }); }},
        {"keys[0].code: 65535 is not a media or application function",
         [&](QJsonObject &r) {
             key(r, 0, [](QJsonObject &k) {
                 k["type"] = 6;
                 k["flags"] = 0;
                 k["code"] = 65535;
             });
         }},
        {"keys[6].flags: 3 is not 7, the key's number",
         [&](QJsonObject &r) { key(r, 6, [](QJsonObject &k) { k["flags"] = 3; }); }},
        {"keys[6].program: \"/bin/a\\x0Ab\" contains a control character",
         [&](QJsonObject &r) { key(r, 6, [](QJsonObject &k) { k["program"] = "/bin/a\nb"; }); }},
        {"keys[2].macro.events[0].state: 7 is neither 1 (press) nor 2 (release)", macro([](QJsonObject &m) {
             QJsonArray e = m["events"].toArray();
             QJsonObject step = e[0].toObject();
             step["state"] = 7;
             e[0] = step;
             m["events"] = e;
         })},
        {"keys[2].macro.name: \"a\xC2\x85"
         "b\" contains a control character",
         macro([](QJsonObject &m) { m["name"] = QString("a") + QChar(0x85) + "b"; })},
        {"gameFile: \"x\xE2\x80\xAE"
         "exe.txt\" contains a bidirectional override",
         [](QJsonObject &r) { r["gameFile"] = QString("x") + QChar(0x202E) + "exe.txt"; }},
        {"lighting.effect: 3 is not a lighting control value",
         [](QJsonObject &r) {
             QJsonObject l = r["lighting"].toObject();
             l["effect"] = 3;
             r["lighting"] = l;
         }},
        {"lighting.switch: 2147483647 is not a byte",
         [](QJsonObject &r) {
             QJsonObject l = r["lighting"].toObject();
             l["switch"] = 2147483647;
             r["lighting"] = l;
         }},
        {"mediaPlayer: -1 is not a media player", [](QJsonObject &r) { r["mediaPlayer"] = -1; }},
        {"switches[5]: 7 is neither 0 nor 1",
         [](QJsonObject &r) {
             QJsonArray s = r["switches"].toArray();
             s[5] = 7;
             r["switches"] = s;
         }},
        {"remaps[0].code: 255 is not a key or mouse-button code",
         [](QJsonObject &r) {
             r["remaps"] = QJsonArray{QJsonObject{{"position", 3}, {"code", 255}}};
         }},
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
    // A name given twice: the parser would keep the last, a profile file's
    // reader the first.
    const std::string text = json(*unusualProfile());
    const struct {
        const char *find;
        const char *insert;
        const char *says;
    } twice[] = {
        {"{", "\"pollingRate\": 1,", "pollingRate: given more than once"},
        {"\"colour\"", "\"col\\u006fur\": 3, ", "lighting.colour: given more than once"},
        {"\"flags\"", "\"type\": 0, ", "keys[0].type: given more than once"},
    };
    for (const auto &t : twice) {
        std::string doubled = text;
        const std::size_t at = doubled.find(t.find);
        doubled.insert(t.find[0] == '{' ? at + 1 : at, t.insert);
        auto target = defaultProfile(0);
        const auto before = std::make_unique<ProfileData>(*target);
        const JsonImport result = profileFromJson(doubled, *target);
        EXPECT_FALSE(result.ok) << t.says;
        EXPECT_NE(result.error.find(t.says), std::string::npos) << t.says << ": " << result.error;
        EXPECT_EQ(std::memcmp(target.get(), before.get(), sizeof(ProfileData)), 0) << t.says;
    }
    for (const char *text : {"", "{", "[1, 2]", "{\"format\": \"orvyn-vantor-profile\", \"version\": 1,}"}) {
        auto target = defaultProfile(0);
        EXPECT_FALSE(profileFromJson(text, *target).ok) << text;
    }
}

} // namespace
} // namespace orvyn::ctl
