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
    framePunt_ = new Cornice(client());
    framePunt_->setCaption(QString());
    framePunt_->Move(0, 0, 9735, 6975);
    framePunt_->setBackColor(BackColor());
    QWidget* f = framePunt_;

    Option4.Dimentica();
    for (const OpzioneProgettata& o : Opzioni) {
        auto* b = new Opzione(f);
        b->setCaption(QString::fromUtf8(o.caption));
        b->Move(480, o.top, o.larghezza, 495);
        b->setCarattere(Arial, 14.25);
        Option4.Progetta(o.indice, b);
    }

    checkCursore_ = new CasellaSpunta(f);
    checkCursore_->setCaption(QStringLiteral("Usa cursore di sistema"));
    checkCursore_->Move(5280, 1080, 3855, 615);
    checkCursore_->setCarattere(Arial, 14.25);
    checkCursore_->setBackgroundRole(QPalette::Window); // a check box fills in the button role otherwise
    checkCursore_->setBackColor(BackColor());
    connect(checkCursore_, &CasellaSpunta::Click, this, &FormConfigura::CheckDisabilitaMousePersonalizzato_Click);

    label7_ = new Etichetta(f);
    label7_->Move(480, 4800, 8655, 375);
    label7_->setCarattere(Arial, 12);
    label7_->setBackStyleOpaco(false); // on the frame's own background

    hScroll3_ = new BarraOrizzontale(f);
    hScroll3_->Move(360, 5280, 8655, 375);
    hScroll3_->setMin(4);
    hScroll3_->setMax(60);
    hScroll3_->setSmallChange(1);
    hScroll3_->setLargeChange(PassoPagina);
    connect(hScroll3_, &BarraOrizzontale::Change, this, &FormConfigura::HScroll3_Change);

    command1_ = new Bottone(f);
    command1_->setCaption(QStringLiteral("Colore scansione"));
    command1_->Move(1320, 5760, 2175, 1000);
    command1_->setCarattere(Arial, 14.25);
    command1_->setBackColor(0x000000FF);
    connect(command1_, &Bottone::Click, this, &FormConfigura::Command1_Click);

    labelPerColore_ = new Etichetta(f);
    labelPerColore_->Move(8520, 480, 1215, 735);
    labelPerColore_->hide();

    mnuEsci_ = AggiungiMenu(QStringLiteral("&Esci"));
    connect(mnuEsci_, &VoceMenu::Click, this, &FormConfigura::mnuEsci_Click);
}

void FormConfigura::DistruggiControlli()
{
    Option4.Dimentica();
    framePunt_ = nullptr;
    checkCursore_ = nullptr;
    label7_ = labelPerColore_ = nullptr;
    hScroll3_ = nullptr;
    command1_ = nullptr;
    mnuEsci_ = nullptr;
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
    command1_->setBackColor(p_.ColoreScansioneRgb());
    checkCursore_->setValue(p_.CursoreDiSistema ? 1 : 0);
    switch (p_.ModalitaInput) {
    case ModoMouse:
        hScroll3_->hide();
        label7_->hide();
        checkCursore_->show();
        break;
    case ModoScansioneManuale:
    case ModoFrecce:
        hScroll3_->hide();
        label7_->hide();
        checkCursore_->hide();
        break;
    case ModoScansioneAutomatica:
        hScroll3_->show();
        hScroll3_->setValue(p_.VelocitaScansione);
        label7_->show();
        checkCursore_->hide();
        label7_->setCaption(TestoVelocita(p_.VelocitaScansione));
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
    if (!checkCursore_) return;
    p_.CursoreDiSistema = checkCursore_->Value() == 1;
}

void FormConfigura::HScroll3_Change()
{
    if (!hScroll3_) return;
    p_.VelocitaScansione = static_cast<std::int16_t>(hScroll3_->Value());
    label7_->setCaption(TestoVelocita(p_.VelocitaScansione));
}

void FormConfigura::Command1_Click()
{
    if (!Caricata()) return;
    if (ScegliColore(p_, widget(), *labelPerColore_)) p_.ColoreScansione = labelPerColore_->ForeColor();
    command1_->setBackColor(p_.ColoreScansioneRgb());
}

void FormConfigura::mnuEsci_Click()
{
    SalvaImpostazioni(p_, widget());
    if (p_.MostraMenu) p_.MostraMenu();
    Scarica();
}
