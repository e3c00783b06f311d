#include "yardstick/CostOfLiving.h"

#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "yardstick/EntryFields.h"

namespace yardstick {

namespace {

QString num(qint64 v) { return QString::number(v); }

QString codeWhere(int code) { return QStringLiteral(" WHERE SKCO = ") + num(code); }

const QString& orderText()
{
    static const QString t = QStringLiteral(" ORDER BY SKCO,SNIN,SNENREI");
    return t;
}

} // namespace

CostOfLivingTable clearedCostOfLiving(int code)
{
    CostOfLivingTable t;
    t.code = code;
    for (int i = 0; i < kHouseholdRows; ++i)
        t.rows[size_t(i)].size = i + 1;
    return t;
}

bool costOfLivingList(data::TFDM& dm, QStringList& entries)
{
    entries.clear();
    data::TSEIKEI_rec set;
    if (!data::Selects(dm.ACN2, dm.Query21, false, QStringLiteral("SELECT * FROM MSEIKEI"), orderText(), set))
        return false;
    QString last;
    for (const data::TSEIKEI_& r : set.items) {
        const QString code = num(app::VarToIntSafe(r.SKCO));
        if (!entries.isEmpty() && code == last)
            continue;
        last = code;
        entries << code + QStringLiteral(" : ") + r.DEDOKORO;
    }
    return true;
}

std::optional<CostOfLivingTable> loadCostOfLiving(data::TFDM& dm, int code)
{
    data::TSEIKEI_rec set;
    if (!data::Selects(dm.ACN2, dm.Query21, false, QStringLiteral("SELECT * FROM MSEIKEI"), codeWhere(code) + orderText(),
                       set)
        || set.items.empty())
        return std::nullopt;
    CostOfLivingTable t = clearedCostOfLiving(code);
    const data::TSEIKEI_& first = set.items.front();
    t.multiplier = first.KKRITSU;
    t.source = first.DEDOKORO;
    t.area = first.TCHIIKI;
    t.surveyTime = first.CJITEN;
    t.note = first.NSUCHI;
    size_t k = 0;
    for (; k < set.items.size() && k < t.rows.size(); ++k) {
        const data::TSEIKEI_& r = set.items[k];
        t.rows[k] = Household{r.SNIN, r.SNENREI, r.SEIKEIHI, r.YURITSU, r.STRITSU, r.TNRITSU};
    }
    for (size_t j = k; j < t.rows.size(); ++j)
        t.rows[j].size = t.rows[k - 1].size + qint64(j - k + 1);
    return t;
}

CostOfLivingInput readCostOfLiving(const CostOfLivingTexts& in)
{
    CostOfLivingInput out;
    auto refuse = [&out](LivingField field, int row, const QString& message) {
        out.refusal = LivingRefusal{field, row, message};
        return out;
    };
    if (in.code == 0)
        return refuse(LivingField::Code, 0, QStringLiteral("生計費コードが入力されていません。"));

    CostOfLivingTable t = clearedCostOfLiving(in.code);
    for (int i = 0; i < kHouseholdRows; ++i) {
        const HouseholdTexts& r = in.rows[size_t(i)];
        const struct {
            LivingField field;
            const NumberField& rule;
            const QString& text;
        } fields[] = {
            {LivingField::Size, householdSizeField(), r.size},    {LivingField::Age, householdAgeField(), r.age},
            {LivingField::Cost, livingCostField(), r.cost},        {LivingField::Comfort, livingRateField(), r.comfort},
            {LivingField::Minimum, livingRateField(), r.minimum}, {LivingField::Single, livingRateField(), r.single},
        };
        double values[6] = {};
        for (int f = 0; f < 6; ++f) {
            const app::FieldCheck c = checkNumberField(fields[f].rule, fields[f].text);
            if (!c.accepted)
                return refuse(fields[f].field, i, c.message);
            values[f] = *numberFieldValue(fields[f].rule, fields[f].text);
        }
        t.rows[size_t(i)] = Household{qint64(values[0]), qint64(values[1]), qint64(values[2]), values[3], values[4], values[5]};
    }
    const app::FieldCheck m = checkNumberField(multiplierField(), in.multiplier);
    if (!m.accepted)
        return refuse(LivingField::Multiplier, 0, m.message);
    t.multiplier = *numberFieldValue(multiplierField(), in.multiplier);
    const struct {
        LivingField field;
        const QString& text;
        QString* into;
    } texts[] = {{LivingField::Source, in.source, &t.source},
                 {LivingField::Area, in.area, &t.area},
                 {LivingField::SurveyTime, in.surveyTime, &t.surveyTime},
                 {LivingField::Note, in.note, &t.note}};
    for (const auto& x : texts) {
        if (const auto refusal = textFieldRefusal(x.text, kShortTextLength))
            return refuse(x.field, 0, *refusal);
        *x.into = x.text;
    }

    for (int i = 0; i < kHouseholdRows; ++i) {
        const Household& r = t.rows[size_t(i)];
        if (r.stored() && r.size == 0)
            return refuse(LivingField::Size, i, QStringLiteral("世帯人員が入力されていません。"));
        for (int j = 0; j < kHouseholdRows; ++j)
            if (j != i && r.age != 0 && t.rows[size_t(j)].size == r.size && t.rows[size_t(j)].age == r.age)
                return refuse(LivingField::Age, i, QStringLiteral("世帯人員，年齢が重複しています。"));
    }
    out.table = t;
    return out;
}

bool saveCostOfLiving(data::TFDM& dm, const CostOfLivingTable& table)
{
    data::Connection& c = dm.ACN2;
    data::Transaction tx(c);
    if (!tx.started()) {
        data::ShowDbError(data::DbErrorText(c));
        return false;
    }
    data::TSEIKEI_ row;
    if (!data::Delete(c, dm.Query21, false, codeWhere(table.code), row))
        return false;
    for (const Household& h : table.rows) {
        if (!h.stored())
            continue;
        row = data::TSEIKEI_{};
        row.KCO = num(dm.state.CurrentKco);
        row.NENDO = num(dm.state.CurrentNendo);
        row.SKCO = num(table.code);
        row.SNIN = h.size;
        row.SNENREI = h.age;
        row.SEIKEIHI = h.cost;
        row.YURITSU = h.comfort;
        row.STRITSU = h.minimum;
        row.TNRITSU = h.single;
        row.KKRITSU = table.multiplier;
        row.DEDOKORO = table.source;
        row.TCHIIKI = table.area;
        row.CJITEN = table.surveyTime;
        row.NSUCHI = table.note;
        if (!data::Insert(c, dm.Query21, false, row))
            return false;
    }
    if (!tx.commit()) {
        data::ShowDbError(data::DbErrorText(c));
        return false;
    }
    return true;
}

bool deleteCostOfLiving(data::TFDM& dm, int code)
{
    data::TSEIKEI_ row;
    return data::Delete(dm.ACN2, dm.Query21, true, codeWhere(code), row);
}

} // namespace yardstick
