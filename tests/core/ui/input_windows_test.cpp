#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

#include "climate/ui/tfkalender.h"
#include "core/hvac.h"
#include "core/ui/tdetails.h"
#include "core/ui/terdemenue.h"
#include "core/ui/tewtmenue.h"
#include "core/ui/thlkmenue.h"
#include "core/ui/up_down_buttons.h"
#include "core/ui/ventilation_file_dialog.h"
#include "tests/core/ui/window_fixture.h"
#include "tests/shell/scripted_dialogs.h"

using namespace talp;

class InputWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void onePipeDisablesTheSpacing();
    void lengthBarAndTypedLengthFollowEachOther();
    void stepButtonsStepByTheIncrementWithinTheBounds();
    void pipeWindowLeavesTheOptimisationCurrent();
    void segmentGridCorrectsInterpolatesAndTakesOver();
    void segmentGridTakesACommaAsPointAndNeedsBothEnds();
    void aTableInUseGreysTheSingleValueItReplaces();
    void typedConductivityKeepsItsDecimals();
    void presetThenTypedValueIsUserDefined();
    void soilBarsSetTheirValues();
    void airFlowAboveTheHighestAirChangeIsCapped();
    void fanDisplayFollowsThePipeWindow();
    void airVelocityFollowsThePipesAndTheAirFlow();
    void controlByPeriodGreysTheRangeAndOpensTheCalendar();
    void fileModeWithoutDialogStaysQuasistationary();
    void acceptedVentilationFileHidesWhatItSupplies();
};

void InputWindowsTest::onePipeDisablesTheSpacing()
{
    WindowFixture f;
    Tewtmenue window(f.context);
    window.show();
    ParamSpinBox* spacing = window.input(Param::AbstandzwRohren);
    QVERIFY(spacing->isEnabled());

    typeInto(window.input(Param::rohranzahl), QStringLiteral("1"));
    QCOMPARE(f.project().getInt(Param::rohranzahl), 1);
    QVERIFY(!spacing->isEnabled());
    QVERIFY(!window.stepButtons(PipeLabel::AbstandzwRohren)->isEnabled());
    QCOMPARE(window.label(PipeLabel::AbstandzwRohren)->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    QCOMPARE(window.label(PipeLabel::Anzahl)->text(), QStringLiteral("1 Rohr(e)"));

    window.stepButtons(PipeLabel::Anzahl)->up()->click();
    QCOMPARE(f.project().getInt(Param::rohranzahl), 2);
    QVERIFY(spacing->isEnabled());
    QVERIFY(window.stepButtons(PipeLabel::AbstandzwRohren)->isEnabled());
    QCOMPARE(window.label(PipeLabel::AbstandzwRohren)->palette().color(QPalette::WindowText), QColor(192, 192, 192));
}

void InputWindowsTest::lengthBarAndTypedLengthFollowEachOther()
{
    WindowFixture f;
    Tewtmenue window(f.context);
    window.show();
    QCOMPARE(window.rohrlnge2->value(), 500);

    window.rohrlnge2->setValue(1234);
    QCOMPARE(f.project().get(Param::rohrlnge), 123.4L);
    QCOMPARE(window.input(Param::rohrlnge)->text(), QStringLiteral("123.4"));
    QCOMPARE(window.label(PipeLabel::Rohrlnge)->text(), QStringLiteral(" 123.4 m lang"));

    // A length between two bar positions falls back to the lower one.
    typeInto(window.input(Param::rohrlnge), QStringLiteral("55.55"));
    QCOMPARE(window.rohrlnge2->value(), 555);
    QCOMPARE(f.project().get(Param::rohrlnge), 55.5L);
    QCOMPARE(window.label(PipeLabel::Rohrlnge)->text(), QStringLiteral(" 55.5 m lang"));

    // A length the bar can show is kept as typed.
    typeInto(window.input(Param::rohrlnge), QStringLiteral("57.3"));
    QCOMPARE(f.project().get(Param::rohrlnge), 57.3L);
    QCOMPARE(window.rohrlnge2->value(), 573);

    // Positions below ten stand for less than the shortest pipe.
    window.rohrlnge2->setValue(4);
    QCOMPARE(f.project().get(Param::rohrlnge), 1.0L);
    QCOMPARE(window.rohrlnge2->value(), 10);

    // A loaded length keeps its decimals; only the bar follows.
    f.project().set(Param::rohrlnge, 55.55L);
    window.refreshFromModel();
    QCOMPARE(f.project().get(Param::rohrlnge), 55.55L);
    QCOMPARE(window.rohrlnge2->value(), 555);
}

void InputWindowsTest::stepButtonsStepByTheIncrementWithinTheBounds()
{
    WindowFixture f;
    Tewtmenue window(f.context);
    for (int i = 0; i < 10; ++i) window.stepButtons(PipeLabel::Verlegungstiefe)->up()->click();
    QCOMPARE(f.project().get(Param::verlegungstiefe), 3.0L);
    QCOMPARE(window.label(PipeLabel::Verlegungstiefe)->text(), QStringLiteral(" 3.0 m tief"));
    window.stepButtons(PipeLabel::Rohrquer)->down()->click();
    QCOMPARE(f.project().get(Param::rohrdurchmesser), 499.0L);
    QCOMPARE(window.label(PipeLabel::Rohrquer)->text(), QStringLiteral(" 499 mm "));

    f.project().set(Param::AbsGebaeude, 0.1L);
    window.refreshFromModel();
    window.stepButtons(PipeLabel::AbsGebaeude)->down()->click();
    QCOMPARE(f.project().get(Param::AbsGebaeude), 0.1L);
    QCOMPARE(window.label(PipeLabel::AbsGebaeude)->text(), QStringLiteral(" 0.1 m Abstand"));
}

void InputWindowsTest::pipeWindowLeavesTheOptimisationCurrent()
{
    WindowFixture f;
    Tewtmenue window(f.context);
    window.VentilatorNach->click();
    QCOMPARE(f.project().get(Param::VentilatorVor), 0.0L);
    QVERIFY(f.project().modified);
    QVERIFY(f.project().RecalcNeeded);
    QVERIFY(!f.project().OptRecalcNeeded);

    f.clearFlags();
    typeInto(window.input(Param::AbsGebaeude), QStringLiteral("7.5"));
    QVERIFY(f.project().modified && f.project().RecalcNeeded && !f.project().OptRecalcNeeded);
    QCOMPARE(window.label(PipeLabel::AbsGebaeude)->text(), QStringLiteral(" 7.5 m Abstand"));
}

void InputWindowsTest::segmentGridCorrectsInterpolatesAndTakesOver()
{
    WindowFixture f;
    TDetails details(f.context, SegmentMode::Depth);
    QCOMPARE(details.windowTitle(), QStringLiteral("Verlegungstiefe der Rohre unter Erdoberfläche"));
    QVERIFY(!details.kellerinnentempBox->isVisibleTo(&details));
    QCOMPARE(details.StringGrid->item(0, 1)->text(), QStringLiteral("2.00"));
    QCOMPARE(details.StringGrid->item(49, 1)->text(), QStringLiteral("  2.00"));
    QCOMPARE(details.StringGrid->item(99, 0)->text(), QStringLiteral("50.0"));

    {
        ScriptedDialogs dialogs;
        details.StringGrid->item(49, 1)->setText(QStringLiteral("12"));
        QVERIFY(details.validateRows());
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("Ungültige Eingabe !")});
    }
    QCOMPARE(details.StringGrid->item(49, 1)->text(), QStringLiteral("10.0"));
    QCOMPARE(details.StringGrid->item(24, 1)->text(), QStringLiteral("  5.92"));  // 2 + 24 × 8 / 49

    details.RuecksetzenBtn->click();
    details.StringGrid->item(99, 1)->setText(QStringLiteral("3.0"));
    QVERIFY(details.validateRows());
    QCOMPARE(details.StringGrid->item(50, 1)->text(), QStringLiteral("  2.51"));

    details.OK->click();
    QCOMPARE(details.result(), int(QDialog::Accepted));
    QVERIFY(f.project().SegmentDepth.variable);
    QCOMPARE(f.project().SegmentDepth.at(51), 2.51L);  // as the grid shows it
    QVERIFY(qAbs(static_cast<double>(f.project().get(Param::verlegungstiefe)) - 2.5) < 0.01);  // the mean
    QVERIFY(f.project().modified && f.project().RecalcNeeded && !f.project().OptRecalcNeeded);
}

void InputWindowsTest::segmentGridTakesACommaAsPointAndNeedsBothEnds()
{
    WindowFixture f;
    TDetails details(f.context, SegmentMode::BuildingDistance);
    details.show();
    QVERIFY(QTest::qWaitForWindowExposed(&details));
    QVERIFY(details.kellerinnentempBox->isVisible());
    QVERIFY(details.kellerkwertBox->isVisible());
    QCOMPARE(details.StringGrid->horizontalHeaderItem(1)->text(), QStringLiteral("Abstand Gebäude in m"));

    details.StringGrid->setCurrentCell(9, 1);
    details.StringGrid->editItem(details.StringGrid->item(9, 1));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("7,5"));
    QCOMPARE(editor->text(), QStringLiteral("7.5"));
    const QString typed = editor->text();
    details.StringGrid->item(9, 1)->setText(typed);

    details.StringGrid->item(99, 1)->setText(QString());
    QVERIFY(!details.validateRows());
    QVERIFY(!details.OK->isEnabled());
    QVERIFY(!details.UebernehmenBtn->isEnabled());
    details.OK->click();
    QVERIFY(details.isVisible());  // a failed validation keeps the dialog open

    details.StringGrid->item(99, 1)->setText(QStringLiteral("5"));
    QVERIFY(details.validateRows());
    details.UebernehmenBtn->click();
    QVERIFY(!f.project().SegmentBuildingDistance.variable);  // applied only when the dialog closes
    details.Cancel->click();
    QVERIFY(f.project().SegmentBuildingDistance.variable);  // three rows entered
    QCOMPARE(f.project().SegmentBuildingDistance.at(10), 7.5L);

    // The basement values are inputs of the project, not of the table.
    f.clearFlags();
    typeInto(details.basementInput(Param::kellerinnentemp), QStringLiteral("15"));
    QCOMPARE(f.project().get(Param::kellerinnentemp), 15.0L);
    QVERIFY(f.project().OptRecalcNeeded);
}

void InputWindowsTest::aTableInUseGreysTheSingleValueItReplaces()
{
    WindowFixture f;
    Tewtmenue window(f.context);
    window.show();
    ScriptedDialogs dialogs;
    // Depth 2 m at the building, 3 m at the far end, 4 m half way: a table.
    dialogs.on<TDetails>([](TDetails& details) {
        details.StringGrid->item(49, 1)->setText(QStringLiteral("4"));
        details.StringGrid->item(99, 1)->setText(QStringLiteral("3"));
        details.OK->click();
        return details.result();
    });
    window.Button2->click();
    QVERIFY(f.project().SegmentDepth.variable);
    QVERIFY(!window.input(Param::verlegungstiefe)->isEnabled());
    QVERIFY(!window.stepButtons(PipeLabel::Verlegungstiefe)->isEnabled());
    QVERIFY(window.input(Param::AbsGebaeude)->isEnabled());
    QCOMPARE(window.input(Param::verlegungstiefe)->text(), QString::fromStdString(formatGeneral(f.project().get(Param::verlegungstiefe))));

    // A loaded project with a distance table shows it the same way.
    f.project().SegmentBuildingDistance.variable = true;
    window.refreshFromModel();
    QVERIFY(!window.input(Param::AbsGebaeude)->isEnabled());
    QVERIFY(!window.stepButtons(PipeLabel::AbsGebaeude)->isEnabled());

    // Both ends equal again: no table, and the single value is that depth.
    dialogs.on<TDetails>([](TDetails& details) {
        details.RuecksetzenBtn->click();
        details.StringGrid->item(0, 1)->setText(QStringLiteral("2.5"));
        details.StringGrid->item(99, 1)->setText(QStringLiteral("2.5"));
        details.OK->click();
        return details.result();
    });
    window.Button2->click();
    QVERIFY(!f.project().SegmentDepth.variable);
    QVERIFY(window.input(Param::verlegungstiefe)->isEnabled());
    QCOMPARE(window.input(Param::verlegungstiefe)->text(), QStringLiteral("2.5"));
    QCOMPARE(window.label(PipeLabel::Verlegungstiefe)->text(), QStringLiteral(" 2.5 m tief"));
}

void InputWindowsTest::typedConductivityKeepsItsDecimals()
{
    WindowFixture f;
    Terdemenue window(f.context);
    typeInto(window.input(Param::wrmeleitfhigkeit), QStringLiteral("0.53"));
    QCOMPARE(f.project().get(Param::wrmeleitfhigkeit), 0.53L);
    QCOMPARE(window.bar(SoilValue::Conductivity)->value(), 53);
    QCOMPARE(window.input(Param::wrmeleitfhigkeit)->text(), QStringLiteral("0.53"));
    QCOMPARE(window.valueLabel(SoilValue::Conductivity)->text(), QStringLiteral(" Wärmeleitfähigkeit: 0.53 W/(m K) "));

    // Also when a project brings it.
    f.project().set(Param::wrmekapazitt, 0.57L);
    window.refreshFromModel();
    QCOMPARE(f.project().get(Param::wrmekapazitt), 0.57L);
    QCOMPARE(window.bar(SoilValue::HeatCapacity)->value(), 57);

    // A value between two positions takes the bar's.
    typeInto(window.input(Param::wrmekapazitt), QStringLiteral("1.555"));
    QCOMPARE(f.project().get(Param::wrmekapazitt), 1.55L);
}

void InputWindowsTest::presetThenTypedValueIsUserDefined()
{
    WindowFixture f;
    Terdemenue window(f.context);
    QCOMPARE(window.erdreich->currentText(), QStringLiteral("lehmig feucht"));
    QCOMPARE(window.erdreich->count(), 9);

    emit window.erdreich->activated(7);
    QCOMPARE(f.project().get(Param::dichte), 2250.0L);
    QCOMPARE(f.project().get(Param::wrmekapazitt), 0.71L);
    QCOMPARE(f.project().get(Param::wrmeleitfhigkeit), 1.87L);
    QCOMPARE(window.erdreich->currentText(), QStringLiteral("Sandstein"));
    QCOMPARE(window.valueLabel(SoilValue::Density)->text(), QStringLiteral(" Dichte: 2250.0 kg/m³ "));
    QCOMPARE(window.bar(SoilValue::Density)->value(), 2250);
    QVERIFY(f.project().OptRecalcNeeded);

    typeInto(window.input(Param::wrmeleitfhigkeit), QStringLiteral("1.9"));
    QCOMPARE(f.project().get(Param::wrmeleitfhigkeit), 1.9L);
    QCOMPARE(window.erdreich->currentText(), QStringLiteral("benutzerdefiniert"));
    QCOMPARE(QString::fromStdString(f.project().erdreich), QStringLiteral("benutzerdefiniert"));

    // The calcareous soil's 0.714 lies between two bar positions: the bar's value, the name kept.
    emit window.erdreich->activated(1);
    QCOMPARE(f.project().get(Param::wrmeleitfhigkeit), 0.71L);
    QCOMPARE(window.erdreich->currentText(), QStringLiteral("kalkhaltige Erde"));
}

void InputWindowsTest::soilBarsSetTheirValues()
{
    WindowFixture f(Language::English);
    Terdemenue window(f.context);
    QCOMPARE(window.erdreich->itemText(3), QStringLiteral("moist loamy soil"));
    window.bar(SoilValue::Density)->setValue(2100);
    QCOMPARE(f.project().get(Param::dichte), 2100.0L);
    QCOMPARE(window.valueLabel(SoilValue::Density)->text(), QStringLiteral(" Density: 2100.0 kg/m³ "));
    QCOMPARE(window.erdreich->currentText(), QStringLiteral("user-defined"));
    window.bar(SoilValue::HeatCapacity)->setValue(123);
    QCOMPARE(f.project().get(Param::wrmekapazitt), 1.23L);

    f.clearFlags();
    window.Grundwassertiefe2->down()->click();
    QCOMPARE(f.project().get(Param::Grundwassertiefe), 19.9L);
    QCOMPARE(window.LabelAbsGrund->text(), QStringLiteral(" 19.9 m depth "));
    QVERIFY(f.project().modified && f.project().RecalcNeeded && f.project().OptRecalcNeeded);
}

void InputWindowsTest::airFlowAboveTheHighestAirChangeIsCapped()
{
    WindowFixture f;
    Thlkmenue window(f.context);
    QCOMPARE(window.size(), QSize(640, 386));
    typeInto(window.input(Param::luftstrom), QStringLiteral("25000"));
    QCOMPARE(f.project().get(Param::luftwechsel), 20.0L);
    QCOMPARE(f.project().get(Param::luftstrom), 20000.0L);
    QCOMPARE(window.input(Param::luftwechsel)->text(), QStringLiteral("20"));
    QCOMPARE(window.input(Param::luftstrom)->text(), QStringLiteral("20000"));
    QVERIFY(f.project().modified && f.project().RecalcNeeded && f.project().OptRecalcNeeded);

    typeInto(window.input(Param::luftstrom), QStringLiteral("1234"));
    QCOMPARE(window.input(Param::luftwechsel)->text(), QStringLiteral("1.23"));
    // The volume typed digit by digit ends where the whole number puts it: the air change
    // the planner set (1.23 1/h) stays, however the flows of 2, 20 and 200 m³ round.
    typeInto(window.input(Param::geb_vol), QStringLiteral("2000"));
    QCOMPARE(f.project().get(Param::luftstrom), 2460.0L);
    QCOMPARE(f.project().get(Param::luftwechsel), 1.23L);

    typeInto(window.input(Param::luftstrom), QStringLiteral("0"));
    for (QLineEdit* field : {window.ventilatorleistung, window.ventilatorleistungW, window.druckabfallPam})
        QCOMPARE(field->text(), QStringLiteral("0"));
    QCOMPARE(window.druckabfallPa_Ges->text(), QStringLiteral("0"));  // the fan stands still
}

void InputWindowsTest::fanDisplayFollowsThePipeWindow()
{
    WindowFixture f;
    Thlkmenue hvac(f.context);
    Tewtmenue pipes(f.context);
    const FanDisplay defaults = VentLstgUpdate(f.project());
    QCOMPARE(hvac.ventilatorleistungW->text(), QString::fromStdString(defaults.ventilatorleistungW));
    QCOMPARE(hvac.druckabfallPa_Ges->text(), QString::fromStdString(defaults.druckabfallPa_Ges));

    typeInto(pipes.input(Param::rohrdurchmesser), QStringLiteral("200"));
    const FanDisplay narrow = VentLstgUpdate(f.project());
    QVERIFY(narrow.ventilatorleistungW != defaults.ventilatorleistungW);
    QCOMPARE(hvac.ventilatorleistungW->text(), QString::fromStdString(narrow.ventilatorleistungW));
}

void InputWindowsTest::airVelocityFollowsThePipesAndTheAirFlow()
{
    WindowFixture f;
    Tewtmenue pipes(f.context);
    Thlkmenue hvac(f.context);
    // 1000 m³/h through two pipes of 500 mm.
    QCOMPARE(pipes.LabelLuftgeschwindigkeit->text(), QStringLiteral("Luftgeschwindigkeit in den Rohren: 0.71 m/s"));
    typeInto(pipes.input(Param::rohranzahl), QStringLiteral("1"));
    QCOMPARE(pipes.LabelLuftgeschwindigkeit->text(), QStringLiteral("Luftgeschwindigkeit in den Rohren: 1.41 m/s"));
    typeInto(pipes.input(Param::rohrdurchmesser), QStringLiteral("250"));
    QCOMPARE(pipes.LabelLuftgeschwindigkeit->text(), QStringLiteral("Luftgeschwindigkeit in den Rohren: 5.66 m/s"));
    // The air flow is set in the ventilation window.
    typeInto(hvac.input(Param::luftstrom), QStringLiteral("500"));
    QCOMPARE(pipes.LabelLuftgeschwindigkeit->text(), QStringLiteral("Luftgeschwindigkeit in den Rohren: 2.83 m/s"));
    f.session.languageState.language = Language::English;
    pipes.applyLanguage();
    QCOMPARE(pipes.LabelLuftgeschwindigkeit->text(), QStringLiteral("Air velocity in the pipes: 2.83 m/s"));
}

void InputWindowsTest::controlByPeriodGreysTheRangeAndOpensTheCalendar()
{
    WindowFixture f;
    Thlkmenue window(f.context);
    window.show();
    QVERIFY(!window.zeitraumdetails->isVisible());
    int calendars = 0;
    ScriptedDialogs dialogs;
    dialogs.on<TFKalender>([&](TFKalender& calendar) {
        ++calendars;
        calendar.Cancel->click();
        return calendar.result();
    });
    window.EWT_Reg_Zeitraum->click();
    QCOMPARE(calendars, 1);
    QCOMPARE(f.project().get(Param::EWT_Reg_offset), 0.0L);
    for (Param id : {Param::EWT_offset, Param::solltemp, Param::heizgrenztemp, Param::kuehlgrenztemp})
        QVERIFY(!window.input(id)->isEnabled());
    QVERIFY(window.zeitraumdetails->isVisible());
    QVERIFY(hvacRules(f.project()).controlByPeriod);

    window.zeitraumdetails->click();
    QCOMPARE(calendars, 2);

    window.EWT_Reg_offset->click();
    QCOMPARE(calendars, 2);
    QVERIFY(window.input(Param::solltemp)->isEnabled());
    QVERIFY(!window.zeitraumdetails->isVisible());

    // A loaded project with control by period shows it without opening the calendar.
    f.project().set(Param::EWT_Reg_offset, 0);
    window.refreshFromModel();
    QCOMPARE(calendars, 2);
    QVERIFY(window.EWT_Reg_Zeitraum->isChecked());
}

void InputWindowsTest::fileModeWithoutDialogStaysQuasistationary()
{
    WindowFixture f(Language::English);
    Thlkmenue window(f.context);
    window.show();
    ScriptedDialogs dialogs;
    window.hlk_sim->click();
    QCOMPARE(dialogs.texts().size(), 1);
    QVERIFY(dialogs.texts().at(0).startsWith(QStringLiteral("Reading an HVAC-file is not yet available")));
    QVERIFY(window.hlk_quasistat->isChecked());
    QCOMPARE(QString::fromStdString(f.project().HlkModus), QStringLiteral("quasistat"));
    QVERIFY(!window.SimButton->isVisible());
    QVERIFY(!window.LabelHLKDatei->isVisible());
}

namespace {
// Accepts a building file with the given column letters, as the file dialog does.
class AcceptingFileDialog : public VentilationFileDialog {
public:
    AcceptingFileDialog(Project& project, std::string letters) : project_(project), letters_(std::move(letters)) {}
    bool chooseBuildingFile(QWidget*) override
    {
        CouplingRecord& file = project_.buildingCoupling;
        file.valid = true;
        file.fileName = "C:\\Projekte\\Schule\\lueftung.txt";
        file.columnCount = static_cast<int>(letters_.size());
        for (std::size_t i = 0; i < letters_.size(); ++i) file.columns[i].letter = letters_[i];
        return true;
    }

private:
    Project& project_;
    std::string letters_;
};
}  // namespace

void InputWindowsTest::acceptedVentilationFileHidesWhatItSupplies()
{
    WindowFixture f;
    Thlkmenue window(f.context);
    window.show();
    AcceptingFileDialog fanPowerFile(f.project(), "SP");
    window.setVentilationFileDialog(&fanPowerFile);
    window.hlk_sim->click();
    QCOMPARE(QString::fromStdString(f.project().HlkModus), QStringLiteral("sim"));
    QCOMPARE(window.LabelHLKDatei->text(), QStringLiteral("HLK-Datei: lueftung.txt"));
    QVERIFY(window.SimButton->isVisible() && window.SimButton->isEnabled());
    QVERIFY(!window.inputShown(Param::solltemp));
    QVERIFY(!window.inputShown(Param::druckabfallPa_fest));
    QVERIFY(!window.inputShown(Param::wirkungsgrad));
    QVERIFY(window.inputShown(Param::luftstrom));
    QVERIFY(window.inputShown(Param::heizgrenztemp));

    AcceptingFileDialog flowFile(f.project(), "V");
    window.setVentilationFileDialog(&flowFile);
    window.SimButton->click();
    for (Param id : {Param::geb_vol, Param::luftwechsel, Param::luftstrom, Param::solltemp, Param::heizgrenztemp,
                     Param::kuehlgrenztemp, Param::EWT_offset})
        QVERIFY(!window.inputShown(id));
    QVERIFY(window.inputShown(Param::druckabfallPa_fest));
    QVERIFY(!window.zeitraumdetails->isVisibleTo(&window));

    window.hlk_quasistat->click();
    QVERIFY(!ventilationFileInUse(f.project()));
    QVERIFY(window.inputShown(Param::luftstrom));
    QVERIFY(!window.SimButton->isVisible());
}

QTEST_MAIN(InputWindowsTest)
#include "input_windows_test.moc"
