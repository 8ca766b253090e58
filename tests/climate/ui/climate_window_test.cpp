// The climate window driven as a planner drives it: models, region map, postal codes,
// Europe map and the sine chart, on the installation beside the test programs.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include "chart/xy_chart.h"
#include "climate/region_colours.h"
#include "climate/sine_parameters.h"
#include "climate/ui/map_image.h"
#include "climate/ui/tklimamenue.h"
#include "climate/ui/tplzsuchedlg.h"
#include "core/ui/thlkmenue.h"
#include "files/ui/building_file_dialog.h"
#include "files/ui/tdlgsimulation.h"
#include "tests/files/ui/coupling_files.h"
#include "tests/files/weather_samples.h"
#include "tests/shell/scripted_dialogs.h"

using namespace talp;

class ClimateWindowTest : public QObject {
    Q_OBJECT
private slots:
    void postalCodeDialogRefusesWhatFindsNoRegion_data();
    void postalCodeDialogRefusesWhatFindsNoRegion();
    void aGoodPostalCodeSelectsItsRegion();
    void clickOnASwatchPixelPicksItsRegion();
    void clickOnTheBackgroundAppliesTheCurrentRegionAgain();
    void aMissingRegionMapEndsTheProgram();
    void hoverOnAStationsRunShowsItsNameAndBesideItNothing();
    void clickOnAStationSelectsItAndPlacesThePointer();
    void sineModelShowsTheChartAndTheBarSetsMonthAndDay();
    void peakMonthTypedAsNumberAndDayBeyondTheMonth();
    void fileModelTakesTheFileOrFallsBackToTheRegion();
    void importedWeatherFileIsNamedWithItsSite();
    void loadedFileModelConfirmsItsFileByTheTimer();
    void loadedClimateAndBuildingFilesAreConfirmedOneAfterTheOther();
};

namespace {

// The first pixel of the shown map that has `colour`.
std::optional<QPoint> pixelOf(const MapImage* map, Rgb colour)
{
    for (int y = 0; y < map->height(); ++y)
        for (int x = 0; x < map->width(); ++x)
            if (map->pixel({x, y}) == colour) return QPoint(x, y);
    return std::nullopt;
}

// A station whose diagonal run is its own at (x + 3, y + 3) and that has no station one
// pixel to the right of that point.
int lonelyStation(const StationList& list)
{
    for (int i = 1; i < list.count(); ++i) {
        const ClimateStation* s = list.at(i);
        if (list.grid.stationAt(s->x + 3, s->y + 3) == i && !list.grid.stationAt(s->x + 4, s->y + 3)) return i;
    }
    return -1;
}

// The mouse moving over a widget with no button pressed.
void hover(QWidget* widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

}  // namespace

void ClimateWindowTest::postalCodeDialogRefusesWhatFindsNoRegion_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("four digits") << QStringLiteral("3411");
    QTest::newRow("letter in position 4") << QStringLiteral("341a7");
    QTest::newRow("letter in position 5") << QStringLiteral("3411x");
    QTest::newRow("prefix 000") << QStringLiteral("00012");
    QTest::newRow("prefix without region") << QStringLiteral("00512");
}

void ClimateWindowTest::postalCodeDialogRefusesWhatFindsNoRegion()
{
    QFETCH(QString, code);
    InstalledFixture f;
    TPLZSucheDlg dialog(f.context);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Auswahl nach PLZ"));
    QCOMPARE(dialog.plzeingabe->maxLength(), 5);
    dialog.show();
    dialog.plzeingabe->setText(code);
    ScriptedDialogs dialogs;
    dialog.OKBtn->click();
    QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("Keine gültige Postleitzahl")});
    QCOMPARE(dialogs.titles(), QStringList{QStringLiteral("Fehler")});
    QCOMPARE(dialogs.boxes.at(0).buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
}

void ClimateWindowTest::aGoodPostalCodeSelectsItsRegion()
{
    InstalledFixture f;
    Tklimamenue window(f.context);
    window.klima_region->click();
    f.clearFlags();
    // Freiburg lies in the southern Upper Rhine valley, region 7.
    ScriptedDialogs dialogs;
    dialogs.on<TPLZSucheDlg>([](TPLZSucheDlg& dialog) {
        dialog.plzeingabe->setText(QStringLiteral("79100"));
        dialog.OKBtn->click();
        return dialog.result();
    });
    window.plz->click();
    QVERIFY(dialogs.boxes.empty());
    QCOMPARE(f.project().getInt(Param::klimaregion), 6);
    QCOMPARE(window.klimaregion->currentText(), QStringLiteral("7   Südlicher Oberrheingraben"));
    QCOMPARE(f.project().climateCoupling.fileName, std::string("sys/_klima_7.met"));
    QCOMPARE(double(f.project().get(Param::max_monatsmittel)), 19.2);
    QCOMPARE(double(f.project().get(Param::jahresmittel)), 10.2);
    QVERIFY(f.project().modified && f.project().RecalcNeeded && f.project().OptRecalcNeeded);
}

void ClimateWindowTest::clickOnASwatchPixelPicksItsRegion()
{
    InstalledFixture f;
    Tklimamenue window(f.context);
    window.show();
    window.klima_region->click();
    QVERIFY(window.karte->isVisible() && window.karte->isEnabled());
    f.clearFlags();
    const std::optional<QPoint> inRegion9 = pixelOf(window.karte, regionColour(9, standardSwatchColours()));
    QVERIFY(inRegion9);
    QTest::mouseClick(window.karte, Qt::LeftButton, {}, *inRegion9);
    QCOMPARE(f.project().getInt(Param::klimaregion), 8);
    QCOMPARE(window.klimaregion->currentIndex(), 8);
    QCOMPARE(f.project().climateCoupling.fileName, std::string("sys/_klima_9.met"));
    QCOMPARE(f.project().getInt(Param::tag_sinusspitze), 24);  // peak day 205: 24 July
    QCOMPARE(f.project().getInt(Param::monat_sinusspitze), 6);
    QVERIFY(f.project().modified && f.project().RecalcNeeded);
    // The map of the region picked is shown: the click's pixel still has its colour.
    QCOMPARE(window.karte->pixel(*inRegion9), regionColour(9, standardSwatchColours()));
}

void ClimateWindowTest::clickOnTheBackgroundAppliesTheCurrentRegionAgain()
{
    InstalledFixture f;
    Tklimamenue window(f.context);
    window.show();
    window.klima_region->click();
    // The corner of the map is background, no swatch colour.
    QVERIFY(!regionOfColour(*window.karte->pixel({0, 0}), standardSwatchColours()));
    f.project().set(Param::max_monatsmittel, 25);
    f.project().climateCoupling.valid = false;
    f.clearFlags();
    QTest::mouseClick(window.karte, Qt::LeftButton, {}, QPoint(0, 0));
    QCOMPARE(f.project().getInt(Param::klimaregion), 3);
    QCOMPARE(double(f.project().get(Param::max_monatsmittel)), 17.4);
    QCOMPARE(double(f.project().get(Param::min_monatsmittel)), double(2 * 9.1L - 17.4L));
    QVERIFY(f.project().climateCoupling.valid);
    QVERIFY(f.project().modified);
}

void ClimateWindowTest::aMissingRegionMapEndsTheProgram()
{
    // An installation that lacks the map of region 5.
    QTemporaryDir folder;
    QDir().mkpath(folder.filePath(QStringLiteral("images")));
    QDir().mkpath(folder.filePath(QStringLiteral("sys")));
    const QDir installed(QCoreApplication::applicationDirPath());
    for (const char* file : {"images/Klima4.bmp", "images/klima4.bmp", "images/graustufen.bmp", "sys/_klima_4.met",
                             "sys/_klima_5.met"})
        QVERIFY(QFile::copy(installed.filePath(QLatin1String(file)), folder.filePath(QLatin1String(file))));
    InstalledFixture f;
    f.session.installation = Installation{folder.path().toStdString(), folder.path().toStdString()};
    f.session.climate.installation = f.session.installation;
    Tklimamenue window(f.context);
    int ended = 0;
    window.setProgramEnd([&] { ++ended; });
    window.klima_region->click();
    ScriptedDialogs dialogs;
    window.klimaregion->setCurrentIndex(4);
    emit window.klimaregion->activated(4);
    QCOMPARE(dialogs.texts(), QStringList{QStringLiteral(
                                "Karte der Klimaregion nicht gefunden. Bitte wiederholen Sie die Installation.")});
    QCOMPARE(ended, 1);
    // Nothing of region 5 was applied.
    QCOMPARE(f.project().climateCoupling.fileName, std::string("sys/_klima_4.met"));
}

void ClimateWindowTest::hoverOnAStationsRunShowsItsNameAndBesideItNothing()
{
    InstalledFixture f;
    Tklimamenue window(f.context);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.Klimastation->click();
    QVERIFY(window.EuroPanel->isVisible());
    QVERIFY(!window.karte->isVisible());
    const StationList& list = f.session.climate.stations;
    QVERIFY(list.count() > 1);
    QCOMPARE(window.AuswKlimastation->count(), list.count());
    const int i = lonelyStation(list);
    QVERIFY(i > 0);
    const ClimateStation* s = list.at(i);
    hover(window.EuroMap, QPoint(s->x + 3, s->y + 3));
    QCOMPARE(window.EuroLabelStations->text(), QString::fromStdString(s->name + ", " + s->secondName));
    hover(window.EuroMap, QPoint(s->x + 4, s->y + 3));
    QCOMPARE(window.EuroLabelStations->text(), QString());
}

void ClimateWindowTest::clickOnAStationSelectsItAndPlacesThePointer()
{
    InstalledFixture f;
    f.session.climate.randomStation = [](int) { return 0; };
    Tklimamenue window(f.context);
    window.show();
    window.Klimastation->click();
    QCOMPARE(f.project().klimaModell, std::string(kStationModel));
    QCOMPARE(window.AuswKlimastation->currentIndex(), 0);
    const StationList& list = f.session.climate.stations;
    const int i = lonelyStation(list);
    const ClimateStation* s = list.at(i);
    f.clearFlags();
    QTest::mouseClick(window.EuroMap, Qt::LeftButton, {}, QPoint(s->x + 3, s->y + 3));
    QCOMPARE(window.AuswKlimastation->currentIndex(), i);
    QCOMPARE(f.project().getInt(Param::AuswKlimastation), i);
    QCOMPARE(f.project().climateCoupling.fileName, "sys/_klima" + std::to_string(s->number) + ".met");
    QVERIFY(f.project().modified && f.project().RecalcNeeded);
    QVERIFY(window.zeiger->isVisible());
    // The pointer's lower right corner lies just above and left of the station's point.
    const QPoint point = window.EuroMap->geometry().topLeft() + QPoint(s->x, s->y);
    QCOMPARE(window.zeiger->geometry().bottomRight(), point - QPoint(2, 2));
    // The sine parameters follow the station's year.
    QVERIFY(f.project().get(Param::max_monatsmittel) > f.project().get(Param::jahresmittel));
    QVERIFY(!window.input(Param::max_monatsmittel)->isEnabled());
}

void ClimateWindowTest::sineModelShowsTheChartAndTheBarSetsMonthAndDay()
{
    InstalledFixture f;
    Tklimamenue window(f.context);
    window.show();
    window.klima_sin->click();
    QCOMPARE(f.project().klimaModell, std::string(kSineModel));
    QVERIFY(!f.project().climateCoupling.valid);
    QVERIFY(window.SinGraph->isVisible() && window.tag_sinusspitze2->isVisible() && window.LabelTag->isVisible());
    QVERIFY(!window.karte->isVisible());
    QVERIFY(window.input(Param::jahresmittel)->isEnabled() && !window.klimaregion->isEnabled());
    QCOMPARE(window.tag_sinusspitze2->value(), 201);  // region 4's peak, 20 July
    QCOMPARE(window.LabelTag->text(), QStringLiteral(" Sinusspitze: 201. Tag "));

    f.clearFlags();
    window.tag_sinusspitze2->setValue(32);
    QCOMPARE(window.monat_sinusspitze->currentText(), QStringLiteral("Februar"));
    QCOMPARE(f.project().getInt(Param::tag_sinusspitze), 1);
    QCOMPARE(window.input(Param::tag_sinusspitze)->text(), QStringLiteral("1"));
    QCOMPARE(window.LabelTag->text(), QStringLiteral(" Sinusspitze: 32. Tag "));
    QVERIFY(f.project().modified && f.project().RecalcNeeded);
    window.tag_sinusspitze2->setValue(31);
    QCOMPARE(window.monat_sinusspitze->currentText(), QStringLiteral("Januar"));
    QCOMPARE(f.project().getInt(Param::tag_sinusspitze), 31);

    // The curve peaks at the bar's day with the highest monthly mean.
    const QList<QPointF>& curve = window.SinGraph->points(0);
    QCOMPARE(curve.size(), 365);
    const auto peak = std::max_element(curve.begin(), curve.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
    QCOMPARE(peak->x(), 31.0);
    QVERIFY(std::abs(peak->y() - double(f.project().get(Param::max_monatsmittel))) < 1e-9);
}

void ClimateWindowTest::peakMonthTypedAsNumberAndDayBeyondTheMonth()
{
    InstalledFixture f;
    Tklimamenue window(f.context);
    window.show();
    window.klima_sin->click();
    QLineEdit* month = window.monat_sinusspitze->lineEdit();
    month->setFocus();
    month->selectAll();
    QTest::keyClicks(month, QStringLiteral("2"));
    QTest::keyClick(month, Qt::Key_Return);
    QCOMPARE(window.monat_sinusspitze->currentText(), QStringLiteral("Februar"));
    QCOMPARE(f.project().getInt(Param::monat_sinusspitze), 1);
    typeInto(window.input(Param::tag_sinusspitze), QStringLiteral("31"));
    QCOMPARE(f.project().getInt(Param::tag_sinusspitze), 28);
    QCOMPARE(window.input(Param::tag_sinusspitze)->text(), QStringLiteral("28"));
    QCOMPARE(window.tag_sinusspitze2->value(), 59);
    // Raising the annual mean by 1 K raises the lowest monthly mean by 2 K.
    const long double before = f.project().get(Param::min_monatsmittel);
    typeInto(window.input(Param::jahresmittel), QString::number(double(f.project().get(Param::jahresmittel) + 1)));
    QVERIFY(std::abs(double(f.project().get(Param::min_monatsmittel) - (before + 2))) < 1e-9);
}

void ClimateWindowTest::fileModelTakesTheFileOrFallsBackToTheRegion()
{
    QTemporaryDir folder;
    const QString good = writeHourlyFile(folder, QStringLiteral("essen.dat"), 4, climateLine);
    InstalledFixture f;
    Tklimamenue window(f.context);
    window.show();
    window.klima_region->click();
    QString dialogGroup;
    ScriptedDialogs dialogs;
    dialogs.on<TDlgSimulation>([&](TDlgSimulation& dialog) {
        dialogGroup = dialog.fileGroup->title();
        dialog.EditDateiname->setText(good);
        dialog.OKBtn->click();
        return dialog.result();
    });
    window.klima_sim->click();
    QCOMPARE(dialogGroup, QStringLiteral("Klimadatei einlesen"));
    QCOMPARE(f.project().klimaModell, std::string(kFileModel));
    QVERIFY(window.LabelKlimadatei->isVisible());
    QCOMPARE(window.LabelKlimadatei->text(), QStringLiteral("Klimadatei: essen.dat"));
    QVERIFY(window.SimButton->isVisible() && !window.karte->isVisible());
    QVERIFY(f.project().climateCoupling.valid && f.project().lastClimateCoupling.valid);

    dialogs.on<TDlgSimulation>([](TDlgSimulation& dialog) {
        dialog.CancelBtn->click();
        return dialog.result();
    });
    window.SimButton->click();
    QCOMPARE(f.project().klimaModell, std::string(kRegionModel));
    QVERIFY(window.klima_region->isChecked());
    QVERIFY(!window.LabelKlimadatei->isVisible());
    QCOMPARE(f.project().climateCoupling.fileName, std::string("sys/_klima_4.met"));
}

void ClimateWindowTest::importedWeatherFileIsNamedWithItsSite()
{
    QTemporaryDir downloads;
    const QString epw = downloads.filePath(QStringLiteral("stockholm.epw"));
    {
        QFile file(epw);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(talp::testing::epwFile()));
    }
    InstalledFixture f(Language::English);
    Tklimamenue window(f.context);
    window.show();
    ScriptedDialogs dialogs;
    dialogs.files << epw;
    dialogs.on<TDlgSimulation>([&](TDlgSimulation& dialog) {
        dialog.WetterImport->click();
        return dialog.result();
    });
    window.klima_sim->click();
    QCOMPARE(f.project().klimaModell, std::string(kFileModel));
    // Without a project file the converted year goes to the user's data folder.
    QCOMPARE(QString::fromStdString(f.project().climateCoupling.fileName), f.scratch.filePath(QStringLiteral("weather/stockholm.met")));
    QCOMPARE(window.LabelKlimadatei->text(),
             QStringLiteral("Climate file: stockholm.met \u2013 Stockholm Arlanda, SWE, 59.65 N 17.95 E, 61 m"));
}

void ClimateWindowTest::loadedFileModelConfirmsItsFileByTheTimer()
{
    QTemporaryDir folder;
    const QString good = writeHourlyFile(folder, QStringLiteral("station.txt"), 4, climateLine);
    InstalledFixture f;
    Tklimamenue window(f.context);
    CouplingRecord stored = defaultClimateCoupling();
    stored.valid = true;
    stored.fileName = good.toStdString();
    stored.columns[0] = {9, 4, 1, 'A'};
    stored.columnCount = 1;
    f.project().lastClimateCoupling = stored;
    f.project().climateCoupling = stored;
    f.project().climateCoupling.valid = false;  // confirmed only by the dialog
    f.project().klimaModell = std::string(kFileModel);
    f.clearFlags();
    ScriptedDialogs dialogs;
    bool opened = false;
    dialogs.on<TDlgSimulation>([&](TDlgSimulation& dialog) {
        opened = true;
        return confirmedByItsTimer(dialog);
    });
    emit f.context.projectReplaced();
    QTRY_VERIFY_WITH_TIMEOUT(opened, 5000);
    QVERIFY(dialogs.boxes.empty());
    QVERIFY(f.project().climateCoupling.valid);
    QCOMPARE(f.project().klimaModell, std::string(kFileModel));
    QVERIFY(window.klima_sim->isChecked());
    QCOMPARE(window.LabelKlimadatei->text(), QStringLiteral("Klimadatei: station.txt"));
    QVERIFY(!f.project().modified);
}

void ClimateWindowTest::loadedClimateAndBuildingFilesAreConfirmedOneAfterTheOther()
{
    QTemporaryDir folder;
    const QString climateFile = writeHourlyFile(folder, QStringLiteral("klima.txt"), 4, climateLine);
    const QString buildingFile = writeHourlyFile(folder, QStringLiteral("gebaeude.txt"), 4, buildingLine);
    InstalledFixture f;
    Tklimamenue climate(f.context);
    Thlkmenue hvac(f.context);
    attachBuildingFileDialog(hvac, f.context);
    Project& p = f.project();
    p.lastClimateCoupling = defaultClimateCoupling();
    p.lastClimateCoupling.fileName = climateFile.toStdString();
    p.klimaModell = std::string(kFileModel);
    p.buildingCoupling.fileName = buildingFile.toStdString();
    p.HlkModus = "sim";
    f.clearFlags();
    ScriptedDialogs dialogs;
    int dialogsAtOnce = 0;
    int dialogsShown = 0;
    dialogs.on<TDlgSimulation>([&](TDlgSimulation& dialog) {
        ++dialogsShown;
        dialog.show();
        const QWidgetList windows = QApplication::topLevelWidgets();
        const auto open = std::count_if(windows.begin(), windows.end(), [](QWidget* w) {
            return qobject_cast<TDlgSimulation*>(w) && w->isVisible();
        });
        dialogsAtOnce = std::max(dialogsAtOnce, int(open));
        return confirmedByItsTimer(dialog);
    });
    emit f.context.projectReplaced();
    QTRY_VERIFY_WITH_TIMEOUT(p.climateCoupling.valid && p.buildingCoupling.valid, 8000);
    QCOMPARE(dialogsShown, 2);
    QCOMPARE(dialogsAtOnce, 1);
    QVERIFY(dialogs.boxes.empty());
    QCOMPARE(p.klimaModell, std::string(kFileModel));
    QCOMPARE(p.HlkModus, std::string("sim"));
    QVERIFY(!p.modified);
}

QTEST_MAIN(ClimateWindowTest)
#include "climate_window_test.moc"
