#pragma once
// An indexed array of like controls. Element 0 (or any designed element) is handed in; Load(i)
// creates element i as a hidden copy of element 0 in its present state; Unload(i) removes it.
// Every element, designed or created, is passed to the hook given to Collega, so that the window
// connects its handlers with the index.
#include <QObject>
#include <QPointer>
#include <QtGlobal>

#include <functional>
#include <iterator>
#include <map>
#include <memory>

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

    // Creates element i as a hidden copy of element 0. Loading an index that exists is a programming
    // error; the element already there is returned.
    T* Load(int indice)
    {
        Q_ASSERT_X(!Esiste(indice), "ArrayControlli::Load", "element already loaded");
        if (Esiste(indice)) return elementi_[indice].data();
        Q_ASSERT_X(Esiste(0), "ArrayControlli::Load", "no element 0 to copy");
        if (!Esiste(0)) return nullptr;
        T* copia = (*this)(0).Clona();
        copia->hide();
        elementi_[indice] = copia;
        progettati_[indice] = false;
        if (collega_) collega_(indice, copia);
        return copia;
    }

    // Removes a created element; designed elements cannot be unloaded. The index is free at once.
    void Unload(int indice)
    {
        auto it = elementi_.find(indice);
        if (it == elementi_.end() || progettati_[indice]) return;
        Scarta(it->second.data());
        elementi_.erase(it);
        progettati_.erase(indice);
    }

    // Removes every created element.
    void UnloadCreati()
    {
        for (auto it = elementi_.begin(); it != elementi_.end();) {
            if (!progettati_[it->first]) {
                Scarta(it->second.data());
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

    // Element i. Asking for one that is not loaded is a programming error: it asserts. Without
    // assertions the caller gets the array's stand-in, a disabled control that is never on screen
    // and raises no event, and the handler that asked goes on without effect.
    T& operator()(int indice) const
    {
        auto it = elementi_.find(indice);
        if (it != elementi_.end() && it->second) return *it->second;
        Q_ASSERT_X(false, "ArrayControlli", "element not loaded");
        qWarning("control array: element %d is not loaded", indice);
        if (!sostituto_) {
            sostituto_ = std::make_unique<T>();
            sostituto_->setAttribute(Qt::WA_DontShowOnScreen);
            sostituto_->setEnabled(false);
            sostituto_->blockSignals(true);
        }
        return *sostituto_;
    }

    // The loaded elements in index order: `for (Etichetta& e : Label3)`.
    class Iteratore {
    public:
        using Base = typename std::map<int, QPointer<T>>::const_iterator;
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = T*;
        using reference = T&;
        Iteratore(Base it, Base fine) : it_(it), fine_(fine) { salta(); }
        T& operator*() const { return *it_->second; }
        int indice() const { return it_->first; }
        Iteratore& operator++()
        {
            ++it_;
            salta();
            return *this;
        }
        bool operator==(const Iteratore& altro) const { return it_ == altro.it_; }

    private:
        void salta()
        {
            while (it_ != fine_ && !it_->second) ++it_;
        }
        Base it_;
        Base fine_;
    };
    Iteratore begin() const { return Iteratore(elementi_.begin(), elementi_.end()); }
    Iteratore end() const { return Iteratore(elementi_.end(), elementi_.end()); }

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
    // A removed element may be running the very handler that removes it (a word label whose click
    // starts the next sentence): it leaves its window and its handlers at once, and is deleted
    // when control returns to the event loop.
    static void Scarta(T* controllo)
    {
        if (!controllo) return;
        controllo->hide();
        QObject::disconnect(controllo, nullptr, nullptr, nullptr);
        controllo->setParent(nullptr);
        controllo->deleteLater();
    }

    std::map<int, QPointer<T>> elementi_;
    std::map<int, bool> progettati_;
    std::function<void(int, T*)> collega_;
    mutable std::unique_ptr<T> sostituto_;
};
