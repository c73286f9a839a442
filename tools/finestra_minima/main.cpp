// The smallest Qt Widgets program: one window with a label, shown at start.
// A yardstick for how long the toolkit alone takes to put a window on screen.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication applicazione(argc, argv);
    QWidget finestra;
    finestra.setWindowTitle(QStringLiteral("Finestra minima"));
    auto* disposizione = new QVBoxLayout(&finestra);
    disposizione->addWidget(new QLabel(QStringLiteral("Finestra minima"), &finestra));
    finestra.resize(320, 200);
    finestra.show();
    return applicazione.exec();
}
