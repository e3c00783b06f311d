#include "master/EmployeeEntry.h"

#include "data/Common.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "master/TextRules.h"

#include <QDir>
#include <QFileInfo>
#include <limits>

namespace master {

namespace {

using F = EmployeeField;

data::AppState& state() { return data::TFDM::current().state; }

QString num(qint64 n) { return QString::number(n); }

const QString& moneyFormat()
{
    static const QString f = QStringLiteral("#,##0");
    return f;
}

const QString& historyFormat()
{
    static const QString f = QStringLiteral("##,##0");
    return f;
}

bool isBetween(F f, F first, F last) { return int(f) >= int(first) && int(f) <= int(last); }

bool isMoney(F f) { return isBetween(f, F::Base1, F::Bonus2); }

// The code of a code-list text: the number before its first blank, 0 when there is none.
int codeOf(const QString& text)
{
    const auto n = app::parseWholeNumber(app::typedCode(text));
    return n && *n >= 0 && *n <= std::numeric_limits<int>::max() ? int(*n) : 0;
}

// A number box's value as the record takes it: commas removed, empty or no number 0.
qint64 wholeOf(const QString& text)
{
    QString t = text;
    t.remove(QLatin1Char(','));
    return app::parseWholeNumber(t).value_or(0);
}

double realOf(const QString& text)
{
    QString t = text;
    t.remove(QLatin1Char(','));
    return data::parseRealText(t).value_or(0);
}

struct DateFields {
    const DateText EmployeeForm::*text;
    F era;
    QString message;
};

const std::array<DateFields, 3>& dateFields()
{
    static const std::array<DateFields, 3> fields{{
        {&EmployeeForm::birth, F::BirthEra, QStringLiteral("生年月日の入力エラーです。")},
        {&EmployeeForm::hire, F::HireEra, QStringLiteral("入社日の入力エラーです。")},
        {&EmployeeForm::appointment, F::AppointmentEra, QStringLiteral("登用日の入力エラーです。")},
    }};
    return fields;
}

// The yyyymmdd of a date's boxes (0 = not entered); nothing when the boxes make no date.
std::optional<qint64> dateOf(const DateText& d)
{
    app::TYMD t;
    t.era = d.era;
    t.year = d.year;
    t.month = d.month;
    t.day = d.day;
    if (!app::EraToDate(t))
        return std::nullopt;
    return data::parseIntText(t.date).value_or(0);
}

DateText dateTextOf(qint64 date)
{
    app::TYMD t;
    t.date = date == 0 ? QStringLiteral("0") : num(date);
    app::DateToEra(t);
    return {t.era, t.year, t.month, t.day};
}

QString itemOrNone(qint64 code, const QString& item)
{
    if (code == 0)
        return app::noneItem();
    return item.isEmpty() ? app::unregisteredItem(code) : item;
}

// The fields of the form in screen order, each with the text it holds (the code lists and the
// work form are not among them: they have their own checks).
std::vector<std::pair<F, const QString*>> checkedTexts(const EmployeeForm& f)
{
    std::vector<std::pair<F, const QString*>> out = {
        {F::Number, &f.number},
        {F::Name, &f.name},
        {F::Position, &f.position},
        {F::Education, &f.education},
        {F::Major, &f.major},
        {F::Qualifications, &f.qualifications},
        {F::Assignment, &f.assignment},
        {F::AbilityPoints, &f.abilityPoints},
        {F::AchievementRate, &f.achievementRate},
        {F::PastEvaluation1, &f.pastEvaluations[0]},
        {F::PastEvaluation2, &f.pastEvaluations[1]},
        {F::PastEvaluation3, &f.pastEvaluations[2]},
        {F::ExperienceYears, &f.experienceYears},
        {F::JobPoints, &f.jobPoints},
    };
    for (int i = 0; i < 3; ++i)
        out.push_back({nthField(F::Base1, i), &f.base[size_t(i)]});
    for (int i = 0; i < 3; ++i)
        out.push_back({nthField(F::BaseAfter1, i), &f.baseAfter[size_t(i)]});
    for (int i = 0; i < 5; ++i)
        out.push_back({nthField(F::Allowance1, i), &f.allowances[size_t(i)]});
    for (int i = 0; i < 5; ++i)
        out.push_back({nthField(F::AllowanceAfter1, i), &f.allowancesAfter[size_t(i)]});
    out.push_back({F::Bonus1, &f.bonus1});
    out.push_back({F::Bonus2, &f.bonus2});
    out.push_back({F::RetirementRate, &f.retirementRate});
    for (int i = 0; i < 3; ++i)
        out.push_back({nthField(F::RaiseHistory1, i), &f.raiseHistory[size_t(i)]});
    return out;
}

} // namespace

bool onBasicTab(EmployeeField f) { return int(f) < int(F::Base1); }

int textFieldLength(EmployeeField f)
{
    switch (f) {
    case F::Number: return 10;
    case F::Name: return 20;
    case F::Position: return 20;
    case F::Education:
    case F::Major:
    case F::Qualifications:
    case F::Assignment: return 30;
    case F::PastEvaluation1:
    case F::PastEvaluation2:
    case F::PastEvaluation3: return 10;
    default: return 0;
    }
}

app::FieldCheck checkEmployeeField(EmployeeField f, const QString& text)
{
    if (const int length = textFieldLength(f); length > 0) {
        app::FieldCheck r;
        if (const auto refusal = freeTextRefusal(text, length))
            r.message = *refusal;
        else
            r.accepted = true;
        return r;
    }
    if (isMoney(f))
        return app::checkIntText(text, 8, moneyFormat(), 0, 0);
    if (isBetween(f, F::RaiseHistory1, F::RaiseHistory3))
        return app::checkIntText(text, 8, historyFormat(), 0, 0);
    switch (f) {
    case F::BirthYear:
    case F::HireYear:
    case F::AppointmentYear:
        // Four digits may be typed, so that a Western year is refused rather than cut.
        return app::checkIntText(text, 4, QString(), 0, 99);
    // A month or day of 0 stands for a date not entered (the screen shows 0 0 0 for none).
    case F::BirthMonth:
    case F::HireMonth:
    case F::AppointmentMonth: return app::checkIntText(text, 2, QString(), 0, 12);
    case F::BirthDay:
    case F::HireDay:
    case F::AppointmentDay: return app::checkIntText(text, 2, QString(), 0, 31);
    case F::AbilityPoints: return app::checkIntText(text, 3, QString(), 0, 300);
    case F::AchievementRate: return app::checkIntText(text, 4, QString(), 0, 0);
    case F::ExperienceYears: return app::checkIntText(text, 2, QString(), 0, 0);
    case F::JobPoints: return app::checkIntText(text, 4, QString(), 0, 0);
    case F::RetirementRate: return app::checkFloatText(text, 8, QStringLiteral("#,##0.000"));
    default: {
        app::FieldCheck r;
        r.accepted = true;
        return r;
    }
    }
}

std::optional<EmployeeRefusal> fillEmployee(const EmployeeForm& form, const EmployeeContext& context,
                                            data::TSyain_& r)
{
    if (form.code.isEmpty())
        return EmployeeRefusal{F::Code, QStringLiteral("社員コードが入力されていません。")};
    if (form.name.isEmpty())
        return EmployeeRefusal{F::Name, QStringLiteral("氏名は必ず入力してください。")};
    const auto code = app::parseWholeNumber(app::typedCode(form.code));
    if (!code || *code < 0)
        return EmployeeRefusal{F::Code, QStringLiteral("数値を入力して下さい。")};
    if (*code == 0)
        return EmployeeRefusal{F::Code, QStringLiteral("０は入力できません。")};

    std::array<qint64, 3> dates{};
    for (size_t i = 0; i < dateFields().size(); ++i) {
        const DateFields& d = dateFields()[i];
        const DateText& t = form.*(d.text);
        const QString* boxes[3] = {&t.year, &t.month, &t.day};
        for (int b = 0; b < 3; ++b) {
            if (boxes[b]->isEmpty())
                continue;   // an empty box counts as 0 below
            const F field = nthField(d.era, b + 1);
            const app::FieldCheck c = checkEmployeeField(field, *boxes[b]);
            if (!c.accepted)
                return EmployeeRefusal{field, c.message};
        }
        const auto date = dateOf(t);
        if (!date)
            return EmployeeRefusal{nthField(d.era, 1), d.message};
        dates[i] = *date;
    }

    for (const auto& [field, text] : checkedTexts(form)) {
        // An empty number box counts as 0 here, as in the totals.
        if (text->isEmpty() && textFieldLength(field) == 0)
            continue;
        const app::FieldCheck c = checkEmployeeField(field, *text);
        if (!c.accepted)
            return EmployeeRefusal{field, c.message};
    }
    const app::CodeCheck grade = app::checkCodeText(context.grades, form.grade, false, true, false);
    if (!grade.accepted)
        return EmployeeRefusal{F::Grade, grade.message};
    // Mark 0 is no mark: the "0 : なし" an employee without mark shows is saved as such.
    if (!form.mark.isEmpty()) {
        const auto mark = app::parseWholeNumber(app::typedCode(form.mark));
        if (!mark)
            return EmployeeRefusal{F::Mark, QStringLiteral("数値を入力して下さい。")};
        if (*mark != 0) {
            const app::CodeCheck c = app::checkCodeText(context.marks, form.mark, false, true, false);
            if (!c.accepted)
                return EmployeeRefusal{F::Mark, c.message};
        }
    }

    const data::AppState& st = state();
    r.KCO = num(st.CurrentKco);
    r.NENDO = num(st.CurrentNendo);
    r.SCO = num(*code);
    r.SCOT = form.number;
    r.SNA = form.name;
    r.SEIBETSU = form.female ? 1 : 0;
    r.SEIHI = dates[0];
    r.NYUHI = dates[1];
    r.THI = dates[2];
    r.YAKU = form.position;
    r.SM1 = form.workForm;
    r.GAKU = form.education;
    r.SENKOU = form.major;
    r.KSIKAKU = form.qualifications;
    r.KEIKEN = form.assignment;
    r.TCO = r.TOUKYU = codeOf(form.grade);
    r.GOUHOU = wholeOf(form.abilityPoints);
    r.TRITSU = realOf(form.achievementRate);
    r.HCO = codeOf(form.evaluation);
    r.HNA1 = form.pastEvaluations[0];
    r.HNA2 = form.pastEvaluations[1];
    r.HNA3 = form.pastEvaluations[2];
    r.NENSU = wholeOf(form.experienceYears);
    r.TENSU = wholeOf(form.jobPoints);
    r.MCO = codeOf(form.mark);
    r.SPATH = form.picture;
    r.NENREI = app::AgeFromDate(int(r.SEIHI));
    r.KINZOKU = app::AgeFromDate(int(r.NYUHI));

    const PayAmounts a = amountsOf(form);
    qint64* base[3] = {&r.KKYU1, &r.KKYU2, &r.KKYU3};
    qint64* baseAfter[3] = {&r.NKKYU1, &r.NKKYU2, &r.NKKYU3};
    qint64* allowances[5] = {&r.TEATE1, &r.TEATE2, &r.TEATE3, &r.TEATE4, &r.TEATE5};
    qint64* allowancesAfter[5] = {&r.NTEATE1, &r.NTEATE2, &r.NTEATE3, &r.NTEATE4, &r.NTEATE5};
    for (size_t i = 0; i < 3; ++i) {
        *base[i] = a.base[i];
        *baseAfter[i] = a.baseAfter[i];
    }
    for (size_t i = 0; i < 5; ++i) {
        *allowances[i] = a.allowances[i];
        *allowancesAfter[i] = a.allowancesAfter[i];
    }
    r.SYOUYO = a.bonus1;
    r.SYOUYO2 = a.bonus2;
    const PayTotals t = payTotals(a);
    r.NENSYU = t.annualBefore;
    r.NNENSYU = t.annualAfter;
    r.SYOTEI = t.scheduledBefore;
    r.NSYOTEI = t.scheduledAfter;
    r.UPK = t.baseRaise;
    r.UPT = t.allowanceRaise;
    r.BaseTotal = t.baseBefore;
    r.ScheduledPay = t.scheduledBefore;
    r.AnnualIncome = t.annualBefore;
    r.BaseTotalAfter = t.baseAfter;
    r.ScheduledPayAfter = t.scheduledAfter;
    r.SRITSU = realOf(form.retirementRate);
    r.UPKIN1 = wholeOf(form.raiseHistory[0]);
    r.UPKIN2 = wholeOf(form.raiseHistory[1]);
    r.UPKIN3 = wholeOf(form.raiseHistory[2]);

    r.SKCO = context.wageTable;
    r.BANDID = context.band;
    r.YHYOUKA = context.roleEvaluation;
    r.JISEKI = context.wageTableLink;
    r.MLINK = 0;
    r.ZONEX = 0;
    r.MNA.clear();
    r.SM2.clear();
    return std::nullopt;
}

void prepareNewEmployee(data::TSyain_& r, const QDateTime& now)
{
    r.HSCO = r.SIKAKUGO = r.NENKYU = r.SYOKUKYU = r.KIHONKYU = r.SYOTEIKYU = 0;
    r.MZONE = r.NEWBANDID = r.NEWYHYOUKA = r.NEWMZONE = 0;
    r.NTOUKYU = r.SGOUHOU = r.NGOUHOU = r.FSKCHK = 0;
    r.HCO1 = r.HCO2 = r.HCO3 = 0;
    r.FITNO = r.FITKIN = r.FITJITSU = r.SAVENO = r.SAVEKIN = 0;
    r.NSRITSU = 0.0;
    r.MNA.clear();
    r.FITNAME.clear();
    r.NEWDAY1 = now.toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
}

int wageTableLinkOf(const data::TSyain_& r) { return r.JISEKI >= 1 && r.JISEKI <= 3 ? int(r.JISEKI) : 0; }

EmployeeForm formOf(const data::TSyain_& r)
{
    EmployeeForm f;
    f.code = r.SCO;
    f.number = r.SCOT;
    f.name = r.SNA;
    f.female = r.SEIBETSU == 1;
    f.birth = dateTextOf(r.SEIHI);
    f.hire = dateTextOf(r.NYUHI);
    f.appointment = dateTextOf(r.THI);
    f.position = r.YAKU;
    f.workForm = r.SM1 >= 1 && r.SM1 <= 4 ? int(r.SM1) : 0;
    f.education = r.GAKU;
    f.major = r.SENKOU;
    f.qualifications = r.KSIKAKU;
    f.assignment = r.KEIKEN;
    f.grade = itemOrNone(r.TOUKYU, app::GradeItemText(int(r.TOUKYU)));
    f.abilityPoints = num(r.GOUHOU);
    f.achievementRate = data::realText(r.TRITSU);
    f.evaluation = r.HCO == 0 ? app::noneItem() : num(r.HCO) + QStringLiteral(" : ") + r.HKIGOU;
    f.pastEvaluations = {r.HNA1, r.HNA2, r.HNA3};
    f.experienceYears = num(r.NENSU);
    f.jobPoints = num(r.TENSU);
    f.mark = itemOrNone(r.MCO, app::MarkItemText(int(r.MCO)));
    f.picture = r.SPATH;
    const qint64 base[3] = {r.KKYU1, r.KKYU2, r.KKYU3};
    const qint64 baseAfter[3] = {r.NKKYU1, r.NKKYU2, r.NKKYU3};
    const qint64 allowances[5] = {r.TEATE1, r.TEATE2, r.TEATE3, r.TEATE4, r.TEATE5};
    const qint64 allowancesAfter[5] = {r.NTEATE1, r.NTEATE2, r.NTEATE3, r.NTEATE4, r.NTEATE5};
    const int link = wageTableLinkOf(r);
    for (int i = 0; i < 3; ++i) {
        f.base[size_t(i)] = moneyText(base[i]);
        f.baseAfter[size_t(i)] = moneyText(link == i + 1 ? r.NKIN : baseAfter[i]);
    }
    for (size_t i = 0; i < 5; ++i) {
        f.allowances[i] = moneyText(allowances[i]);
        f.allowancesAfter[i] = moneyText(allowancesAfter[i]);
    }
    f.bonus1 = moneyText(r.SYOUYO);
    f.bonus2 = moneyText(r.SYOUYO2);
    f.retirementRate = app::formatNumber(QStringLiteral("#,##0.000"), r.SRITSU);
    f.raiseHistory = {app::formatNumber(historyFormat(), double(r.UPKIN1)),
                      app::formatNumber(historyFormat(), double(r.UPKIN2)),
                      app::formatNumber(historyFormat(), double(r.UPKIN3))};
    return f;
}

EmployeeForm clearedForm()
{
    const QString zero = QStringLiteral("0");
    EmployeeForm f;
    const DateText noDate{QStringLiteral(" "), zero, zero, zero};
    f.birth = f.hire = f.appointment = noDate;
    f.grade = f.mark = f.evaluation = app::noneItem();
    f.abilityPoints = f.achievementRate = f.experienceYears = f.jobPoints = zero;
    f.base.fill(zero);
    f.baseAfter.fill(zero);
    f.allowances.fill(zero);
    f.allowancesAfter.fill(zero);
    f.bonus1 = f.bonus2 = zero;
    f.retirementRate = QStringLiteral("0.000");
    f.raiseHistory.fill(zero);
    return f;
}

PayTotals payTotals(const PayAmounts& a)
{
    PayTotals t;
    for (size_t i = 0; i < 3; ++i) {
        t.baseBefore += a.base[i];
        t.baseAfter += a.baseAfter[i];
    }
    for (size_t i = 0; i < 5; ++i) {
        t.allowancesBefore += a.allowances[i];
        t.allowancesAfter += a.allowancesAfter[i];
    }
    t.scheduledBefore = t.baseBefore + t.allowancesBefore;
    t.scheduledAfter = t.baseAfter + t.allowancesAfter;
    t.annualBefore = t.scheduledBefore * 12 + a.bonus1 + a.bonus2;
    t.annualAfter = t.scheduledAfter * 12 + a.bonus1 + a.bonus2;
    t.baseRaise = t.baseAfter - t.baseBefore;
    t.allowanceRaise = t.allowancesAfter - t.allowancesBefore;
    return t;
}

PayAmounts amountsOf(const EmployeeForm& f)
{
    PayAmounts a;
    for (size_t i = 0; i < 3; ++i) {
        a.base[i] = wholeOf(f.base[i]);
        a.baseAfter[i] = wholeOf(f.baseAfter[i]);
    }
    for (size_t i = 0; i < 5; ++i) {
        a.allowances[i] = wholeOf(f.allowances[i]);
        a.allowancesAfter[i] = wholeOf(f.allowancesAfter[i]);
    }
    a.bonus1 = wholeOf(f.bonus1);
    a.bonus2 = wholeOf(f.bonus2);
    return a;
}

QString moneyText(qint64 yen) { return app::formatNumber(moneyFormat(), double(yen)); }

QString hourlyWageText(const data::TSyain_& r, double monthlyHours)
{
    const qint64 scheduled = r.KKYU1 + r.KKYU2 + r.KKYU3 + r.TEATE1 + r.TEATE2 + r.TEATE3 + r.TEATE4 + r.TEATE5;
    return app::formatNumber(historyFormat(), data::SafeDiv(double(scheduled), monthlyHours));
}

OptimalWageTexts optimalWageTexts(const data::TSyain_& r)
{
    if (r.FITNO == 0)
        return {};
    const qint64 residual = r.FITJITSU - r.FITKIN;
    return {r.FITNAME, app::formatNumber(historyFormat(), double(r.FITKIN)),
            app::formatNumber(historyFormat(), double(residual)),
            app::formatNumber(QStringLiteral("##0.00%"), data::SafeDiv(double(residual) * 100.0, double(r.FITKIN)))};
}

bool loadEmployeeList(data::TFDM& dm, int gradeFilter, std::vector<data::TSyain_>& list)
{
    list.clear();
    const data::AppState& st = dm.state;
    QString where = QStringLiteral(" WHERE NENDO = ") + num(st.CurrentNendo) + QStringLiteral(" AND   KCO   = ")
        + num(st.CurrentKco);
    if (gradeFilter != 0)
        where += QStringLiteral(" AND TOUKYU = ") + num(gradeFilter);
    where += QStringLiteral(" ORDER BY KCO,SCO");
    data::TSyain_rec set;
    if (!data::Selects(dm.ACN2, dm.Query21, false, QStringLiteral("select * from VSYAIN "), where, set))
        return false;
    list = std::move(set.items);
    return true;
}

QString employeeCellText(const data::TSyain_& e, int column)
{
    switch (column) {
    case 1: return e.SCO;
    case 2: return e.SCOT;
    case 3: return e.SNA;
    case 4: return e.SCOT.isEmpty() ? QStringLiteral("0") : num(app::AgeFromDate(int(e.SEIHI)));
    case 5: return e.SCOT.isEmpty() ? QStringLiteral("0") : num(app::AgeFromDate(int(e.NYUHI)));
    case 6: return e.YAKU;
    case 7: return e.HKIGOU;
    case 8: return num(e.TOUKYU);
    case 9: return num(e.GOUHOU);
    case 10: {
        if (e.MLINK < 1 || e.MLINK > 3)
            return data::realText(e.TRITSU);
        const qint64 amounts[3] = {e.KKYU1, e.KKYU2, e.KKYU3};
        return num(app::BandRaise(int(e.BANDID), int(e.YHYOUKA), amounts[e.MLINK - 1]).zoneBefore);
    }
    default: return QString();
    }
}

QString employeeWhere(const data::AppState& st, qint64 code)
{
    return QStringLiteral(" WHERE NENDO = ") + num(st.CurrentNendo) + QStringLiteral(" AND   KCO   = ") + num(st.CurrentKco)
        + QStringLiteral(" AND   SCO   = ") + num(code);
}

RegisterOutcome registerEmployee(data::TFDM& dm, data::TSyain_& record)
{
    const qint64 code = data::parseIntText(record.SCO).value_or(0);
    // The first part alone decides: an employee whose second part went missing still exists.
    dm.RunSql(dm.Query21, QStringLiteral("SELECT SCO FROM MSYAIN1") + employeeWhere(dm.state, code), QLatin1Char('S'));
    const bool readable = dm.Query21.isActive();
    const bool exists = readable && !dm.Query21.eof();
    dm.Query21.close();
    if (!readable)
        return RegisterOutcome::Failed;
    if (exists)
        return RegisterOutcome::Exists;
    return data::InsertSyain(dm.ACN2, dm.Query21, record) ? RegisterOutcome::Registered : RegisterOutcome::Failed;
}

bool changeEmployee(data::TFDM& dm, data::TSyain_& record)
{
    const qint64 code = data::parseIntText(record.SCO).value_or(0);
    return data::UpdateSyain(dm.ACN2, dm.Query21, employeeWhere(dm.state, code), record);
}

bool deleteEmployee(data::TFDM& dm, qint64 code)
{
    const data::AppState& st = dm.state;
    data::TSyain_ row;
    return data::DeleteSyain(dm.ACN2, dm.Query21,
                             QStringLiteral(" WHERE SCO = ") + num(code) + QStringLiteral(" AND   KCO = ")
                                 + num(st.CurrentKco) + QStringLiteral(" AND NENDO = ") + num(st.CurrentNendo),
                             row);
}

std::optional<QString> pictureNameFromPath(const QString& pictureDir, const QString& chosenPath)
{
    QString path = chosenPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString folder = QFileInfo(pictureDir).canonicalFilePath();
    const QString file = QFileInfo(path).canonicalFilePath();
    if (folder.isEmpty() || file.isEmpty() || !QFileInfo(file).isFile())
        return std::nullopt;
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    if (!file.startsWith(prefix))
        return std::nullopt;
    const QString name = file.mid(prefix.size());
    if (name.isEmpty() || name.size() > 255)
        return std::nullopt;
    return name;
}

} // namespace master
