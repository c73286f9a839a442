#pragma once
// An indexed array of like controls. Element 0 (or any designed element) is handed in; Load(i)
// creates element i as a hidden copy of element 0 in its present state; Unload(i) deletes it.
// Every element, designed or created, is passed to the hook given to Collega, so that the window
// connects its handlers with the index.
#include <QPointer>

#include <functional>
#include <map>
#include <stdexcept>

template <class T>
class ArrayControlli {
public:
    ArrayControlli() = default;
    ArrayControlli(const ArrayControlli&) = delete;
    ArrayControlli& operator=(const ArrayControlli&) = delete;

    // A designed element.
    void Progetta(int indice, T* controllo)
    {
        elementi_[indice] = controllo;
        progettati_[indice] = true;
        if (collega_) collega_(indice, controllo);
    }

    void Collega(std::function<void(int, T*)> hook)
    {
        collega_ = std::move(hook);
        for (auto& [i, c] : elementi_)
            if (c) collega_(i, c);
    }

    // Creates element i as a hidden copy of element 0. Loading an index that exists is an error.
    T* Load(int indice)
    {
        if (Esiste(indice)) throw std::logic_error("control array element already loaded");
        T* copia = (*this)(0).Clona();
        copia->hide();
        elementi_[indice] = copia;
        progettati_[indice] = false;
        if (collega_) collega_(indice, copia);
        return copia;
    }

    // Deletes a created element; designed elements cannot be unloaded.
    void Unload(int indice)
    {
        auto it = elementi_.find(indice);
        if (it == elementi_.end() || progettati_[indice]) return;
        delete it->second.data();
        elementi_.erase(it);
        progettati_.erase(indice);
    }

    // Deletes every created element.
    void UnloadCreati()
    {
        for (auto it = elementi_.begin(); it != elementi_.end();) {
            if (!progettati_[it->first]) {
                delete it->second.data();
                progettati_.erase(it->first);
                it = elementi_.erase(it);
            } else {
                ++it;
            }
        }
    }

    bool Esiste(int indice) const
    {
        auto it = elementi_.find(indice);
        return it != elementi_.end() && it->second;
    }

    T& operator()(int indice) const
    {
        auto it = elementi_.find(indice);
        if (it == elementi_.end() || !it->second) throw std::out_of_range("control array index");
        return *it->second;
    }

    int LBound() const { return elementi_.empty() ? 0 : elementi_.begin()->first; }
    int UBound() const { return elementi_.empty() ? -1 : elementi_.rbegin()->first; }
    int Count() const { return static_cast<int>(elementi_.size()); }

    // Forgets every element without deleting (their window is going away with them).
    void Dimentica()
    {
        elementi_.clear();
        progettati_.clear();
    }

private:
    std::map<int, QPointer<T>> elementi_;
    std::map<int, bool> progettati_;
    std::function<void(int, T*)> collega_;
};
