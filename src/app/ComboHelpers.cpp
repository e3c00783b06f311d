#include "app/ComboHelpers.h"

#include "data/DataModule.h"
#include "platform/Dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>

#include <algorithm>

namespace app {

namespace {

data::AppState& state() { return data::TFDM::current().state; }

void warn(const QString& text)
{
    platform::dialogs().message(platform::MessageKind::Warning, text, platform::appTitle());
}

QStringList itemsOf(const QComboBox* box)
{
    QStringList items;
    items.reserve(box->count());
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// Selects item index and, in an editable box, shows it as the text as well.
void selectItem(QComboBox* box, int index)
{
    box->setCurrentIndex(index);
    if (box->isEditable() && index >= 0)
        box->setEditText(box->itemText(index));
}

std::vector<bool> statesOf(const QList<QCheckBox*>& boxes)
{
    std::vector<bool> states;
    states.reserve(size_t(boxes.size()));
    for (const QCheckBox* b : boxes)
        states.push_back(b->isChecked());
    return states;
}

} // namespace

void FillComboFromSql(const QString& sql, QComboBox* box, bool withNone)
{
    box->clear();
    QStringList items;
    if (withNone)
        items << noneItem();
    data::TFDM& d = data::TFDM::current();
    data::Query& q = d.Query21;
    d.RunSql(q, sql, QLatin1Char('S'));   // a failure has been shown; the list keeps what it has
    if (q.isActive()) {
        const int column = q.columnIndex(QStringLiteral("COMBNAME"));
        while (!q.eof()) {
            items << VarToStrZero(column >= 0 ? q.value(column) : QVariant());
            if (!q.next())
                break;
        }
    }
    q.close();
    box->addItems(items);
}

void FillEvaluationCombo(QComboBox* box, int wageTable)
{
    const data::TMKIGYOU2& c = state().CurrentCompany;
    FillComboFromSql(QStringLiteral("select HCO || ' : ' || HKIGOU as COMBNAME from MHYOUKA where KCO = ")
                         + QString::number(VarToIntSafe(c.KCO)) + QStringLiteral(" and NENDO = ")
                         + QString::number(VarToIntSafe(c.NENDO)) + QStringLiteral(" and SKCO = ")
                         + QString::number(wageTable) + QStringLiteral(" order by HCO"),
                     box, false);
    box->addItem(noneItem());
}

void FillGradeCombo(QComboBox* box)
{
    box->clear();
    QStringList items;
    for (int n = 1; n <= 9; ++n)
        items << GradeItemText(n);
    items << notSpecifiedItem();
    box->addItems(items);
}

void FillLineStyleCombo(QComboBox* box)
{
    box->clear();
    box->addItems(lineStyleItems());
}

QString LineStyleText(QComboBox* box, int n) { return box->itemText(std::clamp(n, 0, 5)); }

int SelectComboCode(QComboBox* box, int code)
{
    const QString key = QString::number(code);
    for (int i = 0; i < box->count(); ++i) {
        if (itemCode(box->itemText(i)) == key) {
            selectItem(box, i);
            return i;
        }
    }
    box->setCurrentIndex(-1);
    return -1;
}

int ComboCode(QComboBox* box)
{
    const int i = box->currentIndex();
    if (i < 0)
        return 0;
    const QString item = box->itemText(i);
    if (!item.contains(QStringLiteral(" : ")))
        return 0;
    return int(parseWholeNumber(itemCode(item)).value_or(0));
}

QString ComboName(QComboBox* box)
{
    const int i = box->currentIndex();
    return i < 0 ? QString() : itemName(box->itemText(i));
}

QString CodeComboText(QComboBox* box, const QString& codeText, bool zeroMeansNone)
{
    const CodeChoice choice = chooseCodeItem(itemsOf(box), codeText, zeroMeansNone);
    if (choice.index >= 0)
        box->setCurrentIndex(choice.index);
    return choice.text;
}

bool CheckCodeCombo(QComboBox* box, bool required, int& code, bool mustExist, bool zeroForbidden)
{
    const CodeCheck r = checkCodeText(itemsOf(box), box->currentText(), required, mustExist, zeroForbidden);
    code = r.code;
    if (!r.accepted) {
        warn(r.message);
        return false;
    }
    if (r.index >= 0) {
        selectItem(box, r.index);
    } else if (!r.text.isEmpty()) {
        box->setCurrentIndex(-1);
        if (box->isEditable())
            box->setEditText(r.text);
    }
    return true;
}

CodeText SplitCodeText(QComboBox* box) { return splitCodeText(box->currentText()); }

CodeText SplitCodeText(QLineEdit* edit) { return splitCodeText(edit->text()); }

bool CheckIntEdit(QLineEdit* edit, int maxLength, const QString& format, qint64 min, qint64 max)
{
    const FieldCheck r = checkIntText(edit->text(), maxLength, format, min, max);
    if (!r.accepted) {
        warn(r.message);
        return false;
    }
    if (!r.text.isEmpty())
        edit->setText(r.text);
    return true;
}

bool CheckFloatEdit(QLineEdit* edit, int maxLength, const QString& format)
{
    const FieldCheck r = checkFloatText(edit->text(), maxLength, format);
    if (!r.accepted) {
        warn(r.message);
        return false;
    }
    if (!r.text.isEmpty())
        edit->setText(r.text);
    return true;
}

QString CheckedInList(const QList<QCheckBox*>& boxes) { return CheckedInList(statesOf(boxes)); }

void SetChecksFromFlags(const QList<QCheckBox*>& boxes, const QString& flags)
{
    const std::vector<bool> states = statesFromFlags(flags, int(boxes.size()));
    for (qsizetype i = 0; i < boxes.size(); ++i)
        boxes.at(i)->setChecked(states[size_t(i)]);
}

QString FlagsFromChecks(const QList<QCheckBox*>& boxes) { return flagsFromStates(statesOf(boxes)); }

void SetAllChecked(const QList<QCheckBox*>& boxes, bool checked)
{
    for (QCheckBox* b : boxes)
        b->setChecked(checked);
}

int FirstCheckedIndex(const QList<QRadioButton*>& buttons)
{
    std::vector<bool> states;
    states.reserve(size_t(buttons.size()));
    for (const QRadioButton* b : buttons)
        states.push_back(b->isChecked());
    return firstChecked(states);
}

void ShowWageFormLabels(int workForm, const std::array<QLabel*, 8>& labels)
{
    const std::array<QString, 8> captions = WageFormLabels(workForm);
    for (size_t i = 0; i < labels.size(); ++i)
        if (labels[i])
            labels[i]->setText(captions[i]);
}

bool LoadPictureFile(QLabel* image, QString& name)
{
    const std::optional<QImage> picture = loadPicture(name);
    if (!picture) {
        image->clear();
        name.clear();
        return false;
    }
    image->setPixmap(QPixmap::fromImage(*picture));
    return true;
}

} // namespace app
