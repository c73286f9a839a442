#include "temporizzatore.h"

Temporizzatore::Temporizzatore(QObject* parent) : QObject(parent)
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &Temporizzatore::Timer);
}

void Temporizzatore::setEnabled(bool si)
{
    if (si == abilitato_) return;
    abilitato_ = si;
    aggiorna();
}

void Temporizzatore::setInterval(int ms)
{
    if (ms < 0) ms = 0;
    if (ms == intervallo_) return;
    intervallo_ = ms;
    aggiorna();
}

void Temporizzatore::aggiorna()
{
    if (abilitato_ && intervallo_ > 0)
        timer_.start(intervallo_);
    else
        timer_.stop();
}
