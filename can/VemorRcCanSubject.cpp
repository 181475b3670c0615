#include "VemorRcCanSubject.h"

#include "View.h"

#include <QTimer>

VemorRcCanSubject::VemorRcCanSubject(View* v)
    : CanSubject(nullptr)
    , view(v)
    , timer(new QTimer)
{
    connect(timer, &QTimer::timeout, this, &VemorRcCanSubject::tx);
    timer->start(50);
}

VemorRcCanSubject::~VemorRcCanSubject()
{
    delete timer;
}

void VemorRcCanSubject::setCanMessage(unsigned int id, unsigned char* data, unsigned char len)
{
    canMessage m;
    m.id = id;
    const unsigned char n = len > 8 ? 8 : len;
    for (unsigned char i = 0; i < n && data; ++i)
        m.data[i] = data[i];
    // The platform's frames always count as full frames.
    m.len = 8;
    current = m;
    pushReceived(m);
}

canMessage VemorRcCanSubject::getCanMessage()
{
    return current;
}

void VemorRcCanSubject::sendCanMessage(canMessage& m)
{
    txQueue.append(m);
}

void VemorRcCanSubject::setXonXoff(bool)
{
    paused = !paused;
}

void VemorRcCanSubject::tx()
{
    if (txQueue.isEmpty() || paused)
        return;
    canMessage m = txQueue.takeFirst();
    if (view)
        view->sendCanMessage(m.id, m.data, m.len);
}
