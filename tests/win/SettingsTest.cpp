// The effect setting in Wine's real registry: where and how it is stored, its
// default, the errors for unreadable data, and that every routine closes its
// key, also when it fails.
#include <string>
#include <vector>

#include "RegistryTestSupport.h"
#include "config/Settings.h"

using namespace registry_test;

namespace {

// Stands in for the configuration dialog: records what the routines ask of it.
class RecordingView final : public SettingsView {
public:
    explicit RecordingView(std::int32_t selected = -1) : selected_(selected) {}

    void ShowTipsPage() override { calls.push_back("show Tips"); }
    void SelectEffect(std::int32_t index) override { calls.push_back("select " + std::to_string(index)); }
    std::int32_t SelectedEffect() const override { return selected_; }

    std::vector<std::string> calls;

private:
    std::int32_t selected_;
};

using Calls = std::vector<std::string>;

class SettingsTest : public OwnTreeTest {
protected:
    void SetUp() override {
        OwnTreeTest::SetUp();
        keysBefore_ = OpenKeyCount();
    }
    void TearDown() override {
        EXPECT_EQ(OpenKeyCount(), keysBefore_) << "a registry key was left open";
        OwnTreeTest::TearDown();
    }

    void ExpectNoKeyLeftOpen() const { EXPECT_EQ(OpenKeyCount(), keysBefore_); }

private:
    long keysBefore_ = 0;
};

TEST_F(SettingsTest, WithoutAKeyTheSlideshowFadesAndLeavesTheKeyEmpty) {
    EXPECT_EQ(LoadEffect(), 23);
    ExpectNoKeyLeftOpen();
    EXPECT_TRUE(KeyExists(kOwnTree));
    const KeyContents contents = ContentsOf(kSettingsKey);
    EXPECT_EQ(contents.values, 0);
    EXPECT_EQ(contents.subkeys, 0);
}

TEST_F(SettingsTest, WithoutAKeyTheDialogOpensOnTipsWithFadeAndLeavesTheKeyEmpty) {
    RecordingView view;
    LoadSettings(view);
    ExpectNoKeyLeftOpen();
    EXPECT_EQ(view.calls, (Calls{"show Tips", "select 23"}));
    EXPECT_EQ(ContentsOf(kSettingsKey).values, 0);
}

TEST_F(SettingsTest, AnEmptyKeyReadsAsFade) {
    CreateKey(kSettingsKey);
    EXPECT_EQ(LoadEffect(), 23);
    RecordingView view;
    LoadSettings(view);
    EXPECT_EQ(view.calls, (Calls{"show Tips", "select 23"}));
}

TEST_F(SettingsTest, SavedEffectIsAFourByteDwordThatBothReadersGetBack) {
    // -1 is what the dialog saves with nothing selected; 25 and -1 are out of
    // range and still kept as they are.
    for (const std::int32_t effect : {0, 12, 23, 24, 25, -1}) {
        SCOPED_TRACE(effect);
        DeleteTree(kOwnTree);
        SaveSettings(RecordingView(effect));
        ExpectNoKeyLeftOpen();

        const StoredValue stored = ReadStored(kSettingsKey, "Effect");
        EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(stored.data, LittleEndian(effect));
        EXPECT_EQ(ContentsOf(kSettingsKey).values, 1) << "only \"Effect\" is stored";

        EXPECT_EQ(LoadEffect(), effect);
        RecordingView view;
        LoadSettings(view);
        EXPECT_EQ(view.calls, (Calls{"show Tips", "select " + std::to_string(effect)}));
        ExpectNoKeyLeftOpen();
    }
}

TEST_F(SettingsTest, SavingReplacesAnUnreadableValueWithADword) {
    StoreValue(kSettingsKey, "Effect", REG_SZ, BytesOf("Fade", true));
    SaveSettings(RecordingView());
    const StoredValue stored = ReadStored(kSettingsKey, "Effect");
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(stored.data, LittleEndian(-1));
}

struct UnreadableCase {
    const char* label;
    DWORD type;
    Bytes data;
    const char* message;
};

TEST_F(SettingsTest, UnreadableValueRaisesAfterTheTipsPageAndStaysAsItWas) {
    const char* const typeMessage = "Ung\xFCltiger Datentyp f\xFCr 'Effect'";
    const char* const readMessage = "Fehler beim Holen der Daten f\xFCr 'Effect'";
    const UnreadableCase rows[] = {
        {"short string", REG_SZ, BytesOf("23", true), typeMessage},
        {"string longer than 4 bytes", REG_SZ, BytesOf("Fade", true), readMessage},
        {"4 binary bytes", REG_BINARY, LittleEndian(23), typeMessage},
        {"1 binary byte", REG_BINARY, {23}, typeMessage},
        {"5 binary bytes", REG_BINARY, {23, 0, 0, 0, 0}, readMessage},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        DeleteTree(kOwnTree);
        StoreValue(kSettingsKey, "Effect", row.type, row.data);

        EXPECT_EQ(RaisedMessage([] { LoadEffect(); }), row.message);
        ExpectNoKeyLeftOpen();

        RecordingView view;
        EXPECT_EQ(RaisedMessage([&] { LoadSettings(view); }), row.message);
        EXPECT_EQ(view.calls, (Calls{"show Tips"}));
        ExpectNoKeyLeftOpen();

        const StoredValue stored = ReadStored(kSettingsKey, "Effect");
        EXPECT_EQ(stored.type, row.type);
        EXPECT_EQ(stored.data, row.data);
    }
}

// A key under a volatile parent cannot be created as a lasting one, so the
// settings key can be neither opened nor made.
TEST_F(SettingsTest, WithoutASettingsKeyReadersFadeAndSavingRaisesTheWriteError) {
    CreateKey(kOwnTree, REG_OPTION_VOLATILE);

    EXPECT_EQ(LoadEffect(), 23);
    RecordingView view;
    LoadSettings(view);
    EXPECT_EQ(view.calls, (Calls{"show Tips", "select 23"}));

    EXPECT_EQ(RaisedMessage([] { SaveSettings(RecordingView(12)); }),
              "Fehler beim Setzen der Daten f\xFCr 'Effect'");
    ExpectNoKeyLeftOpen();
    EXPECT_FALSE(KeyExists(kSettingsKey));
}

}  // namespace
