#include "app/TQK0000.h"

#include "app/Compaction.h"
#include "app/CompanyStore.h"
#include "app/Glyphs.h"
#include "app/SharedRoutines.h"
#include "app/TQK0010.h"
#include "app/TQK0020.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <cstdlib>

namespace app {

namespace {

const QString& noCompanyText()
{
    static const QString t = QStringLiteral("企業の選択がされていません。企業を選択してください。");
    return t;
}

void inform(const QString& text) { platform::dialogs().information(text, platform::appTitle()); }

// One menu item: where it goes, its caption, its name, and its tool button if it has one.
struct MenuItemDef {
    MenuItem item;
    const char* caption;
    const char* name;
    void (TQK0000::*handler)();
    const char* buttonName = nullptr;
    const char* buttonCaption = nullptr;
    const char* hint = nullptr;
    Glyph glyph = Glyph::New;
};

struct MenuDef {
    const char* title;
    std::vector<MenuItemDef> items;
};

const std::vector<MenuDef>& menuDefs()
{
    static const std::vector<MenuDef> defs = {
        {"プロジェクト(&P)",
         {
             {MenuItem::New, "新規作成(&N)", "mnNew", &TQK0000::mnNewClick, "btnNew", "新 規", "ﾌﾟﾛｼﾞｪｸﾄを新規作成", Glyph::New},
             {MenuItem::Open, "開く(&O)", "mnOPen", &TQK0000::mnOPenClick, "btnOpen", "開 く", "ﾌﾟﾛｼﾞｪｸﾄを開く", Glyph::Open},
             {MenuItem::Close, "閉じる(&C)", "mnClose", &TQK0000::mnCloseClick, "btnClose", "閉じる", "現在のﾌﾟﾛｼﾞｪｸﾄを閉じる", Glyph::Close},
             {MenuItem::Mnt, "変更(&R)", "mnMnt", &TQK0000::mnMntClick, "btnMnt", "変 更", "現在開いているﾌﾟﾛｼﾞｪｸﾄを変更します", Glyph::Change},
             {MenuItem::Dlt, "削除(&D)", "mnDlt", &TQK0000::mnDltClick, "btnDLT", "削 除", "ﾌﾟﾛｼﾞｪｸﾄを削除します", Glyph::Delete},
             {MenuItem::Base, "基本設定(&B)", "mnBase", &TQK0000::mnBaseClick, "btnKihon", "基 本", "基本的な属性を設定します。", Glyph::Basic},
             {MenuItem::SalaryName, "就労形態(&F)", "mnSararyName", &TQK0000::mnSararyNameClick, "btnSyuryo", "就 労", "就労形態を登録します。", Glyph::WorkForm},
             {MenuItem::Hyouka, "評価(&H)", "mnHyouka", &TQK0000::mnHyoukaClick, "btnEvaConv", "評 価", "評価記号を入力します", Glyph::Evaluation},
             {MenuItem::DBCond, "データベース圧縮(&D)", "mnDBCond", &TQK0000::mnDBCondClick, "btn_mdb", "DB圧縮", "mdbファイルを圧縮します", Glyph::Compact},
             {MenuItem::End, "終了(&Z)", "mnEnd", &TQK0000::mnEndClick, "btn_End", "終了", "アプリの終了", Glyph::Exit},
         }},
        {"データ入力(&D)",
         {
             {MenuItem::Worker, "社員　登録(&E)", "mnWorker", &TQK0000::mnWorkerClick, "btnWorker", "社 員", "社員情報を登録します", Glyph::Employee},
             {MenuItem::Living, "生計費　登録(&L)", "mnLiving", &TQK0000::mnLivingClick},
             {MenuItem::ModelData, "モデルデータ　登録(&S)", "mnModelData", &TQK0000::mnModelDataClick},
             {MenuItem::ModelSalary, "モデル賃金　登録(&M)", "mnModelSalary", &TQK0000::mnModelSalaryClick},
         }},
        {"プロット分析(&G)",
         {
             {MenuItem::SalaryPlot, "賃金プロット(&U)", "mnSalaryPlot", &TQK0000::mnSalaryPlotClick, "btnSalaryPlot", "プロット", "賃金プロット", Glyph::Plot},
             {MenuItem::SalaryUpCurve, "昇給カーブの分析(&V)", "mnSalaryUpCurve", &TQK0000::mnSalaryUpCurveClick, "btnSalaryCurve", "回 帰", "回帰分析モードです", Glyph::Regression},
             {MenuItem::LivingComp, "生計費との比較(&W)", "mnLivingComp", &TQK0000::mnLivingCompClick, "btnLiveingComp", "生計費", "生計費との比較", Glyph::LivingCost},
             {MenuItem::ModelSalaryComp, "モデル賃金との比較(&X)", "mnModelSalaryComp", &TQK0000::mnModelSalaryCompClick, "btnModelComp", "モデル", "ﾓﾃﾞﾙ賃金との比較", Glyph::ModelWage},
             {MenuItem::SalaryUpSetting, "昇給カーブの設計(&Y)", "mnSalaryUpSetting", &TQK0000::mnSalaryUpSettingClick, "btnSalaryUpSetting", "設 計", "昇給カーブの設計", Glyph::CurveDesign},
             {MenuItem::Fit, "最適化賃金(&F)", "mnFit", &TQK0000::mnFitClick, "btnFit", "最適化", "最適化賃金", Glyph::Optimal},
         }},
        {"昇給管理(&S)",
         {
             {MenuItem::SalaryInput, "昇給管理　入力(&K)", "mnSalaryInput", &TQK0000::mnSalaryInputClick, "btnSalaryInput", "昇 給", "昇給管理　入力", Glyph::Raise},
             {MenuItem::NendoUpdate, "年度更新(&N)", "mnNendoUpdate", &TQK0000::mnNendoUpdateClick, "btnNendo", "更 新", "年度を更新します", Glyph::YearUpdate},
         }},
        {"レポート(&R)",
         {
             {MenuItem::List5000, "社員個人情報(&P)", "mnList5000", &TQK0000::mnList5000Click, "btnRep_Per", "人 事", "人事個人レポート", Glyph::PersonalReport},
             {MenuItem::List5010, "社員賃金情報(&S)", "mnList5010", &TQK0000::mnList5010Click, "btnRep_Wage", "賃金", "賃金個人レポート", Glyph::WageReport},
             {MenuItem::SalaryReport, "グループ別社員賃金(&G)", "mnSalaryReport", &TQK0000::mnSalaryReportClick, "btn_Salary_List", "昇給前", "現状の賃金リスト", Glyph::ListBefore},
             {MenuItem::SalaryUpReport, "グループ別社員昇給(&U)", "mnSalaryUpReport", &TQK0000::mnSalaryUpReportClick, "btn_SalaryUp_List", "昇給後", "昇給後の賃金リスト", Glyph::ListAfter},
         }},
        {"ヘルプ(&H)",
         {
             {MenuItem::BeforeUse, "ご利用案内(&D)", "BeforeUse", &TQK0000::BeforeUseClick},
             {MenuItem::HelpH, "ヘルプ(&H)", "mnHELPH", &TQK0000::mnHELPHClick, "btnHelp", "HELP", "ヘルプ", Glyph::Help},
             {MenuItem::Version, "バージョン情報(&V)", "mnVersion", &TQK0000::mnVersionClick},
         }},
    };
    return defs;
}

QString u8(const char* s) { return QString::fromUtf8(s); }

// The tool-button panels, left to right along the top and top to bottom on the left.
struct PanelDef {
    const char* name;
    std::vector<MenuItem> items;
};

const std::vector<PanelDef> topPanels = {
    {"Panel_Project", {MenuItem::New, MenuItem::Open, MenuItem::Close, MenuItem::Mnt, MenuItem::Dlt}},
    {"Panel_EarlySet", {MenuItem::Base, MenuItem::SalaryName, MenuItem::Hyouka, MenuItem::Worker}},
    {"Panel_Plot", {MenuItem::SalaryPlot, MenuItem::SalaryUpCurve, MenuItem::LivingComp, MenuItem::ModelSalaryComp,
                    MenuItem::SalaryUpSetting, MenuItem::Fit}},
    {"Panel_SalaryUp", {MenuItem::SalaryInput, MenuItem::NendoUpdate}},
};
const PanelDef helpPanel = {"Panel_Help", {MenuItem::HelpH, MenuItem::End}};
const PanelDef reportPanel = {"Panel_Report", {MenuItem::SalaryReport, MenuItem::SalaryUpReport, MenuItem::List5000,
                                                MenuItem::List5010}};
const PanelDef adminPanel = {"Panel_Admin", {MenuItem::DBCond}};

// The background of the window's empty area: the button-shadow grey of the desktop.
const QColor buttonShadow(0xa0, 0xa0, 0xa0);

} // namespace

TQK0000::TQK0000(data::TFDM& dm, QWidget* parent) : QMainWindow(parent), dm_(dm)
{
    setObjectName(QStringLiteral("TQK0000"));
    buildMenus();
    buildPanels();
    FormCreate();
    companyDialog_ = new TQK0010(dm_, this);
    companyData_ = new TQK0020(dm_, companyDialog_, this);
    companyDialog_->setCompanyData(companyData_);
}

TQK0000::~TQK0000() = default;

void TQK0000::buildMenus()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    const auto& defs = menuDefs();
    for (size_t m = 0; m < defs.size(); ++m) {
        // The band and wage design menus stand before the help menu, hidden: they have no function.
        if (m + 1 == defs.size()) {
            bandMenu_ = menuBar()->addMenu(QStringLiteral("バンド設計(&M)"));
            bandMenu_->menuAction()->setVisible(false);
            wageDesignMenu_ = menuBar()->addMenu(QStringLiteral("賃金設計(&C)"));
            wageDesignMenu_->menuAction()->setVisible(false);
        }
        QMenu* menu = menuBar()->addMenu(u8(defs[m].title));
        for (const MenuItemDef& s : defs[m].items) {
            QAction* a = menu->addAction(u8(s.caption));
            a->setObjectName(u8(s.name));
            connect(a, &QAction::triggered, this, s.handler);
            actions_[std::size_t(s.item)] = a;
            if (s.item == MenuItem::Dlt || s.item == MenuItem::Hyouka || s.item == MenuItem::DBCond)
                menu->addSeparator();
            if (s.item == MenuItem::SalaryUpReport) {
                matrixReport_ = menu->addAction(QStringLiteral("グループ別マトリクス昇給レポート(&M)"));
                matrixReport_->setObjectName(QStringLiteral("mnMatrixReport"));
                matrixReport_->setVisible(false);
            }
        }
    }
}

void TQK0000::buildPanels()
{
    auto makeButton = [this](MenuItem item, QWidget* parent) {
        for (const MenuDef& m : menuDefs())
            for (const MenuItemDef& s : m.items) {
                if (s.item != item || !s.buttonName)
                    continue;
                auto* b = new QToolButton(parent);
                b->setObjectName(u8(s.buttonName));
                b->setText(u8(s.buttonCaption));
                b->setToolTip(u8(s.hint));
                b->setStatusTip(u8(s.hint));
                b->setIcon(glyphIcon(s.glyph));
                b->setIconSize(QSize(30, 30));
                b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
                b->setAutoRaise(true);
                b->setFixedSize(50, 60);
                b->setFocusPolicy(Qt::NoFocus);
                // A button always does what its menu item does.
                QAction* a = actions_[std::size_t(item)];
                connect(b, &QToolButton::clicked, a, &QAction::trigger);
                buttons_[std::size_t(item)] = b;
                return b;
            }
        return static_cast<QToolButton*>(nullptr);
    };
    auto makePanel = [&](const PanelDef& spec, Qt::Orientation o, QWidget* parent) {
        auto* panel = new QFrame(parent);
        panel->setObjectName(u8(spec.name));
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Raised);
        QBoxLayout* l = o == Qt::Horizontal ? static_cast<QBoxLayout*>(new QHBoxLayout(panel))
                                            : static_cast<QBoxLayout*>(new QVBoxLayout(panel));
        l->setContentsMargins(2, 2, 2, 2);
        l->setSpacing(0);
        for (MenuItem i : spec.items)
            l->addWidget(makeButton(i, panel));
        return panel;
    };

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));
    central->setAutoFillBackground(true);
    QPalette pal = central->palette();
    pal.setColor(QPalette::Window, buttonShadow);
    central->setPalette(pal);

    auto* top = new QFrame(central);
    top->setObjectName(QStringLiteral("Panel_Top"));
    top->setFixedHeight(73);
    top->setAutoFillBackground(true);
    top->setPalette(palette());
    top->setFrameShape(QFrame::StyledPanel);
    auto* topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(2, 2, 2, 2);
    topLayout->setSpacing(3);
    for (const PanelDef& p : topPanels)
        topLayout->addWidget(makePanel(p, Qt::Horizontal, top));
    topLayout->addStretch(1);
    topLayout->addWidget(makePanel(helpPanel, Qt::Horizontal, top));

    auto* left = new QFrame(central);
    left->setObjectName(QStringLiteral("Panel_Left"));
    left->setFixedWidth(55);
    left->setAutoFillBackground(true);
    left->setPalette(palette());
    left->setFrameShape(QFrame::StyledPanel);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 2, 0, 2);
    leftLayout->setSpacing(3);
    leftLayout->addWidget(makePanel(reportPanel, Qt::Vertical, left), 0, Qt::AlignHCenter);
    leftLayout->addWidget(makePanel(adminPanel, Qt::Vertical, left), 0, Qt::AlignHCenter);
    leftLayout->addStretch(1);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(left);
    body->addStretch(1);

    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(top);
    outer->addLayout(body, 1);
    setCentralWidget(central);
}

void TQK0000::FormCreate()
{
    data::AppState& st = dm_.state;
    setWindowTitle(platform::appTitle());
    UpdateMenuState(true);
    dm_.OpenDatabase(dm_.ACN1, dm_.controlDatabasePath());
    st.EditMode = 0;
    st.CurrentKco = 0;
    st.CompanyOpen = 0;
    st.refreshToday();
    st.CurrentNendo = st.TodayYear;

    st.SqlSelect = QStringLiteral("SELECT * FROM MSEIGYO");
    st.SqlWhere = QStringLiteral(" WHERE CO = 0 ORDER BY CO");
    data::TSeigyo_ seigyo;
    data::Select(dm_.ACN1, dm_.Query1, false, st.SqlSelect, st.SqlWhere, seigyo);
    st.EraTable[0] = {seigyo.REKI1, int(VarToIntSafe(seigyo.SNEN1))};
    st.EraTable[1] = {seigyo.REKI2, int(VarToIntSafe(seigyo.SNEN2))};
    st.EraTable[2] = {seigyo.REKI3, int(VarToIntSafe(seigyo.SNEN3))};
}

QString TQK0000::helpFilePath() const { return dm_.state.ProgramDir + QStringLiteral("Zododi_Ziraz.html"); }

void TQK0000::setScreenOpener(MenuItem item, std::function<void()> open) { openers_[std::size_t(item)] = std::move(open); }

void TQK0000::UpdateMenuState(bool noCompany)
{
    const bool complete = !noCompany && companySetupComplete(dm_);
    const MenuState s = menuStateFor(noCompany, complete);
    for (std::size_t i = 0; i < menuItemCount; ++i) {
        if (actions_[i])
            actions_[i]->setEnabled(s.enabled[i]);
        if (buttons_[i])
            buttons_[i]->setEnabled(s.enabled[i]);
    }
}

void TQK0000::PrepareCompanyDialog()
{
    data::AppState& st = dm_.state;
    st.refreshToday();
    companyDialog_->setYears(fiscalYears(st.TodayYear), QString::number(st.TodayYear));
    st.CurrentNendo = st.TodayYear;
}

bool TQK0000::beginCompanyAction(int mode)
{
    data::AppState& st = dm_.state;
    TQK0010* d = companyDialog_;
    if (mode != 4 && st.EditMode == 4) {
        inform(QStringLiteral("企業の選択を解除して下さい。"));
        return false;
    }
    st.EditMode = mode;
    auto set = [](QPushButton* b, const QString* caption, bool enabled) {
        if (caption)
            b->setText(*caption);
        b->setEnabled(enabled);
    };
    switch (mode) {
    case 1: {
        st.CompanyOpen = 0;
        const QString cap = QStringLiteral("登録");
        d->setWindowTitle(QStringLiteral("企業　登録"));
        set(d->btnAdd, &cap, true);
        set(d->btnMnt, nullptr, false);
        set(d->btnDlt, nullptr, false);
        break;
    }
    case 2: {
        const QString cap = QStringLiteral("修正");
        d->setWindowTitle(QStringLiteral("企業　変更"));
        set(d->btnMnt, &cap, true);
        set(d->btnAdd, nullptr, false);
        set(d->btnDlt, nullptr, false);
        break;
    }
    case 3: {
        // The dialog keeps the caption it had.
        const QString cap = QStringLiteral("削除");
        set(d->btnDlt, &cap, true);
        set(d->btnAdd, nullptr, false);
        set(d->btnMnt, nullptr, false);
        break;
    }
    default: {
        const QString cap = QStringLiteral("選択");
        d->setWindowTitle(QStringLiteral("企業　選択"));
        set(d->btnAdd, &cap, true);
        set(d->btnMnt, nullptr, false);
        set(d->btnDlt, nullptr, false);
        break;
    }
    }
    PrepareCompanyDialog();
    d->Prepare();
    return true;
}

void TQK0000::showCompanyDialog(int mode)
{
    if (!beginCompanyAction(mode))
        return;
    companyDialog_->exec();
}

bool TQK0000::requireCompany()
{
    if (dm_.state.CompanyOpen != 0)
        return true;
    inform(noCompanyText());
    return false;
}

void TQK0000::openScreen(MenuItem item)
{
    if (const auto& open = openers_[std::size_t(item)])
        open();
}

// ---------------------------------------------------------------- company actions

void TQK0000::mnNewClick() { showCompanyDialog(1); }
void TQK0000::mnOPenClick() { showCompanyDialog(4); }
void TQK0000::mnMntClick() { showCompanyDialog(2); }
void TQK0000::mnDltClick() { showCompanyDialog(3); }

void TQK0000::mnCloseClick()
{
    data::AppState& st = dm_.state;
    setWindowTitle(platform::appTitle());
    st.EditMode = 0;
    st.CurrentKco = 0;
    st.CompanyOpen = 0;
    UpdateMenuState(true);
}

// ---------------------------------------------------------------- settings of the open company

void TQK0000::mnBaseClick()
{
    if (!requireCompany())
        return;
    openScreen(MenuItem::Base);   // basic settings (TQK0070)
    if (dm_.state.CompanyOpen != 0)
        UpdateMenuState(false);
}

void TQK0000::mnSararyNameClick()
{
    if (!requireCompany())
        return;
    openScreen(MenuItem::SalaryName);   // work form and wage form names (TfrmSalaryName)
    if (dm_.state.CompanyOpen != 0)
        UpdateMenuState(false);
}

void TQK0000::mnHyoukaClick()
{
    if (!requireCompany())
        return;
    openScreen(MenuItem::Hyouka);   // evaluation conversion (TQK3020)
    if (dm_.state.CompanyOpen != 0)
        UpdateMenuState(false);
}

// ---------------------------------------------------------------- database compaction

void TQK0000::mnDBCondClick()
{
    if (!platform::dialogs().question(QStringLiteral("データベースを圧縮します。よろしいですか？"), platform::appTitle()))
        return;
    dm_.ACN1.close();
    dm_.ACN2.close();
    const CompactionResult r = compactAllDatabases(dm_.state.DataDir);
    if (r.outcome == CompactionOutcome::ReplaceFailed) {
        inform(QStringLiteral("圧縮処理の最終処理でエラーが発生しました。確認して下さい。"));
        // Every connection is closed and the ".bak" file stays for the next start to find: end at
        // once, before anything else can touch the half-replaced data.
        std::_Exit(EXIT_FAILURE);
    }
    if (r.outcome == CompactionOutcome::Completed)
        inform(QStringLiteral("DB圧縮処理が完了しました。"));
    dm_.OpenDatabase(dm_.ACN1, dm_.controlDatabasePath());
}

// ---------------------------------------------------------------- help and end

void TQK0000::mnHELPHClick()
{
    const QString path = helpFilePath();
    if (!QFileInfo::exists(path)) {
        inform(QStringLiteral("ヘルプファイルが見つかりません。"));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        platform::dialogs().warning(QStringLiteral("HELPの起動に失敗しました ") + path, QString());
}

void TQK0000::BeforeUseClick() { openScreen(MenuItem::BeforeUse); }     // usage guide
void TQK0000::mnVersionClick() { openScreen(MenuItem::Version); }       // version dialog

void TQK0000::mnEndClick() { close(); }

void TQK0000::closeEvent(QCloseEvent* event)
{
    dm_.ACN1.close();
    dm_.ACN2.close();
    event->accept();
}

// ---------------------------------------------------------------- data entry

void TQK0000::mnWorkerClick()
{
    if (requireCompany())
        openScreen(MenuItem::Worker);   // employee register (TQK0030)
}

void TQK0000::mnLivingClick()
{
    if (requireCompany())
        openScreen(MenuItem::Living);   // standard cost of living (TQK0050)
}

void TQK0000::mnModelDataClick()
{
    if (requireCompany())
        openScreen(MenuItem::ModelData);   // model data (TQK0080)
}

void TQK0000::mnModelSalaryClick()
{
    if (!requireCompany())
        return;
    if (dm_.state.CurrentCompany.MDCO == 0) {
        inform(QStringLiteral("企業マスターにモデルコードがセットされていません。【ﾌﾟﾛｼﾞｪｸﾄ】-->【変更】で、モデルコードをセットして下さい。"));
        return;
    }
    openScreen(MenuItem::ModelSalary);   // model wage (TQK0060)
}

// ---------------------------------------------------------------- analyses

void TQK0000::mnSalaryPlotClick()
{
    if (requireCompany())
        openScreen(MenuItem::SalaryPlot);   // wage plot (TQK1010)
}

void TQK0000::mnSalaryUpCurveClick()
{
    if (requireCompany())
        openScreen(MenuItem::SalaryUpCurve);   // raise curve analysis (TQK1020)
}

void TQK0000::mnLivingCompClick()
{
    if (requireCompany())
        openScreen(MenuItem::LivingComp);   // comparison with cost of living (TQK1030)
}

void TQK0000::mnModelSalaryCompClick()
{
    if (requireCompany())
        openScreen(MenuItem::ModelSalaryComp);   // comparison with model wage (TQK1040)
}

void TQK0000::mnSalaryUpSettingClick()
{
    if (requireCompany())
        openScreen(MenuItem::SalaryUpSetting);   // raise curve design (TQK1050)
}

void TQK0000::mnFitClick()
{
    if (requireCompany())
        openScreen(MenuItem::Fit);   // optimal wage (TQK1070)
}

// ---------------------------------------------------------------- raise management

void TQK0000::mnSalaryInputClick()
{
    if (!requireCompany())
        return;
    // The raise management screen reads its DCHINGIN2 row with these two texts when it opens.
    data::AppState& st = dm_.state;
    st.SqlSelect = QStringLiteral("SELECT * FROM DCHINGIN2");
    st.SqlWhere = QStringLiteral(" WHERE KCO = ") + QString::number(st.CurrentKco) + QStringLiteral(" AND NENDO = ")
        + QString::number(st.CurrentNendo);
    openScreen(MenuItem::SalaryInput);   // raise management (TQK3010)
}

void TQK0000::mnNendoUpdateClick()
{
    if (requireCompany())
        openScreen(MenuItem::NendoUpdate);   // annual update (TQK3030)
}

// ---------------------------------------------------------------- reports

void TQK0000::mnList5000Click()
{
    if (requireCompany())
        openScreen(MenuItem::List5000);   // personal information report (TQK5000U)
}

void TQK0000::mnList5010Click()
{
    if (requireCompany())
        openScreen(MenuItem::List5010);   // wage information report (TQK5010U)
}

void TQK0000::mnSalaryReportClick()
{
    if (!requireCompany())
        return;
    dm_.state.GroupReportKind = 2;
    openScreen(MenuItem::SalaryReport);   // group report (TQK0090), caption "グループ別社員賃金レポート"
}

void TQK0000::mnSalaryUpReportClick()
{
    if (!requireCompany())
        return;
    dm_.state.GroupReportKind = 1;
    openScreen(MenuItem::SalaryUpReport);   // group report (TQK0090), caption "グループ別社員昇給レポート"
}

} // namespace app
