// Any .desktop text goes through the entry reader and the Exec splitter
// without harm, and what comes out keeps the promises callers rely on.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "monitor/DesktopEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
    using namespace orvyn;
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    if (const auto entry = parseDesktopEntry(text)) {
        const auto args = splitExecValue(entry->exec, {entry->name, entry->icon, "/loc.desktop"});
        std::size_t total = 0;
        for (const std::string &a : args)
            total += a.size();
        // Only %c, %k and %i add text; nothing else grows the command line.
        const std::size_t bound = entry->exec.size() * (1 + entry->name.size() + 12 + entry->icon.size()) + 8;
        if (total > bound)
            std::abort();
    }
    if (const auto command = desktopEntryCommand(text); command && command->empty())
        std::abort(); // a command, when there is one, has a program
    // The splitter on its own, on raw bytes.
    (void)splitExecValue(text, {"n", "i", "k"});
    (void)unescapeDesktopString(text);
    return 0;
}
