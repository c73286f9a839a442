#include "programma.h"

#include <algorithm>
#include <chrono>

Programma::Programma(std::unique_ptr<Servizi> servizi, QString cartellaProgramma, QString radiceImpostazioni)
    : servizi_(std::move(servizi)),
      cartellaProgramma_(std::move(cartellaProgramma)),
      radiceImpostazioni_(std::move(radiceImpostazioni))
{
    // The one seeding of the run, from the clock; tests reseed with Semina.
    const auto adesso = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    generatore_.seed(static_cast<std::uint32_t>(adesso ^ (adesso >> 32)));
}

double Programma::Rnd()
{
    // 53 random bits: 27 from one draw and 26 from the next, scaled into [0, 1).
    const double alto = static_cast<double>(generatore_() >> 5);
    const double basso = static_cast<double>(generatore_() >> 6);
    return (alto * 67108864.0 + basso) / 9007199254740992.0;
}

int Programma::Casuale(int n)
{
    if (n <= 0) return 0;
    const int k = static_cast<int>(Rnd() * n);
    return std::clamp(k, 0, n - 1);
}

QString Programma::PercorsoDati(const QString& relativo) const
{
    QString r = relativo;
    while (r.startsWith(u'/') || r.startsWith(u'\\')) r.remove(0, 1);
    QString base = cartellaProgramma_;
    while (base.endsWith(u'/')) base.chop(1);
    return base + u'/' + r;
}

int IntervalloScansione(std::int16_t velocita)
{
    // Quarter seconds to milliseconds, kept within what a 16-bit interval can hold; a speed of
    // zero or less would stop the scan, so it counts as the shortest step the timer offers.
    const int prodotto = static_cast<int>(velocita) * 250;
    return std::clamp(prodotto, 250, 32767);
}
