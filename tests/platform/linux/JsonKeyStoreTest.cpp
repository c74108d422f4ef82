#include "platform/linux/JsonKeyStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSysInfo>

#include "TempXdgEnvironment.h"

namespace solvane::linuxos {
namespace {

using namespace std::chrono_literals;
using platform::StoreError;
using platform::StoreKey;
using platform::StoreRoot;

const std::string programKey = "Software\\Marwick\\Marwick's Solvane";

class JsonKeyStoreTest : public ::testing::Test {
protected:
    QString programFile() const { return xdg.path("config/Marwick/Marwick's Solvane.json"); }

    void writeRaw(const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(programFile()).absolutePath());
        QFile file(programFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readRaw() const {
        QFile file(programFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QJsonObject readObject() const { return QJsonDocument::fromJson(readRaw()).object(); }

    std::unique_ptr<StoreKey> openProgramKey() {
        auto key = store.open(StoreRoot::CurrentUser, programKey);
        EXPECT_NE(key, nullptr);
        return key;
    }

    QStringList setAsideFiles() const {
        return QDir(QFileInfo(programFile()).absolutePath())
            .entryList({QStringLiteral("Marwick's Solvane.json.corrupt-*")}, QDir::Files);
    }

    testing::TempXdgEnvironment xdg;
    JsonKeyStore store{200ms};
};

TEST_F(JsonKeyStoreTest, KeyPathsMapToJsonFilesBelowTheRootFolder) {
    struct Case {
        StoreRoot root;
        std::string path;
        QString expected;  // relative to the temporary folder; empty: no key
    };
    const Case cases[] = {
        {StoreRoot::CurrentUser, programKey, "config/Marwick/Marwick's Solvane.json"},
        {StoreRoot::LocalMachine, programKey, "etc-xdg/Marwick/Marwick's Solvane.json"},
        {StoreRoot::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Run",
         "config/Microsoft/Windows/CurrentVersion/Run.json"},
        {StoreRoot::CurrentUser, "software\\A\\\\B\\", "config/A/B.json"},
        {StoreRoot::CurrentUser, "Software", "config/Software.json"},
        {StoreRoot::CurrentUser, "", ""},
        {StoreRoot::CurrentUser, "\\\\", ""},
        {StoreRoot::CurrentUser, "Software\\..\\escape", ""},
        {StoreRoot::CurrentUser, "Software\\.", ""},
        {StoreRoot::CurrentUser, "Software\\a/b", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const std::optional<QString> file = JsonKeyStore::keyFilePath(c.root, c.path);
        if (c.expected.isEmpty()) {
            EXPECT_FALSE(file.has_value());
            EXPECT_EQ(store.open(c.root, c.path), nullptr);
        } else {
            ASSERT_TRUE(file.has_value());
            EXPECT_EQ(*file, xdg.path(c.expected));
        }
    }
}

TEST_F(JsonKeyStoreTest, IntegersAndTextsSurviveCloseAndReopen) {
    const std::int32_t integers[] = {0, 1, -1, 2700, 0xFFFFFF, INT32_MIN, INT32_MAX};
    const std::string texts[] = {"", "I know what I love to do and I do it.", "Grüße \"quoted\" \\ back\nslash",
                                 "<b>not markup</b> & 100%"};
    {
        auto key = openProgramKey();
        for (std::size_t i = 0; i < std::size(integers); ++i) key->writeInteger("int" + std::to_string(i), integers[i]);
        for (std::size_t i = 0; i < std::size(texts); ++i) key->writeText("text" + std::to_string(i), texts[i]);
        key->close();
    }
    EXPECT_TRUE(QFileInfo(programFile()).isFile());
    auto key = openProgramKey();
    for (std::size_t i = 0; i < std::size(integers); ++i) {
        EXPECT_TRUE(key->valueExists("int" + std::to_string(i)));
        EXPECT_EQ(key->readInteger("int" + std::to_string(i)), integers[i]);
    }
    for (std::size_t i = 0; i < std::size(texts); ++i) EXPECT_EQ(key->readText("text" + std::to_string(i)), texts[i]);
}

TEST_F(JsonKeyStoreTest, ValuesOfTheWrongTypeThrowStoreError) {
    struct Case {
        const char* json;
        std::optional<std::int32_t> asInteger;  // nothing: readInteger throws
        std::optional<std::string> asText;      // nothing: readText throws
        std::optional<bool> asFlag;             // nothing: readFlag throws
    };
    const Case cases[] = {
        {"5", 5, std::nullopt, true},
        {"-0", 0, std::nullopt, false},
        {"-2147483648", INT32_MIN, std::nullopt, true},
        {"2147483647", INT32_MAX, std::nullopt, true},
        {"\"5\"", std::nullopt, "5", std::nullopt},
        {"\"\"", std::nullopt, "", std::nullopt},
        {"true", std::nullopt, std::nullopt, true},
        {"false", std::nullopt, std::nullopt, false},
        {"5.5", std::nullopt, std::nullopt, std::nullopt},
        {"5.0", std::nullopt, std::nullopt, std::nullopt},
        {"1e2", std::nullopt, std::nullopt, std::nullopt},
        {"2147483648", std::nullopt, std::nullopt, std::nullopt},
        {"-2147483649", std::nullopt, std::nullopt, std::nullopt},
        {"100000000000000000000", std::nullopt, std::nullopt, std::nullopt},
        {"[1]", std::nullopt, std::nullopt, std::nullopt},
        {"{\"a\": 1}", std::nullopt, std::nullopt, std::nullopt},
        {"null", std::nullopt, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.json);
        writeRaw(QByteArray("{ \"Before\": [1.5, {\"x\": 2.0}], \"Value\" : ") + c.json + ", \"After\": 3 }");
        auto key = openProgramKey();
        EXPECT_TRUE(key->valueExists("Value"));
        if (c.asInteger)
            EXPECT_EQ(key->readInteger("Value"), *c.asInteger);
        else
            EXPECT_THROW(key->readInteger("Value"), StoreError);
        if (c.asText)
            EXPECT_EQ(key->readText("Value"), *c.asText);
        else
            EXPECT_THROW(key->readText("Value"), StoreError);
        if (c.asFlag)
            EXPECT_EQ(key->readFlag("Value"), *c.asFlag);
        else
            EXPECT_THROW(key->readFlag("Value"), StoreError);
        EXPECT_EQ(key->readInteger("After"), 3);
    }
    auto key = openProgramKey();
    EXPECT_THROW(key->readFlag("Missing"), StoreError);
    key->writeInteger("Written", 0);
    EXPECT_FALSE(key->readFlag("Written"));
}

TEST_F(JsonKeyStoreTest, NumberFormIsJudgedByTheMemberItselfAndItsLastOccurrence) {
    writeRaw(R"({"\u0041nzeige": 5.0, "Nested": {"Monitor": 1.5}, "Monitor": 2, "Twice": 1.0, "Twice": 4})");
    auto key = openProgramKey();
    EXPECT_THROW(key->readInteger("Anzeige"), StoreError);
    EXPECT_EQ(key->readInteger("Monitor"), 2);
    EXPECT_EQ(key->readInteger("Twice"), 4);
}

TEST_F(JsonKeyStoreTest, MissingValuesDoNotExistAndCannotBeRead) {
    auto key = openProgramKey();
    EXPECT_FALSE(key->valueExists("Anzeige"));
    EXPECT_THROW(key->readInteger("Anzeige"), StoreError);
    EXPECT_THROW(key->readText("Anzeige"), StoreError);
    key->close();
    EXPECT_FALSE(QFileInfo::exists(programFile())) << "a key that was only read leaves no file";
}

TEST_F(JsonKeyStoreTest, UnknownValuesAreKeptAcrossAWrite) {
    writeRaw(R"({"Unknown": [1, "two", {"three": 3}], "Flag": true, "Anzeige": 900, "Name": "x"})");
    {
        auto key = openProgramKey();
        key->writeInteger("Anzeige", 2700);
        key->writeText("FontName", "Verdana");
    }
    const QJsonObject stored = readObject();
    EXPECT_EQ(stored.value("Unknown").toArray(), QJsonArray({1, "two", QJsonObject{{"three", 3}}}));
    EXPECT_EQ(stored.value("Flag"), QJsonValue(true));
    EXPECT_EQ(stored.value("Name"), QJsonValue("x"));
    EXPECT_EQ(stored.value("Anzeige"), QJsonValue(2700));
    EXPECT_EQ(stored.value("FontName"), QJsonValue("Verdana"));
}

TEST_F(JsonKeyStoreTest, ABrokenFileIsSetAsideAndTheKeyIsEmpty) {
    const QByteArray broken[] = {"{\"Anzeige\": 5",        "[1, 2]",       "", "\"text\"", "{\"a\": 1} trailing",
                                 "{\"a\": \"\xff\" \xff}", "{\"a\": \xff}"};
    for (const QByteArray& content : broken) {
        SCOPED_TRACE(content.toStdString());
        for (const QString& old : setAsideFiles())
            QFile::remove(QFileInfo(programFile()).absolutePath() + QLatin1Char('/') + old);
        writeRaw(content);
        {
            auto key = openProgramKey();
            EXPECT_FALSE(key->valueExists("Anzeige"));
            EXPECT_FALSE(key->valueExists("a"));
            key->writeInteger("Anzeige", 50);
        }
        const QStringList aside = setAsideFiles();
        ASSERT_EQ(aside.size(), 1);
        QFile kept(QFileInfo(programFile()).absolutePath() + QLatin1Char('/') + aside.first());
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), content);
        EXPECT_EQ(readObject(), QJsonObject({{"Anzeige", 50}}));
    }
}

TEST_F(JsonKeyStoreTest, DeletedValuesAreGoneAtOnceAndAfterClose) {
    writeRaw(R"({"A": 1, "B": "two", "C": 3})");
    {
        auto key = openProgramKey();
        key->deleteValue("A");
        key->deleteValue("C");
        key->writeInteger("C", 30);  // a later write wins over the delete
        key->deleteValue("Missing");
        EXPECT_FALSE(key->valueExists("A"));
        EXPECT_THROW(key->readInteger("A"), StoreError);
        EXPECT_EQ(key->readInteger("C"), 30);
    }
    EXPECT_EQ(readObject(), QJsonObject({{"B", "two"}, {"C", 30}}));
}

TEST_F(JsonKeyStoreTest, WritesAreVisibleInTheKeyAndPublishedOnlyWhenItCloses) {
    auto writer = openProgramKey();
    writer->writeText("EinzelAffirmation", "first");
    EXPECT_EQ(writer->readText("EinzelAffirmation"), "first");
    EXPECT_THROW(writer->readInteger("EinzelAffirmation"), StoreError);
    EXPECT_FALSE(openProgramKey()->valueExists("EinzelAffirmation"));
    writer->close();
    EXPECT_EQ(openProgramKey()->readText("EinzelAffirmation"), "first");

    writer = openProgramKey();
    writer->writeText("EinzelAffirmation", "second");
    writer.reset();  // destruction publishes too
    EXPECT_EQ(openProgramKey()->readText("EinzelAffirmation"), "second");
}

TEST_F(JsonKeyStoreTest, TwoKeysOfTheSameFileMergeTheirWrites) {
    writeRaw(R"({"Shared": 1})");
    auto first = openProgramKey();
    auto second = openProgramKey();
    first->writeInteger("One", 1);
    first->deleteValue("Shared");
    second->writeInteger("Two", 2);
    first->close();
    second->close();
    EXPECT_EQ(readObject(), QJsonObject({{"One", 1}, {"Two", 2}}));
}

TEST_F(JsonKeyStoreTest, APublicationThatALivingHolderOfTheLockHoldsUpWaitsForTheNextKey) {
    writeRaw(R"({"Anzeige": 900})");
    const QByteArray before = readRaw();
    QLockFile otherWriter(programFile() + QStringLiteral(".lock"));
    ASSERT_TRUE(otherWriter.lock());
    auto key = openProgramKey();
    key->writeInteger("Anzeige", 50);
    EXPECT_NO_THROW(key->close());
    EXPECT_EQ(readRaw(), before);
    // Meanwhile this process reads what it wrote, and still cannot publish it.
    EXPECT_EQ(openProgramKey()->readInteger("Anzeige"), 50);
    EXPECT_EQ(readRaw(), before);

    otherWriter.unlock();
    key = openProgramKey();
    EXPECT_EQ(key->readInteger("Anzeige"), 50);
    key->writeText("FontName", "Verdana");
    key->close();
    EXPECT_EQ(readObject(), QJsonObject({{"Anzeige", 50}, {"FontName", "Verdana"}}));
}

TEST_F(JsonKeyStoreTest, ChangesStillDeferredAreSavedWhenTheStoreEnds) {
    writeRaw(R"({"Anzeige": 900})");
    QLockFile otherWriter(programFile() + QStringLiteral(".lock"));
    ASSERT_TRUE(otherWriter.lock());
    auto ending = std::make_unique<JsonKeyStore>(20ms);
    auto key = ending->open(StoreRoot::CurrentUser, programKey);
    key->writeInteger("Anzeige", 50);
    key->close();
    EXPECT_EQ(readObject(), QJsonObject({{"Anzeige", 900}}));
    otherWriter.unlock();
    ending.reset();
    EXPECT_EQ(readObject(), QJsonObject({{"Anzeige", 50}}));
}

TEST_F(JsonKeyStoreTest, ALockLeftByAWriterThatIsGoneDoesNotHoldUpAPublication) {
    struct Case {
        const char* what;
        QByteArray content;
    };
    const Case cases[] = {
        {"killed before it wrote who holds it", ""},
        {"killed after it wrote who holds it", QByteArray::number(std::numeric_limits<int>::max()) + "\nsolvane\n" +
                                                   QSysInfo::machineHostName().toUtf8() + "\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeRaw(R"({"Anzeige": 900})");
        QFile lock(programFile() + QStringLiteral(".lock"));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write(c.content);
        lock.close();
        QElapsedTimer clock;
        clock.start();
        auto key = openProgramKey();
        key->writeInteger("Anzeige", 50);
        key->close();
        EXPECT_LT(clock.elapsed(), 150) << "the save waited for a holder that is gone";
        EXPECT_EQ(readObject(), QJsonObject({{"Anzeige", 50}}));
        EXPECT_FALSE(QFileInfo::exists(lock.fileName()));
    }
}

TEST_F(JsonKeyStoreTest, ALockThatNamesAWriterOnAnotherComputerCountsUntilItIsStale) {
    writeRaw(R"({"Anzeige": 900})");
    QFile lock(programFile() + QStringLiteral(".lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("4242\nsolvane\nanother-computer.example\n");
    lock.close();
    auto key = openProgramKey();
    key->writeInteger("Anzeige", 50);
    key->close();
    EXPECT_EQ(readObject(), QJsonObject({{"Anzeige", 900}}));

    // Thirty seconds on, that writer is taken for gone, as QLockFile does.
    ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
    ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addSecs(-31), QFileDevice::FileModificationTime));
    lock.close();
    openProgramKey()->close();  // publishes the waiting change
    EXPECT_EQ(readObject(), QJsonObject({{"Anzeige", 50}}));
}

TEST_F(JsonKeyStoreTest, TemporaryCopiesLeftByAKilledSaveAreRemovedByTheNextSave) {
    writeRaw(R"({"Anzeige": 900})");
    const QString folder = QFileInfo(programFile()).absolutePath() + QLatin1Char('/');
    const QStringList leftovers = {"Marwick's Solvane.json.saving-AbCdEf", "Marwick's Solvane.json.saving-zzzzzz"};
    const QStringList others = {"Marwick's Solvane.json.backup", "Marwick's Solvane.json.saving-AbCdEf.txt",
                                "Other.json.saving-AbCdEf", "Marwick's Solvane.json.saving-AbC"};
    for (const QString& name : leftovers + others) {
        QFile file(folder + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(R"({"Anzeige": 1})");
    }
    openProgramKey()->close();  // only read: removes nothing
    for (const QString& name : leftovers) EXPECT_TRUE(QFileInfo::exists(folder + name)) << name.toStdString();

    auto key = openProgramKey();
    key->writeInteger("Anzeige", 50);
    key->close();
    for (const QString& name : leftovers) EXPECT_FALSE(QFileInfo::exists(folder + name)) << name.toStdString();
    for (const QString& name : others) EXPECT_TRUE(QFileInfo::exists(folder + name)) << name.toStdString();
    EXPECT_EQ(readObject(), QJsonObject({{"Anzeige", 50}}));
}

// Whether `text` is `before`, one or more U+FFFD, then `after`.
bool isMended(const QString& text, const QString& before, const QString& after) {
    if (!text.startsWith(before) || !text.endsWith(after) || text.size() <= before.size() + after.size()) return false;
    const QString middle = text.sliced(before.size(), text.size() - before.size() - after.size());
    return std::all_of(middle.cbegin(), middle.cend(), [](QChar c) { return c == QChar(0xFFFD); });
}

TEST_F(JsonKeyStoreTest, BytesThatAreNotUtf8InATextReadAsReplacementCharactersAndTheRestIsKept) {
    struct Case {
        const char* what;
        QByteArray bytes;  // inside the text "ab<bytes>cd"
        QString after;     // what follows the replacement characters
    };
    const Case cases[] = {
        {"a stray byte", "\xff", "cd"},
        {"a lone continuation byte", "\x80", "cd"},
        {"a sequence cut short", "\xe2\x82", "cd"},
        {"an overlong slash", "\xc0\xaf", "cd"},
        {"a surrogate", "\xed\xa0\x80", "cd"},
        {"beyond U+10FFFF", "\xf4\x90\x80\x80", "cd"},
        {"a Latin-1 umlaut before an escaped quote", "\xfc\\\"", "\"cd"},
    };
    const QString bad(QChar(0xFFFD));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString& old : setAsideFiles())
            QFile::remove(QFileInfo(programFile()).absolutePath() + QLatin1Char('/') + old);
        const QByteArray original = "{\"Anzeige\": 900, \"EinzelAffirmation\": \"ab" + c.bytes +
                                    "cd\", \"Gr\xfc\xdf"
                                    "e\": 1, \"FontName\": \"Gr\xc3\xbc\xc3\x9f\"}";
        writeRaw(original);
        {
            auto key = openProgramKey();
            EXPECT_TRUE(isMended(QString::fromStdString(key->readText("EinzelAffirmation")), "ab", c.after))
                << key->readText("EinzelAffirmation");
            EXPECT_EQ(key->readInteger("Anzeige"), 900);
            EXPECT_EQ(key->readText("FontName"), "Grüß");
            EXPECT_EQ(key->readInteger("Gr" + bad.toStdString() + bad.toStdString() + "e"), 1);
            key->close();
        }
        EXPECT_EQ(readRaw(), original) << "reading changes nothing";
        EXPECT_TRUE(setAsideFiles().isEmpty());

        {
            auto key = openProgramKey();
            key->writeInteger("Anzeige", 50);
        }
        const QJsonObject stored = readObject();
        EXPECT_EQ(stored.value("Anzeige"), QJsonValue(50));
        EXPECT_TRUE(isMended(stored.value("EinzelAffirmation").toString(), "ab", c.after));
        EXPECT_EQ(stored.value("FontName"), QJsonValue(QStringLiteral("Grüß")));
        EXPECT_EQ(stored.size(), 4);
        // The file as it was is kept beside it.
        const QStringList aside = setAsideFiles();
        ASSERT_EQ(aside.size(), 1);
        QFile kept(QFileInfo(programFile()).absolutePath() + QLatin1Char('/') + aside.first());
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), original);
    }
}

TEST_F(JsonKeyStoreTest, ReadingCreatesNoFolderAndNoFile) {
    const QString userFolder = QFileInfo(programFile()).absolutePath();
    const QString machineFolder = xdg.path("etc-xdg/Marwick");
    auto user = openProgramKey();
    auto machine = store.open(StoreRoot::LocalMachine, programKey);
    ASSERT_NE(machine, nullptr);
    EXPECT_FALSE(user->valueExists("Installer Language"));
    EXPECT_FALSE(machine->valueExists("Installer Language"));
    user->close();
    machine->close();
    EXPECT_FALSE(QFileInfo::exists(userFolder));
    EXPECT_FALSE(QFileInfo::exists(machineFolder));

    // Nor does reading a broken file: it stays where it is until a write replaces it.
    writeRaw("{\"Anzeige\": ");
    openProgramKey()->close();
    EXPECT_EQ(QDir(userFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({QStringLiteral("Marwick's Solvane.json")}));

    // The first write creates the folders.
    machine = store.open(StoreRoot::LocalMachine, programKey);
    machine->writeText("Installer Language", "1031");
    machine->close();
    EXPECT_EQ(store.open(StoreRoot::LocalMachine, programKey)->readText("Installer Language"), "1031");
}

TEST_F(JsonKeyStoreTest, AKeyWhoseFolderCannotBeCreatedIsNotOpened) {
    QFile blocker(xdg.path("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    xdg.environment().set("XDG_CONFIG_HOME", xdg.path("blocker/config"));
    EXPECT_EQ(store.open(StoreRoot::CurrentUser, programKey), nullptr);
}

TEST_F(JsonKeyStoreTest, WritesThrowWhenTheFileCanNoLongerBeReplaced) {
    writeRaw("{}");
    auto key = openProgramKey();
    key->writeInteger("Before", 1);
    const QString folder = QFileInfo(programFile()).absolutePath();
    ASSERT_TRUE(QDir(folder).removeRecursively());
    QFile plainFile(folder);  // a file where the folder was
    ASSERT_TRUE(plainFile.open(QIODevice::WriteOnly));
    plainFile.close();
    EXPECT_THROW(key->writeInteger("Anzeige", 50), StoreError);
    EXPECT_THROW(key->deleteValue("Anzeige"), StoreError);
    EXPECT_NO_THROW(key->close());
    EXPECT_TRUE(QFileInfo(folder).isFile());
}

TEST_F(JsonKeyStoreTest, AnUnreadableFileReadsAsEmptyAndIsNeverOverwritten) {
    ASSERT_TRUE(QDir().mkpath(programFile()));  // a folder in the file's place
    ASSERT_TRUE(QDir().mkpath(programFile() + QStringLiteral("/inside")));
    auto key = openProgramKey();
    EXPECT_FALSE(key->valueExists("Anzeige"));
    EXPECT_THROW(key->writeInteger("Anzeige", 50), StoreError);
    key->close();
    EXPECT_TRUE(QFileInfo(programFile() + QStringLiteral("/inside")).isDir());
    EXPECT_TRUE(setAsideFiles().isEmpty());
}

TEST_F(JsonKeyStoreTest, AClosedKeyRefusesFurtherUse) {
    auto key = openProgramKey();
    key->writeInteger("A", 1);
    key->close();
    EXPECT_NO_THROW(key->close());
    EXPECT_THROW(key->valueExists("A"), StoreError);
    EXPECT_THROW(key->readInteger("A"), StoreError);
    EXPECT_THROW(key->writeInteger("B", 2), StoreError);
    EXPECT_EQ(readObject(), QJsonObject({{"A", 1}}));
}

}  // namespace
}  // namespace solvane::linuxos
