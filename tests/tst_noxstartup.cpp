#include "noxstartup.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// The start-up's choice of the language of the screens. ctest runs it under a C locale
// (LC_ALL=C, LANG=C), which names no language at all.
class TstNoxStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_config.path());
        QCoreApplication::setOrganizationName(QStringLiteral("NoxBaccaratTest"));
        QCoreApplication::setApplicationName(QStringLiteral("Baccarat Vantor Pro"));
    }

    void savedLanguageFirst()
    {
        const QStringList available = NoxStartup::availableLanguages();
        QCOMPARE(available, (QStringList{QStringLiteral("fr"), QStringLiteral("en")}));
        QCOMPARE(NoxStartup::chooseLanguage(QStringLiteral("en"), {QStringLiteral("fr-FR")}, available),
                 u"en");
        QCOMPARE(NoxStartup::chooseLanguage(QStringLiteral("fr"), {QStringLiteral("en-GB")}, available),
                 u"fr");
    }

    void systemLanguageWhenNoneSaved()
    {
        const QStringList available = NoxStartup::availableLanguages();
        QCOMPARE(NoxStartup::chooseLanguage({}, {QStringLiteral("en-US"), QStringLiteral("en")}, available),
                 u"en");
        QCOMPARE(NoxStartup::chooseLanguage({}, {QStringLiteral("fr_CA")}, available), u"fr");
        // The first language of the system that has a translation.
        QCOMPARE(
            NoxStartup::chooseLanguage({}, {QStringLiteral("de-DE"), QStringLiteral("en-GB")}, available),
            u"en");
        // A saved code without translation (written by an older start-up) counts as none.
        QCOMPARE(NoxStartup::chooseLanguage(QStringLiteral("C"), {QStringLiteral("en-GB")}, available),
                 u"en");
    }

    void frenchOtherwise()
    {
        const QStringList available = NoxStartup::availableLanguages();
        QCOMPARE(NoxStartup::chooseLanguage({}, {QStringLiteral("C")}, available), u"fr");
        QCOMPARE(NoxStartup::chooseLanguage({}, {QStringLiteral("POSIX")}, available), u"fr");
        QCOMPARE(NoxStartup::chooseLanguage({}, {QStringLiteral("de-DE")}, available), u"fr");
        QCOMPARE(NoxStartup::chooseLanguage(QStringLiteral("xx"), {}, available), u"fr");
    }

    void cLocaleStartsInFrench()
    {
        if (QLocale::system().language() != QLocale::C) {
            QSKIP("needs a C locale (LC_ALL=C), as ctest gives it");
        }
        QSettings().remove(QStringLiteral("language"));
        QCOMPARE(NoxStartup::language(), u"fr");
        QSettings().setValue(QStringLiteral("language"), QStringLiteral("en"));
        QCOMPARE(NoxStartup::language(), u"en");
        QSettings().setValue(QStringLiteral("language"), QStringLiteral("C"));
        QCOMPARE(NoxStartup::language(), u"fr");
    }

private:
    QTemporaryDir m_config;
};

QTEST_MAIN(TstNoxStartup)
#include "tst_noxstartup.moc"
