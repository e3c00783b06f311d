#pragma once
// What the yardstick entry screens share: their buttons and edit boxes, the numeric field check on
// leaving, the two questions every entry screen asks in the same words, and the dialog they are
// built on.

#include <QDialog>
#include <QRect>
#include <QString>
#include <array>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace data {
class TFDM;
}

namespace master {
class FieldExit;
}

namespace yardstick {

struct NumberField;

// A button that takes no focus (clicking it leaves no field).
QPushButton* entryButton(QWidget* parent, const char* name, const QString& caption, QRect geometry);
// A right-aligned numeric box; a left-aligned text box of at most maxLength characters.
QLineEdit* numberEdit(QWidget* parent, const QString& name, QRect geometry);
QLineEdit* textEdit(QWidget* parent, const QString& name, QRect geometry, int maxLength);
QLabel* caption(QWidget* parent, const QString& text, QRect geometry);
// The code box of a screen: an editable list whose typed text is taken as it is (no completion).
QComboBox* codeBox(QWidget* parent, const QString& name, QRect geometry);

// Shows a refusal with the application title.
void warn(const QString& text);
// Checks the box as the field it is: a refusal is shown and false returned; an accepted value is
// written back in the field's format.
bool checkNumberEdit(QLineEdit* edit, const NumberField& field);

// "ﾃﾞｰﾀが変更されています。" / "【はい】:戻ります。" / "【いいえ】:" + where (caption "確認"):
// true when the user chose to stay.
bool askStayWithChanges(const QString& where);
// "ﾃﾞｰﾀを削除しますか？" / "【はい】:削除します。" / "【いいえ】:戻ります。" (caption "削除").
bool askDelete();

} // namespace yardstick

namespace yardstick {

// The list navigation of the model screens: where 最初, 前, 次 and 最後 lead from position pos
// (1-based, 0 = none) in a list of count rows; 0 when the button does nothing there.
enum class Move { First, Back, Next, Last };
int movedPosition(Move move, int pos, int count);
// The third line of the question before a move with unsaved changes ("最初のデータ　へ。" ...).
QString moveDestination(Move move);

} // namespace yardstick

namespace yardstick {

// The part every yardstick entry screen shares: the code box at the top left with chooseCode(), the
// field checks on leaving (checkLeaving), Enter moving on, the buttons btnAdd, btnDlt, cancel and
// btnClose at the bottom right, and closing (the close button, Escape and the close box) that asks
// first when there are unsaved changes.
class EntryDialog : public QDialog {
    Q_OBJECT
public:
    // Chooses a code as leaving the code box with it typed does; false when it was refused.
    bool chooseCode(const QString& typed);
    int currentCode() const { return code_; }

    virtual void btnAddClick() = 0;
    virtual void btnDltClick() = 0;
    void btnCloseClick();

    QPushButton* btnAdd = nullptr;
    QPushButton* btnDlt = nullptr;
    QPushButton* btnClose = nullptr;

protected:
    // The screen named name with the window title title, in the size all entry screens have.
    EntryDialog(data::TFDM& dm, QWidget* parent, const QString& name, const QString& title);
    void reject() override;
    // The check of a field the user leaves; false keeps the focus in it.
    virtual bool checkLeaving(QWidget* field) = 0;
    // The field that gets the focus when the user chooses to stay with the changes.
    virtual QWidget* stayField() const = 0;
    // Marks the data changed unless the screen itself is filling its fields.
    void changed();
    // The caption and the code box (named name, width wide) at the top left, used by chooseCode.
    QComboBox* addCodeBox(const QString& captionText, const QString& name, int width);
    // btnAdd, btnDlt, the cancel button (named cancelName, returned for the screen to connect) and
    // btnClose along the bottom right.
    QPushButton* addCommandButtons(const char* cancelName);
    // The input fields in tab order: each is checked on leaving, and typing into a line edit marks
    // the data changed.
    void chainFields(const std::vector<QWidget*>& order);
    // A navigation button over a list of count rows shown at pos: asks with unsaved changes, then
    // shows the row at the new position (show(target)) and clears the changes.
    void moveAsking(Move to, int pos, int count, const std::function<void(int)>& show);
    // The list position boxes (txtCureentNo "／" txtLastNo, read-only) at the top right and the
    // navigation buttons btnFirst, btnBack, btnNext, btnLast at the bottom left, calling move.
    struct Navigation {
        QLineEdit* current = nullptr;
        QLineEdit* last = nullptr;
        std::array<QPushButton*, 4> buttons{};
    };
    Navigation addNavigation(const std::function<void(Move)>& move);
    // The code box of the model screens left: an empty box only clears the changes; otherwise the
    // typed code must be a number other than 0 (unknown codes are allowed). The code shown with
    // changes on the screen keeps them; any other code is shown by show(code) and the changes are
    // cleared. The box then holds the bare code. False after a refusal.
    bool leaveCodeBox(QComboBox* box, int current, const std::function<void(int)>& show);

    data::TFDM& dm_;
    master::FieldExit* exits_ = nullptr;
    int code_ = 0;
    bool filling_ = false;

private:
    QComboBox* codeBox_ = nullptr;
    bool closing_ = false;
};

// The model screens: an entry screen over a list of rows, one shown at a time, with the list
// position at the top right and the navigation buttons at the bottom left.
class ListEntryDialog : public EntryDialog {
    Q_OBJECT
public:
    int position() const { return pos_; }

    QLineEdit* txtCureentNo = nullptr;
    QLineEdit* txtLastNo = nullptr;
    QPushButton* btnFirst = nullptr;
    QPushButton* btnBack = nullptr;
    QPushButton* btnNext = nullptr;
    QPushButton* btnLast = nullptr;
    QPushButton* btnCancel = nullptr;

    virtual void btnCancelClick() = 0;

public Q_SLOTS:
    void move(yardstick::Move to);

protected:
    // blankEmptyCount: txtLastNo stays empty (rather than "0") while the list is empty.
    ListEntryDialog(data::TFDM& dm, QWidget* parent, const QString& name, const QString& title, bool blankEmptyCount);
    virtual int rowCount() const = 0;
    // Shows the row at pos (1-based) and sets pos_.
    virtual void showRow(int pos) = 0;
    // btnAdd, btnDlt, btnCancel and btnClose.
    void addListCommandButtons();
    // The position (empty for none) and the number of rows in the position boxes.
    void showPosition();

    int pos_ = 0;

private:
    bool blankEmptyCount_ = false;
};

} // namespace yardstick
