// Renders each page of the settings dialog offscreen into PNG files, for a look at
// the layout: dialog_screenshots [folder]. The program runs on the fake services
// with the real Qt windows, first in English, then the pages that change in German.
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

#include "QtProgramHarness.h"
#include "dialog/TfrmConfig.h"
#include "platform/qt/ConfigDialog.h"
#include "settings/LanguageSetup.h"

namespace {

using solvane::ConfigPage;
using solvane::qt::testing::QtProgramHarness;

bool savePage(QtProgramHarness& h, ConfigPage page, const QString& file) {
    h.program.config().setActivePage(page);
    QtProgramHarness::sync();
    QWidget* dialog = QtProgramHarness::topLevel<QDialog>(QStringLiteral("TfrmConfig"));
    const bool saved = dialog && dialog->grab().save(file);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(file));
    return saved;
}

// Grabs the next modal chooser into the file once it shows, then closes it.
void grabNextModal(const QString& file, bool* saved) {
    QTimer::singleShot(0, [file, saved] {
        QWidget* chooser = QApplication::activeModalWidget();
        if (!chooser) return;
        *saved = chooser->grab().save(file);
        std::printf("%s %s\n", *saved ? "wrote" : "FAILED", qPrintable(file));
        static_cast<QDialog*>(chooser)->reject();
    });
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    const std::pair<ConfigPage, const char*> pages[] = {
        {ConfigPage::Links, "links"},     {ConfigPage::Affirmations, "affirmations"},
        {ConfigPage::FontColour, "font-colour"}, {ConfigPage::Display, "display"},
        {ConfigPage::About, "about"},     {ConfigPage::Thanks, "thanks"}};
    bool allSaved = true;
    {
        QtProgramHarness h;
        h.program.config().show();
        for (const auto& [page, name] : pages)
            allSaved &= savePage(h, page, folder.filePath(QStringLiteral("dialog-%1.png").arg(QLatin1String(name))));

        // The preview with shadow, contour and a solid blue background.
        solvane::TfrmConfig& config = h.program.config();
        config.cbSchatten.userClick();
        config.cbTBack.userClick();
        config.Shape1.setColour(solvane::rgb(40, 60, 200));
        config.cbZFarbeClick();
        config.Edit5.userType("Ich bin <b>froh</b> & frei");
        allSaved &= savePage(h, ConfigPage::FontColour, folder.filePath(QStringLiteral("dialog-font-colour-shadow.png")));

        bool fontSaved = false;
        grabNextModal(folder.filePath(QStringLiteral("chooser-font.png")), &fontSaved);
        config.Button6.userClick();
        bool colourSaved = false;
        grabNextModal(folder.filePath(QStringLiteral("chooser-colour.png")), &colourSaved);
        config.Button3.userClick();
        allSaved &= fontSaved && colourSaved;
    }
    {
        QtProgramHarness h;
        h.fake.store.key(solvane::platform::StoreRoot::LocalMachine, solvane::InstallerLanguageKeyPath)["Installer Language"] =
            std::string("1031");
        h.program.destroyWindows();
        h.program.createWindows();
        h.program.config().show();
        for (const auto& [page, name] : pages)
            allSaved &= savePage(h, page, folder.filePath(QStringLiteral("dialog-de-%1.png").arg(QLatin1String(name))));
    }
    return allSaved ? 0 : 1;
}
