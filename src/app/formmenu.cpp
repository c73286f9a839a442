#include "formmenu.h"

#include "app/avvio.h"
#include "app/formconfigura.h"
#include "app/forminfo.h"
#include "core/immagini.h"
#include "app/registro.h"
#include "core/servizicomuni.h"
#include "platform/servizi.h"

#include <QDir>
#include <QMouseEvent>

using P = ProgettiEsercizi;

const std::array<VoceMenuEsercizi, FormMenu::NumeroVoci> FormMenu::VociMenu = {{
    {"soggetto - predicato", 0, 0, &P::Form1, &P::Form1s, "", 0, false},
    {"abbina   soggetto / predicato", 0, 1, &P::Form3, &P::Form3s, "", 0, false},
    {"riconosci il predicato", 0, 2, &P::Form2, &P::Form2s, "", 0, false},
    {"riconosci il soggetto", 0, 3, &P::Form4, &P::Form4s, "", 0, false},
    {"soggetto sottinteso", 0, 4, &P::Form15, &P::Form15s, "", 0, false},
    {"complemento oggetto", 0, 5, &P::Form5, &P::Form5s, "", 0, false},
    {"complemento di specificazione", 0, 6, &P::Form7, &P::Form7s, "specificazione.txt", 3, false},
    {"ripasso 1", 0, 7, &P::Form7, &P::Form7s, "ripasso1.txt", 3, true},
    {"complemento di termine", 1, 0, &P::Form7, &P::Form7s, "termine.txt", 4, false},
    {"ripasso 2", 1, 1, &P::Form7, &P::Form7s, "ripasso2.txt", 4, true},
    {"complemento di causa", 1, 2, &P::Form7, &P::Form7s, "causa.txt", 5, false},
    {"ripasso 3", 1, 3, &P::Form7, &P::Form7s, "ripasso3.txt", 5, true},
    {"complemento di  mezzo", 1, 4, &P::Form11, &P::Form11s, "mezzo.txt", 6, false},
    {"ripasso 4", 1, 5, &P::Form11, &P::Form11s, "ripasso4.txt", 6, true},
    {"complementi di compagnia/unione", 1, 6, &P::Form11, &P::Form11s, "compagnia.txt", 7, false},
    {"ripasso 5", 1, 7, &P::Form11, &P::Form11s, "ripasso5.txt", 7, true},
    {"complementi di luogo", 2, 0, &P::Form11, &P::Form11s, "luogo.txt", 8, false},
    {"ripasso 6", 2, 1, &P::Form11, &P::Form11s, "ripasso6.txt", 8, true},
    {"complemento di modo", 2, 2, &P::Form14, &P::Form14s, "modo.txt", 9, false},
    {"ripasso 7", 2, 3, &P::Form14, &P::Form14s, "ripasso7.txt", 9, true},
    {"complementi di tempo", 2, 4, &P::Form14, &P::Form14s, "tempo.txt", 10, false},
    {"ripasso 8", 2, 5, &P::Form14, &P::Form14s, "ripasso8.txt", 10, true},
    {"Esci", 2, 7, nullptr, nullptr, "", 0, false},
}};

FormMenu::FormMenu(Programma& p, RegistroFinestre& registro)
    : Finestra(p.finestre(), QSize(14445, 6105)),
      p_(p),
      registro_(registro),
      voci_(p, Label1, VoceEvidenziata, ColoreFinestra,
            menu::Azioni(p, Label1, VoceEvidenziata, ColoreFinestra, [this](std::int16_t k) { AvviaEsercizi(k); }))
{
    ControlliDelCaricamento(c_, Label1);
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

    // The keys and the scan: the focus holders, Timer1 and the driver over the entries.
    c_.Scansione = new ScansioneFinestra(p_, c, voci_, menu::Regole());
    c_.PictureFrecce = c_.Scansione->PictureFrecce();
    c_.PictureScansioneManuale = c_.Scansione->PictureScansioneManuale();
    c_.PictureScansioneAutomatica = c_.Scansione->PictureScansioneAutomatica();
    c_.Timer1 = c_.Scansione->Timer1();

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

    c_.Check1 = new CasellaSpunta(c);
    c_.Check1->setCaption(QStringLiteral("Suoni attivati"));
    c_.Check1->Move(6960, 4560, LarghezzaVoce, AltezzaVoce);
    // A check box paints its background in the button role: make it use the colour given.
    c_.Check1->setBackgroundRole(QPalette::Window);
    c_.Check1->setBackColor(ColoreFinestra);
    c_.Check1->setCarattere(QStringLiteral("Verdana"), 9, true);
    c_.Check1->setPuntatore(CursoreSpunta(p_));
    connect(c_.Check1, &CasellaSpunta::Click, this, &FormMenu::Check1_Click);
    connect(c_.Check1, &CasellaSpunta::MouseMove, this, &FormMenu::Check1_MouseMove);

    c_.mnuConf = AggiungiMenu(QStringLiteral("Configurazioni"));
    c_.mnuInformazioni = AggiungiMenu(QStringLiteral("Informazioni"), nullptr, true);
    c_.mnuDoc = AggiungiMenu(QStringLiteral("documentazione"), c_.mnuInformazioni);
    c_.mnuabout = AggiungiMenu(QStringLiteral("about"), c_.mnuInformazioni);
    connect(c_.mnuConf, &VoceMenu::Click, this, &FormMenu::mnuConf_Click);
    connect(c_.mnuDoc, &VoceMenu::Click, this, &FormMenu::mnuDoc_Click);
    connect(c_.mnuabout, &VoceMenu::Click, this, &FormMenu::mnuabout_Click);
}

void FormMenu::DistruggiControlli()
{
    // The widgets go a moment later: no tick may reach a menu that is no longer loaded.
    if (c_.Scansione) c_.Scansione->Ferma();
}

void FormMenu::PuntatoriPredefiniti()
{
    for (int k = 0; k < NumeroVoci; ++k) Label1(k).setPuntatore(std::nullopt);
    c_.Check1->setPuntatore(std::nullopt);
}

void FormMenu::Form_Load()
{
    EssResizer1.RecordLayout(client());

    switch (p_.ModalitaInput) {
    case ModoMouse:
        c_.Timer1->setEnabled(false);
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
        c_.Timer1->setEnabled(true);
        VoceEvidenziata = 0;
        Label1(0).setBackColor(p_.ColoreScansioneRgb());
        if (p_.ModalitaInput == ModoScansioneAutomatica) {
            c_.Timer1->setInterval(IntervalloScansione(p_.VelocitaScansione));
            c_.Timer1->setEnabled(true);
        }
        break;
    default:
        break;
    }

    c_.Check1->setValue(p_.SuoniAttivati ? 1 : 0);
    c_.Check1->setBackColor(BackColor());
    // The keys go to the holder of the mode from the start.
    c_.Scansione->pilota().DaiIlFuoco();
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
    if (c_.Check1->BackColor() != BackColor()) c_.Check1->setBackColor(BackColor());
}

void FormMenu::Check1_MouseMove()
{
    if (p_.ModalitaInput != ModoMouse || !c_.Check1) return;
    const Colore scansione = p_.ColoreScansioneRgb();
    if (c_.Check1->BackColor() != scansione) c_.Check1->setBackColor(scansione);
}

void FormMenu::Check1_Click()
{
    if (!c_.Check1) return;
    p_.SuoniAttivati = c_.Check1->Value() == 1;
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
    // The highlight stops on the entry chosen: a message of the exercise window while it opens is
    // not answered with the scan running behind it.
    if (c_.Scansione) c_.Scansione->Ferma();
    const RigaProgetti riga = p_.ModalitaInput == ModoMouse ? v.finestraMouse : v.finestraScansione;
    registro_.Esercizio(Progetti().*riga)->Mostra();
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
    const QString manuale = p_.PercorsoDati(QStringLiteral("frasolino1.pdf"));
    if (ApriDocumento(p_, widget(), manuale)) return;
    p_.servizi().MsgBox(widget(),
                        QStringLiteral("Impossibile aprire la documentazione. Il manuale è il file\n") +
                            QDir::toNativeSeparators(manuale) +
                            QStringLiteral("\nche si può aprire con un programma per leggere i PDF."),
                        msg::Exclamation, TitoloProgramma);
}
