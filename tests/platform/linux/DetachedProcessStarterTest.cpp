#include "platform/linux/DetachedProcessStarter.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include "TempXdgEnvironment.h"

namespace solvane::linuxos {
namespace {

TEST(DetachedProcessStarterTest, PassesEachArgumentAsItIsWithoutAShell) {
    testing::TempXdgEnvironment xdg;
    QFile source(xdg.path("source"));
    ASSERT_TRUE(source.open(QIODevice::WriteOnly));
    source.write("copied");
    source.close();
    // A shell would split this name, expand $HOME and run the command after ";".
    const QString target = xdg.path("name with blanks; touch $HOME 'quotes' \"more\"");

    DetachedProcessStarter starter;
    starter.start("/bin/cp", {xdg.path("source").toStdString(), target.toStdString()});

    const QDeadlineTimer deadline(std::chrono::seconds(20));
    while (QFileInfo(target).size() != 6 && !deadline.hasExpired())
        QThread::msleep(5);  // polls for the other process; the result does not depend on the time
    EXPECT_EQ(QFileInfo(target).size(), 6);
    EXPECT_FALSE(QFileInfo::exists(xdg.path("name")));
}

}  // namespace
}  // namespace solvane::linuxos
