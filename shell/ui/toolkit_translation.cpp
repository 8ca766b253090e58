#include "shell/ui/toolkit_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace talp {

namespace {
// The installed catalogue is a child of the application, found again by this name and
// carrying the language it is for.
constexpr auto kCatalogueName = "toolkitTranslation";
constexpr auto kLanguageProperty = "interfaceLanguage";
}  // namespace

bool applyToolkitLanguage(Language language)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application) return false;
    const QString wanted = language == Language::German ? QStringLiteral("de") : QString();
    auto* installed = application->findChild<QTranslator*>(QLatin1String(kCatalogueName), Qt::FindDirectChildrenOnly);
    if (installed && installed->property(kLanguageProperty).toString() == wanted) return true;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    if (wanted.isEmpty()) return true;

    auto* catalogue = new QTranslator(application);
    catalogue->setObjectName(QLatin1String(kCatalogueName));
    catalogue->setProperty(kLanguageProperty, wanted);
    if (!catalogue->load(QStringLiteral("qtbase_") + wanted, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete catalogue;
        return false;
    }
    QCoreApplication::installTranslator(catalogue);
    return true;
}

}  // namespace talp
