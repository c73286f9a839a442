#pragma once
// The keyboard as the display server knows it: its auto-repeat and the keys that are down.
#include <bitset>
#include <optional>

// On an X11 display, asks the server for detectable auto-repeat (XKB): while a key is held the
// server then sends its repeated presses but no release until the key is really up, however late
// the program reads its events. True when the server agreed; false on any other platform, where
// nothing is asked.
bool ChiediRipetizioneRilevabile();

// On an X11 display, the keys the server holds down at this moment, by key code (the native scan
// code of the key events); nothing on any other platform.
std::optional<std::bitset<256>> TastiGiuSulServer();
