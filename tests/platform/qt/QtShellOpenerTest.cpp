#include "platform/qt/QtShellOpener.h"

#include <gtest/gtest.h>

namespace solvane::qt {
namespace {

struct UrlCase {
    std::string target;
    QString expected;
};

class ShellOpenerUrl : public ::testing::TestWithParam<UrlCase> {};

TEST_P(ShellOpenerUrl, KeepsAddressesAndTurnsPathsIntoFiles) {
    EXPECT_EQ(urlForTarget(GetParam().target).toString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, ShellOpenerUrl,
    ::testing::Values(UrlCase{"https://example.org/tutorials?lang=en", "https://example.org/tutorials?lang=en"},
                      UrlCase{"mailto:someone@example.org", "mailto:someone@example.org"},
                      UrlCase{"/opt/solvane/readme.txt", "file:///opt/solvane/readme.txt"},
                      UrlCase{"/home/me/My Files/read#me.txt", "file:///home/me/My Files/read%23me.txt"},
                      UrlCase{"/tmp/a:b.txt", "file:///tmp/a:b.txt"}));

}  // namespace
}  // namespace solvane::qt
