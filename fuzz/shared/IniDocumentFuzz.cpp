// Any bytes parse into a document; lookups never fail; a written key reads
// back; serializing and parsing again keeps every value.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "shared/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    orvyn::IniDocument doc = orvyn::IniDocument::parse(bytes);
    const std::string_view section = bytes.substr(0, bytes.size() % 7);
    const std::string_view key = bytes.substr(bytes.size() / 2, 5);
    (void)doc.readText(section, key, "");
    (void)doc.readNumber("Setting", "CurrentProfile", -1);
    uint8_t block[16];
    (void)doc.readBlock("HidAccessCode", "Code", block, sizeof block);

    const std::string value(bytes.substr(0, 64));
    if (doc.writeText("Setting", "FuzzKey", value)) {
        orvyn::IniDocument again = orvyn::IniDocument::parse(doc.serialize());
        const std::string expected = doc.readText("Setting", "FuzzKey", "");
        if (again.readText("Setting", "FuzzKey", "") != expected)
            std::abort();
    }
    return 0;
}
