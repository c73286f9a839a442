#pragma once
// The rules every scanning window shares for stepping the cursor over its items. Pure functions,
// no widgets.
#include <functional>

namespace scansione {

// Which items can be chosen; an empty function means every item can.
using Sceglibile = std::function<bool(int)>;

// The next item forward from cursore among items 0..n-1 that can be chosen, wrapping from the
// last to the first. Items that cannot be chosen are passed over, at most n-1 of them, so when no
// other item can be chosen the cursor comes back to where it started. With no items (n <= 0) the
// cursor is returned as it is. A cursor outside 0..n-1 is taken back into range by the wrap.
int PassoAvanti(int cursore, int n, const Sceglibile& sceglibile = {});

// The same, backward, wrapping from the first item to the last.
int PassoIndietro(int cursore, int n, const Sceglibile& sceglibile = {});

} // namespace scansione
