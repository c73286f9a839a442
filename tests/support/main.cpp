// The one main of every test executable: runs each test class registered with FRASOLINO_TEST in
// turn ("--classe NAME" runs only the class NAME; the other arguments go to QtTest). Run with
// "--tieni-blocco NAME" it only holds the program's single-instance lock NAME, and with
// "--helper-lock PATH" a plain lock file, until it is killed: the tests of the single instance start
// a copy of their own executable that way.
#include "suite.h"

#include "platform/file.h"
#include "platform/registrotasti.h"

#include <QApplication>
#include <QLockFile>
#include <QProcess>
#include <QStringList>
#include <QTest>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace {

[[noreturn]] void Attendi(const char* messaggio)
{
    std::puts(messaggio);
    std::fflush(stdout);
    for (;;) QThread::sleep(1);
}

bool inCopia = false; // started by suite::InCopia
} // namespace

bool suite::InCopia(const QObject& prova, long long byte)
{
    if (inCopia) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{static_cast<rlim_t>(byte), RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limite); // if it fails, so do the test's own checks
        return true;
    }
    const QStringList copia{"--copia", "-silent", "--classe", prova.metaObject()->className(), QTest::currentTestFunction()};
    if (QProcess::execute(QCoreApplication::applicationFilePath(), copia) != 0) QTest::qFail("failed in a copy", __FILE__, __LINE__);
    return false;
}

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--tieni-blocco") == 0) {
        QCoreApplication app(argc, argv);
        BloccoIstanza blocco(QString::fromLocal8Bit(argv[2]));
        if (!blocco.Preso()) return 2;
        Attendi("preso");
    }
    if (argc == 3 && std::strcmp(argv[1], "--helper-lock") == 0) {
        QCoreApplication app(argc, argv);
        QLockFile blocco(QString::fromLocal8Bit(argv[2]));
        if (!blocco.tryLock(0)) return 2;
        Attendi("locked");
    }
    QApplication app(argc, argv);
    // The program's record of the keys that are down, as the program installs it.
    new RegistroTasti(app);
    QStringList argomenti;
    QString classe;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--classe") == 0 && i + 1 < argc)
            classe = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--copia") == 0)
            inCopia = true;
        else
            argomenti << QString::fromLocal8Bit(argv[i]);
    }
    int esito = 0;
    bool trovata = false;
    for (const auto& crea : suite::Registro()) {
        const std::unique_ptr<QObject> t = crea();
        if (!classe.isEmpty() && classe != QLatin1String(t->metaObject()->className())) continue;
        trovata = true;
        esito |= QTest::qExec(t.get(), argomenti);
    }
    return trovata ? esito : 1;
}
