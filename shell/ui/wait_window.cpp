#include "shell/ui/wait_window.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QThread>

#include "shell/ui/dialogs.h"
#include "shell/ui/qt_text.h"

namespace talp {

namespace {

QLabel* placedLabel(QWidget* parent, const char* name, const QString& text, int left, int top)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, top);
    label->adjustSize();
    return label;
}

}  // namespace

FormWarten::FormWarten(Session& session, QWidget* parent) : QDialog(parent), session_(session)
{
    setObjectName(QStringLiteral("FormWarten"));
    setWindowTitle(QStringLiteral("TALP"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(403, 122);
    Label1 = placedLabel(this, "Label1", QString::fromUtf8("Berechnung läuft . . . "), 10, 20);
    LabelNull = placedLabel(this, "LabelNull", QStringLiteral("0 %"), 10, 56);
    Label3 = placedLabel(this, "Label3", QStringLiteral("100 %"), 360, 56);

    Timer1.setInterval(100);
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &QDialog::accept);
    progressPoll.setInterval(40);
    connect(&progressPoll, &QTimer::timeout, this, &FormWarten::pollProgress);
}

FormWarten::~FormWarten()
{
    if (worker_) {
        cancel_ = true;
        worker_->wait();
    }
}

bool FormWarten::calculate(int day, const QString& text)
{
    RechenTag = day;
    Label1->setText(text);
    Label1->adjustSize();
    started_ = false;
    cancelled_ = false;
    shownDay_ = 0;
    if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    exec();
    return !BerechnungFehler;
}

void FormWarten::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!started_) {
        started_ = true;
        startRun();
    }
}

void FormWarten::startRun()
{
    BerechnungFehler = false;
    session_.BerechnungFehler = false;
    cancel_ = false;
    // The run works on its own copies: a timer of another window may touch the project
    // meanwhile, and windows repainting during the run must see whole results. A one-day
    // run keeps the annual figures of the last full year, so the copy starts from them.
    runProject_ = std::make_unique<Project>(session_.project);
    runResults_ = std::make_unique<SimulationResults>(*session_.results);

    CalculationRequest request;
    request.day = RechenTag;
    request.openHourlyFile = session_.openHourlyFile;
    request.cancel = &cancel_;
    progressDay_ = 0;
    request.progress = [this](int day, int) { progressDay_.store(day, std::memory_order_relaxed); };
    // The economics follow on this thread, where the windows read their results.

    const std::thread::id uiThread = std::this_thread::get_id();
    worker_ = QThread::create([this, request, uiThread] {
        ranOnWorker_ = std::this_thread::get_id() != uiThread;
        outcome_ = runCalculation(*runProject_, *runResults_, request);
    });
    connect(worker_, &QThread::finished, this, &FormWarten::finishRun);
    progressPoll.start();
    worker_->start();
}

void FormWarten::pollProgress()
{
    ++progressUpdates_;
    const int day = progressDay_.load(std::memory_order_relaxed);
    if (day != shownDay_) {
        shownDay_ = day;
        update();
    }
}

void FormWarten::finishRun()
{
    progressPoll.stop();
    pollProgress();
    worker_->deleteLater();
    worker_ = nullptr;
    cancelled_ = outcome_.cancelled;
    BerechnungFehler = outcome_.BerechnungFehler;
    session_.BerechnungFehler = BerechnungFehler;
    for (const Message& message : outcome_.messages) showMessage(message);
    if (outcome_.success) {
        session_.results = std::move(runResults_);
        if (RechenTag < 1) runEconomics();
    }
    runResults_.reset();
    runProject_.reset();
    Timer1.start();
}

void FormWarten::runEconomics()
{
    const EconomicsOutcome economics =
        KostenRechnung(*runProject_, costedGeometryOf(*runProject_), runTotalsOf(*session_.results),
                       session_.openHourlyFile, session_.economics);
    if (economics.error) showMessage(*economics.error);
}

void FormWarten::showMessage(const Message& message)
{
    talp::showMessage(this, message, session_.language());
}

void FormWarten::reject()
{
    // Closing the window while the run goes on stops the run; the window closes when the
    // worker has noticed.
    if (worker_) {
        cancel_ = true;
        return;
    }
    if (!Timer1.isActive()) QDialog::reject();
}

QRect FormWarten::progressRect() const
{
    const int left = LabelNull->x() + 2;
    const int top = LabelNull->y() + LabelNull->height() + 2;
    const int right = RechenTag < 0 ? LabelNull->x() + 12 + shownDay_ : LabelNull->x() + 370;
    const int bottom = LabelNull->y() + LabelNull->height() + 22;
    // The bar's right and bottom edges lie outside the filled rectangle.
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void FormWarten::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (shownDay_ < 1) return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBrush(palette().color(QPalette::Highlight));
    painter.drawRect(progressRect().adjusted(0, 0, -1, -1));
}

}  // namespace talp
