// What the desktop makes of an installed TALP: project files known by their version tag or
// their extension, and an icon set that is the program's own icon.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMimeDatabase>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cstdlib>

#include "shell/ui/app_icon.h"

namespace {

const QString kSource = QStringLiteral(TALP_SOURCE_DIR);
const QString kProjectType = QStringLiteral("application/x-talp-project");

// The largest difference of a colour channel between two pictures of one size.
int largestDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    int largest = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row);
            const QRgb q = y.pixel(column, row);
            for (int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q), qAlpha(p) - qAlpha(q)})
                largest = std::max(largest, std::abs(d));
        }
    return largest;
}

QImage drawn(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    talp::paintTalpIcon(painter, size);
    return image;
}

}  // namespace

class DesktopIntegrationTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void projectFilesAreKnownByTheirVersionTagOrTheirExtension();
    void theIconSetIsTheProgramsOwnIcon();

private:
    QTemporaryDir share_;
    QTemporaryDir files_;
    QString file(const QString& name, const QByteArray& content)
    {
        const QString path = files_.filePath(name);
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(content);
        return path;
    }
};

void DesktopIntegrationTest::initTestCase()
{
    // The project type is installed into a MIME database of its own, built as `make install`
    // builds the system's, and looked up before the system's.
    QVERIFY(QDir(share_.path()).mkpath(QStringLiteral("mime/packages")));
    QVERIFY(QFile::copy(kSource + QStringLiteral("/desktop/org.talp.Talp.mime.xml"),
                        share_.filePath(QStringLiteral("mime/packages/org.talp.Talp.xml"))));
    qputenv("XDG_DATA_DIRS", (share_.path() + QStringLiteral(":/usr/share")).toLocal8Bit());
    QProcess update;
    update.start(QStringLiteral("update-mime-database"), {share_.filePath(QStringLiteral("mime"))});
    QVERIFY2(update.waitForFinished(60000), "update-mime-database (Debian package shared-mime-info) did not run");
    QCOMPARE(update.exitCode(), 0);
    const QByteArray complaints = update.readAllStandardError();
    QVERIFY2(complaints.isEmpty(), complaints.constData());
}

void DesktopIntegrationTest::projectFilesAreKnownByTheirVersionTagOrTheirExtension()
{
    const QMimeDatabase mime;
    // The presets of the installation are a project record of the current version.
    QFile presets(QStringLiteral("sys/TalpPre.tlp"));
    QVERIFY(presets.open(QIODevice::ReadOnly));
    const QByteArray record = presets.readAll();
    QCOMPARE(mime.mimeTypeForFile(file(QStringLiteral("renamed.dat"), record), QMimeDatabase::MatchContent).name(),
             kProjectType);
    for (const char* tag : {"\x09TALP 0.93", "\x09TALP 0.92"}) {
        const QByteArray old = QByteArray(tag) + QByteArray(3942, '\0');
        QCOMPARE(mime.mimeTypeForFile(file(QStringLiteral("old.dat"), old), QMimeDatabase::MatchContent).name(),
                 kProjectType);
    }
    // Untagged files are older than the tag: their extension says what they are.
    const QString untagged = file(QStringLiteral("untagged.tlp"), QByteArray(3952, '\x01'));
    QCOMPARE(mime.mimeTypeForFile(untagged).name(), kProjectType);
    QCOMPARE(mime.mimeTypeForFile(untagged).comment().isEmpty(), false);
    // The tag needs its length byte: a text that starts with the words is no project.
    const QString text = file(QStringLiteral("notes.txt"), "TALP 1.00 notes\n");
    QVERIFY(mime.mimeTypeForFile(text, QMimeDatabase::MatchContent).name() != kProjectType);
}

void DesktopIntegrationTest::theIconSetIsTheProgramsOwnIcon()
{
    // The committed icons are what the program draws; regenerate them with the target icons.
    for (int size : {48, 256}) {
        const QImage committed(kSource + QStringLiteral("/desktop/icons/org.talp.Talp-%1.png").arg(size));
        QCOMPARE(committed.size(), QSize(size, size));
        QVERIFY2(largestDifference(committed, drawn(size)) <= 2, qPrintable(QStringLiteral("%1 px").arg(size)));
    }
    // The scalable icon renders to the same picture, within the rounding of its coordinates.
    QSvgRenderer svg(kSource + QStringLiteral("/desktop/icons/org.talp.Talp.svg"));
    QVERIFY(svg.isValid());
    QImage rendered(256, 256, QImage::Format_ARGB32_Premultiplied);
    rendered.fill(Qt::transparent);
    QPainter painter(&rendered);
    svg.render(&painter);
    painter.end();
    QVERIFY2(largestDifference(rendered, drawn(256)) <= 8, "the scalable icon is not the program's icon");
}

QTEST_MAIN(DesktopIntegrationTest)
#include "desktop_integration_test.moc"
