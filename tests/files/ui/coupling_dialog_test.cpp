// The coupling dialog of the hourly data files: the format check on leaving the field,
// the file check's messages, the OK action for both kinds of file, and the read-again of
// a loaded project's files.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include "core/ui/thlkmenue.h"
#include "files/ui/building_file_dialog.h"
#include "files/ui/tdlgsimulation.h"
#include "tests/files/ui/coupling_files.h"
#include "tests/files/weather_samples.h"
#include "tests/shell/scripted_dialogs.h"

using namespace talp;

class CouplingDialogTest : public QObject {
    Q_OBJECT
private slots:
    void captionsFollowTheKindOfFile();
    void leavingTheFormatFieldChecksItsSyntax();
    void fileCheckMessagesKeepTheDialogOpen_data();
    void fileCheckMessagesKeepTheDialogOpen();
    void acceptedClimateFileReplacesTheCouplingAndTheSineParameters();
    void formatThatDoesNotParseClosesAsCancelled();
    void importedWeatherFileIsCoupledBesideTheProject();
    void weatherFileThatIsRefusedLeavesTheCouplingAlone();
    void buildingFileGivesTheHvacWindowItsColumns();
    void loadedBuildingFileIsConfirmedByTheTimer();
};

namespace {

void leaveFormatField(TDlgSimulation& dialog, const QString& format)
{
    // A message box closed a moment ago may have left no window active.
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.FormatString->setFocus();
    dialog.FormatString->setText(format);
    QTest::keyClick(dialog.FormatString, Qt::Key_Tab);
    QTest::qWait(50);
}

}  // namespace

void CouplingDialogTest::captionsFollowTheKindOfFile()
{
    InstalledFixture f;
    TDlgSimulation climate(f.context, CouplingKind::Climate);
    QCOMPARE(climate.windowTitle(), QStringLiteral("Simulation"));
    QCOMPARE(climate.fileGroup->title(), QStringLiteral("Klimadatei einlesen"));
    QCOMPARE(climate.formatGroup->title(), QStringLiteral("Formateinstellung"));
    QCOMPARE(climate.LabelDatei->text(), QStringLiteral("Klimadatei:"));
    QCOMPARE(climate.LabelZeilen->text(), QStringLiteral("Zeilen am Anfang überspringen:"));
    QCOMPARE(climate.LabelFormat[0]->text(), QStringLiteral("Format für Außentemperatur (A) in °C"));
    QCOMPARE(climate.DateiOeffnen->text(), QStringLiteral("Datei auswählen"));
    QCOMPARE(climate.AnzahlZeilen->maximum(), 100);

    InstalledFixture english(Language::English);
    TDlgSimulation building(english.context, CouplingKind::Building);
    building.show();
    QCOMPARE(building.fileGroup->title(), QStringLiteral("Read HVAC-file"));
    QCOMPARE(building.LabelDatei->text(), QStringLiteral("HVAC-file:"));
    QCOMPARE(building.LabelFormat[0]->text(), QStringLiteral("Format ventilation flow (V) in m³/h,"));
    QCOMPARE(building.LabelFormat[1]->text(), QStringLiteral("Format set point temperature (S) in °C"));
    QCOMPARE(building.LabelFormat[2]->text(), QStringLiteral("Format fan power (P) in W"));
    QVERIFY(building.LabelFormat[2]->isVisible());
}

void CouplingDialogTest::leavingTheFormatFieldChecksItsSyntax()
{
    InstalledFixture f;
    TDlgSimulation climate(f.context, CouplingKind::Climate);
    climate.show();
    QVERIFY(QTest::qWaitForWindowActive(&climate));
    ScriptedDialogs dialogs;
    leaveFormatField(climate, QStringLiteral("XXXXXXXXXAAAA.A"));
    QVERIFY(dialogs.boxes.empty());
    for (const char* bad : {"XXXXXXXXX", "XXXXAAAA.", "XXVVVV.V"}) {
        leaveFormatField(climate, QLatin1String(bad));
        QTRY_COMPARE(dialogs.boxes.size(), std::size_t(1));
        QCOMPARE(dialogs.texts().at(0), QStringLiteral("Syntax Error in Format String"));
        dialogs.boxes.clear();
    }
    // The building file's letters are its own, each at most once.
    TDlgSimulation building(f.context, CouplingKind::Building);
    building.show();
    QVERIFY(QTest::qWaitForWindowActive(&building));
    leaveFormatField(building, QStringLiteral("XXXXXXXXXVVVV.VXSSSS.S"));
    QVERIFY(dialogs.boxes.empty());
    leaveFormatField(building, QStringLiteral("XVVVV.VXVV.V"));
    QTRY_COMPARE(dialogs.texts(), QStringList{QStringLiteral("Syntax Error in Format String")});
}

void CouplingDialogTest::fileCheckMessagesKeepTheDialogOpen_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("message");
    QTest::newRow("none chosen") << QStringLiteral("keine") << 0 << QStringLiteral("Keine Datei gewählt");
    QTest::newRow("none chosen, English") << QStringLiteral("keine") << 1 << QStringLiteral("Please enter filename");
    QTest::newRow("missing") << QStringLiteral("missing.dat") << 0 << QStringLiteral("Datei kann nicht geöffnet werden");
    QTest::newRow("bad 10th data line") << QStringLiteral("bad10.dat") << 0 << QStringLiteral("Fehler in Datei, Zeile 14");
    QTest::newRow("bad 10th data line, English") << QStringLiteral("bad10.dat") << 1
                                                 << QStringLiteral("File-format-error in row 14");
    QTest::newRow("short year") << QStringLiteral("short.dat") << 0 << QStringLiteral("Fehler in Datei, Zeile 8764");
}

void CouplingDialogTest::fileCheckMessagesKeepTheDialogOpen()
{
    QFETCH(QString, file);
    QFETCH(int, language);
    QFETCH(QString, message);
    QTemporaryDir folder;
    writeHourlyFile(folder, QStringLiteral("bad10.dat"), 4, [](int hour) {
        return hour == 10 ? QStringLiteral("00000010h  12,5") : climateLine(hour);
    });
    writeHourlyFile(folder, QStringLiteral("short.dat"), 4, [](int hour) {
        return hour < talp::kHoursPerYear ? climateLine(hour) : QString();
    });
    InstalledFixture f(static_cast<Language>(language));
    const CouplingRecord before = f.project().climateCoupling;
    TDlgSimulation dialog(f.context, CouplingKind::Climate);
    dialog.show();
    dialog.EditDateiname->setText(file == QLatin1String("keine") ? file : folder.filePath(file));
    dialog.AnzahlZeilen->setValue(4);
    ScriptedDialogs dialogs;
    dialog.OKBtn->click();
    QCOMPARE(dialogs.texts(), QStringList{message});
    QCOMPARE(dialogs.titles(), QStringList{language == 0 ? QStringLiteral("Warnung") : QStringLiteral("Warning")});
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
    QVERIFY(f.project().climateCoupling == before);
}

void CouplingDialogTest::acceptedClimateFileReplacesTheCouplingAndTheSineParameters()
{
    QTemporaryDir folder;
    const QString good = writeHourlyFile(folder, QStringLiteral("year.dat"), 2, climateLine);
    InstalledFixture f;
    f.project().lastClimateCoupling.fileName = good.toStdString();
    f.project().lastClimateCoupling.headerLines = 2;
    TDlgSimulation dialog(f.context, CouplingKind::Climate);
    ScriptedDialogs dialogs;
    QString offered;
    dialogs.on<TDlgSimulation>([&](TDlgSimulation& shown) {
        // Opened with the last accepted climate file.
        offered = shown.EditDateiname->text() + QLatin1Char(' ') + QString::number(shown.AnzahlZeilen->value()) +
                  QLatin1Char(' ') + shown.FormatString->text();
        shown.OKBtn->click();
        return shown.result();
    });
    QCOMPARE(dialog.choose(), int(QDialog::Accepted));
    QCOMPARE(offered, good + QStringLiteral(" 2 XXXXXXXXXAAAA.A"));
    const CouplingRecord& accepted = f.project().climateCoupling;
    QVERIFY(accepted.valid);
    QCOMPARE(accepted.fileName, good.toStdString());
    QCOMPARE(accepted.headerLines, 2);
    QCOMPARE(accepted.columnCount, 1);
    QCOMPARE(accepted.columns[0], (ColumnDescriptor{9, 4, 1, 'A'}));
    QVERIFY(f.project().lastClimateCoupling == accepted);
    // A year warmest in summer around 9 °C: the sine follows it.
    QVERIFY(std::abs(double(f.project().get(Param::jahresmittel)) - 9.0) < 0.5);
    QVERIFY(f.project().get(Param::max_monatsmittel) > 15);
    QCOMPARE(f.project().getInt(Param::monat_sinusspitze), 6);
}

void CouplingDialogTest::formatThatDoesNotParseClosesAsCancelled()
{
    QTemporaryDir folder;
    const QString good = writeHourlyFile(folder, QStringLiteral("year.dat"), 4, climateLine);
    InstalledFixture f;
    f.project().climateCoupling.valid = true;
    f.project().lastClimateCoupling.valid = true;
    TDlgSimulation dialog(f.context, CouplingKind::Climate);
    dialog.show();
    dialog.EditDateiname->setText(good);
    dialog.FormatString->setText(QStringLiteral("XXXXXXXXXAAAA."));
    dialog.OKBtnClick();
    QCOMPARE(dialog.result(), kFormatRefused);
    QVERIFY(!dialog.isVisible());
    QVERIFY(!f.project().climateCoupling.valid);
    QVERIFY(!f.project().lastClimateCoupling.valid);
}

namespace {

QString writeText(const QTemporaryDir& folder, const QString& name, const std::string& content)
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(content.data(), qint64(content.size()));
    return file.fileName();
}

}  // namespace

void CouplingDialogTest::importedWeatherFileIsCoupledBesideTheProject()
{
    QTemporaryDir downloads;
    QTemporaryDir projectFolder;
    const QString epw = writeText(downloads, QStringLiteral("SWE_Stockholm.epw"), talp::testing::epwFile());
    InstalledFixture f(Language::English);
    f.session.projectPath = projectFolder.filePath(QStringLiteral("hall.tlp")).toStdString();
    TDlgSimulation dialog(f.context, CouplingKind::Climate);
    QCOMPARE(dialog.WetterImport->text(), QStringLiteral("Import weather file ..."));
    dialog.show();
    ScriptedDialogs dialogs;
    dialogs.files << epw;
    dialog.WetterImport->click();

    // The converted year sits beside the project, is coupled at once and the dialog closes.
    const QString converted = projectFolder.filePath(QStringLiteral("SWE_Stockholm.met"));
    QVERIFY(QFile::exists(converted));
    QVERIFY(QFile::exists(projectFolder.filePath(QStringLiteral("SWE_Stockholm.hum"))));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QVERIFY(dialogs.texts().isEmpty());
    const CouplingRecord& accepted = f.project().climateCoupling;
    QVERIFY(accepted.valid);
    QCOMPARE(QString::fromStdString(accepted.fileName), converted);
    QCOMPARE(dialog.EditDateiname->text(), converted);
}

void CouplingDialogTest::weatherFileThatIsRefusedLeavesTheCouplingAlone()
{
    QTemporaryDir downloads;
    std::string shortYear = talp::testing::epwFile();
    shortYear.resize(shortYear.size() / 2);
    shortYear.erase(shortYear.rfind('\n') + 1);
    const QString epw = writeText(downloads, QStringLiteral("half.epw"), shortYear);
    InstalledFixture f;
    f.project().climateCoupling.valid = true;
    f.project().climateCoupling.fileName = "/somewhere/before.dat";
    TDlgSimulation dialog(f.context, CouplingKind::Climate);
    dialog.show();
    ScriptedDialogs dialogs;
    dialogs.files << epw;
    dialog.WetterImport->click();
    // The planner is told why and stays in the dialog with the earlier coupling in force.
    QCOMPARE(dialogs.texts().size(), 1);
    QVERIFY(dialog.isVisible());
    QVERIFY(f.project().climateCoupling.valid);
    QCOMPARE(f.project().climateCoupling.fileName, std::string("/somewhere/before.dat"));
    QVERIFY(!QFile::exists(downloads.filePath(QStringLiteral("half.met"))));
}

void CouplingDialogTest::buildingFileGivesTheHvacWindowItsColumns()
{
    QTemporaryDir folder;
    const QString good = writeHourlyFile(folder, QStringLiteral("gebaeude.dat"), 4, buildingLine);
    InstalledFixture f;
    Thlkmenue window(f.context);
    attachBuildingFileDialog(window, f.context);
    window.show();
    QString offeredFormat;
    ScriptedDialogs dialogs;
    dialogs.on<TDlgSimulation>([&](TDlgSimulation& dialog) {
        offeredFormat = dialog.FormatString->text();
        dialog.EditDateiname->setText(good);
        dialog.OKBtn->click();
        return dialog.result();
    });
    window.hlk_sim->click();
    QVERIFY(dialogs.boxes.empty());
    QCOMPARE(offeredFormat, QStringLiteral("XXXXXXXXXVVVV.VXSSSS.S"));
    QCOMPARE(f.project().HlkModus, std::string("sim"));
    const CouplingRecord& file = f.project().buildingCoupling;
    QVERIFY(file.valid);
    QCOMPARE(file.columnOf('V'), 0);
    QCOMPARE(file.columnOf('S'), 1);
    QCOMPARE(file.columnOf('P'), -1);
    QVERIFY(!window.inputShown(Param::luftstrom));
    QVERIFY(!window.inputShown(Param::solltemp));
    QVERIFY(!f.project().lastClimateCoupling.valid);  // the climate's copy is the climate's own
}

void CouplingDialogTest::loadedBuildingFileIsConfirmedByTheTimer()
{
    QTemporaryDir folder;
    const QString good = writeHourlyFile(folder, QStringLiteral("gebaeude.dat"), 4, buildingLine);
    InstalledFixture f;
    Thlkmenue window(f.context);
    attachBuildingFileDialog(window, f.context);
    CouplingRecord& stored = f.project().buildingCoupling;
    stored.fileName = good.toStdString();
    stored.columns[0] = {9, 4, 1, 'V'};
    stored.columns[1] = {1, 4, 1, 'S'};
    stored.columnCount = 2;
    stored.valid = false;  // valid only once the dialog confirmed it
    f.project().HlkModus = "sim";
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
    QVERIFY(f.project().buildingCoupling.valid);
    QCOMPARE(f.project().HlkModus, std::string("sim"));
    QVERIFY(!f.project().modified);
}

QTEST_MAIN(CouplingDialogTest)
#include "coupling_dialog_test.moc"
