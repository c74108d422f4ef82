#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "platform/fake/FakeServices.h"
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
}

// Every page of both sets ships with the program: a file:// address of a distinct file
// in resources/pages, which the build copies beside the executable and installs.
TEST(InformationPagesTest, EveryAddressNamesAShippedPage) {
    namespace fs = std::filesystem;
    const fs::path shipped = fs::path(__FILE__).parent_path().parent_path().parent_path() / "resources" / "pages";
    fake::FakeProgramFiles files;
    const std::string prefix = "file:///opt/solvane/bin/pages/";
    for (PageLanguage language : {PageLanguage::English, PageLanguage::German}) {
        const WebPages set = shippedWebPages(files, language);
        std::set<std::string> distinct{set.ProductPage, set.TutorialPage, set.GratitudePage};
        for (const auto& link : set.BoardLink) distinct.insert(link);
        EXPECT_EQ(distinct.size(), 9u);
        for (const std::string& address : distinct) {
            ASSERT_EQ(address.rfind(prefix, 0), 0u) << address;
            EXPECT_TRUE(fs::is_regular_file(shipped / address.substr(prefix.size()))) << address;
        }
    }
}

TEST(InformationPagesTest, FileAddressesEscapeWhatAnAddressCannotHoldAsItIs) {
    EXPECT_EQ(fileAddress("/usr/share/solvane/pages/en/product.html"),
              "file:///usr/share/solvane/pages/en/product.html");
    EXPECT_EQ(fileAddress("/home/ann/My Apps/#1 100%/\xC3\xBC.html"),
              "file:///home/ann/My%20Apps/%231%20100%25/%C3%BC.html");
    EXPECT_EQ(fileAddress("C:\\Program Files\\Solvane\\pages\\de\\produkt.html"),
              "file:///C:/Program%20Files/Solvane/pages/de/produkt.html");
}

}  // namespace
}  // namespace solvane
