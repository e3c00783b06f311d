#include "yardstick/ModelWages.h"

#include "app/SharedRoutines.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "yardstick/EntryFields.h"

namespace yardstick {

namespace {

QString num(qint64 v) { return QString::number(v); }

// Update, else insert, in a transaction of its own.
template <class R>
bool saveRow(data::TFDM& dm, const QString& where, R& row)
{
    return data::Save(dm.ACN1, dm.Query1, true, where, row);
}

// The number of a field's text as stored: without separators, as a plain whole number.
QString storedNumber(const NumberField& field, const QString& text)
{
    return num(qint64(*numberFieldValue(field, text)));
}

} // namespace

bool modelDataRows(data::TFDM& dm, std::vector<data::TMODEL_>& rows)
{
    data::TMODEL_rec set;
    const bool good = data::Selects(dm.ACN1, dm.Query1, false, QStringLiteral("SELECT * FROM MDEL ORDER BY MDCO"),
                                    QString(), set);
    rows = std::move(set.items);
    return good;
}

QString modelDataEntry(const data::TMODEL_& row)
{
    return num(app::VarToIntSafe(row.MDCO)) + QStringLiteral(" : ") + row.MDNA;
}

ModelDataInput readModelData(const ModelDataTexts& in)
{
    ModelDataInput out;
    if (in.code == 0) {
        out.refusal = {ModelDataField::Code, QStringLiteral("モデルコードが入力されていません。")};
        return out;
    }
    const app::FieldCheck n = checkNumberField(establishmentsField(), in.establishments);
    if (!n.accepted) {
        out.refusal = {ModelDataField::Establishments, n.message};
        return out;
    }
    const struct {
        ModelDataField field;
        const QString& text;
        int length;
    } texts[] = {
        {ModelDataField::Name, in.name, kShortTextLength},
        {ModelDataField::Source, in.source, kShortTextLength},
        {ModelDataField::Area, in.area, kShortTextLength},
        {ModelDataField::SurveyTime, in.surveyTime, kShortTextLength},
        {ModelDataField::Industry, in.industry, kShortTextLength},
        {ModelDataField::Size, in.size, kShortTextLength},
        {ModelDataField::Remarks, in.remarks, kRemarksLength},
    };
    for (const auto& t : texts)
        if (const auto refusal = textFieldRefusal(t.text, t.length)) {
            out.refusal = {t.field, *refusal};
            return out;
        }
    data::TMODEL_ r;
    r.MDCO = num(in.code);
    r.MDNA = in.name;
    r.DEDOKORO = in.source;
    r.TCHIIKI = in.area;
    r.JSU = storedNumber(establishmentsField(), in.establishments);
    r.CJITEN = in.surveyTime;
    r.GYOUSYU = in.industry;
    r.KIBO = in.size;
    r.BIKOU = in.remarks;
    out.row = r;
    return out;
}

bool saveModelData(data::TFDM& dm, data::TMODEL_ row)
{
    return saveRow(dm, QStringLiteral(" WHERE MDCO = ") + num(app::VarToIntSafe(row.MDCO)), row);
}

bool deleteModelData(data::TFDM& dm, int code)
{
    data::TMODEL_ row;
    return data::Delete(dm.ACN1, dm.Query1, true, QStringLiteral(" WHERE MDCO = ") + num(code), row);
}

bool modelWageRows(data::TFDM& dm, int modelCode, std::vector<data::TMDCHNGIN_>& rows)
{
    data::TMDCHNGIN_rec set;
    const bool good = data::Selects(dm.ACN1, dm.Query1, false, QStringLiteral("Select * from MDCHINGIN "),
                                    QStringLiteral(" WHERE MDCO = ") + num(modelCode) + QStringLiteral(" ORDER BY MCCO"),
                                    set);
    rows = std::move(set.items);
    return good;
}

QString modelWageEntry(const data::TMDCHNGIN_& row)
{
    return row.MCCO + QStringLiteral(" : ") + row.NENREI;
}

std::optional<int> lineTypeOf(const QString& entry, QString* message)
{
    const app::CodeCheck c = app::checkCodeText(app::lineStyleItems(), entry, true, true, false);
    if (!c.accepted) {
        if (message)
            *message = c.message;
        return std::nullopt;
    }
    return c.code;
}

ModelWageInput readModelWage(const ModelWageTexts& in)
{
    ModelWageInput out;
    if (in.modelCode == 0 || in.wageCode == 0) {
        out.refusal = {ModelWageField::Code, QStringLiteral("モデル賃金コードが入力されていません。")};
        return out;
    }
    const struct {
        ModelWageField field;
        const NumberField& rule;
        const QString& text;
    } fields[] = {
        {ModelWageField::Age, modelYearsField(), in.age},
        {ModelWageField::Service, modelYearsField(), in.service},
        {ModelWageField::Experience, modelYearsField(), in.experience},
        {ModelWageField::BasePay, modelAmountField(), in.basePay},
        {ModelWageField::ScheduledPay, modelAmountField(), in.scheduledPay},
        {ModelWageField::Bonus, modelAmountField(), in.bonus},
        {ModelWageField::AnnualIncome, modelAmountField(), in.annualIncome},
    };
    for (const auto& f : fields) {
        const app::FieldCheck c = checkNumberField(f.rule, f.text);
        if (!c.accepted) {
            out.refusal = {f.field, c.message};
            return out;
        }
    }
    QString message;
    const auto lineType = lineTypeOf(in.lineType, &message);
    if (!lineType) {
        out.refusal = {ModelWageField::LineType, message};
        return out;
    }
    data::TMDCHNGIN_ r;
    r.MDCO = num(in.modelCode);
    r.MCCO = num(in.wageCode);
    r.NENREI = storedNumber(modelYearsField(), in.age);
    r.KNENSU = storedNumber(modelYearsField(), in.service);
    r.KKNENSU = storedNumber(modelYearsField(), in.experience);
    r.KKIN = storedNumber(modelAmountField(), in.basePay);
    r.SKIN = storedNumber(modelAmountField(), in.scheduledPay);
    r.SYOUYO = storedNumber(modelAmountField(), in.bonus);
    r.NENSYU = storedNumber(modelAmountField(), in.annualIncome);
    r.SENSYU = num(*lineType);
    out.row = r;
    return out;
}

bool saveModelWage(data::TFDM& dm, data::TMDCHNGIN_ row)
{
    return saveRow(dm,
                   QStringLiteral(" where MDCO   = ") + num(app::VarToIntSafe(row.MDCO)) + QStringLiteral("  and  MCCO   = ")
                       + num(app::VarToIntSafe(row.MCCO)),
                   row);
}

bool deleteModelWage(data::TFDM& dm, int modelCode, int wageCode)
{
    data::TMDCHNGIN_ row;
    return data::Delete(dm.ACN1, dm.Query1, true,
                        QStringLiteral(" WHERE MDCO = ") + num(modelCode) + QStringLiteral(" AND   MCCO = ") + num(wageCode),
                        row);
}

} // namespace yardstick
