#include "views/Infoview.h"

#include "app/ApplicationStartup.h"
#include "model/LanguageSubject.h"
#include "ui/WidgetUpdate.h"

#include "ui_Infoview.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>

namespace {

constexpr LanguageSupport::translations_t TitleText = 62;

const char* const ActiveStyle = "background-color: rgb(0,255,0); font: 10pt;";
const char* const InactiveStyle = "background-color: rgb(180,180,180); font: 10pt;";

// Twenty input numbers, or eight lever values down to "-100", share one row
// of the narrow view in the embedded bold face: draw the digits narrower (the
// same height) so neighbours stay apart and every number is whole. The
// condensed face keeps the strokes as bold as the rest of the page.
void setDigitsCloser(QLabel* label)
{
    QFont narrow = label->font();
    narrow.setFamily(QString::fromLatin1(ApplicationStartup::CondensedFamily));
    narrow.setStretch(QFont::Condensed);
    label->setFont(narrow);
}

// Height of a row of input numbers in the style's 10 pt: the digits' own
// height and a pixel above and below.
int digitRowHeight(QFont font)
{
    font.setPointSize(10);
    return QFontMetrics(font).tightBoundingRect(QStringLiteral("0123456789")).height() + 2;
}

} // namespace

Infoview::Infoview(LeverPositionSubject* levers, RclInfoSubject* rclInfo, AppVerSubject* appVersion,
                   DeviceInfoSubject* deviceInfo, ButtonSubject* buttons, WifiSubject* wifi, QWidget* parent)
    : CenterView(parent)
    , LeverPositionObserver(levers)
    , RclInfoObserver(rclInfo)
    , AppVersionOberver(appVersion)
    , DeviceInfoObserver(deviceInfo)
    , ButtonObserver(buttons)
    , WifiObserver(wifi)
    , ui(new Ui::infoview)
{
    // The Wi-Fi adapter attaches itself; this page only listens while shown.
    WifiObserver::detach();

    ui->setupUi(this);
    if (LanguageSubject::languageSupport)
        title = LanguageSubject::languageSupport->getText(TitleText);
    icon = QPixmap(QStringLiteral(":/images/Logoes/info.png"));
    ui->label_PCUsoftver->setText(getAppVersion() + QStringLiteral(" (") + getGitVersion() + QStringLiteral(")"));

    for (int i = 0; i < NumberOfDigitalInputs; ++i) {
        auto* label = new QLabel(QString::number(i), this);
        label->setObjectName(QStringLiteral("digital_%1").arg(i));
        label->setAlignment(Qt::AlignCenter);
        setDigitsCloser(label);
        // The page is taller than the view: keep the rows of numbers tall
        // enough for their digits, the text rows give up their spare room.
        label->setMinimumHeight(digitRowHeight(label->font()));
        if (i < NumberOfDigitalInputs / 2)
            ui->horizontalLayout_digital1->addWidget(label);
        else
            ui->horizontalLayout_digital2->addWidget(label);
        digitalLabels.append(label);
    }
    QLabel* analog[NumberOfLevers] = {ui->analog_val1, ui->analog_val2, ui->analog_val3, ui->analog_val4,
                                      ui->analog_val5, ui->analog_val6, ui->analog_val7, ui->analog_val8};
    for (int i = 0; i < NumberOfLevers; ++i) {
        analogLabels[i] = analog[i];
        setDigitsCloser(analog[i]);
    }
}

Infoview::~Infoview()
{
    onSuspend();
    delete ui;
}

void Infoview::onResume()
{
    if (resumed)
        return;
    resumed = true;
    DeviceInfoObserver::attach();
    LeverPositionObserver::attach();
    RclInfoObserver::attach();
    ButtonObserver::attach();
    WifiObserver::attach();
}

void Infoview::onSuspend()
{
    if (!resumed)
        return;
    resumed = false;
    DeviceInfoObserver::detach();
    LeverPositionObserver::detach();
    RclInfoObserver::detach();
    ButtonObserver::detach();
    WifiObserver::detach();
}

void Infoview::serialNumberChanged(unsigned int serialNumber)
{
    ui->label_ROVA7SerielNr->setText(serialNumber == 0 ? QStringLiteral("?") : QString::number(serialNumber));
}

void Infoview::deviceHardwareVersionChanged(QString version)
{
    ui->label_PCUhardver->setText(version);
}

void Infoview::deviceSerialNumberChanged(QString serialNumber)
{
    ui->label_SNnumber->setText(serialNumber);
}

void Infoview::deviceBootVersionChanged(QString version)
{
    ui->label_bootVersion->setText(version);
}

void Infoview::deviceOSVersionChanged(QString version)
{
    ui->label_OSVersion->setText(version);
}

void Infoview::wifiSsidChanged(QString ssid)
{
    ui->label_SSID->setText(ssid);
}

void Infoview::wifiIpChanged(QString ip)
{
    ui->label_ip->setText(ip);
}

void Infoview::wifiSignalQualityChanged(int pct)
{
    ui->label_WifiLinkQuality->setText(QString::number(pct) + QLatin1Char('%'));
}

void Infoview::buttonStateChanged(unsigned int n, bool pressed)
{
    if (n >= static_cast<unsigned int>(digitalLabels.size()))
        return;
    WidgetUpdate::setStyleSheet(digitalLabels.at(static_cast<int>(n)), QLatin1String(pressed ? ActiveStyle : InactiveStyle));
}

void Infoview::leverPositionChanged(unsigned char lever, int position)
{
    if (lever >= NumberOfLevers)
        return;
    setAnalogLabel(analogLabels[lever], position);
}

void Infoview::setAnalogLabel(QLabel* label, int value)
{
    if (!label)
        return;
    label->setText(QString::number(value));
    WidgetUpdate::setStyleSheet(label, QLatin1String(value != 0 ? ActiveStyle : InactiveStyle));
}
