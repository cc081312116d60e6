// The user's manual mentions every item of every menu: the menu table the
// window is built from is the truth, the manual's text is searched for each.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/menu_table.h"

namespace larkspan {
namespace {

TEST(Manual, MentionsEveryMenuItem)
{
    std::ifstream file(LARKSPAN_MANUAL);
    ASSERT_TRUE(file) << LARKSPAN_MANUAL;
    std::stringstream text;
    text << file.rdbuf();
    const std::string manual = text.str();

    int items = 0;
    for (const auto& menus : {menu::barMenus(), menu::submenus()})
        for (const menu::Menu& m : menus) {
            EXPECT_NE(manual.find(m.title), std::string::npos) << "menu " << m.title;
            for (const menu::Item& item : m.items) {
                if (!item.text) continue;
                ++items;
                EXPECT_NE(manual.find(item.text), std::string::npos) << m.title << " > " << item.text;
            }
        }
    EXPECT_GT(items, 40);
}

}  // namespace
}  // namespace larkspan
