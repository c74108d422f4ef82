#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "app/controls/ChangeNotifier.h"
#include "app/controls/CheckBox.h"
#include "app/controls/EditField.h"
#include "app/controls/Label.h"
#include "app/controls/SimpleControls.h"
#include "app/controls/Timer.h"
#include "app/controls/TrackBar.h"
#include "display/TextLayers.h"
#include "platform/FontSpec.h"
#include "platform/WindowSystem.h"

namespace solvane {

class Program;

// The dialog's pages, in the order of their tabs.
enum class ConfigPage { Links, Affirmations, FontColour, Display, About, Thanks };

// The settings dialog. Its controls hold the live working values of Settings.
class TfrmConfig {
public:
    explicit TfrmConfig(Program& program);
    ~TfrmConfig();
    TfrmConfig(const TfrmConfig&) = delete;
    TfrmConfig& operator=(const TfrmConfig&) = delete;

    // Tells the front end that a control changed.
    ChangeNotifier notifier;

    // Creation sequence: texts, language, then the stored settings.
    void FormCreate();

    // --- Visibility ---
    bool visible() const { return visible_; }
    void show();  // visible and brought to the front
    // Hides it and keeps the working values: for the closes the program makes
    // itself (Hide, the end of the program, a restart).
    void close();
    // The user dismissed the dialog without its buttons (Escape, the window
    // manager's close): the same as Cancel, so that edits the user turned away
    // from are not stored by the next save.
    void userDismiss();
    bool isForeground();
    void bringToFront();
    Rect frame();
    ConfigPage activePage() const { return activePage_; }
    // The dialog is mirrored for a language written from right to left.
    bool rightToLeft() const;
    void setActivePage(ConfigPage page);

    // --- Frame ---
    std::string caption = "Settings";
    Button Button9{&notifier};   // OK
    Button Button10{&notifier};  // Cancel
    void Button9Click();
    void Button10Click();
    std::string tabCaption[6] = {"Links", "Affirmations", "Font && Color", "Display", "About", "Thanks"};

    // --- Display page ---
    std::string GroupBoxDisplayCaption = " Display options  ";
    ComboBox ComboBox1{&notifier};  // monitor list
    CheckBox cbAutorun{&notifier};
    CheckBox cbVersteckt{&notifier};  // hide when started at log-on
    Label Label14{&notifier};         // "Display time (ca.):"
    EditField Edit1{&notifier};       // display time, whole seconds
    Label Label32{&notifier};         // "Seconds"
    EditField Edit4{&notifier};       // display time, milliseconds
    Label Label33{&notifier};         // "Milliseconds"
    TrackBar tbAnzeige;               // display time in ms; limits and default as stored
    Label Label12{&notifier};         // "Pause (ca.):"
    EditField Edit3{&notifier};       // pause, whole minutes
    Label Label20{&notifier};         // "Minutes"
    EditField Edit2{&notifier};       // pause, seconds
    Label Label21{&notifier};         // "Seconds"
    TrackBar tbAnzeigeIntervall;      // pause in s; limits and default as stored
    CheckBox cbVollbild{&notifier};   // full screen
    CheckBox cbStartWithPause{&notifier};
    CheckBox cbMultiple{&notifier};  // several affirmations per run
    CheckBox cbSCRPause{&notifier};  // pause while a screen saver runs
    Label Label13{&notifier};        // "Count: "
    EditField Edit8{&notifier};      // count of a run, kept as text

    // The time and count fields check some of their rules only when they are left
    // (the ...Exit handlers: a pause under the minimum, a count under 2), so that a
    // value can be typed digit by digit; the ...Change handlers follow every edit.
    void cbAutorunClick();
    void Edit1Click();
    void Edit1Exit();
    void Edit1Change();
    void Edit4Click();
    void Edit4Change();
    void Edit4Exit();
    void tbAnzeigeChange();
    void Edit3Click();
    void Edit3Exit();
    void Edit3Change();
    void Edit2Click();
    void Edit2Exit();
    void Edit2Change();
    void tbAnzeigeIntervallChange();
    void cbMultipleClick();
    void Edit8Click();
    void Edit8Change();
    void Edit8Exit();

    // --- Font & Color page ---
    std::string GroupBoxPreviewCaption = " Preview  ";
    std::string GroupBoxFontCaption = " Font  ";
    // German also in the English interface, as the dialog was designed; a language
    // file replaces it.
    std::string GroupBoxColoursCaption = " Farben  ";
    Shape Shape2{&notifier};   // preview backdrop
    Label Label11{&notifier};  // preview shadow copy
    Label Label2{&notifier};   // preview contour copies
    Label Label3{&notifier};
    Label Label4{&notifier};
    Label Label5{&notifier};
    Label Label1{&notifier};  // preview text; the display takes its font from it
    // Which preview label draws which text layer; Label2 to Label5 lie left, below, right and above.
    LayerLabels previewLabels() { return {Label11, Label2, Label3, Label4, Label5, Label1}; }
    ConstLayerLabels previewLabels() const { return {Label11, Label2, Label3, Label4, Label5, Label1}; }
    FontSpec LabelToSaveFontWhileDialogIsOpen;
    Button Button6{&notifier};                // "Choose font..."
    EditField Edit6{&notifier};               // font name in use (read-only)
    CheckBox cbZSchriftart{&notifier};        // random font
    CheckBox cbZSize{&notifier};              // random size
    Button Button3{&notifier};                // "Choose font color..."
    Shape Shape3{&notifier};                  // text colour swatch
    CheckBox cbZSFarbe{&notifier};            // random text colour
    CheckBox cbSchatten{&notifier};           // shadow
    Button Button4{&notifier};                // "Choose border color..."
    Shape Shape4{&notifier};                  // contour colour swatch
    CheckBox cbZKFarbe{&notifier};            // random contour colour
    CheckBox cbKonturtransparenz{&notifier};  // no contour
    Button Button2{&notifier};                // "Choose background color..."
    Shape Shape1{&notifier};                  // background colour swatch
    CheckBox cbZFarbe{&notifier};             // random background colour
    CheckBox cbTBack{&notifier};              // transparent background

    // The chosen font (the font chooser's font): name, size, style and colour; the
    // stored default until the first load.
    FontSpec FontDialog1Font;
    // The font colour as the last settings load read it.
    Colour loadedFontColour = 0;

    void cbKonturtransparenzClick();
    void cbSchattenClick();
    // The preview's backdrop (Shape2) shows the background swatch's colour.
    void showBackColourInPreview();
    void cbTBackClick();
    void cbZSFarbeClick();
    void cbZKFarbeClick();
    void cbZFarbeClick();
    void cbZSchriftartClick();
    void cbZSizeClick();
    // The font chooser: opened by Button6, placed by FontDialog1Show, Apply handled by FontDialog1Apply.
    void Button6Click();
    Point FontDialog1Show();
    void FontDialog1Apply(const FontSpec& font);
    // The colour choosers, opened by a mouse button released over a colour button or its swatch.
    void Shape3MouseUp();  // text colour
    void Shape4MouseUp();  // contour colour
    void Shape1MouseUp();  // background colour

    // --- Affirmations page ---
    std::string GroupBoxAffirmationsCaption = " Affirmations  ";
    Label Label16{&notifier};    // "Single affirmation:"
    EditField Edit5{&notifier};  // the single affirmation
    void Edit5Change();

    // --- About page ---
    std::string Memo2Caption = "The affirmation program for your desktop";
    std::string Memo2ProductLine = "Solvane Premium";
    void setServedLine(const std::string& line);

    // --- Information pages ---
    // German interface: the Links and Thanks pages show their German pictures.
    bool germanPictures = false;
    // Click areas over the Links page's picture board: links 1 to 6.
    Button Image4{&notifier};
    Button Image5{&notifier};
    Button Image3{&notifier};
    Button Image6{&notifier};
    Button Image7{&notifier};
    Button Image9{&notifier};
    // The About page's picture, notice line and web address; the Thanks page's picture.
    Button Image15{&notifier};
    Label Label10{&notifier};
    Label Label15{&notifier};
    Button Image11{&notifier};
    void Image4Click();
    void Image5Click();
    void Image3Click();
    void Image6Click();
    void Image7Click();
    void Image9Click();
    void StaticText5Click();
    void Image11Click();

    // --- Values without a control ---
    int ReihenfolgePosition = 0;  // stored, written back unchanged

    // The pause timer: its handler, which keeps the original name Timer1Timer, ends a pause.
    Timer PauseTimer;
    void Timer1Timer();

private:
    void setDesignState();
    // The display-time and pause fields show their bars' positions.
    void showDisplayTime();
    void showPause();
    void bindHandlers();
    void setDisplayBar(std::int64_t milliseconds);
    void setPauseBar(std::int64_t seconds);
    void applyPauseMinimum();

    Program& program_;
    std::unique_ptr<platform::DialogView> view_;
    bool visible_ = false;
    ConfigPage activePage_ = ConfigPage::Affirmations;
};

}  // namespace solvane
