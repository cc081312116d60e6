#include "model/design.h"

#include <gtest/gtest.h>

#include <functional>

#include "rules/menu_rules.h"
#include "support/design_changes.h"

namespace larkspan {
namespace {

// A new design restores every input but keeps the notch components; without
// saving it selects the amplitude view and takes the backups.
TEST(NewDesign, WhatItResetsAndKeeps)
{
    Design d;
    d.s_Type = "Chebyc", d.channel = 3, d.order = 4, d.FX = 1000, d.RE = 4, d.HigFS = 800, d.HigQA = 15;
    d.MidQAPopItem = 5, d.MidRemvImpInc = 1, d.s_SPH = "Tweeter X", d.fileName1 = "mine.xvrdoc";
    d.DirtyFlag = d.SaveAsFlag = d.FreqCheckFlag = 1;
    d.RNTH = 3.5F, d.CNTM = 1e-5F;
    InitSetupParaOnSave(d);
    EXPECT_EQ(test::changes(Design{}, d), "RNTH 0→3.5 CNTM 0→1e-05");
    d.FX = 800, d.FXH = 3000, d.LM = 0.3F, d.s_Resp = "schema", d.respID = 8;
    InitSetupParaNoSave(d);
    EXPECT_EQ(
        test::changes(Design{}, d),
        "FX 650→800 FXH 2000→3000 LM 0.25→0.3 RNTH 0→3.5 CNTM 0→1e-05 FXbak 650→800 FXHbak 2000→3000 LMbak 0.25→0.3");
}

// Each menu choice in turn and what it changed: an order change resets the
// alignment by parity and marks the design changed; a channel change keeps
// the order, resets the alignment and recomputes the attenuation; an item
// outside the filter menu changes nothing.
TEST(MenuRules, ChoicesAndWhatTheyChange)
{
    Design d;
    std::string seen;
    const auto step = [&](const char* what, const std::function<void()>& choose) {
        const Design before = d;
        choose();
        seen += std::string(what) + ": " + test::changes(before, d) + "\n";
    };
    step("order 2", [&] { chooseOrder(d, 2); });
    step("ButAsy", [&] { EXPECT_FALSE(chooseFilter(d, 3)); });  // with the default 200/2000 Hz
    step("order 3", [&] { chooseOrder(d, 3); });
    step("item 4 of 3", [&] { EXPECT_FALSE(chooseFilter(d, 4)); });
    step("order 2 again", [&] { chooseOrder(d, 2); });
    step("order 4 Chebyc", [&] { chooseOrder(d, 4), chooseFilter(d, 5); });
    step("quiet tweeter, 3-way", [&] { d.HigSPL = 80, chooseChannel(d, 2); });
    step("order 3, 2-way", [&] { chooseOrder(d, 3), chooseChannel(d, 1); });
    EXPECT_EQ(seen,
              "order 2: s_Type \"Butter\"→\"Linkwi\" order 1→2 orderID 1→2 DirtyFlag 0→1\nButAsy: s_Type "
              "\"Linkwi\"→\"ButAsy\" filtrID 1→3\norder 3: s_Type \"ButAsy\"→\"Butter\" order 2→3 orderID 2→3 filtrID "
              "3→1\nitem 4 of 3: \norder 2 again: s_Type \"Butter\"→\"Linkwi\" order 3→2 orderID 3→2\norder 4 Chebyc: "
              "s_Type \"Linkwi\"→\"Chebyc\" order 2→4 orderID 2→4 filtrID 1→5\nquiet tweeter, 3-way: s_Type "
              "\"Chebyc\"→\"Linkwi\" channel 2→3 chnelID 1→2 filtrID 5→1 HigSPL 100→80 AttM 0→-6 REQL 0→6 CEQL "
              "0→13.888889 REQM 0→6 CEQM 0→6.9444447 REQH 0→6 CEQH 0→3.4722223 RSM 0→2.9928768 RPM 0→6.028561 PRSM "
              "0→4.9881287 PRPM 0→2.4999864 RST 0→2.9928768 PRT 0→4.9881287 HigSPLbak 100→80 AttMbak 0→6\norder 3, "
              "2-way: s_Type \"Linkwi\"→\"Butter\" channel 3→2 order 4→3 chnelID 2→1 orderID 4→3\n");
}

TEST(MenuRules, FilterMenusOfferTheirKeys)
{
    EXPECT_EQ(filterKeysForOrder(1), std::vector<std::string>{"Butter"});
    EXPECT_EQ(filterKeysForOrder(3), (std::vector<std::string>{"Butter", "Bessel", "Chebyc"}));
    EXPECT_EQ(filterKeysForOrder(4), (std::vector<std::string>{"Linkwi", "Butter", "ButAsy", "Bessel", "Chebyc"}));
    EXPECT_TRUE(filterKeysForOrder(7).empty());
    EXPECT_EQ(filterItemForKey(2, "Bessel"), 4);
    EXPECT_FALSE(filterItemForKey(3, "Linkwi"));
    EXPECT_FALSE(filterItemForKey(2, "butter"));  // keys compare exactly
}

}  // namespace
}  // namespace larkspan
