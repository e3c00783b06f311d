// The yardstick screens, offscreen: a refused field keeps the focus and stores nothing, the
// states after opening, saving an unchanged model wage, deleting the last point, and the
// comparisons' preconditions and radios.

#include "YardstickFixture.h"
#include "analysis/TQK1100.h"
#include "support/Application.h"
#include "curves/SelectionControls.h"
#include "yardstick/ComparisonScreen.h"
#include "yardstick/CostOfLiving.h"
#include "yardstick/ModelWages.h"
#include "yardstick/TQK0050.h"
#include "yardstick/TQK0060.h"
#include "yardstick/TQK0080.h"

#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <functional>
#include <memory>
#include <tuple>
#include <gtest/gtest.h>

namespace {

using namespace yardstick;
using yardfixture::scalar;

QString q(const char* text) { return QString::fromUtf8(text); }

void showActive(QWidget* w)
{
    w->show();
    QApplication::setActiveWindow(w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
}

bool focused(QWidget* field)
{
    QWidget* f = QApplication::focusWidget();
    return f && (f == field || field->isAncestorOf(f));
}

// Types text into field (replacing what it holds) and leaves it with Tab.
void typeAndLeave(QWidget* field, const QString& text)
{
    field->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    if (auto* box = qobject_cast<QComboBox*>(field))
        box->lineEdit()->selectAll();
    else
        static_cast<QLineEdit*>(field)->selectAll();
    // As the keyboard types it; other characters as an input method commits them.
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(QApplication::focusWidget(), &commit);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QApplication::processEvents();
}

QString lastMessage(TestHome& home)
{
    return home.dialogs.log.empty() ? QString() : home.dialogs.log.back().text;
}

// Types text into field and leaves it: refused with message, the focus stays in the field.
void expectRefused(TestHome& home, QWidget* field, const QString& text, const QString& message)
{
    home.dialogs.clear();
    typeAndLeave(field, text);
    EXPECT_EQ(lastMessage(home), message);
    EXPECT_TRUE(focused(field));
}

struct WithApplication {
    WithApplication() { ensureApplication(); }
};

// A screen test's start: an empty year with company 1 open with the cost-of-living code skco and
// the model code mdco, the rows store puts there, then the screen made and prepared.
template <class Screen>
struct Opened : WithApplication {
    TestHome home;
    data::TFDM& dm = home.dm();
    std::unique_ptr<Screen> screen;

    Opened(int skco, int mdco, const std::function<void(data::TFDM&)>& store = {})
    {
        yardfixture::emptyYear(home, skco, mdco);
        if (store)
            store(dm);
        screen = std::make_unique<Screen>(dm);
        screen->Prepare();
    }
};

// Code 7 with one household: 4 persons, 40 years, 261 thousand yen.
void storeTable(data::TFDM& dm, int code)
{
    CostOfLivingTable t = clearedCostOfLiving(code);
    t.rows[0] = Household{4, 40, 261, 1.2, 0.8, 0.6};
    t.multiplier = 1;
    t.source = q("人事院");
    ASSERT_TRUE(saveCostOfLiving(dm, t));
}

TEST(CostOfLivingScreen, RefusedFieldsKeepTheFocusAndSaveNothing)
{
    Opened<TQK0050> o(7, 0, [](data::TFDM& dm) { storeTable(dm, 7); });
    auto [home, dm, screen] = std::tie(o.home, o.dm, *o.screen);
    showActive(&screen);
    EXPECT_EQ(screen.cmbSeikeiID->currentText(), q("7 : 人事院"));
    EXPECT_EQ(screen.txtSeikeihi[0]->text(), q("261"));
    EXPECT_EQ(screen.txtYuraku[0]->text(), q("1.20"));
    EXPECT_EQ(screen.txtSyotaisu[1]->text(), q("5"));   // numbered on from the loaded size

    const QString number = q("数値を入力してください。");
    const QString range = q("入力範囲外です。");
    struct Case {
        const char* name;
        QLineEdit* field;
        const char* text;
        QString message;
    };
    const Case cases[] = {
        {"letters in a size", screen.txtSyotaisu[0], "ab", number},
        {"size of three digits", screen.txtSyotaisu[2], "100", range},
        {"age of four digits", screen.txtNenrei[0], "1000", range},
        {"cost of nine digits", screen.txtSeikeihi[1], "123456789", range},
        {"rate too large", screen.txtMin[0], "123456", range},
        {"negative rate", screen.txtTanshin[3], "-1", range},
        {"multiplier of 100", screen.txtKakeRitsu, "100", range},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        expectRefused(home, c.field, q(c.text), c.message);
        // 登録 checks the field the user is in first and stops there.
        home.dialogs.clear();
        screen.btnAdd->click();
        EXPECT_EQ(lastMessage(home), c.message);
        EXPECT_TRUE(focused(c.field));
        c.field->setText(q("0"));
    }
    EXPECT_EQ(scalar(dm.ACN2, q("SELECT SEIKEIHI FROM MSEIKEI WHERE SKCO = 7")), 261);

    // An accepted cost is shown grouped.
    typeAndLeave(screen.txtSeikeihi[0], q("1200"));
    EXPECT_EQ(screen.txtSeikeihi[0]->text(), q("1,200"));
    EXPECT_TRUE(focused(screen.txtNenrei[0]) || focused(screen.txtYuraku[0]));
    home.expectNoUnexpected();
}

TEST(CostOfLivingScreen, DeleteRightAfterOpeningWaitsForAChosenCode)
{
    Opened<TQK0050> o(7, 0, [](data::TFDM& dm) { storeTable(dm, 7); });
    auto [home, dm, screen] = std::tie(o.home, o.dm, *o.screen);
    screen.btnDlt->click();   // nothing asked, nothing deleted
    EXPECT_TRUE(home.dialogs.log.empty());
    EXPECT_EQ(scalar(dm.ACN2, q("SELECT COUNT(*) FROM MSEIKEI")), 1);

    ASSERT_TRUE(screen.chooseCode(q("7")));
    home.dialogs.answer(true);
    screen.btnDlt->click();
    EXPECT_EQ(lastMessage(home), q("ﾃﾞｰﾀを削除しますか？\r【はい】:削除します。\r【いいえ】:戻ります。"));
    EXPECT_EQ(home.dialogs.log.back().caption, q("削除"));
    EXPECT_EQ(scalar(dm.ACN2, q("SELECT COUNT(*) FROM MSEIKEI")), 0);
    EXPECT_EQ(screen.cmbSeikeiID->count(), 0);
    home.expectNoUnexpected();
}

TEST(CostOfLivingScreen, CodeZeroOpensEmptyAndANewCodeIsSaved)
{
    Opened<TQK0050> o(0, 0);
    auto [home, dm, screen] = std::tie(o.home, o.dm, *o.screen);
    EXPECT_EQ(screen.cmbSeikeiID->currentText(), q("0 : 未登録"));
    screen.btnAdd->click();
    EXPECT_EQ(lastMessage(home), q("生計費コードが入力されていません。"));

    // Zero and letters are refused as a code.
    home.dialogs.clear();
    EXPECT_FALSE(screen.chooseCode(q("0")));
    EXPECT_EQ(lastMessage(home), q("０は入力できません。"));
    EXPECT_FALSE(screen.chooseCode(q("x1")));
    EXPECT_EQ(lastMessage(home), q("数値を入力して下さい。"));

    ASSERT_TRUE(screen.chooseCode(q("12")));
    EXPECT_EQ(screen.cmbSeikeiID->currentText(), q("12 : 未登録"));
    screen.txtNenrei[0]->setText(q("30"));
    screen.txtSeikeihi[0]->setText(q("1,200"));
    screen.txtSyussyo->setText(q("独自調査"));
    screen.btnAdd->click();
    EXPECT_EQ(scalar(dm.ACN2, q("SELECT SEIKEIHI FROM MSEIKEI WHERE SKCO = 12 AND SNIN = 1 AND SNENREI = 30")), 1200);
    EXPECT_EQ(screen.cmbSeikeiID->itemText(0), q("12 : 独自調査"));
    EXPECT_EQ(screen.currentCode(), 0);   // cleared: a second 登録 asks for a code
    home.expectNoUnexpected();
}

void storeModelWages(data::TFDM& dm, int model, std::initializer_list<std::pair<int, const char*>> points)
{
    for (const auto& [code, age] : points) {
        ModelWageTexts t;
        t.modelCode = model;
        t.wageCode = code;
        t.age = q(age);
        t.service = t.experience = q("0");
        t.basePay = q("200");
        t.scheduledPay = q("210");
        t.bonus = q("400");
        t.annualIncome = q("2,920");
        t.lineType = q("0");
        const ModelWageInput in = readModelWage(t);
        ASSERT_TRUE(in.row.has_value());
        ASSERT_TRUE(saveModelWage(dm, *in.row));
    }
}

TEST(ModelWageScreen, UnchangedSaveRefusalsAndDeletingTheLastPoint)
{
    Opened<TQK0060> o(0, 5, [](data::TFDM& dm) { storeModelWages(dm, 5, {{1, "18"}, {2, "22"}}); });
    auto [home, dm, screen] = std::tie(o.home, o.dm, *o.screen);
    showActive(&screen);
    EXPECT_EQ(screen.position(), 1);
    EXPECT_EQ(screen.txtLastNo->text(), q("2"));
    EXPECT_EQ(screen.txtNensyu->text(), q("2,920"));
    EXPECT_EQ(screen.Grid->rowCount(), 2);

    screen.btnAdd->click();
    EXPECT_EQ(lastMessage(home), q("ﾃﾞｰﾀの変更がありません。"));

    const QString range = q("入力範囲外です。");
    struct Case {
        QWidget* field;
        const char* text;
        QString message;
    };
    const Case cases[] = {
        {screen.txtNenrei, "100", range},
        {screen.txtKinzoku, "x", q("数値を入力してください。")},
        {screen.txtKihon, "123456789", range},
        {screen.cmbSensyu, "7", q("存在しないコードです。")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        expectRefused(home, c.field, q(c.text), c.message);
        if (auto* box = qobject_cast<QComboBox*>(c.field))
            box->setEditText(q("0 : 実線"));
        else
            static_cast<QLineEdit*>(c.field)->setText(q("0"));
    }
    screen.btnCancelClick();

    // A changed age is saved into the row of the code.
    ASSERT_TRUE(screen.chooseCode(q("2")));
    typeAndLeave(screen.txtNenrei, q("23"));
    screen.btnAdd->click();
    EXPECT_EQ(scalar(dm.ACN1, q("SELECT NENREI FROM MDCHINGIN WHERE MDCO = 5 AND MCCO = 2")), 23);

    home.dialogs.answer(true);
    home.dialogs.answer(true);
    screen.btnDltClick();   // code 2, shown after the save
    screen.btnDltClick();   // then the first remaining one
    EXPECT_EQ(scalar(dm.ACN1, q("SELECT COUNT(*) FROM MDCHINGIN")), 0);
    EXPECT_EQ(screen.Grid->rowCount(), 1);   // one blank row
    EXPECT_EQ(screen.txtCureentNo->text(), QString());
    EXPECT_EQ(screen.txtLastNo->text(), QString());
    home.dialogs.clear();
    screen.btnDltClick();
    EXPECT_EQ(lastMessage(home), q("モデル賃金コードが入力されていません。"));
    home.expectNoUnexpected();
}

TEST(ModelDataScreen, NewCodeInsertedExistingUpdatedMovesAsk)
{
    Opened<TQK0080> o(0, 9, [](data::TFDM& dm) {
        ModelDataTexts t;
        t.code = 3;
        t.name = q("既存");
        t.establishments = q("10");
        ASSERT_TRUE(saveModelData(dm, *readModelData(t).row));
    });
    auto [home, dm, screen] = std::tie(o.home, o.dm, *o.screen);
    showActive(&screen);
    EXPECT_EQ(screen.cmbModelID->currentText(), q("9"));   // the company's code, not yet stored
    EXPECT_EQ(dm.state.EditMode, 1);
    expectRefused(home, screen.txtJigyosyosuu, q("123456"), q("入力範囲外です。"));
    screen.txtJigyosyosuu->setText(q("20"));
    screen.txtSalaryName->setText(q("新規モデル"));
    screen.btnAdd->click();
    EXPECT_EQ(scalar(dm.ACN1, q("SELECT JSU FROM MDEL WHERE MDCO = 9")), 20);

    screen.move(Move::First);
    EXPECT_EQ(screen.currentCode(), 3);
    typeAndLeave(screen.txtSalaryName, q("既存（改）"));
    home.dialogs.answer(true);   // stay
    screen.move(Move::Next);
    EXPECT_EQ(lastMessage(home), q("ﾃﾞｰﾀが変更されています。\r【はい】:戻ります。\r【いいえ】:次のデータ　へ。"));
    EXPECT_EQ(screen.position(), 1);
    screen.btnAdd->click();
    EXPECT_EQ(scalar(dm.ACN1, q("SELECT COUNT(*) FROM MDEL")), 2);
    EXPECT_EQ(scalar(dm.ACN1, q("SELECT COUNT(*) FROM MDEL WHERE MDNA = '既存（改）' AND MDCO = 3")), 1);
    home.expectNoUnexpected();
}

TEST(ComparisonScreens, PreconditionAndDisabledStoredItems)
{
    ensureApplication();
    TestHome home;
    yardfixture::emptyYear(home, 0, 2);
    data::TFDM& dm = home.dm();
    analysis::TQK1100 plot(dm);

    TQK1030 living(dm, &plot);
    living.Prepare();
    EXPECT_TRUE(living.optY[3]->isChecked());   // a new row loads 基本給, not the disabled 項目Ⅰ
    EXPECT_FALSE(living.optY[0]->isEnabled());
    EXPECT_FALSE(living.optX[1]->isEnabled());
    EXPECT_TRUE(living.optMark[2]->isHidden());
    living.btnAnalizeClick();
    EXPECT_EQ(lastMessage(home), q("企業マスター　に、生計費コード　がセットされていません。"));
    EXPECT_EQ(plot.PlotChartNo, 0);

    // A stored disabled item and an unknown work form of the model wage comparison.
    data::TChart_ row;
    ASSERT_TRUE(analysis::loadChartSettings(dm, 1040, row));
    row.FX = q("4");
    row.FY = q("3");
    row.MIBUN = 9;
    ASSERT_TRUE(data::Save(dm.ACN2, dm.Query21, true,
                           q(" WHERE KNO = 1 AND NENDO = 2020 AND KCO = 1 AND CHCO = 1040"), row));
    TQK1040 model(dm, &plot);
    model.Prepare();
    EXPECT_TRUE(model.optX[0]->isChecked());
    EXPECT_TRUE(model.optY[0]->isChecked());
    EXPECT_FALSE(model.optY[3]->isEnabled());
    EXPECT_TRUE(model.selection->optSalary[4]->isChecked());
    EXPECT_TRUE(model.optY[5]->isEnabled());
    // Nobody to plot: the message, and the screen stays.
    home.dialogs.clear();
    model.btnAnalizeClick();
    EXPECT_EQ(lastMessage(home), q("グラフに表示するデータがありません。"));
    EXPECT_EQ(plot.PlotChartNo, 0);
    EXPECT_EQ(scalar(dm.ACN2, q("SELECT FY FROM MCHART WHERE CHCO = 1040")), 0);
    home.expectNoUnexpected();
}

} // namespace
