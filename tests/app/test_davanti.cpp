// Who is in front, on every control of a window after a script: nothing over the shown grid, no
// word or frame over a panel, a button or the status bar, and every frame under the labels it marks
// and seen round them.
#include "suite.h"
#include "ambiente.h"

#include "exercises/sentences/finestracomplementi.h"

#include <QtTest>

// The shown siblings lying over `w` somewhere.
static QList<QWidget*> Sopra(QWidget* w)
{
    QList<QWidget*> sopra;
    for (QObject* o : w->parentWidget()->children().sliced(w->parentWidget()->children().indexOf(w) + 1))
        if (auto* x = qobject_cast<QWidget*>(o); x && x->isVisible() && x->geometry().intersects(w->geometry())) sopra << x;
    return sopra;
}

class TestDavanti : public QObject {
    Q_OBJECT
private slots:
    // In automatic scanning. Script: the key script's letters, G the grid shown and "stampa" answered
    // No (the scan runs on), V level 3, A every part dropped on the predicate box (pronoun phase),
    // N the next sentence (the help button back at its place).
    void davanti_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("script");
        QTest::newRow("Form2s found word") << "Form2s" << "TS";
        QTest::newRow("Form4s found word") << "Form4s" << "S";
        QTest::newRow("Form3s two-line box") << "Form3s" << "T";
        QTest::newRow("Form1s frames") << "Form1s" << "T";
        for (const char* nome : {"Form2s", "Form4s", "Form1s", "Form3s", "Form7s"}) QTest::newRow(qPrintable(QString(nome) + " grid")) << nome << "GTPQTT";
        for (const char* nome : {"Form15", "Form15s", "Form7", "Form11", "Form14"}) QTest::newRow(nome) << nome << "";
        QTest::newRow("Form4 level 3") << "Form4" << "V";
        for (const char* nome : {"Form7", "Form11", "Form14"}) QTest::newRow(qPrintable(QString(nome) + " pronouns")) << nome << "A";
        QTest::newRow("Form11 pronouns, next") << "Form11" << "AN";
    }
    void davanti()
    {
        QFETCH(QString, nome);
        QFETCH(QString, script);
        // A found word, or two-line predicates, or a sentence on two rows.
        QString righe = "il telefono#0#squilla#1#nel cortile#2#";
        if (nome == "Form1s" || nome == "Form3s")
            righe = "\"la balena\",0,\"nuota piano e soffia l'acqua dallo sfiatatoio\",1\n\"il delfino\",0,"
                    "\"salta fuori dall'acqua e torna nel mare\",1\n\"la foca\",0,\"si scalda al sole sopra gli scogli\",1";
        else if (!nome.endsWith('s') || nome == "Form15s") {
            righe = "[io]#0#";
            for (int k = 1; k < 5; ++k) righe += QString("camminavano%1#1#").arg(k % 10);
        }
        const QString lista = nome == "Form1s" || nome == "Form3s" ? "soggettopredicato/lista.txt"
                              : nome.startsWith("Form15") ? "Riconoscisoggettopredicato/sottinteso.txt"
                              : nome == "Form4" ? "Riconoscisoggettopredicato/liv3.txt"
                              : nome[4] == '2' || nome[4] == '4' ? "Riconoscisoggettopredicato/liv1.txt"
                                                                 : "complementi/prova.txt";
        ProvaFinestra<FinestraEsercizio> t(nome, {.lista = "testifrasolino/" + lista, .righe = righe.toUtf8() + "\n",
                                                  .modo = ModoScansioneAutomatica, .complemento = 3});
        FinestraEsercizio& f = *t.f;
        QVERIFY(f.Caricata()); // a line every window can draw: in automatic scanning none would close it
        auto* complementi = dynamic_cast<FinestraComplementi*>(&f);
        for (const QChar c : script) {
            if (c == 'G') {
                f.cornice().mnuVisual->Scegli();
                t.a.servizi->risposte = {msg::RispostaNo};
                f.cornice().mnustampa->Scegli();
            } else if (c == 'V') {
                f.cornice().mnuLivelli->setBloccato(false);
                f.mnuLiv_Click(3);
            } else if (c == 'A') {
                for (Etichetta& e : complementi->Parole.Label3)
                    if (e.isVisible()) complementi->Label4_DragDrop(1, &e);
                QVERIFY(complementi->Pronomi.Frame1->isVisible());
            } else if (c == 'N') {
                complementi->CaricaFrase();
                QCOMPARE(complementi->controlli().Command2->Top(), 4800);
            } else {
                t.Tasti(c);
            }
        }
        const bool griglia = f.cornice().Griglia->isVisible();
        if (griglia) QCOMPARE(t.Punteggio(), QString("0 0")); // nothing judged behind the grid
        for (QWidget* w : f.client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!w->isVisible()) continue;
            if (w == f.cornice().Griglia) QCOMPARE(Sopra(w), QList<QWidget*>());
            // No word or frame over a panel, a button or the status bar, no button over a panel's
            // buttons; every button takes its clicks.
            for (QWidget* x : qobject_cast<Cornice*>(w) || qobject_cast<Bottone*>(w) || w == f.cornice().StatusBar1 ? Sopra(w) : QList<QWidget*>())
                QVERIFY(!qobject_cast<Etichetta*>(x) && !qobject_cast<Forma*>(x) && !(qobject_cast<Cornice*>(w) && qobject_cast<Bottone*>(x)));
            if (qobject_cast<Bottone*>(w) && !griglia) QCOMPARE(f.client()->childAt(w->geometry().center()), w);
            auto* forma = qobject_cast<Forma*>(w);
            if (!forma) continue;
            // A frame lies under the labels it marks (those at its middle), whose backgrounds hide
            // the inner half of its band; its outer half shows round them, under nothing but the
            // words beside them.
            const QRegion esterna = QRegion(forma->geometry()) - QRegion(forma->Rettangolo());
            QRegion vista = esterna;
            for (Etichetta* e : f.client()->findChildren<Etichetta*>(Qt::FindDirectChildrenOnly)) {
                if (!e->isVisible() || !e->geometry().contains(forma->Rettangolo().center())) continue;
                QVERIFY(Sopra(forma).contains(e));
                QVERIFY(e->BackStyleOpaco());
                QVERIFY(!esterna.intersects(e->geometry()));
            }
            if (griglia) continue; // nothing shows under it
            for (QWidget* x : Sopra(forma)) {
                QVERIFY(qobject_cast<Etichetta*>(x) || !esterna.intersects(x->geometry()));
                vista -= QRegion(x->geometry());
            }
            QVERIFY(!vista.isEmpty());
        }
    }
};

#include "test_davanti.moc"

FRASOLINO_TEST(TestDavanti);
