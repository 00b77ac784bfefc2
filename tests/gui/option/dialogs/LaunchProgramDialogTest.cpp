// The launch-program dialog driven through its buttons offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>

#include "option/dialogs/LaunchProgramDialog.h"
#include "option/skin/SkinResources.h"

namespace orvyn {
namespace {

void click(SkinnedDialog &dialog, int section) {
    BitmapButton *b = dialog.button(section);
    ASSERT_NE(b, nullptr) << section;
    QTest::mouseClick(b, Qt::LeftButton);
}

// Runs `action` on the modal window that opens next (not `except`).
void onNextModal(std::function<void(QWidget *)> action, QWidget *except) {
    QTimer::singleShot(10, [action, except] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal != except)
            action(modal);
        else
            onNextModal(action, except);
    });
}

class LaunchProgramDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setSkinFolder(QStringLiteral(ORVYN_PROGRAM_DIR "skins/")); }

    // Runs the dialog; `drive` clicks it once it is open.
    int run(LaunchProgramDialog &dialog, std::function<void()> drive) {
        QTimer::singleShot(0, drive);
        return dialog.exec();
    }
};

TEST_F(LaunchProgramDialogTest, ShowsThePathAndOkOrCancelDecide) {
    {
        LaunchProgramDialog dialog(QStringLiteral("/usr/bin/obs"));
        ASSERT_NE(dialog.edit(LaunchProgramDialog::PathField), nullptr);
        EXPECT_EQ(dialog.edit(LaunchProgramDialog::PathField)->text(), QStringLiteral("/usr/bin/obs"));
        EXPECT_EQ(dialog.edit(LaunchProgramDialog::PathField)->backgroundColour(), QColor(229, 229, 229));
        const int result = run(dialog, [&] {
            dialog.edit(LaunchProgramDialog::PathField)->setText(QStringLiteral("/tmp/other"));
            click(dialog, LaunchProgramDialog::Cancel);
        });
        EXPECT_EQ(result, QDialog::Rejected);
        EXPECT_EQ(dialog.path(), QStringLiteral("/usr/bin/obs")) << "Cancel keeps the key's program";
    }
    {
        LaunchProgramDialog dialog(QStringLiteral("/usr/bin/obs"));
        EXPECT_EQ(run(dialog, [&] { click(dialog, LaunchProgramDialog::Close); }), QDialog::Rejected);
    }
    {
        LaunchProgramDialog dialog(QString{});
        EXPECT_EQ(run(dialog, [&] { click(dialog, LaunchProgramDialog::Ok); }), QDialog::Accepted);
        EXPECT_TRUE(dialog.path().isEmpty()) << "an empty field is a valid answer";
    }
}

TEST_F(LaunchProgramDialogTest, BrowseReplacesThePathOnlyWhenAFileIsChosen) {
    LaunchProgramDialog dialog(QStringLiteral("/usr/bin/obs"));
    QString startedIn;
    std::optional<QString> answer;
    dialog.setFileChooser([&](QWidget *, const QString &folder) {
        startedIn = folder;
        return answer;
    });
    const int result = run(dialog, [&] {
        click(dialog, LaunchProgramDialog::Browse); // cancelled
        EXPECT_EQ(dialog.edit(LaunchProgramDialog::PathField)->text(), QStringLiteral("/usr/bin/obs"));
        answer = QStringLiteral("/home/u/Desktop/game.desktop");
        click(dialog, LaunchProgramDialog::Browse);
        EXPECT_EQ(dialog.edit(LaunchProgramDialog::PathField)->text(),
                  QStringLiteral("/home/u/Desktop/game.desktop"));
        click(dialog, LaunchProgramDialog::Ok);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog.path(), QStringLiteral("/home/u/Desktop/game.desktop"));
    EXPECT_EQ(startedIn, LaunchProgramDialog::startFolder());
}

TEST_F(LaunchProgramDialogTest, TheFileDialogOffersAllFilesFirstAndStartsOnTheDesktop) {
    QTemporaryDir home;
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("Desktop")));
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());
    const QString folder = LaunchProgramDialog::startFolder();
    EXPECT_EQ(folder, home.path() + "/Desktop");
    ASSERT_TRUE(QDir(home.path()).rmdir(QStringLiteral("Desktop")));
    EXPECT_EQ(LaunchProgramDialog::startFolder(), home.path()) << "no desktop folder: home";
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);

    QStringList filters;
    QString selected, directory;
    onNextModal(
        [&](QWidget *w) {
            auto *dialog = qobject_cast<QFileDialog *>(w);
            ASSERT_NE(dialog, nullptr);
            filters = dialog->nameFilters();
            selected = dialog->selectedNameFilter();
            directory = dialog->directory().absolutePath();
            dialog->reject();
        },
        nullptr);
    EXPECT_FALSE(LaunchProgramDialog::chooseProgramFile(nullptr, QDir::tempPath()).has_value());
    EXPECT_EQ(filters, (QStringList{QStringLiteral("exe file(*.exe)"), QStringLiteral("All files (*)")}));
    EXPECT_EQ(selected, QStringLiteral("All files (*)"));
    EXPECT_EQ(directory, QDir(QDir::tempPath()).absolutePath());
}

TEST_F(LaunchProgramDialogTest, APathTooLongForAKeyIsRefusedWithAMessage) {
    LaunchProgramDialog dialog(QString(300, QLatin1Char('a')));
    bool warned = false;
    const int result = run(dialog, [&] {
        onNextModal(
            [&](QWidget *w) {
                warned = qobject_cast<QMessageBox *>(w) != nullptr;
                static_cast<QDialog *>(w)->accept();
                QTimer::singleShot(0, [&] {
                    EXPECT_TRUE(dialog.isVisible()) << "still open to fix the path";
                    dialog.edit(LaunchProgramDialog::PathField)->setText(QStringLiteral("/bin/true"));
                    click(dialog, LaunchProgramDialog::Ok);
                });
            },
            &dialog);
        click(dialog, LaunchProgramDialog::Ok);
    });
    EXPECT_TRUE(warned);
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog.path(), QStringLiteral("/bin/true"));
}

} // namespace
} // namespace orvyn
