#pragma once
// A timer that ticks on the user-interface thread: Enabled and Interval (milliseconds) as the
// windows use them. It ticks only while Enabled is true and Interval is above 0. Switching it on,
// or setting a new interval while it is on, starts a fresh full interval.
#include <QObject>
#include <QTimer>

class Temporizzatore : public QObject {
    Q_OBJECT
public:
    explicit Temporizzatore(QObject* parent = nullptr);

    bool Enabled() const { return abilitato_; }
    void setEnabled(bool si);
    int Interval() const { return intervallo_; }
    void setInterval(int ms);

    // Runs one tick now, as the clock would (for tests and benchmarks).
    void Scatta() { emit Timer(); }

signals:
    void Timer();

private:
    void aggiorna();

    QTimer timer_;
    bool abilitato_ = false;
    int intervallo_ = 0;
};
