// Renders the annual and the daily evaluation with real results in German and English into
// PNG files for looking at them:
//
//     evaluation_screenshots <output folder>
//
// Each window is shown at its original size (640 x 386) after its calculation, in both
// chart modes, and the annual window once more enlarged and zoomed into a week of July.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "chart/xy_chart.h"
#include "evaluation/ui/tjahreswmenue.h"
#include "evaluation/ui/ttageswmenue.h"
#include "files/hourly_file.h"
#include "tests/shell/screenshot_program.h"

namespace {

using namespace talp;

using talp::testing::save;

void shoot(Language language, const QString& folder)
{
    const QString suffix = talp::testing::languageSuffix(language);
    Session session(locateInstallationOfRunningProgram(nullptr));
    session.openHourlyFile = hourlyFileOpener(&session.installation);
    session.languageState.language = language;
    ShellContext context(session);
    for (const TopicSpec& t : topicTable()) context.setTopicAvailable(t.id, true);

    Tjahreswmenue annual(context);
    annual.show();
    QTRY_VERIFY_WITH_TIMEOUT(annual.resultsValid(), 60000);
    QTest::qWait(100);
    save(&annual, folder, QStringLiteral("jahreswmenue") + suffix);
    annual.jahreswrmeaustausch->click();
    QTest::qWait(50);
    save(&annual, folder, QStringLiteral("jahreswmenue_waermeaustausch") + suffix);
    annual.temperatur->click();
    annual.resize(1000, 600);
    QTest::qWait(50);
    XyChart& chart = *annual.xyGraph1;
    const double y = (chart.yMin() + chart.yMax()) / 2;
    QTest::mousePress(chart.viewport(), Qt::LeftButton, {}, chart.toPixels({4344, y}).toPoint());
    QTest::mouseMove(chart.viewport(), chart.toPixels({4512, y}).toPoint());
    QTest::mouseRelease(chart.viewport(), Qt::LeftButton, {}, chart.toPixels({4512, y}).toPoint());
    QTest::mouseMove(chart.viewport(), chart.toPixels({4400.5, y}).toPoint());
    QTest::qWait(50);
    save(&annual, folder, QStringLiteral("jahreswmenue_zoom") + suffix);
    annual.hide();

    Ttageswmenue daily(context);
    daily.monat->setCurrentIndex(0);
    daily.tag->setValue(15);
    daily.stunde->setValue(8);
    daily.show();
    QTRY_VERIFY_WITH_TIMEOUT(daily.resultsValid(), 30000);
    QTest::qWait(100);
    save(&daily, folder, QStringLiteral("tageswmenue") + suffix);
    daily.wrmefluss->click();
    QTest::qWait(50);
    save(&daily, folder, QStringLiteral("tageswmenue_waermefluss") + suffix);
}

}  // namespace

int main(int argc, char** argv)
{
    return talp::testing::renderInBothLanguages(argc, argv, shoot);
}
