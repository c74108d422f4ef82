// Renders each page of the settings dialog offscreen into PNG files, for a look at
// the layout: dialog_screenshots [folder [language file...]]. The program runs on the
// fake services with the real Qt windows, first in English, then in German, then in
// each language whose file is named (e.g. languages/french.txt), and the tray menu
// in each of those.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

#include "QtProgramHarness.h"
#include "dialog/TfrmConfig.h"
#include "platform/qt/ConfigDialog.h"
#include "settings/LanguageIdentifiers.h"
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

// The tray menu as it opens.
bool saveMenu(const QString& file) {
    auto* menu = QtProgramHarness::topLevel<QMenu>(QStringLiteral("PopupMenu1"));
    if (!menu) return false;
    // Opened, so that it lays out its items for the language's direction.
    menu->popup(QPoint(0, 0));
    QtProgramHarness::sync();
    const bool saved = menu->grab().save(file);
    menu->hide();
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(file));
    return saved;
}

// The language identifier of a shipped file's name, 0 when none has it.
std::int32_t identifierOf(const QString& fileName) {
    for (const solvane::LanguageFileEntry& entry : solvane::languageFileEntries()) {
        if (QString::fromStdString(entry.fileName) == fileName) return entry.identifier;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    const std::pair<ConfigPage, const char*> pages[] = {{ConfigPage::Links, "links"},
                                                        {ConfigPage::Affirmations, "affirmations"},
                                                        {ConfigPage::FontColour, "font-colour"},
                                                        {ConfigPage::Display, "display"},
                                                        {ConfigPage::About, "about"},
                                                        {ConfigPage::Thanks, "thanks"}};
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
        allSaved &=
            savePage(h, ConfigPage::FontColour, folder.filePath(QStringLiteral("dialog-font-colour-shadow.png")));

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
        h.fake.store.key(solvane::platform::StoreRoot::LocalMachine,
                         solvane::InstallerLanguageKeyPath)["Installer Language"] = std::string("1031");
        h.program.destroyWindows();
        h.program.createWindows();
        h.program.config().show();
        for (const auto& [page, name] : pages)
            allSaved &= savePage(h, page, folder.filePath(QStringLiteral("dialog-de-%1.png").arg(QLatin1String(name))));
    }
    for (int argument = 2; argument < argc; ++argument) {
        const QFileInfo language(QString::fromLocal8Bit(argv[argument]));
        QFile file(language.filePath());
        const std::int32_t identifier = identifierOf(language.fileName());
        if (identifier == 0 || !file.open(QIODevice::ReadOnly)) {
            std::printf("FAILED %s: no such language file\n", qPrintable(language.filePath()));
            allSaved = false;
            continue;
        }
        QtProgramHarness h;
        h.fake.files.files["/opt/solvane/bin/" + language.fileName().toStdString()] = file.readAll().toStdString();
        h.fake.store.key(solvane::platform::StoreRoot::LocalMachine,
                         solvane::InstallerLanguageKeyPath)["Installer Language"] = std::to_string(identifier);
        h.program.destroyWindows();
        h.program.createWindows();
        h.program.config().show();
        const QString stem = language.completeBaseName();
        for (const auto& [page, name] : pages)
            allSaved &=
                savePage(h, page, folder.filePath(QStringLiteral("dialog-%1-%2.png").arg(stem, QLatin1String(name))));
        allSaved &= saveMenu(folder.filePath(QStringLiteral("menu-%1.png").arg(stem)));
    }
    return allSaved ? 0 : 1;
}
