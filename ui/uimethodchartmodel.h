#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

namespace Nox {
class NoxEngine;
class NoxMethodState;
} // namespace Nox

/// The figures of one method's chart dialog: its gaps, blocks and dominant blocks, tendencies,
/// detection statistics per level and its profit curve with a regression line, two moving
/// averages and the short-term part. A refresh writes and notifies only what changed, so the
/// dialog repaints only what moved. The split view shows the gap part only.
///
/// Thread rules: GUI thread. The engine's signals reach it through queued connections.
class UIMethodChartModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Chart models are made by UIWrapper.getMethodChart(methodId)")
    Q_PROPERTY(QList<int> ecarts READ ecarts WRITE setEcarts NOTIFY ecartsChanged)
    Q_PROPERTY(QList<int> blocks READ blocks WRITE setBlocks NOTIFY blocksChanged)
    Q_PROPERTY(int total READ total WRITE setTotal NOTIFY totalChanged)
    Q_PROPERTY(double nbNumMoyen READ nbNumMoyen WRITE setNbNumMoyen NOTIFY nbNumMoyenChanged)
    Q_PROPERTY(int methodId READ methodId WRITE setMethodId NOTIFY methodIdChanged)
    Q_PROPERTY(QList<int> doms READ doms WRITE setDoms NOTIFY domsChanged)
    Q_PROPERTY(double ratio READ ratio WRITE setRatio NOTIFY ratioChanged)
    Q_PROPERTY(double ratioCT READ ratioCT WRITE setRatioCT NOTIFY ratioCTChanged)
    Q_PROPERTY(double ecartMoyen READ ecartMoyen WRITE setEcartMoyen NOTIFY ecartMoyenChanged)
    Q_PROPERTY(double ratioTheorique READ ratioTheorique WRITE setRatioTheorique NOTIFY ratioTheoriqueChanged)
    Q_PROPERTY(double ecartMoyenCT READ ecartMoyenCT WRITE setEcartMoyenCT NOTIFY ecartMoyenCTChanged)
    Q_PROPERTY(int currentPlayinglevel READ currentPlayinglevel WRITE setCurrentPlayinglevel NOTIFY
                   currentPlayinglevelChanged)
    Q_PROPERTY(
        int nbDetectionsNiv1 READ nbDetectionsNiv1 WRITE setNbDetectionsNiv1 NOTIFY nbDetectionsNiv1Changed)
    Q_PROPERTY(
        int nbDetectionsNiv2 READ nbDetectionsNiv2 WRITE setNbDetectionsNiv2 NOTIFY nbDetectionsNiv2Changed)
    Q_PROPERTY(
        int nbDetectionsNiv3 READ nbDetectionsNiv3 WRITE setNbDetectionsNiv3 NOTIFY nbDetectionsNiv3Changed)
    Q_PROPERTY(int nbDetectionsNiv3after2 READ nbDetectionsNiv3after2 WRITE setNbDetectionsNiv3after2 NOTIFY
                   nbDetectionsNiv3after2Changed)
    Q_PROPERTY(int nbWinDetectionsNiv1 READ nbWinDetectionsNiv1 WRITE setNbWinDetectionsNiv1 NOTIFY
                   nbWinDetectionsNiv1Changed)
    Q_PROPERTY(int nbWinDetectionsNiv2 READ nbWinDetectionsNiv2 WRITE setNbWinDetectionsNiv2 NOTIFY
                   nbWinDetectionsNiv2Changed)
    Q_PROPERTY(int nbWinDetectionsNiv3 READ nbWinDetectionsNiv3 WRITE setNbWinDetectionsNiv3 NOTIFY
                   nbWinDetectionsNiv3Changed)
    Q_PROPERTY(int nbWinDetectionsNiv3after2 READ nbWinDetectionsNiv3after2 WRITE setNbWinDetectionsNiv3after2
                   NOTIFY nbWinDetectionsNiv3after2Changed)
    Q_PROPERTY(int nbBlocDominantsPlayed READ nbBlocDominantsPlayed WRITE setNbBlocDominantsPlayed NOTIFY
                   nbBlocDominantsPlayedChanged)
    Q_PROPERTY(int nbBlocDominantsWon READ nbBlocDominantsWon WRITE setNbBlocDominantsWon NOTIFY
                   nbBlocDominantsWonChanged)
    Q_PROPERTY(int profitMin READ profitMin WRITE setProfitMin NOTIFY profitMinChanged)
    Q_PROPERTY(int profitMax READ profitMax WRITE setProfitMax NOTIFY profitMaxChanged)
    Q_PROPERTY(QList<int> profitRegLine READ profitRegLine WRITE setProfitRegLine NOTIFY profitRegLineChanged)
    Q_PROPERTY(QList<int> profitValues READ profitValues WRITE setProfitValues NOTIFY profitValuesChanged)
    Q_PROPERTY(int shortTermCount READ shortTermCount WRITE setShortTermCount NOTIFY shortTermCountChanged)
    Q_PROPERTY(
        QList<int> profitMoyenne1 READ profitMoyenne1 WRITE setProfitMoyenne1 NOTIFY profitMoyenne1Changed)
    Q_PROPERTY(int profitMoyenne1Offset READ profitMoyenne1Offset WRITE setProfitMoyenne1Offset NOTIFY
                   profitMoyenne1OffsetChanged)
    Q_PROPERTY(
        QList<int> profitMoyenne2 READ profitMoyenne2 WRITE setProfitMoyenne2 NOTIFY profitMoyenne2Changed)
    Q_PROPERTY(int profitMoyenne2Offset READ profitMoyenne2Offset WRITE setProfitMoyenne2Offset NOTIFY
                   profitMoyenne2OffsetChanged)
    Q_PROPERTY(QList<int> tendances READ tendances WRITE setTendances NOTIFY tendancesChanged)
    Q_PROPERTY(QList<int> notifBlocks READ notifBlocks WRITE setNotifBlocks NOTIFY notifBlocksChanged)
    Q_PROPERTY(int notifTotal READ notifTotal WRITE setNotifTotal NOTIFY notifTotalChanged)
    Q_PROPERTY(QList<int> notifEcarts READ notifEcarts WRITE setNotifEcarts NOTIFY notifEcartsChanged)
    Q_PROPERTY(int notifBlockMax READ notifBlockMax WRITE setNotifBlockMax NOTIFY notifBlockMaxChanged)
    Q_PROPERTY(int blockMax READ blockMax WRITE setBlockMax NOTIFY blockMaxChanged)
    Q_PROPERTY(QString methodName READ methodName WRITE setMethodName NOTIFY methodNameChanged)
    Q_PROPERTY(int profitCTMin READ profitCTMin WRITE setProfitCTMin NOTIFY profitCTMinChanged)
    Q_PROPERTY(int profitCTMax READ profitCTMax WRITE setProfitCTMax NOTIFY profitCTMaxChanged)
    Q_PROPERTY(
        QList<int> profitCTValues READ profitCTValues WRITE setProfitCTValues NOTIFY profitCTValuesChanged)
    Q_PROPERTY(int bMax READ bMax WRITE setBMax NOTIFY bMaxChanged)
    Q_PROPERTY(int bMin READ bMin WRITE setBMin NOTIFY bMinChanged)
    Q_PROPERTY(int blackIndex READ blackIndex WRITE setBlackIndex NOTIFY blackIndexChanged)
    Q_PROPERTY(bool hasDetails READ hasDetails WRITE setHasDetails NOTIFY hasDetailsChanged)

public:
    static constexpr int kCurveLength = 184;
    static constexpr int kAverage1 = 10;
    static constexpr int kAverage2 = 30;
    static constexpr int kBlackTotal = 35;

    /// engine: the engine to follow (null: the one of the parent chain, or the process-wide one).
    explicit UIMethodChartModel(int methodId = -1, bool splitView = false, QObject *parent = nullptr,
                                Nox::NoxEngine *engine = nullptr);

    [[nodiscard]] QList<int> ecarts() const { return m_ecarts; }
    void setEcarts(const QList<int> &value);
    [[nodiscard]] QList<int> blocks() const { return m_blocks; }
    void setBlocks(const QList<int> &value);
    [[nodiscard]] int total() const { return m_total; }
    void setTotal(int value);
    [[nodiscard]] double nbNumMoyen() const { return m_nbNumMoyen; }
    void setNbNumMoyen(double value);
    [[nodiscard]] int methodId() const { return m_methodId; }
    void setMethodId(int value);
    [[nodiscard]] QList<int> doms() const { return m_doms; }
    void setDoms(const QList<int> &value);
    [[nodiscard]] double ratio() const { return m_ratio; }
    void setRatio(double value);
    [[nodiscard]] double ratioCT() const { return m_ratioCT; }
    void setRatioCT(double value);
    [[nodiscard]] double ecartMoyen() const { return m_ecartMoyen; }
    void setEcartMoyen(double value);
    [[nodiscard]] double ratioTheorique() const { return m_ratioTheorique; }
    void setRatioTheorique(double value);
    [[nodiscard]] double ecartMoyenCT() const { return m_ecartMoyenCT; }
    void setEcartMoyenCT(double value);
    [[nodiscard]] int currentPlayinglevel() const { return m_currentPlayinglevel; }
    void setCurrentPlayinglevel(int value);
    [[nodiscard]] int nbDetectionsNiv1() const { return m_nbDetectionsNiv1; }
    void setNbDetectionsNiv1(int value);
    [[nodiscard]] int nbDetectionsNiv2() const { return m_nbDetectionsNiv2; }
    void setNbDetectionsNiv2(int value);
    [[nodiscard]] int nbDetectionsNiv3() const { return m_nbDetectionsNiv3; }
    void setNbDetectionsNiv3(int value);
    [[nodiscard]] int nbDetectionsNiv3after2() const { return m_nbDetectionsNiv3after2; }
    void setNbDetectionsNiv3after2(int value);
    [[nodiscard]] int nbWinDetectionsNiv1() const { return m_nbWinDetectionsNiv1; }
    void setNbWinDetectionsNiv1(int value);
    [[nodiscard]] int nbWinDetectionsNiv2() const { return m_nbWinDetectionsNiv2; }
    void setNbWinDetectionsNiv2(int value);
    [[nodiscard]] int nbWinDetectionsNiv3() const { return m_nbWinDetectionsNiv3; }
    void setNbWinDetectionsNiv3(int value);
    [[nodiscard]] int nbWinDetectionsNiv3after2() const { return m_nbWinDetectionsNiv3after2; }
    void setNbWinDetectionsNiv3after2(int value);
    [[nodiscard]] int nbBlocDominantsPlayed() const { return m_nbBlocDominantsPlayed; }
    void setNbBlocDominantsPlayed(int value);
    [[nodiscard]] int nbBlocDominantsWon() const { return m_nbBlocDominantsWon; }
    void setNbBlocDominantsWon(int value);
    [[nodiscard]] int profitMin() const { return m_profitMin; }
    void setProfitMin(int value);
    [[nodiscard]] int profitMax() const { return m_profitMax; }
    void setProfitMax(int value);
    [[nodiscard]] QList<int> profitRegLine() const { return m_profitRegLine; }
    void setProfitRegLine(const QList<int> &value);
    [[nodiscard]] QList<int> profitValues() const { return m_profitValues; }
    void setProfitValues(const QList<int> &value);
    [[nodiscard]] int shortTermCount() const { return m_shortTermCount; }
    void setShortTermCount(int value);
    [[nodiscard]] QList<int> profitMoyenne1() const { return m_profitMoyenne1; }
    void setProfitMoyenne1(const QList<int> &value);
    [[nodiscard]] int profitMoyenne1Offset() const { return m_profitMoyenne1Offset; }
    void setProfitMoyenne1Offset(int value);
    [[nodiscard]] QList<int> profitMoyenne2() const { return m_profitMoyenne2; }
    void setProfitMoyenne2(const QList<int> &value);
    [[nodiscard]] int profitMoyenne2Offset() const { return m_profitMoyenne2Offset; }
    void setProfitMoyenne2Offset(int value);
    [[nodiscard]] QList<int> tendances() const { return m_tendances; }
    void setTendances(const QList<int> &value);
    [[nodiscard]] QList<int> notifBlocks() const { return m_notifBlocks; }
    void setNotifBlocks(const QList<int> &value);
    [[nodiscard]] int notifTotal() const { return m_notifTotal; }
    void setNotifTotal(int value);
    [[nodiscard]] QList<int> notifEcarts() const { return m_notifEcarts; }
    void setNotifEcarts(const QList<int> &value);
    [[nodiscard]] int notifBlockMax() const { return m_notifBlockMax; }
    void setNotifBlockMax(int value);
    [[nodiscard]] int blockMax() const { return m_blockMax; }
    void setBlockMax(int value);
    [[nodiscard]] QString methodName() const { return m_methodName; }
    void setMethodName(const QString &value);
    [[nodiscard]] int profitCTMin() const { return m_profitCTMin; }
    void setProfitCTMin(int value);
    [[nodiscard]] int profitCTMax() const { return m_profitCTMax; }
    void setProfitCTMax(int value);
    [[nodiscard]] QList<int> profitCTValues() const { return m_profitCTValues; }
    void setProfitCTValues(const QList<int> &value);
    [[nodiscard]] int bMax() const { return m_bMax; }
    void setBMax(int value);
    [[nodiscard]] int bMin() const { return m_bMin; }
    void setBMin(int value);
    [[nodiscard]] int blackIndex() const { return m_blackIndex; }
    void setBlackIndex(int value);
    [[nodiscard]] bool hasDetails() const { return m_hasDetails; }
    void setHasDetails(bool value);

    /// Moving average of `values` over `window` values: one value per position from `window`
    /// on (integer division), so the result has size() - window values.
    [[nodiscard]] static QList<int> movingAverage(const QList<int> &values, int window);
    /// Index of the first gap reached once the running total of (gap + 1) is at least 35; the
    /// last index when it never is; -1 for no gap.
    [[nodiscard]] static int blackIndexOf(const QList<int> &gaps);
    /// The largest absolute value, at least 1.
    [[nodiscard]] static int symmetricRange(const QList<int> &values);

signals:
    void ecartsChanged();
    void blocksChanged();
    void totalChanged();
    void nbNumMoyenChanged();
    void methodIdChanged();
    void domsChanged();
    void ratioChanged();
    void ratioCTChanged();
    void ecartMoyenChanged();
    void ratioTheoriqueChanged();
    void ecartMoyenCTChanged();
    void currentPlayinglevelChanged();
    void nbDetectionsNiv1Changed();
    void nbDetectionsNiv2Changed();
    void nbDetectionsNiv3Changed();
    void nbDetectionsNiv3after2Changed();
    void nbWinDetectionsNiv1Changed();
    void nbWinDetectionsNiv2Changed();
    void nbWinDetectionsNiv3Changed();
    void nbWinDetectionsNiv3after2Changed();
    void nbBlocDominantsPlayedChanged();
    void nbBlocDominantsWonChanged();
    void profitMinChanged();
    void profitMaxChanged();
    void profitRegLineChanged();
    void profitValuesChanged();
    void shortTermCountChanged();
    void profitMoyenne1Changed();
    void profitMoyenne1OffsetChanged();
    void profitMoyenne2Changed();
    void profitMoyenne2OffsetChanged();
    void tendancesChanged();
    void notifBlocksChanged();
    void notifTotalChanged();
    void notifEcartsChanged();
    void notifBlockMaxChanged();
    void blockMaxChanged();
    void methodNameChanged();
    void profitCTMinChanged();
    void profitCTMaxChanged();
    void profitCTValuesChanged();
    void bMaxChanged();
    void bMinChanged();
    void blackIndexChanged();
    void hasDetailsChanged();
    void engineChanged();
    void ratioTheoriqueCTChanged();
    void regLineChanged();

public slots:
    void onMethodStateChanged(int id);
    void refresh();

private:
    void refreshDetections(const Nox::NoxMethodState *state);
    void refreshProfit(const Nox::NoxMethodState *state);

    QPointer<Nox::NoxEngine> m_engine;
    bool m_splitView = false;

    QList<int> m_ecarts;
    QList<int> m_blocks;
    int m_total = 0;
    double m_nbNumMoyen = 0;
    int m_methodId = -1;
    QList<int> m_doms;
    double m_ratio = 0;
    double m_ratioCT = 0;
    double m_ecartMoyen = 0;
    double m_ratioTheorique = 0;
    double m_ecartMoyenCT = 0;
    int m_currentPlayinglevel = 0;
    int m_nbDetectionsNiv1 = 0;
    int m_nbDetectionsNiv2 = 0;
    int m_nbDetectionsNiv3 = 0;
    int m_nbDetectionsNiv3after2 = 0;
    int m_nbWinDetectionsNiv1 = 0;
    int m_nbWinDetectionsNiv2 = 0;
    int m_nbWinDetectionsNiv3 = 0;
    int m_nbWinDetectionsNiv3after2 = 0;
    int m_nbBlocDominantsPlayed = 0;
    int m_nbBlocDominantsWon = 0;
    int m_profitMin = 0;
    int m_profitMax = 0;
    QList<int> m_profitRegLine;
    QList<int> m_profitValues;
    int m_shortTermCount = 5;
    QList<int> m_profitMoyenne1;
    int m_profitMoyenne1Offset = 0;
    QList<int> m_profitMoyenne2;
    int m_profitMoyenne2Offset = 0;
    QList<int> m_tendances;
    QList<int> m_notifBlocks;
    int m_notifTotal = 0;
    QList<int> m_notifEcarts;
    int m_notifBlockMax = 0;
    int m_blockMax = 0;
    QString m_methodName;
    int m_profitCTMin = 0;
    int m_profitCTMax = 0;
    QList<int> m_profitCTValues;
    int m_bMax = 0;
    int m_bMin = 0;
    int m_blackIndex = 0;
    bool m_hasDetails = false;
};
