#include "forminfo.h"

namespace {
const QString Crlf = QStringLiteral("\r\n");
const QString Verdana = QStringLiteral("Verdana");
} // namespace

const QString FormInfo::TestoCrediti =
    QStringLiteral("Software di") + Crlf +
    QStringLiteral(" Gruppo Frasolino - ") + IndirizzoSito + QStringLiteral(" - info@frasolino.example.org") + Crlf +
    u' ' + QString(42, u'-') + Crlf +
    QStringLiteral("Testi degli esercizi a cura del Gruppo Frasolino") + Crlf;

const QString FormInfo::TestoCondizioni =
    QStringLiteral("Questo programma può essere copiato, distribuito e usato liberamente e gratuitamente.") + Crlf +
    QStringLiteral("Il programma è fornito così com'è, senza alcuna garanzia: gli autori non rispondono di "
                   "eventuali danni derivanti dal suo uso.") +
    Crlf + QStringLiteral("Tutti i file di dati esterni al programma possono essere modificati.");

FormInfo::FormInfo(Programma& p) : Finestra(p.finestre(), QSize(8745, 6510)), p_(p)
{
    ControlliDelCaricamento(c_);
    setCaption(TitoloProgramma + QStringLiteral(" - Informazioni"));
    setBackColor(ColoreFinestra);
}

void FormInfo::CreaControlli()
{
    QWidget* c = client();
    auto etichetta = [c](int left, int top, int width, int height, Colore sfondo) {
        auto* e = new Etichetta(c);
        e->Move(left, top, width, height);
        e->setBackColor(sfondo);
        e->setCarattere(Verdana, 9.75);
        e->setWordWrap(true);
        return e;
    };
    c_.Label1 = etichetta(240, 240, 4215, 2775, ColoreFinestra);
    c_.Label4 = etichetta(5160, 240, 3375, 2535, ColoreFinestra);
    c_.Label3 = etichetta(240, 3600, 5055, 2535, 0x00FFFFFF);

    c_.Command1 = new Bottone(c);
    c_.Command1->setCaption(QStringLiteral("Chiudi"));
    c_.Command1->Move(5520, 5040, 2655, 975);
    c_.Command1->setCarattere(QStringLiteral("Arial"), 14.25);
    connect(c_.Command1, &Bottone::Click, this, &FormInfo::Command1_Click);
}

void FormInfo::Form_Load()
{
    EssResizer1.RecordLayout(client());
}

void FormInfo::Form_Activate()
{
    c_.Label1->setCaption(TestoCrediti);
    c_.Label3->setCaption(TestoCondizioni);
    c_.Label4->setCaption(QString());
}

void FormInfo::Command1_Click()
{
    if (p_.MostraMenu) p_.MostraMenu();
    Scarica();
}
