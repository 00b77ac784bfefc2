// The skin set's names: each window's skin description file and the numbered
// control sections the window reads from it, the record button's picture
// files and the program's bitmap and icon resources. Option's windows and
// the skin set generator both take them from here, so a window and its skin
// cannot drift apart. Plain C++: the generator and the tests use it too.
#pragma once

#include <string>

namespace orvyn {

// Groups of control lines in a skin file: one line per control, and the
// main window's page rectangle.
inline constexpr char kButtonGroup[] = "BUTTONPOS";
inline constexpr char kPageGroup[] = "PAGEPOSITION";

// A rectangle in window pixels.
struct SkinRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Option's main window.
struct ConfigWindowSkin {
    static constexpr char kFile[] = "skin_Config.ini";
    enum Section {
        StandardKeysTab = 1,
        MacroKeysTab = 2,
        MediaKeysTab = 3,
        AdvancedTab = 4,
        Unused5 = 5,
        ProfileNew = 6,
        ImportProfile = 7,
        ExportProfile = 8,
        ProfileEdit = 9,
        FirstProfile = 10, // 10-14: profiles 0-4
        MacroManager = 15,
        Minimize = 16,
        CloseTop = 17,
        UserManual = 18,
        WebPage = 19,
        Ok = 20,
        Apply = 21,
        CloseBottom = 22,
        RestoreDefaults = 25,
    };
    // The window's buttons, in the order they are created.
    static constexpr int kButtons[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                       13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 25};
    // kPageGroup line that holds the rectangle the four pages fill.
    static constexpr int kPageLine = 1;
    // The strip the skin leaves empty for the window's version line.
    static constexpr SkinRect kVersionLine{20, 452, 190, 20};
};

// The standard-key page: one key per position of the remap table.
struct StandardKeyPageSkin {
    static constexpr char kFile[] = "skin_main.ini";
    static constexpr int kFirstKey = 40; // position p is section 40 + p
    static constexpr int kKeyCount = 104;
    static constexpr int kEnterPosition = 43; // drawn by the shaped Enter key
    static constexpr int section(int position) { return kFirstKey + position; }
};

// The macro-key page: programmable keys G1-G15 (key slots 0-14).
struct MacroKeyPageSkin {
    static constexpr char kFile[] = "skin_macro_control.ini";
    static constexpr int kFirstKey = 1; // slot s is section 1 + s
    static constexpr int kKeyCount = 15;
};

// The media-key page: media keys 0-5 (key slots 8-13) and the player choice.
struct MediaKeyPageSkin {
    static constexpr char kFile[] = "skin_media_key_control.ini";
    static constexpr int kFirstKey = 9; // media key i is section 9 + i
    static constexpr int kKeyCount = 6;
    enum Section { Player = 20 };
};

// The advanced page.
struct AdvancedPageSkin {
    static constexpr char kFile[] = "Skin_Advance.ini";
    enum Section {
        Polling1 = 1,
        Polling2 = 2,
        Polling4 = 3,
        LtControlMenu = 4,
        LtColorMenu = 5,
        WinLockOff = 6,
        WinLockOn = 7,
        EcoOff = 8,
        EcoOn = 9,
    };
};

// The profile dialog: name and game program of a profile.
struct ProfileDialogSkin {
    static constexpr char kFile[] = "skin_profile.ini";
    enum Section { NameField = 1, GameField = 2, Browse = 3, Ok = 4, Cancel = 5, Close = 6 };
};

// The macro manager.
struct MacroManagerSkin {
    static constexpr char kFile[] = "skin_macro_manager.ini";
    enum Section {
        Ok = 1,
        Cancel = 2,
        Close = 3,
        NewMacro = 4,
        DeleteMacro = 5,
        MacroList = 6,
        Record = 7,
        RecordDelays = 8,
        Repeat = 9,
        RepeatCount = 10,
        EventList = 11,
    };
    // Pictures of the record button (each the button's size) while it offers
    // to start and to stop recording: normal, over, down.
    static constexpr const char *kStartRecordPictures[3] = {"start_record_normal.jpg",
                                                            "start_record_over.jpg", "start_record_down.jpg"};
    static constexpr const char *kStopRecordPictures[3] = {"stop_record_normal.jpg", "stop_record_over.jpg",
                                                           "stop_record_down.jpg"};
};

// The launch-program dialog.
struct LaunchProgramSkin {
    static constexpr char kFile[] = "skin_lanuch_program.ini";
    enum Section { PathField = 1, Browse = 2, Ok = 3, Cancel = 4, Close = 5 };
};

// The three small confirmations: their message is in their pictures.
struct WarningSkin {
    enum Section { Ok = 1, Cancel = 2, Close = 3 };
};
struct DeleteMacroWarningSkin : WarningSkin {
    static constexpr char kFile[] = "skin_delete_macro_warn.ini";
};
struct NoMacroWarningSkin : WarningSkin {
    static constexpr char kFile[] = "skin_macro_set_warn.ini";
};
struct ResetWarningSkin : WarningSkin {
    static constexpr char kFile[] = "skin_reset_warn.ini";
};

// The shortcut dialog.
struct ShortcutDialogSkin {
    static constexpr char kFile[] = "skin_shortcut.ini";
    enum Section {
        Ok = 2,
        Cancel = 3,
        Close = 4,
        NoModifier = 5,
        Ctrl = 6,
        Shift = 7,
        Alt = 8,
        Win = 9,
        KeyName = 10
    };
};

// The swap-key dialog.
struct SwapKeyDialogSkin {
    static constexpr char kFile[] = "skin_swap_key.ini";
    enum Section {
        NewKey = 1,
        Ok = 2,
        Cancel = 3,
        Close = 4,
        Default = 5,
        MouseFunction = 6,
        ModeKey = 7,
        ModeMouse = 8,
        TitleText = 9, // no control: the window writes at its top-left corner
    };
};

// Every skin description file of the set.
inline constexpr const char *kSkinFiles[] = {
    ConfigWindowSkin::kFile,   StandardKeyPageSkin::kFile, MacroKeyPageSkin::kFile,
    MediaKeyPageSkin::kFile,   AdvancedPageSkin::kFile,    ProfileDialogSkin::kFile,
    MacroManagerSkin::kFile,   LaunchProgramSkin::kFile,   DeleteMacroWarningSkin::kFile,
    NoMacroWarningSkin::kFile, ShortcutDialogSkin::kFile,  SwapKeyDialogSkin::kFile,
    ResetWarningSkin::kFile,
};

// The program's pictures, files in the skin folder's "resources/".
enum class SkinBitmap { EnterKeyMask = 308 };
enum class SkinIcon {
    Program = 128,
    DelayRow = 135,
    KeyReleaseRow = 137,
    KeyPressRow = 138,
    SubmenuArrow = 145,
    MouseRow = 146,
};
inline constexpr char kResourceFolder[] = "resources/";
inline std::string resourceBitmapFile(int id) {
    return "bitmap" + std::to_string(id) + ".bmp";
}
inline std::string resourceIconFile(int id) {
    return "icon" + std::to_string(id) + ".png";
}
inline std::string resourceFile(SkinBitmap bitmap) {
    return resourceBitmapFile(static_cast<int>(bitmap));
}
inline std::string resourceFile(SkinIcon icon) {
    return resourceIconFile(static_cast<int>(icon));
}

} // namespace orvyn
