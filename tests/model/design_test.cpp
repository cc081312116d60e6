#include "model/design.h"

#include <gtest/gtest.h>

#include "rules/menu_rules.h"

namespace larkspan {
namespace {

TEST(NewDesign, RestoresEveryInputButKeepsTheNotchComponents)
{
    Design d;
    d.s_Type = "Chebyc";
    d.channel = 3;
    d.order = 4;
    d.FX = 1000;
    d.RE = 4;
    d.HigFS = 800;
    d.HigQA = 15;
    d.MidQAPopItem = 5;
    d.MidRemvImpInc = 1;
    d.s_SPH = "Tweeter X";
    d.fileName1 = "mine.xvrdoc";
    d.DirtyFlag = d.SaveAsFlag = d.DoPrint = d.FreqCheckFlag = 1;
    d.RNTH = 3.5F;
    d.CNTM = 1e-5F;

    InitSetupParaOnSave(d);

    EXPECT_EQ(d.s_Type, "Butter");
    EXPECT_EQ(d.channel, 2);
    EXPECT_EQ(d.order, 1);
    EXPECT_EQ(d.FX, 650.0F);
    EXPECT_EQ(d.RE, 6.0F);
    EXPECT_EQ(d.HigFS, 0.0F);
    EXPECT_EQ(d.HigQA, 10.0F);
    EXPECT_EQ(d.MidQAPopItem, 3);
    EXPECT_EQ(d.MidRemvImpInc, 0);
    EXPECT_EQ(d.s_SPH, "Default High");
    EXPECT_EQ(d.fileName1, "untitled.xvrdoc");
    EXPECT_EQ(d.DirtyFlag + d.SaveAsFlag + d.DoPrint + d.FreqCheckFlag, 0);
    EXPECT_EQ(d.RNTH, 3.5F);
    EXPECT_EQ(d.CNTM, 1e-5F);
}

TEST(NewDesign, NoSaveSelectsAmplitudeAndTakesTheBackups)
{
    Design d;
    d.s_Resp = "schema";
    d.respID = 8;
    d.FX = 800;
    d.FXH = 3000;
    d.LM = 0.3F;
    InitSetupParaNoSave(d);
    EXPECT_EQ(d.s_Resp, "amp");
    EXPECT_EQ(d.respID, 1);
    EXPECT_EQ(d.FXbak, 800.0F);
    EXPECT_EQ(d.FXHbak, 3000.0F);
    EXPECT_EQ(d.LMbak, 0.3F);
}

TEST(MenuRules, OrderChangeResetsAlignmentByParity)
{
    Design d;
    chooseOrder(d, 2);
    ASSERT_FALSE(chooseFilter(d, 3));  // "ButAsy" with the default 200/2000 Hz
    EXPECT_EQ(d.s_Type, "ButAsy");
    EXPECT_EQ(d.filtrID, 3);

    d.DirtyFlag = 0;
    chooseOrder(d, 3);
    EXPECT_EQ(d.s_Type, "Butter");
    EXPECT_EQ(d.filtrID, 1);
    EXPECT_EQ(d.orderID, 3);
    EXPECT_EQ(d.DirtyFlag, 1);

    chooseOrder(d, 2);
    EXPECT_EQ(d.s_Type, "Linkwi");
}

TEST(MenuRules, ChannelChangeKeepsOrderAndResetsAlignment)
{
    Design d;
    chooseOrder(d, 4);
    chooseFilter(d, 5);
    ASSERT_EQ(d.s_Type, "Chebyc");
    d.HigSPL = 80;  // below LowSPL: the recomputed attenuation is 0
    chooseChannel(d, 2);
    EXPECT_EQ(d.channel, 3);
    EXPECT_EQ(d.chnelID, 2);
    EXPECT_EQ(d.order, 4);
    EXPECT_EQ(d.s_Type, "Linkwi");
    EXPECT_EQ(d.filtrID, 1);
    EXPECT_EQ(d.AttH, 0.0F);

    chooseOrder(d, 3);
    chooseChannel(d, 1);
    EXPECT_EQ(d.channel, 2);
    EXPECT_EQ(d.s_Type, "Butter");
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

TEST(MenuRules, FilterItemOutsideTheMenuChangesNothing)
{
    Design d;
    chooseOrder(d, 3);
    d.DirtyFlag = 0;
    EXPECT_FALSE(chooseFilter(d, 4));
    EXPECT_EQ(d.s_Type, "Butter");
    EXPECT_EQ(d.DirtyFlag, 0);
}

}  // namespace
}  // namespace larkspan
