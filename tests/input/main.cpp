// Runs every test class of the input layer in one executable.
#include <QApplication>
#include <QObject>
#include <QTest>

#include <memory>
#include <vector>

std::unique_ptr<QObject> CreaTestPassi();
std::unique_ptr<QObject> CreaTestPilota();
std::unique_ptr<QObject> CreaTestMenu();

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::vector<std::unique_ptr<QObject>> classi;
    classi.push_back(CreaTestPassi());
    classi.push_back(CreaTestPilota());
    classi.push_back(CreaTestMenu());
    int esito = 0;
    for (auto& t : classi) esito |= QTest::qExec(t.get(), argc, argv);
    return esito;
}
