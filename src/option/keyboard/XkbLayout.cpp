#include "option/keyboard/XkbLayout.h"

#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

namespace orvyn {

namespace {

bool isCharacterKey(uint32_t vk) {
    return (vk >= 0x30 && vk <= 0x39) || (vk >= 0x41 && vk <= 0x5A) || (vk >= 0xBA && vk <= 0xC0) ||
           (vk >= 0xDB && vk <= 0xDF) || vk == 0xE2;
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
    case XKB_KEY_less:
        return 0xE2;
    default:
        return 0;
    }
}

xkb_keysym_t symAt(xkb_keymap *keymap, xkb_keycode_t keycode, uint32_t group, uint32_t level) {
    const xkb_keysym_t *syms = nullptr;
    const int n = xkb_keymap_key_get_syms_by_level(keymap, keycode, group, level, &syms);
    return n >= 1 && syms ? syms[0] : XKB_KEY_NoSymbol;
}

} // namespace

XkbKeymapLayout::XkbKeymapLayout(xkb_keymap *keymap, GroupSource activeGroup)
    : keymap_(keymap), activeGroup_(std::move(activeGroup)) {}

XkbKeymapLayout::~XkbKeymapLayout() {
    xkb_keymap_unref(keymap_);
}

uint32_t XkbKeymapLayout::virtualKeyAt(uint32_t scan, uint32_t group) const {
    const uint32_t us = usVirtualKeyAt(scan);
    if (!isCharacterKey(us))
        return us;
    const uint32_t evdev = evdevFromScanCode(scan);
    if (evdev == 0)
        return us;
    const xkb_keycode_t keycode = evdev + 8;
    const xkb_keysym_t base = symAt(keymap_, keycode, group, 0);
    const xkb_keysym_t shifted = symAt(keymap_, keycode, group, 1);
    if (uint32_t vk = letterOrDigit(base))
        return vk;
    if (uint32_t vk = letterOrDigit(shifted))
        return vk;
    if (uint32_t vk = punctuation(base))
        return vk;
    return us;
}

uint32_t XkbKeymapLayout::map(uint32_t code, MapMode mode) const {
    const uint32_t layouts = xkb_keymap_num_layouts(keymap_);
    uint32_t group = activeGroup_ ? activeGroup_() : 0;
    if (layouts == 0)
        return mode == MapMode::ScanToVirtualKey ? usVirtualKeyAt(code) : 0;
    if (group >= layouts)
        group = 0;
    if (mode == MapMode::ScanToVirtualKey)
        return code < scanCodeLimit() ? virtualKeyAt(code, group) : 0;
    if (code == 0)
        return 0;
    for (uint32_t scan = 1; scan < scanCodeLimit(); ++scan)
        if (virtualKeyAt(scan, group) == code)
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
