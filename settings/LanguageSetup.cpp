#include "settings/LanguageSetup.h"

#include <charconv>
#include <memory>
#include <optional>
#include <string>

#include "app/Program.h"
#include "dialog/TfrmConfig.h"
#include "platform/KeyStore.h"
#include "platform/TextConverter.h"
#include "settings/DesktopLanguage.h"
#include "settings/LanguageFileLoader.h"
#include "settings/LanguageIdentifiers.h"
#include "settings/LanguageTable.h"
#include "settings/LanguageTexts.h"

namespace solvane {

namespace {

using platform::StoreError;
using platform::StoreKey;
using platform::StoreRoot;

// The whole text as a decimal 32-bit number (an optional minus, digits, nothing else).
std::optional<std::int32_t> strictDecimal(const std::string& text) {
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, 10);
    if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
    return value;
}

// The key's language identifier, written as text by the installer. A store that keeps
// it as a number is understood too; anything else counts as English.
std::int32_t readLanguage(StoreKey& key) {
    try {
        return strictDecimal(key.readText(InstallerLanguageValue)).value_or(EnglishLanguage);
    } catch (const StoreError&) {}
    try {
        return key.readInteger(InstallerLanguageValue);
    } catch (const StoreError&) {}
    return EnglishLanguage;
}

// The identifier of the key's value, or nothing when the key or the value is missing.
std::optional<std::int32_t> languageIn(StoreKey* key) {
    if (!key) return std::nullopt;
    try {
        if (!key->valueExists(InstallerLanguageValue)) return std::nullopt;
    } catch (const StoreError&) {
        return std::nullopt;
    }
    return readLanguage(*key);
}

void closeQuietly(StoreKey& key) {
    try {
        key.close();
    } catch (const StoreError&) {
        // Publishing the machine key needs rights an ordinary user lacks.
    }
}

}  // namespace

std::int32_t findInstallerLanguage(platform::KeyStore& store, const std::vector<std::string>& desktopLanguages) {
    const std::unique_ptr<StoreKey> machine = store.open(StoreRoot::LocalMachine, InstallerLanguageKeyPath);
    if (const std::optional<std::int32_t> language = languageIn(machine.get())) {
        closeQuietly(*machine);
        return *language;
    }

    std::optional<std::int32_t> recorded;
    if (const std::unique_ptr<StoreKey> user = store.open(StoreRoot::CurrentUser, InstallerLanguageKeyPath)) {
        recorded = languageIn(user.get());
        closeQuietly(*user);
    }
    const std::int32_t language = recorded.value_or(desktopLanguage(desktopLanguages).value_or(EnglishLanguage));
    if (machine) {
        if (recorded && language != EnglishLanguage) {
            try {
                machine->writeText(InstallerLanguageValue, std::to_string(language));
            } catch (const StoreError&) {
                // The machine key belongs to the administrator; the user's choice still counts.
            }
        }
        closeQuietly(*machine);
    }
    return language;
}

void setUpLanguage(Program& program, platform::TextConverter& converter) {
    program.texts = UiTexts{};  // English texts
    program.texts.pages = shippedWebPages(program.platform.files, PageLanguage::English);

    const std::int32_t language =
        findInstallerLanguage(program.platform.store, program.platform.locale.preferredLanguages());
    if (language == GermanLanguage) {
        TfrmConfig& config = program.config();
        config.tabCaption[static_cast<int>(ConfigPage::Thanks)] = "Danke";
        config.germanPictures = true;
        program.texts.pages = shippedWebPages(program.platform.files, PageLanguage::German);
        ApplyLanguageTexts(program, germanLanguageTable());
        return;
    }
    if (const std::optional<LanguageFileEntry> entry = languageFileFor(language)) {
        LanguageTable table;
        if (LoadLanguageFile(table, *entry, program.platform.files, converter)) {
            ApplyLanguageTexts(program, table);
            program.texts.RightToLeft = writesRightToLeft(language);
        }
    }
}

void setUpLanguage(Program& program) { setUpLanguage(program, program.platform.text); }

}  // namespace solvane
