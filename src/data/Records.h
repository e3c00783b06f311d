#pragma once
// Row records of every table, each with the description of its table attached (TableDef.h).
// Records of the all-text kind hold every column as text, exactly as it goes to the database;
// typed records hold text and num columns as text, int columns as qint64 and real columns as double.

#include "data/TableDef.h"

#include <QString>

namespace data {

// Installation settings (one row, CO = 0).
struct TSeigyo_ : dbstatus_rec {
    QString CO;
    QString NA;
    QString FSEIHIN;
    QString INSTDATE;
    QString ENDDATE;
    QString PATH;
    QString REKI1;
    QString SNEN1;
    QString STSUKI1;
    QString SHI1;
    QString REKI2;
    QString SNEN2;
    QString STSUKI2;
    QString SHI2;
    QString REKI3;
    QString SNEN3;
    QString STSUKI3;
    QString SHI3;
    QString FREKI;
    static const TableDef<TSeigyo_>& table();
};
using TSeigyo_rec = RecSet<TSeigyo_>;

// Company registry, one row per company and fiscal year.
struct TKigyo1_ : dbstatus_rec {
    QString KCO;
    QString NENDO;
    QString KNA;
    QString PATH;
    QString SDATE;
    QString FNK;
    QString KDATE;
    QString REKI;
    QString SYOTEIHH;
    QString SYOTEIDD;
    QString SYOTEIMM;
    QString SAITEI;
    static const TableDef<TKigyo1_>& table();
};
using TKigyo1_rec = RecSet<TKigyo1_>;

// Plot marks of a company (MMARK), also the defaults (MMMARK).
struct TMark_ : dbstatus_rec {
    QString KCO;
    QString NENDO;
    QString MKCO;
    QString MARK;
    QString HANREI;
    QString MKCOLOR;
    QString MKSIZE;
    QString KCOLOR;
    QString KSYURUI;
    QString KHABA;
    static const TableDef<TMark_>& table();
    static const TableDef<TMark_>& defaultsTable();   // MMMARK
};
using TMark_rec = RecSet<TMark_>;

// Chart pens of a company (MGRAPH), also the defaults (MMGRAPH).
struct TGraph_ : dbstatus_rec {
    QString KCO;
    QString NENDO;
    QString GSCO;
    QString CCOLOR;
    QString CSYURUI;
    QString CHABA;
    static const TableDef<TGraph_>& table();
    static const TableDef<TGraph_>& defaultsTable();  // MMGRAPH
};
using TGraph_rec = RecSet<TGraph_>;

// Model data sets.
struct TMODEL_ : dbstatus_rec {
    QString MDCO;
    QString MDNA;
    QString DEDOKORO;
    QString TCHIIKI;
    QString JSU;
    QString CJITEN;
    QString GYOUSYU;
    QString KIBO;
    QString BIKOU;
    static const TableDef<TMODEL_>& table();
};
using TMODEL_rec = RecSet<TMODEL_>;

// Model wage points of a model data set (amounts in thousand yen).
struct TMDCHNGIN_ : dbstatus_rec {
    QString MDCO;
    QString MCCO;
    QString NENREI;
    QString KNENSU;
    QString KKIN;
    QString SKIN;
    QString SYOUYO;
    QString NENSYU;
    QString SENSYU;
    QString KKNENSU;
    static const TableDef<TMDCHNGIN_>& table();
};
using TMDCHNGIN_rec = RecSet<TMDCHNGIN_>;

// Company settings per fiscal year.
struct TKigyo2_ : dbstatus_rec {
    QString KCO;
    QString NENDO;
    QString KNA;
    QString CYOUSAHI;
    QString BEARITSU;
    QString TAIKEI;
    QString KKNA1;
    QString KKNA2;
    QString KKNA3;
    QString TNA1;
    QString TNA2;
    QString TNA3;
    QString TNA4;
    QString TNA5;
    QString MCCO;
    QString MDCO;
    QString TK01;
    QString TK02;
    QString TK03;
    QString TK04;
    QString TK05;
    QString TK06;
    QString TK07;
    QString TK08;
    QString TK09;
    QString FRSTKYU;
    QString SKCO;
    QString SYOUKYUHI;
    QString FRSTKYUM;
    QString FRENCM;
    static const TableDef<TKigyo2_>& table();
};
using TKigyo2_rec = RecSet<TKigyo2_>;

// Saved settings of one analysis chart.
struct TChart_ : dbstatus_rec {
    QString CHCO;
    QString KCO;
    QString NENDO;
    qint64 KNO = 0;
    QString FCHK;
    QString TOUKYU;
    QString TITLE;
    QString FX;
    QString FY;
    qint64 MARKR = 0;
    qint64 X1 = 0;
    qint64 X2 = 0;
    double Y1 = 0;
    double Y2 = 0;
    qint64 FKINJI = 0;
    qint64 CGRAPH = 0;
    double SJYUN1 = 0;
    double SJYUN2 = 0;
    double SJYUN3 = 0;
    double SJYUN4 = 0;
    qint64 TOUKYU1 = 0;
    QString KAISETSU;
    qint64 MIBUN = 0;
    qint64 SKCO = 0;
    QString XNAME;
    QString YNAME;
    QString XUNIT;
    QString YUNIT;
    qint64 XPITCH = 0;
    qint64 YPITCH = 0;
    qint64 SEX = 0;
    static const TableDef<TChart_>& table();
};
using TChart_rec = RecSet<TChart_>;

// Scratch rows of the plotted points.
struct TDChart_ : dbstatus_rec {
    QString SCO;
    QString SNA;
    QString LABELN;
    QString MARKL;
    qint64 F1 = 0;
    qint64 F2 = 0;
    qint64 F3 = 0;
    qint64 F4 = 0;
    qint64 F5 = 0;
    double X = 0;
    double Y = 0;
    qint64 NO = 0;
    qint64 MKCO = 0;
    qint64 GTOP = 0;
    qint64 GLEFT = 0;
    static const TableDef<TDChart_>& table();
};
using TDChart_rec = RecSet<TDChart_>;

// Designed raise-curve points.
struct TCHNGIN_ : dbstatus_rec {
    QString KCO;
    QString NENDO;
    qint64 SDCO = 0;
    qint64 X = 0;
    qint64 Y = 0;
    qint64 NO = 0;
    qint64 SNENREI = 0;
    qint64 SKIN = 0;
    qint64 PITCH = 0;
    double SRITSU = 0;
    qint64 KAKUSA = 0;
    static const TableDef<TCHNGIN_>& table();
};
using TCHNGIN_rec = RecSet<TCHNGIN_>;

// Wage table amounts per step.
struct TCHNGIN2_ : dbstatus_rec {
    QString KCO;
    QString NENDO;
    QString SKCO;
    QString GOUHOU;
    QString KIN1;
    QString KS1;
    QString KIN2;
    QString KS2;
    QString KIN3;
    QString KS3;
    QString KIN4;
    QString KS4;
    QString KIN5;
    QString KS5;
    QString KIN6;
    QString KS6;
    QString KIN7;
    QString KS7;
    QString KIN8;
    QString KS8;
    QString KIN9;
    QString KS9;
    static const TableDef<TCHNGIN2_>& table();
};
using TCHNGIN2_rec = RecSet<TCHNGIN2_>;

// Wage table headers.
struct TMCHNGIN_ : dbstatus_rec {
    QString KCO;
    QString NENDO;
    QString CGCO;
    qint64 TKSU = 0;
    qint64 GOUSU = 0;
    qint64 KSENTAKUF = 0;
    qint64 UKAKIF = 0;
    qint64 MARUMEF = 0;
    QString TITLE;
    qint64 SKCO = 0;
    qint64 K2CO = 0;
    qint64 K3CO = 0;
    qint64 GOUHOU1 = 0;
    qint64 GOUHOU2 = 0;
    static const TableDef<TMCHNGIN_>& table();
};
using TMCHNGIN_rec = RecSet<TMCHNGIN_>;

// Stored and copied only.
struct T2JI_ : dbstatus_rec {
    QString KCO;
    QString NENDO;
    QString K2CO;
    qint64 TKNO = 0;
    qint64 SGOUSU = 0;
    qint64 SKIN = 0;
    qint64 C1GOUSU = 0;
    qint64 C1KIN = 0;
    qint64 EGOUSU = 0;
    qint64 EKIN = 0;
    double KRITSU = 0;
    static const TableDef<T2JI_>& table();
};
using T2JI_rec = RecSet<T2JI_>;

// Stored and copied only.
struct T3JI_ : dbstatus_rec {
    QString KCO;
    QString NENDO;
    QString K3CO;
    qint64 TKNO = 0;
    qint64 SGOUSU = 0;
    qint64 SKIN = 0;
    qint64 C1GOUSU = 0;
    qint64 C1KIN = 0;
    qint64 C2GOUSU = 0;
    qint64 C2KIN = 0;
    qint64 EGOUSU = 0;
    qint64 EKIN = 0;
    double KRITSU = 0;
    static const TableDef<T3JI_>& table();
};
using T3JI_rec = RecSet<T3JI_>;

// Step scale per grade.
struct TSCALE_ : dbstatus_rec {
    QString KCO;
    QString NENDO;
    QString SKCO;
    QString TKNO;
    QString TKNA;
    QString RITSU1;
    QString KKIN;
    QString RITSU2;
    QString SPKIN;
    QString RNKIN;
    static const TableDef<TSCALE_>& table();
};
using TSCALE_rec = RecSet<TSCALE_>;

// Designed raise curves drawn on the plot window.
struct TSPDRAW_ : dbstatus_rec {
    QString KCO;
    QString NENDO;
    QString SDCO;
    qint64 X = 0;
    qint64 Y = 0;
    qint64 FCHKS = 0;
    qint64 FREN = 0;
    qint64 SNENREI1 = 0;
    double SKIN1 = 0;
    qint64 SNENREI2 = 0;
    double SKIN2 = 0;
    qint64 SNENREI3 = 0;
    double SKIN3 = 0;
    qint64 SNENREI4 = 0;
    double SKIN4 = 0;
    qint64 SNENREI5 = 0;
    double SKIN5 = 0;
    qint64 SNENREI6 = 0;
    double SKIN6 = 0;
    QString KAISETSU;
    QString HANREI;
    QString SETSUMEI;
    QString SCOLOR;
    qint64 SSYURUI = 0;
    qint64 SHABA = 0;
    static const TableDef<TSPDRAW_>& table();
};
using TSPDRAW_rec = RecSet<TSPDRAW_>;

// Personnel evaluations and the steps each grants, per wage table.
struct TMHYOUKA_ : dbstatus_rec {
    QString KCO;
    QString NENDO;
    QString SKCO;
    QString HCO;
    QString HKIGOU;
    QString SGOUSU;
    static const TableDef<TMHYOUKA_>& table();
};
using TMHYOUKA_rec = RecSet<TMHYOUKA_>;

// Role evaluations.
struct TYHYOUKA_ : dbstatus_rec {
    QString KCO;
    QString NENDO;
    QString HCO;
    QString HKIGOU;
    static const TableDef<TYHYOUKA_>& table();
};
using TYHYOUKA_rec = RecSet<TYHYOUKA_>;

// Work forms and the names of their pay items.
struct TSALARY_ : dbstatus_rec {
    QString KCO;
    QString NENDO;
    QString SALARYID;
    QString SALARYNAME;
    QString TEIGI;
    QString KIHON1;
    QString KIHON2;
    QString KIHON3;
    QString TEATE1;
    QString TEATE2;
    QString TEATE3;
    QString TEATE4;
    QString TEATE5;
    static const TableDef<TSALARY_>& table();
};
using TSALARY_rec = RecSet<TSALARY_>;

// Standard cost of living (amounts in thousand yen).
struct TSEIKEI_ : dbstatus_rec {
    QString KCO;
    QString NENDO;
    QString SKCO;
    qint64 SNIN = 0;
    qint64 SNENREI = 0;
    qint64 SEIKEIHI = 0;
    double YURITSU = 0;
    double STRITSU = 0;
    double TNRITSU = 0;
    double KKRITSU = 0;
    QString DEDOKORO;
    QString TCHIIKI;
    QString CJITEN;
    QString NSUCHI;
    static const TableDef<TSEIKEI_>& table();
};
using TSEIKEI_rec = RecSet<TSEIKEI_>;

// Bands; the view columns are read through VBANDM and VBANDM2.
struct TBAND_ : dbstatus_rec {
    QString KCO;
    QString NENDO;
    QString BANDID;
    QString BANDNAME;
    QString BANDTEIGI;
    QString MATRIXID;
    QString TITLE;
    QString MARUME;
    QString KIJUNCHINGIN;
    QString KAGENRITSU;
    QString JOUGENRITSU;
    QString SPREAD;
    QString RANGE;
    QString KAGENGAKU1;
    QString JOUGENGAKU1;
    QString KAGENGAKU2;
    QString JOUGENGAKU2;
    QString KAGENGAKU3;
    QString JOUGENGAKU3;
    QString KAGENGAKU4;
    QString JOUGENGAKU4;
    QString KAGENGAKU5;
    QString JOUGENGAKU5;
    QString NAME;   // view column
    QString ZONESU;   // view column
    QString MATRIXNAME;   // view column
    QString YHYOUKA;   // view column
    QString UP1;   // view column
    QString UP2;   // view column
    QString UP3;   // view column
    QString UP4;   // view column
    QString UP5;   // view column
    static const TableDef<TBAND_>& table();
    static unsigned viewGroups(const QString& select);
};
using TBAND_rec = RecSet<TBAND_>;

// Raise matrices.
struct TMATID_ : dbstatus_rec {
    QString KCO;
    QString NENDO;
    QString MATRIXID;
    QString NAME;
    QString TEIGI;
    QString ZONESU;
    static const TableDef<TMATID_>& table();
};
using TMATID_rec = RecSet<TMATID_>;

// Raise rates of a matrix per role evaluation; view columns through VMATRIXCELL.
struct TMATCELL_ : dbstatus_rec {
    QString KCO;
    QString NENDO;
    QString MATRIXID;
    QString YHYOUKA;
    QString UP1;
    QString UP2;
    QString UP3;
    QString UP4;
    QString UP5;
    QString TEIGI;   // view column
    QString NAME;   // view column
    QString YHYOUKANAME;   // view column
    QString ZONESU;   // view column
    QString BANDID;   // view column
    QString BANDNAME;   // view column
    static const TableDef<TMATCELL_>& table();
    static unsigned viewGroups(const QString& select);
};
using TMATCELL_rec = RecSet<TMATCELL_>;

// An employee: one row of the view VSYAIN (MSYAIN1 and MSYAIN2 with the view columns) and the
// amounts derived from it. The keys KCO, SCO and NENDO are shared by both tables.
struct TSyain_ : dbstatus_rec {
    QString KCO;
    qint64 HSCO = 0;
    QString SCO;
    QString NENDO;
    QString SCOT;
    QString SNA;
    qint64 SEIHI = 0;
    qint64 NYUHI = 0;
    QString YAKU;
    qint64 SKCO = 0;
    qint64 TCO = 0;
    qint64 NENREI = 0;
    qint64 KINZOKU = 0;
    qint64 NENSU = 0;
    qint64 SIKAKUGO = 0;
    qint64 JISEKI = 0;
    double TRITSU = 0;
    qint64 NENKYU = 0;
    qint64 SYOKUKYU = 0;
    qint64 KIHONKYU = 0;
    qint64 SYOTEIKYU = 0;
    double SRITSU = 0;
    qint64 SYOUYO = 0;
    qint64 NENSYU = 0;
    qint64 MCO = 0;
    QString MNA;
    qint64 MLINK = 0;
    qint64 BANDID = 0;
    qint64 YHYOUKA = 0;
    qint64 MZONE = 0;
    qint64 NEWBANDID = 0;
    qint64 NEWYHYOUKA = 0;
    qint64 NEWMZONE = 0;
    QString NEWDAY1;
    qint64 SEIBETSU = 0;
    qint64 TOUKYU = 0;
    qint64 GOUHOU = 0;
    qint64 SM1 = 0;
    QString SM2;
    QString GAKU;
    QString SENKOU;
    QString KSIKAKU;
    QString KEIKEN;
    qint64 THI = 0;
    qint64 ZONEX = 0;
    qint64 TENSU = 0;
    qint64 HCO = 0;
    qint64 UPK = 0;
    qint64 UPT = 0;
    qint64 KKYU1 = 0;
    qint64 KKYU2 = 0;
    qint64 KKYU3 = 0;
    qint64 TEATE1 = 0;
    qint64 TEATE2 = 0;
    qint64 TEATE3 = 0;
    qint64 TEATE4 = 0;
    qint64 TEATE5 = 0;
    qint64 NKKYU1 = 0;
    qint64 NKKYU2 = 0;
    qint64 NKKYU3 = 0;
    qint64 NTEATE1 = 0;
    qint64 NTEATE2 = 0;
    qint64 NTEATE3 = 0;
    qint64 NTEATE4 = 0;
    qint64 NTEATE5 = 0;
    double NSRITSU = 0;
    qint64 SYOUYO2 = 0;
    qint64 NNENSYU = 0;
    qint64 NTOUKYU = 0;
    qint64 SGOUHOU = 0;
    qint64 NGOUHOU = 0;
    qint64 FSKCHK = 0;
    qint64 HCO1 = 0;
    QString HNA1;
    qint64 HCO2 = 0;
    QString HNA2;
    qint64 HCO3 = 0;
    QString HNA3;
    qint64 SYOTEI = 0;
    qint64 NSYOTEI = 0;
    QString SPATH;
    qint64 FITNO = 0;
    QString FITNAME;
    qint64 FITKIN = 0;
    qint64 FITJITSU = 0;
    qint64 SAVENO = 0;
    qint64 SAVEKIN = 0;
    qint64 UPKIN1 = 0;
    qint64 UPKIN2 = 0;
    qint64 UPKIN3 = 0;
    QString HKIGOU;   // view column
    qint64 MATRIXID = 0;   // view column
    qint64 KIN = 0;   // view column
    qint64 NKIN = 0;   // view column
    QString HYOUKA;   // view column
    qint64 SGOUSU = 0;   // view column
    QString BANDNAME;   // view column
    // Derived on every read of the view:
    qint64 BaseTotal = 0;          // KKYU1 + KKYU2 + KKYU3
    qint64 ScheduledPay = 0;       // BaseTotal + TEATE1..TEATE5
    qint64 AnnualIncome = 0;       // ScheduledPay * 12 + SYOUYO + SYOUYO2
    qint64 BaseTotalAfter = 0;     // NKKYU1 + NKKYU2 + NKKYU3
    qint64 ScheduledPayAfter = 0;  // BaseTotalAfter + NTEATE1..NTEATE5

    static const TableDef<TSyain_>& msyain1();
    static const TableDef<TSyain_>& msyain2();
    // Every column read from VSYAIN (the view columns form group 1).
    static const TableDef<TSyain_>& table();
    static unsigned viewGroups(const QString& select);
    // Recomputes the ages and, after a read of the view, the derived amounts.
    static void afterRead(TSyain_& row, unsigned groups, int reference);
};
using TSyain_rec = RecSet<TSyain_>;

} // namespace data
