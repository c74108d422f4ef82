// The per-user store: named 32-bit integers and texts in keys that are created when
// opened, published when closed, and that fail with StoreError rather than guess.
#include <cstdint>
#include <limits>
#include <memory>
#include <string>

#include "Implementations.h"

namespace solvane::contract {
namespace {

using platform::StoreError;
using platform::StoreKey;
using platform::StoreRoot;

const std::string programKey = "Software\\Marwick\\Marwick's Solvane";
const std::string otherKey = "Software\\Marwick\\Another Program";

template <class Traits>
class KeyStoreContract : public ::testing::Test {
protected:
    std::unique_ptr<StoreKey> open(const std::string& path = programKey, StoreRoot root = StoreRoot::CurrentUser) {
        auto key = impl.store().open(root, path);
        EXPECT_NE(key, nullptr) << path;
        return key;
    }
    std::unique_ptr<StoreKey> openAfterRestart(StoreRoot root = StoreRoot::CurrentUser) {
        auto key = impl.restartedStore().open(root, programKey);
        EXPECT_NE(key, nullptr);
        return key;
    }

    Traits impl;
};

TYPED_TEST_SUITE(KeyStoreContract, KeyStoreImplementations);

TYPED_TEST(KeyStoreContract, AMissingKeyOpensEmptyAndItsValuesCannotBeRead) {
    auto key = this->open();
    ASSERT_NE(key, nullptr);
    EXPECT_FALSE(key->valueExists("Anzeige"));
    EXPECT_THROW(key->readInteger("Anzeige"), StoreError);
    EXPECT_THROW(key->readText("Anzeige"), StoreError);
    EXPECT_THROW(key->readFlag("Anzeige"), StoreError);
    key->close();
    auto again = this->open();
    ASSERT_NE(again, nullptr);
    EXPECT_FALSE(again->valueExists("Anzeige"));
}

TYPED_TEST(KeyStoreContract, IntegersAndTextsComeBackExactlyAfterARestart) {
    const std::int32_t integers[] = {
        0, 1, -1, 2700, 0x00FFFFFF, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()};
    const std::string texts[] = {"",
                                 "I know what I love to do and I do it.",
                                 "Grüße, Привет, 你好, مرحبا 😀",
                                 "\"quoted\" \\ back\nslash\ttab",
                                 "03",
                                 "& %s %n {}"};
    {
        auto key = this->open();
        for (std::size_t i = 0; i < std::size(integers); ++i) key->writeInteger("int" + std::to_string(i), integers[i]);
        for (std::size_t i = 0; i < std::size(texts); ++i) key->writeText("text" + std::to_string(i), texts[i]);
        key->close();
    }
    auto key = this->openAfterRestart();
    for (std::size_t i = 0; i < std::size(integers); ++i) {
        SCOPED_TRACE(integers[i]);
        EXPECT_TRUE(key->valueExists("int" + std::to_string(i)));
        EXPECT_EQ(key->readInteger("int" + std::to_string(i)), integers[i]);
    }
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        SCOPED_TRACE(texts[i]);
        EXPECT_TRUE(key->valueExists("text" + std::to_string(i)));
        EXPECT_EQ(key->readText("text" + std::to_string(i)), texts[i]);
    }
}

TYPED_TEST(KeyStoreContract, NonAsciiValueNamesWork) {
    auto key = this->open();
    key->writeInteger("Größe", 12);
    key->writeText("Schriftart \"fett\"", "Verdana");
    key->close();
    key = this->open();
    EXPECT_EQ(key->readInteger("Größe"), 12);
    EXPECT_EQ(key->readText("Schriftart \"fett\""), "Verdana");
    EXPECT_FALSE(key->valueExists("Grosse"));
}

TYPED_TEST(KeyStoreContract, AValueReadAsTheOtherTypeIsAStoreErrorNotAConversion) {
    auto key = this->open();
    key->writeText("Anzeige", "2700");
    key->writeInteger("FontName", 5);
    key->close();
    key = this->open();
    EXPECT_TRUE(key->valueExists("Anzeige"));
    EXPECT_THROW(key->readInteger("Anzeige"), StoreError);
    EXPECT_THROW(key->readFlag("Anzeige"), StoreError);
    EXPECT_EQ(key->readText("Anzeige"), "2700") << "a failed read changes nothing";
    EXPECT_THROW(key->readText("FontName"), StoreError);
    EXPECT_EQ(key->readInteger("FontName"), 5);
}

TYPED_TEST(KeyStoreContract, AValueOfATypeTheProgramNeverWritesIsAStoreError) {
    this->impl.putValueOfAnotherType(StoreRoot::CurrentUser, programKey, "Anzeige");
    auto key = this->open();
    EXPECT_TRUE(key->valueExists("Anzeige"));
    EXPECT_THROW(key->readInteger("Anzeige"), StoreError);
    EXPECT_THROW(key->readText("Anzeige"), StoreError);
    EXPECT_THROW(key->readFlag("Anzeige"), StoreError);
    // It can be written over with a value of the program's own.
    key->writeInteger("Anzeige", 50);
    EXPECT_EQ(key->readInteger("Anzeige"), 50);
}

TYPED_TEST(KeyStoreContract, AFlagIsSetWhenItsIntegerIsNotZero) {
    auto key = this->open();
    const std::int32_t values[] = {0, 1, -1, 2, std::numeric_limits<std::int32_t>::min()};
    for (const std::int32_t value : values) {
        key->writeInteger("Flag", value);
        EXPECT_EQ(key->readFlag("Flag"), value != 0) << value;
    }
}

TYPED_TEST(KeyStoreContract, AWriteReplacesTheValueAndItsType) {
    auto key = this->open();
    key->writeInteger("Value", 1);
    key->writeText("Value", "one");
    EXPECT_EQ(key->readText("Value"), "one");
    EXPECT_THROW(key->readInteger("Value"), StoreError);
    key->writeInteger("Value", 2);
    key->close();
    key = this->open();
    EXPECT_EQ(key->readInteger("Value"), 2);
    EXPECT_THROW(key->readText("Value"), StoreError);
}

TYPED_TEST(KeyStoreContract, AKeyReadsItsOwnWritesAndDeletesAtOnce) {
    auto key = this->open();
    key->writeInteger("Anzeige", 2700);
    key->writeText("FontName", "Verdana");
    EXPECT_TRUE(key->valueExists("Anzeige"));
    EXPECT_EQ(key->readInteger("Anzeige"), 2700);
    EXPECT_EQ(key->readText("FontName"), "Verdana");
    key->deleteValue("Anzeige");
    EXPECT_FALSE(key->valueExists("Anzeige"));
    EXPECT_THROW(key->readInteger("Anzeige"), StoreError);
}

TYPED_TEST(KeyStoreContract, ADeleteIsPublishedAndDeletingAMissingValueIsNoError) {
    {
        auto key = this->open();
        key->writeInteger("Kept", 1);
        key->writeInteger("Deleted", 2);
        key->close();
    }
    {
        auto key = this->open();
        key->deleteValue("Deleted");
        EXPECT_NO_THROW(key->deleteValue("NeverThere"));
        key->close();
    }
    auto key = this->openAfterRestart();
    EXPECT_FALSE(key->valueExists("Deleted"));
    EXPECT_FALSE(key->valueExists("NeverThere"));
    EXPECT_EQ(key->readInteger("Kept"), 1);
}

TYPED_TEST(KeyStoreContract, WritesArePublishedByCloseAndByDestruction) {
    auto writer = this->open();
    writer->writeText("EinzelAffirmation", "first");
    writer->close();
    EXPECT_EQ(this->open()->readText("EinzelAffirmation"), "first");

    writer = this->open();
    writer->writeText("EinzelAffirmation", "second");
    writer.reset();
    EXPECT_EQ(this->open()->readText("EinzelAffirmation"), "second");
    EXPECT_EQ(this->openAfterRestart()->readText("EinzelAffirmation"), "second");
}

TYPED_TEST(KeyStoreContract, AClosedKeyRefusesFurtherUseAndMayBeClosedAgain) {
    auto key = this->open();
    key->writeInteger("A", 1);
    key->close();
    EXPECT_NO_THROW(key->close());
    EXPECT_THROW(key->valueExists("A"), StoreError);
    EXPECT_THROW(key->readInteger("A"), StoreError);
    EXPECT_THROW(key->readText("A"), StoreError);
    EXPECT_THROW(key->writeInteger("B", 2), StoreError);
    EXPECT_THROW(key->writeText("B", "two"), StoreError);
    EXPECT_THROW(key->deleteValue("A"), StoreError);
    key.reset();
    key = this->open();
    EXPECT_EQ(key->readInteger("A"), 1);
    EXPECT_FALSE(key->valueExists("B"));
}

TYPED_TEST(KeyStoreContract, KeysAndRootsKeepTheirValuesApart) {
    {
        auto program = this->open(programKey);
        auto other = this->open(otherKey);
        auto machine = this->open(programKey, StoreRoot::LocalMachine);
        program->writeInteger("Value", 1);
        other->writeInteger("Value", 2);
        machine->writeText("Installer Language", "1031");
    }
    EXPECT_EQ(this->open(programKey)->readInteger("Value"), 1);
    EXPECT_EQ(this->open(otherKey)->readInteger("Value"), 2);
    EXPECT_FALSE(this->open(programKey)->valueExists("Installer Language"));
    auto machine = this->open(programKey, StoreRoot::LocalMachine);
    EXPECT_EQ(machine->readText("Installer Language"), "1031");
    EXPECT_FALSE(machine->valueExists("Value"));
}

TYPED_TEST(KeyStoreContract, AKeyThatCannotBeOpenedIsNoKey) {
    this->impl.makeUnopenable(StoreRoot::CurrentUser, programKey);
    EXPECT_EQ(this->impl.store().open(StoreRoot::CurrentUser, programKey), nullptr);
}

TYPED_TEST(KeyStoreContract, AWriteThatCannotBeMadeIsAStoreErrorAndPublishesNothing) {
    this->impl.makeUnwritable(StoreRoot::CurrentUser, programKey);
    {
        auto key = this->open();
        ASSERT_NE(key, nullptr) << "an unwritable key still opens for reading";
        EXPECT_FALSE(key->valueExists("Anzeige"));
        EXPECT_THROW(key->writeInteger("Anzeige", 50), StoreError);
        EXPECT_THROW(key->writeText("FontName", "Arial"), StoreError);
        EXPECT_THROW(key->deleteValue("Anzeige"), StoreError);
        EXPECT_NO_THROW(key->close());
    }
    auto key = this->open();
    EXPECT_FALSE(key->valueExists("Anzeige"));
    EXPECT_FALSE(key->valueExists("FontName"));
}

}  // namespace
}  // namespace solvane::contract
