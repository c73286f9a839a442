// Runs every test class of the application shell in one executable. Run with
// "--tieni-blocco NAME" it only holds the single-instance lock NAME until it is killed (used by
// the start-up test for a copy running in another process). "--classe NAME" runs only the test
// class NAME; the other arguments go to QtTest.
#include "platform/file.h"

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <cstring>
#include <memory>

std::unique_ptr<QObject> CreaTestImpostazioni();
std::unique_ptr<QObject> CreaTestServizi();
std::unique_ptr<QObject> CreaTestMenu();
std::unique_ptr<QObject> CreaTestFinestre();
std::unique_ptr<QObject> CreaTestAvvio();

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--tieni-blocco") == 0) {
        QCoreApplication app(argc, argv);
        BloccoIstanza blocco(QString::fromLocal8Bit(argv[2]));
        if (!blocco.Preso()) return 2;
        std::puts("preso");
        std::fflush(stdout);
        for (;;) QThread::sleep(1);
    }
    QApplication app(argc, argv);
    QStringList argomenti;
    QString classe;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--classe") == 0 && i + 1 < argc)
            classe = QString::fromLocal8Bit(argv[++i]);
        else
            argomenti << QString::fromLocal8Bit(argv[i]);
    }
    int esito = 0;
    for (auto crea : {CreaTestImpostazioni, CreaTestServizi, CreaTestMenu, CreaTestFinestre, CreaTestAvvio}) {
        const std::unique_ptr<QObject> t = crea();
        if (!classe.isEmpty() && classe != QLatin1String(t->metaObject()->className())) continue;
        esito |= QTest::qExec(t.get(), argomenti);
    }
    return esito;
}
