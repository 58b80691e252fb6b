#pragma once

#include "engine/noxengineconfig.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace Nox {
class NoxEngine;
}

/// The engine configuration as QML edits it. Holds a copy: a setter writes the copy and hands
/// it whole to the engine; refresh() brings the copy up to the engine's values and notifies
/// each property that differed. The play-mode switches (shortTermCount to playPro) do not
/// notify from their setters, so a switch that QML writes is not bounced back to it.
class UIEngineConfig : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("UIEngineConfig is owned by the facade: read UIWrapper.engineConfig")
    Q_PROPERTY(int shortTermCount READ shortTermCount WRITE setShortTermCount NOTIFY shortTermCountChanged)
    Q_PROPERTY(int truncateCount READ truncateCount WRITE setTruncateCount NOTIFY truncateCountChanged)
    Q_PROPERTY(bool playInBlock READ playInBlock WRITE setPlayInBlock NOTIFY playInBlockChanged)
    Q_PROPERTY(bool playInBlockDom READ playInBlockDom WRITE setPlayInBlockDom NOTIFY playInBlockDomChanged)
    Q_PROPERTY(bool playQuick READ playQuick WRITE setPlayQuick NOTIFY playQuickChanged)
    Q_PROPERTY(bool playSplit READ playSplit WRITE setPlaySplit NOTIFY playSplitChanged)
    Q_PROPERTY(bool playPro READ playPro WRITE setPlayPro NOTIFY playProChanged)
    Q_PROPERTY(bool smartQuickMode READ smartQuickMode WRITE setSmartQuickMode NOTIFY smartQuickModeChanged)
    Q_PROPERTY(bool smartQuickModeIsolate READ smartQuickModeIsolate WRITE setSmartQuickModeIsolate NOTIFY
                   smartQuickModeIsolateChanged)
    Q_PROPERTY(bool signalDouble0 READ signalDouble0 WRITE setSignalDouble0 NOTIFY signalDouble0Changed)
    Q_PROPERTY(bool signalBlocks READ signalBlocks WRITE setSignalBlocks NOTIFY signalBlocksChanged)
    Q_PROPERTY(bool signalEcartMax READ signalEcartMax WRITE setSignalEcartMax NOTIFY signalEcartMaxChanged)
    Q_PROPERTY(bool signalTendanceBack READ signalTendanceBack WRITE setSignalTendanceBack NOTIFY
                   signalTendanceBackChanged)
    Q_PROPERTY(bool signalBlocDominant READ signalBlocDominant WRITE setSignalBlocDominant NOTIFY
                   signalBlocDominantChanged)
    Q_PROPERTY(bool signalBlocDominantConfirme READ signalBlocDominantConfirme WRITE
                   setSignalBlocDominantConfirme NOTIFY signalBlocDominantConfirmeChanged)
    Q_PROPERTY(bool compteurME READ compteurME WRITE setCompteurME NOTIFY compteurMEChanged)
    Q_PROPERTY(bool signalScores READ signalScores WRITE setSignalScores NOTIFY signalScoresChanged)

public:
    explicit UIEngineConfig(QObject *parent = nullptr);

    /// Reads the engine's configuration and notifies every property that changed.
    void refresh();

    [[nodiscard]] int shortTermCount() const { return m_config.shortTermCount; }
    void setShortTermCount(int value);
    [[nodiscard]] int truncateCount() const { return m_config.truncateCount; }
    void setTruncateCount(int value);
    [[nodiscard]] bool playInBlock() const { return m_config.playInBlock; }
    void setPlayInBlock(bool value);
    [[nodiscard]] bool playInBlockDom() const { return m_config.playInBlockDom; }
    void setPlayInBlockDom(bool value);
    [[nodiscard]] bool playQuick() const { return m_config.playQuick; }
    void setPlayQuick(bool value);
    [[nodiscard]] bool playSplit() const { return m_config.playSplit; }
    void setPlaySplit(bool value);
    [[nodiscard]] bool playPro() const { return m_config.playPro; }
    void setPlayPro(bool value);
    [[nodiscard]] bool smartQuickMode() const { return m_config.smartQuickMode; }
    void setSmartQuickMode(bool value);
    [[nodiscard]] bool smartQuickModeIsolate() const { return m_config.smartQuickModeIsolate; }
    void setSmartQuickModeIsolate(bool value);
    [[nodiscard]] bool signalDouble0() const { return m_config.signalDouble0; }
    void setSignalDouble0(bool value);
    [[nodiscard]] bool signalBlocks() const { return m_config.signalBlocks; }
    void setSignalBlocks(bool value);
    [[nodiscard]] bool signalEcartMax() const { return m_config.signalEcartMax; }
    void setSignalEcartMax(bool value);
    [[nodiscard]] bool signalTendanceBack() const { return m_config.signalTendanceBack; }
    void setSignalTendanceBack(bool value);
    [[nodiscard]] bool signalBlocDominant() const { return m_config.signalBlocDominant; }
    void setSignalBlocDominant(bool value);
    [[nodiscard]] bool signalBlocDominantConfirme() const { return m_config.signalBlocDominantConfirme; }
    void setSignalBlocDominantConfirme(bool value);
    [[nodiscard]] bool compteurME() const { return m_config.compteurME; }
    void setCompteurME(bool value);
    [[nodiscard]] bool signalScores() const { return m_config.signalScores; }
    void setSignalScores(bool value);

signals:
    void shortTermCountChanged();
    void truncateCountChanged();
    void playInBlockChanged();
    void playInBlockDomChanged();
    void playQuickChanged();
    void playSplitChanged();
    void playProChanged();
    void smartQuickModeChanged();
    void smartQuickModeIsolateChanged();
    void signalDouble0Changed();
    void signalBlocksChanged();
    void signalEcartMaxChanged();
    void signalTendanceBackChanged();
    void signalBlocDominantChanged();
    void signalBlocDominantConfirmeChanged();
    void compteurMEChanged();
    void signalScoresChanged();

private:
    template<typename T>
    void write(T Nox::NoxEngineConfig::*field, T value, void (UIEngineConfig::*notify)());

    Nox::NoxEngine *m_engine = nullptr;
    Nox::NoxEngineConfig m_config;
};
