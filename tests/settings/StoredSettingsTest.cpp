#include "settings/StoredSettings.h"

#include <gtest/gtest.h>

#include <cctype>

#include "support/ProgramHarness.h"

namespace solvane {
namespace {

using testing::ProgramHarness;

// A value the setting can hold that is not the one given: a flag turned over, a number
// off by one bit, a count one higher with its leading zeros, any other text longer.
fake::StoredValue anotherValue(const StoredSetting& setting, const fake::StoredValue& value) {
    if (setting.type != StoredType::Text) return std::get<std::int32_t>(value) ^ 1;
    std::string text = std::get<std::string>(value);
    if (!text.empty() && std::isdigit(static_cast<unsigned char>(text.back())) && text.back() != '9') {
        ++text.back();
        return text;
    }
    return text + " too";
}

// What a program started without stored settings saves.
fake::FakeKeyStore::Key savedDefaults() {
    ProgramHarness h;
    h.start();
    SaveSettings(h.program);
    return h.stored();
}

TEST(StoredSettingsTest, EachValueReachesItsOwnHolderAndIsSavedBackUnchanged) {
    const fake::FakeKeyStore::Key defaults = savedDefaults();
    ASSERT_EQ(defaults.size(), std::size(StoredSettings));
    for (const StoredSetting& setting : StoredSettings) {
        // ListFile is never read; the font position only with its font order file (tested with the load).
        if (heldByRule(setting, Rule::AlwaysEmpty) || heldByRule(setting, Rule::FontPosition)) continue;
        const std::string name(setting.name);
        SCOPED_TRACE(name);
        ProgramHarness h;
        h.fake.monitors.monitors = {{0, 0, 1024, 768}, {1024, 0, 1280, 1024}};
        const fake::StoredValue changed = anotherValue(setting, defaults.at(name));
        h.stored()[name] = changed;
        h.start();
        SaveSettings(h.program);

        fake::FakeKeyStore::Key expected = defaults;
        expected[name] = changed;
        EXPECT_EQ(h.stored(), expected);
    }
}

TEST(StoredSettingsTest, ValuesOfTheWrongTypeNeverReachTheLiveSettings) {
    // Each value of the first stage, stored with the other type, stops the load there
    // and leaves the program with what a fresh user gets.
    const fake::FakeKeyStore::Key defaults = savedDefaults();
    for (const StoredSetting* setting : StageOneLoadOrder) {
        const std::string name(setting->name);
        SCOPED_TRACE(name);
        ProgramHarness h;
        if (setting->type == StoredType::Text) {
            h.stored()[name] = 7;
        } else {
            h.stored()[name] = std::string("7");
        }
        h.start();
        EXPECT_EQ(h.loop().totalSleptMs(), 9);
        SaveSettings(h.program);
        EXPECT_EQ(h.stored(), defaults);
    }
}

}  // namespace
}  // namespace solvane
