#pragma once
// Points the settings root ($XDG_CONFIG_HOME) and, optionally, the runtime folder at fresh
// temporary folders for the lifetime of the object, and restores them afterwards.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class ImpostazioniTemporanee {
public:
    ImpostazioniTemporanee();
    ~ImpostazioniTemporanee();
    ImpostazioniTemporanee(const ImpostazioniTemporanee&) = delete;
    ImpostazioniTemporanee& operator=(const ImpostazioniTemporanee&) = delete;

    bool valida() const { return dir_.isValid(); }
    // The settings root in force ($XDG_CONFIG_HOME).
    QString Radice() const;
    // The runtime folder in force ($XDG_RUNTIME_DIR).
    QString Runtime() const;
    // A path inside the temporary folder.
    QString Percorso(const QString& nome) const { return dir_.filePath(nome); }

private:
    QTemporaryDir dir_;
    QByteArray vecchiaRadice_, vecchioRuntime_;
    bool cera_Radice_ = false, cera_Runtime_ = false;
};
