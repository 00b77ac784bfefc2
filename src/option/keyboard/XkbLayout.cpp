#include "option/keyboard/XkbLayout.h"

#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <map>
#include <set>

namespace orvyn {

namespace {

// The positions a layout names: letters, digits and punctuation of the main
// block. The extra key beside left Shift is not one: its row keeps its own
// virtual key, so a layout's symbol there must not take another row's.
bool followsLayout(uint32_t usVk) {
    return (usVk >= 0x30 && usVk <= 0x39) || (usVk >= 0x41 && usVk <= 0x5A) ||
           (usVk >= 0xBA && usVk <= 0xC0) || (usVk >= 0xDB && usVk <= 0xDE);
}

uint32_t letterOrDigit(xkb_keysym_t sym) {
    if (sym >= XKB_KEY_a && sym <= XKB_KEY_z)
        return 'A' + (sym - XKB_KEY_a);
    if (sym >= XKB_KEY_A && sym <= XKB_KEY_Z)
        return 'A' + (sym - XKB_KEY_A);
    if (sym >= XKB_KEY_0 && sym <= XKB_KEY_9)
        return '0' + (sym - XKB_KEY_0);
    return 0;
}

uint32_t punctuation(xkb_keysym_t sym) {
    switch (sym) {
    case XKB_KEY_semicolon:
        return 0xBA;
    case XKB_KEY_equal:
        return 0xBB;
    case XKB_KEY_comma:
        return 0xBC;
    case XKB_KEY_minus:
        return 0xBD;
    case XKB_KEY_period:
        return 0xBE;
    case XKB_KEY_slash:
        return 0xBF;
    case XKB_KEY_grave:
        return 0xC0;
    case XKB_KEY_bracketleft:
        return 0xDB;
    case XKB_KEY_backslash:
        return 0xDC;
    case XKB_KEY_bracketright:
        return 0xDD;
    case XKB_KEY_apostrophe:
        return 0xDE;
    default:
        return 0;
    }
}

xkb_keysym_t symAt(xkb_keymap *keymap, xkb_keycode_t keycode, uint32_t group, uint32_t level) {
    const xkb_keysym_t *syms = nullptr;
    const int n = xkb_keymap_key_get_syms_by_level(keymap, keycode, group, level, &syms);
    return n >= 1 && syms ? syms[0] : XKB_KEY_NoSymbol;
}

// What a layout's symbols make of a position, and how sure that is (lower
// is surer): a letter or digit on the first level, on the second, then
// punctuation on the first.
struct Named {
    uint32_t vk = 0;
    int rank = 0;
};

Named namedBySymbols(xkb_keymap *keymap, uint32_t scan, uint32_t group) {
    const uint32_t evdev = evdevFromScanCode(scan);
    if (evdev == 0)
        return {};
    const xkb_keycode_t keycode = evdev + 8;
    const xkb_keysym_t base = symAt(keymap, keycode, group, 0);
    const xkb_keysym_t shifted = symAt(keymap, keycode, group, 1);
    if (uint32_t vk = letterOrDigit(base))
        return {vk, 0};
    if (uint32_t vk = letterOrDigit(shifted))
        return {vk, 1};
    if (uint32_t vk = punctuation(base))
        return {vk, 2};
    return {};
}

} // namespace

XkbKeymapLayout::XkbKeymapLayout(xkb_keymap *keymap, GroupSource activeGroup)
    : keymap_(keymap), activeGroup_(std::move(activeGroup)) {}

XkbKeymapLayout::~XkbKeymapLayout() {
    xkb_keymap_unref(keymap_);
}

const std::vector<uint32_t> &XkbKeymapLayout::keysOfGroup(uint32_t group) const {
    if (auto found = groups_.find(group); found != groups_.end())
        return found->second;
    const uint32_t limit = scanCodeLimit();
    std::vector<uint32_t> keys(limit);
    std::vector<Named> named(limit);
    for (uint32_t scan = 0; scan < limit; ++scan) {
        keys[scan] = usVirtualKeyAt(scan);
        if (followsLayout(keys[scan]))
            named[scan] = namedBySymbols(keymap_, scan, group);
    }
    // One position per virtual key, or a key pressed is stored as another:
    // the surest naming wins, then the lower position.
    std::map<uint32_t, uint32_t> owner; // virtual key -> scan code
    for (uint32_t scan = 0; scan < limit; ++scan) {
        if (named[scan].vk == 0)
            continue;
        const auto [it, inserted] = owner.try_emplace(named[scan].vk, scan);
        if (!inserted && named[scan].rank < named[it->second].rank)
            it->second = scan;
    }
    std::set<uint32_t> taken;
    std::vector<bool> placed(limit, false);
    for (const auto &[vk, scan] : owner) {
        keys[scan] = vk;
        placed[scan] = true;
        taken.insert(vk);
    }
    // The positions left keep their US key where it is still free, else
    // take the US keys left over, in position order.
    std::vector<uint32_t> unplaced;
    for (uint32_t scan = 0; scan < limit; ++scan) {
        const uint32_t us = usVirtualKeyAt(scan);
        if (!followsLayout(us) || placed[scan])
            continue;
        if (taken.insert(us).second)
            keys[scan] = us;
        else
            unplaced.push_back(scan);
    }
    std::size_t next = 0;
    for (uint32_t scan = 0; scan < limit && next < unplaced.size(); ++scan) {
        const uint32_t us = usVirtualKeyAt(scan);
        if (followsLayout(us) && taken.insert(us).second)
            keys[unplaced[next++]] = us;
    }
    return groups_.emplace(group, std::move(keys)).first->second;
}

uint32_t XkbKeymapLayout::map(uint32_t code, MapMode mode) const {
    const uint32_t layouts = xkb_keymap_num_layouts(keymap_);
    uint32_t group = activeGroup_ ? activeGroup_() : 0;
    if (layouts == 0)
        return mode == MapMode::ScanToVirtualKey ? usVirtualKeyAt(code) : 0;
    if (group >= layouts)
        group = 0;
    if (mode == MapMode::ScanToVirtualKey)
        return code < scanCodeLimit() ? keysOfGroup(group)[code] : 0;
    if (code == 0)
        return 0;
    const std::vector<uint32_t> &keys = keysOfGroup(group);
    for (uint32_t scan = 1; scan < keys.size(); ++scan)
        if (keys[scan] == code)
            return scan;
    // Keys that only the keypad or the generic modifiers carry.
    return makeUsLayout()->map(code, MapMode::VirtualKeyToScan);
}

std::unique_ptr<XkbKeymapLayout> XkbKeymapLayout::fromNames(const std::string &layout,
                                                            const std::string &variant) {
    xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
    if (!context)
        return nullptr;
    xkb_rule_names names{};
    names.rules = "evdev";
    names.model = "pc105";
    names.layout = layout.c_str();
    names.variant = variant.c_str();
    xkb_keymap *keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    xkb_context_unref(context);
    if (!keymap)
        return nullptr;
    return std::make_unique<XkbKeymapLayout>(keymap, [] { return 0u; });
}

namespace {

// The X server's core keyboard: the keymap is read once, the active group
// at every lookup so a layout switch is followed.
class X11Layout final : public KeyboardLayout {
public:
    X11Layout(xcb_connection_t *connection, int32_t device, xkb_keymap *keymap)
        : connection_(connection), device_(device), layout_(keymap, [this] { return activeGroup(); }) {}
    ~X11Layout() override { xcb_disconnect(connection_); }
    uint32_t map(uint32_t code, MapMode mode) const override { return layout_.map(code, mode); }

private:
    uint32_t activeGroup() const {
        xkb_state *state = xkb_x11_state_new_from_device(layout_.keymap(), connection_, device_);
        if (!state)
            return 0;
        const uint32_t group = xkb_state_serialize_layout(state, XKB_STATE_LAYOUT_EFFECTIVE);
        xkb_state_unref(state);
        return group;
    }

    xcb_connection_t *connection_;
    int32_t device_;
    XkbKeymapLayout layout_;
};

} // namespace

std::unique_ptr<KeyboardLayout> makeXkbLayout() {
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (!connection || xcb_connection_has_error(connection)) {
        if (connection)
            xcb_disconnect(connection);
        return nullptr;
    }
    if (!xkb_x11_setup_xkb_extension(connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
                                     XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr,
                                     nullptr)) {
        xcb_disconnect(connection);
        return nullptr;
    }
    const int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
    xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
    xkb_keymap *keymap = device >= 0 && context ? xkb_x11_keymap_new_from_device(context, connection, device,
                                                                                 XKB_KEYMAP_COMPILE_NO_FLAGS)
                                                : nullptr;
    if (context)
        xkb_context_unref(context);
    if (!keymap) {
        xcb_disconnect(connection);
        return nullptr;
    }
    return std::make_unique<X11Layout>(connection, device, keymap);
}

std::unique_ptr<KeyboardLayout> makeSystemLayout() {
    if (auto live = makeXkbLayout())
        return live;
    return makeUsLayout();
}

} // namespace orvyn
