#pragma once
// A small company for the plot tests: company 1 of fiscal year 2020 with three plot marks, four
// chart pens and five employees whose points are known by heart (today is 2020-06-15, ages count to
// today):
//
//   SCO  age  grade  mark  work form  sex     KKYU1    y (万円, item 0)
//   101   30    2     1       1       male    253,000   25.3
//   102   40    3     2       1       female  320,000   32
//   103   25    1     1       2       male    210,000   21
//   104   50    4     3       1       male    400,000   40
//   105   35    2     2       1       female  280,000   28

#include "app/CompanyStore.h"
#include "analysis/WagePlot.h"
#include "app/SharedRoutines.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "support/TestHome.h"

#include <QColor>
#include <gtest/gtest.h>

namespace plotfixture {

inline const QColor markColors[3] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 128, 0)};

struct Employee {
    int sco;
    int birth;
    int grade;
    int mark;
    int workForm;
    int sex;
    qint64 kkyu1;
};

inline const Employee employees[] = {
    {101, 19900101, 2, 1, 1, 0, 253000},
    {102, 19800615, 3, 2, 1, 1, 320000},
    {103, 19950301, 1, 1, 2, 0, 210000},
    {104, 19700101, 4, 3, 1, 0, 400000},
    {105, 19850401, 2, 2, 1, 1, 280000},
};

inline QString num(qint64 v) { return QString::number(v); }

// Registers the company, writes its marks, pens and employees, and opens it in the application
// state as the company dialog would.
inline void makeCompany(TestHome& home)
{
    data::TFDM& dm = home.dm();
    ASSERT_TRUE(home.openYear(2020));
    app::CompanyInput in;
    in.name = QStringLiteral("テスト工業");
    in.gradeNames = app::defaultGradeNames();
    ASSERT_TRUE(app::registerCompany(dm, 2020, 1, in));

    const char* symbols[3] = {"■", "●", "▲"};
    const char* legends[3] = {"営業", "技術", "管理"};
    for (int i = 0; i < 3; ++i) {
        data::TMark_ m;
        m.KCO = num(1);
        m.NENDO = num(2020);
        m.MKCO = num(i + 1);
        m.MARK = QString::fromUtf8(symbols[i]);
        m.HANREI = QString::fromUtf8(legends[i]);
        m.MKCOLOR = QStringLiteral("$00") + QStringLiteral("%1%2%3")
                                                .arg(markColors[i].blue(), 2, 16, QLatin1Char('0'))
                                                .arg(markColors[i].green(), 2, 16, QLatin1Char('0'))
                                                .arg(markColors[i].red(), 2, 16, QLatin1Char('0'))
                                                .toUpper();
        m.MKSIZE = num(9);
        m.KCOLOR = m.MKCOLOR;
        m.KSYURUI = num(0);
        m.KHABA = num(2);
        ASSERT_TRUE(data::Insert(dm.ACN2, dm.Query21, true, m));
    }
    // Axes blue, ticks red, grid light grey, mean lines magenta: each part can be told by colour.
    const char* pens[4] = {"$00FF0000", "$000000FF", "$00E0E0E0", "$00FF00FF"};
    for (int i = 0; i < 4; ++i) {
        data::TGraph_ g;
        g.KCO = num(1);
        g.NENDO = num(2020);
        g.GSCO = num(i + 1);
        g.CCOLOR = QString::fromLatin1(pens[i]);
        g.CSYURUI = num(0);
        g.CHABA = num(1);
        ASSERT_TRUE(data::Insert(dm.ACN2, dm.Query21, true, g));
    }
    for (const Employee& e : employees) {
        data::TSyain_ s;
        s.KCO = num(1);
        s.NENDO = num(2020);
        s.SCO = num(e.sco);
        s.SNA = QStringLiteral("社員") + num(e.sco);
        s.SEIHI = e.birth;
        s.NYUHI = 20150401;
        s.TCO = e.grade;
        s.MCO = e.mark;
        s.SM1 = e.workForm;
        s.SEIBETSU = e.sex;
        s.KKYU1 = e.kkyu1;
        s.KKYU2 = 20000;
        s.TEATE1 = 10000;
        s.SYOUYO = 500000;
        s.SYOUYO2 = 600000;
        s.NENSU = 10;
        s.GOUHOU = 12;
        s.TRITSU = 97.5;
        s.TENSU = 310;
        s.ZONEX = 3;
        ASSERT_TRUE(data::InsertSyain(dm.ACN2, dm.Query21, s));
    }

    data::AppState& st = dm.state;
    st.CompanyOpen = 1;
    st.CurrentKco = 1;
    st.CurrentNendo = 2020;
    st.CurrentCompanyName = in.name;
    st.AgeByToday = 1;
    st.CurrentCompany.KCO = num(1);
    st.CurrentCompany.NENDO = num(2020);
    ASSERT_TRUE(app::LoadCurrentCompany(st.CurrentCompany));
    ASSERT_TRUE(app::LoadCompanyMarks(st.CompanyMarks, 8));
}

// Every mark, every grade, every work form and both sexes; age against item I.
inline analysis::WagePlotOptions everyone()
{
    analysis::WagePlotOptions o;
    o.plotMarks.assign(9, true);
    o.grades.assign(9, true);
    o.workForm = 4;
    o.sex = 2;
    return o;
}

} // namespace plotfixture
