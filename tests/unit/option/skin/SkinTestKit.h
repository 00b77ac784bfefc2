// Helpers for the skin toolkit tests: one QApplication per test program,
// private runtime and settings folders, and a skin folder in a temporary
// directory filled with pictures drawn on the spot.
#pragma once

#include "option/skin/SkinResources.h"

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

namespace orvyn::skintest {

// Creates the application once, after pointing the runtime and settings
// folders at private temporary ones.
inline QApplication &app() {
    static QTemporaryDir home;
    static QTemporaryDir runtime;
    static QApplication *instance = [] {
        ::chmod(runtime.path().toLocal8Bit().constData(), 0700);
        ::setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);
        ::setenv("ORVYN_VANTOR_HOME", home.path().toLocal8Bit().constData(), 1);
        static int argc = 1;
        static char name[] = "skin-tests";
        static char *argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *instance;
}

inline QImage solid(int width, int height, const QColor &colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The Enter-key mask: black, with a white block in columns 0-6 of rows 22-48.
inline QImage enterKeyMask() {
    QImage mask = solid(34, 49, Qt::black);
    for (int y = 22; y < 49; ++y)
        for (int x = 0; x < 7; ++x)
            mask.setPixel(x, y, qRgb(255, 255, 255));
    return mask.convertToFormat(QImage::Format_RGB888);
}

// A skin folder of its own, selected for the toolkit while the object lives.
class SkinFolder {
public:
    SkinFolder() {
        QDir(dir_.path()).mkpath(QStringLiteral("resources"));
        setSkinFolder(dir_.path());
    }
    ~SkinFolder() { setSkinFolder(QString()); }
    SkinFolder(const SkinFolder &) = delete;
    SkinFolder &operator=(const SkinFolder &) = delete;

    QString path(const QString &name) const { return dir_.path() + u'/' + name; }

    void savePicture(const QString &name, const QImage &image) const {
        ASSERT_TRUE(image.save(path(name))) << name.toStdString();
    }
    void writeText(const QString &name, const std::string &text) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(text.data(), static_cast<qint64>(text.size())),
                  static_cast<qint64>(text.size()));
    }
    // A window skin: four state pictures in distinct colours, a mask and
    // the given control lines under [BUTTONPOS].
    void writeWindow(const QString &iniName, int width, int height, const QImage &mask,
                     const std::string &controlSections) const {
        savePicture(iniName + QStringLiteral("_normal.bmp"), solid(width, height, QColor(30, 30, 30)));
        savePicture(iniName + QStringLiteral("_over.bmp"), solid(width, height, QColor(0, 0, 200)));
        savePicture(iniName + QStringLiteral("_down.bmp"), solid(width, height, QColor(0, 200, 0)));
        savePicture(iniName + QStringLiteral("_disable.bmp"), solid(width, height, QColor(100, 100, 100)));
        if (!mask.isNull())
            savePicture(iniName + QStringLiteral("_mask.bmp"), mask);
        const std::string base = iniName.toStdString();
        writeText(iniName, "[SCREEN]\nMask=" + base + "_mask.bmp\nNormal=" + base +
                               "_normal.bmp\nOver=" + base + "_over.bmp\nDown=" + base +
                               "_down.bmp\nDisable=" + base + "_disable.bmp\n" + controlSections);
    }

private:
    QTemporaryDir dir_;
};

} // namespace orvyn::skintest
