// A menu entry as the menu writes it, naming the window FINESTRA: the tests build it with a right
// and with a misspelt name, which must not compile.
#include "app/formmenu.h"

[[maybe_unused]] constexpr VoceMenuEsercizi Voce = {"ripasso", 0, 7, &ProgettiEsercizi::FINESTRA,
                                                    &ProgettiEsercizi::Form7s, "ripasso1.txt", 3, true};
