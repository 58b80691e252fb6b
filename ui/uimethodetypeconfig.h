#pragma once

#include "money/noxmethodetypeconfig.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

/// The chip settings of one bet kind as QML edits them (`financial.csConfig.jeton = 20`).
class UIMethodeTypeConfig
{
    Q_GADGET
    QML_VALUE_TYPE(csConfig)
    Q_PROPERTY(int jeton MEMBER jeton)
    Q_PROPERTY(int jetonOrigine MEMBER jetonOrigine)
    Q_PROPERTY(int jetonIncrement MEMBER jetonIncrement)
    Q_PROPERTY(bool modeNum MEMBER modeNum)
    Q_PROPERTY(bool addZero MEMBER addZero)
    Q_PROPERTY(bool stopProfit MEMBER stopProfit)
    Q_PROPERTY(bool diff0 MEMBER diff0)

public:
    UIMethodeTypeConfig() = default;
    explicit UIMethodeTypeConfig(const Nox::NoxMethodeTypeConfig &c)
        : jeton(c.jeton)
        , jetonOrigine(c.jetonOrigine)
        , jetonIncrement(c.jetonIncrement)
        , modeNum(c.modeNum)
        , addZero(c.addZero)
        , stopProfit(c.stopProfit)
        , diff0(c.diff0)
    {}

    /// Writes the edited fields into `c`, keeping the fields QML does not see.
    void applyTo(Nox::NoxMethodeTypeConfig &c) const
    {
        c.jeton = jeton;
        c.jetonOrigine = jetonOrigine;
        c.jetonIncrement = jetonIncrement;
        c.modeNum = modeNum;
        c.addZero = addZero;
        c.stopProfit = stopProfit;
        c.diff0 = diff0;
    }

    int jeton = 10;
    int jetonOrigine = 10;
    int jetonIncrement = 10;
    bool modeNum = false;
    bool addZero = false;
    bool stopProfit = false;
    bool diff0 = false;

    friend bool operator==(const UIMethodeTypeConfig &, const UIMethodeTypeConfig &) = default;
};
