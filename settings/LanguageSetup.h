#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace solvane {

class Program;

namespace platform {
class KeyStore;
class TextConverter;
}  // namespace platform

// Where the installer records the interface language, per machine or per user.
inline constexpr const char* InstallerLanguageKeyPath = "Software\\Marwick\\Marwick's Solvane";
inline constexpr const char* InstallerLanguageValue = "Installer Language";

// The language the installer recorded: the machine's value if it has one, else the
// user's, which is then copied to the machine key when it is not English. A value that
// is no decimal number counts as English; a copy the user has no right to make is skipped.
// Where neither key records one (no installer ran, as on Linux), the first of the
// desktop's languages that has interface texts, else English; that choice is not
// recorded, so a change of the desktop's language is followed at the next start.
std::int32_t findInstallerLanguage(platform::KeyStore& store, const std::vector<std::string>& desktopLanguages = {});

// Chooses the interface language when the settings dialog is created and applies its
// texts: English by default, German from the built-in table, any other listed language
// from its file (converted from the language's code page when it is not UTF-8).
void setUpLanguage(Program& program, platform::TextConverter& converter);
// The same without a code-page converter: only UTF-8 language files can be read.
void setUpLanguage(Program& program);

}  // namespace solvane
