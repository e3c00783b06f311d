#include "data/SampleCompanies.h"

#include "data/Common.h"
#include "data/SampleSettings.h"

#include <QDate>
#include <QSet>
#include <algorithm>
#include <array>
#include <map>
#include <random>

namespace data::sample {

namespace {

constexpr int kFirstYear = 2019;
constexpr int kLastYear = 2020;
constexpr int kGradeCount = 9;
constexpr int kStepCount = 60;
constexpr int kWageTable = 1;      // CGCO of the sample wage table; MSYAIN1.SKCO of the linked employees
constexpr int kCostOfLiving = 1;   // SKCO of the sample cost-of-living table
constexpr int kLinkedItem = 2;     // base-pay item II (職能給) comes from the wage table

int ymd(int y, int m, int d) { return y * 10000 + m * 100 + d; }
int april1(int y) { return ymd(y, 4, 1); }
QString num(qint64 v) { return QString::number(v); }
QString text(const char* s) { return QString::fromUtf8(s); }
// a / b rounded to the nearest whole number, and rounded up; a >= 0, b > 0. Integers only, so that
// every platform computes the same amounts.
qint64 roundDiv(qint64 a, qint64 b) { return (a + b / 2) / b; }
qint64 ceilDiv(qint64 a, qint64 b) { return (a + b - 1) / b; }

// std::mt19937's sequence is fixed by the standard; the mappings onto ranges are our own because the
// standard distributions differ between libraries.
class Rng {
public:
    explicit Rng(quint32 seed) : g_(seed) {}
    quint32 next() { return quint32(g_()); }
    int range(int lo, int hi) { return lo + int(next() % quint32(hi - lo + 1)); }
    bool chance(int percent) { return range(0, 99) < percent; }
    template <size_t N>
    int weighted(const std::array<int, N>& w)
    {
        int total = 0;
        for (int x : w)
            total += x;
        int r = range(0, total - 1);
        for (size_t i = 0; i < N; ++i) {
            if (r < w[i])
                return int(i);
            r -= w[i];
        }
        return int(N) - 1;
    }
    template <class T, size_t N>
    const T& pick(const T (&a)[N]) { return a[next() % N]; }

private:
    std::mt19937 g_;
};

// ---- The wage table (職能給表): amounts per grade and pay step -------------------------------------

// Each grade starts a little above the ninth to seventeenth step of the grade below, where the usual
// promotion lands, so that a promotion adds no more than a step or two to the raise.
const qint64 kStepStart[kGradeCount] = {50000, 55000, 63500, 73500, 84500, 100500, 118500, 138000, 159000};
const qint64 kStepPitch[kGradeCount] = {600, 700, 800, 900, 1000, 1100, 1200, 1300, 1400};

qint64 tableAmount(int grade, int step) { return kStepStart[grade - 1] + (step - 1) * kStepPitch[grade - 1]; }

// On promotion the employee moves to the first step of the new grade that pays at least as much.
int stepAtLeast(int grade, qint64 amount)
{
    for (int s = 1; s <= kStepCount; ++s)
        if (tableAmount(grade, s) >= amount)
            return s;
    return kStepCount;
}

// ---- Evaluations: codes 1..5 = S, A, B, C, D -------------------------------------------------------

const char* const kEvalSymbols[5] = {"S", "A", "B", "C", "D"};
const int kEvalSteps[5] = {6, 5, 4, 3, 2};              // pay steps granted
const int kEvalRaise[5] = {280, 240, 200, 150, 100};    // target raise in basis points
const int kEvalBonus[5] = {120, 110, 100, 90, 80};      // bonus factor in percent
const int kEvalAchievement[5] = {120, 110, 100, 90, 80};   // job achievement rate
// Evaluation odds for a weak, an average and a strong performer.
const std::array<int, 5> kEvalOdds[3] = {{2, 8, 40, 35, 15}, {5, 20, 50, 20, 5}, {15, 35, 40, 8, 2}};

// ---- People ----------------------------------------------------------------------------------------

const char* const kFamilyNames[] = {
    "佐藤", "鈴木", "高橋", "田中", "伊藤", "渡辺", "山本", "中村", "小林", "加藤", "吉田", "山田",
    "佐々木", "山口", "松本", "井上", "木村", "林", "斎藤", "清水", "山崎", "森", "池田", "橋本",
    "阿部", "石川", "山下", "中島", "石井", "小川", "前田", "岡田", "長谷川", "藤田", "後藤", "近藤",
    "村上", "遠藤", "青木", "坂本", "福田", "太田", "西村", "藤井", "金子", "岡本", "藤原", "中野",
    "三浦", "原田", "中川", "松田", "竹内", "小野", "田村", "中山", "和田", "石田", "森田", "上田",
    "原", "内田", "柴田", "酒井", "宮崎", "横山", "高木", "安藤", "宮本", "大野",
};
// Given names in two generations, so that names fit the age.
const char* const kMaleOlder[] = {
    "茂", "勝", "明", "徹", "聡", "淳", "学", "豊", "弘", "博之", "哲也", "秀樹", "智之", "康弘",
    "一郎", "正人", "和彦", "宏", "昌弘", "英樹", "隆", "修", "剛", "浩二", "健二", "誠", "健一",
    "悟", "信也", "義明", "幸男", "正樹", "俊彦", "隆之", "光男",
};
const char* const kMaleYounger[] = {
    "大輔", "拓也", "翔太", "直樹", "和也", "達也", "亮", "健太", "雄一", "俊介", "裕介", "大樹",
    "翔", "蓮", "悠斗", "拓海", "陽介", "慎一", "洋平", "卓也", "優太", "翼", "大地", "健", "駿",
    "海斗", "涼", "颯太", "隼人", "将太", "光", "誠也", "雄太", "拓真", "圭",
};
const char* const kFemaleOlder[] = {
    "恵子", "陽子", "裕子", "真由美", "久美子", "智子", "由美子", "直美", "明美", "幸子", "京子",
    "典子", "和子", "洋子", "純子", "紀子", "美紀", "里美", "亜希子", "友美", "理恵", "弘美", "順子",
    "美穂", "香織", "さゆり", "由紀", "恵美", "優子", "真理子",
};
const char* const kFemaleYounger[] = {
    "愛", "彩", "美咲", "さくら", "陽菜", "結衣", "舞", "麻衣", "沙織", "由香", "千尋", "瞳", "奈々",
    "綾", "葵", "美月", "千秋", "遥", "佳奈", "絵美", "玲奈", "加奈子", "志保", "静香", "菜摘",
    "未来", "彩花", "萌", "楓", "真央",
};

struct Education {
    const char* text;
    const char* otherText;      // a second wording of the same level, or null
    int entryAge;               // age at the first April 1 of working life
    int grade, step;            // starting grade and pay step
    qint64 basePay;             // starting base pay (item I)
    std::array<int, kGradeCount> capOdds;   // odds of the highest grade reached
};
// Starting pay: high school 167,000, junior college 176,800, university 209,800, graduate school
// 230,400 yen a month.
const Education kEducation[4] = {
    {"高等学校卒", nullptr, 18, 1, 1, 117000, {0, 0, 10, 30, 30, 17, 10, 3, 0}},
    {"短期大学卒", "専門学校卒", 20, 1, 9, 122000, {0, 0, 15, 35, 30, 15, 5, 0, 0}},
    {"大学卒", nullptr, 22, 2, 5, 152000, {0, 0, 0, 5, 15, 25, 25, 18, 12}},
    {"大学院修了", nullptr, 24, 2, 13, 167000, {0, 0, 0, 0, 5, 20, 30, 25, 20}},
};
const char* const kMajors[4][10] = {
    {"普通科", "工業科", "商業科", "情報科", "普通科", "工業科", "普通科", "商業科", "工業科", "普通科"},
    {"経営情報学科", "情報処理科", "機械設計科", "ビジネス科", "英語科", "経営情報学科", "情報処理科",
     "ビジネス科", "機械設計科", "英語科"},
    {"経済学部", "経営学部", "法学部", "商学部", "文学部", "工学部機械工学科", "工学部電気電子工学科",
     "理工学部", "情報学部", "外国語学部"},
    {"工学研究科", "理工学研究科", "経済学研究科", "工学研究科", "情報学研究科", "工学研究科",
     "理工学研究科", "経営学研究科", "工学研究科", "情報学研究科"},
};
// Years in a grade before promotion to the next one (grades 1..8).
const int kYearsPerGrade[kGradeCount - 1] = {2, 3, 3, 3, 4, 4, 4, 5};

const char* const kAssignments[kDepartmentCount][4] = {
    {"法人営業", "ルート営業", "営業企画", "海外営業"},
    {"組立ライン", "機械加工", "生産管理", "設備保全"},
    {"総務", "法務", "庶務", "総務"},
    {"経理", "財務", "原価計算", "経理"},
    {"製品設計", "生産技術", "研究開発", "製品設計"},
    {"経営企画", "広報", "マーケティング", "経営企画"},
    {"人事", "採用・教育", "労務", "人事"},
    {"倉庫管理", "配送", "購買", "倉庫管理"},
    {"品質保証", "検査", "ISO推進", "品質保証"},
};

struct Qualification {
    const char* name;
    qint64 allowance;   // 資格手当 where the company pays one
    int minimumAge;     // nobody younger holds it
};

// ---- The two companies -----------------------------------------------------------------------------

enum Kind { Regular, Contract, Part, Retiree };   // Retiree: regular until 60, then re-employed

struct WorkFormDef {
    const char* name;
    const char* wageForm;
    const char* kihon[3];
    const char* teate[5];
};

struct CompanyProfile {
    int kco;
    const char* name;
    const char* reki;                   // "0" Western years, "1" Japanese eras
    const char* minimumWage[2];         // 2019, 2020
    int modelSet;                       // MDEL.MDCO
    const char* gradeNames[kGradeCount];
    bool titlesAreGrades;               // grades 4..9 are named after the position
    int headcount2019;
    std::array<int, 4> educationOdds;
    std::array<int, kDepartmentCount> departmentOdds;
    std::array<int, kDepartmentCount> partTimeDepartmentOdds;
    int malePercent;
    std::array<int, 4> kindOdds;        // Regular, Contract, Part, Retiree
    int retireeForm;                    // work form of the re-employed after 60
    int summerMonths10, winterMonths10; // bonus months of base pay, in tenths
    qint64 housingSingle, housingFamily;
    bool adjustmentPay;                 // mid-career hires get an adjustment (item III)
    bool qualificationAllowance;        // allowance V: 資格手当 (else 精勤手当)
    std::vector<Qualification> qualifications;
    int partHourlyFrom, partHourlyTo;
    int newGraduates2020, midCareerHires2020, voluntaryLeavers2020;
    quint32 seed;
    std::vector<WorkFormDef> workForms;
    int photos;
};

const std::vector<CompanyProfile>& profiles()
{
    static const std::vector<CompanyProfile> p = {
        {1, "サンプル製造株式会社", "0", {"936", "964"}, 2,
         {"１等級", "２等級", "３等級", "４等級", "５等級", "６等級", "７等級", "８等級", "９等級"}, false,
         122, {45, 10, 40, 5}, {14, 38, 6, 5, 16, 3, 3, 8, 7}, {0, 60, 5, 5, 0, 0, 0, 30, 0}, 78,
         {80, 7, 8, 5}, 4, 20, 22, 10000, 20000, false, false,
         {{"第二種電気工事士", 0, 19}, {"危険物取扱者乙種第４類", 0, 18}, {"フォークリフト運転技能講習", 0, 18},
          {"日商簿記検定２級", 0, 19}, {"衛生管理者（第一種）", 0, 25}, {"機械保全技能士２級", 0, 22},
          {"技術士（機械部門）", 0, 32}, {"ＱＣ検定２級", 0, 20}},
         1000, 1150, 5, 2, 3, 0x6B2FD1E8u,
         {{"正社員", "月給制", {"基本給", "職能給", ""}, {"役職手当", "家族手当", "住宅手当", "通勤手当", "精勤手当"}},
          {"契約社員", "月給制", {"基本給", "", ""}, {"役職手当", "家族手当", "住宅手当", "通勤手当", "精勤手当"}},
          {"パートタイマー", "時給制", {"基本給", "", ""}, {"", "", "", "通勤手当", ""}},
          {"嘱託", "月給制", {"基本給", "", ""}, {"", "", "", "通勤手当", ""}}},
         5},
        {2, "サンプル商事株式会社", "1", {"985", "1013"}, 1,
         {"一般１級", "一般２級", "一般３級", "主任", "係長", "課長代理", "課長", "次長", "部長"}, true,
         94, {20, 15, 60, 5}, {40, 0, 8, 8, 5, 8, 5, 20, 3}, {30, 0, 10, 10, 0, 0, 0, 50, 0}, 62,
         {78, 8, 10, 4}, 2, 23, 25, 15000, 25000, true, true,
         {{"日商簿記検定２級", 5000, 19}, {"宅地建物取引士", 10000, 22}, {"ＴＯＥＩＣ７３０点", 5000, 20},
          {"基本情報技術者", 5000, 20}, {"中小企業診断士", 10000, 30}, {"販売士２級", 5000, 20},
          {"通関士", 10000, 24}, {"運行管理者", 5000, 23}},
         1050, 1250, 4, 2, 2, 0x1D6E52C3u,
         {{"正社員", "月給制", {"基本給", "職能給", "調整給"}, {"役職手当", "家族手当", "住宅手当", "通勤手当", "資格手当"}},
          {"契約社員", "月給制", {"基本給", "", ""}, {"", "", "", "通勤手当", ""}},
          {"パートタイマー", "時給制", {"基本給", "", ""}, {"", "", "", "通勤手当", ""}}},
         5},
    };
    return p;
}

// Age odds of the regular staff, ages 18..59: few school leavers, the large cohorts in their
// forties, thinning towards retirement at 60.
int regularAgeOdds(int age)
{
    if (age <= 19)
        return 2;
    if (age <= 39)
        return 3;
    if (age <= 49)
        return 4;
    if (age <= 54)
        return 3;
    return age <= 58 ? 2 : 1;
}

// ---- Careers ---------------------------------------------------------------------------------------

// Pay of one person at one moment.
struct PayState {
    int form = 1;               // SALARYNAME.SALARYID
    int grade = 0;
    int step = 0;
    qint64 pay[3] = {0, 0, 0};  // base-pay items I..III
    int gradeSince = 0;         // date the grade was reached
    qint64 base() const { return pay[0] + pay[1] + pay[2]; }
};

// One fiscal year as the register shows it on April 1: pay before and after the year's raise.
struct YearRecord {
    bool raised = false;        // the raise of the year was given while employed here
    PayState before, after;
    qint64 allowances[5] = {0, 0, 0, 0, 0};
    qint64 newAllowances[5] = {0, 0, 0, 0, 0};
    int evaluation = 0;         // 0 = none
    int achievement = 100;
    int addedSteps = 0;
    bool promoted = false;
    qint64 bonus1 = 0, bonus2 = 0;
    qint64 scheduledBefore() const
    {
        return before.base() + allowances[0] + allowances[1] + allowances[2] + allowances[3] + allowances[4];
    }
    qint64 scheduledAfter() const
    {
        return after.base() + newAllowances[0] + newAllowances[1] + newAllowances[2] + newAllowances[3]
            + newAllowances[4];
    }
};

struct Person {
    Kind kind = Regular;
    int sex = 0;
    QString name;
    int birth = 0;
    int education = 0;
    QString educationText, major;
    int entryYear = 0;          // first April 1 of working life (at the education's entry age)
    int hire = 0;
    bool midCareer = false;
    int department = 1;
    int capGrade = 1;
    int delay = 0;              // extra years before each promotion
    int performance = 1;        // 0 weak, 1 average, 2 strong
    int titleRoll = 0;          // 0..99: who of a grade holds a title
    int marriageAge = 0;        // 0 = single
    int children = 0;
    bool familyHead = true;     // receives the family allowance when married
    bool renter = false;
    qint64 commute = 0;
    int qualification = -1;
    QString assignment;
    qint64 adjustment = 0;      // item III of mid-career hires
    int pointsOffset = 0;
    int priorYears = 0;
    int hourly = 0, hours = 0;
    int leaveYear = 0;          // first fiscal year no longer on the register, 0 = stays
    QString registered;         // NEWDAY1
    bool photo = false;
    int sco = 0;
    QString scot;
    std::map<int, YearRecord> years;

    int ageAt(int date) const { return yearsBetween(birth, date); }
    bool onRegister(int year) const
    {
        return hire <= april1(year) && (leaveYear == 0 || year < leaveYear);
    }
};

class CompanyGenerator {
public:
    explicit CompanyGenerator(const CompanyProfile& p) : p_(p) {}

    std::vector<Person> people();

private:
    // A person aged `age` on April 1 of referenceYear; education (index) and hire date are chosen
    // unless given.
    Person newPerson(Rng& rng, Kind kind, int age, int referenceYear, int education = -1, int hire = 0);
    void chooseHire(Rng& rng, Person& x, int age, int referenceYear, bool fresh);
    QString uniqueName(Rng& rng, int sex, int birth);
    void simulate(Rng& rng, Person& x);
    void raise(Rng& rng, const Person& x, PayState& s, int year, YearRecord* rec);
    void allowances(const Person& x, const PayState& s, int year, qint64 out[5]) const;
    void bonuses(const Person& x, YearRecord& r, int year) const;

    const CompanyProfile& p_;
    QSet<QString> names_;
};

QString title(const CompanyProfile& p, const Person& x, int grade)
{
    if (p.titlesAreGrades)
        return grade >= 4 ? text(p.gradeNames[grade - 1]) : QString();
    switch (grade) {
    case 9: return QStringLiteral("部長");
    case 8: return QStringLiteral("次長");
    case 7: return QStringLiteral("課長");
    case 6: return x.titleRoll < 60 ? QStringLiteral("係長") : QString();
    case 5:
        if (x.titleRoll >= 45)
            return QString();
        return x.department == 2 ? QStringLiteral("班長") : QStringLiteral("主任");   // 班長 on the shop floor
    default: return QString();
    }
}

qint64 titleAllowance(const QString& t)
{
    static const std::map<QString, qint64> amounts = {
        {QStringLiteral("部長"), 80000},   {QStringLiteral("次長"), 60000}, {QStringLiteral("課長"), 45000},
        {QStringLiteral("課長代理"), 25000}, {QStringLiteral("係長"), 15000}, {QStringLiteral("主任"), 8000},
        {QStringLiteral("班長"), 8000},
    };
    const auto it = amounts.find(t);
    return it == amounts.end() ? 0 : it->second;
}

QString CompanyGenerator::uniqueName(Rng& rng, int sex, int birth)
{
    const bool older = birth < ymd(1975, 1, 1);
    for (;;) {
        QString given = sex == 0 ? text(older ? rng.pick(kMaleOlder) : rng.pick(kMaleYounger))
                                 : text(older ? rng.pick(kFemaleOlder) : rng.pick(kFemaleYounger));
        const QString name = text(rng.pick(kFamilyNames)) + QStringLiteral("　") + given;
        if (!names_.contains(name)) {
            names_.insert(name);
            return name;
        }
    }
}

// Hire date: straight from school on the first April 1 of working life, or mid-career on the first
// day of some month, at least one year later and never after the reference year's April 1.
void CompanyGenerator::chooseHire(Rng& rng, Person& x, int age, int referenceYear, bool fresh)
{
    const int entryAge = kEducation[x.education].entryAge;
    const int cohort = referenceYear - age;   // the age at April 1 of cohort + n is n
    if (fresh || age <= entryAge) {
        x.hire = april1(x.entryYear);
        return;
    }
    x.midCareer = true;
    // Part-timers joined within the last dozen years; the others by their late forties.
    const int highest = x.kind == Part ? age : std::min(age, entryAge + 25);
    const int lowest = std::min(highest, x.kind == Part ? std::max(entryAge + 1, age - 12) : entryAge + 1);
    const int hireAge = rng.range(lowest, highest);
    const int month = rng.range(1, 12);
    x.hire = ymd(cohort + hireAge + (month < 4 ? 1 : 0), month, 1);
    x.hire = std::min(x.hire, april1(referenceYear));
}

Person CompanyGenerator::newPerson(Rng& rng, Kind kind, int age, int referenceYear, int education, int hire)
{
    Person x;
    x.kind = kind;
    x.sex = rng.chance(kind == Part ? 20 : p_.malePercent) ? 0 : 1;
    x.education = education >= 0 ? education : rng.weighted(p_.educationOdds);
    while (kEducation[x.education].entryAge > age)
        --x.education;
    const Education& e = kEducation[x.education];
    x.educationText = text(e.otherText && rng.chance(50) ? e.otherText : e.text);
    x.major = text(rng.pick(kMajors[x.education]));

    // Born in the school year that makes the age at April 1 of the reference year exactly `age`.
    const int cohort = referenceYear - age;
    const QDate from(cohort - 1, 4, 2);
    const QDate born = from.addDays(rng.range(0, int(from.daysTo(QDate(cohort, 4, 1)))));
    x.birth = ymd(born.year(), born.month(), born.day());
    x.entryYear = cohort + e.entryAge;
    x.name = uniqueName(rng, x.sex, x.birth);

    x.department = 1 + rng.weighted(kind == Part ? p_.partTimeDepartmentOdds : p_.departmentOdds);
    x.assignment = text(rng.pick(kAssignments[x.department - 1]));
    x.capGrade = 1 + rng.weighted(e.capOdds);
    x.delay = rng.range(0, 1);
    x.performance = rng.weighted(std::array<int, 3>{20, 60, 20});
    x.titleRoll = rng.range(0, 99);
    if (rng.chance(x.sex == 0 ? 72 : 65)) {
        x.marriageAge = x.sex == 0 ? rng.range(25, 35) : rng.range(24, 33);
        x.children = rng.weighted(std::array<int, 4>{20, 30, 40, 10});
    }
    x.familyHead = x.sex == 0 || rng.chance(15);
    x.renter = rng.chance(45);
    x.commute = (kind == Part ? rng.range(10, 100) : rng.range(20, 250)) * 100;
    if (rng.chance(35)) {
        const int q = rng.range(0, int(p_.qualifications.size()) - 1);
        if (age >= p_.qualifications[size_t(q)].minimumAge)
            x.qualification = q;
    }
    x.pointsOffset = rng.range(-15, 15);
    x.priorYears = rng.range(0, 10);
    x.hourly = rng.range(p_.partHourlyFrom / 10, p_.partHourlyTo / 10) * 10;
    x.hours = rng.range(20, 35) * 4;

    if (hire != 0) {
        x.hire = hire;
        x.midCareer = hire != april1(x.entryYear);
    } else {
        chooseHire(rng, x, age, referenceYear, (kind == Regular || kind == Retiree) && rng.chance(70));
    }
    if (p_.adjustmentPay && x.midCareer && kind == Regular)
        x.adjustment = rng.range(0, 20) * 1000;
    // Registered when the sample data begins, or on the day of joining.
    const int day = std::max(x.hire, april1(kFirstYear));
    x.registered = QStringLiteral("%1/%2/%3 9:00:00")
                       .arg(day / 10000)
                       .arg(day / 100 % 100, 2, 10, QLatin1Char('0'))
                       .arg(day % 100, 2, 10, QLatin1Char('0'));
    simulate(rng, x);
    return x;
}

// Family allowance, housing, commuting and the fifth allowance as of April 1 of the year.
void CompanyGenerator::allowances(const Person& x, const PayState& s, int year, qint64 out[5]) const
{
    std::fill(out, out + 5, 0);
    const bool regular = s.form == 1;
    const int age = x.ageAt(april1(year));
    const bool married = x.marriageAge > 0 && age >= x.marriageAge;
    if (regular) {
        out[0] = titleAllowance(title(p_, x, s.grade));
        if (married && x.familyHead) {
            int dependents = 0;
            for (int i = 0; i < x.children; ++i) {
                const int childAge = age - (x.marriageAge + 1 + 2 * i);
                if (childAge >= 0 && childAge < 22)
                    ++dependents;
            }
            out[1] = 10000 + 5000 * dependents;
        }
        if (x.renter)
            out[2] = married ? p_.housingFamily : p_.housingSingle;
    }
    out[3] = x.commute;
    if (p_.qualificationAllowance) {
        if (regular && x.qualification >= 0)
            out[4] = p_.qualifications[size_t(x.qualification)].allowance;
    } else if ((regular || s.form == 2) && (x.department == 2 || x.department == 8) && s.grade <= 6) {
        out[4] = 5000;   // 精勤手当 of the shop floor and the warehouse
    }
}

// The raise of the year: regulars move up the wage table by the steps of their evaluation (and to the
// next grade when due), and item I makes up the difference to the target raise of the evaluation;
// everybody else gets the target raise on item I.
void CompanyGenerator::raise(Rng& rng, const Person& x, PayState& s, int year, YearRecord* rec)
{
    const int eval = 1 + rng.weighted(kEvalOdds[x.performance]);
    const int age = x.ageAt(april1(year));
    const qint64 base = s.base();
    if (s.form == 1) {
        const int factor = age >= 55 ? 2 : age >= 50 ? 3 : 4;   // quarters: raises flatten after 50
        // Raises were larger in earlier decades; the careers of the older staff show it.
        const int era = year < 1998 ? 150 : year < 2008 ? 50 : 0;
        const qint64 rate = std::max<qint64>(100, kEvalRaise[eval - 1] * factor / 4) + era;
        const qint64 target = ceilDiv(base * rate, 1000000) * 100;
        const qint64 oldTable = s.pay[1];
        s.step = std::min(kStepCount, s.step + kEvalSteps[eval - 1]);
        const int yearsInGrade = yearsBetween(s.gradeSince, april1(year));
        // Promotion needs the years in the grade, a good evaluation, and a pay step that has grown to
        // within one step of the next grade's first one.
        const bool promote = s.grade < x.capGrade
            && yearsInGrade >= std::max(2, kYearsPerGrade[s.grade - 1] + x.delay - (x.performance == 2 ? 1 : 0))
            && eval <= 3 && tableAmount(s.grade, s.step) + kStepPitch[s.grade] >= kStepStart[s.grade];
        if (promote) {
            const qint64 amount = tableAmount(s.grade, s.step);
            ++s.grade;
            s.step = stepAtLeast(s.grade, amount);
            s.gradeSince = april1(year);
        }
        s.pay[1] = tableAmount(s.grade, s.step);
        s.pay[0] += std::max<qint64>(0, target - (s.pay[1] - oldTable));
        if (rec) {
            rec->addedSteps = kEvalSteps[eval - 1];
            rec->promoted = promote;
        }
    } else {
        const qint64 rate = s.form == p_.retireeForm && x.kind == Retiree
            ? 100
            : std::max<qint64>(100, kEvalRaise[eval - 1] * 3 / 4);
        s.pay[0] += ceilDiv(s.pay[0] * rate, 1000000) * 100;
    }
    if (rec) {
        rec->evaluation = eval;
        rec->achievement = kEvalAchievement[eval - 1] + rng.range(-4, 4);
    }
}

void CompanyGenerator::bonuses(const Person& x, YearRecord& r, int year) const
{
    const qint64 base = r.after.base();
    const int form = r.after.form;
    if (form == 1) {
        const qint64 factor = r.evaluation ? kEvalBonus[r.evaluation - 1] : 100;
        // Less than half a year of service by summer: the first summer bonus is a token amount.
        const bool newcomer = x.hire > ymd(year - 1, 10, 1);
        r.bonus1 = newcomer ? roundDiv(base * 5, 10 * 1000) * 1000
                            : roundDiv(base * p_.summerMonths10 * factor, 10 * 100 * 1000) * 1000;
        r.bonus2 = roundDiv(base * p_.winterMonths10 * factor, 10 * 100 * 1000) * 1000;
    } else if (form == 3) {
        r.bonus1 = x.hire < april1(year) ? 30000 : 0;
        r.bonus2 = 50000;
    } else {
        r.bonus1 = roundDiv(base, 1000) * 1000;
        r.bonus2 = roundDiv(base, 1000) * 1000;
    }
}

// Follows the person from the first year of working life (regulars, whose grade and pay follow from
// their whole career, earlier employers included) or from the hire (contract and part-time staff) to
// the last sample year.
void CompanyGenerator::simulate(Rng& rng, Person& x)
{
    PayState s;
    int start = 0;
    if (x.kind == Regular || x.kind == Retiree) {
        const Education& e = kEducation[x.education];
        s.form = 1;
        s.grade = e.grade;
        s.step = e.step;
        s.pay[0] = e.basePay;
        s.pay[1] = tableAmount(s.grade, s.step);
        s.gradeSince = april1(x.entryYear);
        start = x.entryYear;
    } else {
        const int hireAge = x.ageAt(x.hire);
        s.form = x.kind == Part ? 3 : 2;
        s.pay[0] = x.kind == Part ? roundDiv(qint64(x.hourly) * x.hours, 100) * 100
                                  : (175 + 5 * std::min(std::max(hireAge - 20, 0), 20) / 2) * 1000;
        start = x.hire / 10000 - (x.hire % 10000 < 401 ? 1 : 0);
    }
    for (int year = start; year <= kLastYear; ++year) {
        YearRecord r;
        const int age = x.ageAt(april1(year));
        bool renewed = false;
        if (x.kind == Retiree && s.form == 1 && age >= 60) {
            // Retired at the end of the year of the 60th birthday and re-employed on a new contract.
            const qint64 base = s.base();
            s = PayState{};
            s.form = p_.retireeForm;
            s.pay[0] = roundDiv(base * 62, 100 * 1000) * 1000;
            renewed = true;
        }
        if (s.form == 1 && x.adjustment != 0 && x.hire < april1(year + 1))
            s.pay[2] = x.adjustment;   // fixed from the hire on
        const bool employed = x.hire < april1(year);
        if (year == start || renewed || !employed) {
            if (year > start && !renewed)
                raise(rng, x, s, year, nullptr);   // with the earlier employer
            r.before = r.after = s;
            allowances(x, s, year, r.allowances);
            std::copy(r.allowances, r.allowances + 5, r.newAllowances);
        } else {
            r.before = s;
            raise(rng, x, s, year, &r);
            r.after = s;
            r.raised = true;
            allowances(x, r.before, year - 1, r.allowances);
            allowances(x, r.after, year, r.newAllowances);
        }
        bonuses(x, r, year);
        x.years[year] = r;
    }
}

std::vector<Person> CompanyGenerator::people()
{
    Rng rng(p_.seed);
    std::vector<Person> staff;

    std::array<int, 42> ageOdds{};
    for (int a = 18; a <= 59; ++a)
        ageOdds[size_t(a - 18)] = regularAgeOdds(a);
    for (int i = 0; i < p_.headcount2019; ++i) {
        const Kind kind = Kind(rng.weighted(p_.kindOdds));
        int age = 0;
        switch (kind) {
        case Regular: age = 18 + rng.weighted(ageOdds); break;
        case Contract: age = rng.range(22, 58); break;
        case Part: age = rng.range(20, 62); break;
        case Retiree: age = rng.range(60, 65); break;
        }
        staff.push_back(newPerson(rng, kind, age, kFirstYear));
    }

    // Leaving before April 2020: retirement at 60, the end of re-employment at 65, and a few who
    // resign.
    std::vector<size_t> candidates;
    for (size_t i = 0; i < staff.size(); ++i) {
        Person& x = staff[i];
        const int age = x.ageAt(april1(kFirstYear));
        if ((x.kind == Regular && age >= 59) || (x.kind == Retiree && age >= 65))
            x.leaveYear = kLastYear;
        else if ((x.kind == Regular && age >= 22 && age <= 35) || x.kind == Part)
            candidates.push_back(i);
    }
    for (int n = 0; n < p_.voluntaryLeavers2020 && !candidates.empty(); ++n) {
        const size_t k = rng.next() % candidates.size();
        staff[candidates[k]].leaveYear = kLastYear;
        candidates.erase(candidates.begin() + std::ptrdiff_t(k));
    }

    // Joining by April 2020: school leavers on April 1 and a few mid-career hires during the year.
    std::vector<Person> joined;
    for (int n = 0; n < p_.newGraduates2020; ++n) {
        const int education = rng.weighted(p_.educationOdds);
        joined.push_back(newPerson(rng, Regular, kEducation[education].entryAge, kLastYear, education,
                                   april1(kLastYear)));
    }
    for (int n = 0; n < p_.midCareerHires2020; ++n) {
        const int months[] = {6, 7, 9, 10, 12, 1};
        const int m = months[rng.next() % 6];
        joined.push_back(newPerson(rng, n % 2 == 0 ? Regular : Part, rng.range(26, 45), kLastYear, -1,
                                   ymd(m < 4 ? kLastYear : kFirstYear, m, 1)));
    }

    // Codes in order of seniority; the employee number is the hire year and a running number.
    auto bySeniority = [](const Person& a, const Person& b) {
        return a.hire != b.hire ? a.hire < b.hire : a.birth < b.birth;
    };
    std::stable_sort(staff.begin(), staff.end(), bySeniority);
    std::stable_sort(joined.begin(), joined.end(), bySeniority);
    std::map<int, int> perYear;
    int sco = 0;
    for (auto* group : {&staff, &joined}) {
        for (Person& x : *group) {
            x.sco = ++sco;
            const int y = x.hire / 10000;
            x.scot = QStringLiteral("%1%2").arg(y).arg(++perYear[y], 3, 10, QLatin1Char('0'));
        }
    }

    // A few photos, of regular staff who stay.
    std::vector<size_t> sitters;
    for (size_t i = 0; i < staff.size(); ++i)
        if (staff[i].kind == Regular && staff[i].leaveYear == 0)
            sitters.push_back(i);
    for (int n = 0; n < p_.photos && !sitters.empty(); ++n) {
        const size_t k = rng.next() % sitters.size();
        staff[sitters[k]].photo = true;
        sitters.erase(sitters.begin() + std::ptrdiff_t(k));
    }

    staff.insert(staff.end(), joined.begin(), joined.end());
    return staff;
}

// ---- Rows ------------------------------------------------------------------------------------------

TSyain_ employeeRow(const CompanyProfile& p, const Person& x, int year)
{
    const YearRecord& r = x.years.at(year);
    const int reference = april1(year);
    const bool regular = r.before.form == 1;
    TSyain_ e;
    e.KCO = num(p.kco);
    e.SCO = num(x.sco);
    e.NENDO = num(year);
    e.SCOT = x.scot;
    e.SNA = x.name;
    e.SEIHI = x.birth;
    e.NYUHI = x.hire;
    e.YAKU = regular ? title(p, x, r.before.grade) : QString();
    e.SKCO = regular ? kWageTable : 0;
    e.TCO = r.before.grade;
    e.NENREI = yearsBetween(x.birth, reference);
    e.KINZOKU = yearsBetween(x.hire, reference);
    if (x.kind == Regular || x.kind == Retiree)
        e.NENSU = std::min<qint64>(99, e.NENREI - kEducation[x.education].entryAge);
    else
        e.NENSU = std::min<qint64>(e.NENREI - 18, e.KINZOKU + x.priorYears);
    e.JISEKI = regular ? kLinkedItem : 0;
    e.TRITSU = r.achievement;
    e.SYOUYO = r.bonus1;
    e.MCO = x.department;
    e.NEWDAY1 = x.registered;

    e.SEIBETSU = x.sex;
    e.TOUKYU = r.before.grade;
    e.GOUHOU = r.before.step;
    e.SM1 = r.before.form;
    e.GAKU = x.educationText;
    e.SENKOU = x.major;
    if (x.qualification >= 0)
        e.KSIKAKU = text(p.qualifications[size_t(x.qualification)].name);
    e.KEIKEN = x.assignment;
    e.THI = regular ? std::max(r.before.gradeSince, x.hire) : 0;
    switch (r.before.form) {
    case 1: e.TENSU = 150 + 80 * r.before.grade + x.pointsOffset; break;
    case 3: e.TENSU = 110 + x.pointsOffset; break;
    default: e.TENSU = (x.kind == Retiree ? 250 : 160) + x.pointsOffset; break;
    }
    e.HCO = r.evaluation;

    qint64* pay[3] = {&e.KKYU1, &e.KKYU2, &e.KKYU3};
    qint64* newPay[3] = {&e.NKKYU1, &e.NKKYU2, &e.NKKYU3};
    qint64* allowance[5] = {&e.TEATE1, &e.TEATE2, &e.TEATE3, &e.TEATE4, &e.TEATE5};
    qint64* newAllowance[5] = {&e.NTEATE1, &e.NTEATE2, &e.NTEATE3, &e.NTEATE4, &e.NTEATE5};
    for (int i = 0; i < 3; ++i) {
        *pay[i] = r.before.pay[i];
        *newPay[i] = r.after.pay[i];
    }
    for (int i = 0; i < 5; ++i) {
        *allowance[i] = r.allowances[i];
        *newAllowance[i] = r.newAllowances[i];
    }
    const qint64 baseBefore = e.KKYU1 + e.KKYU2 + e.KKYU3;
    const qint64 baseAfter = e.NKKYU1 + e.NKKYU2 + e.NKKYU3;
    e.SYOTEI = baseBefore + e.TEATE1 + e.TEATE2 + e.TEATE3 + e.TEATE4 + e.TEATE5;
    e.NSYOTEI = baseAfter + e.NTEATE1 + e.NTEATE2 + e.NTEATE3 + e.NTEATE4 + e.NTEATE5;
    e.UPK = baseAfter - baseBefore;
    e.UPT = (e.NSYOTEI - baseAfter) - (e.SYOTEI - baseBefore);
    e.SYOUYO2 = r.bonus2;
    e.NENSYU = e.SYOTEI * 12 + e.SYOUYO + e.SYOUYO2;
    e.NNENSYU = e.NSYOTEI * 12 + e.SYOUYO + e.SYOUYO2;
    e.NTOUKYU = r.after.grade;
    e.SGOUHOU = regular && r.raised ? r.addedSteps : 0;
    e.NGOUHOU = r.after.step;
    e.FSKCHK = r.promoted ? 1 : 0;

    // History: the evaluations and raises of the three years before, while employed here.
    qint64* histCode[3] = {&e.HCO1, &e.HCO2, &e.HCO3};
    QString* histName[3] = {&e.HNA1, &e.HNA2, &e.HNA3};
    qint64* histRaise[3] = {&e.UPKIN1, &e.UPKIN2, &e.UPKIN3};
    for (int k = 1; k <= 3; ++k) {
        const auto it = x.years.find(year - k);
        if (it == x.years.end() || !it->second.raised)
            continue;
        *histCode[k - 1] = it->second.evaluation;
        *histName[k - 1] = text(kEvalSymbols[it->second.evaluation - 1]);
        *histRaise[k - 1] = it->second.scheduledAfter() - it->second.scheduledBefore();
    }
    if (x.photo)
        e.SPATH = samplePhotoName(p.kco, x.sco);
    return e;
}

void fillCompanyYear(const CompanyProfile& p, int year, const std::vector<Person>& staff, CompanyYear& c)
{
    const QString kco = num(p.kco);
    const QString nendo = num(year);
    const int index = year - kFirstYear;

    TKigyo1_& k1 = c.registry;
    k1.KCO = kco;
    k1.NENDO = nendo;
    k1.KNA = text(p.name);
    k1.SDATE = num(april1(year));
    k1.FNK = QStringLiteral("0");
    k1.KDATE = num(april1(year));
    k1.REKI = text(p.reki);
    k1.SYOTEIHH = QStringLiteral("8");
    k1.SYOTEIDD = QStringLiteral("20.5");
    k1.SYOTEIMM = QStringLiteral("164");
    k1.SAITEI = text(p.minimumWage[index]);

    TKigyo2_& k2 = c.settings;
    k2.KCO = kco;
    k2.NENDO = nendo;
    k2.KNA = text(p.name);
    k2.CYOUSAHI = k2.BEARITSU = k2.MCCO = k2.FRSTKYU = k2.SYOUKYUHI = k2.FRSTKYUM = k2.FRENCM = QStringLiteral("0");
    k2.MDCO = num(p.modelSet);
    QString* grades[kGradeCount] = {&k2.TK01, &k2.TK02, &k2.TK03, &k2.TK04, &k2.TK05,
                                    &k2.TK06, &k2.TK07, &k2.TK08, &k2.TK09};
    for (int g = 0; g < kGradeCount; ++g)
        *grades[g] = text(p.gradeNames[g]);
    k2.SKCO = num(kCostOfLiving);

    for (TMark_ m : defaultMarks()) {
        m.KCO = kco;
        m.NENDO = nendo;
        c.marks.push_back(m);
    }
    for (TGraph_ g : defaultPens()) {
        g.KCO = kco;
        g.NENDO = nendo;
        c.pens.push_back(g);
    }

    int formId = 0;
    for (const WorkFormDef& f : p.workForms) {
        TSALARY_ s;
        s.KCO = kco;
        s.NENDO = nendo;
        s.SALARYID = num(++formId);
        s.SALARYNAME = text(f.name);
        s.TEIGI = text(f.wageForm);
        s.KIHON1 = text(f.kihon[0]);
        s.KIHON2 = text(f.kihon[1]);
        s.KIHON3 = text(f.kihon[2]);
        s.TEATE1 = text(f.teate[0]);
        s.TEATE2 = text(f.teate[1]);
        s.TEATE3 = text(f.teate[2]);
        s.TEATE4 = text(f.teate[3]);
        s.TEATE5 = text(f.teate[4]);
        c.workForms.push_back(s);
    }

    for (int table : {0, kWageTable}) {
        for (int h = 1; h <= 5; ++h) {
            TMHYOUKA_ m;
            m.KCO = kco;
            m.NENDO = nendo;
            m.SKCO = num(table);
            m.HCO = num(h);
            m.HKIGOU = text(kEvalSymbols[h - 1]);
            m.SGOUSU = num(kEvalSteps[h - 1]);
            c.evaluations.push_back(m);
        }
    }
    for (int h = 1; h <= 5; ++h) {
        TYHYOUKA_ y;
        y.KCO = kco;
        y.NENDO = nendo;
        y.HCO = num(h);
        y.HKIGOU = text(kEvalSymbols[h - 1]);
        c.roleEvaluations.push_back(y);
    }

    TMCHNGIN_ t;
    t.KCO = kco;
    t.NENDO = nendo;
    t.CGCO = num(kWageTable);
    t.TKSU = kGradeCount;
    t.GOUSU = kStepCount;
    t.TITLE = QStringLiteral("職能給表");
    c.wageTables.push_back(t);
    for (int step = 1; step <= kStepCount; ++step) {
        TCHNGIN2_ w;
        w.KCO = kco;
        w.NENDO = nendo;
        w.SKCO = num(kWageTable);
        w.GOUHOU = num(step);
        QString* amounts[kGradeCount] = {&w.KIN1, &w.KIN2, &w.KIN3, &w.KIN4, &w.KIN5,
                                         &w.KIN6, &w.KIN7, &w.KIN8, &w.KIN9};
        QString* marks[kGradeCount] = {&w.KS1, &w.KS2, &w.KS3, &w.KS4, &w.KS5,
                                       &w.KS6, &w.KS7, &w.KS8, &w.KS9};
        for (int g = 1; g <= kGradeCount; ++g) {
            *amounts[g - 1] = num(tableAmount(g, step));
            *marks[g - 1] = QStringLiteral("0");
        }
        c.wageTableSteps.push_back(w);
    }
    for (int g = 1; g <= kGradeCount; ++g) {
        TSCALE_ s;
        s.KCO = kco;
        s.NENDO = nendo;
        s.SKCO = num(kWageTable);
        s.TKNO = num(g);
        s.TKNA = text(p.gradeNames[g - 1]);
        s.RITSU1 = s.KKIN = s.RITSU2 = s.SPKIN = s.RNKIN = QStringLiteral("0");
        c.stepScales.push_back(s);
    }

    for (const Person& x : staff)
        if (x.onRegister(year))
            c.employees.push_back(employeeRow(p, x, year));
}

// Standard cost of living by household (thousand yen a month), for the year's survey.
std::vector<TSEIKEI_> costOfLiving(int year)
{
    struct Household {
        int persons, age;
        qint64 cost2019, cost2020;
    };
    const Household rows[] = {
        {1, 18, 116, 117}, {1, 25, 124, 125}, {2, 30, 186, 188},
        {3, 35, 224, 226}, {4, 40, 258, 261}, {4, 45, 276, 279},
    };
    std::vector<TSEIKEI_> out;
    for (const Household& h : rows) {
        TSEIKEI_ s;
        s.KCO = QStringLiteral("1");
        s.NENDO = num(year);
        s.SKCO = num(kCostOfLiving);
        s.SNIN = h.persons;
        s.SNENREI = h.age;
        s.SEIKEIHI = year == kFirstYear ? h.cost2019 : h.cost2020;
        s.YURITSU = 1.2;
        s.STRITSU = 0.8;
        s.TNRITSU = 0.6;
        s.KKRITSU = 1.0;
        s.DEDOKORO = QStringLiteral("人事院「標準生計費」");
        s.TCHIIKI = QStringLiteral("全国");
        s.CJITEN = QStringLiteral("%1年4月").arg(year);
        s.NSUCHI = QStringLiteral("世帯人員別標準生計費（月額）");
        out.push_back(s);
    }
    return out;
}

} // namespace

QString samplePhotoName(int kco, int sco) { return QStringLiteral("emp_%1_%2.jpg").arg(kco).arg(sco); }

std::vector<SampleYear> sampleYears()
{
    std::vector<std::vector<Person>> staff;
    for (const CompanyProfile& p : profiles())
        staff.push_back(CompanyGenerator(p).people());

    std::vector<SampleYear> out;
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        SampleYear y;
        y.year = year;
        for (size_t i = 0; i < profiles().size(); ++i) {
            y.companies.emplace_back();
            fillCompanyYear(profiles()[i], year, staff[i], y.companies.back());
        }
        y.costOfLiving = costOfLiving(year);
        out.push_back(std::move(y));
    }
    return out;
}

} // namespace data::sample
