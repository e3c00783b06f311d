#pragma once
// Helpers of the master-data tests: a program folder with the installation rows of the control
// database and one registered company, opened as the company dialog opens it; typing into the
// screens' fields as a user does.

#include "app/CompanyStore.h"
#include "app/SharedRoutines.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "data/SampleSettings.h"
#include "support/TestHome.h"

#include "support/Application.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>


inline std::string s(const QString& q) { return q.toStdString(); }

// The first column of the first row of sql as integer; -1 when the statement fails or finds nothing.
inline qint64 scalar(data::Connection& c, const QString& sql)
{
    data::Query q(c);
    q.setSql(sql);
    if (!q.open() || q.eof())
        return -1;
    const qint64 v = q.intValue(0);
    q.close();
    return v;
}

inline QString textAt(data::Connection& c, const QString& sql)
{
    data::Query q(c);
    q.setSql(sql);
    if (!q.open() || q.eof())
        return QStringLiteral("<none>");
    const QString v = q.textValue(0);
    q.close();
    return v;
}

// The installation settings row with the era table, the default marks and the default pens.
inline void installControlRows(TestHome& home)
{
    data::TFDM& dm = home.dm();
    data::TSeigyo_ seigyo = data::sample::installationSettings();
    ASSERT_TRUE(data::Insert(dm.ACN1, dm.Query1, true, seigyo));
    for (data::TMark_ m : data::sample::defaultMarks())
        ASSERT_TRUE(data::Insert(dm.ACN1, dm.Query1, true, m, data::TMark_::defaultsTable()));
    for (data::TGraph_ g : data::sample::defaultPens())
        ASSERT_TRUE(data::Insert(dm.ACN1, dm.Query1, true, g, data::TGraph_::defaultsTable()));
}

// Opens company kco of year as the company dialog does: the year's database on ACN2, the state filled
// from MKIGYOU1, MKIGYOU2, MSEIGYO and MMARK.
inline void openCompany(TestHome& home, int year, int kco)
{
    data::TFDM& dm = home.dm();
    data::AppState& st = dm.state;
    ASSERT_TRUE(home.openYear(year));
    st.CurrentNendo = year;
    st.CurrentKco = kco;
    data::TKigyo1_ k1;
    ASSERT_TRUE(data::Select(dm.ACN1, dm.Query1, false, QStringLiteral("SELECT * FROM MKIGYOU1"),
                             QStringLiteral(" WHERE NENDO = ") + QString::number(year) + QStringLiteral(" AND KCO = ")
                                 + QString::number(kco),
                             k1));
    st.EraDisplay = int(app::VarToIntSafe(k1.REKI));
    st.AgeByToday = int(app::VarToIntSafe(k1.FNK));
    st.AgeReferenceDate = int(app::VarToIntSafe(k1.KDATE));
    st.CurrentCompany = data::TMKIGYOU2();
    st.CurrentCompany.KCO = QString::number(kco);
    st.CurrentCompany.NENDO = QString::number(year);
    ASSERT_TRUE(app::LoadCurrentCompany(st.CurrentCompany));
    st.CurrentCompany.SYOTEIMM = app::VarToFloatSafe(k1.SYOTEIMM);
    data::TSeigyo_ seigyo;
    ASSERT_TRUE(data::Select(dm.ACN1, dm.Query1, false, QStringLiteral("SELECT * FROM MSEIGYO"),
                             QStringLiteral(" WHERE CO = 0"), seigyo));
    st.EraTable[0] = {seigyo.REKI1, int(app::VarToIntSafe(seigyo.SNEN1))};
    st.EraTable[1] = {seigyo.REKI2, int(app::VarToIntSafe(seigyo.SNEN2))};
    st.EraTable[2] = {seigyo.REKI3, int(app::VarToIntSafe(seigyo.SNEN3))};
    app::LoadCompanyMarks(st.CompanyMarks, 8);
    st.CompanyOpen = 1;
}

// A company of its own for one test: installation rows, company 1 of 2020 registered (basic settings
// never saved, the default marks and pens) and opened.
class MasterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        installControlRows(home);
        ASSERT_TRUE(home.openYear(2020));
        app::CompanyInput in;
        in.name = QStringLiteral("テスト工業");
        in.gradeNames = app::defaultGradeNames();
        in.syoteiMM = QStringLiteral("160");
        ASSERT_TRUE(app::registerCompany(home.dm(), 2020, 1, in));
        openCompany(home, 2020, 1);
    }
    void TearDown() override { home.expectNoUnexpected(); }

    data::TFDM& dm() { return home.dm(); }
    data::AppState& state() { return home.dm().state; }
    qint64 count2(const QString& sql) { return scalar(dm().ACN2, sql); }
    qint64 count1(const QString& sql) { return scalar(dm().ACN1, sql); }

    TestHome home;
};

// Shows a screen as the active window, so that focus and Tab work as on a desktop.
inline void showActive(QWidget* w)
{
    w->show();
    QApplication::setActiveWindow(w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
}

// Types text into w key by key, as a keyboard (or an input method committing each character) would.
inline void typeText(QWidget* w, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        QString chunk(text.at(i));
        if (text.at(i).isHighSurrogate() && i + 1 < text.size())
            chunk += text.at(++i);
        if (chunk.size() == 1 && chunk.at(0).unicode() < 0x80) {
            QTest::keyClicks(w, chunk);
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, chunk);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, chunk);
        QApplication::sendEvent(w, &press);
        QApplication::sendEvent(w, &release);
    }
}

// Puts the focus into a field, replaces its text by typing, and leaves it with Tab. Whatever the
// check then does with the focus has happened when this returns.
inline void typeAndTab(QWidget* field, const QString& text)
{
    QWidget* target = field;
    if (auto* box = qobject_cast<QComboBox*>(field); box && box->lineEdit())
        target = box->lineEdit();
    field->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    if (auto* e = qobject_cast<QLineEdit*>(target)) {
        e->selectAll();
        if (text.isEmpty())
            QTest::keyClick(e, Qt::Key_Delete);
        else
            typeText(e, text);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QApplication::processEvents();
    QApplication::processEvents();
}

// Whether field (or, for a combo box, its line edit) has the focus.
inline bool focused(QWidget* field)
{
    QWidget* f = QApplication::focusWidget();
    return f && (f == field || field->isAncestorOf(f) || f->focusProxy() == field);
}
