#include "master/BasicSettings.h"

#include "app/SharedRoutines.h"
#include "data/Common.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "platform/ColorNames.h"

#include <QPainter>
#include <limits>
#include <algorithm>

namespace master {

namespace {

QString num(qint64 n) { return QString::number(n); }

// The WHERE text of the open company, from the integers the program holds.
QString companyWhere(const data::AppState& st)
{
    return QStringLiteral(" WHERE NENDO = ") + num(st.CurrentNendo) + QStringLiteral(" AND   KCO   = ")
        + num(st.CurrentKco);
}

// An empty stored size or width reads as 1, an empty line type as 0.
int storedOr(const QString& text, int fallback)
{
    return text.trimmed().isEmpty() ? fallback : int(app::VarToIntSafe(text));
}

} // namespace

bool loadBasicSettings(data::TFDM& dm, BasicSettings& s)
{
    const data::AppState& st = dm.state;
    bool good = true;

    s.company = data::TKigyo1_();
    good &= data::Select(dm.ACN1, dm.Query1, false, QStringLiteral("SELECT * FROM MKIGYOU1"), companyWhere(st), s.company);
    // FNK "9" (never saved) shows like "1".
    s.ageByToday = s.company.FNK.trimmed() != QStringLiteral("0");
    s.referenceDate = int(data::parseIntText(s.company.KDATE).value_or(0));
    s.eraDisplay = !s.company.REKI.trimmed().isEmpty() && s.company.REKI.trimmed() != QStringLiteral("0");

    s.installation = data::TSeigyo_();
    good &= data::Select(dm.ACN1, dm.Query1, false, QStringLiteral("SELECT * FROM MSEIGYO"), QStringLiteral(" WHERE CO = 0"),
                         s.installation);
    const data::TSeigyo_& e = s.installation;
    s.eras = {EraRow{e.REKI1, e.SNEN1, e.STSUKI1, e.SHI1}, EraRow{e.REKI2, e.SNEN2, e.STSUKI2, e.SHI2},
              EraRow{e.REKI3, e.SNEN3, e.STSUKI3, e.SHI3}};
    s.selectedEra = std::clamp(int(app::VarToIntSafe(e.FREKI)), 0, 2);

    s.marks = {};
    data::TMark_rec marks;
    good &= data::Selects(dm.ACN2, dm.Query21, false, QStringLiteral("SELECT * FROM MMARK"),
                          companyWhere(st) + QStringLiteral(" order by MKCO"), marks);
    for (size_t i = 0; i < marks.items.size() && i < s.marks.size(); ++i) {
        const data::TMark_& r = marks.items[i];
        MarkStyle& m = s.marks[i];
        m.stored = true;
        m.symbol = r.MARK;
        m.legend = r.HANREI;
        m.markColor = platform::colorFromText(r.MKCOLOR);
        m.markSize = storedOr(r.MKSIZE, 1);
        m.lineColor = platform::colorFromText(r.KCOLOR);
        m.lineStyle = storedOr(r.KSYURUI, 0);
        m.lineWidth = storedOr(r.KHABA, 1);
    }

    s.pens = {};
    data::TGraph_rec pens;
    good &= data::Selects(dm.ACN2, dm.Query21, false, QStringLiteral("SELECT * FROM MGRAPH"),
                          companyWhere(st) + QStringLiteral(" order by GSCO"), pens);
    // A company has the four pens it was registered with; further rows are not ours to show.
    for (size_t i = 0; i < pens.items.size() && i < s.pens.size(); ++i) {
        const data::TGraph_& r = pens.items[i];
        PenStyle& p = s.pens[i];
        p.stored = true;
        p.color = platform::colorFromText(r.CCOLOR);
        p.lineStyle = storedOr(r.CSYURUI, 0);
        p.lineWidth = storedOr(r.CHABA, 1);
    }
    return good;
}

bool saveBasicSettings(data::TFDM& dm, const BasicSettings& s)
{
    data::AppState& st = dm.state;
    data::Connection& c = dm.ACN2;
    c.clearErrors();
    data::AttachedDatabase control(c, dm.controlDatabasePath(), QStringLiteral("SEIGYO"));
    if (!control.attached()) {
        data::ShowDbError(data::DbErrorText(c));
        return false;
    }
    const QString kco = num(st.CurrentKco);
    const QString year = num(st.CurrentNendo);
    {
        data::Query q(c);
        data::Transaction tx(c);
        if (!tx.started()) {
            data::ShowDbError(data::DbErrorText(c));
            return false;
        }

        data::TKigyo1_ company = s.company;
        company.KCO = kco;
        company.NENDO = year;
        company.FNK = s.ageByToday ? QStringLiteral("1") : QStringLiteral("0");
        company.KDATE = num(s.referenceDate);
        company.REKI = s.eraDisplay ? QStringLiteral("1") : QStringLiteral("0");
        if (!data::Update(c, q, false, QStringLiteral(" WHERE KCO = ") + kco + QStringLiteral(" AND NENDO = ") + year, company))
            return false;

        data::TSeigyo_ installation = s.installation;
        installation.CO = QStringLiteral("0");
        QString* eraFields[3][4] = {
            {&installation.REKI1, &installation.SNEN1, &installation.STSUKI1, &installation.SHI1},
            {&installation.REKI2, &installation.SNEN2, &installation.STSUKI2, &installation.SHI2},
            {&installation.REKI3, &installation.SNEN3, &installation.STSUKI3, &installation.SHI3},
        };
        for (size_t i = 0; i < 3; ++i) {
            *eraFields[i][0] = s.eras[i].name;
            *eraFields[i][1] = s.eras[i].year;
            *eraFields[i][2] = s.eras[i].month;
            *eraFields[i][3] = s.eras[i].day;
        }
        installation.FREKI = num(std::clamp(s.selectedEra, 0, 2));
        if (!data::Update(c, q, false, QStringLiteral(" WHERE CO = 0"), installation))
            return false;

        for (int n = 1; n <= 9; ++n) {
            const MarkStyle& m = s.marks[size_t(n - 1)];
            data::TMark_ row;
            row.KCO = kco;
            row.NENDO = year;
            row.MKCO = num(n);
            row.MARK = m.symbol;
            row.HANREI = m.legend;
            row.MKCOLOR = platform::colorToText(m.markColor);
            row.MKSIZE = num(m.markSize);
            row.KCOLOR = platform::colorToText(m.lineColor);
            row.KSYURUI = num(m.lineStyle);
            row.KHABA = num(m.lineWidth);
            if (!data::Save(c, q, false,
                            QStringLiteral(" WHERE MKCO = ") + num(n) + QStringLiteral(" AND NENDO  = ") + year
                                + QStringLiteral(" AND KCO    = ") + kco,
                            row))
                return false;
        }

        for (int n = 1; n <= 4; ++n) {
            const PenStyle& p = s.pens[size_t(n - 1)];
            data::TGraph_ row;
            row.KCO = kco;
            row.NENDO = year;
            row.GSCO = num(n);
            row.CCOLOR = platform::colorToText(p.color);
            row.CSYURUI = num(p.lineStyle);
            row.CHABA = num(p.lineWidth);
            if (!data::Save(c, q, false,
                            QStringLiteral(" WHERE GSCO = ") + num(n) + QStringLiteral(" AND NENDO  = ") + year
                                + QStringLiteral(" AND KCO    = ") + kco,
                            row))
                return false;
        }

        if (!tx.commit()) {
            data::ShowDbError(data::DbErrorText(c));
            return false;
        }
    }

    st.EraDisplay = s.eraDisplay ? 1 : 0;
    st.AgeByToday = s.ageByToday ? 1 : 0;
    st.AgeReferenceDate = s.referenceDate;
    for (size_t i = 0; i < 3; ++i)
        st.EraTable[i] = {s.eras[i].name, int(app::VarToIntSafe(s.eras[i].year))};
    return true;
}

std::optional<int> parseReferenceDate(const QString& text)
{
    QString t = text;
    t.remove(QLatin1Char('.'));
    const auto n = app::parseWholeNumber(t);
    if (!n || *n < std::numeric_limits<int>::min() || *n > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(*n);
}

QString referenceDateText(qint64 value)
{
    QString digits = QString::number(value < 0 ? -value : value);
    while (digits.size() < 8)
        digits.prepend(QLatin1Char('0'));
    const qsizetype n = digits.size();
    const QString text = digits.left(n - 4) + QLatin1Char('.') + digits.mid(n - 4, 2) + QLatin1Char('.') + digits.right(2);
    return value < 0 ? QLatin1Char('-') + text : text;
}

QStringList markSizeItems()
{
    return {QStringLiteral("8"),  QStringLiteral("9"),  QStringLiteral("10"), QStringLiteral("11"),
            QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("16"), QStringLiteral("18")};
}

QStringList lineWidthItems()
{
    return {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")};
}

Qt::PenStyle penStyleOf(int lineStyle)
{
    switch (std::clamp(lineStyle, 0, 5)) {
    case 0: return Qt::SolidLine;
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    default: return Qt::NoPen;
    }
}

QImage lineSample(const QColor& color, int lineStyle, int lineWidth)
{
    QImage image(161, 9, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (lineWidth != 0) {
        QPainter p(&image);
        QPen pen(color);
        pen.setStyle(penStyleOf(lineStyle));
        pen.setWidth(std::max(lineWidth, 1));
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        p.drawLine(0, 4, 160, 4);
    }
    return image;
}

} // namespace master
