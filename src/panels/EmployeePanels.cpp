#include "panels/EmployeePanels.h"

#include "app/SharedRoutines.h"
#include "data/Common.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"

namespace panels {

namespace {

struct Keys {
    QString kco;
    QString nendo;
};

// The open company's code and year as numbers, so that only numbers reach a condition.
Keys keysOf(const data::TFDM& dm)
{
    const data::TMKIGYOU2& c = dm.state.CurrentCompany;
    return {QString::number(app::VarToIntSafe(c.KCO)), QString::number(app::VarToIntSafe(c.NENDO))};
}

QString yen(qint64 v)
{
    return app::formatNumber(QStringLiteral("#,##0 円"), double(v));
}

} // namespace

QString panelCaption(int panelKind)
{
    switch (panelKind) {
    case kind::Profile: return QStringLiteral("1.プロフィール");
    case kind::Evaluation: return QStringLiteral("2.人事考課");
    case kind::Career: return QStringLiteral("3.キャリア");
    case kind::WageInfo: return QStringLiteral("4.賃金情報");
    case kind::OptimalWage: return QStringLiteral("6.最適賃金");
    case kind::Image: return QStringLiteral("7.イメージ");
    default: return {};
    }
}

bool readEmployee(data::TFDM& dm, int employeeCode, data::TSyain_& row)
{
    const Keys k = keysOf(dm);
    dm.state.SqlSelect = QStringLiteral("SELECT * FROM VSYAIN");
    dm.state.SqlWhere = QStringLiteral(" WHERE NENDO = ") + k.nendo + QStringLiteral("     AND KCO = ") + k.kco
        + QStringLiteral("     AND SCO = ") + QString::number(employeeCode);
    return data::Select(dm.ACN2, dm.Query21, false, dm.state.SqlSelect, dm.state.SqlWhere, row) && row.ok;
}

QString employeeLine(const data::TSyain_& row, const QString& separator)
{
    return row.SCO + separator + row.SNA;
}

InfoPanelTexts infoPanelTexts(int panelKind, const data::TSyain_& r, const data::AppState& state)
{
    InfoPanelTexts t;
    t.caption = panelCaption(panelKind);
    t.employeeLine = employeeLine(r, QStringLiteral("  "));
    auto rows = [&](std::array<const char*, 5> titles, std::array<QString, 5> values) {
        for (size_t i = 0; i < 5; ++i)
            t.titles[i] = QString::fromUtf8(titles[i]);
        t.values = std::move(values);
    };
    switch (panelKind) {
    case kind::Profile:
        rows({"社員番号:", "年　　齢　:", "勤　　続　:", "学　　歴　:", "専　　攻　:"},
             {r.SCOT, QString::number(r.NENREI), QString::number(r.KINZOKU), r.GAKU, r.SENKOU});
        break;
    case kind::Evaluation:
        rows({"３年前　:", "２年前　:", "１年前　:", "本年度　:", ""}, {r.HNA3, r.HNA2, r.HNA1, r.HYOUKA, QString()});
        break;
    case kind::Career: {
        const QString grade = r.TOUKYU >= 1 && r.TOUKYU <= 9 ? state.CurrentCompany.TK[size_t(r.TOUKYU - 1)] : QString();
        // The third row shows the pay step under the title the form has always had.
        rows({"役　職　:", "等　級　:", "学　歴　:", "滞　留　:", ""},
             {r.YAKU, grade, QString::number(r.GOUHOU), QString::number(app::AgeFromDate(int(r.THI))) + QStringLiteral(" 年"),
              QString()});
        break;
    }
    case kind::WageInfo:
        rows({"基 本 給 ：", "諸 手 当 ：", "所 定 給 ：", "年 賞 与 ：", "年 収 入 ："},
             {yen(r.BaseTotal), yen(r.TEATE1 + r.TEATE2 + r.TEATE3 + r.TEATE4 + r.TEATE5), yen(r.ScheduledPay),
              yen(r.SYOUYO + r.SYOUYO2), yen(12 * r.ScheduledPay + r.SYOUYO + r.SYOUYO2)});
        break;
    default:
        break;
    }
    return t;
}

FitPanelValues fitPanelValues(const data::TSyain_& r)
{
    FitPanelValues v;
    v.employeeLine = employeeLine(r, QStringLiteral(" "));
    switch (r.FITNO) {
    case 1: v.item = QStringLiteral("項目Ⅰ"); v.actual = r.KKYU1; break;
    case 2: v.item = QStringLiteral("項目Ⅱ"); v.actual = r.KKYU2; break;
    case 3: v.item = QStringLiteral("基本給"); v.actual = r.BaseTotal; break;
    case 4: v.item = QStringLiteral("所定給"); v.actual = r.ScheduledPay; break;
    case 5: v.item = QStringLiteral("年間賞与"); v.actual = r.SYOUYO + r.SYOUYO2; break;
    case 6: v.item = QStringLiteral("年収"); v.actual = r.AnnualIncome; break;
    default: break;
    }
    const QString format = QStringLiteral("#,##0円");
    v.actualText = app::formatNumber(format, double(v.actual));
    v.fitText = app::formatNumber(format, double(r.FITKIN));
    v.residualText = app::formatNumber(format, double(v.actual - r.FITKIN));
    v.ratioText = app::formatNumber(QStringLiteral("0.00％"),
                                    data::SafeDiv(double(v.actual - r.FITKIN) * 100, double(r.FITKIN)));
    v.kkyu3Text = app::formatNumber(QStringLiteral("#,##0"), double(r.KKYU3));
    return v;
}

FitUpdateOutcome updateFitPanel(data::TFDM& dm, int employeeCode, int evaluationCode, qint64 kkyu3)
{
    FitUpdateOutcome out;
    const Keys k = keysOf(dm);
    const QString where = QStringLiteral(" where KCO   = ") + k.kco + QStringLiteral(" and Nendo = ") + k.nendo
        + QStringLiteral(" and SCO   = ") + QString::number(employeeCode);
    data::Transaction tx(dm.ACN2);
    if (!tx.started()) {
        data::ShowDbError(data::DbErrorText(dm.ACN2));
        return out;
    }
    data::TSyain_ row;
    if (!data::Select(dm.ACN2, dm.Query21, false, QStringLiteral("select * from VSYAIN"), where, row))
        return out;
    if (!row.ok) {
        out.message = QStringLiteral("社員番号 ") + QString::number(employeeCode)
            + QStringLiteral(" の社員は登録されていません。更新できませんでした。");
        return out;
    }
    row.HCO = evaluationCode;
    row.KKYU3 = kkyu3;
    if (!data::UpdateSyain(dm.ACN2, dm.Query21, where, row))
        return out;
    if (!tx.commit()) {
        data::ShowDbError(data::DbErrorText(dm.ACN2));
        return out;
    }
    out.updated = true;
    return out;
}

} // namespace panels
