// The status bar and the results grid.
#include "platform/barrastato.h"
#include "platform/griglia.h"
#include "platform/twips.h"
#include "suite.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

namespace {

QPixmap Immagine(int larghezza, int altezza)
{
    QPixmap p(larghezza, altezza);
    p.fill(Qt::green);
    return p;
}

// The exercise windows' three panels, with pictures of their sizes.
void TrePannelli(BarraStato& b)
{
    b.AggiungiPannello({QStringLiteral("Esatti"), Immagine(49, 32), 3000, 3000, true});
    b.AggiungiPannello({QStringLiteral("Errati"), Immagine(37, 32), 3000, 3000, true});
    b.AggiungiPannello({QStringLiteral("Avanti"), Immagine(185, 96), 3615, 1440, false});
}

} // namespace

class TestBarraStato : public QObject {
    Q_OBJECT
private slots:
    void agganciataInBasso()
    {
        QWidget w;
        w.resize(600, 400);
        auto* b = new BarraStato(&w);
        w.show();
        QCOMPARE(b->Height(), 495);
        QCOMPARE(b->geometry(), QRect(0, 400 - 33, 600, 33));
        w.resize(900, 500);
        QCOMPARE(b->geometry(), QRect(0, 500 - 33, 900, 33));
        b->setHeight(600);
        QCOMPARE(b->geometry(), QRect(0, 500 - 40, 900, 40));
        QCOMPARE(b->font().family(), QStringLiteral("Arial"));
        QVERIFY(b->font().bold());
        QCOMPARE(b->font().pointSizeF(), 12.0);
        b->setCarattere(QStringLiteral("Arial"), 14.25, true);
        QCOMPARE(b->font().pointSizeF(), 14.25);
    }

    void pannelliAffiancati()
    {
        QWidget w;
        w.resize(800, 300);
        auto* b = new BarraStato(&w);
        TrePannelli(*b);
        QCOMPARE(b->NumeroPannelli(), 3);
        QCOMPARE(b->RettangoloPannello(1), QRect(0, 0, 200, 33));
        // The last shown panel reaches the end of the bar.
        QCOMPARE(b->RettangoloPannello(2), QRect(200, 0, 600, 33));
        QVERIFY(b->RettangoloPannello(3).isEmpty());
        b->setPannelloVisibile(3, true);
        QCOMPARE(b->RettangoloPannello(2), QRect(200, 0, 200, 33));
        QCOMPARE(b->RettangoloPannello(3), QRect(400, 0, 400, 33));
        // A hidden middle panel takes no room.
        b->setPannelloVisibile(2, false);
        QCOMPARE(b->RettangoloPannello(3).left(), 200);
        QVERIFY(b->RettangoloPannello(0).isEmpty());
        QVERIFY(b->RettangoloPannello(4).isEmpty());
        // A width below the minimum gives way to the minimum.
        b->AggiungiPannello({QStringLiteral("d"), {}, 300, 1500, true});
        b->AggiungiPannello({QStringLiteral("e"), {}, 300, 300, true});
        QCOMPARE(b->RettangoloPannello(4), QRect(441, 0, 100, 33));
    }

    // A bar narrower than its panels' widths: the panels share it from end to end, in order. They
    // give up first the room beyond their pictures and texts, then their pictures' room, and the
    // texts' own only on a bar too narrow for the texts.
    void larghezzaMinima_data()
    {
        QTest::addColumn<int>("larghezza");
        QTest::addColumn<double>("scalaY");
        QTest::addColumn<bool>("immaginiIntere");
        QTest::addColumn<bool>("testiInteri");
        QTest::newRow("narrower than the minimum widths") << 480 << 1.0 << true << true;
        QTest::newRow("room for the texts, not the pictures") << 360 << 3.0 << false << true;
        QTest::newRow("room for neither") << 90 << 1.0 << false << false;
    }
    void larghezzaMinima()
    {
        QFETCH(int, larghezza);
        QFETCH(double, scalaY);
        QFETCH(bool, immaginiIntere);
        QFETCH(bool, testiInteri);
        QWidget w;
        w.resize(larghezza, 300);
        auto* b = new BarraStato(&w);
        TrePannelli(*b);
        b->setText(1, QStringLiteral("Esatti 32767"));
        b->setText(2, QStringLiteral("Errati 32767"));
        b->setPannelloVisibile(3, true);
        b->setScala(1.0, scalaY);
        const QFontMetricsF fm(b->font());
        int x = 0;
        for (int i = 1; i <= 3; ++i) {
            const QRect p = b->RettangoloPannello(i), t = b->RettangoloTesto(i), img = b->RettangoloImmagine(i);
            QCOMPARE(p.left(), x);
            QVERIFY(p.width() > 0);
            x = p.right() + 1;
            QVERIFY(p.contains(img) || img.isEmpty());
            QVERIFY(!img.intersects(t));
            QCOMPARE(immaginiIntere, !img.isEmpty() && img.height() == t.height());
            QCOMPARE(testiInteri, fm.horizontalAdvance(b->Text(i)) <= t.width());
        }
        QCOMPARE(x, larghezza);
    }

    void clickPerPosizione_data()
    {
        QTest::addColumn<bool>("avantiVisibile");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("pannello");
        QTest::newRow("panel 1") << true << 10 << 1;
        QTest::newRow("panel 2") << true << 250 << 2;
        QTest::newRow("panel 3") << true << 500 << 3;
        QTest::newRow("panel 3 hidden: panel 2 reaches the end") << false << 500 << 2;
    }
    void clickPerPosizione()
    {
        QFETCH(bool, avantiVisibile);
        QFETCH(int, x);
        QFETCH(int, pannello);
        QWidget w;
        w.resize(800, 300);
        auto* b = new BarraStato(&w);
        TrePannelli(*b);
        b->setPannelloVisibile(3, avantiVisibile);
        w.show();
        QSignalSpy click(b, &BarraStato::PanelClick);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(x, 10));
        QCOMPARE(click.count(), 1);
        QCOMPARE(click.at(0).at(0).toInt(), pannello);
        QCOMPARE(b->PannelloA(QPoint(x, 10)), pannello);
    }

    void testi()
    {
        BarraStato b;
        TrePannelli(b);
        b.setText(1, QStringLiteral("Esatti 0"));
        QCOMPARE(b.Text(1), QStringLiteral("Esatti 0"));
        QCOMPARE(b.Panel(3).Text, QStringLiteral("Avanti"));
        QVERIFY(!b.PannelloVisibile(3));
    }

    void disegnaTestoEImmagine()
    {
        QWidget w;
        w.resize(600, 100);
        auto* b = new BarraStato(&w);
        b->AggiungiPannello({QStringLiteral("Esatti 3"), Immagine(20, 20), 3000, 3000, true});
        w.show();
        const QImage img = b->grab().toImage();
        // The picture is at the left of the panel, scaled into the bar.
        bool trovatoVerde = false;
        for (int x = 0; x < 40 && !trovatoVerde; ++x)
            if (img.pixelColor(x, 16) == QColor(Qt::green)) trovatoVerde = true;
        QVERIFY(trovatoVerde);
    }
};
FRASOLINO_TEST(TestBarraStato);

class TestGriglia : public QObject {
    Q_OBJECT
private slots:
    void righeEColonne()
    {
        ModelloGriglia m;
        QCOMPARE(m.Rows(), 2);
        QCOMPARE(m.Cols(), 2);
        m.setCols(4);
        m.setRows(1);
        m.setTextMatrix(0, 1, QStringLiteral("Frase"));
        m.setRows(3);
        m.setTextMatrix(2, 3, QStringLiteral("x"));
        QCOMPARE(m.TextMatrix(0, 1), QStringLiteral("Frase"));
        QCOMPARE(m.TextMatrix(2, 3), QStringLiteral("x"));
        QCOMPARE(m.TextMatrix(1, 1), QString());
        QCOMPARE(m.rowCount(), 3);
        QCOMPARE(m.columnCount(), 4);
        // Shrinking drops what falls out, growing again brings empty cells.
        m.setRows(2);
        m.setRows(3);
        QCOMPARE(m.TextMatrix(2, 3), QString());
        QCOMPARE(m.TextMatrix(0, 1), QStringLiteral("Frase"));
        // Outside the table: nothing, and nothing happens.
        m.setTextMatrix(5, 5, QStringLiteral("y"));
        QCOMPARE(m.TextMatrix(5, 5), QString());
        QCOMPARE(m.TextMatrix(-1, 0), QString());
    }

    void cellaCorrente()
    {
        ModelloGriglia m;
        m.setCols(3);
        m.setRows(4);
        m.setRow(2);
        m.setCol(1);
        m.setText(QStringLiteral("gatto"));
        QCOMPARE(m.TextMatrix(2, 1), QStringLiteral("gatto"));
        QCOMPARE(m.Text(), QStringLiteral("gatto"));
        m.setRow(0);
        QCOMPARE(m.Row(), 0);
        QCOMPARE(m.Text(), QString());
        m.setRow(9); // out of range: unchanged
        QCOMPARE(m.Row(), 0);
        m.setRows(1);
        QCOMPARE(m.Row(), 0);
        m.setRow(3);
        QCOMPARE(m.Row(), 0);
    }

    void larghezzeEAllineamenti()
    {
        ModelloGriglia m;
        m.setCols(3);
        m.setRows(2);
        m.setColWidth(1, 4500);
        QCOMPARE(m.ColWidth(1), 4500);
        m.setColAlignment(2, ModelloGriglia::Centro);
        m.setFixedAlignment(1, ModelloGriglia::CentroCentro);
        m.setRow(0);
        m.setCol(2);
        m.setCellAlignment(ModelloGriglia::Destra);
        auto allineamento = [&](int r, int c) {
            return m.data(m.index(r, c), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask;
        };
        QCOMPARE(allineamento(1, 2), Qt::AlignHCenter);
        QCOMPARE(allineamento(1, 1), Qt::AlignLeft);
        QCOMPARE(allineamento(0, 1), Qt::AlignHCenter);
        QCOMPARE(allineamento(0, 2), Qt::AlignRight);
        QCOMPARE(m.ColAlignment(2), 2);
        // Fixed cells are grey, the others white.
        QCOMPARE(m.data(m.index(0, 1), Qt::BackgroundRole).value<QBrush>().color(), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(m.data(m.index(1, 0), Qt::BackgroundRole).value<QBrush>().color(), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(m.data(m.index(1, 1), Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::white));
    }

    void vista()
    {
        QWidget w;
        auto* g = new Griglia(&w);
        g->Modello().setCols(3);
        g->Modello().setColWidth(0, 450);
        g->Modello().setColWidth(1, 3000);
        QFont f(QStringLiteral("Arial"));
        f.setPointSize(12);
        g->Modello().setFont(f);
        g->Modello().setTextMatrix(0, 1, QStringLiteral("Frase"));
        g->Aggiorna();
        g->Move(0, 0, 6000, 3000);
        QCOMPARE(g->geometry(), QRect(0, 0, 400, 200));
        QCOMPARE(g->Width(), 6000);
        QCOMPARE(g->columnWidth(0), 30);
        QCOMPARE(g->columnWidth(1), 200);
        QCOMPARE(g->font().pointSize(), 12);
        QVERIFY(g->horizontalHeader()->isHidden());
        QVERIFY(g->verticalHeader()->isHidden());
        QCOMPARE(g->model()->data(g->model()->index(0, 1)).toString(), QStringLiteral("Frase"));
        g->hide();
        QVERIFY(!g->Visible());
    }
};
FRASOLINO_TEST(TestGriglia);

#include "test_barra_griglia.moc"
