// A menu entry as the menu writes it. Built by the tests as written, and with its window misspelt,
// which must not compile.
#include "app/formmenu.h"

#ifdef FINESTRA_SBAGLIATA
#define FINESTRA Form7z
#else
#define FINESTRA Form7
#endif

[[maybe_unused]] constexpr VoceMenuEsercizi Voce = {"ripasso", 0, 7, &ProgettiEsercizi::FINESTRA,
                                                    &ProgettiEsercizi::Form7s, "ripasso1.txt", 3, true};
