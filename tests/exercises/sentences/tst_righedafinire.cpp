// Every sentence window draws only the lines the learner can finish in it, with every word in sight.
// When the chosen list has none, the window says so once and shows nothing of the earlier sentence,
// whatever the keys do.
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
        QTest::newRow("Form4, a part wider than the window")
            << "Form4" << QByteArray("il bambino#0#legge#1#per tutto il lungo pomeriggio d'estate sotto il grande albero#10#\n") << "";
        // The most parts a line holds: more rows of words than the sentence area has.
        const QByteArray lunga = "[noi]#0#" + QByteArray("la mela#2#").repeated(59) + "\n";
        for (const char* f : {"Form5", "Form5s", "Form15"})
            QTest::addRow("%s, 60 parts passed over", f) << QString(f) << lunga + "[Io]#0#mangio#1#la pera#2#\n" << "mangio la pera ";
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

    // Lines of 2 to 60 parts: those drawn, short ones first, reach a second row, and every word
    // stands on the client area clear of every other control shown but the marks under the words.
    void paroleInVista_data()
    {
        QTest::addColumn<QString>("finestra");
        for (const char* f : {"Form2", "Form2s", "Form4", "Form4s", "Form5", "Form5s", "Form7", "Form7s", "Form11",
                              "Form11s", "Form14", "Form14s", "Form15", "Form15s"})
            QTest::newRow(f) << QString(f);
    }
    void paroleInVista()
    {
        QFETCH(QString, finestra);
        ProvaFinestra<FinestraFrase> p(finestra, {.lista = "prova.txt", .righe = "Il gatto#0#dorme#1#\n", .complemento = 10});
        FinestraFrase& f = *p.f;
        auto parola = [&f](const QWidget* w) {
            return std::any_of(f.Parole.Label3.begin(), f.Parole.Label3.end(), [w](const Etichetta& e) { return &e == w; });
        };
        // A subject (implied in "soggetto sottinteso") and a predicate, then objects and the like.
        QByteArray riga = finestra.startsWith("Form15") ? "[noi]#0#parola#1#" : "parola#0#parola#1#";
        int disegnate = 0, righeParole = 0;
        for (int parti = 2; parti <= 60; ++parti, riga += "parola#" + QByteArray::number(parti % 3) + "#") {
            p.a.servizi->fileScelti.push_back(p.a.Scrivi("riga.txt", riga + "\n"));
            f.mnuCambia_Click();
            if (!f.FraseInCorso()) continue;
            QCOMPARE(++disegnate, parti - 1);
            QSet<int> righe;
            for (const Etichetta& e : f.Parole.Label3) {
                if (!e.isVisible()) continue;
                righe << e.y();
                QVERIFY(f.client()->rect().contains(e.geometry()));
                for (QWidget* w : f.client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                    if (w->isVisible() && !parola(w) && !qobject_cast<Forma*>(w))
                        QVERIFY2(!w->geometry().intersects(e.geometry()), w->metaObject()->className());
            }
            righeParole = int(righe.size());
        }
        QVERIFY(disegnate >= 3);
        QVERIFY(righeParole >= 2);
    }
};

FRASOLINO_TEST(TestRigheDaFinire);
#include "tst_righedafinire.moc"
