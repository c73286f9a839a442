#include "formconfigura.h"

#include "core/impostazioni.h"
#include "core/servizicomuni.h"

#include <QLocale>

#include <array>

namespace {

struct OpzioneProgettata {
    int indice;
    const char* caption;
    int top;
    int larghezza;
};

// Top to bottom on screen: 0, 3, 1, 2.
constexpr std::array<OpzioneProgettata, 4> Opzioni = {{
    {ModoMouse, "Mouse", 1080, 2295},
    {ModoFrecce, "Tastiera - frecce e invio", 2040, 6495},
    {ModoScansioneManuale, "Scansione manuale - spazio e invio ", 3000, 5175},
    {ModoScansioneAutomatica, "Scansione automatica - spazio", 4080, 4695},
}};

const QString Arial = QStringLiteral("Arial");

} // namespace

FormConfigura::FormConfigura(Programma& p) : Finestra(p.finestre(), QSize(9810, 7065)), p_(p)
{
    ControlliDelCaricamento(c_, Option4);
    setCaption(TitoloProgramma + QStringLiteral(" - Configurazioni"));
    Option4.Collega([this](int k, Opzione* o) { connect(o, &Opzione::Click, this, [this, k] { Option4_Click(k); }); });
}

QString FormConfigura::TestoVelocita(std::int16_t velocita)
{
    // "##0.00": at least one integer digit, two decimals, no grouping.
    QString numero = QString::number(velocita / 4.0, 'f', 2);
    numero.replace(u'.', QLocale().decimalPoint());
    return QStringLiteral("Velocità scansione: ") + numero + QStringLiteral(" secondi");
}

void FormConfigura::CreaControlli()
{
    c_.FramePunt = new Cornice(client());
    c_.FramePunt->setCaption(QString());
    c_.FramePunt->Move(0, 0, 9735, 6975);
    c_.FramePunt->setBackColor(BackColor());
    QWidget* f = c_.FramePunt;

    Option4.Dimentica();
    for (const OpzioneProgettata& o : Opzioni) {
        auto* b = new Opzione(f);
        b->setCaption(QString::fromUtf8(o.caption));
        b->Move(480, o.top, o.larghezza, 495);
        b->setCarattere(Arial, 14.25);
        Option4.Progetta(o.indice, b);
    }

    c_.CheckDisabilitaMousePersonalizzato = new CasellaSpunta(f);
    c_.CheckDisabilitaMousePersonalizzato->setCaption(QStringLiteral("Usa cursore di sistema"));
    c_.CheckDisabilitaMousePersonalizzato->Move(5280, 1080, 3855, 615);
    c_.CheckDisabilitaMousePersonalizzato->setCarattere(Arial, 14.25);
    c_.CheckDisabilitaMousePersonalizzato->setBackgroundRole(QPalette::Window); // a check box fills in the button role otherwise
    c_.CheckDisabilitaMousePersonalizzato->setBackColor(BackColor());
    connect(c_.CheckDisabilitaMousePersonalizzato, &CasellaSpunta::Click, this, &FormConfigura::CheckDisabilitaMousePersonalizzato_Click);

    c_.Label7 = new Etichetta(f);
    c_.Label7->Move(480, 4800, 8655, 375);
    c_.Label7->setCarattere(Arial, 12);
    c_.Label7->setBackStyleOpaco(false); // on the frame's own background

    c_.HScroll3 = new BarraOrizzontale(f);
    c_.HScroll3->Move(360, 5280, 8655, 375);
    c_.HScroll3->setMin(4);
    c_.HScroll3->setMax(60);
    c_.HScroll3->setSmallChange(1);
    c_.HScroll3->setLargeChange(PassoPagina);
    connect(c_.HScroll3, &BarraOrizzontale::Change, this, &FormConfigura::HScroll3_Change);

    c_.Command1 = new Bottone(f);
    c_.Command1->setCaption(QStringLiteral("Colore scansione"));
    c_.Command1->Move(1320, 5760, 2175, 1000);
    c_.Command1->setCarattere(Arial, 14.25);
    c_.Command1->setBackColor(0x000000FF);
    connect(c_.Command1, &Bottone::Click, this, &FormConfigura::Command1_Click);

    c_.LabelPerColore = new Etichetta(f);
    c_.LabelPerColore->Move(8520, 480, 1215, 735);
    c_.LabelPerColore->hide();

    c_.mnuEsci = AggiungiMenu(QStringLiteral("&Esci"));
    connect(c_.mnuEsci, &VoceMenu::Click, this, &FormConfigura::mnuEsci_Click);
}

void FormConfigura::Form_Load()
{
    EssResizer1.RecordLayout(client());
}

void FormConfigura::Form_Activate()
{
    // Selecting the option raises its click, which stores the same mode and lines the controls up.
    if (Option4.Esiste(p_.ModalitaInput)) Option4(p_.ModalitaInput).setValue(true);
    ImpostaConfigurazioni();
}

void FormConfigura::ImpostaConfigurazioni()
{
    if (!Caricata()) return;
    c_.Command1->setBackColor(p_.ColoreScansioneRgb());
    c_.CheckDisabilitaMousePersonalizzato->setValue(p_.CursoreDiSistema ? 1 : 0);
    switch (p_.ModalitaInput) {
    case ModoMouse:
        c_.HScroll3->hide();
        c_.Label7->hide();
        c_.CheckDisabilitaMousePersonalizzato->show();
        break;
    case ModoScansioneManuale:
    case ModoFrecce:
        c_.HScroll3->hide();
        c_.Label7->hide();
        c_.CheckDisabilitaMousePersonalizzato->hide();
        break;
    case ModoScansioneAutomatica:
        c_.HScroll3->show();
        c_.HScroll3->setValue(p_.VelocitaScansione);
        c_.Label7->show();
        c_.CheckDisabilitaMousePersonalizzato->hide();
        c_.Label7->setCaption(TestoVelocita(p_.VelocitaScansione));
        break;
    default:
        break;
    }
}

void FormConfigura::Option4_Click(int k)
{
    p_.ModalitaInput = static_cast<std::int16_t>(k);
    ImpostaConfigurazioni();
}

void FormConfigura::CheckDisabilitaMousePersonalizzato_Click()
{
    if (!c_.CheckDisabilitaMousePersonalizzato) return;
    p_.CursoreDiSistema = c_.CheckDisabilitaMousePersonalizzato->Value() == 1;
}

void FormConfigura::HScroll3_Change()
{
    if (!c_.HScroll3) return;
    p_.VelocitaScansione = static_cast<std::int16_t>(c_.HScroll3->Value());
    c_.Label7->setCaption(TestoVelocita(p_.VelocitaScansione));
}

void FormConfigura::Command1_Click()
{
    if (!Caricata()) return;
    if (ScegliColore(p_, widget(), *c_.LabelPerColore)) p_.ColoreScansione = c_.LabelPerColore->ForeColor();
    c_.Command1->setBackColor(p_.ColoreScansioneRgb());
}

void FormConfigura::mnuEsci_Click()
{
    SalvaImpostazioni(p_, widget());
    if (p_.MostraMenu) p_.MostraMenu();
    Scarica();
}
