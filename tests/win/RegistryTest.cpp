// The registry accessor against Wine's real registry: opening with and without
// creation, the existence test, typed reads and writes and their errors, and
// that no key handle outlives its use.
#include <optional>

#include "RegistryTestSupport.h"
#include "ui/Registry.h"

using namespace registry_test;

namespace {

constexpr const char* kKey = "Software\\Orvandel\\Registry test";
constexpr const char* kName = "ScreenSaveUsePassword";

class RegistryTest : public OwnTreeTest {};

TEST_F(RegistryTest, OpenWithCreationMakesTheKeyAndItsParents) {
    Registry registry;
    EXPECT_TRUE(registry.OpenKey(kKey, true));
    EXPECT_TRUE(KeyExists(kKey));
}

TEST_F(RegistryTest, OpenWithoutCreationFindsAnExistingKey) {
    StoreValue(kKey, kName, REG_DWORD, LittleEndian(7));
    Registry registry;
    ASSERT_TRUE(registry.OpenKey(kKey, false));
    EXPECT_EQ(registry.ReadInteger(kName), 7);
}

TEST_F(RegistryTest, MissingKeyIsAbsentAndEveryAccessFailsWithoutCreatingIt) {
    Registry registry;
    EXPECT_FALSE(registry.OpenKey(kKey, false));
    EXPECT_FALSE(registry.ValueExists(kName));
    EXPECT_FALSE(registry.ValueExists(""));
    EXPECT_EQ(RaisedMessage([&] { registry.ReadInteger(kName); }), ReadErrorFor(kName));
    EXPECT_EQ(RaisedMessage([&] { registry.ReadString(""); }), ReadErrorFor(""));
    EXPECT_EQ(RaisedMessage([&] { registry.WriteInteger(kName, 1); }), WriteErrorFor(kName));
    EXPECT_EQ(RaisedMessage([&] { registry.WriteString("", "x"); }), WriteErrorFor(""));
    EXPECT_FALSE(KeyExists(kOwnTree));
}

TEST_F(RegistryTest, RegistryErrorsCarryTheirTypeName) {
    Registry registry;
    registry.OpenKey(kKey, true);
    try {
        registry.ReadInteger(kName);
        FAIL() << "no error raised";
    } catch (const Error& error) {
        EXPECT_STREQ(error.TypeName(), "RegistryError");
    }
}

TEST_F(RegistryTest, ValueExistsWhateverItsTypeAndSize) {
    StoreValue(kKey, "number", REG_DWORD, LittleEndian(0));
    StoreValue(kKey, "text", REG_SZ, BytesOf("", false));
    StoreValue(kKey, "blob", REG_BINARY, Bytes(64, 0xAB));
    Registry registry;
    ASSERT_TRUE(registry.OpenKey(kKey, false));
    EXPECT_TRUE(registry.ValueExists("number"));
    EXPECT_TRUE(registry.ValueExists("text"));
    EXPECT_TRUE(registry.ValueExists("blob"));
    EXPECT_FALSE(registry.ValueExists("missing"));
    EXPECT_FALSE(registry.ValueExists(""));
    StoreValue(kKey, "", REG_SZ, BytesOf("", true));
    EXPECT_TRUE(registry.ValueExists(""));
}

struct StoredCase {
    const char* label;
    std::optional<DWORD> type;  // none: the value is absent
    Bytes data;
};

void Store(const StoredCase& row, const char* name) {
    if (row.type)
        StoreValue(kKey, name, *row.type, row.data);
    else
        CreateKey(kKey);
}

struct IntegerReadCase {
    StoredCase stored;
    std::int32_t value;        // when no error is expected
    std::string errorMessage;  // empty: none expected
};

TEST_F(RegistryTest, IntegerReadTakesFourByteDwordsAndRaisesForEverythingElse) {
    const IntegerReadCase rows[] = {
        {{"positive", REG_DWORD, LittleEndian(0x12345678)}, 0x12345678, ""},
        {{"negative", REG_DWORD, LittleEndian(-1)}, -1, ""},
        {{"dword stored short", REG_DWORD, {0x34, 0x12}}, 0x1234, ""},
        {{"short string", REG_SZ, BytesOf("ab", true)}, 0, TypeErrorFor(kName)},
        {{"long string", REG_SZ, BytesOf("abcdefgh", true)}, 0, ReadErrorFor(kName)},
        {{"four binary bytes", REG_BINARY, {1, 0, 0, 0}}, 0, TypeErrorFor(kName)},
        {{"five binary bytes", REG_BINARY, {1, 0, 0, 0, 0}}, 0, ReadErrorFor(kName)},
        {{"big-endian dword", REG_DWORD_BIG_ENDIAN, {0, 0, 0, 1}}, 0, TypeErrorFor(kName)},
        {{"qword", REG_QWORD, Bytes(8, 0)}, 0, ReadErrorFor(kName)},
        {{"absent", std::nullopt, {}}, 0, ReadErrorFor(kName)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.stored.label);
        DeleteTree(kOwnTree);
        Store(row.stored, kName);
        Registry registry;
        ASSERT_TRUE(registry.OpenKey(kKey, false));
        if (row.errorMessage.empty()) {
            EXPECT_EQ(registry.ReadInteger(kName), row.value);
        } else {
            EXPECT_EQ(RaisedMessage([&] { registry.ReadInteger(kName); }), row.errorMessage);
        }
    }
}

TEST_F(RegistryTest, IntegerWriteStoresFourLittleEndianBytesAsDword) {
    for (const std::int32_t value : {0, 1, -1, 0x7FFFFFFF, -0x7FFFFFFF - 1}) {
        SCOPED_TRACE(value);
        Registry registry;
        ASSERT_TRUE(registry.OpenKey(kKey, true));
        registry.WriteInteger(kName, value);
        const StoredValue stored = ReadStored(kKey, kName);
        EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(stored.data, LittleEndian(value));
        EXPECT_EQ(registry.ReadInteger(kName), value);
    }
}

TEST_F(RegistryTest, IntegerWriteReplacesAValueOfAnotherType) {
    StoreValue(kKey, kName, REG_SZ, BytesOf("yes, please", true));
    Registry registry;
    ASSERT_TRUE(registry.OpenKey(kKey, false));
    registry.WriteInteger(kName, 1);
    const StoredValue stored = ReadStored(kKey, kName);
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(stored.data, LittleEndian(1));
}

struct StringReadCase {
    StoredCase stored;
    std::string text;          // when no error is expected
    std::string errorMessage;  // empty: none expected
};

TEST_F(RegistryTest, StringReadTakesPlainAndExpandableTextOfTheDefaultValue) {
    const std::string soundPath = "C:\\Windows\\Media\\Windows Navigation Start.wav";
    const StringReadCase rows[] = {
        {{"plain", REG_SZ, BytesOf(soundPath, true)}, soundPath, ""},
        {{"expandable, left unexpanded", REG_EXPAND_SZ, BytesOf("%SystemRoot%\\start.wav", true)},
         "%SystemRoot%\\start.wav",
         ""},
        {{"without terminator", REG_SZ, BytesOf("start.wav", false)}, "start.wav", ""},
        {{"no data at all", REG_SZ, {}}, "", ""},
        {{"terminator only", REG_SZ, {0}}, "", ""},
        {{"code-page bytes", REG_SZ, BytesOf("Gr\xFC\xDF.wav[deactivated]", true)},
         "Gr\xFC\xDF.wav[deactivated]",
         ""},
        {{"dword", REG_DWORD, LittleEndian(1)}, "", TypeErrorFor("")},
        {{"binary text", REG_BINARY, BytesOf("start.wav", true)}, "", TypeErrorFor("")},
        {{"multi-string", REG_MULTI_SZ, {'a', 0, 0}}, "", TypeErrorFor("")},
        {{"absent", std::nullopt, {}}, "", ReadErrorFor("")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.stored.label);
        DeleteTree(kOwnTree);
        Store(row.stored, "");
        Registry registry;
        ASSERT_TRUE(registry.OpenKey(kKey, false));
        if (row.errorMessage.empty()) {
            EXPECT_EQ(registry.ReadString(""), row.text);
        } else {
            EXPECT_EQ(RaisedMessage([&] { registry.ReadString(""); }), row.errorMessage);
        }
    }
}

TEST_F(RegistryTest, StringReadNamesTheValueInItsErrors) {
    StoreValue(kKey, "Page_Transitions", REG_DWORD, LittleEndian(1));
    Registry registry;
    ASSERT_TRUE(registry.OpenKey(kKey, false));
    EXPECT_EQ(RaisedMessage([&] { registry.ReadString("Page_Transitions"); }),
              TypeErrorFor("Page_Transitions"));
}

TEST_F(RegistryTest, StringWriteStoresPlainTextWithItsTerminator) {
    for (const std::string text : {"", "C:\\sound.wav[deactivated]", "Gr\xFC\xDF"}) {
        SCOPED_TRACE(text);
        Registry registry;
        ASSERT_TRUE(registry.OpenKey(kKey, true));
        registry.WriteString("", text);
        const StoredValue stored = ReadStored(kKey, "");
        EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(stored.data, BytesOf(text, true));
        EXPECT_EQ(registry.ReadString(""), text);
    }
}

TEST_F(RegistryTest, StringWriteTurnsAnExpandableValueIntoAPlainOne) {
    StoreValue(kKey, "", REG_EXPAND_SZ, BytesOf("%SystemRoot%\\start.wav", true));
    Registry registry;
    ASSERT_TRUE(registry.OpenKey(kKey, false));
    registry.WriteString("", "%SystemRoot%\\start.wav[deactivated]");
    const StoredValue stored = ReadStored(kKey, "");
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored.data, BytesOf("%SystemRoot%\\start.wav[deactivated]", true));
}

TEST_F(RegistryTest, ExpandStringWriteKeepsTheTypeThatValueTypeReports) {
    Registry registry;
    ASSERT_TRUE(registry.OpenKey(kKey, true));
    EXPECT_EQ(registry.ValueType(""), static_cast<DWORD>(REG_NONE));
    registry.WriteExpandString("", "%SystemRoot%\\start.wav");
    const StoredValue stored = ReadStored(kKey, "");
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(stored.data, BytesOf("%SystemRoot%\\start.wav", true));
    EXPECT_EQ(registry.ValueType(""), static_cast<DWORD>(REG_EXPAND_SZ));
    registry.WriteInteger(kName, 1);
    EXPECT_EQ(registry.ValueType(kName), static_cast<DWORD>(REG_DWORD));
}

TEST_F(RegistryTest, ReadOnlyAccessReadsButRaisesTheWriteErrorAndStoresNothing) {
    StoreValue(kKey, "Effect", REG_DWORD, LittleEndian(5));
    Registry registry(HKEY_CURRENT_USER, KEY_READ);
    ASSERT_TRUE(registry.OpenKey(kKey, true));
    EXPECT_EQ(registry.ReadInteger("Effect"), 5);
    EXPECT_EQ(RaisedMessage([&] { registry.WriteInteger("Effect", 6); }),
              "Fehler beim Setzen der Daten f\xFCr 'Effect'");
    EXPECT_EQ(RaisedMessage([&] { registry.WriteString("", "x"); }), WriteErrorFor(""));
    EXPECT_EQ(ReadStored(kKey, "Effect").data, LittleEndian(5));
    EXPECT_FALSE(ReadStored(kKey, "").exists);
}

TEST_F(RegistryTest, KeyHandleLivesOnlyWhileTheKeyIsOpen) {
    CreateKey(kKey);
    const long before = OpenKeyCount();
    {
        Registry registry;
        ASSERT_TRUE(registry.OpenKey(kKey, false));
        EXPECT_EQ(OpenKeyCount(), before + 1);
        ASSERT_TRUE(registry.OpenKey(kKey, true));
        EXPECT_EQ(OpenKeyCount(), before + 1) << "reopening leaks the first key";
        registry.CloseKey();
        EXPECT_EQ(OpenKeyCount(), before);
        EXPECT_FALSE(registry.ValueExists(""));
        ASSERT_TRUE(registry.OpenKey(kKey, false));
        EXPECT_FALSE(registry.OpenKey("Software\\Orvandel\\missing", false));
        EXPECT_EQ(OpenKeyCount(), before) << "a failed open leaves a key open";
        ASSERT_TRUE(registry.OpenKey(kKey, false));
    }
    EXPECT_EQ(OpenKeyCount(), before) << "releasing the accessor leaves its key open";
    {
        Registry registry;
        ASSERT_TRUE(registry.OpenKey(kKey, false));
        EXPECT_EQ(RaisedMessage([&] { registry.ReadInteger(kName); }), ReadErrorFor(kName));
    }
    EXPECT_EQ(OpenKeyCount(), before) << "an error leaves the key open";
}

}  // namespace
