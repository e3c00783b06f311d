#include "app/SharedRoutines.h"

#include "data/Common.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "data/Records.h"
#include "platform/ColorNames.h"
#include "platform/Dialogs.h"
#include "platform/JapaneseCalendar.h"
#include "platform/ProgramFolders.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace app {

namespace {

data::TFDM& dm() { return data::TFDM::current(); }
data::AppState& state() { return dm().state; }

void warn(const QString& text)
{
    platform::dialogs().message(platform::MessageKind::Warning, text, platform::appTitle());
}

// The company code and fiscal year of the open company, as numbers in text: the only values that
// go into the conditions of the loaders.
QString kcoText() { return QString::number(VarToIntSafe(state().CurrentCompany.KCO)); }
QString nendoText() { return QString::number(VarToIntSafe(state().CurrentCompany.NENDO)); }

QString withoutSeparators(const QString& text)
{
    QString t = text;
    t.remove(QLatin1Char(','));
    return t.trimmed();
}

// The parts of a yyyymmdd text; with eraForm the era name and era year replace the Western year.
bool splitDate(TYMD& d, bool eraForm)
{
    d.era.clear();
    d.year = d.month = d.day = QStringLiteral("0");
    d.value = state().TodayDate;
    if (d.date.size() != 8)
        return true;
    d.year = d.date.mid(2, 2);
    d.month = d.date.mid(4, 2);
    d.day = d.date.mid(6, 2);
    const auto y = parseWholeNumber(d.date.left(4));
    const auto m = parseWholeNumber(d.month);
    const auto dd = parseWholeNumber(d.day);
    if (!y || !m || !dd)
        return false;
    const QDate value{int(*y), int(*m), int(*dd)};
    if (!value.isValid())
        return false;
    d.value = value;
    if (eraForm) {
        const QString text = platform::eraDateText(value);   // "ggeemmdd"
        if (text.isEmpty())
            return false;
        d.era = text.left(2);
        d.year = text.mid(2, 2);
    }
    return true;
}

// Rounds halves away from zero to a whole multiple of unit, saturating far outside any amount.
qint64 roundToUnit(double x, qint64 unit)
{
    if (!std::isfinite(x))
        return 0;
    const double limit = 9.0e18 / double(unit);
    const double q = std::clamp(std::round(x / double(unit)), -limit, limit);
    return qint64(q) * unit;
}

data::TBANDM bandRow(const data::TBAND_& r)
{
    data::TBANDM b;
    b.bandId = int(VarToIntSafe(r.BANDID));
    b.bandName = r.BANDNAME;
    b.bandDefinition = r.BANDTEIGI;
    b.referenceWage = VarToIntSafe(r.KIJUNCHINGIN);
    b.lowerRate = VarToFloatSafe(r.KAGENRITSU);
    b.upperRate = VarToFloatSafe(r.JOUGENRITSU);
    b.spread = VarToFloatSafe(r.SPREAD);
    b.range = VarToIntSafe(r.RANGE);
    const QString data::TBAND_::*lower[5] = {&data::TBAND_::KAGENGAKU1, &data::TBAND_::KAGENGAKU2,
                                             &data::TBAND_::KAGENGAKU3, &data::TBAND_::KAGENGAKU4,
                                             &data::TBAND_::KAGENGAKU5};
    const QString data::TBAND_::*upper[5] = {&data::TBAND_::JOUGENGAKU1, &data::TBAND_::JOUGENGAKU2,
                                             &data::TBAND_::JOUGENGAKU3, &data::TBAND_::JOUGENGAKU4,
                                             &data::TBAND_::JOUGENGAKU5};
    const QString data::TBAND_::*up[5] = {&data::TBAND_::UP1, &data::TBAND_::UP2, &data::TBAND_::UP3,
                                          &data::TBAND_::UP4, &data::TBAND_::UP5};
    for (int i = 0; i < 5; ++i) {
        b.lower[i] = VarToIntSafe(r.*lower[i]);
        b.upper[i] = VarToIntSafe(r.*upper[i]);
        b.up[i] = VarToFloatSafe(r.*up[i]);
    }
    b.matrixId = int(VarToIntSafe(r.MATRIXID));
    b.roleEvaluation = int(VarToIntSafe(r.YHYOUKA));
    b.zones = int(VarToIntSafe(r.ZONESU));
    b.matrixName = r.MATRIXNAME;
    return b;
}

bool loadBands(data::TBANDTBL& table, const QString& select, const QString& order)
{
    table = data::TBANDTBL{};
    data::TBAND_rec set;
    auto& d = dm();
    if (!data::Selects(d.ACN2, d.Query21, false, select,
                       QStringLiteral(" WHERE KCO = ") + kcoText() + QStringLiteral(" AND NENDO = ") + nendoText()
                           + order,
                       set))
        return false;
    table.rows.reserve(set.items.size());
    for (const data::TBAND_& r : set.items) {
        table.rows.push_back(bandRow(r));
        table.title = r.TITLE;
        table.rounding = int(VarToIntSafe(r.MARUME));
    }
    return true;
}

} // namespace

// ---- Value conversions -----------------------------------------------------------------------------

QString VarToStrZero(const QVariant& v)
{
    const QString s = data::VariantToText(v);
    return s.isEmpty() ? QStringLiteral("0") : s;
}

QString VarToStrEmpty(const QVariant& v) { return data::VariantToText(v); }

qint64 VarToIntSafe(const QVariant& v)
{
    if (v.isNull())
        return 0;
    if (v.typeId() != QMetaType::QString)
        return data::VariantToInt(v).value_or(0);
    const QString t = withoutSeparators(v.toString());
    if (t.isEmpty())
        return 0;
    return data::parseIntText(t).value_or(0);
}

double VarToFloatSafe(const QVariant& v)
{
    if (v.isNull())
        return 0;
    if (v.typeId() != QMetaType::QString)
        return data::VariantToFloat(v).value_or(0);
    const QString t = withoutSeparators(v.toString());
    if (t.isEmpty())
        return 0;
    return data::parseRealText(t).value_or(0);
}

std::optional<qint64> parseWholeNumber(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        const bool sign = i == 0 && (c == u'-' || c == u'+') && t.size() > 1;
        if (!sign && !(c >= u'0' && c <= u'9'))   // ASCII digits only, not full-width ones
            return std::nullopt;
    }
    bool ok = false;
    const qint64 n = t.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

// ---- Japanese-era dates ------------------------------------------------------------------------------

bool DateToEra(TYMD& d) { return splitDate(d, state().EraDisplay != 0); }

bool EraToDate(TYMD& d)
{
    data::AppState& s = state();
    const auto month = parseWholeNumber(d.month.isEmpty() ? QStringLiteral("0") : d.month);
    const auto day = parseWholeNumber(d.day.isEmpty() ? QStringLiteral("0") : d.day);
    if (month == 0 && day == 0) {
        d.date = QStringLiteral("0");
        return true;
    }
    bool ok = true;
    const auto year = parseWholeNumber(d.year);
    qint64 y = year.value_or(0);
    if (s.EraDisplay != 0) {
        const auto era = std::find_if(s.EraTable.begin(), s.EraTable.end(),
                                      [&](const data::EraEntry& e) { return !e.name.isEmpty() && e.name == d.era; });
        if (era != s.EraTable.end())
            y += era->firstYear - 1;
        else
            ok = false;
    } else {
        y += y <= 30 ? 2000 : 1900;
    }
    QDate value;
    if (year && month && day && y > 0 && y <= 9999)
        value = QDate(int(y), int(*month), int(*day));
    if (!value.isValid()) {
        value = s.TodayDate;
        ok = false;
    }
    d.value = value;
    d.date = value.toString(QStringLiteral("yyyyMMdd"));
    return ok;
}

QString YearLabel(int eraForm, int year)
{
    if (eraForm != 0) {
        TYMD d;
        d.date = QString::number(year) + QStringLiteral("0101");
        if (splitDate(d, true) && !d.era.isEmpty())
            return d.era + QLatin1Char(' ') + d.year;
    }
    return QString::number(year);
}

QString DateLabel(int date)
{
    if (date == 0)
        return QString();
    TYMD d;
    d.date = QString::number(date);
    DateToEra(d);
    return d.era + d.year + QStringLiteral("年") + d.month + QStringLiteral("月") + d.day + QStringLiteral("日");
}

int AgeFromDate(int date)
{
    data::AppState& s = state();
    if (s.AgeByToday != 0)
        s.refreshToday();
    return data::YearsToReference(date);
}

// ---- Numbers -----------------------------------------------------------------------------------------

double PowerOf(double base, double exponent)
{
    if (base == 0)
        return 0;
    const double r = std::pow(base, exponent);
    return std::isfinite(r) ? r : 0;
}

double RoundToDigits(int digits, double x)
{
    if (x == 0)
        return 0;
    // Scale by an exact power of ten on both sides, so that 10^-k never enters as an inexact factor.
    const int k = digits - 1;
    const double p = std::pow(10.0, std::abs(k));
    const double y = k >= 0 ? x * p : x / p;
    if (!std::isfinite(y) || std::fabs(y) >= 9.2e18)
        return std::trunc(x);
    const double r = std::round(y);   // halves away from zero
    return k >= 0 ? r / p : r * p;
}

qint64 RoundWage(int mode, double x)
{
    const qint64 unit = mode == 0 ? 10 : mode == 1 ? 100 : 1000;
    return roundToUnit(x, unit);
}

QString formatNumber(const QString& format, double value)
{
    if (format.isEmpty())
        return data::realText(value);
    auto isPlaceholder = [](QChar c) { return c == u'#' || c == u'0' || c == u',' || c == u'.'; };
    int first = 0;
    while (first < format.size() && !isPlaceholder(format.at(first)))
        ++first;
    int last = int(format.size()) - 1;
    while (last >= first && !isPlaceholder(format.at(last)))
        --last;
    const QString prefix = format.left(first);
    const QString suffix = format.mid(last + 1);
    const QString pattern = format.mid(first, last - first + 1);
    const qsizetype dot = pattern.indexOf(u'.');
    const QString intPattern = dot < 0 ? pattern : pattern.left(dot);
    const QString fracPattern = dot < 0 ? QString() : pattern.mid(dot + 1);
    const bool grouping = intPattern.contains(u',');
    const int minInt = int(intPattern.count(u'0'));
    const int minDec = int(fracPattern.count(u'0'));
    const int maxDec = minDec + int(fracPattern.count(u'#'));

    const bool negative = value < 0;
    const double a = std::fabs(value);
    QString digits;
    const double scaled = a * std::pow(10.0, maxDec);
    if (std::isfinite(scaled) && scaled < 9.0e18)
        digits = QString::number(qint64(std::round(scaled)));
    else
        digits = QString::number(a, 'f', maxDec).remove(u'.');
    while (digits.size() <= maxDec)
        digits.prepend(u'0');
    QString intPart = digits.left(digits.size() - maxDec);
    QString fracPart = digits.right(maxDec);
    while (fracPart.size() > minDec && fracPart.endsWith(u'0'))
        fracPart.chop(1);
    while (!intPart.isEmpty() && intPart.startsWith(u'0'))
        intPart.remove(0, 1);
    while (intPart.size() < minInt)
        intPart.prepend(u'0');
    if (grouping)
        for (qsizetype i = intPart.size() - 3; i > 0; i -= 3)
            intPart.insert(i, u',');
    const bool nonzero = std::any_of(digits.begin(), digits.end(), [](QChar c) { return c != u'0'; });
    QString out = prefix + intPart;
    if (!fracPart.isEmpty())
        out += QLatin1Char('.') + fracPart;
    out += suffix;
    return negative && nonzero ? QLatin1Char('-') + out : out;
}

QString GradeItemText(int n)
{
    if (n < 1 || n > 9)
        return QString();
    return QString::number(n) + QStringLiteral(" : ") + state().CurrentCompany.TK[size_t(n - 1)];
}

QString MarkItemText(int n)
{
    if (n < 1 || n > 9)
        return QString();
    const data::TMMARK& m = state().CompanyMarks[size_t(n - 1)];
    return QString::number(n) + QStringLiteral(" : ") + m.mark + QStringLiteral("  ") + m.legend;
}

QString NthField(const QString& text, QChar delimiter, int n)
{
    const QStringList fields = text.split(delimiter);
    if (n < 1 || n > fields.size())
        return QString();
    return fields.at(n - 1);
}

bool ParseIntInput(const QString& text, qint64& value)
{
    QString t = text;
    t.remove(u',');
    const auto n = parseWholeNumber(t);
    if (!n) {
        warn(QStringLiteral("数値の入力エラーです。"));
        return false;
    }
    value = *n;
    return true;
}

// ---- Code lists --------------------------------------------------------------------------------------

QString noneItem() { return QStringLiteral("0 : なし"); }
QString notSpecifiedItem() { return QStringLiteral("0 : 指定なし"); }
QString unregisteredItem(qint64 code) { return QString::number(code) + QStringLiteral(" : 未登録"); }

QString itemCode(const QString& item)
{
    const qsizetype i = item.indexOf(QStringLiteral(" : "));
    return i < 0 ? item : item.left(i);
}

QString typedCode(const QString& text)
{
    const qsizetype i = text.indexOf(u' ');
    return i < 0 ? text : text.left(i);
}

QString itemName(const QString& item)
{
    const qsizetype i = item.indexOf(QStringLiteral(" : "));
    return i < 0 ? item : item.mid(i + 3);
}

CodeCheck checkCodeText(const QStringList& items, const QString& typed, bool required, bool mustExist,
                        bool zeroForbidden)
{
    CodeCheck r;
    if (!required && typed.isEmpty()) {
        r.accepted = true;
        return r;
    }
    const auto n = parseWholeNumber(typedCode(typed));
    if (!n || *n == -1 || *n < std::numeric_limits<int>::min() || *n > std::numeric_limits<int>::max()) {
        r.message = QStringLiteral("数値を入力して下さい。");
        return r;
    }
    if (*n == 0 && zeroForbidden) {
        r.message = QStringLiteral("０は入力できません。");
        return r;
    }
    r.code = int(*n);
    const QString key = QString::number(*n);
    for (int i = 0; i < items.size(); ++i) {
        if (typedCode(items.at(i)) == key) {
            r.accepted = true;
            r.index = i;
            r.text = items.at(i);
            return r;
        }
    }
    if (mustExist) {
        r.message = QStringLiteral("存在しないコードです。");
        return r;
    }
    r.accepted = true;
    r.text = unregisteredItem(*n);
    return r;
}

CodeChoice chooseCodeItem(const QStringList& items, const QString& codeText, bool zeroMeansNone)
{
    const QString part = typedCode(codeText);
    if (part.isEmpty())
        return {};
    const auto n = parseWholeNumber(part);
    if (!n)
        return {part + QStringLiteral(" : 未登録"), -1};
    if (*n == 0 && zeroMeansNone)
        return {};
    const QString key = QString::number(*n);
    for (int i = 0; i < items.size(); ++i)
        if (itemCode(items.at(i)) == key)
            return {items.at(i), i};
    return {unregisteredItem(*n), -1};
}

CodeText splitCodeText(const QString& text)
{
    const qsizetype i = text.indexOf(QStringLiteral(" : "));
    if (i < 0)
        return {text, QString()};
    return {text.left(i), text.mid(i + 3, 100)};
}

QStringList lineStyleItems()
{
    return {QStringLiteral("0 : 実線"),     QStringLiteral("1 : 破線"),     QStringLiteral("2 : 点線"),
            QStringLiteral("3 : 一点鎖線"), QStringLiteral("4 : 二点鎖線"), QStringLiteral("5 : なし")};
}

QString lineStyleItem(int n) { return lineStyleItems().at(std::clamp(n, 0, 5)); }

// ---- Numeric entry fields ----------------------------------------------------------------------------

FieldCheck checkIntText(const QString& text, int maxLength, const QString& format, qint64 min, qint64 max)
{
    FieldCheck r;
    const QString t = withoutSeparators(text);
    const auto v = parseWholeNumber(t);
    if (!v) {
        r.message = QStringLiteral("数値を入力してください。");
        return r;
    }
    // A maximum length of 0 or less places no limit.
    if ((maxLength > 0 && t.size() > maxLength) || ((min != 0 || max != 0) && (*v < min || *v > max))) {
        r.message = QStringLiteral("入力範囲外です。");
        return r;
    }
    r.accepted = true;
    if (!format.isEmpty())
        r.text = formatNumber(format, double(*v));
    return r;
}

FieldCheck checkFloatText(const QString& text, int maxLength, const QString& format)
{
    FieldCheck r;
    const QString t = withoutSeparators(text);
    const auto v = data::parseRealText(t);
    if (!v) {
        r.message = QStringLiteral("数値を入力してください。");
        return r;
    }
    if (maxLength > 0 && t.size() > maxLength) {
        r.message = QStringLiteral("入力範囲外です。");
        return r;
    }
    r.accepted = true;
    if (!format.isEmpty())
        r.text = formatNumber(format, *v);
    return r;
}

// ---- Check boxes and flag strings --------------------------------------------------------------------

QString CheckedInList(const std::vector<bool>& checked)
{
    QStringList positions;
    for (size_t i = 0; i < checked.size(); ++i)
        if (checked[i])
            positions << QString::number(i + 1);
    if (positions.isEmpty())
        return QStringLiteral(" IN(99999)");
    return QStringLiteral(" IN(") + positions.join(u',') + u')';
}

QString flagsFromStates(const std::vector<bool>& checked)
{
    QString flags;
    flags.reserve(qsizetype(checked.size()));
    for (bool c : checked)
        flags += c ? u'1' : u'0';
    return flags;
}

std::vector<bool> statesFromFlags(const QString& flags, int count)
{
    std::vector<bool> states(size_t(std::max(count, 0)), false);
    for (int i = 0; i < count && i < flags.size(); ++i)
        states[size_t(i)] = flags.at(i) == u'1';
    return states;
}

int firstChecked(const std::vector<bool>& checked)
{
    const auto it = std::find(checked.begin(), checked.end(), true);
    return it == checked.end() ? 0 : int(it - checked.begin());
}

// ---- Photos ------------------------------------------------------------------------------------------

std::optional<QImage> loadPicture(const QString& name)
{
    if (name.isEmpty())
        return std::nullopt;
    const auto path = platform::canonicalInside(state().ProgramDir + QStringLiteral("Picture/"), name);
    if (!path)
        return std::nullopt;
    QImage image(*path);
    if (image.isNull())
        return std::nullopt;
    return image.convertToFormat(QImage::Format_RGB32);   // 24-bit colour, never greyscale
}

// ---- Loaders -----------------------------------------------------------------------------------------

bool LoadCurrentCompany(data::TMKIGYOU2& record)
{
    // Everything but the keys and the MKIGYOU1 settings goes back to its default first, so that a
    // missing row leaves nothing of the previous company behind.
    data::TMKIGYOU2 fresh;
    fresh.KCO = record.KCO;
    fresh.NENDO = record.NENDO;
    fresh.SYOTEIHH = record.SYOTEIHH;
    fresh.SYOTEIDD = record.SYOTEIDD;
    fresh.SYOTEIMM = record.SYOTEIMM;
    fresh.SAITEI = record.SAITEI;
    record = fresh;

    data::TKigyo2_ row;
    auto& d = dm();
    const QString where = QStringLiteral(" WHERE NENDO = ") + QString::number(VarToIntSafe(record.NENDO))
                          + QStringLiteral(" AND KCO = ") + QString::number(VarToIntSafe(record.KCO));
    if (!data::Select(d.ACN2, d.Query21, false, QStringLiteral("SELECT * FROM MKIGYOU2"), where, row) || !row.ok)
        return false;
    record.KNA = row.KNA;
    record.CYOUSAHI = int(VarToIntSafe(row.CYOUSAHI));
    record.BEARITSU = VarToFloatSafe(row.BEARITSU);
    record.TAIKEI = row.TAIKEI;
    record.KKNA = {row.KKNA1, row.KKNA2, row.KKNA3, QString()};
    record.TNA = {row.TNA1, row.TNA2, row.TNA3, row.TNA4, row.TNA5};
    record.MCCO = int(VarToIntSafe(row.MCCO));
    record.MDCO = int(VarToIntSafe(row.MDCO));
    record.TK = {row.TK01, row.TK02, row.TK03, row.TK04, row.TK05, row.TK06, row.TK07, row.TK08, row.TK09};
    record.FRSTKYU = int(VarToIntSafe(row.FRSTKYU));
    record.SKCO = int(VarToIntSafe(row.SKCO));
    record.SYOUKYUHI = int(VarToIntSafe(row.SYOUKYUHI));
    record.FRSTKYUM = int(VarToIntSafe(row.FRSTKYUM));
    return true;
}

bool LoadCompanyMarks(std::array<data::TMMARK, 9>& marks, int lastIndex)
{
    const int last = std::min(lastIndex, 8);
    for (int i = 0; i <= last; ++i)
        marks[size_t(i)] = data::TMMARK{};   // mark 0, no symbol, black, size 9, solid, width 1
    data::TMark_rec set;
    auto& d = dm();
    if (!data::Selects(d.ACN2, d.Query21, false, QStringLiteral("SELECT * FROM MMARK"),
                       QStringLiteral(" WHERE NENDO = ") + nendoText() + QStringLiteral(" AND KCO = ") + kcoText(), set))
        return false;
    bool taken = false;
    for (const data::TMark_& r : set.items) {
        const qint64 no = VarToIntSafe(r.MKCO);
        if (no < 1 || no > 9)
            continue;
        data::TMMARK& m = marks[size_t(no - 1)];
        m.no = int(no);
        m.mark = r.MARK;
        m.legend = r.HANREI;
        m.markColor = platform::colorFromText(r.MKCOLOR);
        m.markSize = int(VarToIntSafe(r.MKSIZE));
        m.lineColor = platform::colorFromText(r.KCOLOR);
        m.lineStyle = int(VarToIntSafe(r.KSYURUI));
        m.lineWidth = int(VarToIntSafe(r.KHABA));
        taken = true;
    }
    return taken;
}

bool LoadEvaluationSymbols()
{
    auto& list = state().EvaluationSymbols;
    list.clear();
    data::TYHYOUKA_rec set;
    auto& d = dm();
    if (!data::Selects(d.ACN2, d.Query21, false, QStringLiteral("SELECT * FROM YHYOUKA"),
                       QStringLiteral(" WHERE KCO = ") + kcoText() + QStringLiteral(" AND NENDO = ") + nendoText()
                           + QStringLiteral(" ORDER BY HCO"),
                       set))
        return false;
    for (const data::TYHYOUKA_& r : set.items)
        list.push_back({r.HCO, r.HKIGOU});
    return true;
}

bool LoadWageForms()
{
    auto& forms = state().WageForms;
    for (size_t i = 1; i <= 4; ++i)
        forms[i] = data::TSALARYTBL{};
    data::TSALARY_rec set;
    auto& d = dm();
    if (!data::Selects(d.ACN2, d.Query21, false, QStringLiteral("SELECT * FROM SALARYNAME"),
                       QStringLiteral(" WHERE KCO = ") + kcoText() + QStringLiteral(" AND NENDO = ") + nendoText()
                           + QStringLiteral(" ORDER BY SALARYID"),
                       set))
        return false;
    for (const data::TSALARY_& r : set.items) {
        const qint64 id = VarToIntSafe(r.SALARYID);
        if (id < 1 || id > 4)
            continue;
        data::TSALARYTBL& f = forms[size_t(id)];
        f.name = r.SALARYNAME;
        f.definition = r.TEIGI;
        f.label = QString::number(id) + QStringLiteral(" : ") + r.SALARYNAME;
        f.kihon = {r.KIHON1, r.KIHON2, r.KIHON3};
        f.teate = {r.TEATE1, r.TEATE2, r.TEATE3, r.TEATE4, r.TEATE5};
    }
    return true;
}

std::array<QString, 8> WageFormLabels(int workForm)
{
    const QString base = QStringLiteral("基本給");
    const QString allowance = QStringLiteral("手当");
    if (workForm < 1 || workForm > 4)
        return {base, QString(), QString(), allowance, QString(), QString(), QString(), QString()};
    data::TSALARYTBL& f = state().WageForms[size_t(workForm)];
    if (f.kihon[0].isEmpty())
        f.kihon[0] = base;
    if (f.teate[0].isEmpty())
        f.teate[0] = allowance;
    return {f.kihon[0], f.kihon[1], f.kihon[2], f.teate[0], f.teate[1], f.teate[2], f.teate[3], f.teate[4]};
}

bool LoadStepNames(int wageTableCode)
{
    data::AppState& s = state();
    s.StepNames.fill(QString());
    if (wageTableCode == 0) {
        s.StepNames = s.CurrentCompany.TK;
        return true;
    }
    data::TSCALE_rec set;
    auto& d = dm();
    if (!data::Selects(d.ACN2, d.Query21, false, QStringLiteral("SELECT * FROM DSCALE"),
                       QStringLiteral(" WHERE KCO = ") + kcoText() + QStringLiteral(" AND NENDO = ") + nendoText()
                           + QStringLiteral(" AND SKCO = ") + QString::number(wageTableCode),
                       set))
        return false;
    for (const data::TSCALE_& r : set.items) {
        const qint64 no = VarToIntSafe(r.TKNO);
        if (no >= 1 && no <= 9)
            s.StepNames[size_t(no - 1)] = r.TKNA;
    }
    return true;
}

int EvaluationStepCount(int wageTable, int code)
{
    data::TMHYOUKA_ row;
    auto& d = dm();
    if (!data::Select(d.ACN2, d.Query21, false, QStringLiteral("SELECT * FROM MHYOUKA"),
                      QStringLiteral(" WHERE KCO = ") + kcoText() + QStringLiteral(" AND NENDO = ") + nendoText()
                          + QStringLiteral(" AND SKCO = ") + QString::number(wageTable)
                          + QStringLiteral(" AND HCO = ") + QString::number(code),
                      row)
        || !row.ok)
        return 0;
    return int(VarToIntSafe(row.SGOUSU));
}

qint64 WageTableAmount(int tableCode, int grade, int step)
{
    if (grade < 1 || grade > 9)
        return 0;
    data::TCHNGIN2_ row;
    auto& d = dm();
    if (!data::Select(d.ACN2, d.Query21, false, QStringLiteral("SELECT * FROM DCHINGIN2"),
                      QStringLiteral(" WHERE KCO = ") + kcoText() + QStringLiteral(" AND NENDO = ") + nendoText()
                          + QStringLiteral(" AND SKCO = ") + QString::number(tableCode)
                          + QStringLiteral(" AND GOUHOU = ") + QString::number(step),
                      row)
        || !row.ok)
        return 0;
    const QString data::TCHNGIN2_::*kin[9] = {&data::TCHNGIN2_::KIN1, &data::TCHNGIN2_::KIN2, &data::TCHNGIN2_::KIN3,
                                              &data::TCHNGIN2_::KIN4, &data::TCHNGIN2_::KIN5, &data::TCHNGIN2_::KIN6,
                                              &data::TCHNGIN2_::KIN7, &data::TCHNGIN2_::KIN8, &data::TCHNGIN2_::KIN9};
    const QString text = row.*kin[grade - 1];
    if (text.trimmed().isEmpty())
        return 0;
    if (const auto v = data::parseIntText(text))
        return *v;
    // A number that does not fit is an overflow; anything else cannot be read at all.
    warn(data::parseRealText(text) ? QStringLiteral("賃金表選択でオーバーフローが発生しました。")
                                   : QStringLiteral("賃金表選択で不明なエラーが発生しました。"));
    return 0;
}

bool LoadBandTable()
{
    return loadBands(state().BandTable, QStringLiteral("SELECT * FROM VBANDM"),
                     QStringLiteral(" ORDER BY BANDID,MATRIXID,YHYOUKA"));
}

bool LoadBandTable2()
{
    return loadBands(state().BandTable2, QStringLiteral("SELECT * FROM VBANDM2"),
                     QStringLiteral(" ORDER BY BANDID,MATRIXID"));
}

bool LoadMatrixTable()
{
    data::TMATTBL& table = state().MatrixTable;
    table.clear();
    data::TMATCELL_rec set;
    auto& d = dm();
    if (!data::Selects(d.ACN2, d.Query21, false, QStringLiteral("SELECT * FROM VMATRIXCELL"),
                       QStringLiteral(" WHERE KCO = ") + kcoText() + QStringLiteral(" AND NENDO = ") + nendoText()
                           + QStringLiteral(" ORDER BY BANDID,MATRIXID,YHYOUKA"),
                       set))
        return false;
    int lastBand = 0;
    for (const data::TMATCELL_& r : set.items) {
        const int band = int(VarToIntSafe(r.BANDID));
        if (table.empty() || band != lastBand) {
            data::TMATHYOUKA group;
            group.bandId = band;
            group.matrixId = int(VarToIntSafe(r.MATRIXID));
            group.bandName = r.BANDNAME;
            group.matrixName = r.NAME;
            table.push_back(std::move(group));
            lastBand = band;
        }
        data::TMATROW row;
        row.roleEvaluation = int(VarToIntSafe(r.YHYOUKA));
        row.name = r.YHYOUKANAME;
        row.up = {VarToFloatSafe(r.UP1), VarToFloatSafe(r.UP2), VarToFloatSafe(r.UP3), VarToFloatSafe(r.UP4),
                  VarToFloatSafe(r.UP5)};
        row.zones = int(VarToIntSafe(r.ZONESU));
        table.back().rows.push_back(std::move(row));
    }
    return true;
}

// ---- Raises inside a band ------------------------------------------------------------------------------

double MatrixRaiseRate(const data::TMATTBL& matrix, int band, int roleEvaluation, int zone)
{
    if (zone < 1 || zone > 5)
        return 0;
    const auto group = std::find_if(matrix.begin(), matrix.end(),
                                    [&](const data::TMATHYOUKA& g) { return g.bandId == band; });
    if (group == matrix.end())
        return 0;
    for (const data::TMATROW& r : group->rows)
        if (r.roleEvaluation == roleEvaluation)
            return r.up[size_t(zone - 1)];
    return 0;
}

double MatrixRaiseRate(int band, int roleEvaluation, int zone)
{
    return MatrixRaiseRate(state().MatrixTable, band, roleEvaluation, zone);
}

int bandZone(const data::TBANDM& row, qint64 wage, bool fifthIncludesUpper)
{
    int zone = 0;
    for (size_t i = 0; i < 4; ++i)
        if (row.lower[i] <= wage && wage < row.upper[i])
            zone = int(i) + 1;
    if (row.lower[4] <= wage && (fifthIncludesUpper ? wage <= row.upper[4] : wage < row.upper[4]))
        zone = 5;
    return zone;
}

BandRaiseResult BandRaise(const data::TBANDTBL& bands, const data::TMATTBL& matrix, int band,
                          int roleEvaluation, qint64 wage)
{
    BandRaiseResult r;
    r.newWage = wage;
    const auto row = std::find_if(bands.rows.begin(), bands.rows.end(), [&](const data::TBANDM& b) {
        return b.bandId == band && b.roleEvaluation == roleEvaluation;
    });
    if (row == bands.rows.end())
        return r;
    const int zone = bandZone(*row, wage, true);
    if (zone == 0)
        return r;
    r.zoneBefore = zone;
    r.rate = MatrixRaiseRate(matrix, band, roleEvaluation, zone);
    qint64 raised = RoundWage(bands.rounding, (r.rate + 100.0) * double(wage) / 100.0);
    const qint64 top = *std::max_element(row->upper.begin(), row->upper.end());
    if (raised < row->lower[0])
        raised = row->lower[0];
    if (raised > top)
        raised = top;
    r.newWage = raised;
    r.zoneAfter = bandZone(*row, raised, false);
    return r;
}

BandRaiseResult BandRaise(int band, int roleEvaluation, qint64 wage)
{
    return BandRaise(state().BandTable, state().MatrixTable, band, roleEvaluation, wage);
}

} // namespace app
