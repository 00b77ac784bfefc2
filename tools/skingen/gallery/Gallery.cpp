#include "Gallery.h"

#include "option/dialogs/LaunchProgramDialog.h"
#include "option/dialogs/MacroManagerDialog.h"
#include "option/keyboard/KeystrokeRecorder.h"
#include "option/skin/RgnButton.h"
#include "option/skin/SkinFonts.h"
#include "option/skin/SkinNames.h"
#include "option/skin/SkinResources.h"
#include "option/skin/SkinnedDialog.h"
#include "uitext/UiText.h"

#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <functional>
#include <iterator>
#include <memory>

namespace orvyn::skingen {

namespace {

// A skinned window with the texts its real window draws itself.
class GalleryWindow : public SkinnedDialog {
public:
    using SkinnedDialog::SkinnedDialog;
    std::function<void(QPainter &)> texts;

protected:
    void paintSkinTexts(QPainter &painter) override {
        if (texts)
            texts(painter);
    }
};

using Setups = std::vector<SkinControlSetup>;

QString file(const char *name) {
    return QString::fromLatin1(name);
}

Setups buttons(std::initializer_list<std::pair<int, int>> ranges, ToggleMode mode = ToggleMode::Push) {
    Setups setups;
    for (auto [first, last] : ranges) {
        for (int s = first; s <= last; ++s) {
            SkinControlSetup setup;
            setup.section = s;
            setup.toggleMode = mode;
            setups.push_back(setup);
        }
    }
    return setups;
}

SkinControlSetup setup(int section, SkinControlKind kind, ToggleMode mode = ToggleMode::Push) {
    SkinControlSetup s;
    s.section = section;
    s.kind = kind;
    s.toggleMode = mode;
    return s;
}

Setups operator+(Setups a, const Setups &b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void caption(SkinnedDialog &w, int section, const QString &text) {
    if (BitmapButton *b = w.button(section))
        b->setCaption(text);
}

void check(SkinnedDialog &w, int section) {
    if (BitmapButton *b = w.button(section))
        b->setChecked(ButtonCheck::Pressed);
}

void editText(SkinnedDialog &w, int section, const QString &text, QColor background, bool centred = false) {
    if (BitmapEdit *e = w.edit(section)) {
        e->setTextColour(Qt::black);
        e->setBackgroundColour(background);
        e->setFont(skinFont(FontFace::Arial, 14, 5, 400));
        if (centred)
            e->setAlignment(Qt::AlignCenter);
        e->setText(text);
    }
}

// Every button of the window in one forced state.
enum class Forced { Over, Down, Disabled };

void force(SkinnedDialog &w, Forced state) {
    for (BitmapButton *b : w.findChildren<BitmapButton *>()) {
        switch (state) {
        case Forced::Over:
            b->setHover(true);
            break;
        case Forced::Down:
            b->setChecked(ButtonCheck::Pressed);
            break;
        case Forced::Disabled:
            b->setEnabled(false);
            break;
        }
    }
}

// The window as it shows on a mid-grey desktop: outside its outline the
// desktop stays visible.
QImage shot(SkinnedDialog &w) {
    w.ensurePolished();
    QImage image(w.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(64, 68, 78));
    QPainter p(&image);
    if (w.outline() && !w.outline()->isEmpty())
        p.setClipRegion(*w.outline());
    w.render(&p, QPoint(), QRegion(), QWidget::DrawChildren);
    p.end();
    return image;
}

// A click as the pointer gives it.
void clickButton(QWidget *button) {
    if (!button)
        return;
    const QPointF centre = QRectF(button->rect()).center();
    const QPointF global = button->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(button, &press);
    QCoreApplication::sendEvent(button, &release);
}

// -- The windows ------------------------------------------------------------

std::unique_ptr<GalleryWindow> configWindow() {
    auto w = std::make_unique<GalleryWindow>(SkinWindowKind::ModalPopup);
    w->loadSkin(file(ConfigWindowSkin::kFile), pushButtons(ConfigWindowSkin::kButtons));
    check(*w, ConfigWindowSkin::FirstProfile);
    const QRect version = [&] {
        // The strip the skin leaves for the version line, left of RESTORE DEFAULTS.
        const QRect restore = w->controlRect(ConfigWindowSkin::RestoreDefaults);
        return QRect(20, restore.top(), restore.left() - 30, restore.height());
    }();
    w->texts = [version](QPainter &p) {
        p.setFont(skinFont(FontFace::Arial, 12, 6, 400));
        p.setPen(QColor(0xE6, 0xE6, 0xE6));
        p.drawText(version, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Driver V1.03-Firmware V1.05"));
    };
    return w;
}

void standardKeys(GalleryWindow &w) {
    using SP = StandardKeyPageSkin;
    Setups setups;
    for (int p = 0; p < SP::kKeyCount; ++p) {
        SkinControlSetup s;
        s.section = SP::section(p);
        s.index = 300 + p;
        setups.push_back(s);
    }
    w.loadSkin(file(SP::kFile), setups, WindowPictures::Keep);
    const StatePictures &full = w.windowPictures();
    // A few remapped keys: their normal look is cut from the Down picture.
    for (int position : {44, 45, 32, 46, 47}) {
        if (BitmapButton *b = w.button(SP::section(position)))
            b->setImages({full[2], full[1], full[2], full[3]}, w.controlRect(SP::section(position)));
    }
    // The Enter key: its picture button is hidden and the shaped button takes its place.
    const QRect enterRect = w.controlRect(SP::section(SP::kEnterPosition));
    if (BitmapButton *b = w.button(SP::section(SP::kEnterPosition)))
        b->hide();
    auto *enter = new RgnButton(&w);
    enter->setMaskResource(kEnterKeyMaskBitmap);
    enter->setImages(full, enterRect);
    enter->create(QStringLiteral("Enter"), enterRect);
    enter->show();
}

void macroKeys(GalleryWindow &w) {
    using MK = MacroKeyPageSkin;
    Setups setups;
    for (int n = 0; n < MK::kKeyCount; ++n) {
        SkinControlSetup s;
        s.section = MK::kFirstKey + n;
        s.index = 100 + n;
        setups.push_back(s);
    }
    w.loadSkin(file(MK::kFile), setups);
    const char *texts[] = {"Profile Switch",   "Lighting Mode", "Lighting Colour",
                           "Windows Key Lock", "Page Down",     "Macro: Rocket Jump",
                           "Ctrl+2",           "Ctrl+3",        "Ctrl+4",
                           "Ctrl+5",           "Insert",        "Home",
                           "Page Up",          "Delete",        "Run: steam"};
    for (int n = 0; n < MK::kKeyCount; ++n)
        caption(w, MK::kFirstKey + n, QString::fromUtf8(texts[n]));
}

void mediaKeys(GalleryWindow &w) {
    using MK = MediaKeyPageSkin;
    w.loadSkin(file(MK::kFile),
               buttons({{MK::kFirstKey, MK::kFirstKey + MK::kKeyCount - 1}, {MK::Player, MK::Player}}));
    const char *texts[] = {"Play/Pause", "Stop", "Previous Track", "Next Track", "Volume Up", "Mute"};
    for (int i = 0; i < MK::kKeyCount; ++i)
        caption(w, MK::kFirstKey + i, QString::fromUtf8(texts[i]));
    caption(w, MK::Player, QStringLiteral("Windows Media player"));
}

void advanced(GalleryWindow &w) {
    using AP = AdvancedPageSkin;
    w.loadSkin(file(AP::kFile), buttons({{AP::Polling1, AP::EcoOn}}));
    check(w, AP::Polling2);
    check(w, AP::WinLockOn);
    check(w, AP::EcoOn);
    caption(w, AP::LtControlMenu, QStringLiteral("Wave"));
    caption(w, AP::LtColorMenu, QStringLiteral("Red"));
}

// A page inside the main window, as Option shows it.
std::unique_ptr<GalleryWindow> configWithPage(int tab, const std::function<void(GalleryWindow &)> &build) {
    auto main = configWindow();
    if (BitmapButton *b = main->button(ConfigWindowSkin::StandardKeysTab))
        b->setChecked(tab == ConfigWindowSkin::StandardKeysTab ? ButtonCheck::Pressed
                                                               : ButtonCheck::Released);
    check(*main, tab);
    const ControlPlacement place = main->skinFile().placement(ConfigWindowSkin::kPageLine, kPageGroup);
    const QRect pageRect(place.left, place.top, place.width(), place.height());
    auto *page = new GalleryWindow(SkinWindowKind::ChildPage, main.get());
    build(*page);
    page->move(pageRect.topLeft());
    page->show();
    return main;
}

std::unique_ptr<GalleryWindow> popup(const char *skinFile, const Setups &setups) {
    auto w = std::make_unique<GalleryWindow>(SkinWindowKind::ModalPopup);
    w->loadSkin(file(skinFile), setups);
    return w;
}

// The gallery has no X server to grab: keystrokes are handed to the
// recording window as if typed.
class GalleryGrab final : public KeyboardGrab {
public:
    bool grab(QWidget &) override { return true; }
    void release() override {}
};

// A library as a user might have it; the first macro was recorded with
// delays and has mouse steps.
void fillLibrary(MacroLibrary &library) {
    MacroRecord &jump = library.create("Rocket Jump");
    const MacroEvent steps[] = {{44, 1, 120}, {44, 2, 0},  {224, 1, 35}, {242, 1, 0},
                                {242, 2, 60}, {224, 2, 0}, {8, 1, 0},    {8, 2, 0}};
    jump.count = static_cast<int>(std::size(steps));
    std::copy(std::begin(steps), std::end(steps), jump.events);
    jump.repeat = 3;
    for (const char *name : {"Build Wall", "Quick Scope", "Reload Cancel", "Chat: gg"})
        library.create(name);
}

// The Option texts (menus) from the language module beside the skins.
const TextSource &galleryTexts() {
    static UiTextLibrary texts;
    static bool loaded = false;
    if (!loaded) {
        texts.load(QDir(skinFolder() + QStringLiteral("..")).absolutePath().toStdString() + "/");
        loaded = true;
    }
    return texts;
}

const KeyboardLayout &usLayout() {
    static const std::unique_ptr<KeyboardLayout> layout = makeUsLayout();
    return *layout;
}

std::unique_ptr<MacroManagerDialog> macroManager(MacroLibrary &library, bool recording) {
    auto w = std::make_unique<MacroManagerDialog>(library, usLayout(), galleryTexts(), nullptr);
    w->show();
    if (recording) {
        // Recording into "Build Wall": W, A held together, then a pause.
        w->namesList()->setCurrentRow(1);
        KeystrokeRecorder &recorder = KeystrokeRecorder::instance();
        recorder.setKeyboardGrab(std::make_unique<GalleryGrab>());
        clickButton(w->button(MacroManagerDialog::RecordDelays));
        clickButton(w->button(MacroManagerDialog::Record));
        const struct {
            uint32_t keycode;
            KeyDirection direction;
            uint32_t time;
        } typed[] = {{25, KeyDirection::Press, 1000},
                     {38, KeyDirection::Press, 1180},
                     {25, KeyDirection::Release, 1420},
                     {38, KeyDirection::Release, 1450},
                     {65, KeyDirection::Press, 2200}};
        for (const auto &key : typed)
            recorder.keyEvent(key.keycode, key.direction, key.time);
        QCoreApplication::processEvents();
    } else {
        w->eventsList()->setCurrentRow(5);
    }
    return w;
}

// The manager with the event list's menu open, the mouse-step submenu and
// the left button's items unfolded, drawn over the window.
QImage macroManagerMenu(MacroLibrary &library) {
    auto w = macroManager(library, false);
    QImage image = shot(*w);
    std::unique_ptr<SkinnedMenu> menu = w->makeContextMenu();
    QPoint at = w->eventsList()->geometry().topLeft() + QPoint(60, 110);
    QPainter p(&image);
    SkinnedMenu *level = menu.get();
    for (int depth = 0; level && depth < 3; ++depth) {
        level->popup(w->mapToGlobal(at));
        level->adjustSize();
        QAction *active = nullptr;
        for (QAction *action : level->actions()) {
            if ((depth < 2 && action->menu()) || (depth == 2 && SkinnedMenu::commandOf(action) == 1022)) {
                active = action;
                break;
            }
        }
        level->setActiveAction(active);
        p.drawPixmap(at, level->grab());
        const QRect item = active ? level->actionGeometry(active) : QRect();
        at += QPoint(level->width() - 2, item.top());
        level = active && active->menu() ? static_cast<SkinnedMenu *>(active->menu()) : nullptr;
    }
    p.end();
    menu->close();
    return image;
}

std::unique_ptr<GalleryWindow> shortcut() {
    using SD = ShortcutDialogSkin;
    auto w =
        popup(SD::kFile, Setups{setup(SD::KeyName, SkinControlKind::Edit)} + buttons({{SD::Ok, SD::Close}}) +
                             buttons({{SD::NoModifier, SD::Win}}, ToggleMode::Toggle));
    editText(*w, SD::KeyName, QStringLiteral("F5"), Qt::white, true);
    check(*w, SD::Ctrl);
    check(*w, SD::Shift);
    return w;
}

std::unique_ptr<GalleryWindow> swapKey() {
    using SK = SwapKeyDialogSkin;
    auto w = popup(SK::kFile, Setups{setup(SK::NewKey, SkinControlKind::Edit),
                                     setup(SK::TitleText, SkinControlKind::PlaceOnly)} +
                                  buttons({{SK::Ok, SK::MouseFunction}}) +
                                  buttons({{SK::ModeKey, SK::ModeMouse}}, ToggleMode::Toggle));
    editText(*w, SK::NewKey, QStringLiteral("Left Ctrl"), Qt::white, true);
    caption(*w, SK::MouseFunction, QStringLiteral("Left Button"));
    check(*w, SK::ModeKey);
    const QPoint title = w->controlRect(SK::TitleText).topLeft();
    w->texts = [title](QPainter &p) {
        const QFont f = skinFont(FontFace::Arial, 16, 0, 700);
        p.setFont(f);
        p.setPen(QColor(255, 0, 0));
        p.drawText(QRect(title, QSize(400, 20)), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Caps Lock"));
    };
    return w;
}

} // namespace

std::vector<GalleryShot> renderGallery() {
    std::vector<GalleryShot> shots;
    auto add = [&](const QString &name, SkinnedDialog &w) { shots.push_back({name, shot(w)}); };

    const struct {
        int tab;
        const char *name;
        std::function<void(GalleryWindow &)> build;
    } pages[] = {{ConfigWindowSkin::StandardKeysTab, "config_key_mapping.png", standardKeys},
                 {ConfigWindowSkin::MacroKeysTab, "config_macro_keys.png", macroKeys},
                 {ConfigWindowSkin::MediaKeysTab, "config_media_keys.png", mediaKeys},
                 {ConfigWindowSkin::AdvancedTab, "config_advanced.png", advanced}};
    for (const auto &page : pages) {
        auto w = configWithPage(page.tab, page.build);
        add(QString::fromLatin1(page.name), *w);
    }
    for (auto [state, name] :
         {std::pair{Forced::Over, "config_all_over.png"}, std::pair{Forced::Down, "config_all_down.png"},
          std::pair{Forced::Disabled, "config_all_disabled.png"}}) {
        auto w = configWindow();
        force(*w, state);
        add(QString::fromLatin1(name), *w);
    }
    {
        GalleryWindow page(SkinWindowKind::ChildPage);
        advanced(page);
        force(page, Forced::Over);
        add(QStringLiteral("advanced_all_over.png"), page);
    }
    {
        GalleryWindow page(SkinWindowKind::ChildPage);
        standardKeys(page);
        force(page, Forced::Down);
        add(QStringLiteral("key_mapping_all_down.png"), page);
    }

    using PD = ProfileDialogSkin;
    auto profile = popup(PD::kFile, Setups{setup(PD::NameField, SkinControlKind::Edit),
                                           setup(PD::GameField, SkinControlKind::Edit)} +
                                        buttons({{PD::Browse, PD::Close}}));
    editText(*profile, PD::NameField, QStringLiteral("Profile #1"), QColor(0xE6, 0xE6, 0xE6));
    editText(*profile, PD::GameField, QStringLiteral("/usr/games/openarena"), QColor(0xE6, 0xE6, 0xE6));
    add(QStringLiteral("profile.png"), *profile);

    {
        MacroLibrary library;
        fillLibrary(library);
        add(QStringLiteral("macro_manager.png"), *macroManager(library, false));
        shots.push_back({QStringLiteral("macro_manager_menu.png"), macroManagerMenu(library)});
        add(QStringLiteral("macro_manager_recording.png"), *macroManager(library, true));
        KeystrokeRecorder::instance().stop();
        KeystrokeRecorder::instance().setKeyboardGrab(nullptr);
    }

    LaunchProgramDialog launch(QStringLiteral("/usr/bin/obs-studio"));
    add(QStringLiteral("launch_program.png"), launch);

    for (auto [skinFile, name] : {std::pair{DeleteMacroWarningSkin::kFile, "delete_macro_warn.png"},
                                  std::pair{NoMacroWarningSkin::kFile, "macro_set_warn.png"},
                                  std::pair{ResetWarningSkin::kFile, "reset_warn.png"}}) {
        auto w = popup(skinFile, buttons({{WarningSkin::Ok, WarningSkin::Close}}));
        add(QString::fromLatin1(name), *w);
    }

    auto keys = shortcut();
    add(QStringLiteral("shortcut.png"), *keys);
    for (auto [state, name] : {std::pair{Forced::Over, "shortcut_all_over.png"},
                               std::pair{Forced::Disabled, "shortcut_all_disabled.png"}}) {
        auto w = shortcut();
        force(*w, state);
        add(QString::fromLatin1(name), *w);
    }
    add(QStringLiteral("swap_key.png"), *swapKey());
    return shots;
}

} // namespace orvyn::skingen
