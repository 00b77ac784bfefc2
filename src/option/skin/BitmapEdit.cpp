#include "option/skin/BitmapEdit.h"

#include "option/skin/ContextMenus.h"
#include "option/skin/SkinFonts.h"

#include <QPalette>

namespace orvyn {

BitmapEdit::BitmapEdit(QWidget *parent) : QLineEdit(parent) {
    setFrame(false);
    setFont(skinFont(FontFace::Arial, 14, 5, 400));
    setAutoFillBackground(true);
    applyColours();
    useSkinnedEditMenu(*this);
    connect(this, &QLineEdit::textChanged, this, [this] {
        update();
        emit editChanged();
    });
}

void BitmapEdit::setTextColour(const QColor &colour) {
    textColour_ = colour;
    applyColours();
}

void BitmapEdit::setBackgroundColour(const QColor &colour) {
    backgroundColour_ = colour;
    applyColours();
}

void BitmapEdit::applyColours() {
    QPalette pal = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Text, textColour_);
        pal.setColor(group, QPalette::Base, backgroundColour_);
        pal.setColor(group, QPalette::Window, backgroundColour_);
    }
    setPalette(pal);
    update();
}

void BitmapEdit::focusOutEvent(QFocusEvent *event) {
    QLineEdit::focusOutEvent(event);
    emit editKillFocus();
}

} // namespace orvyn
