#include "shell/ui/report_pdf_command.h"

#include <QGuiApplication>
#include <QLocale>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "files/hourly_file.h"
#include "shell/lang_haupt.h"
#include "shell/project_commands.h"
#include "shell/record_store.h"
#include "shell/report/report_calculation.h"
#include "shell/ui/report_painter.h"

namespace talp {

namespace {

constexpr std::string_view kOption = "--report-pdf";
constexpr std::string_view kUsage = "Aufruf: talp --report-pdf AUSGABE.pdf [PROJEKT.tlp]";
constexpr Text kProjectUnreadable{"Projektdatei nicht gefunden oder defekt: ", "Project file not found or unreadable: "};
constexpr Text kFileError{"Fehler beim Erstellen der Datei.", "File creation error"};

void complain(std::string_view text) { std::cerr << text << '\n'; }

// The project the report is about: the file named, or the presets (their backup when the
// presets cannot be read). Like the program, the presets are an unnamed project.
bool loadProject(Session& session, ProjectStore& store, const std::vector<std::string>& projectArguments)
{
    const Language language = session.language();
    const auto loadFrom = [&](const std::filesystem::path& file) {
        const FileResult result = store.load(file, session.project);
        session.project.RecalcNeeded = true;
        return result;
    };
    if (!projectArguments.empty()) {
        const std::string path = commandLineProjectPath(projectArguments);
        const FileResult result = loadFrom(path);
        if (!result.ok) complain(std::string(kProjectUnreadable.in(language)) + path + " (" + result.fault.technical() + ")");
        session.projectPath = path;
        return result.ok;
    }
    if (loadFrom(session.installation.readable(kPresetsFile)).ok) return true;
    complain(TLang_Haupt(haupt::kPresetsMissing, language));
    if (loadFrom(session.installation.readable(kBackupFile)).ok) return true;
    complain(TLang_Haupt(haupt::kBackupMissingAtStart, language));
    return false;
}

}  // namespace

bool isReportPdfCommand(int argc, char** argv) { return argc > 1 && argv[1] == kOption; }

int runReportPdfCommand(int argc, char** argv)
{
    if (argc < 3) {
        complain(kUsage);
        return 2;
    }
    // No window is shown: the report needs fonts and a PDF writer, not a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());

    Session session(locateInstallationOfRunningProgram(argv[0]));
    session.openHourlyFile = hourlyFileOpener(&session.installation);
    settleLanguageFromSettings(session.languageState, session.installation.readableSetting(kLanguageSettingsFile));
    RecordProjectStore store(session);
    const std::vector<std::string> projectArguments(argv + 3, argv + argc);
    if (!loadProject(session, store, projectArguments)) return 1;

    const Language language = session.language();
    for (const Message& message : calculateForReport(session).messages) complain(message.text.in(language));
    const QString out = QString::fromLocal8Bit(argv[2]);
    if (!writeReportPdf(sessionReport(session), out)) {
        complain(std::string(kFileError.in(language)) + " " + argv[2]);
        return 1;
    }
    return 0;
}

}  // namespace talp
