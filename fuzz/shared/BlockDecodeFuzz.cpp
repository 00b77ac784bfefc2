// The structure decoder accepts exactly what the encoder writes, and fills
// nothing otherwise.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "shared/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const std::size_t blockSize = size >= 2 ? (size - 2) / 2 : 0;
    std::vector<uint8_t> out(blockSize + 1, 0x5A);
    if (orvyn::decodeBlock(text, out.data(), blockSize)) {
        // A value that decodes re-encodes to the same digits (up to case).
        const std::string again = orvyn::encodeBlock(out.data(), blockSize);
        if (again.size() != size)
            std::abort();
        for (std::size_t i = 0; i < size; ++i)
            if ((again[i] | 0x20) != (text[i] | 0x20))
                std::abort();
    } else {
        for (std::size_t i = 0; i < blockSize; ++i)
            if (out[i] != 0x5A)
                std::abort();
    }
    if (out[blockSize] != 0x5A)
        std::abort();
    // The encoder's own output always decodes.
    const std::string encoded = orvyn::encodeBlock(data, size);
    std::vector<uint8_t> back(size + 1);
    if (!orvyn::decodeBlock(encoded, back.data(), size) ||
        (size && std::memcmp(back.data(), data, size) != 0))
        std::abort();
    return 0;
}
