#pragma once
// The program's windows: each one object, created the first time it is asked for and kept until
// the program ends (unloading a window destroys its controls, not the object).
#include "core/programma.h"
#include "platform/finestra.h"

#include <QString>

#include <map>
#include <memory>

class FormAvvio;
class FormMenu;
class FormConfigura;
class FormInfo;
struct ProgettoFinestra;

class RegistroFinestre {
public:
    // Also makes Programma::MostraMenu show the menu window.
    explicit RegistroFinestre(Programma& p);
    ~RegistroFinestre();
    RegistroFinestre(const RegistroFinestre&) = delete;
    RegistroFinestre& operator=(const RegistroFinestre&) = delete;

    FormAvvio& Avvio();
    FormMenu& Menu();
    FormConfigura& Configura();
    FormInfo& Info();

    // The exercise window of a design row.
    Finestra* Esercizio(const ProgettoFinestra& progetto);
    // An exercise window by its name ("Form1" ... "Form15s"); an unknown name is a programming
    // error (null).
    Finestra* Esercizio(const QString& nome);
    // The exercise window if it was created already, else null.
    Finestra* EsercizioCreato(const QString& nome) const;

private:
    Programma& p_;
    std::unique_ptr<FormAvvio> avvio_;
    std::unique_ptr<FormMenu> menu_;
    std::unique_ptr<FormConfigura> configura_;
    std::unique_ptr<FormInfo> info_;
    std::map<QString, std::unique_ptr<Finestra>> esercizi_;
};
