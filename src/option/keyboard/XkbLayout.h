// Keyboard layouts from XKB keymaps: the live X server's, or one compiled
// from rule names (used by tests to check any layout without an X server).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "editing/KeyboardLayout.h"

struct xkb_keymap;

namespace orvyn {

// The X server's core keyboard and its active layout through XKB; nullptr
// when no X server answers or it lacks the XKB extension.
std::unique_ptr<KeyboardLayout> makeXkbLayout();

// The live XKB layout, or the US table when there is no X server.
std::unique_ptr<KeyboardLayout> makeSystemLayout();

// Virtual keys from the symbols of a keymap's active layout group: letters
// and digits from the key's first two levels, punctuation from its first
// level, everything else as on US. No two positions share a virtual key: a
// position its symbols do not name, or one that loses its key to a surer
// naming, keeps its US key when free, else takes a US key left over.
class XkbKeymapLayout : public KeyboardLayout {
public:
    using GroupSource = std::function<uint32_t()>;
    // Takes one reference of `keymap`.
    XkbKeymapLayout(xkb_keymap *keymap, GroupSource activeGroup);
    ~XkbKeymapLayout() override;
    XkbKeymapLayout(const XkbKeymapLayout &) = delete;
    XkbKeymapLayout &operator=(const XkbKeymapLayout &) = delete;

    uint32_t map(uint32_t code, MapMode mode) const override;
    xkb_keymap *keymap() const { return keymap_; }

    // A keymap compiled from RMLVO names ("us", "fr", ...); nullptr when
    // the layout is unknown.
    static std::unique_ptr<XkbKeymapLayout> fromNames(const std::string &layout,
                                                      const std::string &variant = {});

private:
    // The virtual key of every scan code under one group, worked out once.
    const std::vector<uint32_t> &keysOfGroup(uint32_t group) const;
    xkb_keymap *keymap_;
    GroupSource activeGroup_;
    mutable std::map<uint32_t, std::vector<uint32_t>> groups_;
};

} // namespace orvyn
