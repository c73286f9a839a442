#include "gestorefinestre.h"

#include "finestra.h"

#include <algorithm>
#include <iterator>

void GestoreFinestre::Registra(Finestra* f)
{
    if (std::find(finestre_.begin(), finestre_.end(), f) == finestre_.end()) finestre_.push_back(f);
}

void GestoreFinestre::Rimuovi(Finestra* f)
{
    finestre_.erase(std::remove(finestre_.begin(), finestre_.end(), f), finestre_.end());
}

bool GestoreFinestre::QualcunaCaricata() const
{
    return std::any_of(finestre_.begin(), finestre_.end(), [](const Finestra* f) { return f->Caricata(); });
}

std::vector<Finestra*> GestoreFinestre::Caricate() const
{
    std::vector<Finestra*> v;
    std::copy_if(finestre_.begin(), finestre_.end(), std::back_inserter(v),
                 [](const Finestra* f) { return f->Caricata(); });
    return v;
}
