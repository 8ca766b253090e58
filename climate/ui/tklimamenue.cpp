#include "climate/ui/tklimamenue.h"

#include <QAbstractAxis>
#include <QChart>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <chrono>
#include <memory>
#include <random>

#include "chart/xy_chart.h"
#include "climate/climate_window_texts.h"
#include "climate/sine_parameters.h"
#include "climate/ui/map_image.h"
#include "climate/ui/tplzsuchedlg.h"
#include "core/numeric.h"
#include "files/hourly_file.h"
#include "files/ui/tdlgsimulation.h"
#include "files/weather_import.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/qt_text.h"

namespace talp {

namespace {

constexpr Text kCaption{"TALP Klimawerte", "TALP Climate"};
constexpr Text kModelGroup{"Temperaturmodell", "Temperature model"};
constexpr Text kRegionButton{"Klimaregion", "Climatic region"};
constexpr Text kGermany{"(Deutschland)", "(Germany)"};
constexpr Text kStationButton{"Klimastation", "Climatic station"};
constexpr Text kEurope{"(Europa)", "(Europe)"};
constexpr Text kSineButton{"Sinusverlauf", "Sine curve"};
constexpr Text kFileButton{"Datei", "File"};
constexpr Text kSineGroup{"Außentemperatur", "Outdoor temperature"};
constexpr Text kRegionGroup{"Name der Klimaregion (Deutschland)", "Name of climatic region (Germany)"};
constexpr Text kNoRegion{kNoRegionChosen, "Please select"};
constexpr Text kPlzGroup{"Auswahl nach PLZ", "Selection by postal code"};
constexpr Text kPlzButton{"PLZ", "Postcode"};
constexpr Text kStationGroup{"Name der Klimastation (Europa)", "Name of climatic station (Europe)"};
constexpr Text kChartTitle{"Temperaturverlauf", "Temperature curve"};
constexpr Text kChartX{"Tag im Jahr", "Day of year"};
constexpr Text kChartY{"Temperatur (°C)", "Temperature (°C)"};

constexpr std::array<Param, 4> kSineInputs{Param::max_monatsmittel, Param::jahresmittel, Param::min_monatsmittel,
                                           Param::tag_sinusspitze};

// The right-hand side holds the region map (300 x 401), the sine chart or the Europe map.
constexpr QSize kMapSize{300, 401};
constexpr QSize kChartSize{410, 360};
constexpr int kPanelMargin = 4;
constexpr int kReimportRetryMs = 200;

QRadioButton* radioButton(const char* name, QWidget* parent)
{
    auto* button = new QRadioButton(parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QComboBox* listBox(const char* name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

// The site named in the header of a climate file made from a weather file, else nothing.
std::string importedSiteOf(const CouplingRecord& file, const Installation& installation)
{
    if (!file.valid) return {};
    const std::optional<ImportedClimateHeader> header = importedClimateHeader(locateHourlyFile(file.fileName, &installation));
    return header ? header->location : std::string();
}

}  // namespace

Tklimamenue::Tklimamenue(ShellContext& context, QWidget* parent)
    : TopicWindow(Topic::Klima, context, parent),
      inputs_([this](Param id, long double v) { sineInputEdited(id, v); }),
      endProgram_([] { QCoreApplication::exit(1); })
{
    // The temperature model.
    modelGroup_ = new QGroupBox(this);
    auto* models = new QGridLayout(modelGroup_);
    klima_region = radioButton("klima_region", modelGroup_);
    Klimastation = radioButton("Klimastation", modelGroup_);
    klima_sin = radioButton("klima_sin", modelGroup_);
    klima_sim = radioButton("klima_sim", modelGroup_);
    germanyLabel_ = new QLabel(modelGroup_);
    europeLabel_ = new QLabel(modelGroup_);
    SimButton = new QPushButton(QStringLiteral("..."), modelGroup_);
    SimButton->setObjectName(QStringLiteral("SimButton"));
    SimButton->setFixedWidth(26);
    LabelKlimadatei = new QLabel(modelGroup_);
    LabelKlimadatei->setObjectName(QStringLiteral("LabelKlimadatei"));
    LabelKlimadatei->setMinimumWidth(240);
    // A long file name must not widen the window: it is cut, and its tip names it whole.
    LabelKlimadatei->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // The file-based models on the left, the sine and the user's file on the right.
    auto* fileChoice = new QHBoxLayout;
    fileChoice->addWidget(klima_sim);
    fileChoice->addWidget(SimButton);
    fileChoice->addStretch(1);
    models->addWidget(klima_region, 0, 0);
    models->addWidget(germanyLabel_, 0, 1);
    models->addWidget(klima_sin, 0, 2);
    models->addWidget(Klimastation, 1, 0);
    models->addWidget(europeLabel_, 1, 1);
    models->addLayout(fileChoice, 1, 2);
    models->addWidget(LabelKlimadatei, 2, 0, 1, 3);
    models->setColumnStretch(2, 1);
    connect(klima_region, &QRadioButton::clicked, this, &Tklimamenue::klima_regionClick);
    connect(Klimastation, &QRadioButton::clicked, this, &Tklimamenue::KlimastationClick);
    connect(klima_sin, &QRadioButton::clicked, this, &Tklimamenue::klima_sinClick);
    connect(klima_sim, &QRadioButton::clicked, this, &Tklimamenue::klima_simClick);
    connect(SimButton, &QPushButton::clicked, this, &Tklimamenue::klima_simClick);

    // The five sine parameters.
    sineGroup_ = new QGroupBox(this);
    auto* sine = new QGridLayout(sineGroup_);
    int line = 0;
    for (Param id : {Param::max_monatsmittel, Param::jahresmittel, Param::min_monatsmittel}) {
        ParamSpinBox* box = inputs_.add(id, sineGroup_);
        box->setMinimumWidth(90);
        sine->addWidget(inputs_.caption(id), line, 0);
        sine->addWidget(box, line++, 1);
    }
    monthCaption_ = new QLabel(sineGroup_);
    monat_sinusspitze = listBox("monat_sinusspitze", sineGroup_);
    monat_sinusspitze->setEditable(true);
    monat_sinusspitze->setInsertPolicy(QComboBox::NoInsert);
    monat_sinusspitze->setMinimumWidth(110);
    monthCaption_->setBuddy(monat_sinusspitze);
    sine->addWidget(monthCaption_, line, 0);
    sine->addWidget(monat_sinusspitze, line++, 1);
    ParamSpinBox* day = inputs_.add(Param::tag_sinusspitze, sineGroup_);
    sine->addWidget(inputs_.caption(Param::tag_sinusspitze), line, 0);
    sine->addWidget(day, line, 1);
    sine->setColumnStretch(0, 1);
    connect(monat_sinusspitze, &QComboBox::activated, this, &Tklimamenue::peakMonthChosen);
    connect(monat_sinusspitze->lineEdit(), &QLineEdit::editingFinished, this, &Tklimamenue::peakMonthTyped);

    // The region: list and postal code.
    regionGroup_ = new QGroupBox(this);
    auto* region = new QVBoxLayout(regionGroup_);
    klimaregion = listBox("klimaregion", regionGroup_);
    for (const ClimateRegion& r : kClimateRegions) klimaregion->addItem(qt(r.item));
    region->addWidget(klimaregion);
    plzGroup_ = new QGroupBox(regionGroup_);
    auto* postal = new QHBoxLayout(plzGroup_);
    plz = new QPushButton(plzGroup_);
    plz->setObjectName(QStringLiteral("plz"));
    postal->addWidget(plz);
    postal->addStretch(1);
    region->addWidget(plzGroup_);
    connect(klimaregion, &QComboBox::activated, this, &Tklimamenue::regionChosen);
    connect(plz, &QPushButton::clicked, this, &Tklimamenue::plzClick);

    // The station.
    stationGroup_ = new QGroupBox(this);
    auto* station = new QVBoxLayout(stationGroup_);
    AuswKlimastation = listBox("AuswKlimastation", stationGroup_);
    AuswKlimastation->setMaxVisibleItems(20);
    station->addWidget(AuswKlimastation);
    connect(AuswKlimastation, &QComboBox::activated, this, &Tklimamenue::stationChosen);

    auto* left = new QVBoxLayout;
    left->addWidget(modelGroup_);
    left->addWidget(sineGroup_);
    left->addWidget(regionGroup_);
    left->addWidget(stationGroup_);
    left->addStretch(1);

    // The right-hand side: region map, sine chart or Europe map.
    auto* rightSide = new QWidget(this);
    rightSide->setMinimumSize(std::max(kMapSize.width(), kChartSize.width()),
                              std::max(kMapSize.height(), kChartSize.height() + 50));
    auto* right = new QVBoxLayout(rightSide);
    right->setContentsMargins(0, 0, 0, 0);

    karte = new MapImage(QStringLiteral("karte"), kMapSize, rightSide);
    right->addWidget(karte, 0, Qt::AlignHCenter | Qt::AlignTop);
    connect(karte, &MapImage::pressed, this, &Tklimamenue::karteMouseDown);

    sineChartBox_ = new QWidget(rightSide);
    auto* chartColumn = new QVBoxLayout(sineChartBox_);
    chartColumn->setContentsMargins(0, 0, 0, 0);
    SinGraph = new XyChart(sineChartBox_);
    SinGraph->setObjectName(QStringLiteral("SinGraph"));
    SinGraph->setMinimumSize(kChartSize);
    SinGraph->setLegendVisible(false);
    SinGraph->setXRange(0, 364);
    SinGraph->setXStep(30);
    SinGraph->setYAutoRange();
    SinGraph->addSeries(QString(), QColor(200, 0, 0));
    // Thirteen labels of up to three digits share the day axis: a size smaller keeps
    // every one of them readable.
    for (QAbstractAxis* axis : SinGraph->chart()->axes(Qt::Horizontal)) {
        QFont labels = axis->labelsFont();
        labels.setPointSizeF(labels.pointSizeF() * 0.85);
        axis->setLabelsFont(labels);
    }
    tag_sinusspitze2 = new QScrollBar(Qt::Horizontal, sineChartBox_);
    tag_sinusspitze2->setObjectName(QStringLiteral("tag_sinusspitze2"));
    tag_sinusspitze2->setRange(1, kDaysPerYear);
    tag_sinusspitze2->setPageStep(30);
    LabelTag = new QLabel(sineChartBox_);
    LabelTag->setObjectName(QStringLiteral("LabelTag"));
    chartColumn->addWidget(SinGraph, 1);
    chartColumn->addWidget(tag_sinusspitze2);
    chartColumn->addWidget(LabelTag);
    right->addWidget(sineChartBox_, 1);
    connect(tag_sinusspitze2, &QScrollBar::valueChanged, this, &Tklimamenue::peakDayBarMoved);

    EuroPanel = new QFrame(rightSide);
    EuroPanel->setObjectName(QStringLiteral("EuroPanel"));
    EuroPanel->setFrameShape(QFrame::StyledPanel);
    EuroMap = new MapImage(QStringLiteral("EuroMap"), QSize(kEuropeMapWidth, kEuropeMapHeight), EuroPanel);
    EuroMap->setCursor(Qt::CrossCursor);
    EuroMap->move(kPanelMargin, kPanelMargin);
    EuroMap->load(installation().readable(kEuropeMapFile));
    EuroLabelStations = new QLabel(EuroPanel);
    EuroLabelStations->setObjectName(QStringLiteral("EuroLabelStations"));
    EuroLabelStations->setGeometry(kPanelMargin, 2 * kPanelMargin + kEuropeMapHeight, kEuropeMapWidth,
                                   EuroLabelStations->sizeHint().height() + 4);
    zeiger = new QLabel(EuroPanel);
    zeiger->setObjectName(QStringLiteral("zeiger"));
    zeiger->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (std::optional<Bitmap> pointer = readBitmap(installation().readable(kPointerImageFile)); pointer && pointer->width > 0) {
        // The pointer's background is the colour of its lower left pixel, as for a
        // transparent picture.
        zeiger->setPixmap(QPixmap::fromImage(imageOf(*pointer, pointer->at(0, pointer->height - 1))));
        zeiger->resize(pointer->width, pointer->height);
    } else {
        zeiger->resize(kPointerSize, kPointerSize);
    }
    zeiger->hide();
    EuroPanel->setFixedSize(kEuropeMapWidth + 2 * kPanelMargin,
                            EuroLabelStations->geometry().bottom() + 1 + kPanelMargin);
    right->addWidget(EuroPanel, 0, Qt::AlignHCenter | Qt::AlignTop);
    right->addStretch(1);
    connect(EuroMap, &MapImage::moved, this, &Tklimamenue::EuroMapMouseMove);
    connect(EuroMap, &MapImage::pressed, this, &Tklimamenue::EuroMapMouseDown);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(rightSide, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(columns, 1);
    outer->addWidget(navigationBar());

    // The swatches a map click compares the clicked colour with.
    if (std::optional<Bitmap> swatchImage = readBitmap(installation().readable(kSwatchImageFile)))
        swatches_ = swatchColoursOf(*swatchImage);
    if (!climate().randomStation) {
        auto generator = std::make_shared<std::mt19937>(
            static_cast<std::mt19937::result_type>(std::chrono::system_clock::now().time_since_epoch().count()));
        climate().randomStation = [generator](int count) {
            return std::uniform_int_distribution<int>(0, count - 1)(*generator);
        };
    }

    // A new window shows region 4 with its map, sine parameters and data file.
    karte->load(installation().readable(kStartRegionMapFile));
    shownMapRegion_ = kStartRegion;
    initialiseClimate(project());

    // A loaded project with a climate file confirms the file again through the coupling
    // dialog, once the load has finished.
    connect(&context, &ShellContext::projectReplaced, this, [this] {
        if (project().klimaModell == kFileModel) QTimer::singleShot(0, this, &Tklimamenue::reimportAfterLoad);
    });

    applyLanguage();
    refreshFromModel();
}

void Tklimamenue::applyLanguage()
{
    TopicWindow::applyLanguage();
    const Language l = language();
    setWindowTitle(qt(kCaption, l));
    modelGroup_->setTitle(qt(kModelGroup, l));
    klima_region->setText(qt(kRegionButton, l));
    germanyLabel_->setText(qt(kGermany, l));
    Klimastation->setText(qt(kStationButton, l));
    europeLabel_->setText(qt(kEurope, l));
    klima_sin->setText(qt(kSineButton, l));
    klima_sim->setText(qt(kFileButton, l));
    sineGroup_->setTitle(qt(kSineGroup, l));
    inputs_.applyLanguage(l);
    monthCaption_->setText(qt(paramSpec(Param::monat_sinusspitze).caption, l));
    fillMonthItems();
    regionGroup_->setTitle(qt(kRegionGroup, l));
    klimaregion->setPlaceholderText(qt(kNoRegion, l));
    plzGroup_->setTitle(qt(kPlzGroup, l));
    plz->setText(qt(kPlzButton, l));
    stationGroup_->setTitle(qt(kStationGroup, l));
    SinGraph->setTitle(qt(kChartTitle, l));
    SinGraph->setAxisTitles(qt(kChartX, l), qt(kChartY, l));
    refreshFromModel();
}

void Tklimamenue::fillMonthItems()
{
    const QSignalBlocker quiet(monat_sinusspitze);
    monat_sinusspitze->clear();
    for (int m = 0; m < 12; ++m) monat_sinusspitze->addItem(qt(monthName(m, language() == Language::English)));
    monat_sinusspitze->setCurrentIndex(project().getInt(Param::monat_sinusspitze));
}

void Tklimamenue::fillStationItems()
{
    const QSignalBlocker quiet(AuswKlimastation);
    AuswKlimastation->clear();
    for (const ClimateStation& s : climate().stations.stations) AuswKlimastation->addItem(qt(s.itemText()));
}

void Tklimamenue::refreshFromModel() { showModel(); }

void Tklimamenue::showModel()
{
    const Project& p = project();
    const std::string& key = p.klimaModell;
    const ClimateInputState state = climateInputState(key);
    const bool regionModel = key == kRegionModel, stationModel = key == kStationModel;
    const bool sineModel = key == kSineModel, fileModel = key == kFileModel;

    {
        const QSignalBlocker q1(klima_region), q2(Klimastation), q3(klima_sin), q4(klima_sim);
        QRadioButton* checked = regionModel ? klima_region : stationModel ? Klimastation
                              : sineModel   ? klima_sin    : fileModel    ? klima_sim : nullptr;
        if (checked) {
            checked->setChecked(true);
        } else {
            // No model chosen yet: no button is checked.
            for (QRadioButton* button : {klima_region, Klimastation, klima_sin, klima_sim}) {
                button->setAutoExclusive(false);
                button->setChecked(false);
                button->setAutoExclusive(true);
            }
        }
    }

    inputs_.showValues(p);
    {
        const QSignalBlocker q1(monat_sinusspitze), q2(klimaregion), q3(AuswKlimastation);
        monat_sinusspitze->setCurrentIndex(p.getInt(Param::monat_sinusspitze));
        klimaregion->setCurrentIndex(p.getInt(Param::klimaregion));
        if (AuswKlimastation->count() != climate().stations.count()) fillStationItems();
        AuswKlimastation->setCurrentIndex(climate().stations.at(p.getInt(Param::AuswKlimastation))
                                              ? p.getInt(Param::AuswKlimastation) : -1);
    }

    // Disabled inputs show their text in grey: the model supplies their values.
    for (Param id : kSineInputs) inputs_.box(id)->setEnabled(state.sineInputs);
    monat_sinusspitze->setEnabled(state.sineInputs);
    klimaregion->setEnabled(state.regionList);
    plz->setEnabled(state.postalCode);
    SimButton->setVisible(state.fileButton);
    SimButton->setEnabled(state.fileButton);
    LabelKlimadatei->setVisible(fileModel);
    const std::string site = fileModel ? importedSiteOf(p.climateCoupling, context().session().installation) : std::string();
    LabelKlimadatei->setText(qt(climateFileLabel(p.climateCoupling, language(), site)));
    LabelKlimadatei->setToolTip(qt(p.climateCoupling.fileName));

    regionGroup_->setVisible(!stationModel);
    stationGroup_->setVisible(stationModel);
    AuswKlimastation->setEnabled(stationModel);
    EuroPanel->setVisible(stationModel);
    showPointer();

    const bool mapShown = regionModel || key.empty();
    if (regionModel && shownMapRegion_ != p.getInt(Param::klimaregion) + 1)
        showRegionMap(p.getInt(Param::klimaregion) + 1);  // a missing map is reported on the next choice
    karte->setVisible(mapShown);
    karte->setEnabled(regionModel);

    sineChartBox_->setVisible(sineModel);
    tag_sinusspitze2->setEnabled(sineModel);
    if (sineModel) showSineChart();
}

void Tklimamenue::showSineChart()
{
    const int peakDay = peakDayOf(project());
    if (tag_sinusspitze2->value() != peakDay) {
        const QSignalBlocker quiet(tag_sinusspitze2);
        tag_sinusspitze2->setValue(peakDay);
    }
    const int shownPeak = tag_sinusspitze2->value();
    LabelTag->setText(qt(peakDayLabel(shownPeak, language())));
    const std::array<long double, kDaysPerYear> curve = sineCurve(project(), shownPeak);
    QList<QPointF> points;
    points.reserve(kDaysPerYear);
    for (int i = 1; i <= kDaysPerYear; ++i) points.append({double(i), double(curve[static_cast<std::size_t>(i - 1)])});
    SinGraph->setPoints(0, points);
}

void Tklimamenue::showPointer()
{
    const ClimateStation* station = climate().stations.at(project().getInt(Param::AuswKlimastation));
    if (!station || project().klimaModell != kStationModel) {
        zeiger->hide();
        return;
    }
    const PointerPlacement at = placePointer(EuroMap->x(), EuroMap->y(), station->x, station->y, zeiger->width(),
                                             zeiger->height());
    zeiger->move(at.left, at.top);
    zeiger->show();
    zeiger->raise();
}

void Tklimamenue::sineInputEdited(Param id, long double value)
{
    Project& p = project();
    p.set(id, value);
    switch (id) {
    case Param::max_monatsmittel: applyMaxMonthlyMeanChange(p); break;
    case Param::jahresmittel: applyAnnualMeanChange(p); break;
    case Param::min_monatsmittel: applyMinMonthlyMeanChange(p); break;
    case Param::tag_sinusspitze: applyPeakDateChange(p); break;
    default: break;
    }
    showModel();
    edited(InputWindow::Climate);
}

void Tklimamenue::peakMonthChosen(int monthIndex)
{
    if (monthIndex < 0) return;
    project().set(Param::monat_sinusspitze, monthIndex);
    applyPeakDateChange(project());
    showModel();
    edited(InputWindow::Climate);
}

void Tklimamenue::peakMonthTyped()
{
    const std::optional<int> month = peakMonthOfEntry(utf8(monat_sinusspitze->currentText().trimmed()));
    if (month && *month != project().getInt(Param::monat_sinusspitze)) {
        peakMonthChosen(*month);
        return;
    }
    // A number becomes the month's name; anything else falls back to the month chosen.
    const QSignalBlocker quiet(monat_sinusspitze);
    monat_sinusspitze->setCurrentIndex(project().getInt(Param::monat_sinusspitze));
    monat_sinusspitze->setEditText(monat_sinusspitze->itemText(project().getInt(Param::monat_sinusspitze)));
}

void Tklimamenue::peakDayBarMoved(int peakDay)
{
    setPeakDay(project(), peakDay);
    showModel();
    edited(InputWindow::Climate);
}

bool Tklimamenue::showRegionMap(int region)
{
    const bool loaded = isRegionNumber(region) && karte->load(installation().readable(regionMapFile(region)));
    shownMapRegion_ = loaded ? region : 0;
    return loaded;
}

bool Tklimamenue::applyChosenRegion()
{
    const int region = project().getInt(Param::klimaregion) + 1;
    if (!isRegionNumber(region)) return true;
    if (!showRegionMap(region)) {
        endForIncompleteInstallation(installationMessage(kRegionMapMissing));
        return false;
    }
    if (const std::optional<Message> missing = applyRegionChecked(project(), installation())) {
        endForIncompleteInstallation(*missing);
        return false;
    }
    showModel();
    edited(InputWindow::Climate);
    return true;
}

void Tklimamenue::regionChosen(int index)
{
    project().set(Param::klimaregion, index);
    applyChosenRegion();
}

void Tklimamenue::plzClick()
{
    TPLZSucheDlg dialog(context(), this);
    if (dialogs().exec(dialog) != QDialog::Accepted) return;
    project().set(Param::klimaregion, dialog.region() - 1);
    applyChosenRegion();
}

void Tklimamenue::karteMouseDown(QPoint pixel)
{
    // A click the map cannot answer (no bitmap, no swatches) does nothing.
    const std::optional<Rgb> colour = karte->pixel(pixel);
    if (!colour || !swatches_) return;
    const int region = regionAfterMapClick(*colour, *swatches_, project().getInt(Param::klimaregion) + 1);
    if (!isRegionNumber(region)) return;
    project().set(Param::klimaregion, region - 1);
    applyChosenRegion();
}

void Tklimamenue::klima_regionClick()
{
    selectRegionModel(project(), climate());
    showModel();
    edited(InputWindow::Climate);
}

void Tklimamenue::klima_sinClick()
{
    selectSineModel(project());
    showModel();
    edited(InputWindow::Climate);
}

void Tklimamenue::klima_simClick()
{
    // While the dialog is open the window shows neither map nor chart.
    karte->hide();
    karte->setEnabled(false);
    tag_sinusspitze2->setEnabled(false);
    EuroPanel->hide();
    TDlgSimulation dialog(context(), CouplingKind::Climate, this);
    if (reimport_) dialog.startReimport();
    reimport_ = false;
    const bool accepted = dialog.choose() == QDialog::Accepted;
    confirmedByTimer_ = accepted && dialog.confirmedByTimer();
    selectFileModel(project(), climate(), accepted);
    showModel();
    edited(InputWindow::Climate);
}

void Tklimamenue::reimportAfterLoad()
{
    if (project().klimaModell != kFileModel) return;
    // One dialog at a time: the building file's read-again or a message may be open.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(kReimportRetryMs, this, &Tklimamenue::reimportAfterLoad);
        return;
    }
    const bool modified = project().modified;
    reimport_ = true;
    klima_simClick();
    // The stored file confirmed as it was: the project is still the one loaded.
    if (confirmedByTimer_) project().modified = modified;
}

void Tklimamenue::KlimastationClick()
{
    const std::optional<Message> message = selectStationModel(project(), climate());
    fillStationItems();
    showModel();
    edited(InputWindow::Climate);
    if (message) showMessage(*message);
}

void Tklimamenue::stationChosen(int index)
{
    project().set(Param::AuswKlimastation, index);
    const std::optional<Message> message = applyStation(project(), climate());
    showModel();
    edited(InputWindow::Climate);
    if (message) showMessage(*message);
}

void Tklimamenue::EuroMapMouseMove(QPoint pixel)
{
    const ClimateStation* station = climate().stations.stationAt(pixel.x(), pixel.y());
    EuroLabelStations->setText(station ? qt(station->itemText()) : QString());
}

void Tklimamenue::EuroMapMouseDown(QPoint pixel)
{
    const std::optional<int> index = climate().stations.grid.stationAt(pixel.x(), pixel.y());
    const ClimateStation* station = index ? climate().stations.at(*index) : nullptr;
    if (!station) return;
    EuroLabelStations->setText(qt(station->itemText()));
    stationChosen(*index);
}

void Tklimamenue::showEvent(QShowEvent* event)
{
    TopicWindow::showEvent(event);
    // The window opens on the model's own control: its button, or the station list.
    const std::string& key = project().klimaModell;
    QWidget* focus = key == kStationModel ? static_cast<QWidget*>(AuswKlimastation)
                   : key == kRegionModel  ? klima_region
                   : key == kSineModel    ? klima_sin
                   : key == kFileModel    ? klima_sim : nullptr;
    if (focus) focus->setFocus();
}

void Tklimamenue::hideEvent(QHideEvent* event)
{
    rememberClimateSelections(project(), climate().remembered);
    TopicWindow::hideEvent(event);
}

void Tklimamenue::showMessage(const Message& message)
{
    talp::showMessage(this, message, language());
}

void Tklimamenue::endForIncompleteInstallation(const Message& message)
{
    showMessage(message);
    endProgram_();
}

}  // namespace talp
