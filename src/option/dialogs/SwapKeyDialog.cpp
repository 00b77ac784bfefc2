#include "option/dialogs/SwapKeyDialog.h"

#include <QPainter>

#include "option/skin/SkinFonts.h"
#include "option/skin/SkinnedMenu.h"

namespace orvyn {

namespace {

constexpr int kMouseFunctionWidth = 107;

} // namespace

SwapKeyDialog::SwapKeyDialog(int position, uint8_t initialCode, const KeyCodeTable &keys,
                             const TextSource &texts, QWidget *parent)
    : KeyCaptureDialog(parent), texts_(texts), choice_(position, initialCode, keys, texts) {
    std::vector<SkinControlSetup> controls;
    for (int section = NewKey; section <= TitleText; ++section) {
        SkinControlSetup setup;
        setup.section = section;
        setup.index = section;
        if (section == NewKey)
            setup.kind = SkinControlKind::Edit;
        else if (section == TitleText)
            setup.kind = SkinControlKind::PlaceOnly;
        else if (section == ModeKey || section == ModeMouse)
            setup.toggleMode = ToggleMode::Toggle;
        controls.push_back(setup);
    }
    loadSkin(QString::fromLatin1(SwapKeyDialogSkin::kFile), controls);
    setWindowTitle(QStringLiteral("Swap key Dialog"));
    setDialogButtons(dialogButtonsOf<SwapKeyDialogSkin>());

    if (BitmapEdit *e = edit(NewKey)) {
        e->setTextColour(Qt::black);
        e->setBackgroundColour(Qt::white);
        e->setAlignment(Qt::AlignCenter);
        // The key is chosen by pressing it, never by typing a name.
        e->setReadOnly(true);
    }
    if (BitmapButton *b = button(MouseFunction))
        b->setControlRole(ControlRole::MenuButton);
    showFunction();
    showMode();
}

void SwapKeyDialog::recordedKey(const Keystroke &keystroke) {
    if (const auto name = choice_.capture(keystroke))
        setKeyText(*name);
}

void SwapKeyDialog::setKeyText(const std::string &name) {
    if (BitmapEdit *e = edit(NewKey))
        e->setText(QString::fromStdString(name));
}

std::vector<std::pair<int, QString>> SwapKeyDialog::functionMenuItems() const {
    std::vector<std::pair<int, QString>> items;
    for (int n = 0; n < kMouseFunctionCount; ++n)
        items.emplace_back(
            kMouseFunctionFirstCommand + n,
            QString::fromStdString(texts_.text(kFirstMouseFunctionText + static_cast<unsigned>(n))));
    return items;
}

void SwapKeyDialog::accept() {
    choice_.accept();
    KeyCaptureDialog::accept();
}

void SwapKeyDialog::command(int section) {
    switch (section) {
    case Default:
        if (const auto name = choice_.restore()) {
            setKeyText(*name);
            showMode();
        }
        break;
    case MouseFunction:
        openFunctionMenu();
        break;
    case ModeKey:
        choice_.setMode(SwapKeyChoice::Mode::Key);
        showMode();
        break;
    case ModeMouse:
        choice_.setMode(SwapKeyChoice::Mode::MouseFunction);
        showMode();
        break;
    default:
        KeyCaptureDialog::command(section);
        break;
    }
}

void SwapKeyDialog::openFunctionMenu() {
    BitmapButton *b = button(MouseFunction);
    if (!b)
        return;
    SkinnedMenu menu(skinFont(FontFace::Arial, 14, 0, 400), this);
    for (const auto &[command, text] : functionMenuItems())
        menu.append(command, text);
    menu.setItemWidth(kMouseFunctionWidth);
    const int command = menu.run(b->mapToGlobal(QPoint(1, b->height())));
    // The button lost the pointer to the menu: it must not stay lit.
    b->setHover(false);
    if (command != 0) {
        choice_.chooseFunction(command);
        showFunction();
    }
}

void SwapKeyDialog::showFunction() {
    if (BitmapButton *b = button(MouseFunction))
        b->setCaption(QString::fromStdString(choice_.functionName()));
}

void SwapKeyDialog::showMode() {
    const bool function = choice_.mode() == SwapKeyChoice::Mode::MouseFunction;
    if (BitmapButton *b = button(ModeKey))
        b->setChecked(function ? ButtonCheck::Released : ButtonCheck::Pressed);
    if (BitmapButton *b = button(ModeMouse))
        b->setChecked(function ? ButtonCheck::Pressed : ButtonCheck::Released);
}

void SwapKeyDialog::paintSkinTexts(QPainter &painter) {
    const QPoint corner = controlRect(TitleText).topLeft();
    painter.setFont(skinFont(FontFace::Arial, 16, 0, 700));
    painter.setPen(QColor(255, 0, 0));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(QRect(corner, QSize(width() - corner.x(), height() - corner.y())),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     QString::fromStdString(choice_.titleText()));
}

} // namespace orvyn
