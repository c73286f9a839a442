#pragma once
// The test classes of this executable register themselves here; main runs each in turn.
#include <QObject>

#include <functional>
#include <memory>
#include <vector>

namespace suite {

using Fabbrica = std::function<std::unique_ptr<QObject>()>;

inline std::vector<Fabbrica>& Registro()
{
    static std::vector<Fabbrica> r;
    return r;
}

template <class T>
struct Registra {
    Registra() { Registro().push_back([] { return std::make_unique<T>(); }); }
};

// False here, after the current test function ran again in a copy of this executable (--copia);
// true in the copy, where from now on writes past `byte` bytes of a file fail with EFBIG (a full disk).
bool InCopia(const QObject& prova, long long byte);

} // namespace suite

#define FRASOLINO_TEST(Classe) static suite::Registra<Classe> registra_##Classe
