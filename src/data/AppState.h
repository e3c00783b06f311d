#pragma once
// The process-wide state: the open company and fiscal year, the settings that every screen reads,
// and the per-company caches. One instance lives in the data module (TFDM); tests build their own.

#include <QColor>
#include <QDate>
#include <QString>
#include <array>
#include <vector>

namespace data {

// Settings of the open company for the open fiscal year.
struct TMKIGYOU2 {
    QString KCO;                 // company code as text
    QString NENDO;               // fiscal year as text
    QString KNA;                 // company name
    int CYOUSAHI = 0;
    double BEARITSU = 0;
    QString TAIKEI;
    std::array<QString, 4> KKNA; // KKNA1..KKNA3; the fourth stays empty
    std::array<QString, 5> TNA;  // TNA1..TNA5
    int MCCO = 0;
    int MDCO = 0;                // model data code
    std::array<QString, 9> TK;   // names of grades 1..9 (TK01..TK09)
    int FRSTKYU = 3;
    int SKCO = 0;                // cost-of-living code
    int SYOUKYUHI = 0;
    int FRSTKYUM = 3;
    double SYOTEIHH = 0, SYOTEIDD = 0, SYOTEIMM = 0;  // from MKIGYOU1
    int SAITEI = 0;                                   // from MKIGYOU1
};

// One plot mark of the open company.
struct TMMARK {
    int no = 0;                  // mark number 1..9 (0 = unset)
    QString mark;                // symbol
    QString legend;
    QColor markColor = Qt::black;
    int markSize = 9;
    QColor lineColor = Qt::black;
    int lineStyle = 0;
    int lineWidth = 1;
};

struct TYHYOUKA {
    QString HCO;
    QString HKIGOU;
};

// Names of a work form and of its pay items.
struct TSALARYTBL {
    QString name;                 // work form name
    QString definition;           // wage form name
    QString label;                // SALARYID + " : " + name
    std::array<QString, 3> kihon; // base-pay item names
    std::array<QString, 5> teate; // allowance names
};

struct TBANDM {
    int bandId = 0;
    QString bandName;
    QString bandDefinition;
    qint64 referenceWage = 0;
    double lowerRate = 0, upperRate = 0;
    double spread = 0;
    qint64 range = 0;
    std::array<qint64, 5> lower{};   // zone 1..5 lower amounts
    std::array<qint64, 5> upper{};   // zone 1..5 upper amounts
    int matrixId = 0;
    int roleEvaluation = 0;
    int zones = 0;
    std::array<double, 5> up{};      // raise rates UP1..UP5
    QString matrixName;
};

struct TBANDTBL {
    QString title;
    int rounding = 0;                // rounding mode (MARUME)
    std::vector<TBANDM> rows;
};
using TBANDTBL2 = TBANDTBL;

struct TMATROW {
    int roleEvaluation = 0;
    QString name;
    std::array<double, 5> up{};
    int zones = 0;
};

struct TMATHYOUKA {
    int bandId = 0;
    int matrixId = 0;
    QString bandName;
    QString matrixName;
    std::vector<TMATROW> rows;
};
using TMATTBL = std::vector<TMATHYOUKA>;

struct EraEntry {
    QString name;   // era name, e.g. 平成
    int firstYear = 0;
};

struct AppState {
    QString ProgramDir;          // program folder, with trailing "/"
    QString DataDir;             // ProgramDir + "DATA/"
    int EditMode = 0;            // company dialog mode: 0 none, 1 register, 2 change, 3 delete, 4 select
    int CompanyOpen = 0;
    int CurrentKco = 0;
    QString CurrentCompanyName;
    int CurrentNendo = 0;
    QDate TodayDate;
    int TodayYear = 0, TodayMonth = 0, TodayDay = 0;
    int EraDisplay = 0;          // nonzero: years in Japanese era form
    int AgeByToday = 0;          // nonzero: ages counted to today, else to AgeReferenceDate
    int AgeReferenceDate = 0;    // yyyymmdd
    std::array<EraEntry, 3> EraTable;
    int GroupReportKind = 0;     // 1 raise report, 2 wage report
    QString PreviewFile;
    int DataChanged = 0;
    int WageTableLink = 0;
    int MatrixLink = 0;
    QString SqlSelect;
    QString SqlWhere;
    TMKIGYOU2 CurrentCompany;
    std::array<TMMARK, 9> CompanyMarks;
    std::vector<TYHYOUKA> EvaluationSymbols;
    std::array<TSALARYTBL, 5> WageForms;   // index 1..4 used
    std::array<QString, 9> StepNames;
    TBANDTBL BandTable;
    TBANDTBL2 BandTable2;
    TMATTBL MatrixTable;

    // A fixed "today" for tests and screenshots; invalid means the clock.
    QDate fixedToday;

    // Refreshes TodayDate and its parts from the clock (or fixedToday).
    void refreshToday()
    {
        TodayDate = fixedToday.isValid() ? fixedToday : QDate::currentDate();
        TodayYear = TodayDate.year();
        TodayMonth = TodayDate.month();
        TodayDay = TodayDate.day();
    }
    // Today as yyyymmdd.
    int todayYmd() const { return TodayYear * 10000 + TodayMonth * 100 + TodayDay; }
};

} // namespace data
