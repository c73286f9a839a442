// The pair windows as a learner meets them: words dragged onto the boxes of Form1, the framed
// selections of Form1s, subjects dragged onto the rows of Form3, the rows of Form3s answered with
// the keys, the number-of-pairs panel, and lists that cannot give an item.
#include "suite.h"
#include "ambiente.h"
#include "tastiera.h"

#include "core/servizicomuni.h"
#include "exercises/pairs/finestraabbina.h"
#include "exercises/pairs/finestrasoggettopredicato.h"

#include <QMimeData>
#include <QSet>
#include <QtTest>

#include <algorithm>

namespace {

const QString Lista = QStringLiteral("testifrasolino/soggettopredicato/lista.txt");
const QByteArray Cane = "\"il cane\",0,\"abbaia\",1\n";

// n pairs "soggetto k" / "predicato k".
QByteArray Coppie(int n)
{
    QByteArray b;
    for (int k = 1; k <= n; ++k) b += QString("\"soggetto %1\",0,\"predicato %1\",1\n").arg(k).toUtf8();
    return b;
}

// A real drop of one label on another: drag-enter, drag-move and drop, the payload naming the
// dragged label as an automatic drag does.
void Trascina(Etichetta& origine, Etichetta& bersaglio)
{
    QMimeData dati;
    dati.setData(QStringLiteral("application/x-frasolino-etichetta"),
                 QByteArray::number(QCoreApplication::applicationPid()) + ' ' +
                     QByteArray::number(reinterpret_cast<quintptr>(&origine)));
    const QPoint punto(bersaglio.width() / 2, bersaglio.height() / 2);
    QDragEnterEvent entra(punto, Qt::MoveAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&bersaglio, &entra);
    QDragMoveEvent muovi(punto, Qt::MoveAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&bersaglio, &muovi);
    QDropEvent rilascio(QPointF(punto), Qt::MoveAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&bersaglio, &rilascio);
}

QStringList RigaGriglia(const FinestraEsercizio& f, int r)
{
    const ModelloGriglia& m = f.cornice().Griglia->Modello();
    QStringList celle;
    for (int c = 0; c < m.Cols(); ++c) celle << m.TextMatrix(r, c);
    return celle;
}

int RigheGriglia(const FinestraEsercizio& f) { return f.cornice().Griglia->Modello().Rows() - 1; }
bool Avanti(const FinestraEsercizio& f) { return f.cornice().StatusBar1->PannelloVisibile(3); }

QRect Geometria(const QWidget& w) { return w.geometry(); }

} // namespace

class TestCoppie : public QObject {
    Q_OBJECT
private slots:
    void form1_data();
    void form1();
    void form1OrdineDalMenu();
    void form1s_data();
    void form1s();
    void form1sTastiPerModo();
    void form3();
    void form3sRigheInOrdine();
    void form3sColoreGrigio();
    void pannello();
    void listeSenzaElementi_data();
    void listeSenzaElementi();
    void predicatoVuotoMaiEstratto();
    void nessunaCoppiaAvanzata();
    void posizioniAOgniDimensione();
};

// Drops "word>box"; the boxes' order and the outcome.
void TestCoppie::form1_data()
{
    QTest::addColumn<int>("livello");
    QTest::addColumn<QStringList>("lasci");
    QTest::addColumn<int>("esatti");
    QTest::addColumn<int>("errati");
    QTest::addColumn<QStringList>("caselle");
    QTest::addColumn<QStringList>("riga"); // empty: no result row

    QTest::newRow("subject first: shown, nothing counted") << 1 << QStringList{"0>0"} << 0 << 0
                                                           << QStringList{"il cane", ""} << QStringList{};
    QTest::newRow("both right") << 1 << QStringList{"0>0", "1>1"} << 1 << 0 << QStringList{"il cane", "abbaia"}
                                << QStringList{"1", "1", "il cane", "abbaia", ""};
    QTest::newRow("two wrong, subject box on the right")
        << 2 << QStringList{"1>0", "0>1", "1>1", "0>0"} << 1 << 2 << QStringList{"il cane", "abbaia"}
        << QStringList{"1", "2", "il cane", "abbaia", "**"};
    QTest::newRow("a placed word cannot be dropped again") << 1 << QStringList{"0>0", "0>1"} << 0 << 0
                                                           << QStringList{"il cane", ""} << QStringList{};
}

void TestCoppie::form1()
{
    QFETCH(int, livello);
    QFETCH(QStringList, lasci);
    QFETCH(int, esatti);
    QFETCH(int, errati);
    QFETCH(QStringList, caselle);
    QFETCH(QStringList, riga);
    Ambiente a;
    a.Scrivi(Lista, Cane);
    auto* f = a.Apri<Form1>("Form1");
    QVERIFY(f);
    QCOMPARE(f->Label3(0).Caption(), QString("il cane")); // drawn at load
    f->Livello = static_cast<std::int16_t>(livello);
    f->NuovaFrase();
    // The subject box stands on the left in order 1, on the right in order 2; headings follow.
    QCOMPARE(f->Caselle.Label4(0).Left() < f->Caselle.Label4(1).Left(), livello == 1);
    for (int i = 0; i < 2; ++i) QCOMPARE(f->Caselle.Label6(i).Left(), f->Caselle.Label4(i).Left());
    QCOMPARE(f->Label3(0).Left() + f->Label3(1).Left(), f->Caselle.Label4(0).Left() + f->Caselle.Label4(1).Left());

    for (const QString& l : lasci) {
        Etichetta& parola = f->Label3(l.section('>', 0, 0).toInt());
        if (!parola.isEnabled()) continue; // a disabled label cannot start a drag
        Trascina(parola, f->Caselle.Label4(l.section('>', 1, 1).toInt()));
    }
    QCOMPARE(int(a.p->Esatti), esatti);
    QCOMPARE(int(a.p->Errati), errati);
    QCOMPARE(f->cornice().StatusBar1->Text(2), QString("Errati %1").arg(errati));
    QCOMPARE((QStringList{f->Caselle.Label4(0).Caption(), f->Caselle.Label4(1).Caption()}), caselle);
    QCOMPARE(RigheGriglia(*f), riga.isEmpty() ? 0 : 1);
    if (!riga.isEmpty()) QCOMPARE(RigaGriglia(*f, 1), riga);
    QCOMPARE(Avanti(*f), !riga.isEmpty());
    QCOMPARE(f->cornice().mnuLivelli->Bloccato(), riga.isEmpty());
    QCOMPARE(a.servizi->suoni.filter("no.wav").size(), errati);
}

void TestCoppie::form1OrdineDalMenu()
{
    Ambiente a;
    a.Scrivi(Lista, Cane);
    auto* f = a.Apri<Form1>("Form1");
    f->cornice().mnuLiv[1]->Scegli(); // locked while the pair is open
    QCOMPARE(f->Livello, std::int16_t(3));
    Trascina(f->Label3(0), f->Caselle.Label4(0));
    Trascina(f->Label3(1), f->Caselle.Label4(1));
    f->cornice().mnuLiv[1]->Scegli();
    QCOMPARE(f->Livello, std::int16_t(2));
    QVERIFY(f->cornice().mnuLiv[1]->Checked());
    QVERIFY(!f->cornice().mnuLiv[2]->Checked());
    QVERIFY(f->Caselle.Label4(0).Left() > f->Caselle.Label4(1).Left());
    QCOMPARE(f->Label3(0).Caption(), QString("il cane"));
    QVERIFY(Avanti(*f)); // the panel is not touched
    QCOMPARE(RigheGriglia(*f), 1);
}

// Form1s in manual scanning. Script: G selects the right word for the framed box (Space first
// when the other word is framed), W a wrong one, T is Space, E is Enter.
void TestCoppie::form1s_data()
{
    QTest::addColumn<int>("livello");
    QTest::addColumn<QString>("tasti");
    QTest::addColumn<int>("esatti");
    QTest::addColumn<int>("errati");
    QTest::addColumn<QString>("errori"); // of the result row; "-" no row
    QTest::addColumn<bool>("nuova");     // a new pair is on screen at the end

    QTest::newRow("both phases") << 1 << "GG" << 1 << 0 << "" << false;
    QTest::newRow("wrong first, subject box on the right") << 2 << "WGG" << 1 << 1 << "*" << false;
    QTest::newRow("select on the placed word does nothing") << 1 << "GTETE" << 1 << 0 << "" << false;
    QTest::newRow("select after the end") << 2 << "GGE" << 1 << 0 << "" << true;
    QTest::newRow("half placed") << 1 << "G" << 0 << 0 << "-" << false;
}

void TestCoppie::form1s()
{
    QFETCH(int, livello);
    QFETCH(QString, tasti);
    QFETCH(int, esatti);
    QFETCH(int, errati);
    QFETCH(QString, errori);
    QFETCH(bool, nuova);
    Ambiente a;
    a.Scrivi(Lista, Cane);
    a.p->ModalitaInput = ModoScansioneManuale;
    auto* f = a.Apri<Form1s>("Form1s");
    f->Livello = static_cast<std::int16_t>(livello);
    f->NuovaFrase();
    QWidget* manuale = f->cornice().Scansione->PictureScansioneManuale();
    const int sinistra = f->Caselle.Label4(0).Left() < f->Caselle.Label4(1).Left() ? 0 : 1;
    for (const QChar t : tasti) {
        // The frames stand around the box to fill and the framed word.
        QVERIFY(Geometria(*f->controlli().Shape1).contains(Geometria(f->Caselle.Label4(f->IndiceCasella))));
        QVERIFY(Geometria(*f->controlli().Shape2).contains(Geometria(f->Label3(f->IndiceParola))));
        if (t == 'G' || t == 'W') {
            if ((f->IndiceParola == f->IndiceCasella) != (t == 'G')) tastiera::Batti(manuale, Qt::Key_Space);
            tastiera::Batti(manuale, Qt::Key_Return);
            // The box on the left is filled first.
            if (t == 'G' && f->Fase == 2) QVERIFY(!f->Caselle.Label4(sinistra).Caption().isEmpty());
        } else {
            tastiera::Batti(manuale, t == 'T' ? Qt::Key_Space : Qt::Key_Return);
        }
    }
    QCOMPARE(int(a.p->Esatti), esatti);
    QCOMPARE(int(a.p->Errati), errati);
    QCOMPARE(RigheGriglia(*f), errori == "-" ? 0 : 1);
    if (errori != "-") QCOMPARE(RigaGriglia(*f, 1).last(), errori);
    const bool finita = esatti == 1 && !nuova;
    QCOMPARE(f->controlli().Shape1->isVisible(), !finita);
    QCOMPARE(f->Label3(0).Caption().isEmpty() && f->Label3(1).Caption().isEmpty(), finita);
    if (nuova) {
        QCOMPARE(f->Caselle.Label4(0).Caption(), QString());
        QCOMPARE(f->Fase, std::int16_t(1));
        QCOMPARE(f->Posto, std::int16_t(1));
    }
}

// Every arrow toggles the word frame; the automatic scan toggles at every tick and Space selects.
void TestCoppie::form1sTastiPerModo()
{
    Ambiente a;
    a.Scrivi(Lista, Cane);
    a.p->ModalitaInput = ModoFrecce;
    auto* f = a.Apri<Form1s>("Form1s");
    QWidget* frecce = f->cornice().Scansione->PictureFrecce();
    QList<int> posti;
    for (Qt::Key k : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down}) {
        tastiera::Batti(frecce, k);
        posti << f->Posto;
    }
    QCOMPARE(posti, (QList<int>{2, 1, 2, 1}));
    f->Scarica();

    a.p->ModalitaInput = ModoScansioneAutomatica;
    f->Mostra();
    f->cornice().Scansione->pilota().Timer1_Timer();
    QCOMPARE(f->Posto, std::int16_t(2));
    if (f->IndiceParola != f->IndiceCasella) f->cornice().Scansione->pilota().Timer1_Timer();
    tastiera::Batti(f->cornice().Scansione->PictureScansioneAutomatica(), Qt::Key_Space);
    QCOMPARE(f->Fase, std::int16_t(2));
    QVERIFY(f->cornice().Timer1->Enabled());
}

// Three rows: a wrong drop, then every subject on its box; the rows written and "Avanti".
void TestCoppie::form3()
{
    Ambiente a;
    a.Scrivi(Lista, Coppie(12));
    a.p->CursoreDiSistema = true;
    auto* f = a.Apri<Form3>("Form3");
    QVERIFY(std::find(Colori.begin() + 1, Colori.end(), f->BackColor()) != Colori.end());
    QVERIFY(!f->Label3(0).HaPuntatorePersonale());
    f->NumeroRighe = 3;
    f->NuovoEsercizio();
    for (int i = 0; i < FinestraAbbina::Righe; ++i) {
        QCOMPARE(f->Label3(i).isVisible(), i < 3);
        QCOMPARE(f->Label4(i).isVisible(), i < 3);
    }
    const QString s0 = f->Label3(0).Caption();
    const QString p0 = f->Label4(0).Caption();
    const QString p1 = f->Label4(1).Caption();
    QCOMPARE(s0.section(' ', 1), p0.section(' ', 1)); // subject 0 belongs to box 0

    Trascina(f->Label3(0), f->Label4(1));
    QCOMPARE(RigaGriglia(*f, 1), (QStringList{"1", "3", " ", s0 + " " + p1}));
    QCOMPARE(f->Label3(0).Caption(), s0);
    for (int i : {0, 2, 1}) Trascina(f->Label3(i), f->Label4(i));
    QCOMPARE(f->Label4(0).Caption(), s0 + " " + p0);
    QCOMPARE(f->Label4(0).BackColor(), Form3::GialloChiaro);
    QVERIFY(!f->Label3(0).isEnabled());
    QCOMPARE(RigaGriglia(*f, 2), (QStringList{"2", "3", s0 + " " + p0, " "}));
    QCOMPARE(RigheGriglia(*f), 4);
    QCOMPARE(f->CoppieFatte, std::int16_t(3));
    QCOMPARE(int(a.p->Esatti), 3);
    QCOMPARE(int(a.p->Errati), 1);
    QCOMPARE(f->cornice().StatusBar1->Text(1), QString("Esatti 3"));
    QVERIFY(Avanti(*f));
}

// Form3s in manual scanning: the rows in order from the top, the box frame skipping emptied boxes
// and wrapping, the "avanti" marker, and the next key starting a new exercise.
void TestCoppie::form3sRigheInOrdine()
{
    Ambiente a;
    a.Scrivi(Lista, Coppie(12));
    a.p->ModalitaInput = ModoScansioneManuale;
    auto* f = a.Apri<Form3s>("Form3s");
    f->NumeroRighe = 4;
    f->NuovoEsercizio();
    QWidget* manuale = f->cornice().Scansione->PictureScansioneManuale();
    const Colore scansione = a.p->ColoreScansioneRgb();

    // A wrong select changes only Errati and the grid.
    if (f->CasellaEvidenziata == f->SoggettoDellaRiga[0]) tastiera::Batti(manuale, Qt::Key_Space);
    tastiera::Batti(manuale, Qt::Key_Return);
    QCOMPARE(int(a.p->Errati), 1);
    QCOMPARE(f->RigaCorrente, std::int16_t(0));
    QCOMPARE(RigaGriglia(*f, 1)[2], QString(" "));

    for (int riga = 0; riga < 4; ++riga) {
        QCOMPARE(int(f->RigaCorrente), riga);
        QVERIFY(Geometria(*f->controlli().Shape1).contains(Geometria(f->Label3(f->SoggettoDellaRiga[riga]))));
        int passi = 0;
        while (f->CasellaEvidenziata != f->SoggettoDellaRiga[riga] && ++passi < 10) tastiera::Batti(manuale, Qt::Key_Space);
        QVERIFY(Geometria(*f->controlli().Shape2).contains(Geometria(f->Label4(f->CasellaEvidenziata))));
        const int scelta = f->CasellaEvidenziata;
        tastiera::Batti(manuale, Qt::Key_Return);
        QCOMPARE(f->Label4(scelta).Caption(), QString());
        QVERIFY(f->Label3(scelta).Caption().endsWith(QString("predicato %1").arg(f->Label3(scelta).Caption().section(' ', 1, 1))));
        if (riga < 3) {
            // The next box still showing text after the chosen one, wrapping past the last row.
            int attesa = (scelta + 1) % 4;
            while (f->Label4(attesa).Caption().isEmpty()) attesa = (attesa + 1) % 4;
            QCOMPARE(int(f->CasellaEvidenziata), attesa);
        }
    }
    QCOMPARE(RigaGriglia(*f, 5)[1], QString("4"));
    QCOMPARE(f->controlli().Command1->BackColor(), scansione);
    QVERIFY(!f->controlli().Shape1->isVisible());
    f->cornice().Scansione->pilota().Timer1_Timer(); // no step while finished
    tastiera::Batti(manuale, Qt::Key_Space);
    QCOMPARE(f->controlli().Command1->BackColor(), Form3s::ColoreBottoneNormale);
    QCOMPARE(f->RigaCorrente, std::int16_t(0));
    QVERIFY(!f->Label4(0).Caption().isEmpty());
    QVERIFY(f->controlli().Shape1->isVisible());
    QCOMPARE(int(a.p->Esatti), 4);
}

// A learner whose scan colour is the buttons' light grey still goes on after an exercise.
void TestCoppie::form3sColoreGrigio()
{
    Ambiente a;
    a.Scrivi(Lista, Coppie(3));
    a.p->ModalitaInput = ModoFrecce;
    a.p->ColoreScansione = 0xE0E0E0;
    auto* f = a.Apri<Form3s>("Form3s");
    QWidget* frecce = f->cornice().Scansione->PictureFrecce();
    for (int riga = 0; riga < 3; ++riga) {
        for (int passi = 0; passi < 3 && f->CasellaEvidenziata != f->SoggettoDellaRiga[riga]; ++passi)
            tastiera::Batti(frecce, Qt::Key_Right);
        tastiera::Batti(frecce, Qt::Key_Return);
    }
    QVERIFY(f->AvantiAcceso);
    tastiera::Batti(frecce, Qt::Key_Return); // starts a new exercise
    QVERIFY(!f->AvantiAcceso);
    tastiera::Batti(frecce, Qt::Key_Right); // a step, not another new exercise
    QCOMPARE(f->CasellaEvidenziata, std::int16_t(1));
    QCOMPARE(f->RigaCorrente, std::int16_t(0));
}

// "numero coppie": the panel over the window, the scroll bar at once, the rows at "Chiudi"; the
// scanning window's timer off meanwhile.
void TestCoppie::pannello()
{
    for (const char* nome : {"Form3", "Form3s"}) {
        Ambiente a;
        a.Scrivi(Lista, Coppie(12));
        a.p->ModalitaInput = QByteArray(nome) == "Form3s" ? ModoScansioneAutomatica : ModoMouse;
        auto* f = a.Apri<FinestraAbbina>(nome);
        const FinestraAbbina::Pannello& p = f->pannello();
        f->cornice().mnuOpzioni->Scegli();
        QVERIFY(p.Frame1->isVisible());
        QCOMPARE(p.Frame1->Width(), f->Width());
        QCOMPARE(p.Label1->Caption(), QString("9"));
        if (f->cornice().Timer1) QVERIFY(!f->cornice().Timer1->Enabled());
        p.HScroll1->setValue(5);
        QCOMPARE(f->NumeroRighe, std::int16_t(5));
        QCOMPARE(p.Label1->Caption(), QString("5"));
        QVERIFY(f->Label4(8).isVisible()); // the rows change only at "Chiudi"
        QTest::mouseClick(p.Command4, Qt::LeftButton);
        QVERIFY(!p.Frame1->isVisible());
        QCOMPARE(f->RigheInUso(), 5);
        QVERIFY(f->Label4(4).isVisible());
        QVERIFY(!f->Label4(5).isVisible());
        if (f->cornice().Timer1) QVERIFY(f->cornice().Timer1->Enabled());
    }
}

// Lists that give no item: one notice, nothing on screen, and the window goes on with another list.
void TestCoppie::listeSenzaElementi_data()
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
}

void TestCoppie::listeSenzaElementi()
{
    QFETCH(QString, finestra);
    QFETCH(QByteArray, lista);
    QFETCH(int, righe);
    Ambiente a;
    a.Scrivi(Lista, lista);
    a.p->ModalitaInput = finestra.endsWith('s') ? ModoScansioneManuale : ModoMouse;
    auto* f = a.Apri<FinestraCoppie>(finestra);
    QCOMPARE(int(a.servizi->messaggi.size()), righe == 0 ? 1 : 0);
    if (auto* p = dynamic_cast<FinestraSoggettoPredicato*>(f)) {
        QVERIFY(!p->CoppiaInCorso());
        QCOMPARE(p->Label3(0).Caption(), QString());
        QVERIFY(p->cornice().mnuLivelli->Utilizzabile());
        if (auto* s = dynamic_cast<Form1s*>(f)) {
            QVERIFY(!s->controlli().Shape1->isVisible());
            tastiera::Batti(s->cornice().Scansione->PictureScansioneManuale(), Qt::Key_Return);
            QCOMPARE(int(a.servizi->messaggi.size()), 1); // said once
        }
    } else {
        auto* m = dynamic_cast<FinestraAbbina*>(f);
        QCOMPARE(m->RigheInUso(), righe);
        for (int i = 0; i < FinestraAbbina::Righe; ++i) QCOMPARE(m->Label4(i).isVisible(), i < righe);
        if (auto* s = dynamic_cast<Form3s*>(f)) {
            QCOMPARE(s->controlli().Shape1->isVisible(), righe > 0);
            tastiera::Batti(s->cornice().Scansione->PictureScansioneManuale(), Qt::Key_Return);
            QCOMPARE(int(a.p->Errati) + int(a.p->Esatti), righe > 0 ? 1 : 0);
        }
    }
    // Another list, and the window goes on.
    a.servizi->fileScelti = {a.Scrivi("altra.txt", Coppie(9))};
    f->cornice().mnuCambia->Scegli();
    if (auto* p = dynamic_cast<FinestraSoggettoPredicato*>(f))
        QVERIFY(!p->Label3(0).Caption().isEmpty());
    else
        QCOMPARE(dynamic_cast<FinestraAbbina*>(f)->RigheInUso(), 9);
}

// An item with an empty predicate is never drawn, in any pair window.
void TestCoppie::predicatoVuotoMaiEstratto()
{
    const QByteArray lista = "\"il cane\",0,\"\",1\n\"il gatto\",0,\"miagola\",1\n\"il gallo\",1,\"canta\",1\n";
    Ambiente a;
    a.Scrivi(Lista, lista);
    auto* f = a.Apri<Form1>("Form1");
    for (int i = 0; i < 20; ++i) {
        f->NuovaFrase();
        QCOMPARE(a.p->IndiceFrase, std::int16_t(2));
    }
}

// A shorter list after a longer one never shows what the longer one had in the same place.
void TestCoppie::nessunaCoppiaAvanzata()
{
    Ambiente a;
    a.Scrivi(Lista, Coppie(5));
    auto* f = a.Apri<Form1>("Form1");
    a.servizi->fileScelti = {a.Scrivi("corta.txt", "\"abbaia\",1,\"corre\",1\n\"il gatto\",0,\"miagola\",1\n")};
    f->cornice().mnuCambia->Scegli();
    QCOMPARE(f->Soggetti[1], QString());
    for (int i = 0; i < 10; ++i) {
        f->NuovaFrase();
        QCOMPARE(f->Label3(0).Caption(), QString("il gatto"));
    }
}

// Rows and boxes are placed right whatever the window's size, even where the first row's top
// comes to 0.
void TestCoppie::posizioniAOgniDimensione()
{
    Ambiente a;
    a.Scrivi(Lista, Coppie(12));
    auto* f = a.Apri<Form3>("Form3");
    for (const QSize esterne : {QSize(8790 * 2, 7320 * 2), QSize(600, 300)}) {
        f->setDimensioniEsterne(esterne.width(), esterne.height());
        QCoreApplication::processEvents();
        f->NuovoEsercizio();
        QSet<int> soggetti;
        for (int k = 0; k < 9; ++k) {
            QCOMPARE(f->Label3(f->SoggettoDellaRiga[k]).Top(), f->Label4(k).Top());
            soggetti.insert(f->SoggettoDellaRiga[k]);
        }
        QCOMPARE(soggetti.size(), 9);
    }

    auto* g = a.Apri<Form1>("Form1");
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

FRASOLINO_TEST(TestCoppie);
#include "tst_coppie.moc"
