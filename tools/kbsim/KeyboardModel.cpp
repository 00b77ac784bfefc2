#include "kbsim/KeyboardModel.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "kbsim/StateFile.h"
#include "shared/ConfigBlock.h"

namespace orvyn {

namespace {

bool isSubject(uint8_t subject) {
    return subject < kMacroSlots || subject == subjectByte(ReadSubject::PollingRate) ||
           subject == subjectByte(ReadSubject::KeyMatrix) || subject == subjectByte(ReadSubject::Switches) ||
           subject == subjectByte(ReadSubject::Assignments) || subject == subjectByte(ReadSubject::Lighting);
}

// The report id whose read the subject prepares.
uint8_t reportOfSubject(uint8_t subject) {
    switch (subject) {
    case subjectByte(ReadSubject::PollingRate):
        return report_id::PollingRate;
    case subjectByte(ReadSubject::KeyMatrix):
        return report_id::KeyMatrix;
    case subjectByte(ReadSubject::Switches):
        return report_id::Switches;
    case subjectByte(ReadSubject::Assignments):
        return report_id::Assignments;
    case subjectByte(ReadSubject::Lighting):
        return report_id::Lighting;
    default:
        return report_id::Macro;
    }
}

} // namespace

KeyboardModel::KeyboardModel(Clock &clock) : clock_(clock), memory_(factoryMemory()) {}

bool KeyboardModel::setFeature(const uint8_t *report, std::size_t length) {
    std::lock_guard lock(mutex_);
    bool ok = false;
    if (report && length > 0 && length == reportLength(report[0])) {
        bool valid = false;
        ok = applySet(report, length, valid);
        if (ok) {
            lastWriteFailed_ = !valid;
            busyUntil_ = clock_.now() + busyTime_;
        }
    }
    trace(ReportTrace::Kind::Set, ok, report, report ? length : 0);
    return ok;
}

bool KeyboardModel::applySet(const uint8_t *r, std::size_t length, bool &valid) {
    (void)length;
    const uint8_t id = r[0];
    // Every report but 5, 16 and 17 names a profile in byte 2.
    const int p = r[offsetof(SwitchesLayout, profile)];
    const bool profileOk = p < kProfileCount;
    valid = false;
    switch (id) {
    case report_id::Status:
        subjectNamed_ = r[offsetof(ReadRequestLayout, profile)] < kProfileCount &&
                        isSubject(r[offsetof(ReadRequestLayout, subject)]);
        subjectProfile_ = r[offsetof(ReadRequestLayout, profile)];
        subject_ = r[offsetof(ReadRequestLayout, subject)];
        valid = subjectNamed_;
        return true;
    case report_id::CurrentProfile:
        if (p < kProfileCount) {
            memory_.currentProfile = static_cast<uint8_t>(p);
            valid = true;
        }
        return true;
    case report_id::KeyMatrix:
        if (profileOk) {
            std::memcpy(memory_.profiles[p].matrix, r + offsetof(KeyMatrixLayout, cells), kKeyMatrixCells);
            valid = true;
        }
        return true;
    case report_id::Switches:
        if (profileOk) {
            memory_.profiles[p].switchBits = r[offsetof(SwitchesLayout, bits)];
            valid = true;
        }
        return true;
    case report_id::Assignments:
        if (profileOk) {
            std::memcpy(memory_.profiles[p].assignments, r + offsetof(AssignmentsLayout, slots),
                        sizeof memory_.profiles[p].assignments);
            valid = true;
        }
        return true;
    case report_id::Macro: {
        const int slot = r[offsetof(MacroLayout, slot)];
        const std::size_t entryBytes = std::size_t{r[offsetof(MacroLayout, entryCount)]} * 2;
        if (profileOk && slot < kMacroSlots && entryBytes <= kMacroEntryBytesMax) {
            std::memcpy(memory_.profiles[p].macros[slot], r, report_length::Macro);
            valid = true;
        }
        return true;
    }
    case report_id::Lighting:
        if (profileOk) {
            std::memcpy(memory_.profiles[p].lighting, r, report_length::Lighting);
            valid = true;
        }
        return true;
    case report_id::PollingRate:
        if (profileOk) {
            memory_.profiles[p].pollingCode = r[offsetof(PollingRateLayout, code)];
            valid = true;
        }
        return true;
    case report_id::Closing:
        ++closingCount_;
        valid = true;
        return true;
    case report_id::HidAccessCode:
        std::memcpy(memory_.accessCode, r + offsetof(AccessCodeLayout, code), sizeof memory_.accessCode);
        valid = true;
        return true;
    default:
        return false;
    }
}

bool KeyboardModel::getFeature(uint8_t *report, std::size_t length) {
    std::lock_guard lock(mutex_);
    if (!report || length == 0) {
        trace(ReportTrace::Kind::Get, false, report, 0);
        return false;
    }
    std::vector<uint8_t> request(report, report + length);
    const bool ok = length == reportLength(report[0]) && answerGet(report, length);
    if (ok)
        trace(ReportTrace::Kind::Get, true, report, length);
    else
        trace(ReportTrace::Kind::Get, false, request.data(), request.size());
    return ok;
}

bool KeyboardModel::answerGet(uint8_t *r, std::size_t length) {
    const uint8_t id = r[0];
    if (id == report_id::Status) {
        std::memset(r, 0, length);
        r[offsetof(StatusLayout, id)] = report_id::Status;
        r[offsetof(StatusLayout, status)] = statusLocked();
        return true;
    }
    if (id == report_id::CurrentProfile) {
        std::memset(r, 0, length);
        r[offsetof(CurrentProfileLayout, id)] = report_id::CurrentProfile;
        r[offsetof(CurrentProfileLayout, length)] = static_cast<uint8_t>(report_length::CurrentProfile);
        r[offsetof(CurrentProfileLayout, profile)] = memory_.currentProfile;
        return true;
    }
    if (id != report_id::KeyMatrix && id != report_id::Switches && id != report_id::Assignments &&
        id != report_id::Macro && id != report_id::Lighting && id != report_id::PollingRate)
        return false;
    // The other reads answer for the subject that report 4 named last.
    if (!subjectNamed_ || reportOfSubject(subject_) != id)
        return false;
    const int p = subjectProfile_;
    const ProfileMemory &m = memory_.profiles[p];
    std::memset(r, 0, length);
    r[0] = id;
    r[1] = static_cast<uint8_t>(length);
    r[2] = static_cast<uint8_t>(p);
    switch (id) {
    case report_id::KeyMatrix:
        std::memcpy(r + offsetof(KeyMatrixLayout, cells), m.matrix, kKeyMatrixCells);
        break;
    case report_id::Switches:
        r[offsetof(SwitchesLayout, bits)] = m.switchBits;
        break;
    case report_id::Assignments:
        std::memcpy(r + offsetof(AssignmentsLayout, slots), m.assignments, sizeof m.assignments);
        break;
    case report_id::Macro:
        std::memcpy(r, m.macros[subject_], report_length::Macro);
        r[0] = report_id::Macro;
        r[1] = static_cast<uint8_t>(report_length::Macro);
        r[2] = static_cast<uint8_t>(p);
        r[offsetof(MacroLayout, slot)] = subject_;
        break;
    case report_id::Lighting:
        std::memcpy(r, m.lighting, report_length::Lighting);
        r[0] = report_id::Lighting;
        r[1] = static_cast<uint8_t>(report_length::Lighting);
        r[2] = static_cast<uint8_t>(p);
        break;
    case report_id::PollingRate:
        r[offsetof(PollingRateLayout, code)] = m.pollingCode;
        break;
    default:
        return false;
    }
    return true;
}

uint8_t KeyboardModel::statusLocked() const {
    if (alwaysBusy_ || clock_.now() < busyUntil_)
        return kStatusBusy;
    return lastWriteFailed_ ? kStatusFailed : kStatusDone;
}

uint8_t KeyboardModel::status() const {
    std::lock_guard lock(mutex_);
    return statusLocked();
}

void KeyboardModel::trace(ReportTrace::Kind kind, bool ok, const uint8_t *bytes, std::size_t length) {
    if (!tracing_)
        return;
    ReportTrace t{kind, ok, {}};
    if (bytes)
        t.bytes.assign(bytes, bytes + length);
    traces_.push_back(std::move(t));
}

void KeyboardModel::setBusyTime(Millis t) {
    std::lock_guard lock(mutex_);
    busyTime_ = t < Millis{0} ? Millis{0} : t;
}

Millis KeyboardModel::busyTime() const {
    std::lock_guard lock(mutex_);
    return busyTime_;
}

void KeyboardModel::setAlwaysBusy(bool busy) {
    std::lock_guard lock(mutex_);
    alwaysBusy_ = busy;
}

bool KeyboardModel::alwaysBusy() const {
    std::lock_guard lock(mutex_);
    return alwaysBusy_;
}

KeyboardMemory KeyboardModel::memory() const {
    std::lock_guard lock(mutex_);
    return memory_;
}

void KeyboardModel::setMemory(const KeyboardMemory &memory) {
    std::lock_guard lock(mutex_);
    memory_ = memory;
    if (memory_.currentProfile >= kProfileCount)
        memory_.currentProfile = 0;
}

void KeyboardModel::update(const std::function<void(KeyboardMemory &)> &change) {
    std::lock_guard lock(mutex_);
    change(memory_);
    if (memory_.currentProfile >= kProfileCount)
        memory_.currentProfile = 0;
}

ProfileMemory KeyboardModel::profile(int p) const {
    std::lock_guard lock(mutex_);
    return memory_.profiles[isValidProfile(p) ? p : 0];
}

void KeyboardModel::setProfile(int p, const ProfileMemory &profile) {
    std::lock_guard lock(mutex_);
    if (isValidProfile(p))
        memory_.profiles[p] = profile;
}

int KeyboardModel::currentProfile() const {
    std::lock_guard lock(mutex_);
    return memory_.currentProfile;
}

void KeyboardModel::setCurrentProfile(int p) {
    std::lock_guard lock(mutex_);
    if (isValidProfile(p))
        memory_.currentProfile = static_cast<uint8_t>(p);
}

std::array<uint8_t, 16> KeyboardModel::accessCode() const {
    std::lock_guard lock(mutex_);
    std::array<uint8_t, 16> code{};
    std::memcpy(code.data(), memory_.accessCode, code.size());
    return code;
}

int KeyboardModel::closingCount() const {
    std::lock_guard lock(mutex_);
    return closingCount_;
}

bool KeyboardModel::recordMacro(int slot, const std::vector<RecordedStep> &steps) {
    if (slot < 0 || slot >= kMacroSlots || steps.size() > kMacroEntryBytesMax / 2)
        return false;
    std::lock_guard lock(mutex_);
    const int p = memory_.currentProfile;
    ProfileMemory &m = memory_.profiles[p];
    uint8_t(&macro)[report_length::Macro] = m.macros[slot];
    makeEmptyMacro(macro, p, slot);
    std::size_t at = kMacroHeaderBytes;
    for (const RecordedStep &s : steps) {
        macro[at++] = s.key;
        macro[at++] = static_cast<uint8_t>((s.delayUnits & 0x7F) | (s.release ? 0x80 : 0));
    }
    macro[offsetof(MacroLayout, entryCount)] = static_cast<uint8_t>(steps.size());
    m.assignments[slot][0] = static_cast<uint8_t>(AssignType::Macro);
    m.assignments[slot][1] = 0;
    m.assignments[slot][2] = 0;
    return true;
}

void KeyboardModel::factoryReset() {
    std::lock_guard lock(mutex_);
    uint8_t code[sizeof memory_.accessCode];
    std::memcpy(code, memory_.accessCode, sizeof code);
    memory_ = factoryMemory();
    // The access code is the host's pairing, not part of the settings.
    std::memcpy(memory_.accessCode, code, sizeof code);
}

bool KeyboardModel::save(const std::string &path, std::string *error) const {
    return saveKeyboardState(memory(), path, error);
}

bool KeyboardModel::load(const std::string &path, std::string *error) {
    KeyboardMemory body;
    if (!loadKeyboardState(path, body, error))
        return false;
    setMemory(body);
    return true;
}

void KeyboardModel::setTracing(bool on) {
    std::lock_guard lock(mutex_);
    tracing_ = on;
}

std::vector<ReportTrace> KeyboardModel::traces() const {
    std::lock_guard lock(mutex_);
    return traces_;
}

void KeyboardModel::clearTraces() {
    std::lock_guard lock(mutex_);
    traces_.clear();
}

namespace {
void appendBytes(std::ostringstream &out, const uint8_t *bytes, std::size_t n) {
    char buf[4];
    for (std::size_t i = 0; i < n; ++i) {
        std::snprintf(buf, sizeof buf, i ? " %u" : "%u", unsigned{bytes[i]});
        out << buf;
    }
}
} // namespace

std::string KeyboardModel::describe() const {
    const KeyboardMemory m = memory();
    std::ostringstream out;
    out << "current profile: " << int{m.currentProfile} << "\n";
    out << "access code:";
    for (uint8_t b : m.accessCode) {
        char buf[4];
        std::snprintf(buf, sizeof buf, " %02X", unsigned{b});
        out << buf;
    }
    out << "\nstatus: " << int{status()} << ", busy time " << busyTime().count() << " ms"
        << (alwaysBusy() ? ", always busy" : "") << "\n";
    for (int p = 0; p < kProfileCount; ++p) {
        const ProfileMemory &pm = m.profiles[p];
        out << "profile " << p << ":\n";
        out << "  polling code " << int{pm.pollingCode} << ", switch bits 0x" << std::hex
            << int{pm.switchBits} << std::dec << "\n";
        out << "  lighting: ";
        appendBytes(out, pm.lighting, sizeof pm.lighting);
        out << "\n  assignments (type b1 b2):";
        for (int s = 0; s < kMacroSlots; ++s) {
            out << (s % 5 == 0 ? "\n   " : "  ") << " " << s << ": ";
            appendBytes(out, pm.assignments[s], 3);
        }
        out << "\n";
        for (int s = 0; s < kMacroSlots; ++s) {
            MacroLayout layout;
            std::memcpy(&layout, pm.macros[s], sizeof layout);
            const std::size_t entries = std::min<std::size_t>(layout.entryCount, kMacroEntryBytesMax / 2);
            if (entries == 0 && layout.name[0] == 0)
                continue;
            out << "  macro " << s << ": repeat " << int{layout.repeat} << ", name \""
                << fixedString(layout.name, sizeof layout.name) << "\", " << entries << " entries:";
            for (std::size_t e = 0; e < entries; ++e) {
                char buf[16];
                std::snprintf(buf, sizeof buf, " %u/%02X", unsigned{layout.entries[2 * e]},
                              unsigned{layout.entries[2 * e + 1]});
                out << buf;
            }
            out << "\n";
        }
        int changed = 0;
        for (int c = 0; c < kKeyMatrixCells; ++c) {
            if (pm.matrix[c] != kFactoryKeyMatrix[c]) {
                if (changed++ == 0)
                    out << "  key matrix cells changed from factory:";
                out << " " << c << "=" << int{pm.matrix[c]};
            }
        }
        out << (changed ? "\n" : "  key matrix: factory\n");
    }
    return out.str();
}

} // namespace orvyn
