// The macro manager's dark list: 18-pixel rows, each with a text, a 32-bit
// value and an optional icon (the value's low 16 bits name it), and a field
// that edits a row in place.
//
// The in-place field: Enter commits (an empty text deletes the row), Esc
// deletes the row being edited, and moving the focus elsewhere commits as
// Enter does without touching the selection. A commit that leaves the row
// there emits editDone(row, id); every other end emits editDropped(id).
// A right-button press emits rightButtonPressed(id), and so do the menu key
// and Shift+F10; menuPosition() says where that menu belongs. The wheel
// scrolls one row per turn.
#pragma once

#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <map>

namespace orvyn {

class EditableListBox final : public QListWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 18;
    static constexpr int kNameEditMaxChars = 15;
    static constexpr int kDigitsEditMaxChars = 20;

    EditableListBox(int id, QWidget *parent);

    int id() const { return id_; }

    void addRow(const QString &text, uint32_t value = 0);
    uint32_t rowValue(int row) const;
    QString rowText(int row) const;

    // Appends an empty row and edits it (any text, 15 characters).
    void startEditingNewRow();
    // Edits the selected row (digits only, 20 characters), starting with
    // `text`; nothing when no row is selected.
    void startEditingSelectedRow(const QString &text);
    bool editing() const { return !editField_.isNull(); }
    QLineEdit *editField() const { return editField_; }
    int editedRow() const { return editedRow_; }

    // Scrolls `row` (the last one when -1 or beyond the end) into view;
    // away from both ends two more rows below it are shown as well.
    void keepInView(int row);

    // Where the last menu asked for opens, in screen coordinates: at the
    // pointer for the right button, under the current row (or at the list's
    // top) for the keyboard.
    QPoint menuPosition() const { return menuPosition_; }

    // The icon drawn for a row value; black counts as transparent.
    static QImage rowIcon(uint16_t icon);

signals:
    void editDone(int row, int listId);
    void editDropped(int listId);
    void rightButtonPressed(int listId);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    enum class EditEnd { Commit, CommitKeepSelection, Drop };
    void openEditor(int row, int left, const QString &text, int maxChars, bool digitsOnly);
    void finishEdit(EditEnd end);

    int id_;
    QPointer<QLineEdit> editField_;
    int editedRow_ = -1;
    QPoint menuPosition_;
    bool finishing_ = false;
};

} // namespace orvyn
