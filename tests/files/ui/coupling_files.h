#pragma once
// For the tests of the windows that read installation and hourly data files: a window
// fixture on the installation beside the test programs, and hourly files written the way
// a building simulation writes them.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <cmath>
#include <functional>

#include <QTimer>
#include <QtTest>

#include "core/numeric.h"
#include "files/ui/tdlgsimulation.h"
#include "tests/core/ui/window_fixture.h"

struct InstalledFixture : WindowFixture {
    explicit InstalledFixture(talp::Language language = talp::Language::German) : WindowFixture(language)
    {
        session.installation = talp::locateInstallation(QCoreApplication::applicationFilePath().toStdString());
        session.installation.writableDir = scratch.path().toStdString();
        session.climate.installation = session.installation;
    }
};

// A coupling dialog that opened to confirm a loaded project's file confirms itself by its
// timer; the timer is started at once so that the test need not wait its second. The
// dialog's result, or Rejected when it was not opened to confirm.
inline int confirmedByItsTimer(talp::TDlgSimulation& dialog)
{
    if (!dialog.Timer1->isActive()) return QDialog::Rejected;
    dialog.show();
    dialog.Timer1->start(0);
    if (!QTest::qWaitFor([&] { return !dialog.isVisible(); }, 5000)) return QDialog::Rejected;
    return dialog.result();
}

// A year of hourly lines after `headerLines` header lines; `line(hour)` gives the data
// line of hour 1..8760.
inline QString writeHourlyFile(const QTemporaryDir& folder, const QString& name, int headerLines,
                               const std::function<QString(int hour)>& line)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return {};
    QTextStream out(&file);
    for (int i = 1; i <= headerLines; ++i) out << "Kopfzeile " << i << "\n";
    for (int hour = 1; hour <= talp::kHoursPerYear; ++hour) out << line(hour) << "\n";
    return path;
}

// "XXXXXXXXXAAAA.A": nine characters of date and hour, then the outdoor temperature of a
// year that is warmest in summer (mean 9 °C, ±8 K).
inline QString climateLine(int hour)
{
    const double day = (hour - 1) / 24.0;
    const double temperature = 9.0 - 8.0 * std::cos(2.0 * M_PI * (day - 15.0) / 365.0);
    return QStringLiteral("%1h").arg(hour, 8, 10, QLatin1Char('0')) + QString::asprintf("%6.1f", temperature);
}

// "XXXXXXXXXVVVV.VXSSSS.S": ventilation flow and set-point temperature.
inline QString buildingLine(int hour)
{
    return QStringLiteral("%1h").arg(hour, 8, 10, QLatin1Char('0')) + QString::asprintf("%6.1f;%6.1f", 800.0, 20.0);
}
