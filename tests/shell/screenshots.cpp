// Renders the shell's windows in German and English into PNG files for looking at them:
//
//     shell_screenshots <output folder>
//
// Each language starts the real program state (presets of the installation beside this
// executable, the language from a settings file in a scratch folder), then grabs the main
// window, the information window, the language window, the save-changes dialog and the
// wait window.

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "files/hourly_file.h"
#include "shell/lang_haupt.h"
#include "shell/record_store.h"
#include "shell/ui/app_icon.h"
#include "shell/ui/info_window.h"
#include "shell/ui/language_window.h"
#include "shell/ui/main_window.h"
#include "shell/ui/save_changes_dialog.h"
#include "shell/ui/wait_window.h"
#include "tests/shell/screenshot_program.h"

namespace {

using talp::testing::save;

void shoot(talp::Language language, const QString& folder)
{
    using namespace talp;
    const QString suffix = talp::testing::languageSuffix(language);
    QTemporaryDir scratch;
    const std::filesystem::path writable = scratch.path().toStdString();
    std::filesystem::create_directories(writable / "sys");
    std::ofstream(writable / "sys/talp.ini") << (language == Language::English ? "EN" : "DE") << '\n';

    Installation installation = locateInstallationOfRunningProgram(nullptr);
    installation.writableDir = writable;
    Session session(installation);
    session.openHourlyFile = hourlyFileOpener(&session.installation);
    RecordProjectStore store(session);
    Thauptmenu window(session, store, {});
    window.resize(1000, 720);
    window.show();

    // The information window at start-up runs its own modal loop: a timer grabs and
    // closes it from inside.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* info = qobject_cast<InfoWindow*>(QApplication::activeModalWidget())) {
            save(info, folder, QStringLiteral("info") + suffix);
            info->accept();
        }
    });
    poll.start(300);
    (void)QTest::qWaitFor([&] { return window.topicVisible(Topic::Ewt); }, 8000);
    poll.stop();
    // Three input windows arranged, the pipe window on top, as a planner works with them.
    window.showTopic(Topic::Hlk);
    window.showTopic(Topic::Erde);
    window.arrange();
    QTest::qWait(200);
    save(&window, folder, QStringLiteral("main_window") + suffix);

    SaveChangesDialog* changes = window.saveChangesDialog();
    changes->adjustSize();
    changes->show();
    QTest::qWait(50);
    save(changes, folder, QStringLiteral("save_changes") + suffix);
    changes->hide();

    if (language == Language::German) {
        LanguageWindow chooser(session);
        chooser.adjustSize();
        chooser.show();
        QTest::qWait(50);
        save(&chooser, folder, QStringLiteral("language_window"));
    }

    FormWarten wait(session, &window);
    QTimer::singleShot(150, &wait, [&] { save(&wait, folder, QStringLiteral("wait_window") + suffix); });
    wait.calculate(kFullYear, QString::fromUtf8(TLang_Haupt(haupt::kReportCalculating, language).data()));
    session.project.modified = false;
}

}  // namespace

int main(int argc, char* argv[])
{
    return talp::testing::renderInBothLanguages(argc, argv, [](talp::Language language, const QString& folder) {
        QLocale::setDefault(QLocale::c());
        QApplication::setWindowIcon(talp::talpIcon());
        shoot(language, folder);
    });
}
