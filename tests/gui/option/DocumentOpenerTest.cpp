// The desktop opener as a process: whether a document was shown is read from
// the opener's exit, with a stand-in xdg-open first in PATH.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <optional>

#include "option/DocumentOpener.h"
#include "support/TempDir.h"

namespace orvyn {
namespace {

TEST(DocumentOpenerTest, TheOpenersExitTellsWhetherTheDocumentWasShown) {
    test::TempDir dir;
    const std::string document = dir.file("manual.pdf");
    std::ofstream(document) << "%PDF";
    const std::string savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    struct Case {
        const char *opener; // body of the stand-in; nullptr: there is none
        std::optional<OpenOutcome> told;
    };
    const Case cases[] = {
        {"exit 0", std::nullopt},
        {"echo 'xdg-open: no method available for opening' >&2; exit 3", OpenOutcome::NoViewer},
        {"exit 4", OpenOutcome::Failed},
        {"kill -SEGV $$", OpenOutcome::Failed},
        {nullptr, OpenOutcome::NoViewer},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.opener ? c.opener : "no opener");
        const std::string bin = dir.file(c.opener ? "bin" : "empty");
        std::filesystem::create_directories(bin);
        if (c.opener) {
            std::ofstream(bin + "/xdg-open") << "#!/bin/sh\n" << c.opener << "\n";
            std::filesystem::permissions(bin + "/xdg-open", std::filesystem::perms::owner_all);
        }
        ::setenv("PATH", bin.c_str(), 1);
        QtDocumentOpener opener;
        std::optional<OpenOutcome> told;
        QString target;
        opener.setFailureHandler([&](const NotShown &failure) {
            target = failure.target;
            told = failure.outcome;
        });
        ASSERT_TRUE(opener.openFile(QString::fromStdString(document)));
        // Handed over without waiting: nothing is known yet.
        EXPECT_FALSE(told.has_value());
        const bool ended = QTest::qWaitFor([&] { return told.has_value(); }, c.told ? 5000 : 500);
        EXPECT_EQ(ended, c.told.has_value());
        EXPECT_EQ(told, c.told);
        if (c.told) {
            EXPECT_EQ(target.toStdString(), document);
        }
        std::filesystem::remove_all(bin);
    }
    ::setenv("PATH", savedPath.c_str(), 1);
}

} // namespace
} // namespace orvyn

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
