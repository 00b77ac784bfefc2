#include "Gallery.h"

#include "option/skin/RgnButton.h"
#include "option/skin/SkinFonts.h"
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
    w->loadSkin(QStringLiteral("skin_Config.ini"), buttons({{1, 22}, {25, 25}}));
    check(*w, 10);
    const QRect version = [&] {
        // The strip the skin leaves for the version line, left of RESTORE DEFAULTS.
        const QRect restore = w->controlRect(25);
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
    Setups setups;
    for (int p = 0; p < 104; ++p) {
        SkinControlSetup s;
        s.section = 40 + p;
        s.index = 300 + p;
        setups.push_back(s);
    }
    w.loadSkin(QStringLiteral("skin_main.ini"), setups, WindowPictures::Keep);
    const StatePictures &full = w.windowPictures();
    // A few remapped keys: their normal look is cut from the Down picture.
    for (int position : {44, 45, 32, 46, 47}) {
        if (BitmapButton *b = w.button(40 + position))
            b->setImages({full[2], full[1], full[2], full[3]}, w.controlRect(40 + position));
    }
    // The Enter key: its picture button is hidden and the shaped button takes its place.
    const QRect enterRect = w.controlRect(40 + 43);
    if (BitmapButton *b = w.button(40 + 43))
        b->hide();
    auto *enter = new RgnButton(&w);
    enter->setMaskResource(kEnterKeyMaskBitmap);
    enter->setImages(full, enterRect);
    enter->create(QStringLiteral("Enter"), enterRect);
    enter->show();
}

void macroKeys(GalleryWindow &w) {
    Setups setups;
    for (int n = 1; n <= 15; ++n) {
        SkinControlSetup s;
        s.section = n;
        s.index = 99 + n;
        setups.push_back(s);
    }
    w.loadSkin(QStringLiteral("skin_macro_control.ini"), setups);
    const char *texts[] = {"Profile Switch",   "Lighting Mode", "Lighting Colour",
                           "Windows Key Lock", "Page Down",     "Macro: Rocket Jump",
                           "Ctrl+2",           "Ctrl+3",        "Ctrl+4",
                           "Ctrl+5",           "Insert",        "Home",
                           "Page Up",          "Delete",        "Run: steam"};
    for (int n = 1; n <= 15; ++n)
        caption(w, n, QString::fromUtf8(texts[n - 1]));
}

void mediaKeys(GalleryWindow &w) {
    Setups setups = buttons({{9, 14}, {20, 20}});
    w.loadSkin(QStringLiteral("skin_media_key_control.ini"), setups);
    const char *texts[] = {"Play/Pause", "Stop", "Previous Track", "Next Track", "Volume Up", "Mute"};
    for (int i = 0; i < 6; ++i)
        caption(w, 9 + i, QString::fromUtf8(texts[i]));
    caption(w, 20, QStringLiteral("Windows Media player"));
}

void advanced(GalleryWindow &w) {
    w.loadSkin(QStringLiteral("Skin_Advance.ini"), buttons({{1, 9}}));
    check(w, 2);
    check(w, 7);
    check(w, 9);
    caption(w, 4, QStringLiteral("Wave"));
    caption(w, 5, QStringLiteral("Red"));
}

// A page inside the main window, as Option shows it.
std::unique_ptr<GalleryWindow> configWithPage(int tab, const std::function<void(GalleryWindow &)> &build) {
    auto main = configWindow();
    if (BitmapButton *b = main->button(1))
        b->setChecked(tab == 1 ? ButtonCheck::Pressed : ButtonCheck::Released);
    check(*main, tab);
    const ControlPlacement place = main->skinFile().placement(1, "PAGEPOSITION");
    const QRect pageRect(place.left, place.top, place.width(), place.height());
    auto *page = new GalleryWindow(SkinWindowKind::ChildPage, main.get());
    build(*page);
    page->move(pageRect.topLeft());
    page->show();
    return main;
}

std::unique_ptr<GalleryWindow> popup(const QString &file, const Setups &setups) {
    auto w = std::make_unique<GalleryWindow>(SkinWindowKind::ModalPopup);
    w->loadSkin(file, setups);
    return w;
}

std::unique_ptr<GalleryWindow> macroManager(bool recording) {
    auto w = popup(QStringLiteral("skin_macro_manager.ini"),
                   buttons({{1, 5}, {7, 7}}) + buttons({{8, 9}}, ToggleMode::Toggle) +
                       Setups{setup(6, SkinControlKind::PlaceOnly), setup(10, SkinControlKind::Edit),
                             setup(11, SkinControlKind::PlaceOnly)});
    check(*w, 9);
    editText(*w, 10, QStringLiteral("3"), Qt::white);
    QListWidget *names = darkList(*w, 6);
    for (const char *name : {"Rocket Jump", "Build Wall", "Quick Scope", "Reload Cancel", "Chat: gg"})
        names->addItem(QString::fromUtf8(name));
    names->setCurrentRow(0);
    QListWidget *events = darkList(*w, 11);
    const QImage press = loadResourceIcon(138), release = loadResourceIcon(137),
                 delay = loadResourceIcon(135), mouse = loadResourceIcon(146);
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
        const char *files[] = {"stop_record_normal.jpg", "stop_record_over.jpg", "stop_record_down.jpg",
                               "stop_record_normal.jpg"};
        for (int i = 0; i < 4; ++i)
            stop[i] = QImage(skinFolder() + QString::fromLatin1(files[i]));
        if (BitmapButton *b = w->button(7))
            b->setStatePictures(stop);
        for (int s = 1; s <= 5; ++s) {
            if (BitmapButton *b = w->button(s))
                b->setEnabled(false);
        }
        names->setEnabled(false);
    }
    return w;
}

std::unique_ptr<GalleryWindow> shortcut() {
    auto w = popup(QStringLiteral("skin_shortcut.ini"), Setups{setup(10, SkinControlKind::Edit)} +
                                                            buttons({{2, 4}}) +
                                                            buttons({{5, 9}}, ToggleMode::Toggle));
    editText(*w, 10, QStringLiteral("F5"), Qt::white, true);
    check(*w, 6);
    check(*w, 7);
    return w;
}

std::unique_ptr<GalleryWindow> swapKey() {
    auto w = popup(QStringLiteral("skin_swap_key.ini"),
                   Setups{setup(1, SkinControlKind::Edit), setup(9, SkinControlKind::PlaceOnly)} +
                       buttons({{2, 6}}) + buttons({{7, 8}}, ToggleMode::Toggle));
    editText(*w, 1, QStringLiteral("Left Ctrl"), Qt::white, true);
    caption(*w, 6, QStringLiteral("Left Button"));
    check(*w, 7);
    const QPoint title = w->controlRect(9).topLeft();
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
    } pages[] = {{1, "config_key_mapping.png", standardKeys},
                 {2, "config_macro_keys.png", macroKeys},
                 {3, "config_media_keys.png", mediaKeys},
                 {4, "config_advanced.png", advanced}};
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

    auto profile =
        popup(QStringLiteral("skin_profile.ini"),
              Setups{setup(1, SkinControlKind::Edit), setup(2, SkinControlKind::Edit)} + buttons({{3, 6}}));
    editText(*profile, 1, QStringLiteral("Profile #1"), QColor(0xE6, 0xE6, 0xE6));
    editText(*profile, 2, QStringLiteral("/usr/games/openarena"), QColor(0xE6, 0xE6, 0xE6));
    add(QStringLiteral("profile.png"), *profile);

    add(QStringLiteral("macro_manager.png"), *macroManager(false));
    add(QStringLiteral("macro_manager_recording.png"), *macroManager(true));

    auto launch = popup(QStringLiteral("skin_lanuch_program.ini"),
                        Setups{setup(1, SkinControlKind::Edit)} + buttons({{2, 5}}));
    editText(*launch, 1, QStringLiteral("/usr/bin/obs"), QColor(229, 229, 229));
    add(QStringLiteral("launch_program.png"), *launch);

    for (auto [file, name] : {std::pair{"skin_delete_macro_warn.ini", "delete_macro_warn.png"},
                              std::pair{"skin_macro_set_warn.ini", "macro_set_warn.png"},
                              std::pair{"skin_reset_warn.ini", "reset_warn.png"}}) {
        auto w = popup(QString::fromLatin1(file), buttons({{1, 3}}));
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
