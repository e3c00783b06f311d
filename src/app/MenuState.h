#pragma once
// Which items of the main window's menu are usable. The decision depends on two facts only: whether
// a company is open, and whether its set-up is complete (basic settings saved, at least one work form,
// at least one evaluation). The main window copies the result onto its menu items and tool buttons.

#include <array>
#include <cstddef>

namespace data {
class TFDM;
}

namespace app {

// Every menu item of the main window that has a function, in menu order.
enum class MenuItem {
    New, Open, Close, Mnt, Dlt, Base, SalaryName, Hyouka, DBCond, End,        // プロジェクト
    Worker, Living, ModelData, ModelSalary,                                     // データ入力
    SalaryPlot, SalaryUpCurve, LivingComp, ModelSalaryComp, SalaryUpSetting, Fit, // プロット分析
    SalaryInput, NendoUpdate,                                                   // 昇給管理
    List5000, List5010, SalaryReport, SalaryUpReport,                           // レポート
    BeforeUse, HelpH, Version,                                                  // ヘルプ
    Count
};

inline constexpr std::size_t menuItemCount = std::size_t(MenuItem::Count);

struct MenuState {
    std::array<bool, menuItemCount> enabled{};
    bool isEnabled(MenuItem item) const { return enabled[std::size_t(item)]; }
};

// The enabled state of every item. setupComplete is only looked at when a company is open.
MenuState menuStateFor(bool noCompany, bool setupComplete);

// Whether the open company (CurrentKco, CurrentNendo of the data module's state) is set up completely:
// its MKIGYOU1 row exists with FNK other than 9 (a new company keeps 9 until its basic settings are
// saved), and it has at least one SalaryName row and one MHYOUKA row. Read errors are shown by the
// table access layer and count as incomplete.
bool companySetupComplete(data::TFDM& dm);

} // namespace app
