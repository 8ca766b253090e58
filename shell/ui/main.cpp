// talp: the desktop program for planning earth-to-air heat exchangers.

#include <QApplication>
#include <QLocale>
#include <iostream>
#include <string_view>

#include "files/hourly_file.h"
#include "shell/record_store.h"
#include "shell/session.h"
#include "shell/ui/app_icon.h"
#include "shell/ui/main_window.h"
#include "shell/ui/report_pdf_command.h"

int main(int argc, char* argv[])
{
    if (argc == 2 && argv[1] == std::string_view("--version")) {
        std::cout << "talp " TALP_VERSION "\n";
        return 0;
    }
    if (talp::isReportPdfCommand(argc, argv)) return talp::runReportPdfCommand(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TALP"));
    // The desktop entry's name: window managers show its icon and name for the window.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.talp.Talp"));
    QApplication::setWindowIcon(talp::talpIcon());
    // "." is the decimal separator for the whole run, in every display and every input.
    QLocale::setDefault(QLocale::c());

    talp::Session session(talp::locateInstallationOfRunningProgram(argv[0]));
    session.openHourlyFile = talp::hourlyFileOpener(&session.installation);
    talp::RecordProjectStore store(session);

    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
    talp::Thauptmenu hauptmenu(session, store, std::move(arguments));
    hauptmenu.showMaximized();
    return app.exec();
}
