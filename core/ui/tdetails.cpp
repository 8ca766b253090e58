#include "core/ui/tdetails.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "shell/ui/dialogs.h"
#include "shell/ui/qt_text.h"
#include "shell/ui/shell_context.h"

namespace talp {

namespace {

constexpr Text kUebernehmen{"Übernehmen", "Apply"};
constexpr Text kRuecksetzen{"Rücksetzen", "Reset"};
constexpr Text kAbbrechen{"Abbrechen", "Cancel"};
constexpr Text kHilfe{"Hilfe", "Help"};

// Planners on German keyboards type a decimal comma; the grid takes it as the point.
class DecimalPointDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        editor->installEventFilter(const_cast<DecimalPointDelegate*>(this));
        return editor;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            auto* edit = qobject_cast<QLineEdit*>(watched);
            if (edit && key->text().size() == 1 && key->text()[0].toLatin1() != 0) {
                const char typed = key->text()[0].toLatin1();
                const char entered = SegmentEditor::typedCharacter(typed);
                if (entered != typed) {
                    edit->insert(QString(QLatin1Char(entered)));
                    return true;
                }
            }
        }
        return QStyledItemDelegate::eventFilter(watched, event);
    }
};

}  // namespace

TDetails::TDetails(ShellContext& context, SegmentMode mode, QWidget* parent)
    : QDialog(parent),
      context_(context),
      editor_(mode, context.project()),
      basement_([this](Param id, long double value) {
          context_.project().set(id, value);
          basement_.showValue(context_.project(), id);
          context_.projectEdited(InputWindow::Details, this);
      })
{
    setObjectName(QStringLiteral("Details"));
    const Language l = context.language();
    const SegmentModeInfo& info = segmentModeInfo(mode);
    setWindowTitle(qt(info.caption, l));

    StringGrid = new QTableWidget(kSegments, 2, this);
    StringGrid->setObjectName(QStringLiteral("StringGrid"));
    StringGrid->setHorizontalHeaderLabels({qt(info.lengthHeader, l), qt(info.valueHeader, l)});
    StringGrid->verticalHeader()->setVisible(false);
    StringGrid->verticalHeader()->setDefaultSectionSize(20);
    StringGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    StringGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid->setItemDelegateForColumn(1, new DecimalPointDelegate(StringGrid));
    StringGrid->setMinimumSize(300, 360);
    showRows();
    connect(StringGrid, &QTableWidget::currentCellChanged, this, [this] { validateRows(); });
    connect(StringGrid, &QTableWidget::itemChanged, this, [this] {
        if (!showingRows_) readRows();
    });

    auto* basement = new QVBoxLayout;
    for (auto [box, id] : {std::pair{&kellerinnentempBox, Param::kellerinnentemp}, std::pair{&kellerkwertBox, Param::kellerkwert}}) {
        *box = new QGroupBox(qt(paramSpec(id).caption, l), this);
        auto* inside = new QVBoxLayout(*box);
        ParamSpinBox* input = basement_.add(id, *box);
        input->showValue(context.project().get(id));
        inside->addWidget(input);
        basement->addWidget(*box);
        (*box)->setVisible(info.basementVisible);
    }
    basement->addStretch(1);

    UebernehmenBtn = new QPushButton(qt(kUebernehmen, l), this);
    UebernehmenBtn->setObjectName(QStringLiteral("UebernehmenBtn"));
    RuecksetzenBtn = new QPushButton(qt(kRuecksetzen, l), this);
    RuecksetzenBtn->setObjectName(QStringLiteral("RuecksetzenBtn"));
    OK = new QPushButton(QStringLiteral("OK"), this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setDefault(true);
    Cancel = new QPushButton(qt(kAbbrechen, l), this);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    Help = new QPushButton(qt(kHilfe, l), this);
    Help->setObjectName(QStringLiteral("Help"));
    connect(UebernehmenBtn, &QPushButton::clicked, this, &TDetails::uebernehmen);
    connect(RuecksetzenBtn, &QPushButton::clicked, this, &TDetails::ruecksetzen);
    connect(OK, &QPushButton::clicked, this, &TDetails::accept);
    connect(Cancel, &QPushButton::clicked, this, &TDetails::reject);
    const int helpContext = info.helpContext;
    connect(Help, &QPushButton::clicked, this, [this, helpContext] { context_.showHelp(helpContext); });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this, helpContext] { context_.showHelp(helpContext); });

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {OK, Cancel, UebernehmenBtn, RuecksetzenBtn, Help}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    OK->setDefault(true);
    buttons->addStretch(1);

    auto* body = new QHBoxLayout(this);
    body->addWidget(StringGrid, 1);
    body->addLayout(basement);
    body->addLayout(buttons);
}

void TDetails::showRows()
{
    showingRows_ = true;
    for (int row = 1; row <= kSegments; ++row) {
        auto* position = new QTableWidgetItem(qt(editor_.positionText(row)));
        position->setFlags(Qt::ItemIsEnabled);
        position->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        StringGrid->setItem(row - 1, 0, position);
        auto* value = StringGrid->item(row - 1, 1);
        if (!value) {
            value = new QTableWidgetItem;
            StringGrid->setItem(row - 1, 1, value);
        }
        value->setText(qt(editor_.cell(row)));
    }
    showingRows_ = false;
}

void TDetails::readRows()
{
    for (int row = 1; row <= kSegments; ++row) {
        const QTableWidgetItem* value = StringGrid->item(row - 1, 1);
        editor_.setCell(row, value ? utf8(value->text()) : std::string());
    }
}

void TDetails::enableTakeOver(bool enabled)
{
    OK->setEnabled(enabled);
    UebernehmenBtn->setEnabled(enabled);
}

bool TDetails::validateRows()
{
    readRows();
    const SegmentEditor::Validation v = editor_.validate();
    showRows();
    enableTakeOver(v.ok);
    if (v.invalidEntries > 0)
        showMessage(this, QMessageBox::Critical, windowTitle(), qt(kInvalidEntry, context_.language()));
    return v.ok;
}

void TDetails::uebernehmen()
{
    if (!validateRows()) return;
    pending_ = editor_.takeOver(false);
    showRows();
}

void TDetails::ruecksetzen()
{
    editor_.reset();
    showRows();
    enableTakeOver(true);
}

void TDetails::accept()
{
    if (!validateRows()) return;
    const SegmentEditor::Result result = editor_.takeOver(true);
    pending_.reset();
    applyResult(result);
    QDialog::accept();
}

void TDetails::reject()
{
    enableTakeOver(true);
    if (pending_) applyResult(*pending_);
    pending_.reset();
    QDialog::reject();
}

void TDetails::applyResult(const SegmentEditor::Result& result)
{
    applySegmentTable(context_.project(), editor_.mode(), result);
    context_.projectEdited(InputWindow::Pipe, this);
}

}  // namespace talp
