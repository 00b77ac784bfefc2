#include "kbsim/StateFile.h"

#include <cstddef>
#include <cstring>

#include "shared/IniFile.h"

namespace orvyn {

namespace {

constexpr char kStateMagic[8] = {'O', 'V', 'K', 'B', 'S', 'I', 'M', '\0'};
constexpr uint32_t kStateVersion = 1;

struct StateHeader {
    char magic[8];
    uint32_t version;
    uint32_t bodySize;
    uint32_t checksum; // FNV-1a over the body
    uint32_t reserved;
};
static_assert(sizeof(StateHeader) == 24);
static_assert(offsetof(StateHeader, magic) == 0);
static_assert(offsetof(StateHeader, version) == 8);
static_assert(offsetof(StateHeader, bodySize) == 12);
static_assert(offsetof(StateHeader, checksum) == 16);
static_assert(offsetof(StateHeader, reserved) == 20);

uint32_t fnv1a(const void *data, std::size_t size) {
    const auto *p = static_cast<const uint8_t *>(data);
    uint32_t h = 2166136261u;
    for (std::size_t i = 0; i < size; ++i) {
        h ^= p[i];
        h *= 16777619u;
    }
    return h;
}

void setError(std::string *error, std::string text) {
    if (error)
        *error = std::move(text);
}

} // namespace

bool saveKeyboardState(const KeyboardMemory &memory, const std::string &path, std::string *error) {
    StateHeader header{};
    std::memcpy(header.magic, kStateMagic, sizeof header.magic);
    header.version = kStateVersion;
    header.bodySize = sizeof memory;
    header.checksum = fnv1a(&memory, sizeof memory);
    std::string bytes(reinterpret_cast<const char *>(&header), sizeof header);
    bytes.append(reinterpret_cast<const char *>(&memory), sizeof memory);
    if (!replaceFileAtomically(path, bytes)) {
        setError(error, "cannot write the state file " + path);
        return false;
    }
    return true;
}

bool loadKeyboardState(const std::string &path, KeyboardMemory &memory, std::string *error) {
    constexpr std::size_t kStateSize = sizeof(StateHeader) + sizeof(KeyboardMemory);
    // A FIFO or a device in its place must not hang the emulator.
    const FileRead file = readRegularFile(path, kStateSize);
    if (!file.ok()) {
        setError(error, "cannot read the state file: " + file.error);
        return false;
    }
    if (file.contents.size() != kStateSize) {
        setError(error, "the state file " + path + " has the wrong size");
        return false;
    }
    const char *buffer = file.contents.data();
    StateHeader header;
    std::memcpy(&header, buffer, sizeof header);
    KeyboardMemory body;
    std::memcpy(&body, buffer + sizeof header, sizeof body);
    if (std::memcmp(header.magic, kStateMagic, sizeof header.magic) != 0 || header.version != kStateVersion ||
        header.bodySize != sizeof body) {
        setError(error, "the state file " + path + " is not a keyboard state of this version");
        return false;
    }
    if (header.checksum != fnv1a(&body, sizeof body)) {
        setError(error, "the state file " + path + " is damaged (checksum)");
        return false;
    }
    if (body.currentProfile >= kProfileCount) {
        setError(error, "the state file " + path + " names a profile out of range");
        return false;
    }
    memory = body;
    return true;
}

} // namespace orvyn
