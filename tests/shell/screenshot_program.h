#pragma once
// The frame of the programs that render windows into PNG files for looking at them
// (`<program> <output folder>`): each renders its scenes once in German, once in English.

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <functional>

#include "core/texts.h"

namespace talp::testing {

inline void save(QWidget* widget, const QString& folder, const QString& name)
{
    widget->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

inline QString languageSuffix(Language language)
{
    return language == Language::English ? QStringLiteral("_en") : QStringLiteral("_de");
}

inline int renderInBothLanguages(int argc, char** argv, const std::function<void(Language, const QString& folder)>& shoot)
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    shoot(Language::German, folder);
    shoot(Language::English, folder);
    return 0;
}

}  // namespace talp::testing
