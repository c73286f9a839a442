#include "formmenu.h"

#include "app/avvio.h"
#include "app/formconfigura.h"
#include "app/forminfo.h"
#include "core/immagini.h"
#include "app/registro.h"
#include "core/servizicomuni.h"

#include <QMouseEvent>

const std::array<VoceMenuEsercizi, FormMenu::NumeroVoci> FormMenu::VociMenu = {{
    {"soggetto - predicato", 0, 0, "Form1", "Form1s", "", 0, false},
    {"abbina   soggetto / predicato", 0, 1, "Form3", "Form3s", "", 0, false},
    {"riconosci il predicato", 0, 2, "Form2", "Form2s", "", 0, false},
    {"riconosci il soggetto", 0, 3, "Form4", "Form4s", "", 0, false},
    {"soggetto sottinteso", 0, 4, "Form15", "Form15s", "", 0, false},
    {"complemento oggetto", 0, 5, "Form5", "Form5s", "", 0, false},
    {"complemento di specificazione", 0, 6, "Form7", "Form7s", "specificazione.txt", 3, false},
    {"ripasso 1", 0, 7, "Form7", "Form7s", "ripasso1.txt", 3, true},
    {"complemento di termine", 1, 0, "Form7", "Form7s", "termine.txt", 4, false},
    {"ripasso 2", 1, 1, "Form7", "Form7s", "ripasso2.txt", 4, true},
    {"complemento di causa", 1, 2, "Form7", "Form7s", "causa.txt", 5, false},
    {"ripasso 3", 1, 3, "Form7", "Form7s", "ripasso3.txt", 5, true},
    {"complemento di  mezzo", 1, 4, "Form11", "Form11s", "mezzo.txt", 6, false},
    {"ripasso 4", 1, 5, "Form11", "Form11s", "ripasso4.txt", 6, true},
    {"complementi di compagnia/unione", 1, 6, "Form11", "Form11s", "compagnia.txt", 7, false},
    {"ripasso 5", 1, 7, "Form11", "Form11s", "ripasso5.txt", 7, true},
    {"complementi di luogo", 2, 0, "Form11", "Form11s", "luogo.txt", 8, false},
    {"ripasso 6", 2, 1, "Form11", "Form11s", "ripasso6.txt", 8, true},
    {"complemento di modo", 2, 2, "Form14", "Form14s", "modo.txt", 9, false},
    {"ripasso 7", 2, 3, "Form14", "Form14s", "ripasso7.txt", 9, true},
    {"complementi di tempo", 2, 4, "Form14", "Form14s", "tempo.txt", 10, false},
    {"ripasso 8", 2, 5, "Form14", "Form14s", "ripasso8.txt", 10, true},
    {"Esci", 2, 7, "", "", "", 0, false},
}};

FormMenu::FormMenu(Programma& p, RegistroFinestre& registro)
    : Finestra(p.finestre(), QSize(14445, 6105)), p_(p), registro_(registro)
{
    setCaption(TitoloProgramma + QStringLiteral(" - Menù"));
    setBackColor(ColoreFinestra);
    Label1.Collega([this](int k, Etichetta* e) {
        connect(e, &Etichetta::Click, this, [this, k] { Label1_Click(k); });
        connect(e, &Etichetta::MouseMove, this, [this, k] { Label1_MouseMove(k); });
    });
}

void FormMenu::CreaControlli()
{
    QWidget* c = client();
    c->setMouseTracking(true);
    c->installEventFilter(this);

    // The focus boxes: tiny, in the top left corner, out of the way of the entries.
    pictureFrecce_ = new CasellaFuoco(c);
    pictureManuale_ = new CasellaFuoco(c);
    pictureAutomatica_ = new CasellaFuoco(c);
    for (CasellaFuoco* f : {pictureFrecce_.data(), pictureManuale_.data(), pictureAutomatica_.data()}) {
        f->Move(0, 0, 15, 15);
        f->lower();
    }

    const QCursor mio = CursorePersonale(p_);
    Label1.Dimentica();
    for (int k = 0; k < NumeroVoci; ++k) {
        const VoceMenuEsercizi& v = VociMenu[static_cast<std::size_t>(k)];
        auto* e = new Etichetta(c);
        e->setCaption(QString::fromUtf8(v.caption));
        e->Move(ColonneLeft[static_cast<std::size_t>(v.colonna)], RigaTop(v.riga), LarghezzaVoce, AltezzaVoce);
        e->setBackColor(ColoreFinestra);
        e->setCarattere(QStringLiteral("Verdana"), 9, true, v.ripasso);
        e->setWordWrap(true); // a long caption takes a second line, as the entries are two lines high
        if (k == 0) e->setPuntatore(mio);
        Label1.Progetta(k, e);
    }

    check1_ = new CasellaSpunta(c);
    check1_->setCaption(QStringLiteral("Suoni attivati"));
    check1_->Move(6960, 4560, LarghezzaVoce, AltezzaVoce);
    // A check box paints its background in the button role: make it use the colour given.
    check1_->setBackgroundRole(QPalette::Window);
    check1_->setBackColor(ColoreFinestra);
    check1_->setCarattere(QStringLiteral("Verdana"), 9, true);
    check1_->setPuntatore(CursoreSpunta(p_));
    connect(check1_, &CasellaSpunta::Click, this, &FormMenu::Check1_Click);
    connect(check1_, &CasellaSpunta::MouseMove, this, &FormMenu::Check1_MouseMove);

    timer1_ = new Temporizzatore(c);
    timer1_->setEnabled(false);
    timer1_->setInterval(100);

    mnuConf_ = AggiungiMenu(QStringLiteral("Configurazioni"));
    mnuInformazioni_ = AggiungiMenu(QStringLiteral("Informazioni"), nullptr, true);
    mnuDoc_ = AggiungiMenu(QStringLiteral("documentazione"), mnuInformazioni_);
    mnuabout_ = AggiungiMenu(QStringLiteral("about"), mnuInformazioni_);
    connect(mnuConf_, &VoceMenu::Click, this, &FormMenu::mnuConf_Click);
    connect(mnuDoc_, &VoceMenu::Click, this, &FormMenu::mnuDoc_Click);
    connect(mnuabout_, &VoceMenu::Click, this, &FormMenu::mnuabout_Click);

    if (CollegaComandi) CollegaComandi(*this);
}

void FormMenu::DistruggiControlli()
{
    // The widgets go a moment later: no tick may reach a menu that is no longer loaded.
    if (timer1_) timer1_->setEnabled(false);
    Label1.Dimentica();
    check1_ = nullptr;
    timer1_ = nullptr;
    pictureFrecce_ = pictureManuale_ = pictureAutomatica_ = nullptr;
    mnuConf_ = mnuInformazioni_ = mnuDoc_ = mnuabout_ = nullptr;
}

void FormMenu::PuntatoriPredefiniti()
{
    for (int k = 0; k < NumeroVoci; ++k) Label1(k).setPuntatore(std::nullopt);
    check1_->setPuntatore(std::nullopt);
}

void FormMenu::Form_Load()
{
    EssResizer1.RecordLayout(client());

    switch (p_.ModalitaInput) {
    case ModoMouse:
        timer1_->setEnabled(false);
        if (!p_.CursoreDiSistema) {
            for (int k = 1; k < NumeroVoci; ++k) Label1(k).setPuntatore(Label1(0).Puntatore());
        } else {
            PuntatoriPredefiniti();
        }
        break;
    case ModoScansioneManuale:
    case ModoFrecce:
    case ModoScansioneAutomatica:
        PuntatoriPredefiniti();
        timer1_->setEnabled(true);
        VoceEvidenziata = 0;
        Label1(0).setBackColor(p_.ColoreScansioneRgb());
        if (p_.ModalitaInput == ModoScansioneAutomatica) {
            timer1_->setInterval(IntervalloScansione(p_.VelocitaScansione));
            timer1_->setEnabled(true);
        }
        break;
    default:
        break;
    }

    check1_->setValue(p_.SuoniAttivati ? 1 : 0);
    check1_->setBackColor(BackColor());
}

bool FormMenu::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (evento->type() == QEvent::MouseMove && oggetto == client()) {
        // Over the window itself, not over one of its controls (whose moves reach here too).
        const auto* m = static_cast<QMouseEvent*>(evento);
        if (!client()->childAt(m->position().toPoint())) Form_MouseMove();
    }
    return Finestra::eventFilter(oggetto, evento);
}

void FormMenu::Label1_MouseMove(int k)
{
    if (p_.ModalitaInput != ModoMouse || !Label1.Esiste(k)) return;
    const Colore scansione = p_.ColoreScansioneRgb();
    if (Label1(k).BackColor() == scansione) return;
    for (int i = 0; i < NumeroVoci; ++i) Label1(i).setBackColor(BackColor());
    Label1(k).setBackColor(scansione);
}

void FormMenu::Form_MouseMove()
{
    if (p_.ModalitaInput != ModoMouse || !Caricata()) return;
    for (int i = 0; i < NumeroVoci; ++i)
        if (Label1(i).BackColor() != BackColor()) Label1(i).setBackColor(BackColor());
    if (check1_->BackColor() != BackColor()) check1_->setBackColor(BackColor());
}

void FormMenu::Check1_MouseMove()
{
    if (p_.ModalitaInput != ModoMouse || !check1_) return;
    const Colore scansione = p_.ColoreScansioneRgb();
    if (check1_->BackColor() != scansione) check1_->setBackColor(scansione);
}

void FormMenu::Check1_Click()
{
    if (!check1_) return;
    p_.SuoniAttivati = check1_->Value() == 1;
}

void FormMenu::Label1_Click(int k)
{
    AvviaEsercizi(static_cast<std::int16_t>(k));
}

void FormMenu::AvviaEsercizi(std::int16_t k)
{
    if (k < 0 || k >= NumeroVoci) return;
    if (k == VoceEsci) {
        EsciDalProgramma(p_, widget());
        return;
    }
    const VoceMenuEsercizi& v = VociMenu[static_cast<std::size_t>(k)];
    if (*v.fileFrasi) {
        p_.FileEsercizio = p_.PercorsoDati(QStringLiteral("testifrasolino/complementi/") + QString::fromUtf8(v.fileFrasi));
        p_.NumeroComplemento = v.numeroComplemento;
    }
    const char* nome = p_.ModalitaInput == ModoMouse ? v.finestraMouse : v.finestraScansione;
    registro_.Esercizio(QString::fromUtf8(nome)).Mostra();
    Scarica();
}

void FormMenu::mnuConf_Click()
{
    registro_.Configura().Mostra();
    Scarica();
}

void FormMenu::mnuabout_Click()
{
    registro_.Info().Mostra();
    Scarica();
}

void FormMenu::mnuDoc_Click()
{
    ApriDocumento(p_, widget(), p_.PercorsoDati(QStringLiteral("frasolino1.pdf")));
}
