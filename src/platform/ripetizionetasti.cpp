#include "ripetizionetasti.h"

#include <QGuiApplication>

#include <xcb/xcb.h>
// The extension's C header names a field "explicit".
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <cstdlib>

namespace {
xcb_connection_t* Connessione()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}
} // namespace

bool ChiediRipetizioneRilevabile()
{
    xcb_connection_t* connessione = Connessione();
    if (!connessione) return false;

    // The flag belongs to this client's use of the keyboard extension, which is opened first.
    const auto uso = xcb_xkb_use_extension(connessione, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION);
    auto* estensione = xcb_xkb_use_extension_reply(connessione, uso, nullptr);
    const bool presente = estensione && estensione->supported;
    std::free(estensione);
    if (!presente) return false;

    const uint32_t flag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    const auto richiesta = xcb_xkb_per_client_flags(connessione, XCB_XKB_ID_USE_CORE_KBD, flag, flag, 0, 0, 0);
    auto* risposta = xcb_xkb_per_client_flags_reply(connessione, richiesta, nullptr);
    const bool accolta = risposta && (risposta->value & flag);
    std::free(risposta);
    return accolta;
}

std::optional<std::bitset<256>> TastiGiuSulServer()
{
    xcb_connection_t* connessione = Connessione();
    if (!connessione) return std::nullopt;
    auto* risposta = xcb_query_keymap_reply(connessione, xcb_query_keymap(connessione), nullptr);
    if (!risposta) return std::nullopt;
    std::bitset<256> giu;
    for (std::size_t i = 0; i < giu.size(); ++i) giu[i] = (risposta->keys[i / 8] >> (i % 8)) & 1;
    std::free(risposta);
    return giu;
}
