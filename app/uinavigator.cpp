#include "uinavigator.h"

#include <QLoggingCategory>
#include <QUuid>

Q_LOGGING_CATEGORY(lcNoxNavigation, "nox.ui.navigation")

UINavigator::UINavigator(QObject *parent)
    : QObject(parent)
{}

void UINavigator::setRoutes(const UIRoutes::RouteTable &routes)
{
    m_routes = routes;
}

QString UINavigator::currentPage() const
{
    return m_pages.isEmpty() ? QString() : m_pages.constLast();
}

QUrl UINavigator::pageUrl(const QString &page) const
{
    return m_routes.value(page);
}

bool UINavigator::checkRoute(const QString &pageId) const
{
    if (!m_routes.contains(pageId)) {
        qCWarning(lcNoxNavigation) << "Page not found" << pageId;
        return false;
    }
    return true;
}

void UINavigator::enterPage(const QString &pageId, QVariantMap properties, bool immediate)
{
    if (!checkRoute(pageId) || currentPage() == pageId) {
        return;
    }
    if (m_pages.contains(pageId)) {
        goBackToPage(pageId, properties, immediate);
        return;
    }
    properties.insert(pageIdKey(), pageId);
    m_pages.append(pageId);
    emit pushPageOnStackView(pageUrl(pageId), properties, immediate);
    emit currentPageChanged(pageId);
}

void UINavigator::replacePage(const QString &pageId, QVariantMap properties, bool immediate)
{
    if (!checkRoute(pageId) || currentPage() == pageId) {
        return;
    }
    if (m_pages.contains(pageId)) {
        goBackToPage(pageId, properties, immediate);
        return;
    }
    properties.insert(pageIdKey(), pageId);
    if (m_pages.isEmpty()) {
        m_pages.append(pageId);
    } else {
        m_pages.last() = pageId;
    }
    emit replacePageOnStackView(pageUrl(pageId), properties, immediate);
    emit currentPageChanged(pageId);
}

void UINavigator::replaceAllPages(const QString &pageId, QVariantMap properties, bool immediate)
{
    if (!checkRoute(pageId)) {
        return;
    }
    if (!m_pages.isEmpty() && m_pages.constFirst() == pageId) {
        goBackToPage(pageId, properties, immediate);
        return;
    }
    properties.insert(pageIdKey(), pageId);
    m_pages = {pageId};
    emit replaceAllPagesOnStackView(pageUrl(pageId), properties, immediate);
    emit currentPageChanged(pageId);
}

void UINavigator::replaceUpToPage(const QString &pageToKeepId, const QString &pageToAddId,
                                  QVariantMap properties, bool immediate)
{
    if (!checkRoute(pageToAddId)) {
        return;
    }
    if (m_pages.size() == 2 && m_pages.at(0) == pageToKeepId && m_pages.at(1) == pageToAddId) {
        return;
    }
    const qsizetype keep = m_pages.indexOf(pageToKeepId);
    if (keep < 0) {
        enterPage(pageToAddId, properties, immediate);
        return;
    }
    if (m_pages.contains(pageToAddId)) {
        goBackToPage(pageToAddId, properties, immediate);
        return;
    }
    properties.insert(pageIdKey(), pageToAddId);
    m_pages.resize(keep + 1);
    m_pages.append(pageToAddId);
    emit replaceAllPagesUpToPageOnStackView(pageToKeepId, pageUrl(pageToAddId), properties, immediate);
    emit currentPageChanged(pageToAddId);
}

void UINavigator::goBack(bool immediate)
{
    if (!m_popups.isEmpty() || m_pages.size() < 2) {
        return;
    }
    m_pages.removeLast();
    emit popPageFromStackView(immediate);
    emit currentPageChanged(currentPage());
}

void UINavigator::goBackToPage(const QString &pageId, const QVariantMap &properties, bool immediate)
{
    if (!m_popups.isEmpty() || m_pages.size() < 2 || currentPage() == pageId || !m_pages.contains(pageId)) {
        return;
    }
    m_pages.resize(m_pages.indexOf(pageId) + 1);
    emit popPageFromStackViewTo(pageId, properties, immediate);
    emit currentPageChanged(pageId);
}

void UINavigator::openPopup(const QString &popupId, QVariantMap properties)
{
    const QString uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    properties.insert(popupIdKey(), popupId);
    properties.insert(popupUuidKey(), uuid);
    m_popups.append({popupId, uuid});
    emit popupCountChanged();
    emit pushPopupOnStackView(pageUrl(popupId), properties);
}

void UINavigator::closePopup()
{
    if (m_popups.isEmpty()) {
        return;
    }
    m_popups.removeLast();
    emit popupCountChanged();
    emit popPopupFromStackView();
}
