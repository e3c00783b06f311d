#include "reports/GroupReport.h"

#include "app/SharedRoutines.h"

namespace reports {

namespace {

QString amount(qint64 v)
{
    return app::formatNumber(QStringLiteral("#,##0"), double(v));
}

// The columns of a detail line, left to right, with their alignment.
struct Column {
    const char* field;
    Align align;
};

const std::vector<Column>& columns(GroupReportKind kind)
{
    static const std::vector<Column> wage = {
        {"SYAINCD", Align::Left}, {"SIMEI", Align::Left}, {"NENREI", Align::Right},
        {"KINZOKU", Align::Right}, {"KIHON1", Align::Right}, {"KIHON2", Align::Right},
        {"KIHON3", Align::Right}, {"KIHONKEI", Align::Right}, {"SYOTEATE", Align::Right},
        {"SYOTEI", Align::Right}, {"SYOYO1", Align::Right}, {"SYOYO2", Align::Right},
        {"NENSYU", Align::Right},
    };
    static const std::vector<Column> raise = {
        {"SYAINCD", Align::Left}, {"SIMEI", Align::Left}, {"HYOUKA", Align::Center},
        {"TOUKYU", Align::Right}, {"GOUHOU", Align::Right}, {"SYOUGOU", Align::Right},
        {"NKIHON", Align::Right}, {"UKIHON", Align::Right}, {"NSYOTEATE", Align::Right},
        {"USYOTEATE", Align::Right}, {"NSYOTEI", Align::Right}, {"SYOTEI", Align::Right},
        {"UPKIN", Align::Right}, {"UPRITSU", Align::Right},
    };
    return kind == GroupReportKind::Wage ? wage : raise;
}

qint64 allowances(const data::TSyain_& e)
{
    return e.TEATE1 + e.TEATE2 + e.TEATE3 + e.TEATE4 + e.TEATE5;
}

qint64 nextAllowances(const data::TSyain_& e)
{
    return e.NTEATE1 + e.NTEATE2 + e.NTEATE3 + e.NTEATE4 + e.NTEATE5;
}

qint64 currentBase(const data::TSyain_& e)
{
    return e.KKYU1 + e.KKYU2 + e.KKYU3;
}

// Sums of a group or of the whole report.
struct WageSums {
    qint64 count = 0, age = 0, service = 0;
    qint64 k1 = 0, k2 = 0, k3 = 0, allow = 0, bonus1 = 0, bonus2 = 0;
};

struct RaiseSums {
    qint64 count = 0;
    qint64 nextBase = 0, base = 0, nextAllow = 0, allow = 0, nextPay = 0, pay = 0;
};

// The texts of one wage list line, in column order.
QStringList wageTexts(const QString& code, const QString& name, const QString& age, const QString& service,
                      qint64 k1, qint64 k2, qint64 k3, qint64 allow, qint64 b1, qint64 b2)
{
    const qint64 base = k1 + k2 + k3;
    const qint64 pay = base + allow;
    return {code, name, age, service, amount(k1), amount(k2), amount(k3), amount(base), amount(allow),
            amount(pay), amount(b1), amount(b2), amount(12 * pay + b1 + b2)};
}

QStringList raiseTexts(const QString& code, const QString& name, const QString& evaluation,
                       const QString& grade, const QString& step, const QString& promoted, qint64 nextBase,
                       qint64 base, qint64 nextAllow, qint64 allow, qint64 nextPay, qint64 pay, bool counted)
{
    const qint64 up = nextPay - pay;
    QString rate;
    if (pay != 0 && counted)
        rate = app::formatNumber(QStringLiteral("#0.00"), double(up) * 100.0 / double(pay));
    return {code, name, evaluation, grade, step, promoted, amount(nextBase), amount(nextBase - base),
            amount(nextAllow), amount(nextAllow - allow), amount(nextPay), amount(pay), amount(up), rate};
}

class GroupPrinter {
public:
    GroupPrinter(ReportWriter& w, GroupReportKind kind, const GroupReportHeader& header)
        : w_(w), kind_(kind), header_(header), cols_(columns(kind))
    {
        for (const Column& c : cols_)
            rects_.push_back(w_.fieldRect(QString::fromLatin1(c.field)));
    }

    int run(const std::vector<GroupEmployee>& employees)
    {
        WageSums wageTotal;
        RaiseSums raiseTotal;
        size_t i = 0;
        while (i < employees.size()) {
            const qint64 mark = employees[i].row.MCO;
            WageSums wageGroup;
            RaiseSums raiseGroup;
            line_ = 100;   // every group starts on a new page
            for (; i < employees.size() && employees[i].row.MCO == mark; ++i) {
                if (line_ >= kGroupLinesPerPage)
                    startPage();
                printEmployee(employees[i]);
                add(employees[i], wageGroup, raiseGroup);
                add(employees[i], wageTotal, raiseTotal);
                ++line_;
            }
            if (line_ >= 30)
                startPage();
            ++line_;   // one empty line before the subtotal
            printSummary(wageGroup, raiseGroup, false);
        }
        // The grand total follows the last average line directly.
        if (line_ >= 30)
            startPage();
        ++line_;
        printSummary(wageTotal, raiseTotal, true);
        w_.printPage();
        w_.newPage();
        return pages_;
    }

private:
    void startPage()
    {
        if (pages_ > 0) {
            w_.printPage();
            w_.newPage();
        }
        ++pages_;
        line_ = 0;
        const QString title = groupReportTitle(kind_);
        w_.setFieldText(QStringLiteral("NENDO"), header_.yearLabel + QStringLiteral(" 年度　：　") + header_.companyName);
        w_.setFieldText(QStringLiteral("TITLE"), title);
        w_.setFieldText(QStringLiteral("YMD"), header_.today.toString(QStringLiteral("yyyy年MM月dd日"))
                                                   + QStringLiteral("　　P. ") + QString::number(pages_));
        w_.setFieldText(QStringLiteral("BUSYO"), header_.range);
        if (kind_ == GroupReportKind::Wage) {
            w_.setFieldText(QStringLiteral("KIJUNBI"), referenceDateText(header_.referenceDate));
            w_.setFieldText(QStringLiteral("CKIHON1"), QStringLiteral("項目Ⅰ"));
            w_.setFieldText(QStringLiteral("CKIHON2"), QStringLiteral("項目Ⅱ"));
            w_.setFieldText(QStringLiteral("CKIHON3"), QStringLiteral("項目Ⅲ"));
        }
        w_.setLineStyle(0);
        w_.setLineWidth(0);
        const LayoutRect& first = rects_.front();
        w_.drawLine(first.left - kGroupRuleMargin, first.top - kGroupLinePitch,
                    rects_.back().right + kGroupRuleMargin, first.top - kGroupLinePitch);
        drawLineRules(-1);
    }

    // The vertical rules of line k and the horizontal rule below it.
    void drawLineRules(int k)
    {
        const int dy = k * kGroupLinePitch;
        w_.setLineStyle(0);
        w_.setLineWidth(0);
        for (const LayoutRect& r : rects_)
            w_.drawLine(r.left - kGroupRuleMargin, r.top + dy, r.left - kGroupRuleMargin, r.bottom + dy);
        const LayoutRect& last = rects_.back();
        w_.drawLine(last.right + kGroupRuleMargin, last.top + dy, last.right + kGroupRuleMargin, last.bottom + dy);
        drawRuleBelow(k, 0);
    }

    void drawRuleBelow(int k, size_t fromColumn)
    {
        const int y = rects_.front().top + (k + 1) * kGroupLinePitch;
        w_.setLineStyle(0);
        w_.setLineWidth(0);
        w_.drawLine(rects_[fromColumn].left - kGroupRuleMargin, y, rects_.back().right + kGroupRuleMargin, y);
    }

    void printTexts(const QStringList& texts)
    {
        const int dy = line_ * kGroupLinePitch + kGroupTextPadding;
        for (size_t c = 0; c < cols_.size(); ++c)
            w_.drawText(rects_[c].moved(0, dy), texts[qsizetype(c)], cols_[c].align);
    }

    void printEmployee(const GroupEmployee& g)
    {
        const data::TSyain_& e = g.row;
        if (kind_ == GroupReportKind::Wage) {
            printTexts(wageTexts(e.SCOT, e.SNA, QString::number(g.age), QString::number(g.service), e.KKYU1,
                                 e.KKYU2, e.KKYU3, allowances(e), e.SYOUYO, e.SYOUYO2));
        } else {
            const qint64 next = g.nextBase[0] + g.nextBase[1] + g.nextBase[2];
            const qint64 nextAllow = nextAllowances(e);
            printTexts(raiseTexts(e.SCOT, e.SNA, e.HKIGOU, QString::number(e.TOUKYU), QString::number(e.GOUHOU),
                                  QString::number(e.SGOUHOU), next, currentBase(e), nextAllow, allowances(e),
                                  next + nextAllow, currentBase(e) + allowances(e), true));
        }
        drawLineRules(line_);
    }

    static void add(const GroupEmployee& g, WageSums& ws, RaiseSums& rs)
    {
        const data::TSyain_& e = g.row;
        ++ws.count;
        ws.age += g.age;
        ws.service += g.service;
        ws.k1 += e.KKYU1;
        ws.k2 += e.KKYU2;
        ws.k3 += e.KKYU3;
        ws.allow += allowances(e);
        ws.bonus1 += e.SYOUYO;
        ws.bonus2 += e.SYOUYO2;

        const qint64 next = g.nextBase[0] + g.nextBase[1] + g.nextBase[2];
        ++rs.count;
        rs.nextBase += next;
        rs.base += currentBase(e);
        rs.nextAllow += nextAllowances(e);
        rs.allow += allowances(e);
        rs.nextPay += next + nextAllowances(e);
        rs.pay += currentBase(e) + allowances(e);
    }

    // The subtotal (or total) line, the average line after it and the rule below the average.
    void printSummary(const WageSums& ws, const RaiseSums& rs, bool grand)
    {
        if (kind_ == GroupReportKind::Wage) {
            const qint64 n = ws.count;
            printTexts(wageTexts(QString(), grand ? QStringLiteral("　合計") : QStringLiteral("　　　　小計"),
                                 QString::number(n), QString(), ws.k1, ws.k2, ws.k3, ws.allow, ws.bonus1,
                                 ws.bonus2));
            ++line_;
            const auto avg1 = [n](qint64 sum) {
                return app::formatNumber(QStringLiteral("#0.0"), n ? double(sum) / double(n) : 0.0);
            };
            const auto avg = [n](qint64 sum) { return n ? sum / n : 0; };
            printTexts(wageTexts(QString(), grand ? QStringLiteral("　平均") : QStringLiteral("　　　　平均"),
                                 avg1(ws.age), avg1(ws.service), avg(ws.k1), avg(ws.k2), avg(ws.k3),
                                 avg(ws.allow), avg(ws.bonus1), avg(ws.bonus2)));
            drawRuleBelow(line_, 2);
        } else {
            const qint64 n = rs.count;
            printTexts(raiseTexts(QString(), grand ? QStringLiteral("　合計") : QStringLiteral("　　　小計"),
                                  QString(), QString::number(n), QString(), QString(), rs.nextBase, rs.base,
                                  rs.nextAllow, rs.allow, rs.nextPay, rs.pay, n != 0));
            ++line_;
            const auto avg = [n](qint64 sum) { return n ? sum / n : 0; };
            printTexts(raiseTexts(QString(), grand ? QStringLiteral("　平均") : QStringLiteral("　　　平均"),
                                  QString(), QString(), QString(), QString(), avg(rs.nextBase), avg(rs.base),
                                  avg(rs.nextAllow), avg(rs.allow), avg(rs.nextPay), avg(rs.pay), false));
            drawRuleBelow(line_, grand ? 1 : 2);
        }
    }

    ReportWriter& w_;
    GroupReportKind kind_;
    const GroupReportHeader& header_;
    const std::vector<Column>& cols_;
    std::vector<LayoutRect> rects_;
    int pages_ = 0;
    int line_ = 0;
};

} // namespace

void normalizeStart(int& code, QString& text)
{
    if (code <= 0) {
        code = -1;
        text.clear();
    }
}

void normalizeEnd(int& code, QString& text)
{
    if (code <= 0) {
        code = 999;
        text.clear();
    }
}

QString checkSelectionRange(const SelectionRange& r)
{
    if (r.markEnd < r.markStart)
        return QStringLiteral("マーク範囲の指定に誤りがあります。");
    if (r.gradeEnd < r.gradeStart)
        return QStringLiteral("等級範囲の指定に誤りがあります。");
    if (r.formEnd < r.formStart)
        return QStringLiteral("就労形態範囲の指定に誤りがあります。");
    return {};
}

QString rangeDescription(const SelectionRange& r)
{
    QString s = r.markStartText;
    if (r.markStartText != r.markEndText)
        s += QStringLiteral("～") + r.markEndText;
    const auto part = [&s](const QString& start, const QString& end) {
        if (!s.isEmpty() && (!start.isEmpty() || !end.isEmpty()))
            s += QStringLiteral(" ／ ");
        s += start;
        if (start != end)
            s += QStringLiteral("～") + end;
    };
    part(r.gradeStartText, r.gradeEndText);
    part(r.formStartText, r.formEndText);
    return s;
}

QString employeeWhere(const SelectionRange& r, int nendo, int kco)
{
    return QStringLiteral(" WHERE ( MCO BETWEEN %1 AND %2 )  AND ( TOUKYU BETWEEN %3 AND %4 )  AND ( SM1 BETWEEN %5 AND %6 )"
                          "  AND NENDO = %7 AND KCO = %8 ORDER BY KCO,MCO,SCO")
        .arg(r.markStart)
        .arg(r.markEnd)
        .arg(r.gradeStart)
        .arg(r.gradeEnd)
        .arg(r.formStart)
        .arg(r.formEnd)
        .arg(nendo)
        .arg(kco);
}

std::array<qint64, 3> nextYearBase(const data::TSyain_& e, bool withMatrix,
                                   const std::function<qint64(qint64)>& matrixRaise)
{
    std::array<qint64, 3> next{e.NKKYU1, e.NKKYU2, e.NKKYU3};
    if (e.JISEKI >= 1 && e.JISEKI <= 3)
        next[size_t(e.JISEKI - 1)] = e.NKIN;
    if (withMatrix && matrixRaise && e.MLINK >= 1 && e.MLINK <= 3) {
        const std::array<qint64, 3> current{e.KKYU1, e.KKYU2, e.KKYU3};
        next[size_t(e.MLINK - 1)] = matrixRaise(current[size_t(e.MLINK - 1)]);
    }
    return next;
}

QString referenceDateText(int yyyymmdd)
{
    const QString d = QString::number(yyyymmdd);
    const bool whole = d.size() == 8;
    return QStringLiteral("年齢・勤続は") + (whole ? d.mid(0, 4) : QString()) + QStringLiteral("年")
           + (whole ? d.mid(4, 2) : QString()) + QStringLiteral("月") + (whole ? d.mid(6, 2) : QString())
           + QStringLiteral("日現在");
}

QString groupReportTitle(GroupReportKind kind)
{
    return kind == GroupReportKind::Wage ? QStringLiteral("グループ別社員賃金レポート")
                                         : QStringLiteral("グループ別社員昇給レポート");
}

QString groupReportLayoutName(GroupReportKind kind)
{
    return kind == GroupReportKind::Wage ? QStringLiteral("PrintSyainSalaryList") : QStringLiteral("PrintSyainUpList");
}

int buildGroupReport(ReportWriter& w, GroupReportKind kind, const std::vector<GroupEmployee>& employees,
                     const GroupReportHeader& header)
{
    GroupPrinter printer(w, kind, header);
    return printer.run(employees);
}

QString csvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString groupReportCsv(GroupReportKind kind, const std::vector<GroupEmployee>& employees)
{
    QString out;
    const auto line = [&out](const QStringList& fields) {
        QStringList f;
        for (const QString& s : fields)
            f << csvField(s);
        out += f.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    };
    const auto n = [](qint64 v) { return QString::number(v); };
    if (kind == GroupReportKind::Wage) {
        out += QStringLiteral("社員コード,氏名,年齢,勤続年数,項目Ⅰ,項目Ⅱ,項目Ⅲ,基本給,諸手当,所定給,上期賞与,下期賞与,年間収入\r\n");
        for (const GroupEmployee& g : employees) {
            const data::TSyain_& e = g.row;
            const qint64 base = currentBase(e);
            const qint64 pay = base + allowances(e);
            line({e.SCOT, e.SNA, n(g.age), n(g.service), n(e.KKYU1), n(e.KKYU2), n(e.KKYU3), n(base),
                  n(allowances(e)), n(pay), n(e.SYOUYO), n(e.SYOUYO2), n(12 * pay + e.SYOUYO + e.SYOUYO2)});
        }
    } else {
        out += QStringLiteral("社員コード,氏名,評価,等級,号俸,昇格号俸,New基本給,Up基本給,New諸手当,Up諸手当,New所定給,所定給,昇給額\r\n");
        for (const GroupEmployee& g : employees) {
            const data::TSyain_& e = g.row;
            // The file carries the wage-table amounts but not the matrix raise.
            const auto items = nextYearBase(e, false, {});
            const qint64 next = items[0] + items[1] + items[2];
            const qint64 nextAllow = nextAllowances(e);
            const qint64 pay = currentBase(e) + allowances(e);
            line({e.SCOT, e.SNA, e.HKIGOU, n(e.TOUKYU), n(e.GOUHOU), n(e.SGOUHOU), n(next), n(next - currentBase(e)),
                  n(nextAllow), n(nextAllow - allowances(e)), n(next + nextAllow), n(pay), n(next + nextAllow - pay)});
        }
    }
    return out;
}

} // namespace reports
