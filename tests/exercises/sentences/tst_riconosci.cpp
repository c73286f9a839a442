// "riconosci il predicato" (Form2) and "riconosci il soggetto" (Form4) as a learner meets them:
// the sentence on screen, clicks on its words, the level menu and its lock, the pronoun buttons
// of Form4, and a list without any sentence.
#include "suite.h"
#include "ambiente.h"
#include "app/formmenu.h"
#include "exercises/sentences/finestrariconosci.h"
#include "frame/finestraesercizio.h"

#include <QtTest>

namespace {

const QString CartellaLivelli = QStringLiteral("testifrasolino/Riconoscisoggettopredicato/");

// A window of the given name opened on a list of the learner's level 1 (and of the other levels
// when given), with the generator seeded.
struct Prova {
    explicit Prova(const QString& nome, const QByteArray& livello1, const QList<QByteArray>& altri = {})
    {
        a.Scrivi(CartellaLivelli + "liv1.txt", livello1);
        for (int i = 0; i < altri.size(); ++i) a.Scrivi(CartellaLivelli + QString("liv%1.txt").arg(i + 2), altri[i]);
        a.p->Semina(7);
        f = a.Apri<FinestraRiconosci>(nome);
    }
    ~Prova()
    {
        if (f->Caricata()) f->Scarica();
    }

    // Replaces the list in use with the given lines and draws a sentence from it.
    void Frase(const QByteArray& righe)
    {
        a.Scrivi(CartellaLivelli + "liv1.txt", righe);
        f->PercorsoLista = a.cartellaProgramma.filePath(CartellaLivelli + "liv1.txt");
        f->CaricaLista();
        f->CaricaFrase();
    }

    void Clic(int indice) { QTest::mouseClick(&f->Parole.Label3(indice), Qt::LeftButton); }
    void Pronome(int indice) { QTest::mouseClick(&f->Pronomi.Command1(indice), Qt::LeftButton); }
    // Solves the sentence on screen by clicking its first label with the window's role.
    void Risolvi(int ruolo)
    {
        for (int i = 0; i <= f->Parole.Label3.UBound(); ++i) {
            if (f->Parole.Label3(i).isVisible() && RuoloIniziale(f->Parole.Label3(i).Tag()) == ruolo) {
                Clic(i);
                return;
            }
        }
        QFAIL("no label to solve the sentence");
    }

    const ModelloGriglia& Griglia() const { return f->cornice().Griglia->Modello(); }
    BarraStato& Barra() const { return *f->cornice().StatusBar1; }
    int Ruolo() const { return dynamic_cast<Form2*>(f) ? 1 : 0; }

    Ambiente a;
    FinestraRiconosci* f = nullptr;
};

QStringList Sbagliati(const ServiziFinti& s)
{
    return s.suoni.filter("no.wav");
}

} // namespace

class TestRiconosci : public QObject {
    Q_OBJECT
private slots:
    void apertura_data();
    void apertura();
    void aCapoAlLimite_data();
    void aCapoAlLimite();
    void primaParteSottintesa_data();
    void primaParteSottintesa();
    void parteMoltoLunga();
    void etichettePrecedentiTolte();
    void treClicSbagliati_data();
    void treClicSbagliati();
    void giustoDopoSbagliato_data();
    void giustoDopoSbagliato();
    void dueEtichetteDelRuolo_data();
    void dueEtichetteDelRuolo();
    void ruoloLettoDalNumeroIniziale_data();
    void ruoloLettoDalNumeroIniziale();
    void livelliELucchetto_data();
    void livelliELucchetto();
    void grigliaELucchettoIndipendenti();
    void avantiDopoUnLivello();
    void listaSenzaFrasi_data();
    void listaSenzaFrasi();
    void listaSceltaSenzaFrasi();
    void livelloMancante_data();
    void livelloMancante();
    void pronomi_data();
    void pronomi();
    void pronomeSbagliatoPoiGiusto();
    void pronomeConSoggettoScritto();
    void riflussoControLaLarghezzaIntera();
    void sottintesoDalLivello3_data();
    void sottintesoDalLivello3();
    void cursore_data();
    void cursore();
};

void TestRiconosci::apertura_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("istruzione");
    QTest::addColumn<QPoint>("prima");
    QTest::addColumn<int>("livelli");
    QTest::newRow("Form2") << "Form2" << "clicca sul predicato" << QPoint(120, 1920) << 5;
    QTest::newRow("Form4") << "Form4" << "clicca sul soggetto" << QPoint(240, 1080) << 6;
}

void TestRiconosci::apertura()
{
    QFETCH(QString, nome);
    QFETCH(QString, istruzione);
    QFETCH(QPoint, prima);
    QFETCH(int, livelli);
    Prova p(nome, "il cane#0#abbaia#1#\r\n");
    FinestraRiconosci& f = *p.f;
    QCOMPARE(f.controlli().Label1->Caption(), istruzione);
    QCOMPARE(QPoint(f.Parole.Label3(0).Left(), f.Parole.Label3(0).Top()), prima);
    QCOMPARE(f.Parole.Label3.Count(), 2);
    QCOMPARE(f.Parole.Label3(0).Caption(), QString("Il cane "));
    QCOMPARE(f.Parole.Label3(1).Caption(), QString("abbaia "));
    QCOMPARE(f.Parole.Label3(0).Tag(), QString("0"));
    QCOMPARE(f.Parole.Label3(1).Tag(), QString("1"));
    QCOMPARE(f.Parole.Label3(1).Left(), f.Parole.Label3(0).Left() + f.Parole.Label3(0).Width());
    QCOMPARE(f.Parole.Label3(1).Top(), f.Parole.Label3(0).Top());
    QVERIFY(f.Parole.Label3(1).isVisible());
    QCOMPARE(f.Parole.Label3(1).BackColor(), Colore(0xFFFFFF));
    QCOMPARE(f.Livello, 1);
    QVERIFY(f.PercorsoLista.endsWith("Riconoscisoggettopredicato/liv1.txt"));
    QCOMPARE(int(f.cornice().mnuLiv.size()), livelli);
    QVERIFY(f.cornice().mnuLiv[0]->Checked());
    for (int i = 1; i < livelli; ++i) QVERIFY(!f.cornice().mnuLiv[i]->Checked());
    QVERIFY(f.cornice().mnuLivelli->Bloccato());
    QVERIFY(!f.cornice().mnuLivelli->Utilizzabile());
    QCOMPARE(f.CaptionsLabel3(), QString("Il cane abbaia "));
    QCOMPARE(p.a.p->IndiceFrase, 1);
    if (nome == "Form4") {
        QVERIFY(f.Pronomi.Frame1);
        QVERIFY(!f.Pronomi.Frame1->isVisible());
        QCOMPARE(f.TestoFrase, QString("Il cane abbaia "));
        const QStringList captions = {"io", "tu", "egli - esso - ella - essa ", "noi", "voi", "essi - esse - loro"};
        const QList<QRect> posti = {{240, 360, 1215, 375},  {1920, 360, 1215, 375}, {3480, 360, 4815, 375},
                                    {240, 840, 1215, 375},  {1920, 840, 1215, 375}, {3480, 840, 4815, 375}};
        QCOMPARE(f.Pronomi.Command1.Count(), 6);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(f.Pronomi.Command1(i).Caption(), captions[i]);
            const QRect r(f.Pronomi.Command1(i).Left(), f.Pronomi.Command1(i).Top(), f.Pronomi.Command1(i).Width(), f.Pronomi.Command1(i).Height());
            // Twips land on whole pixels.
            QVERIFY2(qAbs(r.left() - posti[i].left()) < 15 && qAbs(r.top() - posti[i].top()) < 15 &&
                         qAbs(r.width() - posti[i].width()) < 15 && qAbs(r.height() - posti[i].height()) < 15,
                     qPrintable(QString("button %1").arg(i)));
        }
        QCOMPARE(f.Pronomi.Frame1->Caption(), QString("Soggetto sottinteso"));
    } else {
        QVERIFY(!f.Pronomi.Frame1);
        QCOMPARE(f.Pronomi.Command1.Count(), 0);
    }
    QVERIFY(p.a.servizi->messaggi.empty());
}

// The second label's right edge is brought onto whole pixels just at or just below the wrap
// limit by moving the first label, as the window's re-layout may do.
void TestRiconosci::aCapoAlLimite_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<bool>("alLimite");
    QTest::newRow("Form2 at the limit") << "Form2" << true;
    QTest::newRow("Form2 short of it") << "Form2" << false;
    QTest::newRow("Form4 at the limit") << "Form4" << true;
    QTest::newRow("Form4 short of it") << "Form4" << false;
}

void TestRiconosci::aCapoAlLimite()
{
    QFETCH(QString, nome);
    QFETCH(bool, alLimite);
    Prova p(nome, "il cane#0#abbaia#1#\r\n");
    FinestraRiconosci& f = *p.f;
    const int limite = LimiteACapo(f.Width());
    const int larghezze = f.Parole.Label3(0).Width() + f.Parole.Label3(1).Width();
    // Smallest whole-pixel left at which the second label's right edge reaches the limit.
    int left = ((limite - larghezze + 14) / 15) * 15;
    if (!alLimite) left -= 15;
    f.Parole.Label3(0).setLeft(left);
    QCOMPARE(f.Parole.Label3(0).Left(), left);
    f.CaricaFrase();
    QCOMPARE(f.Parole.Label3(0).Left(), left); // the first label never moves
    const int destra = left + f.Parole.Label3(0).Width() + f.Parole.Label3(1).Width();
    QCOMPARE(destra >= limite, alLimite);
    if (alLimite) {
        QCOMPARE(f.Parole.Label3(1).Left(), left);
        QCOMPARE(f.Parole.Label3(1).Top(), f.Parole.Label3(0).Top() + 2 * f.Parole.Label3(1).Height());
    } else {
        QCOMPARE(f.Parole.Label3(1).Left(), left + f.Parole.Label3(0).Width());
        QCOMPARE(f.Parole.Label3(1).Top(), f.Parole.Label3(0).Top());
    }
}

void TestRiconosci::primaParteSottintesa_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("didascalia");
    QTest::newRow("Form2") << "Form2" << "";
    QTest::newRow("Form4") << "Form4" << "io ";
}

void TestRiconosci::primaParteSottintesa()
{
    QFETCH(QString, nome);
    QFETCH(QString, didascalia);
    // At level 3, where Form4 names implied subjects with its pronoun buttons.
    Prova p(nome, "il cane#0#abbaia#1#\r\n", {"", "[io]#0#mangio#1#la mela#2#\r\n"});
    FinestraRiconosci& f = *p.f;
    p.Risolvi(p.Ruolo());
    f.cornice().mnuLiv[2]->Scegli();
    QVERIFY(!f.Parole.Label3(0).isVisible());
    QCOMPARE(f.Parole.Label3(0).Width(), 0);
    QVERIFY(!f.Parole.Label3(0).AutoSize());
    QCOMPARE(f.Parole.Label3(0).Caption(), didascalia);
    QCOMPARE(f.Parole.Label3(1).Caption(), QString("mangio ")); // not upper-cased
    QCOMPARE(f.Parole.Label3(1).Left(), f.Parole.Label3(0).Left());
    QCOMPARE(f.Parole.Label3(1).Top(), f.Parole.Label3(0).Top());
    QCOMPARE(f.Parole.Label3(2).Left(), f.Parole.Label3(1).Left() + f.Parole.Label3(1).Width());
    QCOMPARE(f.ConSottinteso, true);
    QCOMPARE(f.Sottinteso, QString("io"));
    // The next sentence gives the first label its own size again.
    p.Frase("il cane#0#abbaia#1#\r\n");
    QVERIFY(f.Parole.Label3(0).isVisible());
    QVERIFY(f.Parole.Label3(0).AutoSize());
    QVERIFY(f.Parole.Label3(0).Width() > 0);
    QCOMPARE(f.Parole.Label3(0).Caption(), QString("Il cane "));
    QCOMPARE(f.ConSottinteso, false);
    QCOMPARE(f.Sottinteso, QString()); // nothing left from the line before
}

void TestRiconosci::parteMoltoLunga()
{
    // Wider than the row from the left margin to the wrap limit, not wider than the window.
    const QString lunga = "per tutto il lungo pomeriggio d'estate in giardino";
    Prova p("Form4", ("il bambino#0#legge#1#" + lunga + "#10#\r\n").toUtf8());
    FinestraRiconosci& f = *p.f;
    QCOMPARE(f.Parole.Label3.Count(), 3);
    const int limite = LimiteACapo(f.Width());
    QCOMPARE(f.Parole.Label3(2).Caption(), lunga + " ");
    QVERIFY(f.Parole.Label3(2).Width() > limite - f.Parole.Label3(0).Left()); // never cut
    QVERIFY(f.Parole.Label3(2).Left() + f.Parole.Label3(2).Width() <= f.ScaleWidth());
    QCOMPARE(f.Parole.Label3(2).Left(), f.Parole.Label3(0).Left());
    QCOMPARE(f.Parole.Label3(2).Top(), f.Parole.Label3(1).Top() + 2 * f.Parole.Label3(2).Height());
}

void TestRiconosci::etichettePrecedentiTolte()
{
    Prova p("Form2", "il gatto#0#mangia#1#il topo#2#\r\n");
    FinestraRiconosci& f = *p.f;
    QCOMPARE(f.Parole.Label3.Count(), 3);
    QPointer<Etichetta> vecchia1 = &f.Parole.Label3(1);
    QPointer<Etichetta> vecchia2 = &f.Parole.Label3(2);
    QPointer<Etichetta> prima = &f.Parole.Label3(0);
    p.Clic(0); // a wrong click leaves its colour on the label
    QCOMPARE(f.Parole.Label3(0).BackColor(), Colore(255));
    p.Frase("la mamma#0#cucina#1#\r\n");
    QCOMPARE(f.Parole.Label3.Count(), 2);
    EliminaRimandati();
    QVERIFY(vecchia1.isNull());
    QVERIFY(vecchia2.isNull());
    QCOMPARE(prima.data(), &f.Parole.Label3(0));
    QCOMPARE(f.Parole.Label3(0).BackColor(), Colore(0xFFFFFF));
    QCOMPARE(f.Parole.Label3(1).Caption(), QString("cucina "));
    QCOMPARE(f.CaptionsLabel3(), QString("La mamma cucina "));
    // Only the labels of the window are left on it.
    QCOMPARE(f.client()->findChildren<Etichetta*>().size(), 3); // Label1 and two word labels
    p.Frase("il sole#0#splende#1#alto#9#nel cielo#8#\r\n");
    QCOMPARE(f.Parole.Label3.Count(), 4);
    p.Frase("piove#1#\r\n");
    QCOMPARE(f.Parole.Label3.Count(), 1);
    QCOMPARE(f.client()->findChildren<Etichetta*>().size(), 2);
}

void TestRiconosci::treClicSbagliati_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("sbagliata");
    QTest::newRow("Form2") << "Form2" << 0;
    QTest::newRow("Form4") << "Form4" << 1;
}

void TestRiconosci::treClicSbagliati()
{
    QFETCH(QString, nome);
    QFETCH(int, sbagliata);
    Prova p(nome, "il cane#0#abbaia#1#\r\n");
    FinestraRiconosci& f = *p.f;
    const QString caption = f.Parole.Label3(sbagliata).Caption();
    for (int volta = 1; volta <= 3; ++volta) {
        p.Clic(sbagliata);
        QCOMPARE(p.a.p->Errati, volta);
        QCOMPARE(p.Barra().Text(2), QString("Errati %1").arg(volta));
        QCOMPARE(p.Griglia().Rows(), 1 + volta);
        QCOMPARE(p.Griglia().TextMatrix(volta, 0), QString::number(volta));
        QCOMPARE(p.Griglia().TextMatrix(volta, 1), QString("1"));
        QCOMPARE(p.Griglia().TextMatrix(volta, 2), QString("Il cane abbaia "));
        QCOMPARE(p.Griglia().TextMatrix(volta, 3), caption);
        QCOMPARE(Sbagliati(*p.a.servizi).size(), volta);
    }
    QCOMPARE(p.a.servizi->suoni.size(), 3);
    QCOMPARE(f.Parole.Label3(sbagliata).BackColor(), Colore(255));
    QVERIFY(f.Parole.Label3(sbagliata).isEnabled());
    QCOMPARE(p.a.p->Esatti, 0);
    QVERIFY(!p.Barra().PannelloVisibile(3));
    QVERIFY(f.cornice().mnuLivelli->Bloccato());
}

void TestRiconosci::giustoDopoSbagliato_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("sbagliata");
    QTest::addColumn<int>("giusta");
    QTest::addColumn<uint>("colore");
    QTest::newRow("Form2") << "Form2" << 0 << 1 << 0xC0C0FFu;
    QTest::newRow("Form4") << "Form4" << 1 << 0 << 0x80FF80u;
}

void TestRiconosci::giustoDopoSbagliato()
{
    QFETCH(QString, nome);
    QFETCH(int, sbagliata);
    QFETCH(int, giusta);
    QFETCH(uint, colore);
    Prova p(nome, "il cane#0#abbaia#1#\r\n");
    FinestraRiconosci& f = *p.f;
    p.Clic(sbagliata);
    p.Clic(giusta);
    QCOMPARE(p.a.p->Esatti, 1);
    QCOMPARE(p.a.p->Errati, 1);
    QCOMPARE(p.Barra().Text(1), QString("Esatti 1"));
    QCOMPARE(f.Parole.Label3(giusta).BackColor(), Colore(colore));
    QCOMPARE(f.Parole.Label3(sbagliata).BackColor(), Colore(255));
    QCOMPARE(p.Griglia().Rows(), 3);
    QCOMPARE(p.Griglia().TextMatrix(2, 3), QString());
    QVERIFY(p.Barra().PannelloVisibile(3));
    QVERIFY(!f.cornice().mnuLivelli->Bloccato());
    QVERIFY(f.cornice().mnuLivelli->Utilizzabile());
    for (int i = 0; i < f.Parole.Label3.Count(); ++i) QVERIFY(!f.Parole.Label3(i).isEnabled());
    QCOMPARE(p.a.servizi->suoni.size(), 2);
    QVERIFY(p.a.servizi->suoni.last().contains(QRegularExpression("suoni/si[1-4]\\.wav$")));
    // The solved sentence takes no more clicks.
    p.Clic(sbagliata);
    p.Clic(giusta);
    QCOMPARE(p.a.p->Esatti, 1);
    QCOMPARE(p.a.p->Errati, 1);
    QCOMPARE(p.Griglia().Rows(), 3);
    // "Avanti" starts the next sentence, white and open.
    p.f->StatusBar1_PanelClick(3);
    QVERIFY(!p.Barra().PannelloVisibile(3));
    QCOMPARE(f.Parole.Label3(0).BackColor(), Colore(0xFFFFFF));
    QCOMPARE(f.Parole.Label3(1).BackColor(), Colore(0xFFFFFF));
    QVERIFY(f.Parole.Label3(0).isEnabled() && f.Parole.Label3(1).isEnabled());
    QVERIFY(f.cornice().mnuLivelli->Bloccato());
}

void TestRiconosci::dueEtichetteDelRuolo_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QByteArray>("riga");
    QTest::addColumn<int>("clic");
    QTest::newRow("Form2 first predicate label") << "Form2" << QByteArray("Marco#0#ha#1#sempre#10#mangiato#1#") << 1;
    QTest::newRow("Form2 second predicate label") << "Form2" << QByteArray("Marco#0#ha#1#sempre#10#mangiato#1#") << 3;
    QTest::newRow("Form4 first subject label") << "Form4" << QByteArray("Luca#0#e Anna#0#giocano#1#") << 0;
    QTest::newRow("Form4 second subject label") << "Form4" << QByteArray("Luca#0#e Anna#0#giocano#1#") << 1;
}

void TestRiconosci::dueEtichetteDelRuolo()
{
    QFETCH(QString, nome);
    QFETCH(QByteArray, riga);
    QFETCH(int, clic);
    Prova p(nome, riga + "\r\n");
    p.Clic(clic);
    QCOMPARE(p.a.p->Esatti, 1);
    QCOMPARE(p.a.p->Errati, 0);
    QVERIFY(p.Barra().PannelloVisibile(3));
    for (int i = 0; i < p.f->Parole.Label3.Count(); ++i) QVERIFY(!p.f->Parole.Label3(i).isEnabled());
}

void TestRiconosci::ruoloLettoDalNumeroIniziale_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QByteArray>("riga");
    QTest::addColumn<int>("clic");
    QTest::addColumn<bool>("giusto");
    QTest::newRow("Form4 tag without number") << "Form4" << QByteArray("Il cane#sogg#abbaia#pred#") << 1 << true;
    QTest::newRow("Form2 tag without number") << "Form2" << QByteArray("Il cane#sogg#abbaia#pred#e corre#1#") << 1 << false;
    QTest::newRow("Form4 empty tag") << "Form4" << QByteArray("Il cane##abbaia#1#") << 0 << true;
    QTest::newRow("Form2 empty tag") << "Form2" << QByteArray("Il cane#0#abbaia##e corre#1#") << 1 << false;
    QTest::newRow("Form2 number then text") << "Form2" << QByteArray("Il cane#0#abbaia#1 verbo#") << 1 << true;
    QTest::newRow("Form2 blanks around") << "Form2" << QByteArray("Il cane#0#abbaia#  1  #") << 1 << true;
    QTest::newRow("Form4 decimal role") << "Form4" << QByteArray("Il cane#0.5#abbaia#1#il gatto#0#") << 0 << false;
    QTest::newRow("Form2 ten is not one") << "Form2" << QByteArray("Il cane#0#abbaia#1#oggi#10#") << 2 << false;
    QTest::newRow("Form4 role never closed") << "Form4" << QByteArray("Il cane#1#il gatto#0#abbaia#") << 2 << false;
}

void TestRiconosci::ruoloLettoDalNumeroIniziale()
{
    QFETCH(QString, nome);
    QFETCH(QByteArray, riga);
    QFETCH(int, clic);
    QFETCH(bool, giusto);
    Prova p(nome, riga + "\r\n");
    p.Clic(clic);
    QCOMPARE(p.a.p->Esatti, giusto ? 1 : 0);
    QCOMPARE(p.a.p->Errati, giusto ? 0 : 1);
}

void TestRiconosci::livelliELucchetto_data()
{
    QTest::addColumn<QString>("nome");
    QTest::newRow("Form2") << "Form2";
    QTest::newRow("Form4") << "Form4";
}

void TestRiconosci::livelliELucchetto()
{
    QFETCH(QString, nome);
    QList<QByteArray> altri;
    for (int i = 2; i <= 6; ++i) altri << QByteArray("livello ") + QByteArray::number(i) + "#0#va#1#\r\n";
    Prova p(nome, "livello 1#0#va#1#\r\n", altri);
    FinestraRiconosci& f = *p.f;
    const int livelli = int(f.cornice().mnuLiv.size());
    const bool pronomi = nome == "Form4";
    auto spunte = [&] {
        QList<int> s;
        for (int i = 0; i < livelli; ++i)
            if (f.cornice().mnuLiv[i]->Checked()) s << i + 1;
        return s;
    };

    // While the sentence is open the level menu is locked.
    f.cornice().mnuLiv[3]->Scegli();
    f.mnuLiv_Click(4);
    QCOMPARE(f.Livello, 1);
    QCOMPARE(f.Parole.Label3(0).Caption(), QString("Livello 1 "));

    const QList<int> scelte = pronomi ? QList<int>{4, 2, 6, 3, 1} : QList<int>{4, 2, 5, 3, 1};
    for (int livello : scelte) {
        p.Risolvi(p.Ruolo());
        QVERIFY(f.cornice().mnuLivelli->Utilizzabile());
        const int esatti = p.a.p->Esatti;
        const int righe = p.Griglia().Rows();
        f.cornice().mnuLiv[livello - 1]->Scegli();
        QCOMPARE(f.Livello, livello);
        QCOMPARE(spunte(), QList<int>{livello});
        QVERIFY(f.PercorsoLista.endsWith(QString("Riconoscisoggettopredicato/liv%1.txt").arg(livello)));
        QCOMPARE(f.Parole.Label3(0).Caption(), QString("Livello %1 ").arg(livello));
        QVERIFY(f.cornice().mnuLivelli->Bloccato());
        QCOMPARE(p.a.p->Esatti, esatti);
        QCOMPARE(p.Griglia().Rows(), righe);
        if (pronomi) QCOMPARE(f.Pronomi.Frame1->isVisible(), livello >= 3);
    }
    // The rows carry the level they were answered at.
    p.Risolvi(p.Ruolo());
    QCOMPARE(p.Griglia().TextMatrix(p.Griglia().Rows() - 1, 1), QString("1"));
    QCOMPARE(p.Griglia().TextMatrix(p.Griglia().Rows() - 2, 1), QString::number(scelte[scelte.size() - 2]));
}

void TestRiconosci::grigliaELucchettoIndipendenti()
{
    Prova p("Form4", "il cane#0#abbaia#1#\r\n");
    FinestraRiconosci& f = *p.f;
    f.mnuVisual_Click();
    QVERIFY(!f.cornice().mnuLivelli->Utilizzabile());
    f.mnuChiudi_Click();
    QVERIFY(!f.cornice().mnuLivelli->Utilizzabile()); // still locked by the open sentence
    p.Clic(0);
    f.mnuVisual_Click();
    QVERIFY(!f.cornice().mnuLivelli->Utilizzabile()); // the grid holds it now
    f.mnuChiudi_Click();
    QVERIFY(f.cornice().mnuLivelli->Utilizzabile());
}

void TestRiconosci::avantiDopoUnLivello()
{
    Prova p("Form2", "il cane#0#abbaia#1#\r\n", {"il gatto#0#dorme#1#\r\n"});
    FinestraRiconosci& f = *p.f;
    p.Clic(1);
    f.cornice().mnuLiv[1]->Scegli();
    // The "Avanti" panel stays beside the new sentence; it draws yet another one, unscored.
    QVERIFY(p.Barra().PannelloVisibile(3));
    QCOMPARE(f.Parole.Label3(0).Caption(), QString("Il gatto "));
    f.StatusBar1_PanelClick(3);
    QVERIFY(!p.Barra().PannelloVisibile(3));
    QCOMPARE(p.a.p->Esatti, 1);
    QCOMPARE(p.Griglia().Rows(), 2);
}

void TestRiconosci::listaSenzaFrasi_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QByteArray>("lista");
    QTest::newRow("Form2 empty file") << "Form2" << QByteArray();
    QTest::newRow("Form2 blank lines") << "Form2" << QByteArray("\r\n   \r\n\r\n");
    QTest::newRow("Form4 empty file") << "Form4" << QByteArray();
    QTest::newRow("Form4 blank lines") << "Form4" << QByteArray("  \r\n\r\n    \r\n");
    // Lines with nothing to show are not sentences either.
    QTest::newRow("Form2 no #") << "Form2" << QByteArray("il gatto dorme\r\n");
    QTest::newRow("Form2 only an implied subject") << "Form2" << QByteArray("[io]#0#\r\n");
    QTest::newRow("Form2 only #") << "Form2" << QByteArray("####\r\n");
    QTest::newRow("Form4 a tab") << "Form4" << QByteArray("\t\r\n");
    QTest::newRow("Form2 a line too long") << "Form2" << QByteArray("ab#1#").repeated(61);
    QTest::newRow("Form4 NUL bytes") << "Form4" << QByteArray("\0\0#\0#\r\n", 7);
}

void TestRiconosci::listaSenzaFrasi()
{
    QFETCH(QString, nome);
    QFETCH(QByteArray, lista);
    Prova p(nome, lista, {"il gatto#0#dorme#1#\r\n"});
    FinestraRiconosci& f = *p.f;
    QCOMPARE(p.a.servizi->messaggi.size(), size_t(1));
    QCOMPARE(p.a.servizi->messaggi[0].titolo, QString("Frasolino - 1°"));
    QCOMPARE(p.a.servizi->messaggi[0].testo, MessaggioNessunaFrase);
    QVERIFY(!f.FraseInCorso());
    QCOMPARE(f.Parole.Label3.Count(), 1);
    QVERIFY(!f.Parole.Label3(0).isVisible());
    QCOMPARE(f.TestoFrase, QString());
    if (f.Pronomi.Frame1)
        for (int i = 0; i < 6; ++i) QVERIFY(!f.Pronomi.Command1(i).isEnabled());
    // Another level is within reach.
    QVERIFY(f.cornice().mnuLivelli->Utilizzabile());
    f.cornice().mnuLiv[1]->Scegli();
    QVERIFY(f.FraseInCorso());
    QCOMPARE(f.Parole.Label3(0).Caption(), QString("Il gatto "));
    QVERIFY(f.Parole.Label3(0).isVisible());
    QCOMPARE(p.a.servizi->messaggi.size(), size_t(1));
    // Back to level 1: the notice once more, and "Esci" still works.
    p.Risolvi(p.Ruolo());
    f.cornice().mnuLiv[0]->Scegli();
    QCOMPARE(p.a.servizi->messaggi.size(), size_t(2));
    QCOMPARE(f.Parole.Label3.Count(), 1);
    f.mnuEsci_Click();
    QVERIFY(!f.Caricata());
    QVERIFY(p.a.registro().Menu().Caricata());
}

void TestRiconosci::livelloMancante_data()
{
    QTest::addColumn<QString>("nome");
    QTest::newRow("Form2") << "Form2";
    QTest::newRow("Form4") << "Form4";
}

void TestRiconosci::livelloMancante()
{
    // A level file that cannot be read is said once, naming it, and the window stays usable.
    QFETCH(QString, nome);
    Prova p(nome, "il gatto#0#dorme#1#\r\n");
    FinestraRiconosci& f = *p.f;
    p.Risolvi(p.Ruolo());
    p.a.servizi->messaggi.clear();
    QFile::remove(p.a.cartellaProgramma.filePath(CartellaLivelli + "liv3.txt"));
    f.cornice().mnuLiv[2]->Scegli(); // liv3.txt does not exist
    QCOMPARE(p.a.servizi->messaggi.size(), size_t(1));
    QVERIFY(p.a.servizi->messaggi[0].testo.contains("liv3.txt"));
    QCOMPARE(p.a.servizi->messaggi[0].titolo, QString("Frasolino - 1°"));
    QVERIFY(!f.FraseInCorso());
    QVERIFY(f.cornice().mnuLivelli->Utilizzabile());
    f.cornice().mnuLiv[0]->Scegli();
    QVERIFY(f.FraseInCorso());
    QCOMPARE(p.a.servizi->messaggi.size(), size_t(1));
}

void TestRiconosci::listaSceltaSenzaFrasi()
{
    Prova p("Form4", "il gatto#0#mangia#1#il topo#2#\r\n");
    FinestraRiconosci& f = *p.f;
    const QString vuota = p.a.Scrivi("vuota.txt", "\r\n\r\n");
    p.a.servizi->fileScelti.push_back(vuota);
    f.mnuCambia_Click();
    QCOMPARE(p.a.servizi->messaggi.size(), size_t(1));
    QCOMPARE(f.Parole.Label3.Count(), 1);
    QVERIFY(!f.Parole.Label3(0).isVisible());
    // The "Avanti" panel draws again and says so again, once.
    f.MostraAvanti();
    f.StatusBar1_PanelClick(3);
    QCOMPARE(p.a.servizi->messaggi.size(), size_t(2));
}

void TestRiconosci::pronomi_data()
{
    QTest::addColumn<QByteArray>("riga");
    QTest::addColumn<int>("bottone");
    QTest::addColumn<bool>("giusto");
    QTest::addColumn<QString>("rivelata");
    QTest::newRow("[Io] io") << QByteArray("[Io]#0#corro#1#") << 0 << true << "Io ";
    QTest::newRow("[io] tu") << QByteArray("[io]#0#corro#1#") << 1 << false << "";
    QTest::newRow("[tu] tu") << QByteArray("[tu]#0#corri#1#") << 1 << true << "tu ";
    QTest::newRow("[lui] group 3") << QByteArray("[lui]#0#corre#1#") << 2 << true << "lui ";
    QTest::newRow("[lei] group 3") << QByteArray("[lei]#0#corre#1#") << 2 << true << "lei ";
    QTest::newRow("[ESSA] group 3") << QByteArray("[ESSA]#0#corre#1#") << 2 << true << "ESSA ";
    QTest::newRow("[lui] io") << QByteArray("[lui]#0#corre#1#") << 0 << false << "";
    QTest::newRow("[noi] noi") << QByteArray("[noi]#0#corriamo#1#") << 3 << true << "noi ";
    QTest::newRow("[voi] voi") << QByteArray("[voi]#0#correte#1#") << 4 << true << "voi ";
    QTest::newRow("[loro] group 6") << QByteArray("[loro]#0#corrono#1#") << 5 << true << "loro ";
    QTest::newRow("[esse] group 6") << QByteArray("[esse]#0#corrono#1#") << 5 << true << "esse ";
}

void TestRiconosci::pronomi()
{
    QFETCH(QByteArray, riga);
    QFETCH(int, bottone);
    QFETCH(bool, giusto);
    QFETCH(QString, rivelata);
    Prova p("Form4", "il cane#0#abbaia#1#\r\n", {"il gatto#0#dorme#1#\r\n", riga + "\r\n"});
    FinestraRiconosci& f = *p.f;
    p.Clic(0);
    f.cornice().mnuLiv[2]->Scegli();
    QVERIFY(f.Pronomi.Frame1->isVisible());
    QVERIFY(f.ConSottinteso);
    QVERIFY(!f.Parole.Label3(0).isVisible());
    const int esatti = p.a.p->Esatti;
    const int righe = p.Griglia().Rows();
    p.Pronome(bottone);
    if (giusto) {
        QCOMPARE(p.a.p->Esatti, esatti + 1);
        QCOMPARE(p.a.p->Errati, 0);
        QVERIFY(f.Parole.Label3(0).isVisible());
        QCOMPARE(f.Parole.Label3(0).Caption(), rivelata);
        QCOMPARE(f.Parole.Label3(0).BackColor(), Colore(0x80FF80));
        QVERIFY(f.Parole.Label3(0).AutoSize());
        QVERIFY(f.Parole.Label3(0).Width() > 0);
        QCOMPARE(f.Pronomi.Command1(bottone).BackColor(), Colore(0x80FF80));
        for (int i = 0; i < 6; ++i) QVERIFY(!f.Pronomi.Command1(i).isEnabled());
        for (int i = 0; i < f.Parole.Label3.Count(); ++i) QVERIFY(!f.Parole.Label3(i).isEnabled());
        QCOMPARE(p.Griglia().Rows(), righe + 1);
        QCOMPARE(p.Griglia().TextMatrix(righe, 3), QString());
        QCOMPARE(p.Griglia().TextMatrix(righe, 2), f.TestoFrase); // the implied subject is not in it
        QVERIFY(p.Barra().PannelloVisibile(3));
        QCOMPARE(p.Barra().Text(1), QString("Esatti %1").arg(esatti + 1));
        QVERIFY(f.cornice().mnuLivelli->Utilizzabile());
    } else {
        QCOMPARE(p.a.p->Errati, 1);
        QCOMPARE(p.Barra().Text(2), QString("Errati 1"));
        QVERIFY(!f.Pronomi.Command1(bottone).isEnabled());
        QCOMPARE(f.Pronomi.Command1(bottone).BackColor(), Colore(0xE0E0E0));
        QCOMPARE(p.Griglia().TextMatrix(righe, 3), f.Pronomi.Command1(bottone).Caption());
        QVERIFY(!f.Parole.Label3(0).isVisible());
        QVERIFY(f.cornice().mnuLivelli->Bloccato());
        QCOMPARE(Sbagliati(*p.a.servizi).size(), 1);
    }
}

void TestRiconosci::pronomeSbagliatoPoiGiusto()
{
    Prova p("Form4", "il cane#0#abbaia#1#\r\n", {"il gatto#0#dorme#1#\r\n", "[tu]#0#leggi#1#un libro#2#\r\n"});
    FinestraRiconosci& f = *p.f;
    p.Clic(0);
    f.cornice().mnuLiv[2]->Scegli();
    const int verboPrima = f.Parole.Label3(1).Left();
    QCOMPARE(verboPrima, f.Parole.Label3(0).Left());
    // A word click on a sentence with an implied subject is always wrong.
    p.Clic(1);
    QCOMPARE(p.a.p->Errati, 1);
    p.Pronome(0);
    QCOMPARE(p.a.p->Errati, 2);
    QVERIFY(!f.Pronomi.Command1(0).isEnabled());
    QVERIFY(f.Pronomi.Command1(1).isEnabled());
    p.Pronome(1);
    QCOMPARE(p.a.p->Esatti, 2);
    QCOMPARE(f.Parole.Label3(0).Caption(), QString("tu "));
    QCOMPARE(f.Parole.Label3(0).BackColor(), Colore(0x80FF80));
    // The words after it move right by its width.
    QCOMPARE(f.Parole.Label3(1).Left(), verboPrima + f.Parole.Label3(0).Width());
    QCOMPARE(f.Parole.Label3(2).Left(), f.Parole.Label3(1).Left() + f.Parole.Label3(1).Width());
    const int n = p.Griglia().Rows();
    QCOMPARE(p.Griglia().TextMatrix(n - 3, 3), QString("leggi "));
    QCOMPARE(p.Griglia().TextMatrix(n - 2, 3), QString("io"));
    QCOMPARE(p.Griglia().TextMatrix(n - 1, 3), QString());
    // The revealed label takes no click.
    p.Clic(0);
    QCOMPARE(p.a.p->Esatti, 2);
    QCOMPARE(p.a.p->Errati, 2);
    // The next sentence starts every button grey and enabled again.
    f.StatusBar1_PanelClick(3);
    for (int i = 0; i < 6; ++i) {
        QVERIFY(f.Pronomi.Command1(i).isEnabled());
        QCOMPARE(f.Pronomi.Command1(i).BackColor(), Colore(0xE0E0E0));
    }
}

void TestRiconosci::pronomeConSoggettoScritto()
{
    Prova p("Form4", "il cane#0#abbaia#1#\r\n", {"il gatto#0#dorme#1#\r\n", "il sole#0#splende#1#\r\n"});
    FinestraRiconosci& f = *p.f;
    p.Clic(0);
    f.cornice().mnuLiv[2]->Scegli();
    QVERIFY(!f.ConSottinteso);
    p.Pronome(3);
    p.Pronome(3);
    QCOMPARE(p.a.p->Errati, 2);
    QCOMPARE(p.Barra().Text(2), QString("Errati 2"));
    QCOMPARE(f.Pronomi.Command1(3).BackColor(), Colore(255));
    QVERIFY(f.Pronomi.Command1(3).isEnabled());
    const int n = p.Griglia().Rows();
    QCOMPARE(p.Griglia().TextMatrix(n - 1, 3), QString("noi"));
    QCOMPARE(p.Griglia().TextMatrix(n - 2, 3), QString("noi"));
    QCOMPARE(Sbagliati(*p.a.servizi).size(), 2);
    // The written subject is still the answer.
    p.Clic(0);
    QCOMPARE(p.a.p->Esatti, 2);
}

void TestRiconosci::riflussoControLaLarghezzaIntera()
{
    // A sentence the builder wraps at 80 % of the width whose words, with the subject revealed,
    // fit in the full width: after the reveal they stand on one row.
    Prova p("Form4", "il cane#0#abbaia#1#\r\n", {"il gatto#0#dorme#1#\r\n", "[noi]#0#x#1#\r\n"});
    FinestraRiconosci& f = *p.f;
    p.Clic(0);
    f.cornice().mnuLiv[2]->Scegli();
    bool trovata = false;
    for (int parole = 1; parole < 80 && !trovata; ++parole) {
        QByteArray riga = "[noi]#0#";
        for (int i = 0; i < parole; ++i) riga += "a#" + QByteArray::number(i % 2 ? 2 : 1) + "#";
        p.a.Scrivi(CartellaLivelli + "liv3.txt", riga + "\r\n");
        f.CaricaLista();
        f.CaricaFrase();
        const int n = f.Parole.Label3.Count();
        int totale = f.Parole.Label3(0).Left();
        for (int i = 1; i < n; ++i) totale += f.Parole.Label3(i).Width();
        const bool dueRighe = f.Parole.Label3(n - 1).Top() > f.Parole.Label3(1).Top();
        // the revealed pronoun is narrower than two of these words
        if (dueRighe && totale + 2 * f.Parole.Label3(1).Width() < f.Width()) trovata = true;
    }
    QVERIFY(trovata);
    p.Pronome(3);
    QCOMPARE(p.a.p->Errati, 0);
    const int n = f.Parole.Label3.Count();
    for (int i = 1; i < n; ++i) {
        QCOMPARE(f.Parole.Label3(i).Top(), f.Parole.Label3(0).Top());
        QCOMPARE(f.Parole.Label3(i).Left(), f.Parole.Label3(i - 1).Left() + f.Parole.Label3(i - 1).Width());
    }
    QVERIFY(f.Parole.Label3(n - 1).Left() + f.Parole.Label3(n - 1).Width() < f.Width());
}

void TestRiconosci::sottintesoDalLivello3_data()
{
    QTest::addColumn<QList<int>>("livelli"); // chosen in turn after the first sentence
    QTest::addColumn<bool>("sottinteso");    // the line with only an implied subject is drawn
    QTest::newRow("level 1") << QList<int>{} << false;
    QTest::newRow("level 3") << QList<int>{3} << true;
    QTest::newRow("level 3, then 2") << QList<int>{3, 2} << false;
}

// Below level 3 the pronoun buttons are hidden: a line whose only subject is implied is passed
// over, from the first sentence after the level is chosen.
void TestRiconosci::sottintesoDalLivello3()
{
    QFETCH(QList<int>, livelli);
    QFETCH(bool, sottinteso);
    const QByteArray righe = "[Noi]#0#siamo tornati#1#da scuola#8#\r\nil cane#0#abbaia#1#\r\n";
    Prova p("Form4", righe, {righe, righe});
    for (int livello : livelli) {
        p.f->ConSottinteso ? p.Pronome(3) : p.Risolvi(0);
        p.f->cornice().mnuLiv[livello - 1]->Scegli();
    }
    QSet<QString> frasi;
    for (int i = 0; i < 12; ++i, p.f->CaricaFrase()) frasi << p.f->TestoFrase;
    QCOMPARE(frasi.contains("siamo tornati da scuola "), sottinteso);
    QVERIFY(frasi.contains("Il cane abbaia "));
}

void TestRiconosci::cursore_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<bool>("diSistema");
    QTest::newRow("Form2 own pointer") << "Form2" << false;
    QTest::newRow("Form2 system pointer") << "Form2" << true;
    QTest::newRow("Form4 own pointer") << "Form4" << false;
    QTest::newRow("Form4 system pointer") << "Form4" << true;
}

void TestRiconosci::cursore()
{
    QFETCH(QString, nome);
    QFETCH(bool, diSistema);
    Ambiente a;
    a.Scrivi(CartellaLivelli + "liv1.txt", "il gatto#0#mangia#1#il topo#2#\r\n");
    a.p->CursoreDiSistema = diSistema;
    FinestraRiconosci* f = a.Apri<FinestraRiconosci>(nome);
    f->StatusBar1_PanelClick(3); // nothing: the panel is hidden
    f->MostraAvanti();
    f->StatusBar1_PanelClick(3); // a later sentence
    for (int i = 0; i < f->Parole.Label3.Count(); ++i) QCOMPARE(f->Parole.Label3(i).HaPuntatorePersonale(), !diSistema);
    for (int i = 0; i < f->Pronomi.Command1.Count(); ++i) QCOMPARE(f->Pronomi.Command1(i).HaPuntatorePersonale(), !diSistema);
    f->Scarica();
}

FRASOLINO_TEST(TestRiconosci);
#include "tst_riconosci.moc"
