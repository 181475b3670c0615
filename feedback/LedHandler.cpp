#include "feedback/LedHandler.h"

#include "model/StabilityDecoding.h"

#include <algorithm>

namespace {

constexpr LedControl::ledColor_t G = LedControl::LED_GREEN;
constexpr LedControl::ledColor_t Y = LedControl::LED_YELLOW;
constexpr LedControl::ledColor_t R = LedControl::LED_RED;
constexpr LedControl::ledColor_t OFF = LedControl::LED_OFF;

// Percent values arrive as floats; negative or broken values count as 0.
unsigned int wholePercent(float value)
{
    return StabilityDecoding::truncateToUnsigned(value);
}

} // namespace

LedHandler::LedHandler(LedControl* leds, HdlSubject* hdlSubject, LoadsAndDerateSubject* loadsSubject,
                       FlyjibAvailableSubject* flyjibSubject, WinchAvailableSubject* winchSubject,
                       StabIndicationSubject* stabIndication, stabActiveSideSubject* activeSide,
                       UiModeSubject* uiMode, OscillatorSubject* oscillator, CbsSubject* cbs,
                       SettingsSubject* settings)
    : QObject(nullptr)
    , HdlObserver(hdlSubject)
    , LoadsAndDerateObserver(loadsSubject)
    , FlyjibAvailableObserver(flyjibSubject)
    , WinchAvailableObserver(winchSubject)
    , StabIndicationObserver(stabIndication)
    , ActiveStabSideObserver(activeSide)
    , UiModeObserver(uiMode)
    , OscillatorObserver(oscillator)
    , CbsObserver(cbs)
    , SettingsObserver(settings)
    , ledControl(leds)
{
    if (settings)
        panelType = settings->getLedPanelType();
    UiModeObserver::attach();
    SettingsObserver::attach();
    OscillatorObserver::attach();
}

LedHandler::~LedHandler()
{
    HdlObserver::detach();
    LoadsAndDerateObserver::detach();
    FlyjibAvailableObserver::detach();
    WinchAvailableObserver::detach();
    StabIndicationObserver::detach();
    ActiveStabSideObserver::detach();
    UiModeObserver::detach();
    OscillatorObserver::detach();
    CbsObserver::detach();
    SettingsObserver::detach();
}

void LedHandler::attachCraneObservers()
{
    HdlObserver::attach();
    LoadsAndDerateObserver::attach();
    FlyjibAvailableObserver::attach();
    WinchAvailableObserver::attach();
    CbsObserver::attach();
}

void LedHandler::detachCraneObservers()
{
    HdlObserver::detach();
    LoadsAndDerateObserver::detach();
    FlyjibAvailableObserver::detach();
    WinchAvailableObserver::detach();
    CbsObserver::detach();
}

void LedHandler::attachStabObservers()
{
    ActiveStabSideObserver::attach();
    StabIndicationObserver::attach();
}

void LedHandler::detachStabObservers()
{
    ActiveStabSideObserver::detach();
    StabIndicationObserver::detach();
}

void LedHandler::uiModeChange(UiModeSubject::uiState_t state)
{
    uiState = state;
    if (state == UiModeSubject::UI_CRANE) {
        attachCraneObservers();
        detachStabObservers();
    } else if (state == UiModeSubject::UI_STAB) {
        attachStabObservers();
        detachCraneObservers();
    }
    updateLeds();
}

void LedHandler::oscilate800ms(bool on)
{
    blink = on;
    if (uiState == UiModeSubject::UI_STAB && panelType == LEDPANEL_BAR)
        updateLedBarStabMode();
}

void LedHandler::hdlChanged(unsigned int level, bool valid)
{
    if (!valid)
        return;
    hdl = level;
    updateLeds();
}

void LedHandler::craneLoadChanged(float load, bool valid)
{
    if (!valid)
        return;
    loads[CRANE] = wholePercent(load);
    updateLeds();
}

void LedHandler::flyjibLoadChanged(float load, bool valid)
{
    if (!valid)
        return;
    loads[FLYJIB] = wholePercent(load);
    updateLeds();
}

void LedHandler::winchLoadChanged(float load, bool valid)
{
    if (!valid)
        return;
    loads[WINCH] = wholePercent(load);
    updateLeds();
}

void LedHandler::evsLoadChanged(float load)
{
    loads[EVS] = wholePercent(load);
    updateLeds();
}

void LedHandler::craneStrengthChanged(float strength)
{
    strengths[CRANE] = wholePercent(strength);
    updateLeds();
}

void LedHandler::flyjibStrengthChanged(float strength)
{
    strengths[FLYJIB] = wholePercent(strength);
    updateLeds();
}

void LedHandler::winchStrengthChanged(float strength)
{
    strengths[WINCH] = wholePercent(strength);
    updateLeds();
}

void LedHandler::flyjibAvailableChanged(bool available)
{
    flyjibAvailable = available;
    updateLeds();
}

void LedHandler::winchAvailableChanged(bool available)
{
    winchAvailable = available;
    updateLeds();
}

void LedHandler::cbsActiveChanged(bool active)
{
    cbsActive = active;
    updateLeds();
}

void LedHandler::stabEnabledChanged(stab_t stab, bool enabled)
{
    if (!StabIndicationSubject::isValidStab(stab))
        return;
    stabEnabled[stab] = enabled;
    if (panelType == LEDPANEL_BAR)
        updateLeds();
}

void LedHandler::stabSetIndicationChanged(stab_t stab, bool set)
{
    if (!StabIndicationSubject::isValidStab(stab))
        return;
    stabSet[stab] = set;
    if (panelType == LEDPANEL_BAR)
        updateLeds();
}

void LedHandler::activeStabSideChanged(activeStabSide_t side)
{
    activeStabSide = side;
    if (panelType == LEDPANEL_BAR)
        updateLeds();
}

void LedHandler::ledPanelTypeChanged(ledPanelType_t type)
{
    panelType = type;
    turnOffLeds();
    updateLeds();
}

void LedHandler::setLed(int led, LedControl::ledColor_t color)
{
    if (ledControl)
        ledControl->setLed(static_cast<LedControl::led_t>(led), color);
}

void LedHandler::setLedsRed()
{
    for (int led = 0; led < NumberOfLeds; ++led)
        setLed(led, R);
}

void LedHandler::turnOffLeds()
{
    for (int led = 0; led < NumberOfLeds; ++led)
        setLed(led, OFF);
}

void LedHandler::updateLeds()
{
    minStrength = 100;
    for (unsigned int s : strengths)
        minStrength = std::min(minStrength, s);
    maxLoad = 0;
    for (unsigned int l : loads)
        maxLoad = std::max(maxLoad, l);

    if (panelType == LEDPANEL_BAR) {
        updateLedBar();
    } else if (panelType == LEDPANEL_FUNCTION) {
        updateModeLed();
        updateLoadLed();
        updateStrengthLed();
        updateHdlLed();
        updateSlewLed();
    }
}

void LedHandler::updateLedBar()
{
    switch (uiState) {
    case UiModeSubject::UI_NOT_PAIRED:
    case UiModeSubject::UI_RCL_UPDATE:
    case UiModeSubject::UI_NO_SIGNAL:
    case UiModeSubject::UI_ERROR:
        setLedsRed();
        break;
    case UiModeSubject::UI_CRANE:
        updateLedBarCraneMode();
        break;
    case UiModeSubject::UI_STAB:
        updateLedBarStabMode();
        break;
    default:
        turnOffLeds();
        break;
    }
}

void LedHandler::updateLedBarCraneMode()
{
    const unsigned int strengthLevel = static_cast<unsigned int>(69.0 + (100.0 - minStrength) / 100.0 * 30.0);
    const double hdlRaw = 60.0 + (100.0 - hdl) / 100.0 * 39.0;
    const unsigned int hdlLevel = hdlRaw > 0.0 ? static_cast<unsigned int>(hdlRaw) : 0;
    const unsigned int level = std::max({strengthLevel, hdlLevel, maxLoad});

    // The bar fills from the centre outwards: green, then yellow, then red.
    static const LedControl::ledColor_t bars[7][NumberOfLeds] = {
        {G, G, G, G, G},
        {G, G, Y, G, G},
        {G, Y, Y, Y, G},
        {Y, Y, Y, Y, Y},
        {Y, Y, R, Y, Y},
        {Y, R, R, R, Y},
        {R, R, R, R, R},
    };
    int row;
    if (level <= 69)
        row = 0;
    else if (level <= 79)
        row = 1;
    else if (level <= 89)
        row = 2;
    else if (level <= 93)
        row = 3;
    else if (level <= 95)
        row = 4;
    else if (level <= 97)
        row = 5;
    else
        row = 6;
    for (int led = 0; led < NumberOfLeds; ++led)
        setLed(led, bars[row][led]);
}

LedControl::ledColor_t LedHandler::groupColor(std::initializer_list<int> stabs) const
{
    for (int s : stabs) {
        if (stabEnabled[s] && !stabSet[s])
            return Y;
    }
    return G;
}

void LedHandler::updateLedBarStabMode()
{
    LedControl::ledColor_t colors[NumberOfLeds] = {OFF, OFF, OFF, OFF, OFF};

    if (stabEnabled[STAB_FRONT_DOWN])
        colors[2] = stabSet[STAB_FRONT_DOWN] ? G : Y;

    const bool anyMain = stabEnabled[STAB_LEFT_SIDE_DOWN] || stabEnabled[STAB_LEFT_SIDE_OUT]
        || stabEnabled[STAB_RIGHT_SIDE_DOWN] || stabEnabled[STAB_RIGHT_SIDE_OUT];
    const bool allMain = stabEnabled[STAB_LEFT_SIDE_DOWN] && stabEnabled[STAB_LEFT_SIDE_OUT]
        && stabEnabled[STAB_RIGHT_SIDE_DOWN] && stabEnabled[STAB_RIGHT_SIDE_OUT];
    const bool anyExtra = stabEnabled[STAB_LEFT_BACK_DOWN] || stabEnabled[STAB_LEFT_BACK_OUT]
        || stabEnabled[STAB_RIGHT_BACK_DOWN] || stabEnabled[STAB_RIGHT_BACK_OUT];

    if (anyMain) {
        if (anyExtra) {
            colors[0] = groupColor({STAB_LEFT_BACK_DOWN, STAB_LEFT_BACK_OUT});
            colors[1] = groupColor({STAB_LEFT_SIDE_DOWN, STAB_LEFT_SIDE_OUT});
            colors[3] = groupColor({STAB_RIGHT_SIDE_DOWN, STAB_RIGHT_SIDE_OUT});
            colors[4] = groupColor({STAB_RIGHT_BACK_DOWN, STAB_RIGHT_BACK_OUT});
        } else if (allMain) {
            colors[0] = groupColor({STAB_LEFT_SIDE_DOWN});
            colors[1] = groupColor({STAB_LEFT_SIDE_OUT});
            colors[3] = groupColor({STAB_RIGHT_SIDE_OUT});
            colors[4] = groupColor({STAB_RIGHT_SIDE_DOWN});
        } else {
            colors[0] = colors[1] = groupColor({STAB_LEFT_SIDE_DOWN, STAB_LEFT_SIDE_OUT});
            colors[3] = colors[4] = groupColor({STAB_RIGHT_SIDE_DOWN, STAB_RIGHT_SIDE_OUT});
        }
    }

    // The side being set up blinks in step with the shared blink clock.
    if (!blink) {
        if (activeStabSide == STAB_SIDE_LEFT)
            colors[0] = colors[1] = OFF;
        else if (activeStabSide == STAB_SIDE_RIGHT)
            colors[3] = colors[4] = OFF;
    }

    for (int led = 0; led < NumberOfLeds; ++led)
        setLed(led, colors[led]);
}

void LedHandler::updateModeLed()
{
    LedControl::ledColor_t color;
    switch (uiState) {
    case UiModeSubject::UI_CRANE:
        color = G;
        break;
    case UiModeSubject::UI_STAB:
        color = Y;
        break;
    case UiModeSubject::UI_NOT_PAIRED:
    case UiModeSubject::UI_RCL_UPDATE:
    case UiModeSubject::UI_NO_SIGNAL:
    case UiModeSubject::UI_DISPLAY_UPDATE:
    case UiModeSubject::UI_OVERRIDE:
    case UiModeSubject::UI_ERROR:
    case UiModeSubject::UI_STOP:
        color = R;
        break;
    default:
        color = OFF;
        break;
    }
    setLed(LedControl::LED_MODE, color);
}

void LedHandler::updateLoadLed()
{
    LedControl::ledColor_t color = OFF;
    if (uiState == UiModeSubject::UI_CRANE)
        color = maxLoad >= 100 ? R : maxLoad >= 90 ? Y : G;
    setLed(LedControl::LED_LOAD, color);
}

void LedHandler::updateStrengthLed()
{
    LedControl::ledColor_t color = OFF;
    if (uiState == UiModeSubject::UI_CRANE)
        color = minStrength <= 10 ? R : minStrength >= 100 ? G : Y;
    setLed(LedControl::LED_STRENGTH, color);
}

void LedHandler::updateHdlLed()
{
    LedControl::ledColor_t color = OFF;
    if (uiState == UiModeSubject::UI_CRANE)
        color = hdl == 0 ? R : hdl >= 100 ? G : Y;
    setLed(LedControl::LED_HDL, color);
}

void LedHandler::updateSlewLed()
{
    setLed(LedControl::LED_SLEW, uiState == UiModeSubject::UI_CRANE && cbsActive ? G : OFF);
}
