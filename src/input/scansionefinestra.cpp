#include "scansionefinestra.h"

#include "platform/controlli.h"
#include "platform/strati.h"
#include "platform/temporizzatore.h"

#include <QWidget>

ScansioneFinestra::ScansioneFinestra(const Programma& programma, QWidget* area, ElementiScansione& elementi,
                                     RegoleScansione regole)
    : QObject(area)
{
    // The focus holders: tiny, in the top left corner, under every other control.
    frecce_ = new CasellaFuoco(area);
    manuale_ = new CasellaFuoco(area);
    automatica_ = new CasellaFuoco(area);
    for (CasellaFuoco* f : {frecce_.data(), manuale_.data(), automatica_.data()}) {
        f->Move(0, 0, 15, 15);
        MettiNelloStrato(f, Strato::Segni);
        f->show();
    }
    timer_ = new Temporizzatore(area);
    timer_->setInterval(100);
    timer_->setEnabled(false);
    pilota_ = new PilotaScansione(programma, elementi, *frecce_, *manuale_, *automatica_, *timer_, regole, this);
}

void ScansioneFinestra::Avvia()
{
    pilota_->Avvia();
}

void ScansioneFinestra::Ferma()
{
    if (timer_) timer_->setEnabled(false);
}

void ScansioneFinestra::Riprendi()
{
    if (timer_) timer_->setEnabled(true);
}

void ScansioneFinestra::Sospendi(bool si)
{
    pilota_->setSospeso(si);
    for (CasellaFuoco* f : {frecce_.data(), manuale_.data(), automatica_.data()})
        if (f) f->setEnabled(!si);
    if (!si) pilota_->DaiIlFuoco();
}
