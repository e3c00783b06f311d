#include "data/Records.h"

#include "data/Common.h"

namespace data {

const TableDef<TSeigyo_>& TSeigyo_::table()
{
    static const TableDef<TSeigyo_> t(QStringLiteral("MSEIGYO"), {
        {"CO", ColType::Num, true, &TSeigyo_::CO},
        {"NA", ColType::Text, false, &TSeigyo_::NA},
        {"FSEIHIN", ColType::Num, false, &TSeigyo_::FSEIHIN},
        {"INSTDATE", ColType::Text, false, &TSeigyo_::INSTDATE},
        {"ENDDATE", ColType::Text, false, &TSeigyo_::ENDDATE},
        {"PATH", ColType::Text, false, &TSeigyo_::PATH},
        {"REKI1", ColType::Text, false, &TSeigyo_::REKI1},
        {"SNEN1", ColType::Num, false, &TSeigyo_::SNEN1},
        {"STSUKI1", ColType::Num, false, &TSeigyo_::STSUKI1},
        {"SHI1", ColType::Num, false, &TSeigyo_::SHI1},
        {"REKI2", ColType::Text, false, &TSeigyo_::REKI2},
        {"SNEN2", ColType::Num, false, &TSeigyo_::SNEN2},
        {"STSUKI2", ColType::Num, false, &TSeigyo_::STSUKI2},
        {"SHI2", ColType::Num, false, &TSeigyo_::SHI2},
        {"REKI3", ColType::Text, false, &TSeigyo_::REKI3},
        {"SNEN3", ColType::Num, false, &TSeigyo_::SNEN3},
        {"STSUKI3", ColType::Num, false, &TSeigyo_::STSUKI3},
        {"SHI3", ColType::Num, false, &TSeigyo_::SHI3},
        {"FREKI", ColType::Num, false, &TSeigyo_::FREKI},
    }, QStringLiteral("CO"));
    return t;
}

const TableDef<TKigyo1_>& TKigyo1_::table()
{
    static const TableDef<TKigyo1_> t(QStringLiteral("MKIGYOU1"), {
        {"KCO", ColType::Num, true, &TKigyo1_::KCO},
        {"NENDO", ColType::Num, true, &TKigyo1_::NENDO},
        {"KNA", ColType::Text, false, &TKigyo1_::KNA},
        {"PATH", ColType::Text, false, &TKigyo1_::PATH},
        {"SDATE", ColType::Num, false, &TKigyo1_::SDATE},
        {"FNK", ColType::Num, false, &TKigyo1_::FNK},
        {"KDATE", ColType::Num, false, &TKigyo1_::KDATE},
        {"REKI", ColType::Num, false, &TKigyo1_::REKI},
        {"SYOTEIHH", ColType::Num, false, &TKigyo1_::SYOTEIHH, 0, ReadRule::ZeroIfEmpty},
        {"SYOTEIDD", ColType::Num, false, &TKigyo1_::SYOTEIDD, 0, ReadRule::ZeroIfEmpty},
        {"SYOTEIMM", ColType::Num, false, &TKigyo1_::SYOTEIMM, 0, ReadRule::ZeroIfEmpty},
        {"SAITEI", ColType::Num, false, &TKigyo1_::SAITEI, 0, ReadRule::ZeroIfEmpty},
    }, QStringLiteral("KCO, NENDO"));
    return t;
}

const TableDef<TMark_>& TMark_::table()
{
    static const TableDef<TMark_> t(QStringLiteral("MMARK"), {
        {"KCO", ColType::Num, true, &TMark_::KCO},
        {"NENDO", ColType::Num, true, &TMark_::NENDO},
        {"MKCO", ColType::Num, true, &TMark_::MKCO},
        {"MARK", ColType::Text, false, &TMark_::MARK},
        {"HANREI", ColType::Text, false, &TMark_::HANREI},
        {"MKCOLOR", ColType::Text, false, &TMark_::MKCOLOR},
        {"MKSIZE", ColType::Num, false, &TMark_::MKSIZE},
        {"KCOLOR", ColType::Text, false, &TMark_::KCOLOR},
        {"KSYURUI", ColType::Num, false, &TMark_::KSYURUI},
        {"KHABA", ColType::Num, false, &TMark_::KHABA},
    }, QStringLiteral("KCO, NENDO, MKCO"));
    return t;
}

const TableDef<TGraph_>& TGraph_::table()
{
    static const TableDef<TGraph_> t(QStringLiteral("MGRAPH"), {
        {"KCO", ColType::Num, true, &TGraph_::KCO},
        {"NENDO", ColType::Num, true, &TGraph_::NENDO},
        {"GSCO", ColType::Num, true, &TGraph_::GSCO},
        {"CCOLOR", ColType::Text, false, &TGraph_::CCOLOR},
        {"CSYURUI", ColType::Num, false, &TGraph_::CSYURUI},
        {"CHABA", ColType::Num, false, &TGraph_::CHABA},
    }, QStringLiteral("KCO, NENDO, GSCO"));
    return t;
}

const TableDef<TMODEL_>& TMODEL_::table()
{
    static const TableDef<TMODEL_> t(QStringLiteral("MDEL"), {
        {"MDCO", ColType::Num, true, &TMODEL_::MDCO},
        {"MDNA", ColType::Text, false, &TMODEL_::MDNA},
        {"DEDOKORO", ColType::Text, false, &TMODEL_::DEDOKORO},
        {"TCHIIKI", ColType::Text, false, &TMODEL_::TCHIIKI},
        {"JSU", ColType::Num, false, &TMODEL_::JSU},
        {"CJITEN", ColType::Text, false, &TMODEL_::CJITEN},
        {"GYOUSYU", ColType::Text, false, &TMODEL_::GYOUSYU},
        {"KIBO", ColType::Text, false, &TMODEL_::KIBO},
        {"BIKOU", ColType::Text, false, &TMODEL_::BIKOU},
    }, QStringLiteral("MDCO"));
    return t;
}

const TableDef<TMDCHNGIN_>& TMDCHNGIN_::table()
{
    static const TableDef<TMDCHNGIN_> t(QStringLiteral("MDCHINGIN"), {
        {"MDCO", ColType::Num, true, &TMDCHNGIN_::MDCO},
        {"MCCO", ColType::Num, true, &TMDCHNGIN_::MCCO},
        {"NENREI", ColType::Num, false, &TMDCHNGIN_::NENREI},
        {"KNENSU", ColType::Num, false, &TMDCHNGIN_::KNENSU},
        {"KKIN", ColType::Num, false, &TMDCHNGIN_::KKIN},
        {"SKIN", ColType::Num, false, &TMDCHNGIN_::SKIN},
        {"SYOUYO", ColType::Num, false, &TMDCHNGIN_::SYOUYO},
        {"NENSYU", ColType::Num, false, &TMDCHNGIN_::NENSYU},
        {"SENSYU", ColType::Num, false, &TMDCHNGIN_::SENSYU},
        {"KKNENSU", ColType::Num, false, &TMDCHNGIN_::KKNENSU},
    }, QStringLiteral("MDCO, MCCO"));
    return t;
}

const TableDef<TKigyo2_>& TKigyo2_::table()
{
    static const TableDef<TKigyo2_> t(QStringLiteral("MKIGYOU2"), {
        {"KCO", ColType::Num, true, &TKigyo2_::KCO},
        {"NENDO", ColType::Num, true, &TKigyo2_::NENDO},
        {"KNA", ColType::Text, false, &TKigyo2_::KNA},
        {"CYOUSAHI", ColType::Num, false, &TKigyo2_::CYOUSAHI},
        {"BEARITSU", ColType::Num, false, &TKigyo2_::BEARITSU},
        {"TAIKEI", ColType::Text, false, &TKigyo2_::TAIKEI},
        {"KKNA1", ColType::Text, false, &TKigyo2_::KKNA1},
        {"KKNA2", ColType::Text, false, &TKigyo2_::KKNA2},
        {"KKNA3", ColType::Text, false, &TKigyo2_::KKNA3},
        {"TNA1", ColType::Text, false, &TKigyo2_::TNA1},
        {"TNA2", ColType::Text, false, &TKigyo2_::TNA2},
        {"TNA3", ColType::Text, false, &TKigyo2_::TNA3},
        {"TNA4", ColType::Text, false, &TKigyo2_::TNA4},
        {"TNA5", ColType::Text, false, &TKigyo2_::TNA5},
        {"MCCO", ColType::Num, false, &TKigyo2_::MCCO},
        {"MDCO", ColType::Num, false, &TKigyo2_::MDCO},
        {"TK01", ColType::Text, false, &TKigyo2_::TK01},
        {"TK02", ColType::Text, false, &TKigyo2_::TK02},
        {"TK03", ColType::Text, false, &TKigyo2_::TK03},
        {"TK04", ColType::Text, false, &TKigyo2_::TK04},
        {"TK05", ColType::Text, false, &TKigyo2_::TK05},
        {"TK06", ColType::Text, false, &TKigyo2_::TK06},
        {"TK07", ColType::Text, false, &TKigyo2_::TK07},
        {"TK08", ColType::Text, false, &TKigyo2_::TK08},
        {"TK09", ColType::Text, false, &TKigyo2_::TK09},
        {"FRSTKYU", ColType::Num, false, &TKigyo2_::FRSTKYU},
        {"SKCO", ColType::Num, false, &TKigyo2_::SKCO},
        {"SYOUKYUHI", ColType::Num, false, &TKigyo2_::SYOUKYUHI},
        {"FRSTKYUM", ColType::Num, false, &TKigyo2_::FRSTKYUM},
        {"FRENCM", ColType::Num, false, &TKigyo2_::FRENCM},
    }, QStringLiteral("KCO, NENDO"));
    return t;
}

const TableDef<TChart_>& TChart_::table()
{
    static const TableDef<TChart_> t(QStringLiteral("MCHART"), {
        {"CHCO", ColType::Num, true, &TChart_::CHCO},
        {"KCO", ColType::Num, true, &TChart_::KCO},
        {"NENDO", ColType::Num, true, &TChart_::NENDO},
        {"KNO", ColType::Int, false, &TChart_::KNO},
        {"FCHK", ColType::Text, false, &TChart_::FCHK},
        {"TOUKYU", ColType::Text, false, &TChart_::TOUKYU},
        {"TITLE", ColType::Text, false, &TChart_::TITLE},
        {"FX", ColType::Text, false, &TChart_::FX},
        {"FY", ColType::Num, false, &TChart_::FY},
        {"MARKR", ColType::Int, false, &TChart_::MARKR},
        {"X1", ColType::Int, false, &TChart_::X1},
        {"X2", ColType::Int, false, &TChart_::X2},
        {"Y1", ColType::Real, false, &TChart_::Y1, 0, ReadRule::RoundInt},
        {"Y2", ColType::Real, false, &TChart_::Y2, 0, ReadRule::RoundInt},
        {"FKINJI", ColType::Int, false, &TChart_::FKINJI},
        {"CGRAPH", ColType::Int, false, &TChart_::CGRAPH},
        {"SJYUN1", ColType::Real, false, &TChart_::SJYUN1},
        {"SJYUN2", ColType::Real, false, &TChart_::SJYUN2},
        {"SJYUN3", ColType::Real, false, &TChart_::SJYUN3},
        {"SJYUN4", ColType::Real, false, &TChart_::SJYUN4},
        {"TOUKYU1", ColType::Int, false, &TChart_::TOUKYU1},
        {"KAISETSU", ColType::Text, false, &TChart_::KAISETSU},
        {"MIBUN", ColType::Int, false, &TChart_::MIBUN},
        {"SKCO", ColType::Int, false, &TChart_::SKCO},
        {"XNAME", ColType::Text, false, &TChart_::XNAME},
        {"YNAME", ColType::Text, false, &TChart_::YNAME},
        {"XUNIT", ColType::Text, false, &TChart_::XUNIT},
        {"YUNIT", ColType::Text, false, &TChart_::YUNIT},
        {"XPITCH", ColType::Int, false, &TChart_::XPITCH},
        {"YPITCH", ColType::Int, false, &TChart_::YPITCH},
        {"SEX", ColType::Int, false, &TChart_::SEX},
    }, QStringLiteral("KCO, NENDO, CHCO"));
    return t;
}

const TableDef<TDChart_>& TDChart_::table()
{
    static const TableDef<TDChart_> t(QStringLiteral("DCHART"), {
        {"SCO", ColType::Num, true, &TDChart_::SCO},
        {"SNA", ColType::Text, false, &TDChart_::SNA},
        {"LABELN", ColType::Text, false, &TDChart_::LABELN},
        {"MARKL", ColType::Text, false, &TDChart_::MARKL},
        {"F1", ColType::Int, false, &TDChart_::F1},
        {"F2", ColType::Int, false, &TDChart_::F2},
        {"F3", ColType::Int, false, &TDChart_::F3},
        {"F4", ColType::Int, false, &TDChart_::F4},
        {"F5", ColType::Int, false, &TDChart_::F5},
        {"X", ColType::Real, false, &TDChart_::X},
        {"Y", ColType::Real, false, &TDChart_::Y},
        {"NO", ColType::Int, false, &TDChart_::NO},
        {"MKCO", ColType::Int, false, &TDChart_::MKCO},
        {"GTOP", ColType::Int, false, &TDChart_::GTOP},
        {"GLEFT", ColType::Int, false, &TDChart_::GLEFT},
    }, QStringLiteral(""));
    return t;
}

const TableDef<TCHNGIN_>& TCHNGIN_::table()
{
    static const TableDef<TCHNGIN_> t(QStringLiteral("DCHINGIN"), {
        {"KCO", ColType::Num, true, &TCHNGIN_::KCO},
        {"NENDO", ColType::Num, true, &TCHNGIN_::NENDO},
        {"SDCO", ColType::Int, true, &TCHNGIN_::SDCO},
        {"X", ColType::Int, false, &TCHNGIN_::X},
        {"Y", ColType::Int, false, &TCHNGIN_::Y},
        {"NO", ColType::Int, false, &TCHNGIN_::NO},
        {"SNENREI", ColType::Int, false, &TCHNGIN_::SNENREI},
        {"SKIN", ColType::Int, false, &TCHNGIN_::SKIN},
        {"PITCH", ColType::Int, false, &TCHNGIN_::PITCH},
        {"SRITSU", ColType::Real, false, &TCHNGIN_::SRITSU},
        {"KAKUSA", ColType::Int, false, &TCHNGIN_::KAKUSA},
    }, QStringLiteral(""));
    return t;
}

const TableDef<TCHNGIN2_>& TCHNGIN2_::table()
{
    static const TableDef<TCHNGIN2_> t(QStringLiteral("DCHINGIN2"), {
        {"KCO", ColType::Num, true, &TCHNGIN2_::KCO},
        {"NENDO", ColType::Num, true, &TCHNGIN2_::NENDO},
        {"SKCO", ColType::Num, false, &TCHNGIN2_::SKCO},
        {"GOUHOU", ColType::Num, true, &TCHNGIN2_::GOUHOU},
        {"KIN1", ColType::Num, false, &TCHNGIN2_::KIN1},
        {"KS1", ColType::Num, false, &TCHNGIN2_::KS1},
        {"KIN2", ColType::Num, false, &TCHNGIN2_::KIN2},
        {"KS2", ColType::Num, false, &TCHNGIN2_::KS2},
        {"KIN3", ColType::Num, false, &TCHNGIN2_::KIN3},
        {"KS3", ColType::Num, false, &TCHNGIN2_::KS3},
        {"KIN4", ColType::Num, false, &TCHNGIN2_::KIN4},
        {"KS4", ColType::Num, false, &TCHNGIN2_::KS4},
        {"KIN5", ColType::Num, false, &TCHNGIN2_::KIN5},
        {"KS5", ColType::Num, false, &TCHNGIN2_::KS5},
        {"KIN6", ColType::Num, false, &TCHNGIN2_::KIN6},
        {"KS6", ColType::Num, false, &TCHNGIN2_::KS6},
        {"KIN7", ColType::Num, false, &TCHNGIN2_::KIN7},
        {"KS7", ColType::Num, false, &TCHNGIN2_::KS7},
        {"KIN8", ColType::Num, false, &TCHNGIN2_::KIN8},
        {"KS8", ColType::Num, false, &TCHNGIN2_::KS8},
        {"KIN9", ColType::Num, false, &TCHNGIN2_::KIN9},
        {"KS9", ColType::Num, false, &TCHNGIN2_::KS9},
    }, QStringLiteral("KCO, NENDO, SKCO, GOUHOU"));
    return t;
}

const TableDef<TMCHNGIN_>& TMCHNGIN_::table()
{
    static const TableDef<TMCHNGIN_> t(QStringLiteral("MCHINGIN"), {
        {"KCO", ColType::Num, true, &TMCHNGIN_::KCO},
        {"NENDO", ColType::Num, true, &TMCHNGIN_::NENDO},
        {"CGCO", ColType::Num, true, &TMCHNGIN_::CGCO},
        {"TKSU", ColType::Int, false, &TMCHNGIN_::TKSU},
        {"GOUSU", ColType::Int, false, &TMCHNGIN_::GOUSU},
        {"KSENTAKUF", ColType::Int, false, &TMCHNGIN_::KSENTAKUF},
        {"UKAKIF", ColType::Int, false, &TMCHNGIN_::UKAKIF},
        {"MARUMEF", ColType::Int, false, &TMCHNGIN_::MARUMEF},
        {"TITLE", ColType::Text, false, &TMCHNGIN_::TITLE},
        {"SKCO", ColType::Int, false, &TMCHNGIN_::SKCO},
        {"K2CO", ColType::Int, false, &TMCHNGIN_::K2CO},
        {"K3CO", ColType::Int, false, &TMCHNGIN_::K3CO},
        {"GOUHOU1", ColType::Int, false, &TMCHNGIN_::GOUHOU1},
        {"GOUHOU2", ColType::Int, false, &TMCHNGIN_::GOUHOU2},
    }, QStringLiteral("KCO, NENDO, CGCO"));
    return t;
}

const TableDef<T2JI_>& T2JI_::table()
{
    static const TableDef<T2JI_> t(QStringLiteral("DKSEN2"), {
        {"KCO", ColType::Num, true, &T2JI_::KCO},
        {"NENDO", ColType::Num, true, &T2JI_::NENDO},
        {"K2CO", ColType::Num, true, &T2JI_::K2CO},
        {"TKNO", ColType::Int, false, &T2JI_::TKNO},
        {"SGOUSU", ColType::Int, false, &T2JI_::SGOUSU},
        {"SKIN", ColType::Int, false, &T2JI_::SKIN},
        {"C1GOUSU", ColType::Int, false, &T2JI_::C1GOUSU},
        {"C1KIN", ColType::Int, false, &T2JI_::C1KIN},
        {"EGOUSU", ColType::Int, false, &T2JI_::EGOUSU},
        {"EKIN", ColType::Int, false, &T2JI_::EKIN},
        {"KRITSU", ColType::Real, false, &T2JI_::KRITSU},
    }, QStringLiteral(""));
    return t;
}

const TableDef<T3JI_>& T3JI_::table()
{
    static const TableDef<T3JI_> t(QStringLiteral("DKSEN3"), {
        {"KCO", ColType::Num, true, &T3JI_::KCO},
        {"NENDO", ColType::Num, true, &T3JI_::NENDO},
        {"K3CO", ColType::Num, true, &T3JI_::K3CO},
        {"TKNO", ColType::Int, false, &T3JI_::TKNO},
        {"SGOUSU", ColType::Int, false, &T3JI_::SGOUSU},
        {"SKIN", ColType::Int, false, &T3JI_::SKIN},
        {"C1GOUSU", ColType::Int, false, &T3JI_::C1GOUSU},
        {"C1KIN", ColType::Int, false, &T3JI_::C1KIN},
        {"C2GOUSU", ColType::Int, false, &T3JI_::C2GOUSU},
        {"C2KIN", ColType::Int, false, &T3JI_::C2KIN},
        {"EGOUSU", ColType::Int, false, &T3JI_::EGOUSU},
        {"EKIN", ColType::Int, false, &T3JI_::EKIN},
        {"KRITSU", ColType::Real, false, &T3JI_::KRITSU},
    }, QStringLiteral(""));
    return t;
}

const TableDef<TSCALE_>& TSCALE_::table()
{
    static const TableDef<TSCALE_> t(QStringLiteral("DSCALE"), {
        {"KCO", ColType::Num, true, &TSCALE_::KCO},
        {"NENDO", ColType::Num, true, &TSCALE_::NENDO},
        {"SKCO", ColType::Num, true, &TSCALE_::SKCO},
        {"TKNO", ColType::Num, false, &TSCALE_::TKNO},
        {"TKNA", ColType::Text, false, &TSCALE_::TKNA},
        {"RITSU1", ColType::Num, false, &TSCALE_::RITSU1},
        {"KKIN", ColType::Num, false, &TSCALE_::KKIN},
        {"RITSU2", ColType::Num, false, &TSCALE_::RITSU2},
        {"SPKIN", ColType::Num, false, &TSCALE_::SPKIN},
        {"RNKIN", ColType::Num, false, &TSCALE_::RNKIN},
    }, QStringLiteral("KCO, NENDO, SKCO, TKNO"));
    return t;
}

const TableDef<TSPDRAW_>& TSPDRAW_::table()
{
    static const TableDef<TSPDRAW_> t(QStringLiteral("DSPDRAW"), {
        {"KCO", ColType::Num, true, &TSPDRAW_::KCO},
        {"NENDO", ColType::Num, true, &TSPDRAW_::NENDO},
        {"SDCO", ColType::Num, true, &TSPDRAW_::SDCO},
        {"X", ColType::Int, false, &TSPDRAW_::X},
        {"Y", ColType::Int, false, &TSPDRAW_::Y},
        {"FCHKS", ColType::Int, false, &TSPDRAW_::FCHKS},
        {"FREN", ColType::Int, false, &TSPDRAW_::FREN},
        {"SNENREI1", ColType::Int, false, &TSPDRAW_::SNENREI1},
        {"SKIN1", ColType::Real, false, &TSPDRAW_::SKIN1, 0, ReadRule::RoundInt},
        {"SNENREI2", ColType::Int, false, &TSPDRAW_::SNENREI2},
        {"SKIN2", ColType::Real, false, &TSPDRAW_::SKIN2, 0, ReadRule::RoundInt},
        {"SNENREI3", ColType::Int, false, &TSPDRAW_::SNENREI3},
        {"SKIN3", ColType::Real, false, &TSPDRAW_::SKIN3, 0, ReadRule::RoundInt},
        {"SNENREI4", ColType::Int, false, &TSPDRAW_::SNENREI4},
        {"SKIN4", ColType::Real, false, &TSPDRAW_::SKIN4, 0, ReadRule::RoundInt},
        {"SNENREI5", ColType::Int, false, &TSPDRAW_::SNENREI5},
        {"SKIN5", ColType::Real, false, &TSPDRAW_::SKIN5, 0, ReadRule::RoundInt},
        {"SNENREI6", ColType::Int, false, &TSPDRAW_::SNENREI6},
        {"SKIN6", ColType::Real, false, &TSPDRAW_::SKIN6, 0, ReadRule::RoundInt},
        {"KAISETSU", ColType::Text, false, &TSPDRAW_::KAISETSU},
        {"HANREI", ColType::Text, false, &TSPDRAW_::HANREI},
        {"SETSUMEI", ColType::Text, false, &TSPDRAW_::SETSUMEI},
        {"SCOLOR", ColType::Text, false, &TSPDRAW_::SCOLOR},
        {"SSYURUI", ColType::Int, false, &TSPDRAW_::SSYURUI},
        {"SHABA", ColType::Int, false, &TSPDRAW_::SHABA},
    }, QStringLiteral("KCO, NENDO, SDCO, X, Y"));
    return t;
}

const TableDef<TMHYOUKA_>& TMHYOUKA_::table()
{
    static const TableDef<TMHYOUKA_> t(QStringLiteral("MHYOUKA"), {
        {"KCO", ColType::Num, true, &TMHYOUKA_::KCO},
        {"NENDO", ColType::Num, true, &TMHYOUKA_::NENDO},
        {"SKCO", ColType::Num, true, &TMHYOUKA_::SKCO},
        {"HCO", ColType::Num, true, &TMHYOUKA_::HCO},
        {"HKIGOU", ColType::Text, false, &TMHYOUKA_::HKIGOU},
        {"SGOUSU", ColType::Num, false, &TMHYOUKA_::SGOUSU},
    }, QStringLiteral("KCO, NENDO, SKCO, HCO"));
    return t;
}

const TableDef<TYHYOUKA_>& TYHYOUKA_::table()
{
    static const TableDef<TYHYOUKA_> t(QStringLiteral("YHYOUKA"), {
        {"KCO", ColType::Num, true, &TYHYOUKA_::KCO},
        {"NENDO", ColType::Num, true, &TYHYOUKA_::NENDO},
        {"HCO", ColType::Num, true, &TYHYOUKA_::HCO},
        {"HKIGOU", ColType::Text, false, &TYHYOUKA_::HKIGOU},
    }, QStringLiteral("KCO, NENDO, HCO"));
    return t;
}

const TableDef<TSALARY_>& TSALARY_::table()
{
    static const TableDef<TSALARY_> t(QStringLiteral("SALARYNAME"), {
        {"KCO", ColType::Num, true, &TSALARY_::KCO},
        {"NENDO", ColType::Num, true, &TSALARY_::NENDO},
        {"SALARYID", ColType::Num, true, &TSALARY_::SALARYID},
        {"SALARYNAME", ColType::Text, false, &TSALARY_::SALARYNAME},
        {"TEIGI", ColType::Text, false, &TSALARY_::TEIGI},
        {"KIHON1", ColType::Text, false, &TSALARY_::KIHON1},
        {"KIHON2", ColType::Text, false, &TSALARY_::KIHON2},
        {"KIHON3", ColType::Text, false, &TSALARY_::KIHON3},
        {"TEATE1", ColType::Text, false, &TSALARY_::TEATE1},
        {"TEATE2", ColType::Text, false, &TSALARY_::TEATE2},
        {"TEATE3", ColType::Text, false, &TSALARY_::TEATE3},
        {"TEATE4", ColType::Text, false, &TSALARY_::TEATE4},
        {"TEATE5", ColType::Text, false, &TSALARY_::TEATE5},
    }, QStringLiteral("KCO, NENDO, SALARYID"));
    return t;
}

const TableDef<TSEIKEI_>& TSEIKEI_::table()
{
    static const TableDef<TSEIKEI_> t(QStringLiteral("MSEIKEI"), {
        {"KCO", ColType::Num, true, &TSEIKEI_::KCO},
        {"NENDO", ColType::Num, false, &TSEIKEI_::NENDO},
        {"SKCO", ColType::Num, true, &TSEIKEI_::SKCO},
        {"SNIN", ColType::Int, false, &TSEIKEI_::SNIN},
        {"SNENREI", ColType::Int, false, &TSEIKEI_::SNENREI},
        {"SEIKEIHI", ColType::Int, false, &TSEIKEI_::SEIKEIHI},
        {"YURITSU", ColType::Real, false, &TSEIKEI_::YURITSU},
        {"STRITSU", ColType::Real, false, &TSEIKEI_::STRITSU},
        {"TNRITSU", ColType::Real, false, &TSEIKEI_::TNRITSU},
        {"KKRITSU", ColType::Real, false, &TSEIKEI_::KKRITSU},
        {"DEDOKORO", ColType::Text, false, &TSEIKEI_::DEDOKORO},
        {"TCHIIKI", ColType::Text, false, &TSEIKEI_::TCHIIKI},
        {"CJITEN", ColType::Text, false, &TSEIKEI_::CJITEN},
        {"NSUCHI", ColType::Text, false, &TSEIKEI_::NSUCHI},
    }, QStringLiteral(""));
    return t;
}

const TableDef<TBAND_>& TBAND_::table()
{
    static const TableDef<TBAND_> t(QStringLiteral("BANDM"), {
        {"KCO", ColType::Num, true, &TBAND_::KCO},
        {"NENDO", ColType::Num, true, &TBAND_::NENDO},
        {"BANDID", ColType::Num, true, &TBAND_::BANDID},
        {"BANDNAME", ColType::Text, false, &TBAND_::BANDNAME},
        {"BANDTEIGI", ColType::Text, false, &TBAND_::BANDTEIGI},
        {"MATRIXID", ColType::Num, false, &TBAND_::MATRIXID},
        {"TITLE", ColType::Text, false, &TBAND_::TITLE},
        {"MARUME", ColType::Num, false, &TBAND_::MARUME},
        {"基準賃金", ColType::Num, false, &TBAND_::KIJUNCHINGIN},
        {"下限率", ColType::Num, false, &TBAND_::KAGENRITSU},
        {"上限率", ColType::Num, false, &TBAND_::JOUGENRITSU},
        {"スプレッド", ColType::Num, false, &TBAND_::SPREAD},
        {"レンジ", ColType::Num, false, &TBAND_::RANGE},
        {"下限額1", ColType::Num, false, &TBAND_::KAGENGAKU1},
        {"上限額1", ColType::Num, false, &TBAND_::JOUGENGAKU1},
        {"下限額2", ColType::Num, false, &TBAND_::KAGENGAKU2},
        {"上限額2", ColType::Num, false, &TBAND_::JOUGENGAKU2},
        {"下限額3", ColType::Num, false, &TBAND_::KAGENGAKU3},
        {"上限額3", ColType::Num, false, &TBAND_::JOUGENGAKU3},
        {"下限額4", ColType::Num, false, &TBAND_::KAGENGAKU4},
        {"上限額4", ColType::Num, false, &TBAND_::JOUGENGAKU4},
        {"下限額5", ColType::Num, false, &TBAND_::KAGENGAKU5},
        {"上限額5", ColType::Num, false, &TBAND_::JOUGENGAKU5},
        {"NAME", ColType::Text, false, &TBAND_::NAME, 1, ReadRule::Plain},
        {"ZONESU", ColType::Num, false, &TBAND_::ZONESU, 1, ReadRule::Plain},
        {"MATRIXNAME", ColType::Text, false, &TBAND_::MATRIXNAME, 1, ReadRule::Plain},
        {"YHYOUKA", ColType::Num, false, &TBAND_::YHYOUKA, 2, ReadRule::Plain},
        {"UP1", ColType::Num, false, &TBAND_::UP1, 2, ReadRule::Plain},
        {"UP2", ColType::Num, false, &TBAND_::UP2, 2, ReadRule::Plain},
        {"UP3", ColType::Num, false, &TBAND_::UP3, 2, ReadRule::Plain},
        {"UP4", ColType::Num, false, &TBAND_::UP4, 2, ReadRule::Plain},
        {"UP5", ColType::Num, false, &TBAND_::UP5, 2, ReadRule::Plain},
    }, QStringLiteral("KCO, NENDO, BANDID"));
    return t;
}

const TableDef<TMATID_>& TMATID_::table()
{
    static const TableDef<TMATID_> t(QStringLiteral("MATRIXID"), {
        {"KCO", ColType::Num, true, &TMATID_::KCO},
        {"NENDO", ColType::Num, true, &TMATID_::NENDO},
        {"MATRIXID", ColType::Num, true, &TMATID_::MATRIXID},
        {"NAME", ColType::Text, false, &TMATID_::NAME},
        {"TEIGI", ColType::Text, false, &TMATID_::TEIGI},
        {"ZONESU", ColType::Num, false, &TMATID_::ZONESU},
    }, QStringLiteral("KCO, NENDO, MATRIXID"));
    return t;
}

const TableDef<TMATCELL_>& TMATCELL_::table()
{
    static const TableDef<TMATCELL_> t(QStringLiteral("MATRIXCELL"), {
        {"KCO", ColType::Num, true, &TMATCELL_::KCO},
        {"NENDO", ColType::Num, true, &TMATCELL_::NENDO},
        {"MATRIXID", ColType::Num, true, &TMATCELL_::MATRIXID},
        {"YHYOUKA", ColType::Num, false, &TMATCELL_::YHYOUKA},
        {"UP1", ColType::Num, false, &TMATCELL_::UP1},
        {"UP2", ColType::Num, false, &TMATCELL_::UP2},
        {"UP3", ColType::Num, false, &TMATCELL_::UP3},
        {"UP4", ColType::Num, false, &TMATCELL_::UP4},
        {"UP5", ColType::Num, false, &TMATCELL_::UP5},
        {"TEIGI", ColType::Text, false, &TMATCELL_::TEIGI, 1, ReadRule::Plain},
        {"NAME", ColType::Text, false, &TMATCELL_::NAME, 1, ReadRule::Plain},
        {"YHYOUKANAME", ColType::Text, false, &TMATCELL_::YHYOUKANAME, 1, ReadRule::Plain},
        {"ZONESU", ColType::Num, false, &TMATCELL_::ZONESU, 1, ReadRule::Plain},
        {"BANDID", ColType::Num, false, &TMATCELL_::BANDID, 1, ReadRule::Plain},
        {"BANDNAME", ColType::Text, false, &TMATCELL_::BANDNAME, 1, ReadRule::Plain},
    }, QStringLiteral("KCO, NENDO, MATRIXID, YHYOUKA"));
    return t;
}

const TableDef<TSyain_>& TSyain_::msyain1()
{
    static const TableDef<TSyain_> t(QStringLiteral("MSYAIN1"), {
        {"KCO", ColType::Num, true, &TSyain_::KCO},
        {"HSCO", ColType::Int, false, &TSyain_::HSCO},
        {"SCO", ColType::Num, true, &TSyain_::SCO},
        {"NENDO", ColType::Num, true, &TSyain_::NENDO},
        {"SCOT", ColType::Text, false, &TSyain_::SCOT},
        {"SNA", ColType::Text, false, &TSyain_::SNA},
        {"SEIHI", ColType::Int, false, &TSyain_::SEIHI},
        {"NYUHI", ColType::Int, false, &TSyain_::NYUHI},
        {"YAKU", ColType::Text, false, &TSyain_::YAKU},
        {"SKCO", ColType::Int, false, &TSyain_::SKCO},
        {"TCO", ColType::Int, false, &TSyain_::TCO},
        {"NENREI", ColType::Int, false, &TSyain_::NENREI},
        {"KINZOKU", ColType::Int, false, &TSyain_::KINZOKU},
        {"NENSU", ColType::Int, false, &TSyain_::NENSU},
        {"SIKAKUGO", ColType::Int, false, &TSyain_::SIKAKUGO},
        {"JISEKI", ColType::Int, false, &TSyain_::JISEKI},
        {"TRITSU", ColType::Real, false, &TSyain_::TRITSU},
        {"NENKYU", ColType::Int, false, &TSyain_::NENKYU},
        {"SYOKUKYU", ColType::Int, false, &TSyain_::SYOKUKYU},
        {"KIHONKYU", ColType::Int, false, &TSyain_::KIHONKYU},
        {"SYOTEIKYU", ColType::Int, false, &TSyain_::SYOTEIKYU},
        {"SRITSU", ColType::Real, false, &TSyain_::SRITSU},
        {"SYOUYO", ColType::Int, false, &TSyain_::SYOUYO},
        {"NENSYU", ColType::Int, false, &TSyain_::NENSYU},
        {"MCO", ColType::Int, false, &TSyain_::MCO},
        {"MNA", ColType::Text, false, &TSyain_::MNA},
        {"MLINK", ColType::Int, false, &TSyain_::MLINK},
        {"BANDID", ColType::Int, false, &TSyain_::BANDID},
        {"YHYOUKA", ColType::Int, false, &TSyain_::YHYOUKA},
        {"MZONE", ColType::Int, false, &TSyain_::MZONE},
        {"NEWBANDID", ColType::Int, false, &TSyain_::NEWBANDID},
        {"NEWYHYOUKA", ColType::Int, false, &TSyain_::NEWYHYOUKA},
        {"NEWMZONE", ColType::Int, false, &TSyain_::NEWMZONE},
        {"NEWDAY1", ColType::Text, false, &TSyain_::NEWDAY1},
    }, QStringLiteral("KCO, SCO, NENDO"), false);
    return t;
}

const TableDef<TSyain_>& TSyain_::msyain2()
{
    static const TableDef<TSyain_> t(QStringLiteral("MSYAIN2"), {
        {"KCO", ColType::Num, true, &TSyain_::KCO},
        {"SCO", ColType::Num, true, &TSyain_::SCO},
        {"NENDO", ColType::Num, true, &TSyain_::NENDO},
        {"SEIBETSU", ColType::Int, false, &TSyain_::SEIBETSU},
        {"TOUKYU", ColType::Int, false, &TSyain_::TOUKYU},
        {"GOUHOU", ColType::Int, false, &TSyain_::GOUHOU},
        {"SM1", ColType::Int, false, &TSyain_::SM1},
        {"SM2", ColType::Text, false, &TSyain_::SM2},
        {"GAKU", ColType::Text, false, &TSyain_::GAKU},
        {"SENKOU", ColType::Text, false, &TSyain_::SENKOU},
        {"KSIKAKU", ColType::Text, false, &TSyain_::KSIKAKU},
        {"KEIKEN", ColType::Text, false, &TSyain_::KEIKEN},
        {"THI", ColType::Int, false, &TSyain_::THI},
        {"ZONEX", ColType::Int, false, &TSyain_::ZONEX},
        {"TENSU", ColType::Int, false, &TSyain_::TENSU},
        {"HCO", ColType::Int, false, &TSyain_::HCO},
        {"UPK", ColType::Int, false, &TSyain_::UPK},
        {"UPT", ColType::Int, false, &TSyain_::UPT},
        {"KKYU1", ColType::Int, false, &TSyain_::KKYU1},
        {"KKYU2", ColType::Int, false, &TSyain_::KKYU2},
        {"KKYU3", ColType::Int, false, &TSyain_::KKYU3},
        {"TEATE1", ColType::Int, false, &TSyain_::TEATE1},
        {"TEATE2", ColType::Int, false, &TSyain_::TEATE2},
        {"TEATE3", ColType::Int, false, &TSyain_::TEATE3},
        {"TEATE4", ColType::Int, false, &TSyain_::TEATE4},
        {"TEATE5", ColType::Int, false, &TSyain_::TEATE5},
        {"NKKYU1", ColType::Int, false, &TSyain_::NKKYU1},
        {"NKKYU2", ColType::Int, false, &TSyain_::NKKYU2},
        {"NKKYU3", ColType::Int, false, &TSyain_::NKKYU3},
        {"NTEATE1", ColType::Int, false, &TSyain_::NTEATE1},
        {"NTEATE2", ColType::Int, false, &TSyain_::NTEATE2},
        {"NTEATE3", ColType::Int, false, &TSyain_::NTEATE3},
        {"NTEATE4", ColType::Int, false, &TSyain_::NTEATE4},
        {"NTEATE5", ColType::Int, false, &TSyain_::NTEATE5},
        {"NSRITSU", ColType::Real, false, &TSyain_::NSRITSU},
        {"SYOUYO2", ColType::Int, false, &TSyain_::SYOUYO2},
        {"NNENSYU", ColType::Int, false, &TSyain_::NNENSYU},
        {"NTOUKYU", ColType::Int, false, &TSyain_::NTOUKYU},
        {"SGOUHOU", ColType::Int, false, &TSyain_::SGOUHOU},
        {"NGOUHOU", ColType::Int, false, &TSyain_::NGOUHOU},
        {"FSKCHK", ColType::Int, false, &TSyain_::FSKCHK},
        {"HCO1", ColType::Int, false, &TSyain_::HCO1},
        {"HNA1", ColType::Text, false, &TSyain_::HNA1},
        {"HCO2", ColType::Int, false, &TSyain_::HCO2},
        {"HNA2", ColType::Text, false, &TSyain_::HNA2},
        {"HCO3", ColType::Int, false, &TSyain_::HCO3},
        {"HNA3", ColType::Text, false, &TSyain_::HNA3},
        {"SYOTEI", ColType::Int, false, &TSyain_::SYOTEI},
        {"NSYOTEI", ColType::Int, false, &TSyain_::NSYOTEI},
        {"SPATH", ColType::Text, false, &TSyain_::SPATH},
        {"FITNO", ColType::Int, false, &TSyain_::FITNO},
        {"FITNAME", ColType::Text, false, &TSyain_::FITNAME},
        {"FITKIN", ColType::Int, false, &TSyain_::FITKIN},
        {"FITJITSU", ColType::Int, false, &TSyain_::FITJITSU},
        {"SAVENO", ColType::Int, false, &TSyain_::SAVENO},
        {"SAVEKIN", ColType::Int, false, &TSyain_::SAVEKIN},
        {"UPKIN1", ColType::Int, false, &TSyain_::UPKIN1},
        {"UPKIN2", ColType::Int, false, &TSyain_::UPKIN2},
        {"UPKIN3", ColType::Int, false, &TSyain_::UPKIN3},
    }, QStringLiteral("KCO, SCO, NENDO"), false);
    return t;
}

const TableDef<TSyain_>& TSyain_::table()
{
    static const TableDef<TSyain_> t(QStringLiteral("VSYAIN"), {
        {"KCO", ColType::Num, true, &TSyain_::KCO},
        {"HSCO", ColType::Int, false, &TSyain_::HSCO},
        {"SCO", ColType::Num, true, &TSyain_::SCO},
        {"NENDO", ColType::Num, true, &TSyain_::NENDO},
        {"SCOT", ColType::Text, false, &TSyain_::SCOT},
        {"SNA", ColType::Text, false, &TSyain_::SNA},
        {"SEIHI", ColType::Int, false, &TSyain_::SEIHI},
        {"NYUHI", ColType::Int, false, &TSyain_::NYUHI},
        {"YAKU", ColType::Text, false, &TSyain_::YAKU},
        {"SKCO", ColType::Int, false, &TSyain_::SKCO},
        {"TCO", ColType::Int, false, &TSyain_::TCO},
        {"NENREI", ColType::Int, false, &TSyain_::NENREI},
        {"KINZOKU", ColType::Int, false, &TSyain_::KINZOKU},
        {"NENSU", ColType::Int, false, &TSyain_::NENSU},
        {"SIKAKUGO", ColType::Int, false, &TSyain_::SIKAKUGO},
        {"JISEKI", ColType::Int, false, &TSyain_::JISEKI},
        {"TRITSU", ColType::Real, false, &TSyain_::TRITSU},
        {"NENKYU", ColType::Int, false, &TSyain_::NENKYU},
        {"SYOKUKYU", ColType::Int, false, &TSyain_::SYOKUKYU},
        {"KIHONKYU", ColType::Int, false, &TSyain_::KIHONKYU},
        {"SYOTEIKYU", ColType::Int, false, &TSyain_::SYOTEIKYU},
        {"SRITSU", ColType::Real, false, &TSyain_::SRITSU},
        {"SYOUYO", ColType::Int, false, &TSyain_::SYOUYO},
        {"NENSYU", ColType::Int, false, &TSyain_::NENSYU},
        {"MCO", ColType::Int, false, &TSyain_::MCO},
        {"MNA", ColType::Text, false, &TSyain_::MNA},
        {"MLINK", ColType::Int, false, &TSyain_::MLINK},
        {"BANDID", ColType::Int, false, &TSyain_::BANDID},
        {"YHYOUKA", ColType::Int, false, &TSyain_::YHYOUKA},
        {"MZONE", ColType::Int, false, &TSyain_::MZONE},
        {"NEWBANDID", ColType::Int, false, &TSyain_::NEWBANDID},
        {"NEWYHYOUKA", ColType::Int, false, &TSyain_::NEWYHYOUKA},
        {"NEWMZONE", ColType::Int, false, &TSyain_::NEWMZONE},
        {"NEWDAY1", ColType::Text, false, &TSyain_::NEWDAY1},
        {"SEIBETSU", ColType::Int, false, &TSyain_::SEIBETSU},
        {"TOUKYU", ColType::Int, false, &TSyain_::TOUKYU},
        {"GOUHOU", ColType::Int, false, &TSyain_::GOUHOU},
        {"SM1", ColType::Int, false, &TSyain_::SM1},
        {"SM2", ColType::Text, false, &TSyain_::SM2},
        {"GAKU", ColType::Text, false, &TSyain_::GAKU},
        {"SENKOU", ColType::Text, false, &TSyain_::SENKOU},
        {"KSIKAKU", ColType::Text, false, &TSyain_::KSIKAKU},
        {"KEIKEN", ColType::Text, false, &TSyain_::KEIKEN},
        {"THI", ColType::Int, false, &TSyain_::THI},
        {"ZONEX", ColType::Int, false, &TSyain_::ZONEX},
        {"TENSU", ColType::Int, false, &TSyain_::TENSU},
        {"HCO", ColType::Int, false, &TSyain_::HCO},
        {"UPK", ColType::Int, false, &TSyain_::UPK},
        {"UPT", ColType::Int, false, &TSyain_::UPT},
        {"KKYU1", ColType::Int, false, &TSyain_::KKYU1},
        {"KKYU2", ColType::Int, false, &TSyain_::KKYU2},
        {"KKYU3", ColType::Int, false, &TSyain_::KKYU3},
        {"TEATE1", ColType::Int, false, &TSyain_::TEATE1},
        {"TEATE2", ColType::Int, false, &TSyain_::TEATE2},
        {"TEATE3", ColType::Int, false, &TSyain_::TEATE3},
        {"TEATE4", ColType::Int, false, &TSyain_::TEATE4},
        {"TEATE5", ColType::Int, false, &TSyain_::TEATE5},
        {"NKKYU1", ColType::Int, false, &TSyain_::NKKYU1},
        {"NKKYU2", ColType::Int, false, &TSyain_::NKKYU2},
        {"NKKYU3", ColType::Int, false, &TSyain_::NKKYU3},
        {"NTEATE1", ColType::Int, false, &TSyain_::NTEATE1},
        {"NTEATE2", ColType::Int, false, &TSyain_::NTEATE2},
        {"NTEATE3", ColType::Int, false, &TSyain_::NTEATE3},
        {"NTEATE4", ColType::Int, false, &TSyain_::NTEATE4},
        {"NTEATE5", ColType::Int, false, &TSyain_::NTEATE5},
        {"NSRITSU", ColType::Real, false, &TSyain_::NSRITSU},
        {"SYOUYO2", ColType::Int, false, &TSyain_::SYOUYO2},
        {"NNENSYU", ColType::Int, false, &TSyain_::NNENSYU},
        {"NTOUKYU", ColType::Int, false, &TSyain_::NTOUKYU},
        {"SGOUHOU", ColType::Int, false, &TSyain_::SGOUHOU},
        {"NGOUHOU", ColType::Int, false, &TSyain_::NGOUHOU},
        {"FSKCHK", ColType::Int, false, &TSyain_::FSKCHK},
        {"HCO1", ColType::Int, false, &TSyain_::HCO1},
        {"HNA1", ColType::Text, false, &TSyain_::HNA1},
        {"HCO2", ColType::Int, false, &TSyain_::HCO2},
        {"HNA2", ColType::Text, false, &TSyain_::HNA2},
        {"HCO3", ColType::Int, false, &TSyain_::HCO3},
        {"HNA3", ColType::Text, false, &TSyain_::HNA3},
        {"SYOTEI", ColType::Int, false, &TSyain_::SYOTEI},
        {"NSYOTEI", ColType::Int, false, &TSyain_::NSYOTEI},
        {"SPATH", ColType::Text, false, &TSyain_::SPATH},
        {"FITNO", ColType::Int, false, &TSyain_::FITNO},
        {"FITNAME", ColType::Text, false, &TSyain_::FITNAME},
        {"FITKIN", ColType::Int, false, &TSyain_::FITKIN},
        {"FITJITSU", ColType::Int, false, &TSyain_::FITJITSU},
        {"SAVENO", ColType::Int, false, &TSyain_::SAVENO},
        {"SAVEKIN", ColType::Int, false, &TSyain_::SAVEKIN},
        {"UPKIN1", ColType::Int, false, &TSyain_::UPKIN1},
        {"UPKIN2", ColType::Int, false, &TSyain_::UPKIN2},
        {"UPKIN3", ColType::Int, false, &TSyain_::UPKIN3},
        {"HKIGOU", ColType::Text, false, &TSyain_::HKIGOU, 1, ReadRule::Plain},
        {"MATRIXID", ColType::Int, false, &TSyain_::MATRIXID, 1, ReadRule::Plain},
        {"KIN", ColType::Int, false, &TSyain_::KIN, 1, ReadRule::Plain},
        {"NKIN", ColType::Int, false, &TSyain_::NKIN, 1, ReadRule::Plain},
        {"HYOUKA", ColType::Text, false, &TSyain_::HYOUKA, 1, ReadRule::Plain},
        {"SGOUSU", ColType::Int, false, &TSyain_::SGOUSU, 1, ReadRule::Plain},
        {"BANDNAME", ColType::Text, false, &TSyain_::BANDNAME, 1, ReadRule::Plain},
    });
    return t;
}
const TableDef<TMark_>& TMark_::defaultsTable()
{
    static const TableDef<TMark_> t = table().renamed(QStringLiteral("MMMARK"));
    return t;
}

const TableDef<TGraph_>& TGraph_::defaultsTable()
{
    static const TableDef<TGraph_> t = table().renamed(QStringLiteral("MMGRAPH"));
    return t;
}

unsigned TBAND_::viewGroups(const QString& select)
{
    const QString s = select + QLatin1Char(' ');
    if (s.contains(QStringLiteral("VBANDM2 "), Qt::CaseInsensitive))
        return 1u << 1;
    if (s.contains(QStringLiteral("VBANDM "), Qt::CaseInsensitive))
        return (1u << 1) | (1u << 2);
    return 0;
}

unsigned TMATCELL_::viewGroups(const QString& select)
{
    return select.contains(QStringLiteral("VMATRIXCELL"), Qt::CaseInsensitive) ? 1u << 1 : 0;
}

unsigned TSyain_::viewGroups(const QString& select)
{
    return select.contains(QStringLiteral("VSYAIN"), Qt::CaseInsensitive) ? 1u << 1 : 0;
}

void TSyain_::afterRead(TSyain_& r, unsigned groups, int reference)
{
    if (groups & (1u << 1)) {
        r.BaseTotal = r.KKYU1 + r.KKYU2 + r.KKYU3;
        r.ScheduledPay = r.BaseTotal + r.TEATE1 + r.TEATE2 + r.TEATE3 + r.TEATE4 + r.TEATE5;
        r.AnnualIncome = r.ScheduledPay * 12 + r.SYOUYO + r.SYOUYO2;
        r.BaseTotalAfter = r.NKKYU1 + r.NKKYU2 + r.NKKYU3;
        r.ScheduledPayAfter = r.BaseTotalAfter + r.NTEATE1 + r.NTEATE2 + r.NTEATE3 + r.NTEATE4 + r.NTEATE5;
    }
    r.NENREI = r.SEIHI ? yearsBetween(int(r.SEIHI), reference) : 0;
    r.KINZOKU = r.NYUHI ? yearsBetween(int(r.NYUHI), reference) : 0;
}

} // namespace data
