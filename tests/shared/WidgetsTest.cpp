#include "support/Application.h"
#include "app/ComboHelpers.h"
#include "data/DbAccess.h"
#include "data/Records.h"
#include "platform/Dialogs.h"
#include "support/TestHome.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

std::string s(const QString& q) { return q.toStdString(); }
QString t(const char* utf8) { return QString::fromUtf8(utf8); }

QStringList itemsOf(const QComboBox& box)
{
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items << box.itemText(i);
    return items;
}

class SharedWidgets : public ::testing::Test {
protected:
    void SetUp() override { ensureApplication(); }
    void TearDown() override { home.expectNoUnexpected(); }

    void openCompany()
    {
        ASSERT_TRUE(home.openYear(2020));
        home.dm().state.CurrentCompany.KCO = QStringLiteral("1");
        home.dm().state.CurrentCompany.NENDO = QStringLiteral("2020");
    }
    void evaluation(int kco, int skco, int hco, const char* symbol)
    {
        data::TMHYOUKA_ r;
        r.KCO = QString::number(kco);
        r.NENDO = QStringLiteral("2020");
        r.SKCO = QString::number(skco);
        r.HCO = QString::number(hco);
        r.HKIGOU = t(symbol);
        r.SGOUSU = QStringLiteral("1");
        ASSERT_TRUE(data::Insert(home.dm().ACN2, home.dm().Query22, false, r));
    }

    TestHome home;
};

} // namespace

TEST_F(SharedWidgets, EvaluationComboListsOneTableInCodeOrder)
{
    openCompany();
    evaluation(1, 4, 10, "C");
    evaluation(1, 4, 2, "A");
    evaluation(1, 5, 3, "他の表");
    evaluation(2, 4, 1, "他社");
    QComboBox box;
    box.addItem(QStringLiteral("stale"));
    app::FillEvaluationCombo(&box, 4);
    EXPECT_EQ(itemsOf(box), (QStringList{t("2 : A"), t("10 : C"), t("0 : なし")}));
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
}

TEST_F(SharedWidgets, ComboFromSqlWithNoneFirstAndAfterAnError)
{
    openCompany();
    evaluation(1, 4, 2, "A");
    QComboBox box;
    app::FillComboFromSql(QStringLiteral("select HCO || ' : ' || HKIGOU as COMBNAME from MHYOUKA"), &box, true);
    EXPECT_EQ(itemsOf(box), (QStringList{t("0 : なし"), t("2 : A")}));

    app::FillComboFromSql(QStringLiteral("select COMBNAME from NOSUCHTABLE"), &box, true);
    EXPECT_EQ(itemsOf(box), (QStringList{t("0 : なし")}));
    EXPECT_EQ(home.dialogs.texts(), (QStringList{t("ＳＱＬ処理で不明なエラーが発生しました。")}));
}

TEST_F(SharedWidgets, GradeAndLineStyleCombos)
{
    home.dm().state.CurrentCompany.TK[0] = t("一般");
    QComboBox grades;
    app::FillGradeCombo(&grades);
    ASSERT_EQ(grades.count(), 10);
    EXPECT_EQ(s(grades.itemText(0)), "1 : 一般");
    EXPECT_EQ(s(grades.itemText(9)), "0 : 指定なし");

    QComboBox styles;
    app::FillLineStyleCombo(&styles);
    EXPECT_EQ(s(app::LineStyleText(&styles, 1)), "1 : 破線");
    EXPECT_EQ(s(app::LineStyleText(&styles, 9)), "5 : なし");
}

TEST_F(SharedWidgets, SelectingAndReadingCodes)
{
    QComboBox box;
    box.setEditable(true);
    box.addItems({t("1 : 営業"), t("12 : 製造"), t("なし")});

    EXPECT_EQ(app::SelectComboCode(&box, 12), 1);
    EXPECT_EQ(s(box.currentText()), "12 : 製造");
    EXPECT_EQ(app::ComboCode(&box), 12);
    EXPECT_EQ(s(app::ComboName(&box)), "製造");

    EXPECT_EQ(app::SelectComboCode(&box, 2), -1);
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(app::ComboCode(&box), 0);
    EXPECT_EQ(s(app::ComboName(&box)), "");

    box.setCurrentIndex(2);   // an item without " : "
    EXPECT_EQ(app::ComboCode(&box), 0);
    EXPECT_EQ(s(app::ComboName(&box)), "なし");

    EXPECT_EQ(s(app::CodeComboText(&box, QStringLiteral("1 old"), true)), "1 : 営業");
    EXPECT_EQ(box.currentIndex(), 0);
    EXPECT_EQ(s(app::CodeComboText(&box, QStringLiteral("5"), true)), "5 : 未登録");

    auto parts = app::SplitCodeText(&box);
    EXPECT_EQ(s(parts.code), "1");
    EXPECT_EQ(s(parts.name), "営業");
}

TEST_F(SharedWidgets, CheckCodeComboWritesTheChoiceBack)
{
    QComboBox box;
    box.setEditable(true);
    box.addItems({t("1 : 営業"), t("3 : 製造")});
    int code = -1;

    box.setEditText(t("3 anything"));
    EXPECT_TRUE(app::CheckCodeCombo(&box, true, code, true, false));
    EXPECT_EQ(code, 3);
    EXPECT_EQ(box.currentIndex(), 1);
    EXPECT_EQ(s(box.currentText()), "3 : 製造");

    box.setEditText(QStringLiteral("7"));
    EXPECT_TRUE(app::CheckCodeCombo(&box, true, code, false, false));
    EXPECT_EQ(code, 7);
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(s(box.currentText()), "7 : 未登録");
    EXPECT_TRUE(home.dialogs.texts().isEmpty());

    box.setEditText(QStringLiteral("7"));
    EXPECT_FALSE(app::CheckCodeCombo(&box, true, code, true, false));
    EXPECT_EQ(s(box.currentText()), "7") << "a rejected entry stays for correction";
    box.setEditText(QStringLiteral("x"));
    EXPECT_FALSE(app::CheckCodeCombo(&box, true, code, true, false));
    EXPECT_EQ(home.dialogs.texts(), (QStringList{t("存在しないコードです。"), t("数値を入力して下さい。")}));
    EXPECT_EQ(home.dialogs.log.front().caption, platform::appTitle());
}

TEST_F(SharedWidgets, NumericFieldsShowTheirMessages)
{
    QLineEdit edit;
    edit.setText(QStringLiteral("1234567"));
    EXPECT_FALSE(app::CheckIntEdit(&edit, 6, QStringLiteral("#,##0"), 0, 0));
    edit.setText(QStringLiteral("abc"));
    EXPECT_FALSE(app::CheckIntEdit(&edit, 6, QStringLiteral("#,##0"), 0, 0));
    EXPECT_EQ(s(edit.text()), "abc");
    EXPECT_EQ(home.dialogs.texts(), (QStringList{t("入力範囲外です。"), t("数値を入力してください。")}));

    edit.setText(QStringLiteral("1234"));
    EXPECT_TRUE(app::CheckIntEdit(&edit, 6, QStringLiteral("#,##0"), 0, 0));
    EXPECT_EQ(s(edit.text()), "1,234");
    EXPECT_TRUE(app::CheckIntEdit(&edit, 6, QStringLiteral("#,##0"), 0, 0)) << "its own formatted text passes";

    edit.setText(QStringLiteral("2.5"));
    EXPECT_TRUE(app::CheckFloatEdit(&edit, 5, QStringLiteral("0.00")));
    EXPECT_EQ(s(edit.text()), "2.50");
}

TEST_F(SharedWidgets, CheckBoxGroups)
{
    QCheckBox a, b, c, d;
    const QList<QCheckBox*> boxes{&a, &b, &c, &d};
    EXPECT_EQ(s(app::CheckedInList(boxes)), " IN(99999)");
    app::SetChecksFromFlags(boxes, QStringLiteral("0110"));
    EXPECT_EQ(s(app::FlagsFromChecks(boxes)), "0110");
    EXPECT_EQ(s(app::CheckedInList(boxes)), " IN(2,3)");
    app::SetChecksFromFlags(boxes, QStringLiteral("1"));   // a short string unchecks the rest
    EXPECT_EQ(s(app::FlagsFromChecks(boxes)), "1000");
    app::SetAllChecked(boxes, true);
    EXPECT_EQ(s(app::FlagsFromChecks(boxes)), "1111");
    app::SetAllChecked(boxes, false);
    EXPECT_EQ(s(app::FlagsFromChecks(boxes)), "0000");

    QWidget group;
    auto* r1 = new QRadioButton(&group);
    auto* r2 = new QRadioButton(&group);
    auto* r3 = new QRadioButton(&group);
    EXPECT_EQ(app::FirstCheckedIndex({r1, r2, r3}), 0);
    r3->setChecked(true);
    EXPECT_EQ(app::FirstCheckedIndex({r1, r2, r3}), 2);
}

TEST_F(SharedWidgets, PicturesOnlyFromThePictureFolder)
{
    const QString home_ = home.path();
    ASSERT_TRUE(QDir().mkpath(home_ + QStringLiteral("Picture/sub")));
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::green);
    ASSERT_TRUE(image.save(home_ + QStringLiteral("Picture/sub/a.png"), "PNG"));
    ASSERT_TRUE(image.save(home_ + QStringLiteral("x.png"), "PNG"));   // beside the folder, not in it
    ASSERT_TRUE(QFile::link(home_ + QStringLiteral("x.png"), home_ + QStringLiteral("Picture/outside.png")));
    QFile bad(home_ + QStringLiteral("Picture/bad.jpg"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("no picture");
    bad.close();

    QLabel label;
    QString name = QStringLiteral("sub\\a.png");   // stored names may use "\"
    ASSERT_TRUE(app::LoadPictureFile(&label, name));
    EXPECT_EQ(label.pixmap().size(), QSize(4, 3));
    EXPECT_EQ(s(name), "sub\\a.png");

    for (const char* refused : {"../x.png", "sub/../../x.png", "outside.png", "missing.jpg", "bad.jpg", ""}) {
        SCOPED_TRACE(refused);
        name = QStringLiteral("sub/a.png");
        ASSERT_TRUE(app::LoadPictureFile(&label, name));
        name = QString::fromUtf8(refused);
        EXPECT_FALSE(app::LoadPictureFile(&label, name));
        EXPECT_TRUE(label.pixmap().isNull()) << "the previous picture is cleared";
        EXPECT_EQ(s(name), "");
    }
}

TEST_F(SharedWidgets, WageFormCaptions)
{
    auto& form = home.dm().state.WageForms[2];
    form.kihon = {QString(), t("職能給"), QString()};
    form.teate = {t("家族手当"), QString(), QString(), QString(), QString()};
    std::array<QLabel, 8> labels;
    std::array<QLabel*, 8> pointers{};
    for (size_t i = 0; i < 8; ++i) {
        labels[i].setText(QStringLiteral("stale"));
        pointers[i] = &labels[i];
    }
    app::ShowWageFormLabels(2, pointers);
    EXPECT_EQ(s(labels[0].text()), "基本給");
    EXPECT_EQ(s(labels[1].text()), "職能給");
    EXPECT_EQ(s(labels[2].text()), "");
    EXPECT_EQ(s(labels[3].text()), "家族手当");
    EXPECT_EQ(s(labels[7].text()), "");
}
