#pragma once

#include "ButtonStatus.h"
#include "PcuMessage.h"
#include "rtc_time.h"

#include <QObject>

// The platform's master object. The application derives from it to see
// every platform message and the real-time-clock readings.
class ViewMaster : public QObject {
    Q_OBJECT
public:
    explicit ViewMaster(QObject* parent = nullptr);
    ~ViewMaster() override;

    virtual void parseNewPcuMessage(PcuMessage* m);
    virtual void handleRtcData(rtc_time* t);
    virtual void updateButtonStatus(ButtonStatus s);
    virtual void handleXonXoff(unsigned char x);
    virtual void handleNewAccelerometerData(int x, int y, int z);
    virtual void handleNewGyroData(int x, int y, int z);
    virtual void handleNewMagnetData(int x, int y, int z);

    // Asks the platform for its configuration data.
    void requestConfData();
    // How many times requestConfData() was called (stand-in only, for checks).
    int confDataRequests() const { return m_confDataRequests; }

public slots:
    // Reads the clock; the answer arrives through handleRtcData().
    void getRtcTime();

private:
    int m_confDataRequests = 0;
};
