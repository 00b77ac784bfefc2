#include "kbsim/KeyboardModel.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "shared/ConfigBlock.h"

namespace orvyn {
namespace {

using Bytes = std::vector<uint8_t>;

class KeyboardModelTest : public ::testing::Test {
protected:
    VirtualClock clock;
    KeyboardModel model{clock};

    bool set(Bytes r) { return model.setFeature(r.data(), r.size()); }
    // Reads report `id` of `length` bytes; empty on failure.
    Bytes get(uint8_t id, std::size_t length) {
        Bytes r(length, 0);
        r[0] = id;
        return model.getFeature(r.data(), r.size()) ? r : Bytes{};
    }
    Bytes readSubject(uint8_t profile, uint8_t subject, uint8_t id) {
        EXPECT_TRUE(set({report_id::Status, profile, subject}));
        return get(id, reportLength(id));
    }
};

TEST_F(KeyboardModelTest, FactoryStateMatchesTheKeyboardDefaults) {
    EXPECT_EQ(model.currentProfile(), 0);
    for (int p = 0; p < 5; ++p) {
        const ProfileMemory m = model.profile(p);
        EXPECT_EQ(0, std::memcmp(m.matrix, kFactoryKeyMatrix, sizeof m.matrix));
        EXPECT_EQ(m.pollingCode, 2);
        EXPECT_EQ(m.switchBits, 0x3F);
        EXPECT_EQ(Bytes(m.assignments[0], m.assignments[0] + 3), (Bytes{4, 4, 0}));
        EXPECT_EQ(Bytes(m.assignments[3], m.assignments[3] + 3), (Bytes{4, 7, 0}));
        EXPECT_EQ(Bytes(m.assignments[4], m.assignments[4] + 3), (Bytes{10, 0, 78}));
        EXPECT_EQ(Bytes(m.assignments[5], m.assignments[5] + 3), (Bytes{2, 1, 30}));
        EXPECT_EQ(Bytes(m.assignments[14], m.assignments[14] + 3), (Bytes{10, 0, 77}));
        const uint8_t marks[5] = {1, 3, 2, 5, 4};
        EXPECT_EQ(Bytes(m.lighting, m.lighting + 13),
                  (Bytes{10, 13, uint8_t(p), 1, 1, 0, 1, 0, 4, 5, 1, marks[p], 7}));
        EXPECT_EQ(m.macros[7][29], 0) << "no macro entries at the factory";
    }
    // Every standard key but two finds its cell in the factory matrix.
    int missing = 0;
    for (uint8_t code : kDefaultStandardKeys)
        missing += std::memchr(kFactoryKeyMatrix, code, kKeyMatrixCells) == nullptr;
    EXPECT_EQ(missing, 2); // 71 and 220
}

TEST_F(KeyboardModelTest, ReadsAnswerOnlyForTheSubjectNamedBefore) {
    EXPECT_TRUE(get(report_id::KeyMatrix, 168).empty()) << "nothing named yet";
    EXPECT_TRUE(readSubject(1, subjectByte(ReadSubject::PollingRate), report_id::KeyMatrix).empty())
        << "wrong subject";
    Bytes matrix = readSubject(1, subjectByte(ReadSubject::KeyMatrix), report_id::KeyMatrix);
    ASSERT_EQ(matrix.size(), 168u);
    EXPECT_EQ(matrix[0], 6);
    EXPECT_EQ(matrix[2], 1);
    EXPECT_EQ(0, std::memcmp(matrix.data() + 8, kFactoryKeyMatrix, 160));
    // The subject stays named for a repeated read.
    EXPECT_EQ(get(report_id::KeyMatrix, 168), matrix);
    // A macro slot subject answers report 9 for that slot only.
    Bytes macro = readSubject(2, 7, report_id::Macro);
    ASSERT_EQ(macro.size(), 130u);
    EXPECT_EQ(macro[2], 2);
    EXPECT_EQ(macro[3], 7);
    EXPECT_TRUE(readSubject(2, 15, report_id::Macro).empty()) << "slot 15 is no subject";
}

TEST_F(KeyboardModelTest, WritesReadBackUnchanged) {
    Bytes matrix(168, 0);
    matrix[0] = 6, matrix[1] = 168, matrix[2] = 3;
    for (int c = 0; c < 160; ++c)
        matrix[8 + c] = uint8_t(c * 7 + 1);
    ASSERT_TRUE(set(matrix));
    Bytes back = readSubject(3, subjectByte(ReadSubject::KeyMatrix), 6);
    EXPECT_TRUE(std::equal(matrix.begin() + 8, matrix.end(), back.begin() + 8));
    EXPECT_EQ(0, std::memcmp(model.profile(0).matrix, kFactoryKeyMatrix, 160)) << "other profiles untouched";

    ASSERT_TRUE(set({7, 4, 4, 0x15}));
    EXPECT_EQ(readSubject(4, subjectByte(ReadSubject::Switches), 7), (Bytes{7, 4, 4, 0x15}));

    Bytes assignments(48, 0);
    assignments[0] = 8, assignments[1] = 48, assignments[2] = 2;
    for (int i = 3; i < 48; ++i)
        assignments[i] = uint8_t(i);
    ASSERT_TRUE(set(assignments));
    EXPECT_EQ(readSubject(2, subjectByte(ReadSubject::Assignments), 8), assignments);

    Bytes lighting{10, 13, 1, 1, 0, 3, 0, 0, 32, 0, 1, 3, 7};
    ASSERT_TRUE(set(lighting));
    EXPECT_EQ(readSubject(1, subjectByte(ReadSubject::Lighting), 10), lighting);

    ASSERT_TRUE(set({11, 8, 0, 8, 0, 0, 0, 0}));
    EXPECT_EQ(readSubject(0, subjectByte(ReadSubject::PollingRate), 11), (Bytes{11, 8, 0, 8, 0, 0, 0, 0}));

    Bytes macro(130, 0);
    macro[0] = 9, macro[1] = 130, macro[2] = 4, macro[3] = 14, macro[4] = 3;
    std::memcpy(&macro[5], "Burst", 5);
    macro[29] = 3;
    const uint8_t entries[] = {1, 73, 4, 127, 4, 0x82};
    std::memcpy(&macro[30], entries, sizeof entries);
    ASSERT_TRUE(set(macro));
    EXPECT_EQ(readSubject(4, 14, 9), macro);

    ASSERT_TRUE(set({5, 3, 4}));
    EXPECT_EQ(get(5, 3), (Bytes{5, 3, 4}));
    EXPECT_EQ(model.currentProfile(), 4);

    Bytes code(18, 0);
    code[0] = 17, code[1] = 18;
    for (int i = 0; i < 16; ++i)
        code[2 + i] = uint8_t(0xA0 + i);
    ASSERT_TRUE(set(code));
    EXPECT_EQ(model.accessCode()[15], 0xAF);

    ASSERT_TRUE(set({16, 3, 0}));
    EXPECT_EQ(model.closingCount(), 1);
}

TEST_F(KeyboardModelTest, RefusesMalformedTransfersAndFlagsBadValues) {
    EXPECT_FALSE(set({6, 168, 0})) << "short key matrix";
    EXPECT_FALSE(set({7, 4, 0, 1, 0})) << "long switches report";
    EXPECT_FALSE(set({12, 3, 0})) << "unknown id";
    EXPECT_FALSE(model.setFeature(nullptr, 3));
    EXPECT_TRUE(get(12, 3).empty());
    EXPECT_TRUE(get(4, 2).empty()) << "status read of the wrong length";

    // Well-formed but out of range: taken, nothing stored, status "failed".
    EXPECT_TRUE(set({5, 3, 5}));
    EXPECT_EQ(model.currentProfile(), 0);
    EXPECT_EQ(get(4, 3)[1], kStatusFailed);
    Bytes macro(130, 0);
    macro[0] = 9, macro[1] = 130, macro[3] = 2, macro[29] = 51; // 102 entry bytes
    EXPECT_TRUE(set(macro));
    EXPECT_EQ(model.status(), kStatusFailed);
    EXPECT_EQ(model.profile(0).macros[2][29], 0);
    EXPECT_TRUE(set({11, 8, 0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(model.status(), kStatusDone) << "the next good write clears the failure";
}

TEST_F(KeyboardModelTest, StatusIsBusyForTheBusyTimeAfterEachWrite) {
    EXPECT_EQ(get(4, 3), (Bytes{4, 1, 0}));
    model.setBusyTime(Millis{300});
    ASSERT_TRUE(set({7, 4, 0, 1}));
    EXPECT_EQ(get(4, 3)[1], kStatusBusy);
    clock.sleep(Millis{299});
    EXPECT_EQ(get(4, 3)[1], kStatusBusy);
    clock.sleep(Millis{1});
    EXPECT_EQ(get(4, 3)[1], kStatusDone);
    // A read request is a write too.
    ASSERT_TRUE(set({4, 0, subjectByte(ReadSubject::PollingRate)}));
    EXPECT_EQ(model.status(), kStatusBusy);
    clock.sleep(Millis{300});
    model.setAlwaysBusy(true);
    EXPECT_EQ(model.status(), kStatusBusy);
    model.setAlwaysBusy(false);
    EXPECT_EQ(model.status(), kStatusDone);
    // Reads do not make it busy.
    get(11, 8);
    EXPECT_EQ(model.status(), kStatusDone);
}

TEST_F(KeyboardModelTest, RecordedMacroIsStoredAsReportBytesInTheCurrentProfile) {
    model.setCurrentProfile(2);
    ASSERT_TRUE(model.recordMacro(6, {{4, false, 0}, {4, true, 2}, {5, false, 127}, {5, true, 1}}));
    const ProfileMemory m = model.profile(2);
    EXPECT_EQ(Bytes(m.assignments[6], m.assignments[6] + 3), (Bytes{3, 0, 0}));
    EXPECT_EQ(m.macros[6][29], 4);
    EXPECT_EQ(Bytes(m.macros[6] + 30, m.macros[6] + 38), (Bytes{4, 0, 4, 0x82, 5, 127, 5, 0x81}));
    EXPECT_EQ(model.profile(1).macros[6][29], 0);
    EXPECT_FALSE(model.recordMacro(15, {}));
    EXPECT_FALSE(model.recordMacro(0, std::vector<RecordedStep>(51)));
}

class KeyboardStateFileTest : public KeyboardModelTest {
protected:
    std::string dir;
    void SetUp() override {
        char tmpl[] = "/tmp/kbsim-state-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
};

TEST_F(KeyboardStateFileTest, SavedStateLoadsBackAndDamageIsRefused) {
    const std::string path = dir + "/state.bin";
    ASSERT_TRUE(set({5, 3, 3}));
    ASSERT_TRUE(set({11, 8, 1, 8, 0, 0, 0, 0}));
    ASSERT_TRUE(model.recordMacro(0, {{30, false, 0}, {30, true, 3}}));
    ASSERT_TRUE(model.save(path));

    KeyboardModel other(clock);
    std::string error;
    ASSERT_TRUE(other.load(path, &error)) << error;
    const KeyboardMemory a = model.memory(), b = other.memory();
    EXPECT_EQ(0, std::memcmp(&a, &b, sizeof a));

    // Flip one byte of the body: refused, memory stays factory.
    {
        std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(24 + 100);
        f.put('\x55');
    }
    KeyboardModel third(clock);
    EXPECT_FALSE(third.load(path, &error));
    EXPECT_NE(error.find("checksum"), std::string::npos) << error;
    EXPECT_EQ(third.currentProfile(), 0);

    // Truncated and missing files are refused too.
    { std::ofstream(path, std::ios::binary | std::ios::trunc) << "OVKBSIM"; }
    EXPECT_FALSE(third.load(path, &error));
    EXPECT_FALSE(third.load(dir + "/none.bin", &error));
}

TEST_F(KeyboardModelTest, FactoryResetKeepsTheAccessCode) {
    Bytes code(18, 7);
    code[0] = 17, code[1] = 18;
    ASSERT_TRUE(set(code));
    ASSERT_TRUE(set({11, 8, 2, 8, 0, 0, 0, 0}));
    model.factoryReset();
    EXPECT_EQ(model.profile(2).pollingCode, 2);
    EXPECT_EQ(model.accessCode()[0], 7);
}

TEST_F(KeyboardModelTest, TracesRecordEveryReport) {
    model.setTracing(true);
    ASSERT_TRUE(set({4, 0, 128}));
    get(11, 8);
    EXPECT_FALSE(set({99}));
    const auto t = model.traces();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].kind, ReportTrace::Kind::Set);
    EXPECT_EQ(t[1].kind, ReportTrace::Kind::Get);
    EXPECT_EQ(t[1].bytes[3], 2);
    EXPECT_FALSE(t[2].ok);
}

} // namespace
} // namespace orvyn
