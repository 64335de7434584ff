#include <gtest/gtest.h>

#include <functional>

#include "orders/InitiateUpdate.h"
#include "orders/OrderFixture.h"

namespace zephrane::testing {
namespace {

using ValidationTest = OrderFixture;

const char* const kIncomplete = "All fields must contain data.";
const char* const kDates = "Last Patrol End Date should be EARLIER than Next Patrol Start Date.";

TEST_F(ValidationTest, IncompleteFormOrLateEndDateIsRefusedAndNothingIsTouched) {
    const OrderForm commissioning = CommissioningForm(kWilhelmshaven, k105, {1942, 4, 10}, 1942, 5);
    struct Case {
        const char* name;
        std::function<void(OrderForm&)> change;
        const char* message;
    } cases[] = {
        {"empty U-boat number", [](OrderForm& f) { f.uboatNumber = ""; }, kIncomplete},
        {"no commander", [](OrderForm& f) { f.kommandantIndex = -1; }, kIncomplete},
        {"no U-boat type", [](OrderForm& f) { f.uboatTypeIndex = -1; }, kIncomplete},
        {"no destination", [](OrderForm& f) { f.destinationIndex = -1; }, kIncomplete},
        {"no location", [](OrderForm& f) { f.locationIndex = -1; }, kIncomplete},
        {"no year", [](OrderForm& f) { f.yearIndex = -1; }, kIncomplete},
        {"no month", [](OrderForm& f) { f.monthIndex = -1; }, kIncomplete},
        {"ended 2 March, March",
         [](OrderForm& f) {
             f.endDate = {1942, 3, 2};
             f.month = 3;
         },
         kDates},
        {"new commander, disabled date 15 June 1941, May 1941",
         [](OrderForm& f) {
             f.chkNew = 1;
             f.endDateEnabled = f.uboatNumberEnabled = f.uboatTypeEnabled = f.kommandantEnabled = false;
             f.endDate = {1941, 6, 15};
             f.year = 1941;
             f.month = 5;
         },
         kDates},
    };
    WriteLive(FlotillaCfg());
    WriteCareer("080");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingDialogs caseDialogs;
        Platform casePlatform{fs, caseDialogs, shell};
        OrderForm form = commissioning;
        c.change(form);
        InitiateUpdate(casePlatform, form, state);
        ASSERT_EQ(caseDialogs.Messages().size(), 1u);
        EXPECT_EQ(caseDialogs.Messages()[0].text, c.message);
        EXPECT_EQ(caseDialogs.Messages()[0].style, 16);
        EXPECT_EQ(caseDialogs.Messages()[0].title, "Initiate Update");
        EXPECT_EQ(Live(), FlotillaCfg());
        EXPECT_FALSE(BackupExists());
        EXPECT_FALSE(InstructionsExist());
        EXPECT_EQ(Career("Patrols_0.cfg").find("072"), std::string::npos);
    }
}

TEST_F(ValidationTest, FieldsTheOrderDoesNotNeedMayStayEmpty) {
    struct Case {
        const char* name;
        OrderForm form;
    } cases[] = {
        {"transfer with empty disabled fields", TransferForm(kKiel, k105, {1942, 4, 10}, 1942, 5)},
        {"ended on the first of the month", TransferForm(kKiel, k105, {1942, 3, 1}, 1942, 3)},
        {"new commander", NewCommanderForm(kKiel, k105, 1942, 5)},
        {"one blank as U-boat number",
         [this] {
             OrderForm f = CommissioningForm(kWilhelmshaven, k105, {1942, 4, 10}, 1942, 5);
             f.uboatNumber = " ";
             return f;
         }()},
    };
    WriteLive(FlotillaCfg());
    WriteCareer("080");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(InstructionsPath());
        InitiateUpdate(platform, c.form, state);
        EXPECT_TRUE(InstructionsExist());
    }
    ExpectMessages({});
}

}  // namespace
}  // namespace zephrane::testing
