#pragma once
// The basic settings of the open company and fiscal year, without widgets: how ages are counted,
// the calendar, the era table of the installation, the nine plot marks and the four chart pens.
//
// The settings live in two databases: MKIGYOU1 and MSEIGYO in the control database, MMARK and
// MGRAPH in the fiscal year's. A save writes all of them in one transaction (the control database
// is attached to the year's connection for it), so a failure leaves every row as it was.

#include "data/Records.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <array>
#include <optional>

namespace data {
class TFDM;
}

namespace master {

// One row of the era table, as the boxes show it (the columns are stored as text).
struct EraRow {
    QString name;    // 昭和, 平成, 令和 ...
    QString year;    // first year, Western
    QString month;
    QString day;
};

// A mark and the curve drawn for its group. A mark the company has no row for keeps size, style
// and width 0 until the user sets them.
struct MarkStyle {
    bool stored = false;       // read from an MMARK row
    QString symbol;
    QString legend;
    QColor markColor = Qt::black;
    int markSize = 0;
    QColor lineColor = Qt::black;
    int lineStyle = 0;         // 0..5, see app::lineStyleItems()
    int lineWidth = 0;
};

// One of the chart pens: 1 axes, 2 ticks and numbers, 3 grid, 4 centre lines.
struct PenStyle {
    bool stored = false;
    QColor color = Qt::black;
    int lineStyle = 0;
    int lineWidth = 0;
};

struct BasicSettings {
    bool ageByToday = true;      // MKIGYOU1.FNK other than "0" ("9" for a company never set up)
    int referenceDate = 0;       // MKIGYOU1.KDATE, yyyymmdd as typed, no calendar check
    bool eraDisplay = false;     // MKIGYOU1.REKI other than "0"
    std::array<EraRow, 3> eras;
    int selectedEra = 0;         // MSEIGYO.FREKI 0..2
    std::array<MarkStyle, 9> marks;
    std::array<PenStyle, 4> pens;
    // The rows as read: the columns this screen does not own are written back unchanged.
    data::TKigyo1_ company;
    data::TSeigyo_ installation;
};

// Reads the settings of the open company (CurrentKco, CurrentNendo). At most nine mark rows are
// taken in MKCO order and the first four pen rows in GSCO order. False when a read failed (already
// shown); what was read is kept.
bool loadBasicSettings(data::TFDM& dm, BasicSettings& settings);

// Writes the settings in one transaction: MKIGYOU1 (FNK, KDATE, REKI; the rest as read), MSEIGYO
// (the era table and FREKI), marks 1..9 and pens 1..4 (each updated, inserted when missing). On
// success the application state takes AgeByToday, AgeReferenceDate, EraDisplay and the EraTable.
// False after the database error box; nothing is written then and the state is unchanged.
bool saveBasicSettings(data::TFDM& dm, const BasicSettings& settings);

// The reference date box: dots removed, the rest must be a whole number (no calendar check, so a
// date typed without leading zeros is taken as its digits are).
std::optional<int> parseReferenceDate(const QString& text);
// The number through the format "0000'.'00'.'00": at least eight digits, a dot before the last
// four and before the last two ("2009.04.01"; 2009041 gives "0200.90.41").
QString referenceDateText(qint64 value);

// Mark sizes that may be typed: 8..18.
inline bool markSizeAccepted(qint64 size) { return size >= 8 && size <= 18; }
// The sizes and widths the lists offer.
QStringList markSizeItems();   // "8" "9" "10" "11" "12" "14" "16" "18"
QStringList lineWidthItems();  // "1" .. "5"

// Qt's pen style for a line type 0..5 (above 5 counts as 5, "なし").
Qt::PenStyle penStyleOf(int lineStyle);

// The sample picture of a line (161 x 9): erased white, then, when the width is not 0, a line
// across the middle in the type, width and colour.
QImage lineSample(const QColor& color, int lineStyle, int lineWidth);

} // namespace master
