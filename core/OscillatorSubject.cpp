#include "OscillatorSubject.h"

#include <QTimer>

OscillatorSubject::OscillatorSubject()
    : Subject(nullptr)
    , timer(new QTimer)
{
    connect(timer, &QTimer::timeout, this, &OscillatorSubject::oscilate800ms);
    timer->start(800);
}

OscillatorSubject::~OscillatorSubject()
{
    delete timer;
}

void OscillatorSubject::oscilate800ms()
{
    toggle = !toggle;
    notify();
}
