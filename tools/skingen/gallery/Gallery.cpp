#include "Gallery.h"

#include "option/skin/RgnButton.h"
#include "option/skin/SkinFonts.h"
#include "option/skin/SkinNames.h"
#include "option/skin/SkinResources.h"
#include "option/skin/SkinnedDialog.h"

#include <QListWidget>
#include <QPainter>

#include <functional>
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
    if (BitmapButton *b = w.button(section)) {
        b->setCaption(text);
        b->update();
    }
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
        b->update();
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

QListWidget *darkList(SkinnedDialog &w, int section) {
    auto *list = new QListWidget(&w);
    list->setGeometry(w.controlRect(section));
    list->setFrameShape(QFrame::NoFrame);
    list->setFont(skinFont(FontFace::Eurostile, 12, 0, 300));
    list->setStyleSheet(
        QStringLiteral("QListWidget { background: rgb(18,18,18); color: white; }"
                       "QListWidget::item { height: 18px; }"
                       "QListWidget::item:selected { background: rgb(200,16,24); color: white; }"));
    list->show();
    return list;
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

std::unique_ptr<GalleryWindow> macroManager(bool recording) {
    using MM = MacroManagerSkin;
    auto w = popup(MM::kFile, buttons({{MM::Ok, MM::DeleteMacro}, {MM::Record, MM::Record}}) +
                                  buttons({{MM::RecordDelays, MM::Repeat}}, ToggleMode::Toggle) +
                                  Setups{setup(MM::MacroList, SkinControlKind::PlaceOnly),
                                         setup(MM::RepeatCount, SkinControlKind::Edit),
                                         setup(MM::EventList, SkinControlKind::PlaceOnly)});
    check(*w, MM::Repeat);
    editText(*w, MM::RepeatCount, QStringLiteral("3"), Qt::white);
    QListWidget *names = darkList(*w, MM::MacroList);
    for (const char *name : {"Rocket Jump", "Build Wall", "Quick Scope", "Reload Cancel", "Chat: gg"})
        names->addItem(QString::fromUtf8(name));
    names->setCurrentRow(0);
    QListWidget *events = darkList(*w, MM::EventList);
    const QImage press = loadResourceIcon(SkinIcon::KeyPressRow),
                 release = loadResourceIcon(SkinIcon::KeyReleaseRow),
                 delay = loadResourceIcon(SkinIcon::DelayRow), mouse = loadResourceIcon(SkinIcon::MouseRow);
    const struct {
        const QImage *icon;
        const char *text;
    } rows[] = {{&press, "Space"},       {&delay, "120 ms"},     {&release, "Space"},
                {&press, "Left Ctrl"},   {&delay, "35 ms"},      {&mouse, "R Button Down"},
                {&mouse, "R Button Up"}, {&release, "Left Ctrl"}};
    for (const auto &row : rows) {
        QPixmap pixmap(16, 18);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.drawImage(0, 2, *row.icon);
        p.end();
        events->addItem(new QListWidgetItem(QIcon(pixmap), QString::fromUtf8(row.text)));
    }
    events->setIconSize(QSize(16, 18));
    events->setCurrentRow(5);
    if (recording) {
        // While recording the record button shows the stop pictures and the
        // first six controls are disabled.
        StatePictures stop;
        for (int i = 0; i < 4; ++i)
            stop[i] = QImage(skinFolder() + file(MM::kStopRecordPictures[i == 3 ? 0 : i]));
        if (BitmapButton *b = w->button(MM::Record))
            b->setStatePictures(stop);
        for (int s = MM::Ok; s <= MM::DeleteMacro; ++s) {
            if (BitmapButton *b = w->button(s))
                b->setEnabled(false);
        }
        names->setEnabled(false);
    }
    return w;
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

    add(QStringLiteral("macro_manager.png"), *macroManager(false));
    add(QStringLiteral("macro_manager_recording.png"), *macroManager(true));

    using LP = LaunchProgramSkin;
    auto launch = popup(LP::kFile, Setups{setup(LP::PathField, SkinControlKind::Edit)} +
                                       buttons({{LP::Browse, LP::Close}}));
    editText(*launch, LP::PathField, QStringLiteral("/usr/bin/obs"), QColor(229, 229, 229));
    add(QStringLiteral("launch_program.png"), *launch);

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
