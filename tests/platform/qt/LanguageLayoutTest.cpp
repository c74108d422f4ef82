// The settings dialog and the tray menu in every shipped language: no caption is cut
// off by its control, and the languages written from right to left get the mirror
// image of the dialog.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "QtProgramHarness.h"
#include "platform/qt/TrayIconView.h"
#include "settings/LanguageIdentifiers.h"
#include "settings/LanguageSetup.h"

namespace solvane::qt {
namespace {

using testing::QtProgramHarness;

// The program on the fake services, in the language of the shipped file.
struct LanguageProgram {
    explicit LanguageProgram(const LanguageFileEntry& language) {
        if (!language.fileName.empty()) {
            QFile file(QStringLiteral(SOLVANE_LANGUAGES_SOURCE_DIR "/") + QString::fromStdString(language.fileName));
            EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << language.fileName;
            h.fake.files.files["/opt/solvane/bin/" + language.fileName] = file.readAll().toStdString();
        }
        h.fake.store.key(platform::StoreRoot::LocalMachine, InstallerLanguageKeyPath)[InstallerLanguageValue] =
            std::to_string(language.identifier);
        h.program.destroyWindows();
        h.program.createWindows();
        dialog = qobject_cast<QDialog*>(h.configDialog());
        h.program.config().show();
        QtProgramHarness::sync();
    }
    ~LanguageProgram() { h.program.config().close(); }

    QtProgramHarness h;
    QDialog* dialog = nullptr;
};

// English and German (built in, no file), then one entry per shipped file (some
// identifiers share a file).
std::vector<LanguageFileEntry> shippedLanguages() {
    std::vector<LanguageFileEntry> languages{{EnglishLanguage, "", ""}, {GermanLanguage, "", ""}};
    std::set<std::string> seen;
    for (const LanguageFileEntry& entry : languageFileEntries()) {
        if (seen.insert(entry.fileName).second) languages.push_back(entry);
    }
    return languages;
}

std::string languageName(const LanguageFileEntry& language) {
    return language.fileName.empty() ? std::to_string(language.identifier) : language.fileName;
}

QString withoutAccessKeys(QString caption) {
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return caption;
}

// The captions of one page that do not fit their controls, as "name: caption".
std::vector<std::string> cutCaptions(QWidget* page) {
    std::vector<std::string> cut;
    const auto report = [&cut](const QWidget* widget, const QString& caption, int needed = 0) {
        std::string line = widget->objectName().toStdString() + ": \"" + caption.toStdString() + "\"";
        if (needed > 0) line += " needs " + std::to_string(needed) + " of " + std::to_string(widget->width()) + " px";
        cut.push_back(line);
    };
    for (QGroupBox* group : page->findChildren<QGroupBox*>()) {
        const int room = group->width() - 2 * group->style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
        const int title = group->fontMetrics().horizontalAdvance(group->title());
        if (title > room) report(group, group->title(), title);
        for (QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            // Every control lies inside its group, also those that follow a longer caption.
            if (!group->rect().adjusted(1, 0, -1, 0).contains(child->geometry())) report(child, "outside its group");
        }
    }
    for (QCheckBox* box : page->findChildren<QCheckBox*>()) {
        // Where the style puts the caption, and the caption's own width (Qt's size hint
        // adds a margin that the caption does not need).
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        const int textLeft = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).left();
        const int needed = textLeft + box->fontMetrics().horizontalAdvance(withoutAccessKeys(box->text()));
        if (needed > box->width()) report(box, box->text(), needed);
    }
    for (QPushButton* button : page->findChildren<QPushButton*>()) {
        const int needed = button->fontMetrics().horizontalAdvance(withoutAccessKeys(button->text())) + 8;
        if (needed > button->width()) report(button, button->text(), needed);
    }
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (label->isVisible() && label->sizeHint().width() > label->width())
            report(label, label->text(), label->sizeHint().width());
    }
    return cut;
}

TEST(LanguageLayout, EveryLanguageShowsEveryCaptionWhole) {
    for (const LanguageFileEntry& language : shippedLanguages()) {
        LanguageProgram run(language);
        ASSERT_NE(run.dialog, nullptr);
        auto* pages = run.dialog->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        // All six tabs in one row, without scroll buttons.
        EXPECT_LE(pages->tabBar()->sizeHint().width(), pages->width()) << languageName(language);
        for (int page = 0; page < pages->count(); ++page) {
            run.h.program.config().setActivePage(static_cast<ConfigPage>(page));
            QtProgramHarness::sync();
            for (const std::string& caption : cutCaptions(pages->widget(page)))
                ADD_FAILURE() << languageName(language) << ", page " << page << ": " << caption;
        }
        for (const char* name : {"Button9", "Button10"}) {
            auto* button = run.dialog->findChild<QPushButton*>(QString::fromLatin1(name));
            EXPECT_LE(button->fontMetrics().horizontalAdvance(withoutAccessKeys(button->text())) + 8, button->width())
                << languageName(language) << ": " << button->text().toStdString();
        }
    }
}

TEST(LanguageLayout, RightToLeftLanguagesMirrorTheDialogAndTheMenu) {
    for (const LanguageFileEntry& language : shippedLanguages()) {
        LanguageProgram run(language);
        const bool mirrored = writesRightToLeft(language.identifier);
        SCOPED_TRACE(languageName(language));
        EXPECT_EQ(run.dialog->layoutDirection(), mirrored ? Qt::RightToLeft : Qt::LeftToRight);
        // OK at 332 and Cancel at 424 of the 513 pixels: mirrored, Cancel comes first.
        EXPECT_EQ(run.dialog->findChild<QPushButton*>(QStringLiteral("Button9"))->x(), mirrored ? 513 - 332 - 83 : 332);
        EXPECT_EQ(run.dialog->findChild<QPushButton*>(QStringLiteral("Button10"))->x(),
                  mirrored ? 513 - 424 - 83 : 424);
        // A control in a group keeps its distance from the group's other side.
        auto* font = run.dialog->findChild<QPushButton*>(QStringLiteral("Button6"));
        EXPECT_EQ(font->x(), mirrored ? 486 - 12 - 160 : 12);
        // Shown again, the dialog stays mirrored once and not twice.
        run.h.program.config().close();
        run.h.program.config().show();
        EXPECT_EQ(font->x(), mirrored ? 486 - 12 - 160 : 12);

        auto* menu = QtProgramHarness::topLevel<QMenu>(QStringLiteral("PopupMenu1"));
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->layoutDirection(), mirrored ? Qt::RightToLeft : Qt::LeftToRight);
    }
}

// Where each menu item's text ink ends on the right (or starts on the left): the
// columns that differ clearly from the row's background colour.
std::vector<int> itemInkEdges(QMenu& menu, bool rightEdge) {
    menu.adjustSize();
    const QImage image = menu.grab().toImage();
    std::vector<int> edges;
    for (QAction* action : menu.actions()) {
        if (action->isSeparator() || !action->isVisible()) continue;
        const QRect row = menu.actionGeometry(action);
        const QRgb background = image.pixel(row.left() + 1, row.top() + 1);
        int left = row.right(), right = row.left();
        for (int y = row.top() + 1; y < row.bottom(); ++y) {
            for (int x = row.left() + 1; x < row.right(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (std::abs(qGray(pixel) - qGray(background)) < 80) continue;
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        edges.push_back(rightEdge ? right : left);
    }
    return edges;
}

TEST(LanguageLayout, MenuTextsLineUpOnTheSideTheLanguageStartsFrom) {
    for (const LanguageFileEntry& language : shippedLanguages()) {
        const bool mirrored = writesRightToLeft(language.identifier);
        if (!mirrored && language.identifier != EnglishLanguage) continue;
        LanguageProgram run(language);
        SCOPED_TRACE(languageName(language));
        auto* menu = QtProgramHarness::topLevel<QMenu>(QStringLiteral("PopupMenu1"));
        ASSERT_NE(menu, nullptr);
        const std::vector<int> edges = itemInkEdges(*menu, mirrored);
        ASSERT_FALSE(edges.empty());
        const auto [first, last] = std::minmax_element(edges.begin(), edges.end());
        // The items' texts differ in length by far more than this.
        EXPECT_LE(*last - *first, 4) << "ink edges from " << *first << " to " << *last;
        // ...and they line up against the side the language starts from.
        if (mirrored)
            EXPECT_GT(*first, menu->width() / 2);
        else
            EXPECT_LT(*last, menu->width() / 2);
    }
}

}  // namespace
}  // namespace solvane::qt
