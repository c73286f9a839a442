#include "app/avvio.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication applicazione(argc, argv);
    return Main(applicazione);
}
