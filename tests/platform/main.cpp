// Runs every test class of the platform layer in one executable. Run with "--helper-lock PATH" it
// only holds a lock file until it is killed (used by the single-instance test).
#include "suite.h"

#include <QApplication>
#include <QLockFile>
#include <QThread>
#include <QTest>

#include <cstring>

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--helper-lock") == 0) {
        QCoreApplication app(argc, argv);
        QLockFile blocco(QString::fromLocal8Bit(argv[2]));
        if (!blocco.tryLock(0)) return 2;
        std::puts("locked");
        std::fflush(stdout);
        for (;;) QThread::sleep(1);
    }
    QApplication app(argc, argv);
    // "test_platform TestFile [QtTest options]" runs one class only.
    QString sola;
    QStringList argomenti = app.arguments();
    if (argomenti.size() > 1 && argomenti[1].startsWith(QLatin1String("Test"))) sola = argomenti.takeAt(1);
    int esito = 0;
    bool trovata = false;
    for (const auto& crea : suite::Registro()) {
        std::unique_ptr<QObject> t = crea();
        if (!sola.isEmpty() && sola != QLatin1String(t->metaObject()->className())) continue;
        trovata = true;
        esito |= QTest::qExec(t.get(), argomenti);
    }
    return trovata ? esito : 1;
}
