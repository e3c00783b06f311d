#include "support/Application.h"
#include "app/CenterEdit.h"
#include "app/EnterFocus.h"
#include "app/RightEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// An entry screen as the program builds them: fields, a grid, a multi-line note and a default
// OK button that accepts the dialog.
class EntryForm : public QDialog {
public:
    EntryForm()
    {
        auto* layout = new QVBoxLayout(this);
        for (QWidget* w : std::initializer_list<QWidget*>{name, amount, year, kind, count, flag, grid, note, ok})
            layout->addWidget(w);
        kind->setEditable(true);
        kind->addItems({QStringLiteral("1 : A"), QStringLiteral("2 : B")});
        grid->setRowCount(2);
        grid->setColumnCount(2);
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }

    QLineEdit* name = new QLineEdit;
    TRightEdit* amount = new TRightEdit;
    TCenterEdit* year = new TCenterEdit;
    QComboBox* kind = new QComboBox;
    QSpinBox* count = new QSpinBox;
    QCheckBox* flag = new QCheckBox;
    QTableWidget* grid = new QTableWidget;
    QPlainTextEdit* note = new QPlainTextEdit;
    QPushButton* ok = new QPushButton(QStringLiteral("OK"));
};

class SharedEnterKey : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        form = std::make_unique<EntryForm>();
        app::installEnterMovesFocus(form.get());
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    // Presses a key on whatever has the focus, as the keyboard would.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* w = QApplication::focusWidget();
        ASSERT_NE(w, nullptr);
        QTest::keyClick(w, key, modifiers);
        QApplication::processEvents();   // what widgets queue on a key, such as a grid committing its cell
    }

    std::unique_ptr<EntryForm> form;
};

} // namespace

TEST_F(SharedEnterKey, EnterWalksTheFieldsAndIsSwallowed)
{
    int nameLeft = 0;
    QObject::connect(form->name, &QLineEdit::editingFinished, [&] { ++nameLeft; });
    form->name->setFocus();
    ASSERT_TRUE(form->name->hasFocus());
    press(Qt::Key_A);

    press(Qt::Key_Return);
    EXPECT_TRUE(form->amount->hasFocus());
    EXPECT_EQ(nameLeft, 1) << "the field left is checked once, as on Tab";
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(form->year->hasFocus());
    press(Qt::Key_Return);
    EXPECT_TRUE(form->kind->hasFocus());
    press(Qt::Key_Return);
    EXPECT_TRUE(form->count->hasFocus());
    press(Qt::Key_Return);
    EXPECT_TRUE(form->flag->hasFocus());
    press(Qt::Key_Return);
    EXPECT_TRUE(form->grid->hasFocus());
    EXPECT_TRUE(form->isVisible()) << "no Enter reached the default button";
    EXPECT_EQ(form->result(), QDialog::Rejected);
}

TEST_F(SharedEnterKey, ButtonsGridsNotesAndModifiedEnterKeepTheirOwnEnter)
{
    // A grid's cell editor commits the cell on Enter and stays on that cell.
    form->grid->setItem(0, 0, new QTableWidgetItem);
    form->grid->setItem(0, 1, new QTableWidgetItem);
    form->grid->setFocus();
    form->grid->setCurrentCell(0, 0);
    form->grid->editItem(form->grid->item(0, 0));
    press(Qt::Key_X);

    press(Qt::Key_Return);
    EXPECT_EQ(form->grid->item(0, 0)->text(), QStringLiteral("x"));
    EXPECT_EQ(form->grid->currentColumn(), 0);
    EXPECT_EQ(QApplication::focusWidget(), form->grid) << "the editor is closed, not moved on";


    form->note->setFocus();
    press(Qt::Key_Return);
    EXPECT_TRUE(form->note->hasFocus());
    EXPECT_EQ(form->note->toPlainText(), QStringLiteral("\n"));

    form->name->setFocus();
    press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(form->name->hasFocus());

    form->ok->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(form->result(), QDialog::Accepted) << "a focused button still clicks";
}

TEST_F(SharedEnterKey, InstallingTwiceKeepsOneMechanism)
{
    QObject* again = app::installEnterMovesFocus(form.get());
    EXPECT_EQ(again, app::installEnterMovesFocus(form.get()));
    form->name->setFocus();
    press(Qt::Key_Return);
    EXPECT_TRUE(form->amount->hasFocus()) << "one step, not two";

    delete again;   // switched off: Enter reaches the dialog again
    form->name->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(form->result(), QDialog::Accepted);
}
