#include "yardstick/EntryScreen.h"

#include "app/ComboHelpers.h"
#include "app/EnterFocus.h"
#include "app/RightEdit.h"
#include "data/DataModule.h"
#include "master/FieldExit.h"
#include "platform/Dialogs.h"
#include "yardstick/EntryFields.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace yardstick {

QPushButton* entryButton(QWidget* parent, const char* name, const QString& text, QRect geometry)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(geometry);
    return b;
}

QLineEdit* numberEdit(QWidget* parent, const QString& name, QRect geometry)
{
    auto* e = new TRightEdit(parent);
    e->setObjectName(name);
    e->setGeometry(geometry);
    return e;
}

QLineEdit* textEdit(QWidget* parent, const QString& name, QRect geometry, int maxLength)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setGeometry(geometry);
    e->setMaxLength(maxLength);
    return e;
}

QLabel* caption(QWidget* parent, const QString& text, QRect geometry)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    return l;
}

QComboBox* codeBox(QWidget* parent, const QString& name, QRect geometry)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setGeometry(geometry);
    return box;
}

void warn(const QString& text)
{
    platform::dialogs().warning(text, platform::appTitle());
}

bool checkNumberEdit(QLineEdit* edit, const NumberField& field)
{
    const app::FieldCheck c = checkNumberField(field, edit->text());
    if (!c.accepted) {
        warn(c.message);
        return false;
    }
    if (!c.text.isEmpty() && c.text != edit->text())
        edit->setText(c.text);
    return true;
}

bool askStayWithChanges(const QString& where)
{
    return platform::dialogs().question(QStringLiteral("ﾃﾞｰﾀが変更されています。\r【はい】:戻ります。\r【いいえ】:") + where,
                                        QStringLiteral("確認"));
}

bool askDelete()
{
    return platform::dialogs().question(QStringLiteral("ﾃﾞｰﾀを削除しますか？\r【はい】:削除します。\r【いいえ】:戻ります。"),
                                        QStringLiteral("削除"));
}

} // namespace yardstick

namespace yardstick {

int movedPosition(Move move, int pos, int count)
{
    switch (move) {
    case Move::First: return count > 0 ? 1 : 0;
    case Move::Back: return pos > 1 && pos - 1 <= count ? pos - 1 : 0;
    case Move::Next: return pos < count ? pos + 1 : 0;
    case Move::Last: return count > 0 ? count : 0;
    }
    return 0;
}

QString moveDestination(Move move)
{
    switch (move) {
    case Move::First: return QStringLiteral("最初のデータ　へ。");
    case Move::Back: return QStringLiteral("前のデータ　へ。");
    case Move::Next: return QStringLiteral("次のデータ　へ。");
    case Move::Last: return QStringLiteral("最後のデータ　へ。");
    }
    return {};
}

} // namespace yardstick

namespace yardstick {

EntryDialog::EntryDialog(data::TFDM& dm, QWidget* parent, const QString& name, const QString& title)
    : QDialog(parent), dm_(dm)
{
    setObjectName(name);
    setWindowTitle(title);
    exits_ = new master::FieldExit(this, [this](QWidget* field) { return checkLeaving(field); });
    app::installEnterMovesFocus(this);
    setFixedSize(777, 566);
}

void EntryDialog::changed()
{
    if (!filling_)
        dm_.state.DataChanged = 1;
}

QComboBox* EntryDialog::addCodeBox(const QString& captionText, const QString& name, int width)
{
    caption(this, captionText, QRect(28, 22, 90, 22));
    codeBox_ = codeBox(this, name, QRect(122, 20, width, 26));
    return codeBox_;
}

bool EntryDialog::chooseCode(const QString& typed)
{
    filling_ = true;
    codeBox_->setEditText(typed);
    filling_ = false;
    return checkLeaving(codeBox_);
}

QPushButton* EntryDialog::addCommandButtons(const char* cancelName)
{
    btnAdd = entryButton(this, "btnAdd", QStringLiteral("登　録"), QRect(317, 510, 100, 34));
    btnDlt = entryButton(this, "btnDlt", QStringLiteral("削　除"), QRect(427, 510, 100, 34));
    QPushButton* cancel = entryButton(this, cancelName, QStringLiteral("ｷｬﾝｾﾙ"), QRect(537, 510, 100, 34));
    btnClose = entryButton(this, "btnClose", QStringLiteral("閉じる"), QRect(647, 510, 100, 34));
    connect(btnAdd, &QPushButton::clicked, this, [this] { btnAddClick(); });
    connect(btnDlt, &QPushButton::clicked, this, [this] { btnDltClick(); });
    connect(btnClose, &QPushButton::clicked, this, &EntryDialog::btnCloseClick);
    return cancel;
}

void EntryDialog::chainFields(const std::vector<QWidget*>& order)
{
    for (size_t i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
    for (QWidget* w : order) {
        exits_->watch(w);
        if (auto* e = qobject_cast<QLineEdit*>(w))
            connect(e, &QLineEdit::textEdited, this, &EntryDialog::changed);
    }
}

void EntryDialog::btnCloseClick()
{
    if (dm_.state.DataChanged && askStayWithChanges(QStringLiteral("画面を閉じます。"))) {
        stayField()->setFocus(Qt::OtherFocusReason);
        return;
    }
    dm_.state.DataChanged = 0;
    closing_ = true;
    QDialog::reject();
    closing_ = false;
}

void EntryDialog::reject()
{
    // Escape and the close box ask like the close button.
    if (closing_)
        QDialog::reject();
    else
        btnCloseClick();
}

void EntryDialog::moveAsking(Move to, int pos, int count, const std::function<void(int)>& show)
{
    const int target = movedPosition(to, pos, count);
    if (target == 0)
        return;
    if (dm_.state.DataChanged && askStayWithChanges(moveDestination(to))) {
        stayField()->setFocus(Qt::OtherFocusReason);
        return;
    }
    show(target);
    dm_.state.DataChanged = 0;
    stayField()->setFocus(Qt::OtherFocusReason);
}

bool EntryDialog::leaveCodeBox(QComboBox* box, int current, const std::function<void(int)>& show)
{
    if (box->currentText().isEmpty()) {
        dm_.state.DataChanged = 0;
        return true;
    }
    int code = 0;
    if (!app::CheckCodeCombo(box, false, code, false, true))
        return false;
    if (code == current && dm_.state.DataChanged) {
        box->setEditText(QString::number(code));
        return true;
    }
    show(code);
    dm_.state.DataChanged = 0;
    return true;
}

EntryDialog::Navigation EntryDialog::addNavigation(const std::function<void(Move)>& move)
{
    Navigation n;
    n.current = numberEdit(this, QStringLiteral("txtCureentNo"), QRect(560, 20, 60, 26));
    caption(this, QStringLiteral("／"), QRect(626, 22, 16, 22));
    n.last = numberEdit(this, QStringLiteral("txtLastNo"), QRect(644, 20, 60, 26));
    for (QLineEdit* e : {n.current, n.last}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
    }
    const struct {
        const char* name;
        const char* text;
        Move move;
    } buttons[] = {{"btnFirst", "|◀", Move::First}, {"btnBack", "◀", Move::Back}, {"btnNext", "▶", Move::Next},
                   {"btnLast", "▶|", Move::Last}};
    for (int i = 0; i < 4; ++i) {
        QPushButton* b = entryButton(this, buttons[i].name, QString::fromUtf8(buttons[i].text), QRect(20 + 52 * i, 510, 48, 34));
        connect(b, &QPushButton::clicked, this, [move, to = buttons[i].move] { move(to); });
        n.buttons[size_t(i)] = b;
    }
    return n;
}

ListEntryDialog::ListEntryDialog(data::TFDM& dm, QWidget* parent, const QString& name, const QString& title,
                                 bool blankEmptyCount)
    : EntryDialog(dm, parent, name, title), blankEmptyCount_(blankEmptyCount)
{
    const Navigation nav = addNavigation([this](Move to) { move(to); });
    txtCureentNo = nav.current;
    txtLastNo = nav.last;
    btnFirst = nav.buttons[0];
    btnBack = nav.buttons[1];
    btnNext = nav.buttons[2];
    btnLast = nav.buttons[3];
}

void ListEntryDialog::addListCommandButtons()
{
    btnCancel = addCommandButtons("btnCancel");
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
}

void ListEntryDialog::move(Move to)
{
    moveAsking(to, pos_, rowCount(), [this](int target) { showRow(target); });
}

void ListEntryDialog::showPosition()
{
    const int count = rowCount();
    txtCureentNo->setText(pos_ > 0 ? QString::number(pos_) : QString());
    txtLastNo->setText(count == 0 && blankEmptyCount_ ? QString() : QString::number(count));
}

} // namespace yardstick
