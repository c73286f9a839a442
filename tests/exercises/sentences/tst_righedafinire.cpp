// Every sentence window draws only the lines the learner can finish in it. When the chosen list has
// none, the window says so once and shows nothing of the earlier sentence, whatever the keys do.
#include "suite.h"
#include "ambiente.h"
#include "exercises/sentences/finestrafrase.h"

#include <QtTest>

// What a window shows of a sentence: bars and frames, controls in the scan colour, the help button.
static QStringList Segni(const FinestraFrase& f, Colore scansione)
{
    QStringList segni;
    for (QWidget* w : f.widget()->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        if (dynamic_cast<Forma*>(w)) segni << "forma";
        if (auto* b = dynamic_cast<Bottone*>(w); b && (b->BackColor() == scansione || b->Caption() == "aiuto"))
            segni << b->Caption();
        if (auto* e = dynamic_cast<Etichetta*>(w); e && e->BackColor() == scansione) segni << e->Caption();
    }
    return segni;
}

class TestRigheDaFinire : public QObject {
    Q_OBJECT
private slots:
    void righe_data()
    {
        QTest::addColumn<QString>("finestra"); // the scanning windows worked with the arrows
        QTest::addColumn<QByteArray>("righe");
        QTest::addColumn<QString>("frase"); // drawn every time; empty: the notice
        for (const char* f : {"Form7s", "Form7", "Form15s", "Form4s"})
            QTest::addRow("%s, the pair list", f) << QString(f) << QByteArray("\"il cane\",0,\"abbaia\",1\n") << "";
        const char* ruoli[][2] = {{"Form5", "10"}, {"Form7", "99"}, {"Form11s", "-1"}, {"Form14", "2147483648"}, {"Form14s", "11"}};
        for (const auto& [f, ruolo] : ruoli)
            QTest::addRow("%s, role %s", f, ruolo) << QString(f) << "Ugo#0#ride#1#qui#" + QByteArray(ruolo) + "#\n" << "";
        const char* righe[][2] = {{"Form7s", "[xyz]#0#corre#1#"}, {"Form15", "[xyz]#0#corre#1#"}, {"Form4", "[xyz]#0#corre#1#"},
                                  {"Form15s", "il cane#0#abbaia#1#"}, {"Form2", "il gatto#0#qui#8#"}, {"Form4s", "corre#1#qui#9#"}};
        for (const auto& [f, riga] : righe) QTest::addRow("%s, %s", f, riga) << QString(f) << QByteArray(riga) + "\n" << "";
        QTest::newRow("Form7, role 11 passed over") << "Form7" << QByteArray("qui#11#\nIl gatto#0#dorme#1#\n") << "Il gatto dorme ";
        // Level 1: no pronoun buttons to name an implied subject with.
        QTest::newRow("Form4, [Noi] at level 1") << "Form4" << QByteArray("[Noi]#0#siamo tornati#1#da scuola#8#\n") << "";
        QTest::newRow("Form11, [Lui]") << "Form11" << QByteArray("[xyz]#0#sta#1#\n[Lui]#0#va#1#in bici#6#\n") << "va in bici ";
    }
    void righe()
    {
        QFETCH(QString, finestra);
        QFETCH(QByteArray, righe);
        QFETCH(QString, frase);
        // The window opens on a list it can draw; the learner then chooses the row's list.
        const bool tasti = finestra.endsWith('s');
        ProvaFinestra<FinestraFrase> p(finestra, {.lista = "prova.txt", .righe = "Il gatto#0#dorme#1#\n",
                                                  .modo = tasti ? ModoFrecce : ModoMouse, .complemento = 10});
        QVERIFY(p.f->FraseInCorso());
        p.a.servizi->fileScelti.push_back(p.a.Scrivi("scelta.txt", righe));
        p.f->mnuCambia_Click();
        for (int volte = 0; volte < 6 && !frase.isEmpty(); ++volte, p.f->CaricaFrase()) QCOMPARE(p.f->TestoFrase, frase);
        if (tasti) p.Tasti("SERDS");
        QCOMPARE(p.f->FraseInCorso(), !frase.isEmpty());
        QCOMPARE(p.a.servizi->TestiMessaggi(), frase.isEmpty() ? QStringList{MessaggioNessunaFrase} : QStringList());
        if (frase.isEmpty()) QCOMPARE(Segni(*p.f, p.a.p->ColoreScansioneRgb()), QStringList());
    }
};

FRASOLINO_TEST(TestRigheDaFinire);
#include "tst_righedafinire.moc"
