// The controls: labels (auto size, copies, clicks, drag and drop), buttons, check boxes, option
// buttons, shapes and the focus box's key codes.
#include "platform/controlli.h"
#include "platform/registrotasti.h"
#include "platform/twips.h"
#include "suite.h"
#include "tastiera.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFontMetricsF>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// Sends a drag-enter, drag-move and drop with the given payload to a widget, as a real drag
// does; returns whether the drop was accepted.
bool Trascina(QWidget* bersaglio, QMimeData* dati)
{
    const QPointF punto(bersaglio->width() / 2.0, bersaglio->height() / 2.0);
    QDragEnterEvent entra(punto.toPoint(), Qt::MoveAction, dati, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bersaglio, &entra);
    if (!entra.isAccepted()) return false;
    QDragMoveEvent muovi(punto.toPoint(), Qt::MoveAction, dati, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bersaglio, &muovi);
    if (!muovi.isAccepted()) return false;
    QDropEvent rilascio(punto, Qt::MoveAction, dati, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bersaglio, &rilascio);
    return rilascio.isAccepted();
}

// The program's record of the keys, for one test, asking a display server that holds `giu` down.
struct RegistroConServer {
    explicit RegistroConServer(const std::bitset<256>& giu)
    {
        delete RegistroTasti::Installato();
        new RegistroTasti(*qApp, [this] { return std::optional(server); });
        server = giu;
    }
    ~RegistroConServer()
    {
        delete RegistroTasti::Installato();
        new RegistroTasti(*qApp);
    }
    std::bitset<256> server;
};

// Space with the key code a display server gives it.
void Spazio(QWidget* w, QEvent::Type tipo)
{
    QKeyEvent e(tipo, Qt::Key_Space, Qt::NoModifier, 65, 32, 0, QStringLiteral(" "));
    QApplication::sendEvent(w, &e);
}

} // namespace

class TestControlli : public QObject {
    Q_OBJECT
private slots:
    void geometriaInTwips()
    {
        QWidget w;
        Etichetta e(&w);
        e.Move(150, 300, 1500, 495);
        QCOMPARE(e.geometry(), QRect(10, 20, 100, 33));
        QCOMPARE(e.Left(), 150);
        QCOMPARE(e.Top(), 300);
        QCOMPARE(e.Width(), 1500);
        QCOMPARE(e.Height(), 495);
        e.setLeft(100); // 6.67 pixels: the nearest pixel
        QCOMPARE(e.Left(), 105);
        e.setWidth(-30);
        QCOMPARE(e.Width(), 0);
        e.Move(0, 0);
        QCOMPARE(e.pos(), QPoint(0, 0));
    }

    void autoSize()
    {
        QWidget w;
        Etichetta e(&w);
        e.setCarattere(QStringLiteral("DejaVu Sans"), 14);
        e.setAutoSize(true);
        e.setCaption(QStringLiteral("cane "));
        const QFontMetricsF fm(e.font());
        QCOMPARE(e.width(), static_cast<int>(std::ceil(fm.horizontalAdvance(QStringLiteral("cane ")))));
        QCOMPARE(e.height(), static_cast<int>(std::ceil(fm.height())));
        const int corta = e.width();
        e.setCaption(QStringLiteral("cane nero "));
        QVERIFY(e.width() > corta);
        // The trailing blank counts, and is kept in the caption.
        e.setCaption(QStringLiteral("cane"));
        QVERIFY(e.width() < corta);
        e.setCaption(QStringLiteral("cane "));
        QCOMPARE(e.Caption(), QStringLiteral("cane "));
        QCOMPARE(e.width(), corta);
        // A larger font makes a larger label.
        e.setCarattere(QStringLiteral("DejaVu Sans"), 28);
        QVERIFY(e.width() > corta);
        // Without auto size the size stays as set.
        e.setAutoSize(false);
        e.setWidth(3000);
        e.setCaption(QStringLiteral("x"));
        QCOMPARE(e.Width(), 3000);
        // Turning it on fits at once.
        e.setAutoSize(true);
        QVERIFY(e.Width() < 3000);
    }

    void captionNonInterpretata()
    {
        Etichetta e;
        e.setCaption(QStringLiteral("<b>a</b> &  "));
        QCOMPARE(e.Caption(), QStringLiteral("<b>a</b> &  "));
        QCOMPARE(e.textFormat(), Qt::PlainText);
    }

    void colori()
    {
        Etichetta e;
        e.setBackColor(0x80FF80);
        e.setForeColor(0x0000FF);
        QCOMPARE(e.BackColor(), Colore(0x80FF80));
        QCOMPARE(e.palette().color(QPalette::Window), QColor(0x80, 0xFF, 0x80));
        QCOMPARE(e.palette().color(QPalette::Active, QPalette::WindowText), QColor(0xFF, 0, 0));
        QVERIFY(e.autoFillBackground());
        e.setBackStyleOpaco(false);
        QVERIFY(!e.autoFillBackground());
        // The pixels show the colour.
        e.setBackStyleOpaco(true);
        e.resize(20, 10);
        e.setCaption(QString());
        const QImage img = e.grab().toImage();
        QCOMPARE(img.pixelColor(5, 5), QColor(0x80, 0xFF, 0x80));
        // A disabled label (a finished sentence) keeps its text colour, so it stays readable.
        e.setEnabled(false);
        QCOMPARE(e.palette().color(QPalette::Disabled, QPalette::WindowText), QColor(0xFF, 0, 0));
        // Unless asked to grey its text (a word already tried), still readable on its back colour,
        // and its copies do the same.
        e.setGrigiaSeDisabilitata(true);
        const QColor grigio = e.palette().color(QPalette::Disabled, QPalette::WindowText);
        QCOMPARE(grigio, QColor(0x66, 0x66, 0x66));
        QVERIFY(colore::Contrasto(colore::daQColor(grigio), e.BackColor()) >= 4.5);
        QCOMPARE(e.palette().color(QPalette::Active, QPalette::WindowText), QColor(0xFF, 0, 0));
        std::unique_ptr<Etichetta> copia(e.Clona());
        QCOMPARE(copia->palette().color(QPalette::Disabled, QPalette::WindowText), grigio);
    }

    void puntatore()
    {
        QWidget w;
        Etichetta& e = *new Etichetta(&w);
        e.setPuntatore(QCursor(Qt::PointingHandCursor));
        QVERIFY(e.HaPuntatorePersonale());
        QVERIFY(e.testAttribute(Qt::WA_SetCursor));
        QCOMPARE(e.cursor().shape(), Qt::PointingHandCursor);
        e.setPuntatore(std::nullopt);
        QVERIFY(!e.HaPuntatorePersonale());
        QVERIFY(!e.testAttribute(Qt::WA_SetCursor));
    }

    void clona()
    {
        QWidget w;
        auto* e = new Etichetta(&w);
        e->setCarattere(QStringLiteral("DejaVu Serif"), 16, true, true);
        e->setCaption(QStringLiteral("soggetto "));
        e->setAutoSize(true);
        e->Move(300, 450);
        e->setBackColor(0xC0C0FF);
        e->setForeColor(0x000080);
        e->setTag(QStringLiteral("0"));
        e->setPuntatore(QCursor(Qt::PointingHandCursor));
        e->setTrascinamentoAutomatico(true);
        e->setAllineamento(2);
        e->setBordo(true);
        e->setEnabled(false);
        w.show();
        QVERIFY(e->isVisible());

        std::unique_ptr<Etichetta> c(e->Clona());
        QCOMPARE(c->parentWidget(), &w);
        QVERIFY(c->isHidden());
        QCOMPARE(c->Caption(), e->Caption());
        QCOMPARE(c->geometry(), e->geometry());
        QCOMPARE(c->font(), e->font());
        QCOMPARE(c->BackColor(), Colore(0xC0C0FF));
        QCOMPARE(c->ForeColor(), Colore(0x000080));
        QCOMPARE(c->Tag(), QStringLiteral("0"));
        QVERIFY(c->HaPuntatorePersonale());
        QCOMPARE(c->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(c->TrascinamentoAutomatico());
        QCOMPARE(c->Allineamento(), 2);
        QVERIFY(c->Bordo());
        QVERIFY(!c->isEnabled());
        QVERIFY(c->AutoSize());
        QVERIFY(c->acceptDrops());

        // A copy of the present state, not of the design: later changes are not shared.
        e->setCaption(QStringLiteral("altro "));
        QCOMPARE(c->Caption(), QStringLiteral("soggetto "));
        e->setEnabled(true);
        e->setPuntatore(std::nullopt);
        std::unique_ptr<Etichetta> d(e->Clona());
        QVERIFY(d->isEnabled());
        QVERIFY(!d->HaPuntatorePersonale());
    }

    void click()
    {
        QWidget w;
        auto* e = new Etichetta(&w);
        e->setGeometry(10, 10, 80, 20);
        w.show();
        QSignalSpy click(e, &Etichetta::Click);
        QTest::mouseClick(e, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(click.count(), 1);
        // Released outside: no click.
        QTest::mousePress(e, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(e, Qt::LeftButton, {}, QPoint(200, 5));
        QCOMPARE(click.count(), 1);
        QTest::mouseClick(e, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(click.count(), 1);
    }

    void trascinamentoSenzaClick()
    {
        QWidget w;
        auto* e = new Etichetta(&w);
        e->setGeometry(10, 10, 80, 20);
        e->setCaption(QStringLiteral("parola "));
        e->setTrascinamentoAutomatico(true);
        w.show();
        QSignalSpy click(e, &Etichetta::Click);
        QSignalSpy drop(e, &Etichetta::DragDrop);
        QTest::mouseClick(e, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(click.count(), 0);
    }

    void rilascioConSorgenteNelDato()
    {
        QWidget w;
        auto* origine = new Etichetta(&w);
        auto* bersaglio = new Etichetta(&w);
        origine->setGeometry(0, 0, 50, 20);
        bersaglio->setGeometry(100, 0, 80, 40);
        w.show();
        QSignalSpy drop(bersaglio, &Etichetta::DragDrop);

        // The payload an automatic drag carries, naming the dragged label.
        auto* dati = new QMimeData;
        dati->setData(QStringLiteral("application/x-frasolino-etichetta"),
                      QByteArray::number(QCoreApplication::applicationPid()) + ' ' +
                          QByteArray::number(reinterpret_cast<quintptr>(origine)));
        std::unique_ptr<QMimeData> guardia(dati);
        QVERIFY(Trascina(bersaglio, dati));
        QCOMPARE(drop.count(), 1);
        QCOMPARE(drop.at(0).at(0).value<Etichetta*>(), origine);
    }

    void rilascioRifiutato_data()
    {
        QTest::addColumn<QByteArray>("formato");
        QTest::addColumn<QByteArray>("contenuto");
        QTest::newRow("plain text") << QByteArray("text/plain") << QByteArray("ciao");
        QTest::newRow("other process") << QByteArray("application/x-frasolino-etichetta") << QByteArray("1 ADDR");
        QTest::newRow("dead label") << QByteArray("application/x-frasolino-etichetta") << QByteArray("PID DEAD");
        QTest::newRow("not a label") << QByteArray("application/x-frasolino-etichetta") << QByteArray("PID WIDGET");
        QTest::newRow("garbage") << QByteArray("application/x-frasolino-etichetta") << QByteArray("xyz");
    }
    void rilascioRifiutato()
    {
        QFETCH(QByteArray, formato);
        QFETCH(QByteArray, contenuto);
        QWidget w;
        auto* bersaglio = new Etichetta(&w);
        auto* origine = new Etichetta(&w);
        auto* altro = new QLabel(&w);
        bersaglio->setGeometry(0, 0, 80, 40);
        w.show();
        auto* morta = new Etichetta(&w);
        const QByteArray indirizzoMorta = QByteArray::number(reinterpret_cast<quintptr>(morta));
        delete morta;
        contenuto.replace("PID", QByteArray::number(QCoreApplication::applicationPid()));
        contenuto.replace("ADDR", QByteArray::number(reinterpret_cast<quintptr>(origine)));
        contenuto.replace("DEAD", indirizzoMorta);
        contenuto.replace("WIDGET", QByteArray::number(reinterpret_cast<quintptr>(altro)));
        QSignalSpy drop(bersaglio, &Etichetta::DragDrop);
        QMimeData dati;
        dati.setData(QString::fromLatin1(formato), contenuto);
        QVERIFY(!Trascina(bersaglio, &dati));
        QCOMPARE(drop.count(), 0);
    }

    void rilasciaDiretto()
    {
        Etichetta a, b;
        QSignalSpy drop(&b, &Etichetta::DragDrop);
        b.Rilascia(&a);
        QCOMPARE(drop.count(), 1);
        QCOMPARE(drop.at(0).at(0).value<Etichetta*>(), &a);
    }

    void bottone()
    {
        QWidget w;
        auto* b = new Bottone(&w);
        b->setCaption(QStringLiteral("io"));
        b->Move(150, 150, 1200, 495);
        b->setBackColor(0x80FF80);
        b->setTag(QStringLiteral("1"));
        w.show();
        QSignalSpy click(b, &Bottone::Click);
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(click.count(), 1);
        QVERIFY(b->styleSheet().contains(QStringLiteral("#80ff80")));
        // The face shows the colour.
        const QImage img = b->grab().toImage();
        QCOMPARE(img.pixelColor(b->width() / 2, 4), QColor(0x80, 0xFF, 0x80));
        b->setEnabled(false);
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(click.count(), 1);

        std::unique_ptr<Bottone> c(b->Clona());
        QVERIFY(c->isHidden());
        QCOMPARE(c->Caption(), QStringLiteral("io"));
        QCOMPARE(c->geometry(), b->geometry());
        QCOMPARE(c->BackColor(), Colore(0x80FF80));
        QCOMPARE(c->Tag(), QStringLiteral("1"));
        QVERIFY(!c->isEnabled());
    }

    void bottoneDallaTastiera_data()
    {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<bool>("ripetuto");
        QTest::addColumn<bool>("abilitato");
        QTest::addColumn<int>("click");
        QTest::newRow("Enter") << int(Qt::Key_Return) << false << true << 1;
        QTest::newRow("Enter of the keypad") << int(Qt::Key_Enter) << false << true << 1;
        QTest::newRow("Space") << int(Qt::Key_Space) << false << true << 1;
        QTest::newRow("Enter held: its repeats") << int(Qt::Key_Return) << true << true << 0;
        QTest::newRow("Enter on a disabled button") << int(Qt::Key_Return) << false << false << 0;
        QTest::newRow("another key") << int(Qt::Key_A) << false << true << 0;
    }
    void bottoneDallaTastiera()
    {
        QFETCH(int, tasto);
        QFETCH(bool, ripetuto);
        QFETCH(bool, abilitato);
        QFETCH(int, click);
        QWidget w;
        auto* b = new Bottone(&w);
        b->setCaption(QStringLiteral("Avvio"));
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        b->setFocus();
        b->setEnabled(abilitato);
        QSignalSpy clic(b, &Bottone::Click);
        if (ripetuto) {
            QKeyEvent giu(QEvent::KeyPress, tasto, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(b, &giu);
        } else {
            QTest::keyClick(b, Qt::Key(tasto));
        }
        QCOMPARE(clic.count(), click);
    }

    void bottoneACapo()
    {
        // A caption wider than its button wraps inside it, in the button's font.
        QWidget w;
        auto* b = new Bottone(&w);
        b->setCarattere(QStringLiteral("Arial"), 14.25);
        b->Move(0, 0, 2175, 1000);
        b->setCaption(QStringLiteral("Colore scansione"));
        w.show();
        auto* testo = b->findChild<QLabel*>();
        QVERIFY(testo);
        QCOMPARE(testo->text(), QStringLiteral("Colore scansione"));
        QCOMPARE(testo->font().pointSizeF(), 14.25);
        const QFontMetrics fm(b->font());
        QVERIFY(fm.horizontalAdvance(b->Caption()) > testo->width()); // one line would not fit
        const int alto = testo->heightForWidth(testo->width());
        QVERIFY(alto >= 2 * fm.height() - 2);                          // so it takes two
        QVERIFY(alto <= b->height());                                  // and both are inside
    }

    void casellaSpunta()
    {
        QWidget w;
        auto* c = new CasellaSpunta(&w);
        c->setCaption(QStringLiteral("suoni"));
        c->setGeometry(0, 0, 100, 20);
        w.show();
        QSignalSpy click(c, &CasellaSpunta::Click);
        c->setValue(1);
        QCOMPARE(c->Value(), 1);
        QCOMPARE(click.count(), 1);
        c->setValue(1); // no change, no click
        QCOMPARE(click.count(), 1);
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(5, 10));
        QCOMPARE(c->Value(), 0);
        QCOMPARE(click.count(), 2);
    }

    void opzione()
    {
        QWidget w;
        auto* a = new Opzione(&w);
        auto* b = new Opzione(&w);
        a->setGeometry(0, 0, 100, 20);
        b->setGeometry(0, 30, 100, 20);
        w.show();
        QSignalSpy clickA(a, &Opzione::Click);
        QSignalSpy clickB(b, &Opzione::Click);
        a->setValue(true);
        QCOMPARE(clickA.count(), 1);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 10));
        QCOMPARE(clickB.count(), 1);
        QVERIFY(b->Value());
        QVERIFY(!a->Value());
        QCOMPARE(clickA.count(), 1);
        b->setValue(false);
        QVERIFY(!b->Value());
    }

    void barraOrizzontale()
    {
        BarraOrizzontale b;
        b.setMin(4);
        b.setMax(60);
        QSignalSpy cambio(&b, &BarraOrizzontale::Change);
        b.setValue(10);
        QCOMPARE(b.Value(), 10);
        QCOMPARE(cambio.count(), 1);
        b.setValue(100);
        QCOMPARE(b.Value(), 60);
        QCOMPARE(b.orientation(), Qt::Horizontal);
    }

    void forma()
    {
        QWidget w;
        w.resize(120, 120);
        w.setStyleSheet(QStringLiteral("background: white"));
        auto* sotto = new Etichetta(&w);
        sotto->setGeometry(20, 20, 50, 50);
        auto* f = new Forma(&w);
        f->setBorderColor(0x0000FF);
        f->setBorderWidth(3);
        f->Move(150, 150, 1500, 1500); // 10, 10, 100, 100 pixels
        f->raise();
        w.show();
        QCOMPARE(f->Rettangolo(), QRect(10, 10, 100, 100));
        QCOMPARE(QRect(f->Left(), f->Top(), f->Width(), f->Height()), QRect(150, 150, 1500, 1500));
        QVERIFY(f->testAttribute(Qt::WA_TransparentForMouseEvents));
        // The mouse reaches the label under the shape.
        QCOMPARE(w.childAt(QPoint(30, 30)), sotto);
        // Outline only, 3 pixels across each edge (one outside, two inside), in the border colour,
        // above the label.
        const QImage img = w.grab().toImage();
        const QColor rosso(255, 0, 0);
        for (int x : {9, 10, 11, 108, 109, 110}) QCOMPARE(img.pixelColor(x, 50), rosso);
        for (int x : {8, 12, 50, 107, 111}) QVERIFY(img.pixelColor(x, 50) != rosso);
        QCOMPARE(img.pixelColor(30, 11), rosso);
        // A shape one pixel high with a 9-pixel outline is a bar 9 pixels thick.
        f->setBorderWidth(9);
        f->Move(150, 1500, 1455, 15);
        QCOMPARE(f->Height(), 15);
        const QImage barra = w.grab().toImage();
        for (int y = 96; y <= 104; ++y) QCOMPARE(barra.pixelColor(50, y), rosso);
        QVERIFY(barra.pixelColor(50, 95) != rosso);
        QVERIFY(barra.pixelColor(50, 105) != rosso);
        // A new thickness keeps the rectangle.
        f->setBorderWidth(2);
        QCOMPARE(f->Rettangolo(), QRect(10, 100, 97, 1));
    }

    void codiciTasti_data()
    {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<int>("codice");
        QTest::addColumn<int>("carattere"); // -1 = no key press
        QTest::newRow("Enter") << int(Qt::Key_Return) << 13 << 13;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << 13 << 13;
        QTest::newRow("Space") << int(Qt::Key_Space) << 32 << 32;
        QTest::newRow("Left") << int(Qt::Key_Left) << 37 << -1;
        QTest::newRow("Up") << int(Qt::Key_Up) << 38 << -1;
        QTest::newRow("Right") << int(Qt::Key_Right) << 39 << -1;
        QTest::newRow("Down") << int(Qt::Key_Down) << 40 << -1;
        QTest::newRow("A") << int(Qt::Key_A) << 65 << 97;
        QTest::newRow("Z") << int(Qt::Key_Z) << 90 << 122;
        QTest::newRow("0") << int(Qt::Key_0) << 48 << 48;
        QTest::newRow("9") << int(Qt::Key_9) << 57 << 57;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << 27 << 27;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << 9 << 9;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 8 << 8;
        QTest::newRow("F5") << int(Qt::Key_F5) << 0 << -1;
        QTest::newRow("Shift") << int(Qt::Key_Shift) << 0 << -1;
    }
    void codiciTasti()
    {
        QFETCH(int, tasto);
        QFETCH(int, codice);
        QFETCH(int, carattere);
        QWidget w;
        auto* altro = new QPushButton(&w);
        auto* c = new CasellaFuoco(&w);
        c->setGeometry(0, 0, 10, 10);
        altro->setGeometry(20, 0, 50, 20);
        w.show();
        QApplication::setActiveWindow(&w);
        c->SetFocus();
        QVERIFY(c->HaFuoco());
        QSignalSpy giu(c, &CasellaFuoco::KeyDown);
        QSignalSpy su(c, &CasellaFuoco::KeyUp);
        QSignalSpy premuto(c, &CasellaFuoco::KeyPress);
        QTest::keyPress(c, static_cast<Qt::Key>(tasto));
        QTest::keyRelease(c, static_cast<Qt::Key>(tasto));
        QCOMPARE(giu.count(), 1);
        QCOMPARE(giu.at(0).at(0).toInt(), codice);
        QCOMPARE(su.count(), 1);
        QCOMPARE(su.at(0).at(0).toInt(), codice);
        if (carattere < 0) {
            QCOMPARE(premuto.count(), 0);
        } else {
            QCOMPARE(premuto.count(), 1);
            QCOMPARE(premuto.at(0).at(0).toInt(), carattere);
        }
        // No key moves the focus away.
        QVERIFY(c->HaFuoco());
    }

    void maiuscole_data()
    {
        QTest::addColumn<int>("modificatori");
        QTest::addColumn<int>("stato");
        QTest::newRow("none") << int(Qt::NoModifier) << 0;
        QTest::newRow("Shift") << int(Qt::ShiftModifier) << 1;
        QTest::newRow("Ctrl") << int(Qt::ControlModifier) << 2;
        QTest::newRow("Alt") << int(Qt::AltModifier) << 4;
        QTest::newRow("Shift Ctrl Alt") << int(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier) << 7;
    }
    void maiuscole()
    {
        QFETCH(int, modificatori);
        QFETCH(int, stato);
        CasellaFuoco c;
        QSignalSpy giu(&c, &CasellaFuoco::KeyDown);
        QSignalSpy su(&c, &CasellaFuoco::KeyUp);
        const auto m = Qt::KeyboardModifiers(modificatori);
        QKeyEvent p(QEvent::KeyPress, Qt::Key_Down, m);
        QKeyEvent r(QEvent::KeyRelease, Qt::Key_Down, m);
        QApplication::sendEvent(&c, &p);
        QApplication::sendEvent(&c, &r);
        QCOMPARE(giu.count(), 1);
        QCOMPARE(giu.at(0).at(1).toInt(), stato);
        QCOMPARE(su.at(0).at(1).toInt(), stato);
    }

    void tastoTenuto_data()
    {
        // Space (Enter on the button c) on the holders a and b, on a command button c and on another
        // widget x: P press, R release, * the platform's auto-repeat flag. What the holders report:
        // D key down (D* marked as a repeat), K key press, U key up; C a click of the button.
        QTest::addColumn<QString>("copione");
        QTest::addColumn<QString>("riportato");
        QTest::newRow("coppie della ripetizione") << "Pa Ra* Pa* Ra* Pa* Ra" << "Da Ka Da* Ka Da* Ka Ua";
        QTest::newRow("pressioni ripetute") << "Pa Pa Pa Ra" << "Da Ka Da* Ka Da* Ka Ua";
        QTest::newRow("da un tenitore all'altro") << "Pa Pb Pb Rb" << "Da Ka Db* Kb Db* Kb Ub";
        QTest::newRow("premuto altrove") << "Px Pa Ra" << "Da* Ka Ua";
        QTest::newRow("rilascio senza pressione") << "Ra Pa Ra" << "Da Ka Ua";
        QTest::newRow("rilasciato altrove") << "Pa Rx Pa Ra" << "Da Ka Da Ka Ua";
        QTest::newRow("bottone") << "Pc Pc Pc Rc" << "C";
    }
    void tastoTenuto()
    {
        QFETCH(QString, copione);
        QFETCH(QString, riportato);
        tastiera::LasciaTutti();
        QWidget finestra;
        CasellaFuoco a(&finestra), b(&finestra);
        Bottone c(&finestra);
        QWidget x(&finestra);
        QStringList eventi;
        auto segna = [&eventi](const QString& e) { return [&eventi, e] { eventi << e; }; };
        connect(&c, &QPushButton::clicked, &c, segna("C"));
        for (auto [casella, n] : {std::pair{&a, QStringLiteral("a")}, std::pair{&b, QStringLiteral("b")}}) {
            connect(casella, &CasellaFuoco::KeyDown, casella, [&eventi, casella, n] { eventi << QStringLiteral("D") + n + (casella->Ripetuto() ? QStringLiteral("*") : QString()); });
            connect(casella, &CasellaFuoco::KeyPress, casella, segna("K" + n));
            connect(casella, &CasellaFuoco::KeyUp, casella, segna("U" + n));
        }
        for (const QString& passo : copione.split(u' ')) {
            const QChar w = passo[1];
            QWidget* dove = w == u'a' ? &a : w == u'b' ? static_cast<QWidget*>(&b) : w == u'c' ? &c : &x;
            (passo[0] == u'P' ? tastiera::Premi : tastiera::Rilascia)(dove, dove == &c ? Qt::Key_Return : Qt::Key_Space,
                                                                     passo.endsWith(u'*'), Qt::NoModifier);
        }
        QCOMPARE(eventi.join(u' '), riportato);
    }

    // One press, one action, for every kind of receiver: Enter goes down on a focus holder h (the
    // press that opens the receiver) or on the receiver itself (p, p* with the platform's repeat
    // flag), and is let go on the receiver (r). A press of a key already down repeats it.
    void unaPressioneUnaAzione_data()
    {
        QTest::addColumn<QString>("ricevitore");
        QTest::addColumn<QString>("copione");
        QTest::addColumn<int>("azioni");
        for (const char* r : {"bottone", "scatola", "menu"}) {
            QTest::addRow("%s: tenuto da prima", r) << r << "h p p r" << 0;
            QTest::addRow("%s: tenuto", r) << r << "p p p r" << 1;
            QTest::addRow("%s: ripetuto dalla piattaforma", r) << r << "p p* p* r" << 1;
            QTest::addRow("%s: due pressioni", r) << r << "p r p r" << 2;
        }
    }
    void unaPressioneUnaAzione()
    {
        QFETCH(QString, ricevitore);
        QFETCH(QString, copione);
        tastiera::LasciaTutti();
        QWidget finestra;
        CasellaFuoco h(&finestra);
        int azioni = 0;
        Bottone bottone(&finestra);
        connect(&bottone, &Bottone::Click, &finestra, [&azioni] { ++azioni; });
        QMessageBox scatola(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("?"), QMessageBox::Yes | QMessageBox::No);
        scatola.setDefaultButton(QMessageBox::Yes);
        connect(&scatola, &QMessageBox::buttonClicked, &finestra, [&azioni] { ++azioni; });
        QMenu menu;
        QAction* voce = menu.addAction(QStringLiteral("voce"));
        connect(voce, &QAction::triggered, &finestra, [&azioni] { ++azioni; });
        QWidget* dove = &bottone;
        if (ricevitore == QLatin1String("scatola")) {
            scatola.show();
            dove = scatola.defaultButton();
        } else if (ricevitore == QLatin1String("menu")) {
            menu.show();
            menu.setActiveAction(voce);
            dove = &menu;
        }
        for (const QString& passo : copione.split(u' ')) {
            if (passo == QLatin1String("h"))
                tastiera::Premi(&h, Qt::Key_Return);
            else if (passo == QLatin1String("r"))
                tastiera::Rilascia(dove, Qt::Key_Return);
            else {
                if (ricevitore == QLatin1String("menu")) menu.setActiveAction(voce);
                tastiera::Premi(dove, Qt::Key_Return, passo.endsWith(u'*'));
            }
        }
        QTEST(azioni, "azioni");
    }

    // Space goes down on a holder; then something may hide its release (the focus going to another
    // window, a drag) while the server holds the key down or not; then Space goes down again.
    void rilascioPerso_data()
    {
        QTest::addColumn<QString>("evento");
        QTest::addColumn<bool>("suServerGiu");
        QTest::addColumn<bool>("ripetuto");
        QTest::newRow("altra finestra, lasciato") << "finestra" << false << false;
        QTest::newRow("altra finestra, tenuto") << "finestra" << true << true;
        QTest::newRow("trascinamento, lasciato") << "trascinamento" << false << false;
        QTest::newRow("trascinamento, tenuto") << "trascinamento" << true << true;
        QTest::newRow("nessun evento") << "" << false << true;
    }
    void rilascioPerso()
    {
        QFETCH(QString, evento);
        QFETCH(bool, suServerGiu);
        QFETCH(bool, ripetuto);
        std::bitset<256> server;
        server[65] = suServerGiu;
        RegistroConServer registro(server);
        QWidget finestra, altra;
        CasellaFuoco h(&finestra);
        Etichetta etichetta(&finestra);
        etichetta.resize(40, 20);
        etichetta.setTrascinamentoAutomatico(true);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowActive(&finestra));
        QStringList giu;
        connect(&h, &CasellaFuoco::KeyDown, &h, [&giu, &h] { giu << (h.Ripetuto() ? "D*" : "D"); });
        Spazio(&h, QEvent::KeyPress);
        if (evento == QLatin1String("finestra")) {
            altra.show();
            altra.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&altra));
        } else if (evento == QLatin1String("trascinamento")) {
            QTest::mousePress(&etichetta, Qt::LeftButton);
        }
        Spazio(&h, QEvent::KeyPress);
        QCOMPARE(giu.join(u' '), ripetuto ? QStringLiteral("D D*") : QStringLiteral("D D"));
    }
};
FRASOLINO_TEST(TestControlli);

#include "test_controlli.moc"
