#include <gtest/gtest.h>

#include <set>

#include "support/ProgramHarness.h"

namespace solvane {
namespace {

TEST(InformationPagesTest, EveryClickableElementOpensItsPage) {
    testing::ProgramHarness h;
    h.start();
    TfrmConfig& c = h.config();
    const WebPages& pages = h.program.texts.pages;
    c.Image4.userClick();
    c.Image5.userClick();
    c.Image3.userClick();
    c.Image6.userClick();
    c.Image7.userClick();
    c.Image9.userClick();
    c.Image15.userClick();
    c.Label10.userClick();
    c.Label15.userClick();
    c.Image11.userClick();
    EXPECT_EQ(h.fake.shell.opened,
              (std::vector<std::string>{pages.BoardLink[0], pages.BoardLink[1], pages.BoardLink[2], pages.BoardLink[3],
                                        pages.BoardLink[4], pages.BoardLink[5], pages.ProductPage, pages.ProductPage,
                                        pages.ProductPage, pages.GratitudePage}));
    // Nine distinct addresses in each set.
    for (const WebPages* set : {&englishWebPages(), &germanWebPages()}) {
        std::set<std::string> distinct{set->ProductPage, set->TutorialPage, set->GratitudePage};
        for (const auto& link : set->BoardLink) distinct.insert(link);
        EXPECT_EQ(distinct.size(), 9u);
    }
}

}  // namespace
}  // namespace solvane
