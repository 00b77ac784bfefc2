// Checks the skin set in the program folder: every window's file defines
// exactly the sections its window reads, every picture decodes, the pictures
// of a window agree in size and every control lies inside the window's
// outline.
#include "shared/IniFile.h"

#include <QFile>
#include <QImage>
#include <QRect>
#include <QString>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string kSkins = std::string(ORVYN_PROGRAM_DIR) + "skins/";

std::set<int> range(int first, int last) {
    std::set<int> s;
    for (int i = first; i <= last; ++i)
        s.insert(i);
    return s;
}

std::set<int> join(std::set<int> a, const std::set<int> &b) {
    a.insert(b.begin(), b.end());
    return a;
}

// The control sections each window reads.
const std::map<std::string, std::set<int>> kNeeds = {
    {"skin_Config.ini", join(range(1, 22), {25})},
    {"skin_main.ini", range(40, 143)},
    {"skin_macro_control.ini", range(1, 15)},
    {"skin_media_key_control.ini", join(range(9, 14), {20})},
    {"Skin_Advance.ini", range(1, 9)},
    {"skin_profile.ini", range(1, 6)},
    {"skin_macro_manager.ini", range(1, 11)},
    {"skin_lanuch_program.ini", range(1, 5)},
    {"skin_delete_macro_warn.ini", range(1, 3)},
    {"skin_macro_set_warn.ini", range(1, 3)},
    {"skin_shortcut.ini", range(2, 10)},
    {"skin_swap_key.ini", range(1, 9)},
    {"skin_reset_warn.ini", range(1, 3)},
};

const char *const kPages[] = {"skin_main.ini", "skin_macro_control.ini", "skin_media_key_control.ini",
                              "Skin_Advance.ini"};

struct Line {
    std::string name;
    QRect rect;
    std::string help;
    int commas = 0;
};

// A control line as the windows read it: name before the first comma, four
// numbers, help after the last comma.
Line parseLine(const std::string &text) {
    Line line;
    for (char ch : text)
        line.commas += ch == ',';
    const auto first = text.find(',');
    line.name = text.substr(0, first);
    if (first == std::string::npos)
        return line;
    int v[4] = {0, 0, 0, 0};
    std::sscanf(text.c_str() + first + 1, "%d,%d,%d,%d", &v[0], &v[1], &v[2], &v[3]);
    line.rect = QRect(v[0], v[1], v[2], v[3]);
    line.help = QString::fromStdString(text.substr(text.rfind(',') + 1)).trimmed().toStdString();
    return line;
}

std::string readFile(const std::string &path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll().toStdString();
}

std::vector<std::string> sectionNames(const std::string &text) {
    std::vector<std::string> names;
    for (const QString &raw : QString::fromStdString(text).split(QLatin1Char('\n'))) {
        const QString l = raw.trimmed();
        if (l.startsWith(QLatin1Char('[')) && l.endsWith(QLatin1Char(']')))
            names.push_back(l.mid(1, l.size() - 2).trimmed().toStdString());
    }
    return names;
}

QImage load(const std::string &file) {
    return QImage(QString::fromStdString(kSkins + file));
}

struct Window {
    orvyn::IniDocument doc;
    QImage mask;
    QSize size;
    std::map<int, Line> controls;
};

Window loadWindow(const std::string &file) {
    Window w;
    w.doc = orvyn::IniDocument::parse(readFile(kSkins + file));
    w.mask = load(w.doc.readText("SCREEN", "Mask", ""));
    w.size = load(w.doc.readText("SCREEN", "Normal", "")).size();
    for (int section : kNeeds.at(file))
        w.controls[section] = parseLine(w.doc.readText(std::to_string(section), "BUTTONPOS", ""));
    return w;
}

bool insideOutline(const QImage &mask, const QRect &r) {
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if ((mask.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF)
                return false;
        }
    }
    return true;
}

TEST(SkinSet, EveryFileDefinesExactlyTheSectionsItsWindowReads) {
    for (const auto &[file, needs] : kNeeds) {
        SCOPED_TRACE(file);
        const std::string text = readFile(kSkins + file);
        ASSERT_FALSE(text.empty());
        std::set<std::string> expected{"SCREEN"};
        for (int n : needs)
            expected.insert(std::to_string(n));
        const std::vector<std::string> found = sectionNames(text);
        EXPECT_EQ(std::set<std::string>(found.begin(), found.end()), expected);
        EXPECT_EQ(found.size(), expected.size()) << "a section appears twice";
    }
}

TEST(SkinSet, ControlLinesHoldNameRectangleAndHelpIntact) {
    for (const auto &[file, needs] : kNeeds) {
        const Window w = loadWindow(file);
        for (const auto &[section, line] : w.controls) {
            SCOPED_TRACE(file + " [" + std::to_string(section) + "]");
            // Exactly five commas: a comma in the name or the help would
            // shift the fields and lose part of the help text.
            EXPECT_EQ(line.commas, 5);
            EXPECT_FALSE(line.name.empty());
            EXPECT_LE(line.name.size(), 39u);
            EXPECT_LE(line.help.size(), 403u);
            EXPECT_GT(line.rect.width(), 0);
            EXPECT_GT(line.rect.height(), 0);
        }
    }
}

TEST(SkinSet, PicturesDecodeAndAgreeInSize) {
    for (const auto &[file, needs] : kNeeds) {
        SCOPED_TRACE(file);
        const orvyn::IniDocument doc = orvyn::IniDocument::parse(readFile(kSkins + file));
        QSize size;
        for (const char *key : {"Normal", "Over", "Down", "Disable", "Mask"}) {
            const std::string name = doc.readText("SCREEN", key, "");
            ASSERT_FALSE(name.empty()) << key;
            const QImage image = load(name);
            ASSERT_FALSE(image.isNull()) << name;
            if (!size.isValid())
                size = image.size();
            EXPECT_EQ(image.size(), size) << name;
        }
    }
}

TEST(SkinSet, EveryControlLiesInsideTheOutlineAndApartFromTheOthers) {
    for (const auto &[file, needs] : kNeeds) {
        SCOPED_TRACE(file);
        const Window w = loadWindow(file);
        ASSERT_FALSE(w.mask.isNull());
        const QImage mask = w.mask.convertToFormat(QImage::Format_RGB32);
        for (const auto &[section, line] : w.controls) {
            SCOPED_TRACE(section);
            ASSERT_TRUE(QRect(QPoint(0, 0), w.size).contains(line.rect));
            EXPECT_TRUE(insideOutline(mask, line.rect));
            for (const auto &[other, otherLine] : w.controls)
                EXPECT_TRUE(other == section || !line.rect.intersects(otherLine.rect))
                    << "overlaps " << other;
        }
    }
}

TEST(SkinSet, PagesFillThePageRectangleOfTheMainWindow) {
    const Window main = loadWindow("skin_Config.ini");
    const Line page = parseLine(main.doc.readText("1", "PAGEPOSITION", ""));
    ASSERT_FALSE(page.rect.isEmpty());
    EXPECT_TRUE(QRect(QPoint(0, 0), main.size).contains(page.rect));
    for (const auto &[section, line] : main.controls)
        EXPECT_FALSE(line.rect.intersects(page.rect)) << "button " << section << " under the pages";
    for (const char *file : kPages) {
        SCOPED_TRACE(file);
        EXPECT_EQ(loadWindow(file).size, page.rect.size());
    }
}

TEST(SkinSet, EnterKeyHasTheRectangleAndMaskOfTheRegionButton) {
    const Window page = loadWindow("skin_main.ini");
    const Line enter = page.controls.at(40 + 43);
    EXPECT_EQ(enter.name, "KEY_ENTER");
    EXPECT_EQ(enter.rect.size(), QSize(34, 49));
    EXPECT_EQ(page.controls.at(40).name, "KEY_ESCAPE");

    const QImage mask(QString::fromStdString(kSkins + "resources/bitmap308.bmp"));
    ASSERT_EQ(mask.size(), QSize(34, 49));
    for (int y = 0; y < 49; ++y) {
        for (int x = 0; x < 34; ++x) {
            const bool white = x <= 6 && y >= 22;
            ASSERT_EQ(mask.pixel(x, y) & 0xFFFFFF, white ? 0xFFFFFFu : 0u) << x << "," << y;
        }
    }
    // The 24-bit header of the file itself.
    const std::string bytes = readFile(kSkins + "resources/bitmap308.bmp");
    ASSERT_GT(bytes.size(), 30u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24);
}

TEST(SkinSet, RecordButtonPicturesHaveTheButtonsSize) {
    const Window manager = loadWindow("skin_macro_manager.ini");
    const QSize button = manager.controls.at(7).rect.size();
    for (const char *set : {"start_record", "stop_record"}) {
        for (const char *state : {"normal", "over", "down"}) {
            const std::string file = std::string(set) + "_" + state + ".jpg";
            const QImage image = load(file);
            ASSERT_FALSE(image.isNull()) << file;
            EXPECT_EQ(image.size(), button) << file;
        }
    }
}

TEST(SkinSet, ResourcesDecodeWithTheirSizes) {
    const std::map<std::string, QSize> icons = {
        {"icon135.png", {15, 15}}, {"icon137.png", {11, 14}}, {"icon138.png", {11, 14}},
        {"icon146.png", {16, 18}}, {"icon128.png", {}},       {"icon145.png", {}},
    };
    for (const auto &[file, size] : icons) {
        const QImage image = load("resources/" + file);
        ASSERT_FALSE(image.isNull()) << file;
        if (size.isValid()) {
            EXPECT_EQ(image.size(), size) << file;
        }
    }
    // Row icons are drawn with black as the transparent colour: their
    // corners must be black so that no box shows around them.
    for (const char *file : {"icon135.png", "icon137.png", "icon138.png", "icon146.png"}) {
        const QImage image = load(std::string("resources/") + file).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0u) << file;
    }
}

} // namespace
