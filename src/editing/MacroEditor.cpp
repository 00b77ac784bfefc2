#include "editing/MacroEditor.h"

#include <algorithm>
#include <cstdio>

#include "platform/Text.h"

namespace orvyn {

namespace {

constexpr int kRepeatMin = 1;
constexpr long kDelayMin = 1;
// Beyond this many digits a typed number only saturates.
constexpr long kNumberCeiling = 1000000000L;
constexpr unsigned char kUtf8ContinuationMask = 0xC0;
constexpr unsigned char kUtf8Continuation = 0x80;

// The number a text starts with, as the fields read it: blanks, a sign,
// digits; 0 when there are no digits; saturated instead of overflowing.
long leadingNumber(std::string_view text) {
    text = trim(text, kAsciiWhitespace);
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(kNumberCeiling, value * 10 + (text[i] - '0'));
    return negative ? -value : value;
}

bool isMouseCode(uint8_t key) {
    return key >= kFirstMouseButtonCode && key < kFirstMouseButtonCode + kMouseButtons;
}

uint32_t rowValue(int event, RowKind kind) {
    return (static_cast<uint32_t>(event + 1) << 16) | static_cast<uint32_t>(kind);
}

} // namespace

std::string macroNameFromInput(std::string_view text) {
    text = trim(text, kAsciiWhitespace);
    std::size_t end = 0;
    int chars = 0;
    while (end < text.size() && chars < kMacroNameMaxChars) {
        std::size_t next = end + 1;
        while (next < text.size() &&
               (static_cast<unsigned char>(text[next]) & kUtf8ContinuationMask) == kUtf8Continuation)
            ++next;
        if (next > kMacroNameMaxBytes)
            break;
        end = next;
        ++chars;
    }
    return std::string(trim(text.substr(0, end), kAsciiWhitespace));
}

std::vector<EventRow> buildEventRows(const MacroSteps &steps, const KeyCodeTable &keys) {
    std::vector<EventRow> rows;
    rows.reserve(static_cast<std::size_t>(steps.count) * 2);
    for (int i = 0; i < steps.count; ++i) {
        const MacroEvent &e = steps.events[i];
        const bool release = e.state == kEventRelease;
        const std::optional<uint32_t> vk = keys.virtualKey(e.key);
        std::string name(vk ? keyName(*vk) : std::string_view());
        if (isMouseCode(e.key)) {
            name += release ? " Up" : " Down";
            rows.push_back({std::move(name), rowValue(i, RowKind::Mouse)});
        } else {
            rows.push_back({std::move(name), rowValue(i, release ? RowKind::KeyRelease : RowKind::KeyPress)});
        }
        if (e.delay != 0) {
            char text[32];
            std::snprintf(text, sizeof text, "%d ms", static_cast<int>(e.delay));
            rows.push_back({text, rowValue(i, RowKind::Delay)});
        }
    }
    return rows;
}

MacroEditor::MacroEditor(MacroLibrary &library, const KeyCodeTable &keys)
    : library_(library), keys_(keys), recorder_(keys) {}

std::vector<std::string> MacroEditor::names() const {
    std::vector<std::string> out;
    out.reserve(library_.size());
    for (std::size_t i = 0; i < library_.size(); ++i)
        out.emplace_back(getFixed(library_.at(static_cast<int>(i))->name));
    return out;
}

int MacroEditor::preselection(const MacroKeyInfo *key) const {
    if (library_.empty())
        return -1;
    if (!key || key->assignType() != AssignType::Macro)
        return 0;
    // The key's own macro; failing that the first name that begins with it.
    if (const MacroMatch match = library_.findByName(*key); match.found())
        return match.index;
    const std::string_view keyName = getFixed(key->macroName);
    const std::vector<std::string> all = names();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const std::string_view name = all[i];
        if (name.size() >= keyName.size() && macroNamesMatch(name.substr(0, keyName.size()), keyName))
            return static_cast<int>(i);
    }
    return 0;
}

void MacroEditor::show(int index) {
    selected_ = library_.at(index) ? index : -1;
    if (const MacroRecord *r = record()) {
        steps_.loadFrom(*r);
        repeatOn_ = r->repeat != 0;
        repeatCount_ = std::clamp<int>(r->repeat, kRepeatMin, kMacroRepeatMax);
    } else {
        steps_.clear();
        repeatOn_ = false;
        repeatCount_ = kRepeatMin;
    }
    rebuild(-1);
}

bool MacroEditor::libraryMerged() {
    const MacroRecord *r = record();
    // A recording is written back over the record when it stops.
    if (recording_ || !r)
        return false;
    MacroSteps shown;
    shown.loadFrom(*r);
    const auto sameStep = [](const MacroEvent &a, const MacroEvent &b) {
        return a.key == b.key && a.state == b.state && a.delay == b.delay;
    };
    if (shown.count == steps_.count &&
        std::equal(shown.events.begin(), shown.events.begin() + shown.count, steps_.events.begin(),
                   sameStep) &&
        r->repeat == (repeatOn_ ? repeatCount_ : 0))
        return false;
    show(selected_);
    return true;
}

MacroEditor::NameResult MacroEditor::commitNewName(std::string_view text) {
    const std::string name = macroNameFromInput(text);
    bool taken = name.empty();
    for (std::size_t i = 0; i < library_.size() && !taken; ++i)
        taken = macroNamesMatch(getFixed(library_.at(static_cast<int>(i))->name), name);
    if (taken) {
        // What was shown stays shown (the last macro when it is gone).
        const int last = static_cast<int>(library_.size()) - 1;
        show(std::min(selected_, last));
        return {false, selected_};
    }
    library_.create(name);
    show(static_cast<int>(library_.size()) - 1);
    return {true, selected_};
}

bool MacroEditor::deleteShown() {
    if (selected_ < 0)
        return false;
    const int was = selected_;
    library_.remove(was);
    show(std::min(was, static_cast<int>(library_.size()) - 1));
    return true;
}

EditorAction MacroEditor::recordButton() {
    if (selected_ < 0)
        return EditorAction::NoMacroWarning;
    if (recording_) {
        endRecording();
        return EditorAction::StopRecording;
    }
    steps_.clear();
    writeBack();
    beginRecording(-1);
    return EditorAction::StartRecording;
}

void MacroEditor::beginRecording(int insertAt) {
    recording_ = true;
    recorder_.beginRun(insertAt);
    rebuild(-1);
}

void MacroEditor::endRecording() {
    if (!recording_)
        return;
    recording_ = false;
    recorder_.endRun();
    writeBack();
}

EditorAction MacroEditor::keystroke(const Keystroke &keystroke) {
    if (!recording_ || selected_ < 0)
        return EditorAction::None;
    const int kept = keepInView_;
    const RecordOutcome outcome = recorder_.take(keystroke, steps_);
    rebuild(-1);
    keepInView_ = outcome.stored ? rowOfEvent(outcome.storedAt) : kept;
    if (outcome.stopRecording) {
        endRecording();
        return EditorAction::StopRecording;
    }
    return EditorAction::Changed;
}

void MacroEditor::setRepeatOn(bool on) {
    repeatOn_ = on;
    writeBackRepeat();
}

std::optional<std::string> MacroEditor::commitRepeatText(std::string_view text) {
    const long typed = leadingNumber(text);
    repeatCount_ = static_cast<int>(std::clamp<long>(typed, kRepeatMin, kMacroRepeatMax));
    writeBackRepeat();
    const std::string shown = std::to_string(repeatCount_);
    if (typed == repeatCount_ && text == shown)
        return std::nullopt;
    return shown;
}

EditorAction MacroEditor::contextCommand(int command, int row) {
    if (selected_ < 0)
        return EditorAction::NoMacroWarning;
    const bool haveRow = row >= 0 && row < static_cast<int>(rows_.size());
    const int event = haveRow ? rows_[row].eventIndex() : -1;
    const bool delayRow = haveRow && rows_[row].isDelay();

    switch (static_cast<ContextCommand>(command)) {
    case ContextCommand::RecordBefore:
        beginRecording(haveRow ? event : -1);
        return EditorAction::StartRecording;
    case ContextCommand::RecordAfter:
        beginRecording(haveRow ? event + 1 : -1);
        return EditorAction::StartRecording;
    case ContextCommand::InsertDelay:
        if (!haveRow || delayRow || event < 1 || steps_.events[event - 1].delay != 0)
            return EditorAction::None;
        steps_.events[event - 1].delay = 1;
        writeBack();
        rebuild(row);
        return EditorAction::Changed;
    case ContextCommand::EditDelay:
        if (!delayRow)
            return EditorAction::None;
        delayEditEvent_ = event;
        keepInView_ = row;
        return EditorAction::OpenDelayEdit;
    case ContextCommand::Delete:
        if (!haveRow)
            return EditorAction::None;
        if (delayRow)
            steps_.events[event].delay = 0;
        else
            steps_.remove(event);
        writeBack();
        rebuild(row);
        return EditorAction::Changed;
    default:
        break;
    }
    if (command < static_cast<int>(ContextCommand::FirstMouseStep) ||
        command > static_cast<int>(ContextCommand::LastMouseStep))
        return EditorAction::None;
    const int step = command - static_cast<int>(ContextCommand::FirstMouseStep);
    const auto button = static_cast<uint8_t>(kFirstMouseButtonCode + step / 3);
    const int kind = step % 3; // press, release, click
    const int at = haveRow ? event : -1;
    if (kind == 2) {
        if (steps_.freeSlots() >= 2) {
            steps_.insert(at, MacroEvent{button, kEventPress, 0});
            steps_.insert(at < 0 ? -1 : at + 1, MacroEvent{button, kEventRelease, 0});
        }
    } else {
        steps_.insert(at, MacroEvent{button, kind == 0 ? kEventPress : kEventRelease, 0});
    }
    writeBack();
    rebuild(haveRow ? row : -1);
    return EditorAction::Changed;
}

EditorAction MacroEditor::commitDelayText(std::string_view text) {
    if (delayEditEvent_ < 0 || delayEditEvent_ >= steps_.count)
        return EditorAction::None;
    const long typed = leadingNumber(text);
    steps_.events[delayEditEvent_].delay =
        static_cast<uint16_t>(std::clamp<long>(typed, kDelayMin, kMaxDelayMs));
    const int event = delayEditEvent_;
    delayEditEvent_ = -1;
    writeBack();
    rebuild(-1);
    keepInView_ = rowOfEvent(event) + 1; // its delay row
    return EditorAction::Changed;
}

void MacroEditor::writeBack() {
    if (MacroRecord *r = record())
        steps_.storeInto(*r);
}

void MacroEditor::writeBackRepeat() {
    if (MacroRecord *r = record())
        r->repeat = repeatOn_ ? repeatCount_ : 0;
}

void MacroEditor::rebuild(int keepRow) {
    rows_ = buildEventRows(steps_, keys_);
    keepInView_ = keepRow >= 0 && keepRow < static_cast<int>(rows_.size()) ? keepRow : -1;
}

int MacroEditor::rowOfEvent(int event) const {
    for (std::size_t r = 0; r < rows_.size(); ++r)
        if (rows_[r].eventIndex() == event && !rows_[r].isDelay())
            return static_cast<int>(r);
    return -1;
}

} // namespace orvyn
