// The report on paper and in PDF files (read back with pdftotext), the report commands
// with their calculation, the window picture, the command line's PDF, and the help window
// that F1 and the help buttons open.

#include <QAbstractButton>
#include <QAction>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <map>
#include <QtTest>

#include "core/numeric.h"
#include "climate/ui/tfkalender.h"
#include "core/ui/tdetails.h"
#include "core/ui/tewtmenue.h"
#include "evaluation/ui/tewtparameter.h"
#include "files/hourly_file.h"
#include "files/project_file.h"
#include "shell/help_file.h"
#include "shell/report/report_calculation.h"
#include "shell/help_contexts.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/help_window.h"
#include "shell/ui/qt_text.h"
#include "shell/ui/report_commands.h"
#include "shell/ui/report_painter.h"
#include "shell/ui/shell_context.h"
#include "shell/ui/topic_window.h"
#include "shell/ui/topic_windows.h"
#include "tests/shell/scripted_dialogs.h"

using namespace talp;

namespace {

// The program's own directory, where the installation data and `talp` are; what the
// program writes goes to a folder of this test's own.
Installation installation()
{
    static const QTemporaryDir scratch;
    return Installation{QCoreApplication::applicationDirPath().toStdString(), scratch.path().toStdString()};
}

// The text of a PDF file, pages separated by form feeds.
QString pdfText(const QString& file)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000)) return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

QStringList pages(const QString& text) { return text.split(QLatin1Char('\f'), Qt::SkipEmptyParts); }

// A session whose results are up to date, with the annual figures and economics given.
struct CalculatedSession {
    explicit CalculatedSession(Language language = Language::German) : session(installation())
    {
        session.languageState.language = language;
        session.project.RecalcNeeded = false;
        session.results->HeatingEnergy = 2500.04L;
        session.results->MaxOutletTemp = 21.5L;
        session.results->MinOutletTemp = 3.5L;
        session.results->OperatingHours = 4000;
    }
    Session session;
};

}  // namespace

class ReportAndHelpTest : public QObject {
    Q_OBJECT
private slots:
    void onePipeReportHasNoSpacingAndAHopelessPaybackPrintsDashes();
    void englishReportPrintsTheEnglishTexts();
    void aReportThatCannotBeWrittenIsReported();
    void aSmallPageCarriesTheReportOnOverFurtherPages();
    void pdfCommandCalculatesFirstThroughTheWaitWindow();
    void formPictureFillsThePageWidth();
    void commandLineWritesTheReportOfAProjectOrThePresets();
    void f1OnAControlOpensItsTopic();
    void f1OnEveryListedControlAndWindowOpensItsTopic();
    void contentsAndRepeatedRequestsTurnTheHelpWindow();
    void theHelpNamesEveryButtonAsTheWindowsShowIt();
    void aMissingHelpFileIsReportedWithItsPath();
    void theHelpWindowStaysUsableBesideTheModalDialogThatAskedForIt();
};

void ReportAndHelpTest::onePipeReportHasNoSpacingAndAHopelessPaybackPrintsDashes()
{
    CalculatedSession s;
    s.session.project.set(Param::rohranzahl, 1);
    s.session.economics.Amortisationszeit = 100;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bericht.pdf"));
    QVERIFY(writeReportPdf(sessionReport(s.session), file));

    const QStringList text = pages(pdfText(file));
    QCOMPARE(text.size(), 2);
    QVERIFY(text[0].contains(QStringLiteral("Rohranzahl: 1")));
    QVERIFY(!text[0].contains(QStringLiteral("Abstand zwischen den Rohren")));
    QVERIFY(text[0].contains(QStringLiteral("Temperaturoffset")));  // copied text keeps its letters
    QVERIFY(text[1].contains(QStringLiteral("Ausgabedaten:")));
    QVERIFY(text[1].contains(QStringLiteral("Amortisationszeit: > 100 a")));
    for (const char* dashed : {"Annuität: --", "interner Zinssatz: --", "Energiepreis: --"})
        QVERIFY2(text[1].contains(QString::fromUtf8(dashed)), dashed);

    // Two pipes list their spacing.
    s.session.project.set(Param::rohranzahl, 2);
    QVERIFY(writeReportPdf(sessionReport(s.session), file));
    QVERIFY(pdfText(file).contains(QStringLiteral("Abstand zwischen den Rohren: 2.5 m")));
}

void ReportAndHelpTest::englishReportPrintsTheEnglishTexts()
{
    CalculatedSession s(Language::English);
    s.session.projectPath = "/projects/Town hall.tlp";
    s.session.economics.Amortisationszeit = 14.2L;
    s.session.economics.annuityHasValue = true;
    s.session.economics.Annuitaet = 310.5L;
    s.session.economics.InternerZinssatz = 11.3L;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("report.pdf"));
    QVERIFY(writeReportPdf(sessionReport(s.session), file));
    const QStringList text = pages(pdfText(file));
    QCOMPARE(text.size(), 2);
    QVERIFY(text[0].contains(QStringLiteral("TALP - Town hall.tlp Projectdata -")));
    QVERIFY(text[0].contains(QStringLiteral("Number of pipes: 2")));
    QVERIFY(text[0].contains(QStringLiteral("Pressure drop in pipes:")));
    QVERIFY(text[1].contains(QStringLiteral("Heat gains: 2500.0 kWh")));
    QVERIFY(text[1].contains(QStringLiteral("Payback time: 14.2 a")));
    QVERIFY(text[1].contains(QStringLiteral("Internal interest rate: 11.3 %")));
}

void ReportAndHelpTest::aReportThatCannotBeWrittenIsReported()
{
    CalculatedSession s;
    QVERIFY(!writeReportPdf(sessionReport(s.session), QStringLiteral("/no/such/folder/report.pdf")));
}

void ReportAndHelpTest::aSmallPageCarriesTheReportOnOverFurtherPages()
{
    CalculatedSession s;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a6.pdf"));
    {
        QPdfWriter a6(file);
        a6.setResolution(600);
        a6.setPageSize(QPageSize(QPageSize::A6));
        QVERIFY(drawProjectReport(sessionReport(s.session), a6));
    }
    const QString text = pdfText(file);
    QVERIFY(pages(text).size() > 2);
    // Nothing is lost at a page's foot or its right edge: the last input, and the offset
    // footnote broken over several lines.
    QVERIFY(text.contains(QStringLiteral("Energiepreisinflation: 5.00 %")));
    QVERIFY(text.contains(QStringLiteral("Außenluft")));
    QVERIFY(text.contains(QStringLiteral("Betriebsdauer: 4000 h/a")));
}

void ReportAndHelpTest::pdfCommandCalculatesFirstThroughTheWaitWindow()
{
    Session session(installation());
    ShellContext context(session);
    QMdiArea area;
    QMenu print;
    QAction activeForm, wholeProject;
    ReportCommands commands(context, area, &activeForm, &wholeProject, &print, nullptr);
    QCOMPARE(print.actions().size(), 1);
    QCOMPARE(commands.pdfAction()->text(), QStringLiteral("als PDF-Datei speichern ..."));

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Schule.pdf"));
    ScriptedDialogs dialogs;
    dialogs.files << file << file;
    QVERIFY(session.project.RecalcNeeded);
    commands.pdfAction()->trigger();
    QCOMPARE(dialogs.fileDialogs.size(), std::size_t(1));
    QCOMPARE(dialogs.fileDialogs.at(0).name, QStringLiteral("ReportPdfDialog"));
    QVERIFY(dialogs.fileDialogs.at(0).save);
    QVERIFY(dialogs.boxes.empty());
    QVERIFY(!session.project.RecalcNeeded);
    QVERIFY(QFile::exists(file));
    const QStringList text = pages(pdfText(file));
    QCOMPARE(text.size(), 2);
    QVERIFY(text[1].contains(
        QStringLiteral("Betriebsdauer: %1 h/a").arg(QString::fromStdString(formatFixed(session.results->OperatingHours, 0)))));

    // A project the calculation refuses is reported and prints its inputs alone.
    session.project.set(Param::Grundwassertiefe, 1);
    session.project.RecalcNeeded = true;
    QVERIFY(QFile::remove(file));
    commands.pdfAction()->trigger();
    QVERIFY(dialogs.texts().contains(QStringLiteral("Grundwassertiefe kleiner als Verlegungstiefe")));
    QVERIFY(session.project.RecalcNeeded);
    QCOMPARE(pages(pdfText(file)).size(), 1);
}

void ReportAndHelpTest::formPictureFillsThePageWidth()
{
    QImage window(640, 386, QImage::Format_RGB32);
    window.fill(Qt::darkBlue);
    QImage page(1000, 1414, QImage::Format_RGB32);
    page.fill(Qt::white);
    QVERIFY(drawFormPicture(window, page));
    QCOMPARE(page.pixelColor(5, 5), QColor(Qt::darkBlue));
    QCOMPARE(page.pixelColor(995, 595), QColor(Qt::darkBlue));
    QCOMPARE(page.pixelColor(500, 610), QColor(Qt::white));
}

void ReportAndHelpTest::commandLineWritesTheReportOfAProjectOrThePresets()
{
    QTemporaryDir dir;
    Project project;
    project.set(Param::rohranzahl, 1);
    const std::filesystem::path projectFile = dir.filePath(QStringLiteral("Haus West.tlp")).toStdString();
    QVERIFY(!saveProjectFile(projectFile, project));

    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/talp");
    const QString out = dir.filePath(QStringLiteral("haus.pdf"));
    QProcess talp;
    // The path with a blank may come in two pieces, as from a desktop's file association.
    talp.start(program, {QStringLiteral("--report-pdf"), out, dir.filePath(QStringLiteral("Haus")),
                         QStringLiteral("West.tlp")});
    QVERIFY(talp.waitForFinished(60000));
    QCOMPARE(talp.exitCode(), 0);
    QStringList text = pages(pdfText(out));
    QCOMPARE(text.size(), 2);
    QVERIFY(text[0].contains(QStringLiteral("TALP - Haus West.tlp")));
    QVERIFY(!text[0].contains(QStringLiteral("Abstand zwischen den Rohren")));

    const QString presets = dir.filePath(QStringLiteral("presets.pdf"));
    talp.start(program, {QStringLiteral("--report-pdf"), presets});
    QVERIFY(talp.waitForFinished(60000));
    QCOMPARE(talp.exitCode(), 0);
    text = pages(pdfText(presets));
    QCOMPARE(text.size(), 2);
    QVERIFY(text[0].contains(QStringLiteral("[Unbenannt]")) || text[0].contains(QStringLiteral("[unnamed]")));

    talp.start(program, {QStringLiteral("--report-pdf"), dir.filePath(QStringLiteral("none.pdf")),
                         dir.filePath(QStringLiteral("missing.tlp"))});
    QVERIFY(talp.waitForFinished(60000));
    QCOMPARE(talp.exitCode(), 1);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("none.pdf"))));

    talp.start(program, {QStringLiteral("--report-pdf")});
    QVERIFY(talp.waitForFinished(60000));
    QCOMPARE(talp.exitCode(), 2);
}

void ReportAndHelpTest::f1OnAControlOpensItsTopic()
{
    Session session(installation());
    ShellContext context(session);
    context.help().attach(QString::fromStdString(helpFilePath(session.installation, Language::German).string()));
    Tewtmenue pipes(context);
    pipes.show();
    QApplication::setActiveWindow(&pipes);
    QVERIFY(QTest::qWaitForWindowActive(&pipes));

    auto* length = pipes.findChild<QWidget*>(QStringLiteral("rohrlnge"));
    QVERIFY(length);
    length->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    HelpWindow* help = context.help().window();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->currentTopic(), 702);
    QCOMPARE(help->windowTitle(), QStringLiteral("TALP Hilfe"));
    QVERIFY(!help->testAttribute(Qt::WA_QuitOnClose));
    QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("Rohrlänge")));

    QApplication::setActiveWindow(&pipes);
    pipes.findChild<QWidget*>(QStringLiteral("verlegungstiefe"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QCOMPARE(help->currentTopic(), 705);
}

void ReportAndHelpTest::f1OnEveryListedControlAndWindowOpensItsTopic()
{
    ScriptedDialogs dialogs;
    Session session(installation());
    // The climate window starts on a region, whose hourly file the evaluations read.
    session.openHourlyFile = hourlyFileOpener(&session.installation);
    ShellContext context(session);
    context.help().attach(QString::fromStdString(helpFilePath(session.installation, Language::German).string()));
    for (const TopicSpec& entry : topicTable()) context.setTopicAvailable(entry.id, true);  // navigation buttons on
    QSet<int> opened;
    const auto pressF1On = [&](QWidget* window, QWidget* control) {
        QApplication::setActiveWindow(window);
        control->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        return context.help().window() ? context.help().window()->currentTopic() : 0;
    };
    for (const TopicSpec& entry : topicTable()) {
        // The daily window calculates its day on every activation, which a test that activates
        // it for every key press cannot follow; its topics are checked in the help files.
        if (entry.id == Topic::Tag) continue;
        std::unique_ptr<TopicWindow> window(createTopicWindow(entry.id, context));
        if (!window) continue;
        window->show();
        // The evaluation windows calculate when they come up; the wait window has the focus meanwhile.
        bool active = false;
        for (int attempt = 0; attempt < 3 && !active; ++attempt) {
            QApplication::setActiveWindow(window.get());
            active = QTest::qWaitForWindowActive(window.get());
        }
        QVERIFY2(active, qPrintable(QString::fromUtf8(entry.formName.data()) + dialogs.texts().join(QLatin1Char(' '))));
        // Elsewhere on the window, here a navigation button: the window's own topic.
        QPushButton* navigation = window->navigationBar()->findChildren<QPushButton*>().constFirst();
        QCOMPARE(pressF1On(window.get(), navigation), entry.helpContext);
        opened.insert(entry.helpContext);
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const std::optional<int> topic = controlHelpContext(entry.formName, utf8(control->objectName()));
            if (!topic || !control->isVisibleTo(window.get()) || !control->isEnabled() || control->focusPolicy() == Qt::NoFocus)
                continue;
            QVERIFY2(pressF1On(window.get(), control) == *topic, qPrintable(control->objectName()));
            opened.insert(*topic);
        }
    }
    // The windows built so far reach most of the table's topics (some controls are hidden in
    // the presets' modes: the climate file, the building file).
    QVERIFY2(opened.size() >= 40, qPrintable(QString::number(opened.size())));
}

void ReportAndHelpTest::contentsAndRepeatedRequestsTurnTheHelpWindow()
{
    Session session(installation());
    ShellContext context(session);
    context.help().attach(QString::fromStdString(helpFilePath(session.installation, Language::English).string()),
                          Language::English);
    context.showHelp(1012);
    HelpWindow* help = context.help().window();
    QVERIFY(help);
    QCOMPARE(help->windowTitle(), QStringLiteral("TALP Help"));
    QCOMPARE(help->currentTopic(), 1012);
    const int offsetTop = help->browser()->verticalScrollBar()->value();
    QVERIFY(offsetTop > 0);

    help->findChild<QToolButton*>(QStringLiteral("Inhalt"))->click();
    QCOMPARE(help->currentTopic(), 100);
    QVERIFY(help->browser()->verticalScrollBar()->value() < offsetTop / 10);
    help->findChild<QToolButton*>(QStringLiteral("Zurueck"))->click();
    QCOMPARE(help->currentTopic(), 1012);

    // The same topic asked for again after scrolling away starts at its heading again.
    help->browser()->verticalScrollBar()->setValue(0);
    context.showHelp(1012);
    QCOMPARE(help->browser()->verticalScrollBar()->value(), offsetTop);
    QCOMPARE(context.help().window(), help);
}

// A help that sends the user to a button the window does not have ("Annual" where the
// button reads "Year") leaves them searching: every button and radio button the help names
// is quoted as its window shows it, in both languages.
void ReportAndHelpTest::theHelpNamesEveryButtonAsTheWindowsShowIt()
{
    for (Language language : {Language::German, Language::English}) {
        Session session(installation());
        session.languageState.language = language;
        ShellContext context(session);
        QFile file(QString::fromStdString(helpFilePath(session.installation, language).string()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString help = QString::fromUtf8(file.readAll()).simplified();
        // One topic: from its anchor to the next heading.
        const auto topicText = [&help](int topic) {
            const qsizetype start = help.indexOf(QStringLiteral("<a name=\"%1\"></a>").arg(topic));
            return start < 0 ? QString() : help.mid(start, help.indexOf(QStringLiteral("<h2>"), start) - start);
        };
        const auto quoted = [language](QString caption) {
            caption.remove(QLatin1Char('&'));
            return language == Language::German ? QString::fromUtf8("„") + caption + QString::fromUtf8("“")
                                                : QLatin1Char('"') + caption + QLatin1Char('"');
        };

        std::map<Topic, std::unique_ptr<TopicWindow>> windows;
        for (const TopicSpec& entry : topicTable()) windows[entry.id].reset(createTopicWindow(entry.id, context));
        emit context.languageApplied();
        const auto button = [&windows](Topic topic, const char* name) {
            return windows.at(topic)->findChild<QAbstractButton*>(QLatin1String(name));
        };
        TDetails depthTable(context, SegmentMode::Depth);
        TFKalender calendar(context);
        TEWTParameter combination;
        combination.showCombination(session.project, CombinationRecord{}, language);

        const std::pair<int, QAbstractButton*> named[] = {
            {707, button(Topic::Ewt, "VentilatorVor")},      {707, button(Topic::Ewt, "VentilatorNach")},
            {705, depthTable.UebernehmenBtn},                {705, depthTable.RuecksetzenBtn},
            {1000, button(Topic::Hlk, "hlk_quasistat")},     {1013, calendar.Immer_An},
            {1013, calendar.Immer_Aus},                      {1200, button(Topic::Jahr, "DateiAus")},
            {1300, button(Topic::Tag, "berechnen")},         {1300, button(Topic::Tag, "DateiAus")},
            {1400, button(Topic::Optimum, "BtnEnergetisch")}, {1400, button(Topic::Optimum, "BtnFortsetzen")},
            {1400, button(Topic::Optimum, "BtnNeuStarten")}, {1400, combination.Uebernehmen}};
        for (const auto& [topic, shown] : named) {
            QVERIFY(shown);
            QVERIFY2(topicText(topic).contains(quoted(shown->text())),
                     qPrintable(QStringLiteral("%1: %2").arg(topic).arg(quoted(shown->text()))));
        }
        // The contents name the navigation buttons in bold; a window's own button is not in
        // its row.
        for (const TopicSpec& entry : topicTable()) {
            const Topic other = entry.id == Topic::Ewt ? Topic::Erde : Topic::Ewt;
            const QString bold = QStringLiteral("<b>%1</b>").arg(windows.at(other)->navigationBar()->button(entry.id)->text());
            QVERIFY2(topicText(kHelpContents).contains(bold), qPrintable(bold));
        }
    }
}

void ReportAndHelpTest::aMissingHelpFileIsReportedWithItsPath()
{
    Session session(installation());
    ShellContext context(session);
    context.showHelp(701);  // before the language start-up: nothing
    QVERIFY(!context.help().window());

    ScriptedDialogs dialogs;
    context.help().attach(QStringLiteral("/nowhere/sys/talp_d.html"));
    context.showHelp(701);
    QCOMPARE(dialogs.texts().size(), 1);
    QCOMPARE(dialogs.texts().first(), QStringLiteral("Hilfe-Datei nicht gefunden\n/nowhere/sys/talp_d.html"));
    QVERIFY(!context.help().window());
    QCOMPARE(context.help().lastContext(), 701);
}

void ReportAndHelpTest::theHelpWindowStaysUsableBesideTheModalDialogThatAskedForIt()
{
    Session session(installation());
    ShellContext context(session);
    context.help().attach(QString::fromStdString(helpFilePath(session.installation, Language::German).string()),
                          Language::German);
    QWidget main;
    main.resize(400, 300);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    // A key pressed in the help window scrolls it, unless a modal dialog blocks the window.
    const auto helpAnswersKeys = [&] {
        context.showHelp(100);
        HelpWindow* help = context.help().window();
        QScrollBar* bar = help->browser()->verticalScrollBar();
        bar->setValue(0);
        help->browser()->setFocus();
        // Through the window system, where a blocked window's input is dropped.
        QTest::keyClick(help->windowHandle(), Qt::Key_PageDown);
        return bar->value() > 0;
    };
    for (const bool asTheProgramShowsIt : {false, true}) {
        QDialog asking(&main);
        asking.setWindowModality(Qt::ApplicationModal);
        if (asTheProgramShowsIt) applyDialogModality(asking);
        asking.show();
        QVERIFY(QTest::qWaitForWindowExposed(&asking));
        QCOMPARE(helpAnswersKeys(), asTheProgramShowsIt);
        asking.hide();
    }
}

QTEST_MAIN(ReportAndHelpTest)
#include "report_and_help_test.moc"
