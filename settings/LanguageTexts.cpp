#include "settings/LanguageTexts.h"

#include "app/Program.h"
#include "app/TfrmSlv17k30Main.h"
#include "dialog/TfrmConfig.h"

namespace solvane {

std::string framedCaption(const std::string& text) { return " " + text + "  "; }

void ApplyLanguageTexts(Program& program, const LanguageTable& table) {
    const auto text = [&table](std::size_t line) -> const std::string& { return table.line(line); };
    UiTexts& texts = program.texts;
    TfrmSlv17k30Main& main = program.main();
    TfrmConfig& config = program.config();

    // Tray menu. The cycle tells whether it runs by comparing the Start/Stop caption
    // with MenuStop, so the two must differ: a table that gives both the same text
    // (a short file pads both with "#") keeps the English pair, which still works.
    if (text(9) != text(10)) {
        texts.MenuStart = text(9);
        texts.MenuStop = text(10);
    }
    main.StartStopp1.setCaption(texts.MenuStop);
    main.Affirmationen1.setCaption(text(11));
    main.FarbeSchrift1.setCaption(text(12));
    main.Anzeige1.setCaption(text(13));
    main.Hilfe1.setCaption(text(14));
    main.OnlineTutorials1.setCaption(text(15));
    main.About1.setCaption(text(16));
    main.Verstecken1.setCaption(text(17));
    main.Beenden1.setCaption(text(18));

    // Tray tool tips; the cycle runs at start, so the icon shows the running one.
    texts.TipStart = text(20);
    texts.TipStop = text(21);
    main.TrayIcon1.setToolTip(texts.TipStop);

    // The dialog's frame.
    config.caption = text(23);
    config.Button9.caption = text(75);
    config.Button10.caption = text(76);

    // Affirmations page.
    config.tabCaption[static_cast<int>(ConfigPage::Affirmations)] = text(25);
    config.GroupBoxAffirmationsCaption = framedCaption(text(25));
    config.Label16.setCaption(text(26));
    texts.DefaultAffirmation = text(27);

    // Font & Color page.
    config.tabCaption[static_cast<int>(ConfigPage::FontColour)] = text(44);
    config.GroupBoxPreviewCaption = framedCaption(text(45));
    config.GroupBoxFontCaption = framedCaption(text(46));
    config.Button6.caption = text(47);
    config.cbZSchriftart.caption = text(48);
    config.cbZSize.caption = text(49);
    config.GroupBoxColoursCaption = framedCaption(text(50));
    config.Button3.caption = text(51);
    config.Button4.caption = text(52);
    config.Button2.caption = text(53);
    config.cbZSFarbe.caption = text(54);
    config.cbZKFarbe.caption = text(54);
    config.cbZFarbe.caption = text(54);
    config.cbSchatten.caption = text(55);
    config.cbKonturtransparenz.caption = text(56);
    config.cbTBack.caption = text(56);

    // Display page.
    config.tabCaption[static_cast<int>(ConfigPage::Display)] = text(58);
    config.GroupBoxDisplayCaption = framedCaption(text(59));
    texts.MonitorWord = text(60);
    config.cbAutorun.caption = text(61);
    config.cbVersteckt.caption = text(62);
    config.Label14.setCaption(text(63));
    config.Label32.setCaption(text(64));
    config.Label33.setCaption(text(65));
    config.cbVollbild.caption = text(66);
    config.cbMultiple.caption = text(67);
    config.Label13.setCaption(text(68));
    config.Label12.setCaption(text(69));
    config.Label20.setCaption(text(70));
    config.Label21.setCaption(text(71));
    config.cbStartWithPause.caption = text(72);
    config.cbSCRPause.caption = text(73);

    // Captions of buttons, boxes and tabs are plain fields: tell the front end once.
    config.notifier.notify();
}

}  // namespace solvane
