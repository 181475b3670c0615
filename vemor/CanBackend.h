#pragma once

#include <QObject>

// Where the stand-in's CAN frames go and come from: a recorder, a simulated
// crane, a replayed log or a real bus. A backend hands received frames to
// the platform with VemorPlatform::receiveCanFrame().
class CanBackend : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~CanBackend() override = default;

    // One frame leaves the unit (identifier as the application passed it).
    virtual void transmit(unsigned int id, const unsigned char* data, unsigned char len) = 0;
};
