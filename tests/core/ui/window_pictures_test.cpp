// Every input window and dialog drawn in German and English: a fixed-size window must have
// room for its layout, and nothing may be drawn outside. With TALP_SCREENSHOT_DIR set the
// pictures are saved there for looking at them.

#include <QDir>
#include <QLayout>
#include <QtTest>
#include <functional>
#include <memory>

#include "climate/ui/tfkalender.h"
#include "core/ui/tdetails.h"
#include "core/ui/terdemenue.h"
#include "core/ui/tewtmenue.h"
#include "core/ui/thlkmenue.h"
#include "evaluation/ui/tkostenmenue.h"
#include "tests/core/ui/window_fixture.h"

using namespace talp;

class WindowPicturesTest : public QObject {
    Q_OBJECT
private slots:
    void everyWindowHasRoomInBothLanguages_data();
    void everyWindowHasRoomInBothLanguages();
};

namespace {
using Factory = std::function<QWidget*(ShellContext&)>;

struct WindowCase {
    const char* name;
    Factory make;
};

const std::vector<WindowCase>& windowCases()
{
    static const std::vector<WindowCase> cases{
        {"ewtmenue", [](ShellContext& c) -> QWidget* { return new Tewtmenue(c); }},
        {"erdemenue", [](ShellContext& c) -> QWidget* { return new Terdemenue(c); }},
        {"hlkmenue", [](ShellContext& c) -> QWidget* { return new Thlkmenue(c); }},
        {"kostenmenue", [](ShellContext& c) -> QWidget* { return new Tkostenmenue(c); }},
        {"details_depth", [](ShellContext& c) -> QWidget* { return new TDetails(c, SegmentMode::Depth); }},
        {"details_distance", [](ShellContext& c) -> QWidget* { return new TDetails(c, SegmentMode::BuildingDistance); }},
        {"fkalender", [](ShellContext& c) -> QWidget* { return new TFKalender(c); }},
    };
    return cases;
}
}  // namespace

void WindowPicturesTest::everyWindowHasRoomInBothLanguages_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("language");
    for (std::size_t i = 0; i < windowCases().size(); ++i)
        for (Language l : {Language::German, Language::English})
            QTest::addRow("%s_%s", windowCases()[i].name, l == Language::German ? "de" : "en")
                << static_cast<int>(i) << static_cast<int>(l);
}

void WindowPicturesTest::everyWindowHasRoomInBothLanguages()
{
    QFETCH(int, index);
    QFETCH(int, language);
    WindowFixture f(static_cast<Language>(language));
    std::unique_ptr<QWidget> window(windowCases()[static_cast<std::size_t>(index)].make(f.context));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QImage picture = window->grab().toImage();
    QVERIFY(!picture.isNull());
    const QString folder = qEnvironmentVariable("TALP_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        picture.save(QDir(folder).filePath(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".png")));
    }
    const QSize needed = window->layout()->minimumSize();
    QVERIFY2(needed.width() <= window->width() && needed.height() <= window->height(),
             qPrintable(QStringLiteral("layout needs %1 x %2, window is %3 x %4")
                            .arg(needed.width()).arg(needed.height()).arg(window->width()).arg(window->height())));
}

QTEST_MAIN(WindowPicturesTest)
#include "window_pictures_test.moc"
