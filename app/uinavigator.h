#pragma once

#include "uiroutes.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QStringList>
#include <QUrl>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

/// The navigation state of the window: the stack of page identifiers (bottom first), the stack
/// of open popups and the route table from identifiers to QML files. The view (App.qml) only
/// executes what the navigator signals, so every rule (no duplicate pushes, entering a page
/// already in the stack goes back to it, no back navigation while a popup is open or on the
/// last page) lives here and is tested without a view.
///
/// GUI thread only.
class UINavigator : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString currentPage READ currentPage NOTIFY currentPageChanged)
    Q_PROPERTY(QString pageIdKey READ pageIdKey CONSTANT)
    Q_PROPERTY(QString popupIdKey READ popupIdKey CONSTANT)
    Q_PROPERTY(QString popupUuidKey READ popupUuidKey CONSTANT)
    Q_PROPERTY(QStringList pages READ pages NOTIFY currentPageChanged)
    Q_PROPERTY(int popupCount READ popupCount NOTIFY popupCountChanged)

public:
    explicit UINavigator(QObject *parent = nullptr);

    void setRoutes(const UIRoutes::RouteTable &routes);

    [[nodiscard]] QString currentPage() const;
    [[nodiscard]] QStringList pages() const { return m_pages; }
    [[nodiscard]] int popupCount() const { return int(m_popups.size()); }
    [[nodiscard]] static QString pageIdKey() { return QStringLiteral("pageId"); }
    [[nodiscard]] static QString popupIdKey() { return QStringLiteral("popupId"); }
    [[nodiscard]] static QString popupUuidKey() { return QStringLiteral("popupUuid"); }

    Q_INVOKABLE [[nodiscard]] QUrl pageUrl(const QString &page) const;

public slots:
    void enterPage(const QString &pageId, QVariantMap properties = {}, bool immediate = false);
    void replacePage(const QString &pageId, QVariantMap properties = {}, bool immediate = false);
    void replaceAllPages(const QString &pageId, QVariantMap properties = {}, bool immediate = false);
    void replaceUpToPage(const QString &pageToKeepId, const QString &pageToAddId, QVariantMap properties = {},
                         bool immediate = false);
    void goBack(bool immediate = false);
    void goBackToPage(const QString &pageId, const QVariantMap &properties = {}, bool immediate = false);
    void openPopup(const QString &popupId, QVariantMap properties = {});
    void closePopup();

signals:
    void currentPageChanged(const QString &pageId);
    void popupCountChanged();
    void pushPageOnStackView(const QUrl &url, const QVariantMap &properties, bool immediate);
    void replacePageOnStackView(const QUrl &url, const QVariantMap &properties, bool immediate);
    void replaceAllPagesOnStackView(const QUrl &url, const QVariantMap &properties, bool immediate);
    void replaceAllPagesUpToPageOnStackView(const QString &pageToKeep, const QUrl &pageToAdd,
                                            const QVariantMap &properties, bool immediate);
    void popPageFromStackView(bool immediate);
    void popPageFromStackViewTo(const QString &pageId, const QVariantMap &properties, bool immediate);
    void pushPopupOnStackView(const QUrl &url, const QVariantMap &properties);
    void popPopupFromStackView();

private:
    /// True when pageId has a route; logs "Page not found" otherwise.
    bool checkRoute(const QString &pageId) const;

    QStringList m_pages;
    QList<QPair<QString, QString>> m_popups; ///< (popup identifier, uuid), oldest first
    UIRoutes::RouteTable m_routes;
};
