#include <gtest/gtest.h>

#include <optional>

#include "orders/InitiateUpdate.h"
#include "orders/LoadFlotillaTable.h"
#include "orders/OrderFixture.h"

namespace zephrane::testing {
namespace {

using LoadFlotillaTableTest = OrderFixture;

std::string Marked(const std::string& bytes) {
    return Join({kMarker}) + bytes;
}

// The fixture as an earlier game installation had it: flotilla 0 is 201.
std::string OldInstallation() {
    std::string bytes = FlotillaCfg();
    bytes.replace(bytes.find("Flotilla0=101"), 13, "Flotilla0=201");
    return bytes;
}

// A table left over from an earlier order.
FlotillaRec Sentinel() {
    FlotillaRec rec;
    rec.sMenuCode = "999";
    return rec;
}

TEST_F(LoadFlotillaTableTest, BackupIsMadeAndRefreshedOnlyFromAnUnmarkedFile) {
    struct Case {
        const char* name;
        std::optional<std::string> backupBefore;
        std::string live;
        std::string backupAfter;
        const char* firstCode;
    } cases[] = {
        {"unmarked, no backup", std::nullopt, FlotillaCfg(), FlotillaCfg(), "101"},
        {"unmarked, old backup", OldInstallation(), FlotillaCfg(), FlotillaCfg(), "101"},
        {"marked, backup kept", OldInstallation(), Marked(FlotillaCfg()), OldInstallation(), "201"},
        {"marked, no backup", std::nullopt, Marked(OldInstallation()), Marked(OldInstallation()), "201"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(BackupPath());
        if (c.backupBefore) WriteBackup(*c.backupBefore);
        WriteLive(c.live);
        EXPECT_TRUE(LoadFlotillaTable(platform, state));
        EXPECT_EQ(Backup(), c.backupAfter);
        EXPECT_EQ(Live(), c.live);
        EXPECT_EQ(state.FlotillaTable[0].sMenuCode, c.firstCode);
    }
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(LoadFlotillaTableTest, TablesHoldEveryFlotillaAndEachBaseCodeOnce) {
    WriteLive(FlotillaCfg());
    ASSERT_TRUE(LoadFlotillaTable(platform, state));

    ASSERT_EQ(state.FlotillaTable.size(), 5u);
    const FlotillaRec& f3 = state.FlotillaTable[3];
    EXPECT_EQ(f3.sMenuCode, "105");
    EXPECT_EQ(f3.sKeyIndex, "3");
    EXPECT_EQ(f3.sNbBases, "4");
    const std::array<std::string, 4> base = {"070", "080", "081", "083"},
                                     dateFrom = {"1939", "1940", "1942", "1944"},
                                     monthFrom = {"8", "7", "1", "9"},
                                     dateTo = {"1940", "1941", "1944", "1945"},
                                     monthTo = {"6", "12", "8", "5"};
    for (int b = 0; b < 4; ++b) {
        EXPECT_EQ(f3.sBase[b], base[b]);
        EXPECT_EQ(f3.sDateFrom[b], dateFrom[b]);
        EXPECT_EQ(f3.sMonthFrom[b], monthFrom[b]);
        EXPECT_EQ(f3.sDateTo[b], dateTo[b]);
        EXPECT_EQ(f3.sMonthTo[b], monthTo[b]);
    }
    EXPECT_EQ(f3.sBase[4], "");
    EXPECT_EQ(state.FlotillaTable[2].sNbBases, "0");
    EXPECT_EQ(state.FlotillaTable[2].sBase[0], "");
    EXPECT_EQ(state.FlotillaTable[4].sMenuCode, "107");

    struct Expected {
        const char *code, *name, *lon, *lat, *heading;
    } expected[] = {
        {"070", "Kiel", "1200.5", "5400.25", "10"},  // from flotilla 0, not 1 or 3
        {"072", "Wilhelmshaven", "800", "5350", "350"}, {"080", "Lorient", "-330", "4770", "270"},
        {"081", "Brest", "-450", "4840", "280"},        {"083", "Bergen", "530", "6040", "300"},
    };
    ASSERT_EQ(state.BaseTable.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i].code);
        EXPECT_EQ(state.BaseTable[i].sCode, expected[i].code);
        EXPECT_EQ(state.BaseTable[i].sName, expected[i].name);
        EXPECT_EQ(state.BaseTable[i].sLong, expected[i].lon);
        EXPECT_EQ(state.BaseTable[i].sLat, expected[i].lat);
        EXPECT_EQ(state.BaseTable[i].sHeading, expected[i].heading);
    }
}

TEST_F(LoadFlotillaTableTest, EmptyFirstFlotillaIsRefilledAndUnknownCodesHaveNoName) {
    WriteLive(Join({{
        "[Flotilla]",
        "Flotilla0=",
        "NbBases0=0",
        "FLOTILLA=110 ; no index",
        "nbbases=1",
        "   Base=999",
        "BASE=999;Nowhere",
        "DATE=1939",
        "MONTH=8",
        "DATE=1945",
        "MONTH=5",
        "DEPARTUREPOINTLONG=1",
        "departurepointlat=2",
        "HEADING=3",
    }}));
    ASSERT_TRUE(LoadFlotillaTable(platform, state));
    ASSERT_EQ(state.FlotillaTable.size(), 1u);
    EXPECT_EQ(state.FlotillaTable[0].sMenuCode, "110");
    EXPECT_EQ(state.FlotillaTable[0].sKeyIndex, "");
    EXPECT_EQ(state.FlotillaTable[0].sBase[0], "999");
    ASSERT_EQ(state.BaseTable.size(), 1u);
    EXPECT_EQ(state.BaseTable[0].sCode, "999");
    EXPECT_EQ(state.BaseTable[0].sName, "");
    EXPECT_EQ(state.BaseTable[0].sHeading, "3");
}

TEST_F(LoadFlotillaTableTest, MalformedConfigurationIsRefusedAndNothingChanges) {
    const std::string live = game.Str() + "\\data\\Cfg\\Flotilla.cfg";
    const std::string backup = program.Str() + "\\Flotilla.cfg.orv";
    const Lines untilMonth = {"[FLOTILLA]", "Flotilla0=101", "NbBases0=1", "Base0_0=070", "Date0_0_0=1939"};
    const std::string endsBeforeNbBases = Join({{"[FLOTILLA]", "Flotilla0=101"}});
    struct Case {
        const char* name;
        std::string live;
        std::string backupBefore;
        std::string path;
        std::string why;
    } cases[] = {
        {"no section", Join({{"; nothing", "Flotilla0=101"}}), FlotillaCfg(), live,
         "It ends before the [FLOTILLA] section header."},
        {"no NBBASES", endsBeforeNbBases, FlotillaCfg(), live,
         "It ends before the NBBASES line of the flotilla line \"Flotilla0=101\"."},
        {"no =", Join({{"[FLOTILLA]", "Flotilla0 101", "NbBases0=0"}}), FlotillaCfg(), live,
         "The flotilla line \"Flotilla0 101\" has no \"=\"."},
        {"NBBASES two", Join({{"[FLOTILLA]", "Flotilla0=101", "NbBases0=two"}}), FlotillaCfg(), live,
         "The NBBASES value \"two\" of the flotilla line \"Flotilla0=101\" is not a number."},
        {"twelve bases", Join({{"[FLOTILLA]", "Flotilla0=101", "NbBases0=12"}}), FlotillaCfg(), live,
         "The flotilla line \"Flotilla0=101\" has 12 bases; a flotilla has from 0 to 11."},
        {"month 13", Join({untilMonth, {"Month0_0_0=13"}}), FlotillaCfg(), live,
         "The line \"Month0_0_0=13\" does not hold a month."},
        {"no heading",
         Join({untilMonth,
               {"Month0_0_0=8", "Date0_0_1=1945", "Month0_0_1=5", "DeparturePointLong0_0=1",
                "DeparturePointLat0_0=2"}}),
         FlotillaCfg(), live, "It ends before the Heading line of the flotilla line \"Flotilla0=101\"."},
        {"marked live, broken backup", Marked(FlotillaCfg()), endsBeforeNbBases, backup,
         "It ends before the NBBASES line of the flotilla line \"Flotilla0=101\"."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingDialogs caseDialogs;
        Platform casePlatform{fs, caseDialogs, shell};
        WriteLive(c.live);
        WriteBackup(c.backupBefore);
        state.FlotillaTable.assign(1, Sentinel());
        state.BaseTable.assign(2, BaseRec{});

        EXPECT_FALSE(LoadFlotillaTable(casePlatform, state));
        ASSERT_EQ(caseDialogs.Messages().size(), 1u);
        EXPECT_EQ(caseDialogs.Messages()[0].text,
                  "Could not use the flotilla configuration file\r\n" + c.path + "\r\n" + c.why +
                      "\r\nThe order has not been carried out; no file has been "
                      "changed.");
        EXPECT_EQ(caseDialogs.Messages()[0].style, 16);
        EXPECT_EQ(caseDialogs.Messages()[0].title, "Initiate Update");
        EXPECT_EQ(Live(), c.live);
        EXPECT_EQ(Backup(), c.backupBefore);
        EXPECT_EQ(state.FlotillaTable.size(), 1u);
        EXPECT_EQ(state.FlotillaTable[0].sMenuCode, "999");
        EXPECT_EQ(state.BaseTable.size(), 2u);
    }
}

TEST_F(LoadFlotillaTableTest, MissingConfigurationEndsTheOrderWithOneMessage) {
    state.FlotillaTable.assign(1, Sentinel());
    InitiateUpdate(platform, TransferForm(kWilhelmshaven, k105, {1942, 4, 10}, 1942, 5), state);

    ExpectMessages({{16, "Initiate Update", "Could not find flottille configuration file."}});
    EXPECT_FALSE(BackupExists());
    EXPECT_FALSE(InstructionsExist());
    EXPECT_EQ(state.FlotillaTable[0].sMenuCode, "999");
    EXPECT_TRUE(shell.started.empty());
}

}  // namespace
}  // namespace zephrane::testing
