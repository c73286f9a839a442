#include "impostazionitemporanee.h"

#include <QDir>
#include <QFile>

ImpostazioniTemporanee::ImpostazioniTemporanee()
{
    cera_Radice_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    cera_Runtime_ = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
    vecchiaRadice_ = qgetenv("XDG_CONFIG_HOME");
    vecchioRuntime_ = qgetenv("XDG_RUNTIME_DIR");
    if (!dir_.isValid()) return;
    QDir(dir_.path()).mkpath(QStringLiteral("config"));
    QDir(dir_.path()).mkpath(QStringLiteral("runtime"));
    // The runtime folder must be private to the user.
    QFile::setPermissions(dir_.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("config"))));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir_.filePath(QStringLiteral("runtime"))));
}

ImpostazioniTemporanee::~ImpostazioniTemporanee()
{
    if (cera_Radice_)
        qputenv("XDG_CONFIG_HOME", vecchiaRadice_);
    else
        qunsetenv("XDG_CONFIG_HOME");
    if (cera_Runtime_)
        qputenv("XDG_RUNTIME_DIR", vecchioRuntime_);
    else
        qunsetenv("XDG_RUNTIME_DIR");
}

QString ImpostazioniTemporanee::Radice() const
{
    return QFile::decodeName(qgetenv("XDG_CONFIG_HOME"));
}

QString ImpostazioniTemporanee::Runtime() const
{
    return QFile::decodeName(qgetenv("XDG_RUNTIME_DIR"));
}
