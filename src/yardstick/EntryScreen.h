#pragma once
// What the yardstick entry screens share: their buttons and edit boxes, the numeric field check on
// leaving, and the two questions every entry screen asks in the same words.

#include <QDialog>
#include <QRect>
#include <QString>
#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace data {
class TFDM;
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

// The part every yardstick entry screen shares: closing (the close button, Escape and the close
// box) asks first when there are unsaved changes, and so do the navigation buttons.
class EntryDialog : public QDialog {
    Q_OBJECT
public:
    void btnCloseClick();

protected:
    EntryDialog(data::TFDM& dm, QWidget* parent);
    void reject() override;
    // The field that gets the focus when the user chooses to stay with the changes.
    virtual QWidget* stayField() const = 0;
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

private:
    bool closing_ = false;
};

} // namespace yardstick
