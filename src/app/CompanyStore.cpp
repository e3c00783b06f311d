#include "app/CompanyStore.h"

#include "data/Common.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"

namespace app {

namespace {

QString num(int n) { return QString::number(n); }

// Deletes the rows of one table of the fiscal year's database for a company.
template <class R>
bool deleteFrom(data::Connection& c, data::Query& q, const QString& where)
{
    R row;
    return data::Delete(c, q, false, where, row);
}

} // namespace

std::array<QString, 9> defaultGradeNames()
{
    static const QString digits = QStringLiteral("１２３４５６７８９");
    std::array<QString, 9> names;
    for (int i = 0; i < 9; ++i)
        names[i] = QStringLiteral("第") + digits.at(i) + QStringLiteral("等級");
    return names;
}

QString trimBlanks(const QString& s)
{
    qsizetype a = 0, b = s.size();
    while (a < b && s.at(a).unicode() <= 0x20)
        ++a;
    while (b > a && s.at(b - 1).unicode() <= 0x20)
        --b;
    return s.mid(a, b - a);
}

int leadingCode(const QString& text)
{
    const QString t = trimBlanks(text);
    const qsizetype blank = t.indexOf(QLatin1Char(' '));
    bool ok = false;
    const int n = (blank < 0 ? t : t.left(blank)).toInt(&ok);
    return ok ? n : 0;
}

QStringList fiscalYears(int todayYear)
{
    QStringList years;
    for (int y = 2004; y <= todayYear + 1; ++y)
        years << num(y);
    return years;
}

int maxCompanyCode(data::TFDM& dm)
{
    dm.RunSql(dm.Query1, QStringLiteral("SELECT Max(KCO) FROM MKIGYOU1"), QLatin1Char('S'));
    int code = 0;
    if (dm.Query1.isActive() && !dm.Query1.eof())
        code = int(data::VariantToInt(dm.Query1.value(0)).value_or(0));
    dm.Query1.close();
    return code;
}

bool registerCompany(data::TFDM& dm, int year, int kco, const CompanyInput& in)
{
    const data::AppState& st = dm.state;
    bool good = true;

    data::TKigyo1_ k1;
    k1.KCO = num(kco);
    k1.NENDO = num(year);
    k1.KNA = trimBlanks(in.name);
    k1.PATH = QString();
    k1.SDATE = num(year * 10000 + st.TodayMonth * 100 + st.TodayDay);
    k1.FNK = QStringLiteral("9");
    k1.KDATE = QStringLiteral("20090401");
    k1.REKI = QStringLiteral("0");
    k1.SYOTEIHH = in.syoteiHH;
    k1.SYOTEIDD = in.syoteiDD;
    k1.SYOTEIMM = in.syoteiMM;
    k1.SAITEI = in.saitei;
    good &= data::Insert(dm.ACN1, dm.Query1, true, k1);

    // The year's rows go in one transaction for speed; each insert keeps its own savepoint, so a
    // failing row is shown and left out while the others are still written.
    data::Transaction tx(dm.ACN2);
    const QString zero = QStringLiteral("0");
    data::TKigyo2_ k2;
    k2.KCO = num(kco);
    k2.NENDO = num(year);
    k2.KNA = trimBlanks(in.name);
    k2.CYOUSAHI = zero;
    k2.BEARITSU = zero;
    k2.MCCO = zero;
    k2.MDCO = num(in.modelCode);
    QString* grades[9] = {&k2.TK01, &k2.TK02, &k2.TK03, &k2.TK04, &k2.TK05, &k2.TK06, &k2.TK07, &k2.TK08, &k2.TK09};
    for (int i = 0; i < 9; ++i)
        *grades[i] = trimBlanks(in.gradeNames[i]);
    k2.FRSTKYU = zero;
    k2.SKCO = num(in.livingCode);
    k2.SYOUKYUHI = zero;
    k2.FRSTKYUM = zero;
    k2.FRENCM = zero;
    good &= data::Insert(dm.ACN2, dm.Query21, true, k2);

    data::TMark_rec marks;
    if (data::Selects(dm.ACN1, dm.Query1, false, QStringLiteral("select * from MMMARK "),
                      QStringLiteral(" WHERE NENDO = 9999   and  KCO   = 0 order by MKCO"), marks)) {
        for (data::TMark_& m : marks.items) {
            m.KCO = num(kco);
            m.NENDO = num(year);
            good &= data::Insert(dm.ACN2, dm.Query21, true, m);
        }
    } else {
        good = false;
    }

    data::TGraph_rec pens;
    if (data::Selects(dm.ACN1, dm.Query1, false, QStringLiteral("select * from MMGRAPH "),
                      QStringLiteral(" where NENDO = 9999  and   KCO   = 0  order by GSCO"), pens)) {
        for (data::TGraph_& g : pens.items) {
            g.KCO = num(kco);
            g.NENDO = num(year);
            good &= data::Insert(dm.ACN2, dm.Query21, true, g);
        }
    } else {
        good = false;
    }
    if (tx.started() && !tx.commit()) {
        data::ShowDbError(data::DbErrorText(dm.ACN2));
        good = false;
    }
    return good;
}

bool changeCompany(data::TFDM& dm, int year, int kco, const CompanyInput& in)
{
    const QString where = QStringLiteral(" where KCO   = ") + num(kco) + QStringLiteral("  and  NENDO = ") + num(year);
    bool good = true;

    data::TKigyo1_ k1;
    if (data::Select(dm.ACN1, dm.Query1, false, QStringLiteral("select * from MKIGYOU1 "), where, k1) && k1.ok) {
        k1.KNA = trimBlanks(in.name);
        k1.SYOTEIHH = in.syoteiHH;
        k1.SYOTEIDD = in.syoteiDD;
        k1.SYOTEIMM = in.syoteiMM;
        k1.SAITEI = in.saitei;
        good &= data::Update(dm.ACN1, dm.Query1, true, where, k1);
    } else {
        good = false;
    }

    data::TKigyo2_ k2;
    if (data::Select(dm.ACN2, dm.Query21, false, QStringLiteral("select * from MKIGYOU2 "), where, k2) && k2.ok) {
        const QString zero = QStringLiteral("0");
        k2.KNA = trimBlanks(in.name);
        k2.MDCO = num(in.modelCode);
        k2.SKCO = num(in.livingCode);
        QString* grades[9] = {&k2.TK01, &k2.TK02, &k2.TK03, &k2.TK04, &k2.TK05, &k2.TK06, &k2.TK07, &k2.TK08, &k2.TK09};
        for (int i = 0; i < 9; ++i)
            *grades[i] = trimBlanks(in.gradeNames[i]);
        // The company data screen owns only the fields above; the rest go back to their initial values.
        k2.CYOUSAHI = k2.BEARITSU = k2.MCCO = k2.FRSTKYU = k2.SYOUKYUHI = k2.FRSTKYUM = k2.FRENCM = zero;
        k2.TAIKEI.clear();
        k2.KKNA1.clear();
        k2.KKNA2.clear();
        k2.KKNA3.clear();
        k2.TNA1.clear();
        k2.TNA2.clear();
        k2.TNA3.clear();
        k2.TNA4.clear();
        k2.TNA5.clear();
        good &= data::Update(dm.ACN2, dm.Query21, true, where, k2);
    } else {
        good = false;
    }
    return good;
}

bool deleteCompany(data::TFDM& dm, int year, int kco)
{
    data::Connection& c = dm.ACN2;
    c.clearErrors();
    // The control database joins the transaction, so that both files change together.
    data::AttachedDatabase control(c, dm.controlDatabasePath(), QStringLiteral("SEIGYO"));
    if (!control.attached()) {
        data::ShowDbError(data::DbErrorText(c));
        return false;
    }
    bool good = false;
    {
        data::Query q(c);
        data::Transaction tx(c);
        if (!tx.started()) {
            data::ShowDbError(data::DbErrorText(c));
            return false;
        }
        const QString yearWhere = QStringLiteral(" WHERE NENDO = ") + num(year) + QStringLiteral(" AND   KCO   = ") + num(kco);
        data::TSyain_ employee;
        good = data::DeleteSyain(c, q, QStringLiteral(" Where NENDO = ") + num(year) + QStringLiteral("  and  KCO   = ") + num(kco),
                                 employee)
            // MKIGYOU1 lives only in the attached control database.
            && deleteFrom<data::TKigyo1_>(c, q, yearWhere)
            && deleteFrom<data::TKigyo2_>(c, q, yearWhere)
            && deleteFrom<data::TMark_>(c, q, yearWhere)
            && deleteFrom<data::TGraph_>(c, q, yearWhere)
            && deleteFrom<data::TChart_>(c, q, yearWhere)
            && deleteFrom<data::TCHNGIN_>(c, q, yearWhere)
            && deleteFrom<data::TCHNGIN2_>(c, q, yearWhere)
            && deleteFrom<data::T2JI_>(c, q, yearWhere)
            && deleteFrom<data::T3JI_>(c, q, yearWhere)
            && deleteFrom<data::TSCALE_>(c, q, yearWhere)
            && deleteFrom<data::TSPDRAW_>(c, q, yearWhere)
            && deleteFrom<data::TMCHNGIN_>(c, q, yearWhere)
            && deleteFrom<data::TMHYOUKA_>(c, q, yearWhere)
            && deleteFrom<data::TYHYOUKA_>(c, q, yearWhere)
            && deleteFrom<data::TBAND_>(c, q, yearWhere)
            && deleteFrom<data::TMATID_>(c, q, yearWhere)
            && deleteFrom<data::TMATCELL_>(c, q, yearWhere)
            && deleteFrom<data::TSALARY_>(c, q, yearWhere)
            // The cost of living of a company is kept per database, not per year.
            && deleteFrom<data::TSEIKEI_>(c, q, QStringLiteral(" WHERE KCO   = ") + num(kco));
        if (good && !tx.commit()) {
            data::ShowDbError(data::DbErrorText(c));
            good = false;
        }
    }
    return good;
}

} // namespace app
