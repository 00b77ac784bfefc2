// The main window's profile buttons (new, edit, import, export) and its
// manual button, clicked offscreen through the real buttons and dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "OptionFakes.h"
#include "WindowFakes.h"
#include "option/ConfigWindow.h"
#include "option/dialogs/ProfileDialog.h"
#include "option/skin/BitmapButton.h"
#include "option/skin/BitmapEdit.h"
#include "option/skin/SkinResources.h"
#include "support/TempDir.h"

namespace orvyn {
namespace {

using namespace orvyn::testing;
namespace fs = std::filesystem;
using CW = ConfigWindowSkin;

// Runs `action` on the next modal window that opens while this object
// lives (polled from the event loop, so it also runs inside a dialog's own
// loop).
class NextModal {
public:
    explicit NextModal(std::function<void(QWidget *)> action) : alive_(std::make_shared<bool>(true)) {
        poll(alive_, std::move(action));
    }
    ~NextModal() { *alive_ = false; }

private:
    static void poll(std::shared_ptr<bool> alive, std::function<void(QWidget *)> action) {
        QTimer::singleShot(0, [alive, action] {
            if (!*alive)
                return;
            if (QWidget *modal = QApplication::activeModalWidget()) {
                *alive = false;
                action(modal);
            } else {
                poll(alive, action);
            }
        });
    }
    std::shared_ptr<bool> alive_;
};

void clickButton(SkinnedDialog &window, int section) {
    BitmapButton *b = window.button(section);
    ASSERT_NE(b, nullptr) << section;
    ASSERT_TRUE(b->isVisible() && !b->rect().isEmpty()) << section;
    QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
}

class ProfileButtonsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setSkinFolder(QStringLiteral(ORVYN_PROGRAM_DIR "skins/")); }

    ProfileButtonsTest() {
        fs::create_directories(dir_.file("config"));
        exchange_.block = std::make_unique<ConfigBlock>();
        std::memset(exchange_.block.get(), 0, sizeof(ConfigBlock));
        makeDefaultConfig(*exchange_.block, "Profile");
        setFixed(exchange_.block->profiles[0].ProFileName, "Arena");
        setFixed(exchange_.block->profiles[0].GameFile, "/usr/games/arena");
        window_ = std::make_unique<ConfigWindow>(
            ConfigWindow::Services{session_, texts_, poster_, shell_, settings_, dir_.folder(), &files_});
        window_->initialize(&exchange_, false);
        window_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }

    const ProfileData &profile0() const { return session_.working().profiles[0]; }

    // Clicks `section` of the main window; the message box it opens is read
    // and closed. Empty when none opened.
    QString messageAfter(int section) {
        QString text;
        NextModal reader([&text](QWidget *modal) {
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                text = box->text();
                box->accept();
            }
        });
        clickButton(*window_, section);
        QApplication::processEvents();
        return text;
    }

    test::TempDir dir_;
    SettingsStore settings_{dir_.folder()};
    FakePoster poster_;
    FakeTexts texts_;
    FakeExchange exchange_;
    FakeShell shell_;
    FakeChooser files_;
    ConfigSession session_{settings_, poster_, texts_, dir_.file("config/sequence.dat")};
    std::unique_ptr<ConfigWindow> window_;
};

TEST_F(ProfileButtonsTest, NewStartsEmptyAndOkWithEmptyFieldsClearsBoth) {
    bool empty = false;
    NextModal answer([&](QWidget *modal) {
        auto *dialog = qobject_cast<ProfileDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        empty = dialog->nameField()->text().isEmpty() && dialog->gameField()->text().isEmpty();
        clickButton(*dialog, ProfileDialog::Ok);
    });
    clickButton(*window_, CW::ProfileNew);
    EXPECT_TRUE(empty);
    EXPECT_STREQ(profile0().ProFileName, "");
    EXPECT_STREQ(profile0().GameFile, "");
    EXPECT_TRUE(poster_.posted.empty()); // saved by the next Apply, not now
}

TEST_F(ProfileButtonsTest, EditShowsTheProfileTypesTwentyAndStoresOnlyOnOk) {
    // Cancel and close keep the profile whatever was typed.
    for (int leave : {ProfileDialog::Cancel, ProfileDialog::Close}) {
        NextModal answer([leave](QWidget *modal) {
            auto *dialog = qobject_cast<ProfileDialog *>(modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->nameField()->text(), "Arena");
            EXPECT_EQ(dialog->gameField()->text(), "/usr/games/arena");
            dialog->nameField()->setText("Changed");
            clickButton(*dialog, leave);
        });
        clickButton(*window_, CW::ProfileEdit);
        EXPECT_STREQ(profile0().ProFileName, "Arena");
    }

    const QString longPath = "/opt/" + QString(600, QLatin1Char('g')) + "/game.exe";
    files_.answers = {longPath};
    NextModal answer([](QWidget *modal) {
        auto *dialog = qobject_cast<ProfileDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->nameField()->setFocus();
        dialog->nameField()->selectAll();
        QTest::keyClicks(dialog->nameField(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
        clickButton(*dialog, ProfileDialog::Browse);
        clickButton(*dialog, ProfileDialog::Ok);
    });
    clickButton(*window_, CW::ProfileEdit);
    EXPECT_STREQ(profile0().ProFileName, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(std::string(profile0().GameFile), longPath.left(kGameFileMax).toStdString());
    ASSERT_EQ(files_.requests.size(), 1u);
    const FileRequest &browse = files_.requests[0];
    EXPECT_EQ(browse.choice, FileChoice::Open);
    EXPECT_EQ(browse.filters, QStringList({"exe file(*.exe)", "All files (*)"}));
    EXPECT_EQ(browse.selectedFilter, "All files (*)");
}

TEST_F(ProfileButtonsTest, ExportThenImportThroughTheButtons) {
    const std::string file = dir_.file("export.gkp");
    files_.answers = {QString::fromStdString(file)};
    EXPECT_TRUE(messageAfter(CW::ExportProfile).isEmpty());
    ASSERT_TRUE(fs::exists(file));
    ASSERT_EQ(files_.requests.size(), 1u);
    EXPECT_EQ(files_.requests[0].choice, FileChoice::Save);
    EXPECT_EQ(files_.requests[0].folder, QString::fromStdString(dir_.folder() + "config/"));
    EXPECT_EQ(files_.requests[0].filters, QStringList({"Gaming Keyboard Profile(*.gkp)", "All files (*)"}));

    // A file that is no profile: the user is told, nothing changes.
    const std::string photo = dir_.file("photo.gkp");
    std::ofstream(photo, std::ios::binary) << "\xFF\xD8\xFF\xE0 not a profile";
    clickButton(*window_, CW::FirstProfile + 2);
    const auto before = std::make_unique<ConfigBlock>(session_.working());
    files_.answers = {QString::fromStdString(photo)};
    const QString refused = messageAfter(CW::ImportProfile);
    EXPECT_TRUE(refused.contains(QString::fromStdString(photo))) << refused.toStdString();
    EXPECT_TRUE(refused.contains("not a profile file")) << refused.toStdString();
    EXPECT_EQ(std::memcmp(before.get(), &session_.working(), sizeof(ConfigBlock)), 0);

    files_.answers = {QString::fromStdString(file)};
    EXPECT_TRUE(messageAfter(CW::ImportProfile).isEmpty());
    EXPECT_STREQ(session_.working().profiles[2].ProFileName, "Arena");
    EXPECT_EQ(session_.working().flags.imported[2], 1);
    EXPECT_EQ(files_.requests.back().choice, FileChoice::Open);

    // A cancelled dialog does nothing.
    files_.answers.clear();
    const auto unchanged = std::make_unique<ConfigBlock>(session_.working());
    EXPECT_TRUE(messageAfter(CW::ImportProfile).isEmpty());
    EXPECT_EQ(std::memcmp(unchanged.get(), &session_.working(), sizeof(ConfigBlock)), 0);
}

TEST_F(ProfileButtonsTest, MissingManualSaysWhereItWasLookedFor) {
    shell_.opens = false;
    const QString said = messageAfter(CW::UserManual);
    EXPECT_TRUE(said.contains(QString::fromStdString(dir_.folder() + "User Manual.pdf")))
        << said.toStdString();
    shell_.opens = true;
    EXPECT_TRUE(messageAfter(CW::UserManual).isEmpty());
    EXPECT_EQ(shell_.files.size(), 2);
}

} // namespace
} // namespace orvyn
