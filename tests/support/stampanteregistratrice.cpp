#include "stampanteregistratrice.h"

std::vector<ChiamataStampa> RegistroStampa::Testi() const
{
    return DiTipo(ChiamataStampa::Testo);
}

std::vector<ChiamataStampa> RegistroStampa::DiTipo(ChiamataStampa::Tipo t) const
{
    std::vector<ChiamataStampa> v;
    for (const auto& c : chiamate)
        if (c.tipo == t) v.push_back(c);
    return v;
}

StampanteRegistratrice::StampanteRegistratrice(std::shared_ptr<RegistroStampa> registro)
    : registro_(std::move(registro))
{
}

ChiamataStampa StampanteRegistratrice::nuova(ChiamataStampa::Tipo t) const
{
    ChiamataStampa c;
    c.tipo = t;
    c.font = font_;
    c.punti = punti_;
    return c;
}

double StampanteRegistratrice::TextWidth(const QString& testo) const
{
    return static_cast<double>(testo.size()) * punti_ * LarghezzaPerPunto;
}

double StampanteRegistratrice::TextHeight() const
{
    return punti_ * AltezzaPerPunto;
}

void StampanteRegistratrice::Stampa(const QString& testo)
{
    ChiamataStampa c = nuova(ChiamataStampa::Testo);
    c.testo = testo;
    c.x1 = x_;
    c.y1 = y_;
    registro_->chiamate.push_back(c);
    x_ += TextWidth(testo);
}

void StampanteRegistratrice::FineRiga()
{
    ChiamataStampa c = nuova(ChiamataStampa::FineRiga);
    c.x1 = x_;
    c.y1 = y_;
    registro_->chiamate.push_back(c);
    x_ = 0;
    y_ += TextHeight();
}

void StampanteRegistratrice::Line(double x1, double y1, double x2, double y2)
{
    ChiamataStampa c = nuova(ChiamataStampa::Linea);
    c.x1 = x1;
    c.y1 = y1;
    c.x2 = x2;
    c.y2 = y2;
    registro_->chiamate.push_back(c);
}

void StampanteRegistratrice::Box(double x1, double y1, double x2, double y2)
{
    ChiamataStampa c = nuova(ChiamataStampa::Rettangolo);
    c.x1 = x1;
    c.y1 = y1;
    c.x2 = x2;
    c.y2 = y2;
    registro_->chiamate.push_back(c);
}

void StampanteRegistratrice::setOrientation(int valore)
{
    ChiamataStampa c = nuova(ChiamataStampa::Orientamento);
    c.valore = valore;
    registro_->chiamate.push_back(c);
    if (valore == 1 || valore == 2) registro_->orientamento = valore;
}

bool StampanteRegistratrice::EndDoc()
{
    registro_->chiamate.push_back(nuova(ChiamataStampa::FineDocumento));
    registro_->finito = true;
    return esitoEndDoc;
}
