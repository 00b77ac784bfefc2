// A single-line edit field with its own colours and font that reports
// focus loss and changes to its window. Its right-click menu is the
// program's dark menu (ContextMenus.h).
#pragma once

#include <QColor>
#include <QLineEdit>

namespace orvyn {

class BitmapEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit BitmapEdit(QWidget *parent);

    void setTextColour(const QColor &colour);
    void setBackgroundColour(const QColor &colour);
    QColor textColour() const { return textColour_; }
    QColor backgroundColour() const { return backgroundColour_; }

signals:
    void editKillFocus();
    void editChanged();

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void applyColours();

    QColor textColour_{0x24, 0x24, 0x24};
    QColor backgroundColour_{0xFF, 0xFF, 0xFF};
};

} // namespace orvyn
