#include "reports/PersonalReport.h"

#include "app/SharedRoutines.h"
#include "data/DataModule.h"
#include "platform/BusyCursor.h"
#include "reports/ReportJobs.h"

namespace reports {

namespace {

QString amount(qint64 v) { return app::formatNumber(QStringLiteral("#,##0"), double(v)); }

QString number(qint64 v) { return QString::number(v); }

QString blankIfEmpty(const QString& s) { return s.isEmpty() ? QStringLiteral(" ") : s; }

class PersonalPrinter {
public:
    PersonalPrinter(ReportWriter& w, PersonalReportKind kind, const PersonalReportHeader& header)
        : w_(w), kind_(kind), header_(header)
    {
    }

    int run(const std::vector<PersonalEmployee>& employees)
    {
        size_t i = 0;
        while (i < employees.size()) {
            const qint64 mark = employees[i].row.MCO;
            slot_ = 100;   // every group starts on a new page
            for (; i < employees.size() && employees[i].row.MCO == mark; ++i) {
                if (slot_ > kPersonalSlotsPerPage)
                    startPage(mark);
                writeBlock(employees[i]);
                ++slot_;
            }
        }
        w_.printPage();
        w_.newPage();
        return pages_;
    }

private:
    void startPage(qint64 mark)
    {
        if (pages_ > 0) {
            w_.printPage();
            w_.newPage();
        }
        ++pages_;
        slot_ = 1;
        w_.setFieldText(QStringLiteral("年度"), header_.yearLabel + QStringLiteral(" 年度"));
        w_.setFieldText(QStringLiteral("企業名"), header_.companyName);
        if (mark >= 1 && mark <= 9) {
            const data::TMMARK& m = header_.marks[size_t(mark - 1)];
            const QString symbol = QStringLiteral("プロットマーク");
            const QString name = QStringLiteral("グループ名称");
            w_.setFieldText(symbol, blankIfEmpty(m.mark));
            w_.setFieldColor(symbol, m.markColor);
            w_.setFieldText(name, blankIfEmpty(m.legend));
            w_.setFieldColor(name, m.markColor);
        }
        w_.setFieldText(QStringLiteral("YMD"), header_.today.toString(QStringLiteral("yyyy年MM月dd日"))
                                                   + QStringLiteral("　　P. ") + QString::number(pages_));
    }

    void writeBlock(const PersonalEmployee& e)
    {
        const QString suffix = slotSuffix(slot_);
        for (const auto& [item, value] : personalItems(kind_, e)) {
            w_.setFieldText(QStringLiteral("L") + item + suffix, blankIfEmpty(item));
            w_.setFieldText(item + suffix, blankIfEmpty(value));
        }
        if (kind_ == PersonalReportKind::Personal && !e.row.SPATH.isEmpty())
            w_.setImageField(QStringLiteral("IMAGE") + suffix, e.row.SPATH);
    }

    ReportWriter& w_;
    PersonalReportKind kind_;
    const PersonalReportHeader& header_;
    int pages_ = 0;
    int slot_ = 100;
};

} // namespace

QString personalReportTitle(PersonalReportKind kind)
{
    return kind == PersonalReportKind::Personal ? QStringLiteral("社員個人情報") : QStringLiteral("社員賃金情報");
}

QString personalReportLayoutName(PersonalReportKind kind)
{
    return kind == PersonalReportKind::Personal ? QStringLiteral("Print5000") : QStringLiteral("Print5010");
}

QString slotSuffix(int slot)
{
    return slot <= 1 ? QString() : QStringLiteral("_") + QString::number(slot);
}

std::vector<std::pair<QString, QString>> personalItems(PersonalReportKind kind, const PersonalEmployee& p)
{
    const data::TSyain_& e = p.row;
    std::vector<std::pair<QString, QString>> items;
    const auto add = [&items](const char* name, const QString& value) {
        items.emplace_back(QString::fromUtf8(name), value);
    };
    const auto zone = [&] {
        if (p.zone)
            add("ゾーン番号", number(*p.zone));
    };
    if (kind == PersonalReportKind::Personal) {
        add("氏名", e.SNA);
        add("社員番号", e.SCOT);
        add("生年月日", app::DateLabel(int(e.SEIHI)));
        add("入社年月日", app::DateLabel(int(e.NYUHI)));
        add("学歴", e.GAKU);
        add("専攻", e.SENKOU);
        add("公的資格", e.KSIKAKU);
        add("所属バンド", e.BANDNAME);
        add("年齢", number(p.age));
        add("勤続", number(p.service));
        add("等級", number(e.TCO));
        add("号俸", number(e.GOUHOU));
        add("就労形態", p.workForm);
        add("役職", e.YAKU);
        add("職務配置", e.KEIKEN);
        zone();
        add("本年評価", e.HKIGOU);
        add("１年前評価", e.HNA1);
        add("２年前評価", e.HNA2);
        add("３年前評価", e.HNA3);
        add("役割評価", e.HYOUKA);
        return items;
    }
    const qint64 base = e.KKYU1 + e.KKYU2 + e.KKYU3;
    const qint64 pay = base + e.TEATE1 + e.TEATE2 + e.TEATE3 + e.TEATE4 + e.TEATE5;
    const qint64 nextPay = e.NKKYU1 + e.NKKYU2 + e.NKKYU3 + e.NTEATE1 + e.NTEATE2 + e.NTEATE3 + e.NTEATE4 + e.NTEATE5;
    add("氏名", e.SNA);
    add("社員番号", e.SCOT);
    add("生年月日", app::DateLabel(int(e.SEIHI)));
    add("年齢", number(p.age));
    add("勤続", number(p.service));
    add("等級", number(e.TCO));
    add("号俸", number(e.GOUHOU));
    add("昇号数", number(e.SGOUSU));
    add("滞留年数", number(p.residence));
    add("基本給", amount(base));
    add("諸手当", amount(pay - base));
    add("所定給", amount(pay));
    add("夏賞与", amount(e.SYOUYO));
    add("冬賞与", amount(e.SYOUYO2));
    add("年収", amount(e.NENSYU));
    add("昇給本年", amount(nextPay - pay));
    add("昇給１年前", amount(e.UPKIN1));
    add("昇給２年前", amount(e.UPKIN2));
    add("昇給３年前", amount(e.UPKIN3));
    add("本年評価", e.HKIGOU);
    add("役割評価", e.HYOUKA);
    add("達成率", QString::number(e.TRITSU, 'g', 15));
    add("所属バンド", e.BANDNAME);
    zone();
    return items;
}

int buildPersonalReport(ReportWriter& w, PersonalReportKind kind, const std::vector<PersonalEmployee>& employees,
                        const PersonalReportHeader& header)
{
    return PersonalPrinter(w, kind, header).run(employees);
}

std::vector<PersonalEmployee> personalEmployees(const data::AppState& st, const std::vector<data::TSyain_>& rows)
{
    std::vector<PersonalEmployee> out;
    out.reserve(rows.size());
    for (const data::TSyain_& e : rows) {
        PersonalEmployee p;
        p.row = e;
        p.age = app::AgeFromDate(int(e.SEIHI));
        p.service = app::AgeFromDate(int(e.NYUHI));
        p.residence = app::AgeFromDate(int(e.THI));
        if (e.SM1 >= 1 && e.SM1 <= 4)
            p.workForm = st.WageForms[size_t(e.SM1)].name;
        if (e.MLINK != 0) {
            const qint64 amounts[3] = {e.KKYU1, e.KKYU2, e.KKYU3};
            const qint64 wage = e.MLINK >= 1 && e.MLINK <= 3 ? amounts[e.MLINK - 1] : 0;
            p.zone = app::BandRaise(int(e.BANDID), int(e.YHYOUKA), wage).zoneBefore;
        }
        out.push_back(std::move(p));
    }
    return out;
}

bool printPersonalReport(data::TFDM& dm, ReportWriter& w, PersonalReportKind kind, const SelectionRange& r)
{
    data::AppState& st = dm.state;
    std::vector<data::TSyain_> rows;
    if (!readEmployeesToPrint(dm, r, rows))
        return false;
    const std::vector<PersonalEmployee> employees = personalEmployees(st, rows);
    PersonalReportHeader header;
    header.yearLabel = app::YearLabel(st.EraDisplay, st.CurrentNendo);
    header.companyName = st.CurrentCompany.KNA;
    header.today = st.TodayDate;
    header.marks = st.CompanyMarks;

    const QString document = prepareReportWriter(w, st, personalReportLayoutName(kind), personalReportTitle(kind));
    w.setImagePath(st.ProgramDir + QStringLiteral("Picture"));
    if (!w.startJob())
        return false;
    platform::BusyCursor busy;
    w.setFontSize(100);
    buildPersonalReport(w, kind, employees, header);
    busy.end();
    if (!w.endJob())
        return false;
    st.PreviewFile = document;
    return true;
}

} // namespace reports
