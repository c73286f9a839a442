#include "registro.h"

#include "app/progettifinestre.h"
#include "frame/finestraesercizio.h"
#include "app/formavvio.h"
#include "app/formconfigura.h"
#include "app/forminfo.h"
#include "app/formmenu.h"


RegistroFinestre::RegistroFinestre(Programma& p) : p_(p)
{
    p_.MostraMenu = [this] { Menu().Mostra(); };
}

RegistroFinestre::~RegistroFinestre()
{
    p_.MostraMenu = nullptr;
    // The exercise windows may refer to the shell's windows: they go first.
    esercizi_.clear();
}

FormAvvio& RegistroFinestre::Avvio()
{
    if (!avvio_) avvio_ = std::make_unique<FormAvvio>(p_);
    return *avvio_;
}

FormMenu& RegistroFinestre::Menu()
{
    if (!menu_) {
        menu_ = std::make_unique<FormMenu>(p_, *this);
    }
    return *menu_;
}

FormConfigura& RegistroFinestre::Configura()
{
    if (!configura_) configura_ = std::make_unique<FormConfigura>(p_);
    return *configura_;
}

FormInfo& RegistroFinestre::Info()
{
    if (!info_) info_ = std::make_unique<FormInfo>(p_);
    return *info_;
}

Finestra* RegistroFinestre::Esercizio(const ProgettoFinestra& progetto)
{
    auto it = esercizi_.find(progetto.nome);
    if (it == esercizi_.end()) it = esercizi_.emplace(progetto.nome, CreaFinestraEsercizio(p_, progetto)).first;
    return it->second.get();
}

Finestra* RegistroFinestre::Esercizio(const QString& nome)
{
    const ProgettoFinestra* progetto = Progetto(nome);
    Q_ASSERT_X(progetto, "RegistroFinestre::Esercizio", "unknown exercise window");
    return progetto ? Esercizio(*progetto) : nullptr;
}

Finestra* RegistroFinestre::EsercizioCreato(const QString& nome) const
{
    auto it = esercizi_.find(nome);
    return it == esercizi_.end() ? nullptr : it->second.get();
}
