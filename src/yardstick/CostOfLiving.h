#pragma once
// The tables of standard living costs (標準生計費) without their screen: the list of tables, loading
// one by its code, the checks before a save, and replacing or deleting a table. A table lives in
// MSEIKEI of the fiscal-year database, is shared by every company of that year and is found by its
// code alone; it holds up to six households.

#include "data/Records.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace data {
class TFDM;
}

namespace yardstick {

inline constexpr int kHouseholdRows = 6;

// One household row of a table as the screen shows it: size, age, cost (千円) and the three rates.
struct Household {
    qint64 size{0};
    qint64 age{0};
    qint64 cost{0};
    double comfort{0};    // 愉楽率
    double minimum{0};    // 最低率
    double single{0};     // 単身率
    // A row is stored when its age, cost or one of its rates is not 0 (its size alone does not count).
    bool stored() const { return age != 0 || cost != 0 || comfort != 0 || minimum != 0 || single != 0; }
};

struct CostOfLivingTable {
    int code{0};
    std::array<Household, kHouseholdRows> rows{};
    double multiplier{0};  // 掛率, written into every row
    QString source;        // 出所
    QString area;          // 対象地域
    QString surveyTime;    // 調査時点
    QString note;          // 入力数値
};

// The table shown on a cleared screen: sizes 1..6, everything else 0 or empty.
CostOfLivingTable clearedCostOfLiving(int code = 0);

// The entries of the code list, SKCO + " : " + DEDOKORO, one per code in code order (the first row
// of each code). False after a read error (already shown).
bool costOfLivingList(data::TFDM& dm, QStringList& entries);

// The table of a code: nothing when it has no rows (or the read failed, which has been shown).
// Rows beyond the sixth are left out; the sizes of the screen rows after the last loaded one
// continue from its size.
std::optional<CostOfLivingTable> loadCostOfLiving(data::TFDM& dm, int code);

// The texts of the screen, as typed.
struct HouseholdTexts {
    QString size, age, cost, comfort, minimum, single;
};
struct CostOfLivingTexts {
    int code{0};
    std::array<HouseholdTexts, kHouseholdRows> rows;
    QString multiplier, source, area, surveyTime, note;
};

// Which field a refusal concerns.
enum class LivingField { Code, Size, Age, Cost, Comfort, Minimum, Single, Multiplier, Source, Area, SurveyTime, Note };
struct LivingRefusal {
    LivingField field{LivingField::Code};
    int row{0};            // 0-based household row for the row fields
    QString message;
};

// The checks of a save, in order: a code (not 0, "生計費コードが入力されていません。"), every field
// as leaving it checks it, then per row a size for a stored row ("世帯人員が入力されていません。")
// and no other row with the same size and the same age other than 0 ("世帯人員，年齢が重複しています。").
// The table to save, or the first refusal.
struct CostOfLivingInput {
    std::optional<CostOfLivingTable> table;
    LivingRefusal refusal;
};
CostOfLivingInput readCostOfLiving(const CostOfLivingTexts& texts);

// Replaces every row of the table's code (whichever company saved them) by its stored rows, with
// KCO and NENDO of the open company, in one transaction. False after the database error box; the
// old rows are then untouched.
bool saveCostOfLiving(data::TFDM& dm, const CostOfLivingTable& table);
// Deletes every row of the code. False after the database error box.
bool deleteCostOfLiving(data::TFDM& dm, int code);

} // namespace yardstick
