#include "registro.h"

#include "app/fabbricaesercizi.h"
#include "app/formavvio.h"
#include "app/formconfigura.h"
#include "app/forminfo.h"
#include "app/formmenu.h"
#include "input/pilotamenu.h"

#include <stdexcept>

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

namespace {

// The menu's keys and scan: a driver on the freshly created controls, gone with them; the keys go
// to the holder of the mode from the start.
void CollegaTastiMenu(Programma& p, FormMenu& m)
{
    auto* pilota = new PilotaMenu(p,
                                  CollegamentiMenu{
                                      *m.PictureFrecce(),
                                      *m.PictureScansioneManuale(),
                                      *m.PictureScansioneAutomatica(),
                                      *m.Timer1(),
                                      m.VoceEvidenziata,
                                      [&m] { return m.Label1.Count(); },
                                      [&m](int i, Colore c) { m.Label1(i).setBackColor(c); },
                                      [&m] { return m.BackColor(); },
                                      [&m](std::int16_t k) { m.AvviaEsercizi(k); },
                                  },
                                  m.Timer1());
    pilota->pilota().DaiIlFuoco();
}

} // namespace

FormMenu& RegistroFinestre::Menu()
{
    if (!menu_) {
        menu_ = std::make_unique<FormMenu>(p_, *this);
        menu_->CollegaComandi = [this](FormMenu& m) { CollegaTastiMenu(p_, m); };
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

Finestra& RegistroFinestre::Esercizio(const QString& nome)
{
    auto it = esercizi_.find(nome);
    if (it == esercizi_.end()) {
        std::unique_ptr<Finestra> f = CreaFinestraEsercizio(p_, nome);
        if (!f) throw std::invalid_argument("unknown exercise window: " + nome.toStdString());
        it = esercizi_.emplace(nome, std::move(f)).first;
    }
    return *it->second;
}

Finestra* RegistroFinestre::EsercizioCreato(const QString& nome) const
{
    auto it = esercizi_.find(nome);
    return it == esercizi_.end() ? nullptr : it->second.get();
}
