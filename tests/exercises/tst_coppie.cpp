// The pair windows as a learner meets them: words dragged onto the boxes of Form1, the framed
// selections of Form1s, subjects dragged onto the rows of Form3, the rows of Form3s answered with
// the keys, the number-of-pairs panel, and lists that cannot give an item.
#include "suite.h"
#include "ambiente.h"

#include "app/formmenu.h"
#include "core/servizicomuni.h"
#include "exercises/pairs/finestraabbina.h"
#include "exercises/pairs/finestrasoggettopredicato.h"

#include <QSet>
#include <QtTest>

#include <algorithm>

#include <sys/stat.h>

namespace {

const QByteArray Cane = "\"il cane\",0,\"abbaia\",1\n";
// Four pairs, two subjects.
const QByteArray GalloCane = "\"il gallo\",0,\"canta\",1\n\"il gallo\",0,\"becca\",1\n"
                             "\"il cane\",0,\"abbaia\",1\n\"il cane\",0,\"corre\",1\n";

// Four pairs, two of them with one predicate; four whose subjects and predicates look alike in twos.
const QByteArray CaneGatto = "\"il cane\",0,\"corre\",1\n\"il gatto\",0,\"corre\",1\n"
                             "\"il gallo\",0,\"canta\",1\n\"la mucca\",0,\"muggisce\",1\n";
const QByteArray Spazi = "\"il cane \",0,\"abbaia\",1\n\"il cane\",0,\"corre\",1\n"
                         "\"il  gatto\",0,\"dorme\",1\n\"il gatto\",0,\" dorme\",1\n";
// Four pairs where "il gatto" with the box of "il cane " makes no sentence, though "il cane " with
// the box of "il gatto" does.
const QByteArray Storto = "\"il cane\",0,\"corre\",1\n\"il cane \",0,\"dorme\",1\n"
                          "\"il gatto\",0,\"corre\",1\n\"il gallo\",0,\"canta\",1\n";

// n pairs "soggetto k" / "predicato k".
QByteArray Coppie(int n)
{
    QByteArray b;
    for (int k = 1; k <= n; ++k) b += QString("\"soggetto %1\",0,\"predicato %1\",1\n").arg(k).toUtf8();
    return b;
}

// The pair windows' own list, and a window opened on it with the given lines.
const QString ListaCoppie = QStringLiteral("testifrasolino/soggettopredicato/lista.txt");
Lancio Su(const QByteArray& righe, std::int16_t modo = ModoMouse)
{
    return {.lista = ListaCoppie, .righe = righe, .modo = modo};
}

// What a window says a list lacks, and its notice for the list in use when that gives no exercise.
QString Mancanza(const QString& finestra)
{
    if (finestra.startsWith("Form1")) return "nessuna coppia di soggetto e predicato";
    return finestra == "Form3" ? "abbastanza coppie con soggetti diversi (ne servono almeno 3)"
                               : "abbastanza coppie di soggetto e predicato (ne servono almeno 3)";
}
QString Avviso(const QString& finestra)
{
    return "La lista in uso non contiene " + Mancanza(finestra) + ": scegli un'altra lista.";
}

// Plays a Form3s exercise in manual scanning on a list whose predicates all differ, where a box makes
// a sentence with a row's subject exactly when the box's own subject reads the same: each row takes
// such a box, another row's wherever one is still free, and row 1 first a box that makes none.
// After each select: the counters, the grid row, the captions and which boxes are empty.
void GiocaForm3s(const ProvaFinestra<FinestraCoppie>& t, Form3s& f)
{
    const int righe = f.RigheInUso();
    QStringList soggetti, predicati;
    for (int i = 0; i < righe; ++i) soggetti << f.Label3(i).Caption(), predicati << f.Label4(i).Caption();
    int esatti = 0, errati = 0, gemelle = 0;
    QSet<int> vuote;
    for (int riga = 0; riga < righe;) {
        const int s = f.SoggettoDellaRiga[static_cast<std::size_t>(riga)];
        const bool giusta = riga != 1 || errati > 0;
        int casella = -1;
        for (int j = 0; j < righe; ++j)
            if (!vuote.contains(j) && (soggetti[j] == soggetti[s]) == giusta && (casella < 0 || casella == s)) casella = j;
        for (int passi = 0; f.CasellaEvidenziata != casella && passi < righe; ++passi) t.Tasti("S");
        QCOMPARE(int(f.CasellaEvidenziata), casella);
        t.Tasti("E");
        const QString coppia = soggetti[s] + " " + predicati[casella];
        esatti += giusta, errati += !giusta, riga += giusta, gemelle += giusta && casella != s;
        if (giusta) vuote.insert(casella);
        QCOMPARE(t.Punteggio(), QString("%1 %2").arg(esatti).arg(errati));
        QCOMPARE(RigaGriglia(f, esatti + errati), (QStringList{QString::number(esatti + errati), QString::number(righe),
                                                               giusta ? coppia : " ", giusta ? " " : coppia}));
        QCOMPARE(f.Label3(s).Caption(), giusta ? coppia : soggetti[s]);
        for (int j = 0; j < righe; ++j) QCOMPARE(f.Label4(j).Caption().isEmpty(), vuote.contains(j));
    }
    // Where two rows show one subject, one of them took the other's box.
    QCOMPARE(gemelle > 0, QSet<QString>(soggetti.begin(), soggetti.end()).size() < righe);
    QVERIFY(f.AvantiAcceso());
}

} // namespace

class TestCoppie : public QObject {
    Q_OBJECT
private slots:
    // Drops "word>box"; the boxes' order, the state after each drop (see Stato) and the outcome.
    void form1_data()
    {
        QTest::addColumn<int>("livello");
        QTest::addColumn<QStringList>("lasci");
        QTest::addColumn<QString>("stati");
        QTest::addColumn<QStringList>("caselle");
        QTest::addColumn<QStringList>("riga"); // empty: no result row

        QTest::newRow("subject first: shown, nothing counted") << 1 << QStringList{"0>0"} << "0 0 #0"
                                                               << QStringList{"il cane", ""} << QStringList{};
        QTest::newRow("both right") << 1 << QStringList{"0>0", "1>1"} << "0 0 #0, 1 0 #1 A"
            << QStringList{"il cane", "abbaia"} << QStringList{"1", "1", "il cane", "abbaia", ""};
        QTest::newRow("two wrong, subject box on the right")
            << 2 << QStringList{"1>0", "0>1", "1>1", "0>0"} << "0 1 #0, 0 2 #0, 0 2 #0, 1 2 #1 A"
            << QStringList{"il cane", "abbaia"} << QStringList{"1", "2", "il cane", "abbaia", "**"};
        QTest::newRow("a placed word cannot be dropped again") << 1 << QStringList{"0>0", "0>1"} << "0 0 #0, 0 0 #0"
                                                               << QStringList{"il cane", ""} << QStringList{};
    }
    void form1()
    {
        QFETCH(int, livello);
        QFETCH(QStringList, lasci);
        QFETCH(QStringList, riga);
        ProvaFinestra<Form1> t("Form1", Su(Cane));
        Form1& f = *t.f;
        QCOMPARE(f.Label3(0).Caption(), QString("il cane")); // drawn at load
        f.Livello = static_cast<std::int16_t>(livello);
        f.NuovaFrase();
        // The subject box stands on the left in order 1, on the right in order 2; headings follow.
        QCOMPARE(f.Caselle.Label4(0).Left() < f.Caselle.Label4(1).Left(), livello == 1);
        for (int i = 0; i < 2; ++i) QCOMPARE(f.Caselle.Label6(i).Left(), f.Caselle.Label4(i).Left());
        QCOMPARE(f.Label3(0).Left() + f.Label3(1).Left(), f.Caselle.Label4(0).Left() + f.Caselle.Label4(1).Left());

        QStringList stati;
        for (const QString& l : lasci) {
            Etichetta& parola = f.Label3(l.section('>', 0, 0).toInt());
            if (parola.isEnabled()) Trascina(parola, f.Caselle.Label4(l.section('>', 1, 1).toInt()));
            stati << t.Stato();
        }
        QTEST(stati.join(", "), "stati");
        QTEST((QStringList{f.Caselle.Label4(0).Caption(), f.Caselle.Label4(1).Caption()}), "caselle");
        if (!riga.isEmpty()) QCOMPARE(RigaGriglia(f, 1), riga);
        QCOMPARE(f.cornice().mnuLivelli->Bloccato(), riga.isEmpty());
        QCOMPARE(t.a.servizi->suoni.filter("no.wav").size(), t.a.p->Errati);
    }

    void form1OrdineDalMenu()
    {
        ProvaFinestra<Form1> t("Form1", Su(Cane));
        Form1& f = *t.f;
        f.cornice().mnuLiv[1]->Scegli(); // locked while the pair is open
        QCOMPARE(f.Livello, std::int16_t(3));
        Trascina(f.Label3(0), f.Caselle.Label4(0));
        Trascina(f.Label3(1), f.Caselle.Label4(1));
        f.cornice().mnuLiv[1]->Scegli();
        QCOMPARE(f.Livello, std::int16_t(2));
        QVERIFY(f.cornice().mnuLiv[1]->Checked());
        QVERIFY(!f.cornice().mnuLiv[2]->Checked());
        QVERIFY(f.Caselle.Label4(0).Left() > f.Caselle.Label4(1).Left());
        QCOMPARE(f.Label3(0).Caption(), QString("il cane"));
        QVERIFY(t.Avanti()); // the panel is not touched
        QCOMPARE(ColonnaGriglia(f, 0).size(), 1);
    }

    // Form1s in manual scanning. Script: G selects the right word for the framed box (Space first
    // when the other word is framed), W a wrong one, S is Space, E is Enter.
    void form1s_data()
    {
        QTest::addColumn<int>("livello");
        QTest::addColumn<QString>("tasti");
        QTest::addColumn<QString>("stati");      // after each G, W and E (see Stato)
        QTest::addColumn<QStringList>("errori"); // of the result rows
        QTest::addColumn<bool>("nuova");         // a new pair is on screen at the end

        QTest::newRow("both phases") << 1 << "GG" << "0 0 #0, 1 0 #1 A" << QStringList{""} << false;
        QTest::newRow("wrong first, subject box on the right") << 2 << "WGG" << "0 1 #0, 0 1 #0, 1 1 #1 A"
                                                               << QStringList{"*"} << false;
        QTest::newRow("select on the placed word does nothing") << 1 << "GSESE" << "0 0 #0, 0 0 #0, 1 0 #1 A"
                                                                << QStringList{""} << false;
        QTest::newRow("select after the end") << 2 << "GGE" << "0 0 #0, 1 0 #1 A, 1 0 #1 A" << QStringList{""} << true;
        QTest::newRow("half placed") << 1 << "G" << "0 0 #0" << QStringList{} << false;
    }
    void form1s()
    {
        QFETCH(int, livello);
        QFETCH(QString, tasti);
        QFETCH(QStringList, errori);
        QFETCH(bool, nuova);
        ProvaFinestra<Form1s> t("Form1s", Su(Cane, ModoScansioneManuale));
        Form1s& f = *t.f;
        f.Livello = static_cast<std::int16_t>(livello);
        f.NuovaFrase();
        const int sinistra = f.Caselle.Label4(0).Left() < f.Caselle.Label4(1).Left() ? 0 : 1;
        QStringList stati;
        for (const QChar k : tasti) {
            // The frames stand around the box to fill and the framed word.
            QVERIFY(f.controlli().Shape1->geometry().contains(f.Caselle.Label4(f.IndiceCasella).geometry()));
            QVERIFY(f.controlli().Shape2->geometry().contains(f.Label3(f.IndiceParola).geometry()));
            if (k == 'G' || k == 'W') {
                if ((f.IndiceParola == f.IndiceCasella) != (k == 'G')) t.Tasti("S");
                t.Tasti("E");
                // The box on the left is filled first.
                if (k == 'G' && f.Fase == 2) QVERIFY(!f.Caselle.Label4(sinistra).Caption().isEmpty());
            } else {
                t.Tasti(k);
            }
            if (k != 'S') stati << t.Stato();
        }
        QTEST(stati.join(", "), "stati");
        QCOMPARE(ColonnaGriglia(f, 4), errori);
        const bool finita = errori.size() == 1 && !nuova;
        QCOMPARE(f.controlli().Shape1->isVisible(), !finita);
        QCOMPARE(f.Label3(0).Caption().isEmpty() && f.Label3(1).Caption().isEmpty(), finita);
        if (nuova) {
            QCOMPARE(f.Caselle.Label4(0).Caption(), QString());
            QCOMPARE(f.Fase, std::int16_t(1));
            QCOMPARE(f.Posto, std::int16_t(1));
        }
    }

    // Every arrow toggles the word frame; the automatic scan toggles at every tick and Space selects.
    void form1sTastiPerModo()
    {
        ProvaFinestra<Form1s> t("Form1s", Su(Cane, ModoFrecce));
        Form1s& f = *t.f;
        QList<int> posti;
        for (const QChar k : QString("LURD")) {
            t.Tasti(k);
            posti << f.Posto;
        }
        QCOMPARE(posti, (QList<int>{2, 1, 2, 1}));
        f.Scarica();

        t.a.p->ModalitaInput = ModoScansioneAutomatica;
        f.Mostra();
        t.Tasti("T");
        QCOMPARE(f.Posto, std::int16_t(2));
        if (f.IndiceParola != f.IndiceCasella) t.Tasti("T");
        t.Tasti("S");
        QCOMPARE(f.Fase, std::int16_t(2));
        QVERIFY(f.cornice().Timer1->Enabled());
    }

    // Three rows: a wrong drop, then every subject on its box; the state after each drop and the rows.
    void form3()
    {
        Lancio l = Su(Coppie(12));
        l.cursoreDiSistema = true;
        ProvaFinestra<Form3> t("Form3", l);
        Form3& f = *t.f;
        QVERIFY(std::find(Colori.begin() + 1, Colori.end(), f.BackColor()) != Colori.end());
        QVERIFY(!f.Label3(0).HaPuntatorePersonale());
        f.NumeroRighe = 3;
        f.NuovoEsercizio();
        for (int i = 0; i < FinestraAbbina::Righe; ++i) {
            QCOMPARE(f.Label3(i).isVisible(), i < 3);
            QCOMPARE(f.Label4(i).isVisible(), i < 3);
        }
        const QString s0 = f.Label3(0).Caption();
        const QString p0 = f.Label4(0).Caption();
        const QString p1 = f.Label4(1).Caption();
        QCOMPARE(s0.section(' ', 1), p0.section(' ', 1)); // subject 0 belongs to box 0

        Trascina(f.Label3(0), f.Label4(1));
        QStringList stati{t.Stato()};
        QCOMPARE(RigaGriglia(f, 1), (QStringList{"1", "3", " ", s0 + " " + p1}));
        QCOMPARE(f.Label3(0).Caption(), s0);
        for (int i : {0, 2, 1}) Trascina(f.Label3(i), f.Label4(i)), stati << t.Stato();
        QCOMPARE(stati.join(", "), "0 1 #1, 1 1 #2, 2 1 #3, 3 1 #4 A");
        QCOMPARE(f.Label4(0).Caption(), s0 + " " + p0);
        QCOMPARE(f.Label4(0).BackColor(), Form3::GialloChiaro);
        QVERIFY(!f.Label3(0).isEnabled());
        QCOMPARE(RigaGriglia(f, 2), (QStringList{"2", "3", s0 + " " + p0, " "}));
        QCOMPARE(f.CoppieFatte, std::int16_t(3));
    }

    // A match is judged by the sentence it makes, whichever row or box it stands on: the subjects
    // match in the order of `prende` (in Form3s the first stands on row 0, the others in the rows'
    // order), each on the box of the subject named there. The first subject is first put on the box
    // of `sbaglio`: they make no sentence, though that box's subject and the first one's box do. In
    // Form3 the second subject is first dropped on the box the first took.
    void abbinaIncrociate_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<QByteArray>("lista");
        QTest::addColumn<QStringList>("prende"); // "subject>subject whose box it takes"
        QTest::addColumn<QString>("sbaglio");
        const QStringList incrocio{"il cane>il gatto", "il gatto>il cane", "il gallo>il gallo", "la mucca>la mucca"};
        const QStringList spazi{"il cane >il cane", "il cane>il cane ", "il  gatto>il gatto", "il gatto>il  gatto"};
        const QStringList storto{"il gatto>il gatto", "il cane>il cane ", "il cane >il cane", "il gallo>il gallo"};
        for (const char* finestra : {"Form3", "Form3s"}) {
            QTest::addRow("%s, one predicate twice", finestra) << finestra << CaneGatto << incrocio << "";
            QTest::addRow("%s, alike but for spaces", finestra) << finestra << Spazi << spazi << "";
            QTest::addRow("%s, one way only", finestra) << finestra << Storto << storto << "il cane ";
        }
    }
    void abbinaIncrociate()
    {
        QFETCH(QString, finestra);
        QFETCH(QByteArray, lista);
        QFETCH(QStringList, prende);
        QFETCH(QString, sbaglio);
        ProvaFinestra<FinestraAbbina> t(finestra, Su(lista, finestra == "Form3" ? ModoMouse : ModoScansioneManuale));
        FinestraAbbina& f = *t.f;
        auto* scansione = qobject_cast<Form3s*>(&f);
        QCOMPARE(f.RigheInUso(), 4);
        QStringList soggetti, predicati;
        for (int i = 0; i < 4; ++i) soggetti << f.Label3(i).Caption(), predicati << f.Label4(i).Caption();
        QHash<QString, QString> proprietario;
        for (const QString& p : prende) proprietario[p.section('>', 0, 0)] = p.section('>', 1);
        const int primo = soggetti.indexOf(prende[0].section('>', 0, 0));
        for (int i = 0; i < 100 && f.SoggettoDellaRiga[0] != primo; ++i) f.ScombiccheraPosti();
        QCOMPARE(int(f.SoggettoDellaRiga[0]), primo);
        if (scansione) scansione->SistemaShape();
        int errati = 0, presa = -1;
        for (int passo = 0; passo < 4; ++passo) {
            const int s = scansione ? f.SoggettoDellaRiga[static_cast<std::size_t>(passo)]
                                    : soggetti.indexOf(prende[passo].section('>', 0, 0));
            const int c = soggetti.indexOf(proprietario.value(soggetti[s]));
            QList<int> caselle{c};
            if (passo == 0 && !sbaglio.isEmpty()) caselle.prepend(soggetti.indexOf(sbaglio));
            if (passo == 1 && !scansione) caselle.prepend(presa);
            for (const int k : caselle) {
                if (!scansione) {
                    Trascina(f.Label3(s), f.Label4(k));
                    continue;
                }
                for (int passi = 0; scansione->CasellaEvidenziata != k && passi < 4; ++passi) t.Tasti("S");
                QCOMPARE(int(scansione->CasellaEvidenziata), k);
                t.Tasti("E");
            }
            errati += int(caselle.size()) - 1;
            const QString frase = soggetti[s] + " " + predicati[c];
            QCOMPARE(t.Punteggio(), QString("%1 %2").arg(passo + 1).arg(errati));
            QCOMPARE(RigaGriglia(f, passo + 1 + errati), (QStringList{QString::number(passo + 1 + errati), "4", frase, " "}));
            QCOMPARE(f.Label3(s).Caption(), scansione ? frase : QString());
            QCOMPARE(f.Label4(c).Caption(), scansione ? QString() : frase);
            if (!scansione) QCOMPARE(f.Label4(c).BackColor(), Form3::GialloChiaro);
            presa = c;
        }
        QVERIFY(scansione ? scansione->AvantiAcceso() : t.Avanti());
    }

    // Form3s in manual scanning: the rows in order from the top, the box frame skipping emptied boxes
    // and wrapping, the "avanti" marker, and the next key starting a new exercise.
    void form3sRigheInOrdine()
    {
        ProvaFinestra<Form3s> t("Form3s", Su(Coppie(12), ModoScansioneManuale));
        Form3s& f = *t.f;
        f.NumeroRighe = 4;
        f.NuovoEsercizio();

        // A wrong select changes only Errati and the grid.
        if (f.CasellaEvidenziata == f.SoggettoDellaRiga[0]) t.Tasti("S");
        t.Tasti("E");
        QCOMPARE(t.Punteggio(), QString("0 1"));
        QCOMPARE(f.RigaCorrente, std::int16_t(0));
        QCOMPARE(RigaGriglia(f, 1)[2], QString(" "));

        for (int riga = 0; riga < 4; ++riga) {
            QCOMPARE(int(f.RigaCorrente), riga);
            QVERIFY(f.controlli().Shape1->geometry().contains(f.Label3(f.SoggettoDellaRiga[riga]).geometry()));
            for (int passi = 0; f.CasellaEvidenziata != f.SoggettoDellaRiga[riga] && ++passi < 10;) t.Tasti("S");
            QVERIFY(f.controlli().Shape2->geometry().contains(f.Label4(f.CasellaEvidenziata).geometry()));
            const int scelta = f.CasellaEvidenziata;
            t.Tasti("E");
            QCOMPARE(t.Stato(), QString("%1 1 #%2").arg(riga + 1).arg(riga + 2));
            // The "avanti" button lit and the frames gone only after the last row.
            QCOMPARE(f.controlli().Command1->BackColor() == t.a.p->ColoreScansioneRgb(), riga == 3);
            QCOMPARE(f.controlli().Shape1->isVisible(), riga < 3);
            QCOMPARE(f.Label4(scelta).Caption(), QString());
            QVERIFY(f.Label3(scelta).Caption().endsWith(QString("predicato %1").arg(f.Label3(scelta).Caption().section(' ', 1, 1))));
            // The subject matched looks done: greyed, and still readable on its back colour.
            QVERIFY(!f.Label3(scelta).isEnabled());
            const QPalette& colori = f.Label3(scelta).palette();
            const Colore grigio = colore::daQColor(colori.color(QPalette::Disabled, QPalette::WindowText));
            QVERIFY(grigio != colore::daQColor(colori.color(QPalette::Active, QPalette::WindowText)));
            QVERIFY(colore::Contrasto(grigio, f.Label3(scelta).BackColor()) >= 4.5);
            if (riga < 3) {
                // The next box still showing text after the chosen one, wrapping past the last row.
                int attesa = (scelta + 1) % 4;
                while (f.Label4(attesa).Caption().isEmpty()) attesa = (attesa + 1) % 4;
                QCOMPARE(int(f.CasellaEvidenziata), attesa);
            }
        }
        QCOMPARE(RigaGriglia(f, 5)[1], QString("4"));
        QVERIFY(!f.controlli().Command1->Enabled() && ContrastoDidascalia(*f.controlli().Command1) >= 4.5);
        f.cornice().Scansione->pilota().Timer1_Timer(); // no step while finished
        t.Tasti("S");
        QCOMPARE(f.controlli().Command1->BackColor(), Form3s::ColoreBottoneNormale);
        QCOMPARE(f.RigaCorrente, std::int16_t(0));
        QVERIFY(!f.Label4(0).Caption().isEmpty());
        QVERIFY(f.controlli().Shape1->isVisible());
        QCOMPARE(t.Punteggio(), QString("4 1"));
    }

    // A finished exercise is left by the next select, even where the scan colour is the buttons'
    // light grey, or by "numero coppie". Either way the new one starts unfinished: "avanti" out, the
    // scan over its rows, and the first select judges the framed row against the framed box.
    void form3sDopoLaFine_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<bool>("grigio");
        QTest::addColumn<QString>("tasti"); // a step, a select
        QTest::newRow("arrows, grey scan colour") << int(ModoFrecce) << true << "RE";
        QTest::newRow("manual scanning") << int(ModoScansioneManuale) << false << "SE";
        QTest::newRow("automatic scanning") << int(ModoScansioneAutomatica) << false << "TS";
    }
    void form3sDopoLaFine()
    {
        QFETCH(int, modo);
        QFETCH(QString, tasti);
        Lancio l = Su(Coppie(12), static_cast<std::int16_t>(modo));
        QFETCH(bool, grigio);
        if (grigio) l.coloreScansione = 0xE0E0E0;
        ProvaFinestra<Form3s> t("Form3s", l);
        Form3s& f = *t.f;
        const QString passo = tasti.left(1), scelta = tasti.right(1);
        f.NumeroRighe = 3;
        f.NuovoEsercizio();
        for (const bool pannello : {false, true}) {
            for (int n = 0; n < 3 && !f.AvantiAcceso(); ++n) {
                for (int p = 0; p < 3 && f.CasellaEvidenziata != f.SoggettoDellaRiga[f.RigaCorrente]; ++p) t.Tasti(passo);
                t.Tasti(scelta);
            }
            QVERIFY(f.AvantiAcceso());
            if (pannello) {
                f.cornice().mnuOpzioni->Scegli();
                QTest::mouseClick(f.pannello().Command4, Qt::LeftButton); // "Chiudi": a new exercise, as many rows
            } else {
                t.Tasti(scelta);
            }
            QVERIFY(!f.AvantiAcceso());
            QCOMPARE(f.controlli().Command1->BackColor(), Form3s::ColoreBottoneNormale);
            t.Tasti(passo);
            QCOMPARE(f.CasellaEvidenziata, std::int16_t(1));
            const auto righe = f.SoggettoDellaRiga;
            QStringList caselle{f.Label4(0).Caption(), f.Label4(1).Caption(), f.Label4(2).Caption()};
            const QString frase = f.Label3(righe[0]).Caption() + " " + caselle[1];
            const bool giusta = righe[0] == 1;
            const int esatti = t.a.p->Esatti, errati = t.a.p->Errati;
            t.Tasti(scelta);
            QCOMPARE(t.a.p->Esatti - esatti, int(giusta));
            QCOMPARE(t.a.p->Errati - errati, int(!giusta));
            QCOMPARE(RigaGriglia(f, esatti + errati + 1).mid(2), (QStringList{giusta ? frase : " ", giusta ? " " : frase}));
            if (giusta) caselle[1].clear();
            QCOMPARE(f.SoggettoDellaRiga, righe);
            QCOMPARE((QStringList{f.Label4(0).Caption(), f.Label4(1).Caption(), f.Label4(2).Caption()}), caselle);
        }
    }

    // "numero coppie": the panel over the window, the scroll bar at once, the rows at "Chiudi"; the
    // scanning window's timer off meanwhile.
    void pannello_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("tasti"); // R L U D the arrows (right, up: one more), E Enter, S Space, C a click
        QTest::addColumn<int>("righe");
        QTest::addColumn<bool>("tenuto"); // opened by an Enter still held: its repeats close nothing
        QTest::addColumn<QString>("dopo"); // keys once it is closed: the panel, hidden, takes none
        QTest::newRow("Form3") << "Form3" << int(ModoMouse) << "LLLLDLLC" << 3 << false << "";
        QTest::newRow("Form3s manual") << "Form3s" << int(ModoScansioneManuale) << "LLS" << 7 << false << "";
        QTest::newRow("Form3s automatic") << "Form3s" << int(ModoScansioneAutomatica) << "RLDS" << 7 << false << "";
        QTest::newRow("Form3s arrows") << "Form3s" << int(ModoFrecce) << "LLLLURE" << 7 << false << "";
        QTest::newRow("Form3, held Enter") << "Form3" << int(ModoMouse) << "LLLLURE" << 7 << true << "";
        QTest::newRow("Form3s manual, held Enter") << "Form3s" << int(ModoScansioneManuale) << "LLS" << 7 << true << "";
        QTest::newRow("Form3s arrows, held Enter") << "Form3s" << int(ModoFrecce) << "LLLLURE" << 7 << true << "";
        QTest::newRow("Form3, keys after Chiudi") << "Form3" << int(ModoMouse) << "LLC" << 7 << false << "LLLLLLE";
        QTest::newRow("Form3, keys after Enter") << "Form3" << int(ModoMouse) << "LE" << 8 << false << "LLLLLLE";
    }
    void pannello()
    {
        QFETCH(QString, nome);
        QFETCH(int, modo);
        QFETCH(QString, tasti);
        QFETCH(int, righe);
        ProvaFinestra<FinestraAbbina> t(nome, Su(Coppie(12), static_cast<std::int16_t>(modo)));
        FinestraAbbina& f = *t.f;
        QVERIFY(QTest::qWaitForWindowActive(f.widget()));
        const FinestraAbbina::Pannello& p = f.pannello();
        Form3s* s = qobject_cast<Form3s*>(&f);
        QFETCH(bool, tenuto);
        if (tenuto) tastiera::Premi(f.client(), Qt::Key_Return);
        f.cornice().mnuOpzioni->Scegli();
        QCoreApplication::processEvents();
        for (int i = 0; tenuto && i < 3; ++i) tastiera::Premi(QApplication::focusWidget(), Qt::Key_Return);
        if (tenuto) tastiera::Rilascia(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(p.Frame1->isVisible());
        QCOMPARE(p.Frame1->Width(), f.Width());
        QCOMPARE(p.Label1->Caption(), QString("9"));
        if (f.cornice().Timer1) QVERIFY(!f.cornice().Timer1->Enabled());
        if (s) t.Tasti("SERDPQE"); // the scan's keys
        if (s) QVERIFY(f.client()->children().indexOf(s->controlli().Shape2) < f.client()->children().indexOf(p.Frame1));
        const Qt::Key chiavi[] = {Qt::Key_Right, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_Return, Qt::Key_Space};
        for (const QChar k : tasti) {
            QVERIFY(f.Label4(8).isVisible() && QApplication::focusWidget()); // the rows change only at "Chiudi"
            if (k == 'C') QTest::mouseClick(p.Command4, Qt::LeftButton);
            else tastiera::Batti(QApplication::focusWidget(), chiavi[QString("RLUDES").indexOf(k)]);
        }
        QVERIFY(!p.Frame1->isVisible());
        const QString soggetti = f.Label3(0).Caption() + f.Label3(1).Caption();
        QFETCH(QString, dopo);
        for (const QChar k : dopo) {
            QWidget* fuoco = QApplication::focusWidget();
            QVERIFY(fuoco && !p.Frame1->isAncestorOf(fuoco));
            tastiera::Batti(fuoco, chiavi[QString("RLUDES").indexOf(k)]);
        }
        QCOMPARE(f.Label3(0).Caption() + f.Label3(1).Caption(), soggetti); // not drawn again
        QCOMPARE(t.Punteggio(), QString("0 0"));
        QCOMPARE(f.RigheInUso(), righe);
        QVERIFY(f.Label4(righe - 1).isVisible());
        QVERIFY(!f.Label4(righe).isVisible());
        if (f.cornice().Timer1) QVERIFY(f.cornice().Timer1->Enabled());
        if (s) QCOMPARE(QApplication::focusWidget(), f.cornice().Scansione->pilota().CasellaDelModo());
    }

    // Lists that give no item: one notice, nothing on screen; the mouse window goes on with another
    // list, the scanning window closes. Lists that do are played through in Form3s (GiocaForm3s).
    void listeSenzaElementi_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<QByteArray>("lista");
        QTest::addColumn<int>("righe"); // Form3/Form3s: rows of the exercise; Form1: 1 = a pair shown

        QTest::newRow("Form1, empty list") << "Form1" << QByteArray() << 0;
        QTest::newRow("Form1s, no subject") << "Form1s" << QByteArray("\"abbaia\",1,\"miagola\",1\n") << 0;
        QTest::newRow("Form1, only an empty predicate") << "Form1" << QByteArray("\"il cane\",0,\"\",1\n") << 0;
        QTest::newRow("Form3, two pairs") << "Form3" << Coppie(2) << 0;
        QTest::newRow("Form3s, empty list") << "Form3s" << QByteArray() << 0;
        QTest::newRow("Form3, five pairs: five rows") << "Form3" << Coppie(5) << 5;
        QTest::newRow("Form3s, five pairs: five rows") << "Form3s" << Coppie(5) << 5;
        QTest::newRow("Form3, same subject twice: three rows")
            << "Form3" << QByteArray(Coppie(3) + "\"soggetto 1\",0,\"corre\",1\n") << 3;
        QTest::newRow("Form3s, same subject twice: four rows")
            << "Form3s" << QByteArray(Coppie(3) + "\"soggetto 1\",0,\"corre\",1\n") << 4;
        QTest::newRow("Form3, four pairs of two subjects") << "Form3" << GalloCane << 0;
        QTest::newRow("Form3s, four pairs of two subjects: four rows") << "Form3s" << GalloCane << 4;
    }
    void listeSenzaElementi()
    {
        QFETCH(QString, finestra);
        QFETCH(QByteArray, lista);
        QFETCH(int, righe);
        ProvaFinestra<FinestraCoppie> t(finestra, Su(lista, finestra.endsWith('s') ? ModoScansioneManuale : ModoMouse));
        Ambiente& a = t.a;
        QCOMPARE(a.servizi->TestiMessaggi(), righe == 0 ? QStringList{Avviso(finestra)} : QStringList{});
        // With the keys there is nothing to do without an item: the window goes, the menu comes back.
        if (righe == 0 && finestra.endsWith('s')) {
            QVERIFY(!t.f->Caricata());
            QVERIFY(a.registro().Menu().Caricata());
            return;
        }
        auto* p = dynamic_cast<FinestraSoggettoPredicato*>(t.f);
        auto* m = dynamic_cast<FinestraAbbina*>(t.f);
        if (p) {
            QVERIFY(!p->CoppiaInCorso());
            QCOMPARE(p->Label3(0).Caption(), QString());
            QVERIFY(p->cornice().mnuLivelli->Utilizzabile());
        } else {
            QCOMPARE(m->RigheInUso(), righe);
            for (int i = 0; i < FinestraAbbina::Righe; ++i) QCOMPARE(m->Label4(i).isVisible(), i < righe);
            if (auto* s = dynamic_cast<Form3s*>(m)) GiocaForm3s(t, *s);
        }
        // Another list, and the window goes on.
        a.servizi->fileScelti = {a.Scrivi("altra.txt", Coppie(9))};
        t.f->cornice().mnuCambia->Scegli();
        if (p)
            QVERIFY(!p->Label3(0).Caption().isEmpty());
        else
            QCOMPARE(m->RigheInUso(), 9);
    }

    // A list chosen with "Modifica archivio in uso" that cannot be read (a pipe, a device) or gives
    // the window no exercise is said once, by its path, and the default list takes its place; when
    // that gives nothing either, it is said too, by its path, and the keys' windows close. The next
    // opening reads the default list, and says only that it gives nothing.
    void listaScelta_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<int>("modo");
        QTest::addColumn<QByteArray>("scelta"); // "|pipe", "|zero": no list to read
        QTest::addColumn<QByteArray>("predefinita");
        QTest::addColumn<QStringList>("avvisi"); // %1, %2: the chosen and the default list; %3: what the window needs
        QTest::addColumn<int>("numero");         // pairs read; 0: the window closed
        const QString poi = "\nAl suo posto uso la lista predefinita.";
        const QStringList illeggibile{"Non riesco a leggere la lista:\n%1" + poi}, proprio{"La lista scelta non contiene %3:\n%1" + poi},
            predefinita{"La lista predefinita non contiene %3:\n%2\nScegli un'altra lista."};
        QTest::newRow("Form1, a pipe") << "Form1" << 0 << QByteArray("|pipe") << Coppie(9) << illeggibile << 9;
        QTest::newRow("Form3, a link to /dev/zero") << "Form3" << 0 << QByteArray("|zero") << Coppie(9) << illeggibile << 9;
        QTest::newRow("Form1s arrows, empty") << "Form1s" << 3 << QByteArray() << Coppie(9) << proprio << 9;
        QTest::newRow("Form1s arrows, two pairs: used") << "Form1s" << 3 << Coppie(2) << Coppie(9) << QStringList{} << 2;
        QTest::newRow("Form3s manual, empty") << "Form3s" << 1 << QByteArray() << Coppie(9) << proprio << 9;
        QTest::newRow("Form3s manual, two pairs") << "Form3s" << 1 << Coppie(2) << Coppie(9) << proprio << 9;
        QTest::newRow("Form3 mouse, two subjects") << "Form3" << 0 << GalloCane << Coppie(9) << proprio << 9;
        QTest::newRow("Form1s arrows, default empty too") << "Form1s" << 3 << QByteArray() << QByteArray() << proprio + predefinita << 0;
        QTest::newRow("Form3s manual, default short too") << "Form3s" << 1 << Coppie(2) << Coppie(2) << proprio + predefinita << 0;
        QTest::newRow("Form3s automatic, a pipe, default empty too")
            << "Form3s" << 2 << QByteArray("|pipe") << QByteArray() << illeggibile + predefinita << 0;
    }
    void listaScelta()
    {
        QFETCH(QString, finestra);
        QFETCH(int, modo);
        QFETCH(QByteArray, scelta);
        QFETCH(QByteArray, predefinita);
        QFETCH(QStringList, avvisi);
        QFETCH(int, numero);
        ProvaFinestra<FinestraCoppie> t(finestra, Su(Coppie(9), static_cast<std::int16_t>(modo)));
        const QString percorsoPredefinito = t.a.Scrivi(ListaCoppie, predefinita);
        QString percorso = t.a.cartellaProgramma.filePath("scelta.txt");
        if (scelta == "|pipe") QVERIFY(mkfifo(QFile::encodeName(percorso).constData(), 0600) == 0);
        else if (scelta == "|zero") QVERIFY(QFile::link("/dev/zero", percorso));
        else percorso = t.a.Scrivi("scelta.txt", scelta);
        avvisi.replaceInStrings("%1", percorso).replaceInStrings("%2", percorsoPredefinito).replaceInStrings("%3", Mancanza(finestra));
        t.a.servizi->fileScelti = {percorso};
        t.f->cornice().mnuCambia->Scegli();
        for (int apertura = 0; apertura < 2; ++apertura) {
            if (apertura == 1) {
                avvisi = numero == 0 ? QStringList{Avviso(finestra)} : QStringList{};
                t.a.servizi->messaggi.clear();
                t.f->Scarica();
                t.a.Apri<FinestraCoppie>(finestra);
            }
            EliminaRimandati();
            QCOMPARE(t.a.servizi->TestiMessaggi(), avvisi);
            QCOMPARE(t.f->Caricata(), numero > 0);
            if (numero > 0) QCOMPARE(t.f->NumeroFrasi, std::int16_t(numero));
            if (auto* p = dynamic_cast<FinestraSoggettoPredicato*>(t.f)) QCOMPARE(p->CoppiaInCorso(), numero > 0);
            if (auto* m = dynamic_cast<FinestraAbbina*>(t.f)) QCOMPARE(m->RigheInUso(), numero > 0 ? 9 : 0);
        }
    }

    // Items never drawn: one with an empty predicate, and what a longer list had in a place where the
    // shorter list chosen after it has nothing.
    void maiEstratte_data()
    {
        QTest::addColumn<QByteArray>("lista");
        QTest::addColumn<QByteArray>("poi"); // another list chosen, if any
        const QByteArray vuoto = "\"il cane\",0,\"\",1\n\"il gatto\",0,\"miagola\",1\n\"il gallo\",1,\"canta\",1\n";
        QTest::newRow("empty predicate") << vuoto << QByteArray();
        QTest::newRow("shorter list after a longer one")
            << Coppie(5) << QByteArray("\"abbaia\",1,\"corre\",1\n\"il gatto\",0,\"miagola\",1\n");
    }
    void maiEstratte()
    {
        QFETCH(QByteArray, lista);
        QFETCH(QByteArray, poi);
        ProvaFinestra<Form1> t("Form1", Su(lista));
        if (!poi.isEmpty()) {
            t.a.servizi->fileScelti = {t.a.Scrivi("corta.txt", poi)};
            t.f->cornice().mnuCambia->Scegli();
            QCOMPARE(t.f->Soggetti[1], QString());
        }
        for (int i = 0; i < 20; ++i) {
            t.f->NuovaFrase();
            QCOMPARE(t.a.p->IndiceFrase, std::int16_t(2));
            QCOMPARE(t.f->Label3(0).Caption(), QString("il gatto"));
        }
    }

    // Rows and boxes are placed right whatever the window's size, even where the first row's top
    // comes to 0.
    void posizioniAOgniDimensione()
    {
        ProvaFinestra<Form3> t("Form3", Su(Coppie(12)));
        Form3& f = *t.f;
        for (const QSize esterne : {QSize(8790 * 2, 7320 * 2), QSize(600, 300)}) {
            f.setDimensioniEsterne(esterne.width(), esterne.height());
            QCoreApplication::processEvents();
            f.NuovoEsercizio();
            QSet<int> soggetti;
            for (int k = 0; k < 9; ++k) {
                QCOMPARE(f.Label3(f.SoggettoDellaRiga[k]).Top(), f.Label4(k).Top());
                soggetti.insert(f.SoggettoDellaRiga[k]);
            }
            QCOMPARE(soggetti.size(), 9);
        }

        auto* g = t.a.Apri<Form1>("Form1");
        g->setDimensioniEsterne(8085 * 2, 4995 * 2);
        QCoreApplication::processEvents();
        g->Livello = 1;
        g->NuovaFrase();
        const Etichetta& soggetto = g->Caselle.Label4(0);
        QVERIFY(soggetto.Left() + soggetto.Width() <= g->Caselle.Label4(1).Left());
        g->Livello = 2;
        g->NuovaFrase();
        QVERIFY(g->Caselle.Label4(1).Left() + g->Caselle.Label4(1).Width() <= soggetto.Left());
    }
};

FRASOLINO_TEST(TestCoppie);
#include "tst_coppie.moc"
