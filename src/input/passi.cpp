#include "passi.h"

namespace scansione {

namespace {

bool puoi(const Sceglibile& sceglibile, int i) { return !sceglibile || sceglibile(i); }

int avanti(int c, int n)
{
    ++c;
    if (c >= n || c < 0) c = 0;
    return c;
}

int indietro(int c, int n)
{
    --c;
    if (c < 0 || c >= n) c = n - 1;
    return c;
}

template <class Muovi>
int passo(int cursore, int n, const Sceglibile& sceglibile, Muovi muovi)
{
    if (n <= 0) return cursore;
    int c = muovi(cursore, n);
    for (int volte = 0; volte < n - 1 && !puoi(sceglibile, c); ++volte)
        c = muovi(c, n);
    return c;
}

} // namespace

int PassoAvanti(int cursore, int n, const Sceglibile& sceglibile)
{
    return passo(cursore, n, sceglibile, avanti);
}

int PassoIndietro(int cursore, int n, const Sceglibile& sceglibile)
{
    return passo(cursore, n, sceglibile, indietro);
}

} // namespace scansione
