#include "AppFixture.h"
#include "app/MenuState.h"

#include <set>

using app::MenuItem;

namespace {

using Items = std::set<MenuItem>;

const Items always = {MenuItem::End, MenuItem::BeforeUse, MenuItem::HelpH, MenuItem::Version};
const Items administration = {MenuItem::New, MenuItem::Open, MenuItem::Mnt, MenuItem::Dlt, MenuItem::DBCond};
const Items companySettings = {MenuItem::Close,  MenuItem::Base,      MenuItem::SalaryName, MenuItem::Hyouka,
                               MenuItem::Living, MenuItem::ModelData, MenuItem::ModelSalary};
const Items analysis = {MenuItem::Worker,      MenuItem::SalaryPlot,      MenuItem::SalaryUpCurve,
                        MenuItem::LivingComp,  MenuItem::ModelSalaryComp, MenuItem::SalaryUpSetting,
                        MenuItem::Fit,         MenuItem::SalaryInput,     MenuItem::NendoUpdate,
                        MenuItem::List5000,    MenuItem::List5010,        MenuItem::SalaryReport,
                        MenuItem::SalaryUpReport};

Items unite(std::initializer_list<Items> parts)
{
    Items all;
    for (const Items& p : parts)
        all.insert(p.begin(), p.end());
    return all;
}

struct StateCase {
    const char* name;
    bool noCompany;
    bool setupComplete;
    Items enabled;
};

} // namespace

TEST(MenuState, EnabledItemsFollowCompanyAndSetup)
{
    const StateCase cases[] = {
        {"no company", true, false, unite({always, administration})},
        // Without a company the set-up flag means nothing.
        {"no company, flag set", true, true, unite({always, administration})},
        {"open, set-up incomplete", false, false, unite({always, companySettings})},
        {"open, set-up complete", false, true, unite({always, companySettings, analysis})},
    };
    for (const StateCase& c : cases) {
        const app::MenuState state = app::menuStateFor(c.noCompany, c.setupComplete);
        for (std::size_t i = 0; i < app::menuItemCount; ++i) {
            const auto item = MenuItem(i);
            EXPECT_EQ(state.isEnabled(item), c.enabled.count(item) == 1) << c.name << ", item " << i;
        }
    }
}

// Each step of the set-up alone leaves the company incomplete; only all three together complete it,
// and another company's rows never count.
TEST(MenuState, SetupIsCompleteOnlyWithSettingsWorkFormAndEvaluation)
{
    TestHome home;
    addCompany(home, 2020, 1, QStringLiteral("甲社"));
    addCompany(home, 2020, 2, QStringLiteral("乙社"));
    data::AppState& st = home.dm().state;
    st.CurrentNendo = 2020;
    st.CurrentKco = 1;
    EXPECT_FALSE(app::companySetupComplete(home.dm())) << "a new company";

    completeSetup(home, 2020, 2);
    EXPECT_FALSE(app::companySetupComplete(home.dm())) << "only the other company is complete";

    completeStep(home, 2020, 1, SetupStep::BasicSettings);
    EXPECT_FALSE(app::companySetupComplete(home.dm())) << "basic settings only";
    completeStep(home, 2020, 1, SetupStep::WorkForm);
    EXPECT_FALSE(app::companySetupComplete(home.dm())) << "no evaluation yet";
    completeStep(home, 2020, 1, SetupStep::Evaluation);
    EXPECT_TRUE(app::companySetupComplete(home.dm()));

    st.CurrentNendo = 2021;
    EXPECT_FALSE(app::companySetupComplete(home.dm())) << "no MKIGYOU1 row in that year";
    home.expectNoUnexpected();
}

TEST(MenuState, WorkFormAndEvaluationWithoutBasicSettingsStayIncomplete)
{
    TestHome home;
    addCompany(home, 2020, 1, QStringLiteral("甲社"));
    completeStep(home, 2020, 1, SetupStep::WorkForm);
    completeStep(home, 2020, 1, SetupStep::Evaluation);
    home.dm().state.CurrentNendo = 2020;
    home.dm().state.CurrentKco = 1;
    EXPECT_FALSE(app::companySetupComplete(home.dm()));
}
