#include "uiengineconfig.h"

#include "engine/noxengine.h"
#include "iengineprovider.h"
#include "uiinputrules.h"

UIEngineConfig::UIEngineConfig(QObject *parent)
    : QObject(parent)
    , m_engine(IEngineProvider::engineFor(parent))
{
    if (m_engine) {
        m_config = m_engine->config();
    }
}

template<typename T>
void UIEngineConfig::write(T Nox::NoxEngineConfig::*field, T value, void (UIEngineConfig::*notify)())
{
    if (m_config.*field == value) {
        return;
    }
    m_config.*field = value;
    if (m_engine) {
        m_engine->setConfig(m_config);
    }
    if (notify) {
        emit(this->*notify)();
    }
}

void UIEngineConfig::setShortTermCount(int value)
{
    write(&Nox::NoxEngineConfig::shortTermCount,
          int(UIInputRules::clampStored(QStringLiteral("shortTermCount"), value)), nullptr);
}

void UIEngineConfig::setTruncateCount(int value)
{
    write(&Nox::NoxEngineConfig::truncateCount,
          int(UIInputRules::clampStored(QStringLiteral("truncateCount"), value)), nullptr);
}

void UIEngineConfig::setPlayInBlock(bool value)
{
    write(&Nox::NoxEngineConfig::playInBlock, value, nullptr);
}

void UIEngineConfig::setPlayInBlockDom(bool value)
{
    write(&Nox::NoxEngineConfig::playInBlockDom, value, nullptr);
}

void UIEngineConfig::setPlayQuick(bool value)
{
    write(&Nox::NoxEngineConfig::playQuick, value, nullptr);
}

void UIEngineConfig::setPlaySplit(bool value)
{
    write(&Nox::NoxEngineConfig::playSplit, value, nullptr);
}

void UIEngineConfig::setPlayPro(bool value)
{
    write(&Nox::NoxEngineConfig::playPro, value, nullptr);
}

void UIEngineConfig::setSmartQuickMode(bool value)
{
    write(&Nox::NoxEngineConfig::smartQuickMode, value, &UIEngineConfig::smartQuickModeChanged);
}

void UIEngineConfig::setSmartQuickModeIsolate(bool value)
{
    write(&Nox::NoxEngineConfig::smartQuickModeIsolate, value, &UIEngineConfig::smartQuickModeIsolateChanged);
}

void UIEngineConfig::setSignalDouble0(bool value)
{
    write(&Nox::NoxEngineConfig::signalDouble0, value, &UIEngineConfig::signalDouble0Changed);
}

void UIEngineConfig::setSignalBlocks(bool value)
{
    write(&Nox::NoxEngineConfig::signalBlocks, value, &UIEngineConfig::signalBlocksChanged);
}

void UIEngineConfig::setSignalEcartMax(bool value)
{
    write(&Nox::NoxEngineConfig::signalEcartMax, value, &UIEngineConfig::signalEcartMaxChanged);
}

void UIEngineConfig::setSignalTendanceBack(bool value)
{
    write(&Nox::NoxEngineConfig::signalTendanceBack, value, &UIEngineConfig::signalTendanceBackChanged);
}

void UIEngineConfig::setSignalBlocDominant(bool value)
{
    write(&Nox::NoxEngineConfig::signalBlocDominant, value, &UIEngineConfig::signalBlocDominantChanged);
}

void UIEngineConfig::setSignalBlocDominantConfirme(bool value)
{
    write(&Nox::NoxEngineConfig::signalBlocDominantConfirme, value,
          &UIEngineConfig::signalBlocDominantConfirmeChanged);
}

void UIEngineConfig::setCompteurME(bool value)
{
    write(&Nox::NoxEngineConfig::compteurME, value, &UIEngineConfig::compteurMEChanged);
}

void UIEngineConfig::setSignalScores(bool value)
{
    write(&Nox::NoxEngineConfig::signalScores, value, &UIEngineConfig::signalScoresChanged);
}

void UIEngineConfig::refresh()
{
    if (!m_engine) {
        return;
    }
    const Nox::NoxEngineConfig config = m_engine->config();
    const auto sync = [this, &config](auto Nox::NoxEngineConfig::*field, void (UIEngineConfig::*notify)()) {
        if (m_config.*field != config.*field) {
            m_config.*field = config.*field;
            emit(this->*notify)();
        }
    };
    sync(&Nox::NoxEngineConfig::shortTermCount, &UIEngineConfig::shortTermCountChanged);
    sync(&Nox::NoxEngineConfig::truncateCount, &UIEngineConfig::truncateCountChanged);
    sync(&Nox::NoxEngineConfig::playInBlock, &UIEngineConfig::playInBlockChanged);
    sync(&Nox::NoxEngineConfig::playInBlockDom, &UIEngineConfig::playInBlockDomChanged);
    sync(&Nox::NoxEngineConfig::playQuick, &UIEngineConfig::playQuickChanged);
    sync(&Nox::NoxEngineConfig::playSplit, &UIEngineConfig::playSplitChanged);
    sync(&Nox::NoxEngineConfig::playPro, &UIEngineConfig::playProChanged);
    sync(&Nox::NoxEngineConfig::smartQuickMode, &UIEngineConfig::smartQuickModeChanged);
    sync(&Nox::NoxEngineConfig::smartQuickModeIsolate, &UIEngineConfig::smartQuickModeIsolateChanged);
    sync(&Nox::NoxEngineConfig::signalDouble0, &UIEngineConfig::signalDouble0Changed);
    sync(&Nox::NoxEngineConfig::signalBlocks, &UIEngineConfig::signalBlocksChanged);
    sync(&Nox::NoxEngineConfig::signalEcartMax, &UIEngineConfig::signalEcartMaxChanged);
    sync(&Nox::NoxEngineConfig::signalTendanceBack, &UIEngineConfig::signalTendanceBackChanged);
    sync(&Nox::NoxEngineConfig::signalBlocDominant, &UIEngineConfig::signalBlocDominantChanged);
    sync(&Nox::NoxEngineConfig::signalBlocDominantConfirme,
         &UIEngineConfig::signalBlocDominantConfirmeChanged);
    sync(&Nox::NoxEngineConfig::compteurME, &UIEngineConfig::compteurMEChanged);
    sync(&Nox::NoxEngineConfig::signalScores, &UIEngineConfig::signalScoresChanged);
}
