#include "OscillatorSubject.h"

#include <QTimer>

OscillatorSubject::OscillatorSubject()
    : Subject(nullptr)
    , timer(new QTimer)
{
    connect(timer, &QTimer::timeout, this, &OscillatorSubject::oscilate800ms);
    timer->start(800);
}

void OscillatorSubject::oscilate800ms()
{
    toggle = !toggle;
    notify();
}
