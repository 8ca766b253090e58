// The climate window in its models and the dialogs it opens, drawn in German and English:
// the layout must have room in the window, and the maps and the chart must be drawn. With
// TALP_SCREENSHOT_DIR set the pictures are saved there for looking at them.

#include <QComboBox>
#include <QDir>
#include <QLayout>
#include <QRadioButton>
#include <QtTest>
#include <functional>
#include <memory>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <fstream>

#include "climate/ui/map_image.h"
#include "climate/ui/tklimamenue.h"
#include "climate/ui/tplzsuchedlg.h"
#include "files/hourly_file.h"
#include "files/ui/tdlgsimulation.h"
#include "shell/record_store.h"
#include "shell/ui/main_window.h"
#include "tests/files/ui/coupling_files.h"
#include "tests/shell/scripted_dialogs.h"

using namespace talp;

class ClimatePicturesTest : public QObject {
    Q_OBJECT
private slots:
    void everyClimateWindowHasRoomInBothLanguages_data();
    void everyClimateWindowHasRoomInBothLanguages();
    void climateWindowFitsTheMainWindowInEveryModel_data();
    void climateWindowFitsTheMainWindowInEveryModel();
};

namespace {

using Factory = std::function<QWidget*(ShellContext&)>;

QWidget* climateWindowIn(ShellContext& context, QRadioButton* Tklimamenue::*model)
{
    auto* window = new Tklimamenue(context);
    window->setProgramEnd([] {});
    (window->*model)->click();
    // The station chosen, as the mouse over its point names it.
    if (const ClimateStation* s = context.session().climate.stations.at(window->AuswKlimastation->currentIndex()))
        window->EuroMapMouseMove(QPoint(s->x + 1, s->y + 1));
    return window;
}

struct PictureCase {
    const char* name;
    Factory make;
};

const std::vector<PictureCase>& pictureCases()
{
    static const std::vector<PictureCase> cases{
        {"klimamenue_region", [](ShellContext& c) { return climateWindowIn(c, &Tklimamenue::klima_region); }},
        {"klimamenue_station", [](ShellContext& c) { return climateWindowIn(c, &Tklimamenue::Klimastation); }},
        {"klimamenue_sine", [](ShellContext& c) { return climateWindowIn(c, &Tklimamenue::klima_sin); }},
        {"plzsuchedlg", [](ShellContext& c) -> QWidget* { return new TPLZSucheDlg(c); }},
        {"dlgsimulation_climate",
         [](ShellContext& c) -> QWidget* { return new TDlgSimulation(c, CouplingKind::Climate); }},
        {"dlgsimulation_building",
         [](ShellContext& c) -> QWidget* { return new TDlgSimulation(c, CouplingKind::Building); }},
    };
    return cases;
}

}  // namespace

void ClimatePicturesTest::everyClimateWindowHasRoomInBothLanguages_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("language");
    for (std::size_t i = 0; i < pictureCases().size(); ++i)
        for (Language l : {Language::German, Language::English})
            QTest::addRow("%s_%s", pictureCases()[i].name, l == Language::German ? "de" : "en")
                << static_cast<int>(i) << static_cast<int>(l);
}

void ClimatePicturesTest::everyClimateWindowHasRoomInBothLanguages()
{
    QFETCH(int, index);
    QFETCH(int, language);
    InstalledFixture f(static_cast<Language>(language));
    f.session.climate.randomStation = [](int count) { return count / 2; };
    std::unique_ptr<QWidget> window(pictureCases()[static_cast<std::size_t>(index)].make(f.context));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QSize needed = window->layout()->minimumSize();
    QVERIFY2(needed.width() <= window->width() && needed.height() <= window->height(),
             qPrintable(QStringLiteral("layout needs %1 x %2, window is %3 x %4")
                            .arg(needed.width()).arg(needed.height()).arg(window->width()).arg(window->height())));
    if (auto* climate = qobject_cast<Tklimamenue*>(window.get())) {
        QVERIFY(climate->karte->hasBitmap());
        QVERIFY(climate->EuroMap->hasBitmap());
    }
    const QImage picture = window->grab().toImage();
    QVERIFY(!picture.isNull());
    const QString folder = qEnvironmentVariable("TALP_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        picture.save(QDir(folder).filePath(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".png")));
    }
}

void ClimatePicturesTest::climateWindowFitsTheMainWindowInEveryModel_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("de") << static_cast<int>(Language::German);
    QTest::newRow("en") << static_cast<int>(Language::English);
}

void ClimatePicturesTest::climateWindowFitsTheMainWindowInEveryModel()
{
    QFETCH(int, language);
    // The program as it starts: the presets of the installation, the language from its
    // settings file, the main window at its first size.
    QTemporaryDir scratch;
    const std::filesystem::path writable = scratch.path().toStdString();
    std::filesystem::create_directories(writable / "sys");
    std::ofstream(writable / "sys/talp.ini") << (language == int(Language::English) ? "EN" : "DE") << '\n';
    Installation installation = locateInstallation(QCoreApplication::applicationFilePath().toStdString());
    installation.writableDir = writable;
    Session session(installation);
    session.openHourlyFile = hourlyFileOpener(&session.installation);
    RecordProjectStore store(session);
    ScriptedDialogs dialogs;
    Thauptmenu main(session, store, {});
    main.show();
    QVERIFY(QTest::qWaitFor([&] { return main.topicVisible(Topic::Ewt); }, 8000));

    main.showTopic(Topic::Klima);
    auto* climate = qobject_cast<Tklimamenue*>(main.topicWindow(Topic::Klima));
    QVERIFY(climate);
    QVERIFY(!session.project.modified);  // looking at the climate changes nothing
    const QString folder = qEnvironmentVariable("TALP_SCREENSHOT_DIR");
    for (QRadioButton* model : {climate->klima_region, climate->Klimastation, climate->klima_sin}) {
        model->click();
        QTest::qWait(50);
        const QRect shown = main.mdiArea()->viewport()->rect();
        const QMdiSubWindow* child = main.mdiArea()->activeSubWindow();
        QVERIFY(child && child->widget() == climate);
        QVERIFY2(shown.contains(child->geometry()),
                 qPrintable(QStringLiteral("%1: child %2 x %3 at %4, %5 in %6 x %7")
                                .arg(model->objectName())
                                .arg(child->width()).arg(child->height()).arg(child->x()).arg(child->y())
                                .arg(shown.width()).arg(shown.height())));
        if (!folder.isEmpty())
            main.grab().save(QDir(folder).filePath(QStringLiteral("main_%1_%2.png")
                                                       .arg(model->objectName(), QLatin1String(QTest::currentDataTag()))));
    }
    session.project.modified = false;
}

QTEST_MAIN(ClimatePicturesTest)
#include "climate_pictures_test.moc"
