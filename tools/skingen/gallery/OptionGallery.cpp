// option_gallery <program folder> <output folder>: renders Option's real key
// pages with a sample profile that uses every kind of assignment (remapped
// keys, macros, key combinations, programs, media and mouse functions), the
// key-function menu with its macro submenu open, and the two key dialogs,
// so the captions can be checked against their buttons.
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>

#include "editing/KeyboardLayout.h"
#include "option/ConfigWindow.h"
#include "option/dialogs/ShortcutDialog.h"
#include "option/dialogs/SwapKeyDialog.h"
#include "option/pages/KeyFunctionMenu.h"
#include "option/pages/MacroKeyPage.h"
#include "option/pages/MediaKeyPage.h"
#include "option/pages/StandardKeyPage.h"
#include "option/skin/SkinResources.h"
#include "translations/ProgramTranslations.h"
#include "uitext/LanguageChoice.h"

namespace {

using namespace orvyn;

class NoMonitor final : public MessagePoster {
public:
    bool exists(const std::string &) override { return false; }
    bool post(const std::string &, const PostedMessage &) override { return false; }
};

class NoShell final : public DocumentOpener {
public:
    bool openFile(const QString &) override { return false; }
    bool openAddress(const QString &) override { return false; }
};

void setKey(MacroKeyInfo &key, AssignType type, uint8_t flags, uint16_t code) {
    key.type = static_cast<uint8_t>(type);
    key.flags = flags;
    key.code = code;
}

// Profile 3 with one assignment of every kind.
void sampleProfile(ConfigBlock &config, const MacroLibrary &library) {
    config.CurrentProfile = 2;
    ProfileData &p = config.profiles[2];
    p.standardkey[44] = 224; // Caps Lock sends Left Ctrl
    p.standardkey[43] = 88;  // Enter sends the keypad's Enter
    p.standardkey[1] = 241;  // F1 is the left mouse button
    p.standardkey[45] = 20;  // A sends Q
    p.standardkey[101] = 83; // keypad minus sends Num Lock
    library.assign(0, config, 2, 0);
    setKey(p.keys[1], AssignType::KeyCombination, kModCtrl | kModShift | kModAlt | kModWin, 76);
    setKey(p.keys[2], AssignType::LaunchProgram, 3, 0);
    setFixed(p.keys[2].programPath, "/usr/games/supertuxkart");
    setKey(p.keys[3], AssignType::MouseButton, 5, 0);
    setKey(p.keys[4], AssignType::MouseGroupFunction, 0, 0);
    setKey(p.keys[5], AssignType::SingleFunction, 0, 0);
    setKey(p.keys[6], AssignType::DefaultFunction, 0, 0);
    library.assign(1, config, 2, 7);
    setKey(p.keys[8], AssignType::MediaFunction, 0, 197); // the longest media text
    setKey(p.keys[9], AssignType::MediaFunction, 0, 176);
    setKey(p.keys[10], AssignType::MediaFunction, 0, 184);
    setKey(p.keys[11], AssignType::SingleKey, 0, 75);
    setKey(p.keys[12], AssignType::KeyCombination, kModCtrl, 6);
    setKey(p.keys[13], AssignType::MediaFunction, 0, 192);
    setKey(p.keys[14], AssignType::KeyboardFunction, 6, 0);
    p.MediaOption = 0; // the longest player name
}

// The window as it shows on a mid-grey desktop, outside its outline too.
QImage render(QWidget &w) {
    QImage image(w.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(64, 68, 78));
    QPainter painter(&image);
    if (!w.mask().isEmpty())
        painter.setClipRegion(w.mask());
    w.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// The window with a popup menu and its open submenu drawn where they show.
QImage withMenus(QWidget &window, QMenu &top, QMenu &sub) {
    QImage image = render(window);
    const QPoint origin = window.mapToGlobal(QPoint(0, 0));
    QImage all(image.size().expandedTo(
                   QSize(sub.geometry().right() - origin.x() + 8, sub.geometry().bottom() - origin.y() + 8)),
               QImage::Format_ARGB32_Premultiplied);
    all.fill(QColor(64, 68, 78));
    QPainter painter(&all);
    painter.drawImage(0, 0, image);
    painter.drawPixmap(top.geometry().topLeft() - origin, top.grab());
    painter.drawPixmap(sub.geometry().topLeft() - origin, sub.grab());
    return all;
}

bool save(const QImage &image, const QString &path) {
    if (image.isNull() || !image.save(path, "PNG")) {
        std::fprintf(stderr, "option_gallery: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The pages in another language: --language CODE.
    const std::string language = shippedLanguageFor(takeLanguageArgument(argc, argv));
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: option_gallery [--language CODE] <program folder> <output folder>\n");
        return 2;
    }
    const std::string program = QDir(QString::fromLocal8Bit(argv[1])).absolutePath().toStdString() + "/";
    const QString output = QString::fromLocal8Bit(argv[2]);
    QTemporaryDir home;
    if (!QDir().mkpath(output) || !home.isValid() || !QDir().mkpath(home.path() + "/config")) {
        std::fprintf(stderr, "option_gallery: cannot create the output or a settings folder\n");
        return 1;
    }
    setSkinFolder(languageSkinFolder(QString::fromStdString(program + "skins/"), language));

    const std::string settingsDir = home.path().toStdString() + "/";
    {
        MacroLibrary library(settingsDir + "config/sequence.dat");
        for (const char *name : {"Rapid Fire", "Grenade Combo", "Build Order 3", "Sprint Jump Slide"}) {
            MacroRecord &r = library.create(name);
            r.count = 2;
            r.events[0] = {4, kEventPress, 40};
            r.events[1] = {4, kEventRelease, 0};
        }
        if (!library.save())
            return 1;
    }
    UiTextLibrary texts;
    texts.load(program, language.empty() ? std::string(kEnglish) : language);
    installTranslations(app, language.empty() ? std::string(kEnglish) : language, program);
    SettingsStore settings(settingsDir);
    NoMonitor poster;
    NoShell shell;
    const auto layout = makeUsLayout();
    const KeyCodeTable keys(*layout);
    ConfigSession session(settings, poster, texts, settingsDir + "config/sequence.dat");
    ConfigWindow window(
        ConfigWindow::Services{session, texts, poster, shell, settings, program, nullptr, layout.get()});
    window.initialize(nullptr, false);
    sampleProfile(session.working(), session.library());
    session.refresh();
    window.show();

    int failures = 0;
    const struct {
        int tab;
        const char *file;
    } pages[] = {{1, "option_key_mapping.png"}, {2, "option_macro_keys.png"}, {3, "option_media_keys.png"}};
    for (const auto &page : pages) {
        window.command(page.tab);
        failures += !save(render(window), output + "/" + page.file);
    }

    // The key menu of G1, which holds a library macro, with the macro
    // submenu open.
    window.command(ConfigWindow::MacroKeysTab);
    MacroKeyPage &macroPage = *window.macroKeyPage();
    BitmapButton *g1 = macroPage.keyButton(0);
    KeyFunctionMenu menu(keyMenuLayout(texts, session.library(), session.working().profiles[2].keys[0]),
                         KeyFunctionMenu::kMacroKeyWidths, &macroPage);
    menu.menu().popup(g1->mapToGlobal(QPoint(0, g1->height())));
    QAction *macros = menu.menu().actions().front();
    menu.menu().setActiveAction(macros);
    QMenu *sub = macros->menu();
    sub->popup(menu.menu().geometry().topLeft() +
               QPoint(menu.menu().width(), menu.menu().actionGeometry(macros).top()));
    failures += !save(withMenus(window, menu.menu(), *sub), output + "/option_key_menu.png");
    sub->close();
    menu.menu().close();

    ShortcutDialog shortcut(ShortcutChoice::fromSlot(session.working().profiles[2].keys[1]), keys, &window);
    shortcut.show();
    failures += !save(render(shortcut), output + "/option_shortcut.png");
    shortcut.close();
    SwapKeyDialog swap(1, 241, keys, texts, &window);
    swap.recordedKey(0x70, 0); // F1
    swap.show();
    failures += !save(render(swap), output + "/option_swap_key.png");
    swap.close();
    return failures == 0 ? 0 : 1;
}
