#include "uinavigator.h"
#include "uiroutes.h"

#include <QSignalSpy>
#include <QTest>

// The navigation rules of UINavigator, observed through the signals the view executes.
class TstUINavigator : public QObject
{
    Q_OBJECT

private:
    UIRoutes::RouteTable routes() const
    {
        return {{QStringLiteral("/home"), QUrl(QStringLiteral("qrc:/home.qml"))},
                {QStringLiteral("/settings"), QUrl(QStringLiteral("qrc:/settings.qml"))},
                {QStringLiteral("/settings/a"), QUrl(QStringLiteral("qrc:/a.qml"))},
                {QStringLiteral("/settings/b"), QUrl(QStringLiteral("qrc:/b.qml"))},
                {QStringLiteral("popup/x"), QUrl(QStringLiteral("qrc:/x.qml"))}};
    }

    void fill(UINavigator &nav, const QStringList &pages)
    {
        nav.setRoutes(routes());
        for (const QString &p : pages) {
            nav.enterPage(p, {}, true);
        }
        QCOMPARE(nav.pages(), pages);
    }

private slots:
    void enterPushesOnceWithPageId()
    {
        UINavigator nav;
        nav.setRoutes(routes());
        QSignalSpy push(&nav, &UINavigator::pushPageOnStackView);
        QSignalSpy current(&nav, &UINavigator::currentPageChanged);
        nav.enterPage(QStringLiteral("/home"), {{QStringLiteral("k"), 1}}, true);
        nav.enterPage(QStringLiteral("/settings"));
        nav.enterPage(QStringLiteral("/settings"));
        QCOMPARE(push.count(), 2);
        QCOMPARE(push.at(0).at(0).toUrl(), QUrl(QStringLiteral("qrc:/home.qml")));
        const QVariantMap props = push.at(0).at(1).toMap();
        QCOMPARE(props.value(QStringLiteral("pageId")).toString(), QStringLiteral("/home"));
        QCOMPARE(props.value(QStringLiteral("k")).toInt(), 1);
        QCOMPARE(push.at(0).at(2).toBool(), true);
        QCOMPARE(push.at(1).at(2).toBool(), false);
        QCOMPARE(current.count(), 2);
        QCOMPARE(current.at(1).at(0).toString(), QStringLiteral("/settings"));
        QCOMPARE(nav.currentPage(), QStringLiteral("/settings"));
    }

    void enterPageBelowGoesBack()
    {
        UINavigator nav;
        fill(nav, {QStringLiteral("/home"), QStringLiteral("/settings"), QStringLiteral("/settings/a")});
        QSignalSpy push(&nav, &UINavigator::pushPageOnStackView);
        QSignalSpy popTo(&nav, &UINavigator::popPageFromStackViewTo);
        nav.enterPage(QStringLiteral("/home"), {{QStringLiteral("x"), 2}});
        QCOMPARE(push.count(), 0);
        QCOMPARE(popTo.count(), 1);
        QCOMPARE(popTo.at(0).at(0).toString(), QStringLiteral("/home"));
        QCOMPARE(popTo.at(0).at(1).toMap().value(QStringLiteral("x")).toInt(), 2);
        QCOMPARE(nav.pages(), QStringList{QStringLiteral("/home")});
    }

    void unknownPageChangesNothing()
    {
        UINavigator nav;
        fill(nav, {QStringLiteral("/home")});
        QSignalSpy current(&nav, &UINavigator::currentPageChanged);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Page not found")));
        nav.enterPage(QStringLiteral("/nowhere"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Page not found")));
        nav.replacePage(QStringLiteral("/nowhere"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Page not found")));
        nav.replaceAllPages(QStringLiteral("/nowhere"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Page not found")));
        nav.replaceUpToPage(QStringLiteral("/home"), QStringLiteral("/nowhere"));
        QCOMPARE(current.count(), 0);
        QCOMPARE(nav.pages(), QStringList{QStringLiteral("/home")});
        QVERIFY(nav.pageUrl(QStringLiteral("/nowhere")).isEmpty());
    }

    void goBackRules()
    {
        UINavigator nav;
        fill(nav, {QStringLiteral("/home")});
        QSignalSpy pop(&nav, &UINavigator::popPageFromStackView);
        nav.goBack();
        QCOMPARE(pop.count(), 0); // the last page stays
        nav.enterPage(QStringLiteral("/settings"));
        nav.openPopup(QStringLiteral("popup/x"));
        nav.goBack();
        nav.goBackToPage(QStringLiteral("/home"));
        QCOMPARE(pop.count(), 0); // refused while a popup is open
        QCOMPARE(nav.currentPage(), QStringLiteral("/settings"));
        nav.closePopup();
        nav.goBack(true);
        QCOMPARE(pop.count(), 1);
        QCOMPARE(pop.at(0).at(0).toBool(), true);
        QCOMPARE(nav.currentPage(), QStringLiteral("/home"));
    }

    void goBackToPageIgnoresTopAndMissing()
    {
        UINavigator nav;
        fill(nav, {QStringLiteral("/home"), QStringLiteral("/settings")});
        QSignalSpy popTo(&nav, &UINavigator::popPageFromStackViewTo);
        nav.goBackToPage(QStringLiteral("/settings"));
        nav.goBackToPage(QStringLiteral("/settings/a"));
        QCOMPARE(popTo.count(), 0);
        nav.goBackToPage(QStringLiteral("/home"));
        QCOMPARE(popTo.count(), 1);
    }

    void replacePage()
    {
        UINavigator nav;
        fill(nav, {QStringLiteral("/home"), QStringLiteral("/settings")});
        QSignalSpy replace(&nav, &UINavigator::replacePageOnStackView);
        nav.replacePage(QStringLiteral("/settings/a"));
        QCOMPARE(replace.count(), 1);
        QCOMPARE(replace.at(0).at(1).toMap().value(QStringLiteral("pageId")).toString(),
                 QStringLiteral("/settings/a"));
        QCOMPARE(nav.pages(), (QStringList{QStringLiteral("/home"), QStringLiteral("/settings/a")}));
        nav.replacePage(QStringLiteral("/settings/a"));
        QCOMPARE(replace.count(), 1);
    }

    void replaceAllPages()
    {
        UINavigator nav;
        fill(nav, {QStringLiteral("/home"), QStringLiteral("/settings"), QStringLiteral("/settings/a")});
        QSignalSpy replaceAll(&nav, &UINavigator::replaceAllPagesOnStackView);
        QSignalSpy popTo(&nav, &UINavigator::popPageFromStackViewTo);
        nav.replaceAllPages(QStringLiteral("/home")); // the bottom: pops back to it
        QCOMPARE(replaceAll.count(), 0);
        QCOMPARE(popTo.count(), 1);
        QCOMPARE(nav.pages(), QStringList{QStringLiteral("/home")});
        nav.replaceAllPages(QStringLiteral("/settings/b"));
        QCOMPARE(replaceAll.count(), 1);
        QCOMPARE(nav.pages(), QStringList{QStringLiteral("/settings/b")});
    }

    void replaceUpToPage()
    {
        UINavigator nav;
        fill(nav, {QStringLiteral("/home"), QStringLiteral("/settings"), QStringLiteral("/settings/a")});
        QSignalSpy upTo(&nav, &UINavigator::replaceAllPagesUpToPageOnStackView);
        nav.replaceUpToPage(QStringLiteral("/home"), QStringLiteral("/settings/b"));
        QCOMPARE(upTo.count(), 1);
        QCOMPARE(upTo.at(0).at(0).toString(), QStringLiteral("/home"));
        QCOMPARE(upTo.at(0).at(1).toUrl(), QUrl(QStringLiteral("qrc:/b.qml")));
        QCOMPARE(nav.pages(), (QStringList{QStringLiteral("/home"), QStringLiteral("/settings/b")}));
        // Kept page at the bottom and the added page second and on top: nothing to do.
        nav.replaceUpToPage(QStringLiteral("/home"), QStringLiteral("/settings/b"));
        QCOMPARE(upTo.count(), 1);
        // Kept page not in the stack: a plain enter.
        QSignalSpy push(&nav, &UINavigator::pushPageOnStackView);
        nav.replaceUpToPage(QStringLiteral("/settings"), QStringLiteral("/settings/a"));
        QCOMPARE(push.count(), 1);
        QCOMPARE(nav.pages().constLast(), QStringLiteral("/settings/a"));
        // Added page already in the stack: back to it.
        QSignalSpy popTo(&nav, &UINavigator::popPageFromStackViewTo);
        nav.replaceUpToPage(QStringLiteral("/home"), QStringLiteral("/settings/b"));
        QCOMPARE(popTo.count(), 1);
        QCOMPARE(nav.currentPage(), QStringLiteral("/settings/b"));
    }

    void popupsGetFreshIds()
    {
        UINavigator nav;
        fill(nav, {QStringLiteral("/home")});
        QSignalSpy push(&nav, &UINavigator::pushPopupOnStackView);
        QSignalSpy pop(&nav, &UINavigator::popPopupFromStackView);
        nav.openPopup(QStringLiteral("popup/x"), {{QStringLiteral("a"), 1}});
        nav.openPopup(QStringLiteral("popup/x"));
        QCOMPARE(push.count(), 2);
        const QVariantMap first = push.at(0).at(1).toMap();
        const QVariantMap second = push.at(1).at(1).toMap();
        QCOMPARE(first.value(QStringLiteral("popupId")).toString(), QStringLiteral("popup/x"));
        QCOMPARE(first.value(QStringLiteral("a")).toInt(), 1);
        QVERIFY(!first.value(QStringLiteral("popupUuid")).toString().isEmpty());
        QVERIFY(first.value(QStringLiteral("popupUuid")) != second.value(QStringLiteral("popupUuid")));
        QCOMPARE(nav.popupCount(), 2);
        nav.closePopup();
        nav.closePopup();
        nav.closePopup(); // nothing left: no signal
        QCOMPARE(pop.count(), 2);
        QCOMPARE(nav.popupCount(), 0);
    }

    void routeTableNamesEveryPage()
    {
        const UIRoutes::RouteTable &table = UIRoutes::baccaratRoutes();
        for (const char *page :
             {"/home", "/settings", "/settings/methods/visibility", "/settings/methods/ecartnotif",
              "/settings/methods/blocks", "/settings/methods/blocksdom", "/settings/montantes/user"}) {
            QVERIFY2(table.contains(QLatin1String(page)), page);
        }
        QCOMPARE(table.value(QStringLiteral("/home")),
                 QUrl(QStringLiteral("qrc:/qt/qml/NoxRouletteUi/Baccara/PlayScreen.qml")));
        QCOMPARE(table.value(QStringLiteral("/settings/montantes/user")),
                 QUrl(QStringLiteral("qrc:/qt/qml/NoxRouletteUi/Common/UserMontantePage.qml")));
    }
};

QTEST_GUILESS_MAIN(TstUINavigator)
#include "tst_uinavigator.moc"
