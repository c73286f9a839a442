// Built without assertions, as the program is released: an element that is not loaded is the
// array's stand-in, and the handler that asked for it goes on.
#include "platform/arraycontrolli.h"
#include "platform/controlli.h"
#include "suite.h"

#include <QTest>
#include <QWindow>

class TestSostituto : public QObject {
    Q_OBJECT
private slots:
    void elementoMancante()
    {
        ArrayControlli<Etichetta> a;
        QTest::ignoreMessage(QtWarningMsg, "control array: element 3 is not loaded");
        Etichetta& e = a(3);
        int clic = 0;
        QObject::connect(&e, &Etichetta::Click, [&] { ++clic; });
        e.show();
        QTest::mouseClick(&e, Qt::LeftButton);
        QVERIFY(clic == 0 && !e.isEnabled() && (!e.windowHandle() || !e.windowHandle()->isVisible()));
        QVERIFY(!a.Esiste(3) && a.Count() == 0);
    }
};
FRASOLINO_TEST(TestSostituto);

#include "tst_sostituto.moc"
