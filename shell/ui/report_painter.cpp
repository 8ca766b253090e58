#include "shell/ui/report_painter.h"

#include <QFontMetrics>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <cmath>

#include "shell/report/form_picture.h"
#include "shell/ui/qt_text.h"

namespace talp {

namespace {

int rounded(double value) { return static_cast<int>(std::lround(value)); }

// A line too long for the page (the offset footnote) goes on over further lines at the
// same indent, broken between words.
QStringList wrapped(const QString& text, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width) return {text};
    const QString indent = text.left(text.indexOf(QRegularExpression(QStringLiteral("\\S"))));
    QStringList lines;
    QString current;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = current.isEmpty() ? indent + word : current + QLatin1Char(' ') + word;
        if (!current.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines << current;
            current = indent + word;
        } else {
            current = longer;
        }
    }
    lines << current;
    return lines;
}

class PageWriter {
public:
    PageWriter(QPainter& painter, QPagedPaintDevice& device)
        : painter_(painter), device_(device),
          lineHeight_(QFontMetrics(reportFont(kReportBodySize), &device).height())
    {
    }

    void startPage(bool first)
    {
        if (!first) device_.newPage();
        y_ = kReportTopY;
    }

    void write(const ReportLine& line)
    {
        const QFont font = reportFont(line.fontSize);
        const QFontMetrics metrics(font, &device_);
        painter_.setFont(font);
        if (line.runs.empty()) return advance(lineHeight_);
        if (line.runs.size() > 1 || line.centred) {
            nextLineFits(metrics.height());
            drawRuns(line, metrics);
            return advance(metrics.height());
        }
        const int width = device_.width() - 2 * kReportLeftMargin;
        for (const QString& piece : wrapped(qt(line.runs.front().text), metrics, width)) {
            nextLineFits(metrics.height());
            painter_.drawText(kReportLeftMargin, y_ + metrics.ascent(), piece);
            advance(metrics.height());
        }
    }

private:
    void drawRuns(const ReportLine& line, const QFontMetrics& metrics)
    {
        int x = line.centred ? rounded(device_.width() * 0.5) - rounded(metrics.horizontalAdvance(qt(line.text())) * 0.5)
                             : kReportLeftMargin;
        for (const ReportRun& run : line.runs) {
            const QString text = qt(run.text);
            const int raise = run.raised ? rounded(lineHeight_ * kReportRaise) : 0;
            painter_.drawText(x, y_ - raise + metrics.ascent(), text);
            x += metrics.horizontalAdvance(text);
        }
    }

    // A report that outgrows the paper (a small page, a large font) goes on on a new page
    // instead of running off its bottom edge.
    void nextLineFits(int height)
    {
        if (y_ + height > device_.height() && y_ > kReportTopY) startPage(false);
    }
    void advance(int height) { y_ += height; }

    QPainter& painter_;
    QPagedPaintDevice& device_;
    int lineHeight_;
    int y_ = kReportTopY;
};

}  // namespace

QFont reportFont(int pointSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    // No ligatures: text copied out of a PDF report keeps its letters ("ff", not one glyph).
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSize(pointSize);
    return font;
}

bool drawProjectReport(const ProjectReport& report, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setPen(Qt::black);
    PageWriter writer(painter, device);
    bool first = true;
    for (const ReportPage& page : report.pages) {
        writer.startPage(first);
        first = false;
        for (const ReportLine& line : page) writer.write(line);
    }
    return painter.end();
}

bool writeReportPdf(const ProjectReport& report, const QString& file)
{
    QPdfWriter pdf(file);
    pdf.setResolution(600);
    pdf.setTitle(qt(kReportJobTitle));
    pdf.setCreator(QStringLiteral("TALP"));
    // The margins of an office printer's printable area.
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(6, 6, 6, 6),
                                  QPageLayout::Millimeter));
    return drawProjectReport(report, pdf);
}

bool drawFormPicture(const QImage& picture, QPaintDevice& page)
{
    QPainter painter;
    if (!painter.begin(&page)) return false;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const PictureSize size = formPictureSize(page.width(), page.height(), picture.width(), picture.height());
    painter.drawImage(QRect(0, 0, size.width, size.height), picture);
    return painter.end();
}

}  // namespace talp
