#include "settings/LanguageTable.h"

namespace solvane {

const std::string& LanguageTable::line(std::size_t n) const {
    static const std::string missing = "#";
    return n < lines.size() ? lines[n] : missing;
}

const LanguageTable& germanLanguageTable() {
    static const LanguageTable table{{
        // 0 to 8: header for translators
        "Solvane Premium LanguageFile",
        "# https://solvane.marwick.example/",
        "# Translate this file - if you like - and send it to me",
        "# Please follow these instructions to make it work",
        "# 1. Translate only lines without leading '#'",
        "# 2. Keep the exact order, do not delete lines",
        "#  ",
        "#",
        "# PopupMenu:",
        // 9 to 18: tray menu
        "&Start",
        "&Stopp",
        "&Affirmationen...",
        "&Farbe && Schrift...",
        "A&nzeige...",
        "&Hilfe...",
        "&Online Tutorials...",
        "Abo&ut...",
        "&Verstecken",
        "&Beenden",
        // 19 to 21: tray tool tips
        "# PopupMenuHint",
        "Linksklick: Start / Rechtsklick: Menü",
        "Linksklick: Stopp / Rechtsklick: Menü",
        // 22 to 27: dialog title and Affirmations page
        "# Options",
        "Einstellungen",
        "# Options, Affirmationen",
        "Affirmationen",
        "Einzelne Affirmation:",
        "Ich schreite mit Leichtigkeit voran.",
        // 28 to 42: texts of the affirmation list, which this program does not offer
        "Affirmationsliste",
        "Liste öffnen...",
        "Liste speichern...",
        "Neue Liste",
        "Hinzufügen",
        "Löschen",
        "Nach oben",
        "Nach unten",
        "Reihenfolge:",
        "Nacheinander",
        "Zufällig",
        "Liste verwenden",
        "# File Open Dialog",
        "Affirmationslisten (*.txt)",
        "Alle Dateien (*.*)",
        // 43 to 56: Font & Color page
        "# Font & Color",
        "Farbe && Schrift",
        "Vorschau",
        "Schrift",
        "Schrift wählen...",
        "Zufallsschrift",
        "Zufallsgröße",
        "Farben",
        "Schriftfarbe wählen...",
        "Konturfarbe wählen...",
        "Hintergrundfarbe wählen...",
        "Zufallsfarbe",
        "Schatten",
        "Transparenz",
        // 57 to 73: Display page
        "# Display",
        "Anzeige",
        "Anzeige",
        "Bildschirm",
        "Solvane beim Windows-Start ausführen",
        "Verstecken",
        "Affirmationsanzeige (ca.):",
        "Sekunden",
        "Millisekunden",
        "Vollbildanzeige",
        "Mehrere Affirmationen nacheinander",
        "Anzahl:",
        "Pause (ca.):",
        "Minuten",
        "Sekunden",
        "Mit einer Pause beginnen",
        "Pause bei laufendem Bildschirmschoner",
        // 74 to 77: dialog buttons and end
        "# Settings",
        "OK",
        "Abbrechen",
        "# EOF :-)",
    }};
    return table;
}

}  // namespace solvane
