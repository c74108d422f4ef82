#include "platform/qt/TrayToolTip.h"

#include <gtest/gtest.h>
#include <QTextDocument>

#include <string>

namespace solvane::qt {
namespace {

class TrayToolTipText : public ::testing::TestWithParam<QString> {};

TEST_P(TrayToolTipText, ShowsLiterallyWhereTheHostReadsMarkup) {
    const QString tip = trayToolTip(GetParam(), true);
    ASSERT_TRUE(Qt::mightBeRichText(tip));
    QTextDocument document;
    document.setHtml(tip);
    EXPECT_EQ(document.toPlainText(), GetParam());
}

TEST_P(TrayToolTipText, StaysAsItIsForAPlainTextHost) { EXPECT_EQ(trayToolTip(GetParam(), false), GetParam()); }

INSTANTIATE_TEST_SUITE_P(Tips, TrayToolTipText,
                         ::testing::Values(QString("Left-Click: Stop / Right-Click: Menu"),
                                           QString("<b>bold</b> & <i>"), QString("a  &amp;  b"),
                                           QString("Links-Klick: Stopp")),
                         [](const ::testing::TestParamInfo<QString>& info) {
                             return "Tip" + std::to_string(info.index);
                         });

TEST(TrayToolTip, EmptyStaysEmpty) { EXPECT_TRUE(trayToolTip(QString(), true).isEmpty()); }

}  // namespace
}  // namespace solvane::qt
