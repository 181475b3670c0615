#include "VirtualHandheld.h"

#include "VemorPlatform.h"
#include "View.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QVariant>
#include <QPixmap>
#include <QPushButton>
#include <QSlider>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>

namespace {

// Platform LED colour values 0 green, 1 yellow, 2 red, 3 off.
const char* const LedStyles[] = {
    "background-color: #1fc01f; border: 2px solid #0b500b; border-radius: 9px;",
    "background-color: #f0d000; border: 2px solid #705f00; border-radius: 9px;",
    "background-color: #e02020; border: 2px solid #600000; border-radius: 9px;",
    "background-color: #303030; border: 2px solid #101010; border-radius: 9px;",
};

QString keyLabel(int key)
{
    return QStringLiteral("%1\nF%1").arg(key + 1);
}

// The stand-in that started with a command line (one per program).
VirtualHandheld* started = nullptr;
bool screenshotAtEnd = false;

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

VirtualHandheld::Options VirtualHandheld::parseOptions(const QStringList& arguments)
{
    Options o;
    // Both "--opt value" and "--opt=value"; unknown arguments belong to the
    // application and are left alone.
    for (int i = 1; i < arguments.size(); ++i) {
        QString arg = arguments.at(i);
        QString value;
        bool inlineValue = false;
        const int eq = arg.indexOf(QLatin1Char('='));
        if (arg.startsWith(QLatin1String("--")) && eq > 2) {
            value = arg.mid(eq + 1);
            arg = arg.left(eq);
            inlineValue = true;
        }
        const bool known = arg == QLatin1String("--screenshot") || arg == QLatin1String("--quit-after")
            || arg == QLatin1String("--candump-log");
        if (!known)
            continue;
        if (!inlineValue) {
            if (i + 1 >= arguments.size()) {
                o.errors << QStringLiteral("%1 needs a value").arg(arg);
                continue;
            }
            value = arguments.at(++i);
        }
        if (arg == QLatin1String("--screenshot")) {
            if (value.isEmpty())
                o.errors << QStringLiteral("--screenshot needs a file name");
            else
                o.screenshotFile = value;
        } else if (arg == QLatin1String("--candump-log")) {
            if (value.isEmpty())
                o.errors << QStringLiteral("--candump-log needs a file name");
            else
                o.candumpLog = value;
        } else {
            bool ok = false;
            const int ms = value.toInt(&ok);
            if (!ok || ms < 0)
                o.errors << QStringLiteral("--quit-after needs milliseconds, not \"%1\"").arg(value);
            else
                o.quitAfterMs = ms;
        }
    }
    return o;
}

int VirtualHandheld::softKeyForKeyboard(int qtKey)
{
    if (qtKey >= Qt::Key_1 && qtKey <= Qt::Key_8)
        return qtKey - Qt::Key_1;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F8)
        return qtKey - Qt::Key_F1;
    return -1;
}

unsigned char VirtualHandheld::softKeyBit(int key)
{
    return (key >= 0 && key < SoftKeyCount) ? static_cast<unsigned char>(0x80u >> key) : 0;
}

VirtualHandheld::VirtualHandheld(View* view, QWidget* parent)
    : QWidget(parent)
    , m_view(view)
{
    setObjectName(QStringLiteral("virtualHandheld"));
    setWindowTitle(QStringLiteral("Virtual handheld"));

    auto* top = new QVBoxLayout(this);

    auto* front = new QHBoxLayout;
    top->addLayout(front);

    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    for (int key = 0; key < SoftKeyCount; ++key) {
        auto* b = new QPushButton(keyLabel(key), this);
        b->setObjectName(QStringLiteral("softKey%1").arg(key));
        b->setFixedSize(48, 48);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::pressed, this, [this, key] { setSoftKey(key, true); });
        connect(b, &QPushButton::released, this, [this, key] { setSoftKey(key, false); });
        m_softKeys[key] = b;
    }
    // Left edge keys 0-3 from the top; right edge keys 4-7 from the bottom.
    for (int key = 0; key < 4; ++key)
        left->addWidget(m_softKeys[key]);
    for (int key = 7; key >= 4; --key)
        right->addWidget(m_softKeys[key]);

    auto* bezel = new QFrame(this);
    bezel->setObjectName(QStringLiteral("screenBezel"));
    // Selector by object name, so nothing cascades into the application.
    bezel->setStyleSheet(QStringLiteral("#screenBezel { background-color: #202020; border-radius: 8px; }"));
    auto* bezelLayout = new QVBoxLayout(bezel);
    bezelLayout->setContentsMargins(10, 10, 10, 10);
    m_screen = new QWidget(bezel);
    m_screen->setObjectName(QStringLiteral("screen"));
    m_screen->setFixedSize(ScreenWidth, ScreenHeight);
    // A lit, empty display until the application draws on it.
    m_screen->setAttribute(Qt::WA_StyledBackground);
    m_screen->setStyleSheet(QStringLiteral("#screen { background-color: white; }"));
    auto* screenLayout = new QVBoxLayout(m_screen);
    screenLayout->setContentsMargins(0, 0, 0, 0);
    screenLayout->setSpacing(0);
    if (m_view)
        screenLayout->addWidget(m_view);
    bezelLayout->addWidget(m_screen);
    bezel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    front->addLayout(left);
    front->addWidget(bezel);
    front->addLayout(right);

    auto* indicators = new QHBoxLayout;
    top->addLayout(indicators);
    indicators->addWidget(new QLabel(QStringLiteral("LEDs"), this));
    for (int i = 0; i < 5; ++i) {
        auto* led = new QLabel(this);
        led->setObjectName(QStringLiteral("led%1").arg(i));
        led->setFixedSize(22, 22);
        m_leds[i] = led;
        indicators->addWidget(led);
    }
    indicators->addSpacing(20);
    m_buzzer = new QLabel(this);
    m_buzzer->setObjectName(QStringLiteral("buzzerIndicator"));
    indicators->addWidget(m_buzzer);
    indicators->addSpacing(20);
    m_backlight = new QLabel(this);
    m_backlight->setObjectName(QStringLiteral("backlightIndicator"));
    indicators->addWidget(m_backlight);
    indicators->addStretch(1);

    top->addWidget(buildControls());

    VemorPlatform* platform = VemorPlatform::instance();
    for (int i = 0; i < 5; ++i)
        showLed(i, platform->led(i));
    showBuzzer();
    showBacklight();
    showHardware();
    connect(platform, &VemorPlatform::ledChanged, this, &VirtualHandheld::showLed);
    connect(platform, &VemorPlatform::buzzerChanged, this, [this] { showBuzzer(); });
    connect(platform, &VemorPlatform::backlightChanged, this, [this] { showBacklight(); });
    connect(platform, &VemorPlatform::hardwareChanged, this, &VirtualHandheld::showHardware);

    qApp->installEventFilter(this);
}

VirtualHandheld::~VirtualHandheld()
{
    if (started == this)
        started = nullptr;
    qApp->removeEventFilter(this);
    // The view belongs to the platform's configuration, not to the window.
    if (m_view && m_view->parentWidget())
        m_view->setParent(nullptr);
}

QWidget* VirtualHandheld::buildControls()
{
    VemorPlatform* platform = VemorPlatform::instance();
    auto* box = new QGroupBox(QStringLiteral("Hardware"), this);
    auto* grid = new QGridLayout(box);

    auto makeSlider = [box](const QString& name, int max) {
        auto* s = new QSlider(Qt::Horizontal, box);
        s->setObjectName(name);
        s->setRange(0, max);
        s->setFocusPolicy(Qt::NoFocus);
        return s;
    };

    grid->addWidget(caption(QStringLiteral("Radio signal"), box), 0, 0);
    m_signal = makeSlider(QStringLiteral("signalSlider"), 15);
    grid->addWidget(m_signal, 0, 1);
    m_cable = new QCheckBox(QStringLiteral("Cable"), box);
    m_cable->setObjectName(QStringLiteral("cableCheck"));
    m_cable->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(m_cable, 0, 2);
    grid->addWidget(caption(QStringLiteral("Battery"), box), 1, 0);
    m_battery = makeSlider(QStringLiteral("batterySlider"), 15);
    grid->addWidget(m_battery, 1, 1);

    connect(m_signal, &QSlider::valueChanged, this, [this, platform](int v) {
        platform->setRadio(m_cable->isChecked(), static_cast<unsigned char>(v));
    });
    connect(m_cable, &QCheckBox::toggled, this, [this, platform](bool c) {
        platform->setRadio(c, static_cast<unsigned char>(m_signal->value()));
    });
    connect(m_battery, &QSlider::valueChanged, this,
            [platform](int v) { platform->setBattery(static_cast<unsigned char>(v)); });

    auto* levers = new QGridLayout;
    for (int i = 0; i < static_cast<int>(m_levers.size()); ++i) {
        levers->addWidget(caption(QStringLiteral("Lever %1").arg(i + 1), box), i / 3, 2 * (i % 3));
        auto* s = makeSlider(QStringLiteral("lever%1").arg(i), 255);
        connect(s, &QSlider::valueChanged, this,
                [platform, i](int v) { platform->setLever(i, static_cast<unsigned char>(v)); });
        // Double click is awkward on a slider; a release near the centre snaps back.
        connect(s, &QSlider::sliderReleased, this, [s] {
            if (s->value() > 117 && s->value() < 137)
                s->setValue(127);
        });
        m_levers[i] = s;
        levers->addWidget(s, i / 3, 2 * (i % 3) + 1);
    }
    grid->addLayout(levers, 2, 0, 1, 3);

    auto* inputs = new QGridLayout;
    inputs->setHorizontalSpacing(4);
    for (int i = 0; i < static_cast<int>(m_inputs.size()); ++i) {
        auto* c = new QCheckBox(QString::number(i), box);
        c->setObjectName(QStringLiteral("input%1").arg(i));
        c->setFocusPolicy(Qt::NoFocus);
        connect(c, &QCheckBox::toggled, this, [platform, i](bool on) { platform->setDigitalInput(i, on); });
        m_inputs[i] = c;
        inputs->addWidget(c, i / 8, i % 8);
    }
    grid->addWidget(caption(QStringLiteral("Inputs"), box), 3, 0, Qt::AlignTop | Qt::AlignRight);
    grid->addLayout(inputs, 3, 1, 1, 2);
    return box;
}

void VirtualHandheld::setSoftKey(int key, bool pressed)
{
    const unsigned char bit = softKeyBit(key);
    if (!bit)
        return;
    VemorPlatform* platform = VemorPlatform::instance();
    const unsigned char bits = platform->softButtons();
    platform->setSoftButtons(pressed ? (bits | bit) : (bits & ~bit));
    if (m_softKeys[key]->isDown() != pressed)
        m_softKeys[key]->setDown(pressed);
}

void VirtualHandheld::showLed(int led, int colour)
{
    if (led < 0 || led >= static_cast<int>(m_leds.size()) || colour < 0 || colour > 3)
        return;
    // The application sets every LED on each of its updates, each one off
    // first and then its colour. The labels follow once per pass with the
    // last colour, and only where it changed: restyling a label costs more
    // than the rest of the application's update.
    m_ledWanted[led] = colour;
    if (m_ledsPending)
        return;
    m_ledsPending = true;
    QMetaObject::invokeMethod(this, &VirtualHandheld::applyLeds, Qt::QueuedConnection);
}

void VirtualHandheld::applyLeds()
{
    m_ledsPending = false;
    for (int i = 0; i < static_cast<int>(m_leds.size()); ++i) {
        const int colour = m_ledWanted[i];
        if (colour < 0 || colour == m_ledShown[i])
            continue;
        m_ledShown[i] = colour;
        m_leds[i]->setStyleSheet(QString::fromLatin1(LedStyles[colour]));
        m_leds[i]->setProperty("ledColour", colour);
    }
}

void VirtualHandheld::showBuzzer()
{
    const BuzzerConfig c = VemorPlatform::instance()->buzzer();
    QString bytes;
    for (unsigned char b : c.bytes)
        bytes += QStringLiteral("%1 ").arg(b, 2, 16, QLatin1Char('0')).toUpper();
    // A pattern without a repeat code is the "stop" pattern.
    const QString state = c.bytes[4] == 0 ? QStringLiteral("off")
                                          : QStringLiteral("%1 step(s)").arg(c.bytes[0] & 0x7F);
    m_buzzer->setText(QStringLiteral("Buzzer: %1 [%2]").arg(state, bytes.trimmed()));
}

void VirtualHandheld::showBacklight()
{
    VemorPlatform* p = VemorPlatform::instance();
    m_backlight->setText(QStringLiteral("Backlight: step %1/7%2")
                             .arg(p->backlightLevel())
                             .arg(p->backlightAuto() ? QStringLiteral(", auto") : QString()));
}

void VirtualHandheld::showHardware()
{
    VemorPlatform* p = VemorPlatform::instance();
    // Mirror the platform without echoing the change back to it.
    const QSignalBlocker b1(m_signal);
    const QSignalBlocker b2(m_cable);
    const QSignalBlocker b3(m_battery);
    m_signal->setValue(p->signal());
    m_cable->setChecked(p->cable());
    m_battery->setValue(p->battery());
    for (int i = 0; i < static_cast<int>(m_levers.size()); ++i) {
        const QSignalBlocker b(m_levers[i]);
        m_levers[i]->setValue(p->lever(i));
    }
    for (int i = 0; i < static_cast<int>(m_inputs.size()); ++i) {
        const QSignalBlocker b(m_inputs[i]);
        m_inputs[i]->setChecked(p->digitalInput(i));
    }
    for (int key = 0; key < SoftKeyCount; ++key)
        m_softKeys[key]->setDown((p->softButtons() & softKeyBit(key)) != 0);
}

bool VirtualHandheld::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QWidget::eventFilter(watched, event);
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w->window() != this)
        return QWidget::eventFilter(watched, event);
    auto* k = static_cast<QKeyEvent*>(event);
    const int key = softKeyForKeyboard(k->key());
    if (key < 0)
        return QWidget::eventFilter(watched, event);
    if (!k->isAutoRepeat())
        setSoftKey(key, event->type() == QEvent::KeyPress);
    return true;
}

void VirtualHandheld::settle()
{
    // A layout that resizes a widget can ask for another one below it: a
    // few rounds reach the bottom of any screen of the display.
    for (int round = 0; round < 8; ++round)
        QCoreApplication::sendPostedEvents();
}

void VirtualHandheld::takeScreenshotAtEndOfRun()
{
    screenshotAtEnd = true;
}

void VirtualHandheld::endRun()
{
    if (started && !started->m_pendingScreenshot.isEmpty())
        started->finishWithScreenshot();
    else
        QCoreApplication::exit(0);
}

void VirtualHandheld::finishWithScreenshot()
{
    const QString file = m_pendingScreenshot;
    m_pendingScreenshot.clear();
    const bool ok = saveScreenshot(file);
    if (!ok)
        std::fprintf(stderr, "virtual handheld: cannot write %s\n", qPrintable(file));
    QCoreApplication::exit(ok ? 0 : 1);
}

bool VirtualHandheld::saveScreenshot(const QString& path) const
{
    QWidget* target = m_view ? static_cast<QWidget*>(m_view) : m_screen;
    settle();
    // The application may hold a paint back until the display's next frame;
    // a picture of the screen must show the state as it is now.
    if (QObject* pacer = target->findChild<QObject*>(QStringLiteral("paintPacer")))
        QMetaObject::invokeMethod(pacer, "flush", Qt::DirectConnection);
    // What the window shows, read back from the screen: QWidget::grab() paints
    // anew, and an opacity effect then reuses its last rendering at the
    // window's offset, drawing a faded-in picture shifted by the bezel.
    QPixmap shot;
    QWidget* top = target->window();
    if (QScreen* screen = top->screen()) {
        const QPoint at = target->mapTo(top, QPoint(0, 0));
        shot = screen->grabWindow(top->winId(), at.x(), at.y(), target->width(), target->height());
    }
    if (shot.size() != target->size())
        shot = target->grab();
    if (shot.isNull())
        return false;
    return shot.save(path, "PNG");
}

void VirtualHandheld::start()
{
    start(parseOptions(QCoreApplication::arguments()));
}

void VirtualHandheld::start(const Options& options)
{
    for (const QString& e : options.errors)
        std::fprintf(stderr, "virtual handheld: %s\n", qPrintable(e));
    if (!options.candumpLog.isEmpty() && !VemorPlatform::instance()->setCandumpLog(options.candumpLog))
        std::fprintf(stderr, "virtual handheld: cannot write %s\n", qPrintable(options.candumpLog));

    show();
    started = this;

    if (!options.screenshotFile.isEmpty()) {
        m_pendingScreenshot = options.screenshotFile;
        // A run that ends by itself takes its picture at the end, unless a
        // time was asked for; whichever comes first writes it.
        if (!screenshotAtEnd || options.quitAfterMs >= 0) {
            const int delay = options.quitAfterMs >= 0 ? options.quitAfterMs : DefaultScreenshotDelayMs;
            QTimer::singleShot(delay, this, [this] {
                if (!m_pendingScreenshot.isEmpty())
                    finishWithScreenshot();
            });
        }
    } else if (options.quitAfterMs >= 0) {
        QTimer::singleShot(options.quitAfterMs, qApp, [] { QCoreApplication::exit(0); });
    }
}
