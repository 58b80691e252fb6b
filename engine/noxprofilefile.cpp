#include "engine/noxprofilefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

namespace Nox {

namespace {

void appendVarint(QByteArray &out, quint32 value)
{
    do {
        quint8 byte = value & 0x7f;
        value >>= 7;
        if (value) {
            byte |= 0x80;
        }
        out.append(char(byte));
    } while (value);
}

void appendInt32(QByteArray &out, qint32 value)
{
    const quint32 v = quint32(value);
    for (int shift = 0; shift < 32; shift += 8) {
        out.append(char((v >> shift) & 0xff));
    }
}

bool fail(QString *error, const QString &message)
{
    if (error) {
        *error = message;
    }
    return false;
}

} // namespace

bool NoxProfileFile::write(const QString &path, const QList<Entry> &entries, QString *error)
{
    QByteArray data;
    appendInt32(data, qint32(entries.size()));
    for (const Entry &entry : entries) {
        const QByteArray name = entry.first.toLatin1();
        appendVarint(data, quint32(name.size()));
        data.append(name);
        data.append(char(entry.second ? 1 : 0));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(error, file.errorString());
    }
    if (file.write(data) != data.size()) {
        const QString message = file.errorString();
        file.cancelWriting();
        return fail(error, message);
    }
    if (!file.commit()) {
        return fail(error, file.errorString());
    }
    return true;
}

bool NoxProfileFile::read(const QString &path, QMap<QString, bool> *hiddenByName, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return fail(error, file.errorString());
    }
    // Profiles hold one short entry per method; anything this large is not a profile.
    constexpr qint64 kMaxSize = 16 * 1024 * 1024;
    if (file.size() > kMaxSize) {
        return fail(error, QCoreApplication::translate("NoxProfileFile",
                                                       "pas un fichier de profil, fichier trop grand"));
    }
    return parse(file.readAll(), hiddenByName, error);
}

bool NoxProfileFile::parse(const QByteArray &data, QMap<QString, bool> *hiddenByName, QString *error)
{
    qsizetype pos = 0;
    const auto byteAt = [&](qsizetype i) {
        return quint8(data.at(i));
    };
    if (data.size() < 4) {
        return fail(error, QCoreApplication::translate("NoxProfileFile", "fichier de profil incomplet"));
    }
    qint64 count = qint32(quint32(byteAt(0)) | quint32(byteAt(1)) << 8 | quint32(byteAt(2)) << 16 |
                          quint32(byteAt(3)) << 24);
    pos = 4;
    // Each entry takes at least two bytes (a length and the flag).
    if (count < 0 || count > (data.size() - pos) / 2) {
        return fail(error, QCoreApplication::translate(
                               "NoxProfileFile", "nombre de méthodes impossible dans le fichier de profil"));
    }
    QMap<QString, bool> entries;
    for (qint64 e = 0; e < count; ++e) {
        quint32 length = 0;
        int shift = 0;
        while (true) {
            if (pos >= data.size() || shift > 28) {
                return fail(error,
                            QCoreApplication::translate("NoxProfileFile", "fichier de profil incomplet"));
            }
            const quint8 b = byteAt(pos++);
            length |= quint32(b & 0x7f) << shift;
            shift += 7;
            if (!(b & 0x80)) {
                break;
            }
        }
        if (qint64(length) + 1 > data.size() - pos) {
            return fail(error, QCoreApplication::translate("NoxProfileFile", "fichier de profil incomplet"));
        }
        const QString name = QString::fromLatin1(data.constData() + pos, qsizetype(length));
        pos += qsizetype(length);
        // Any non-zero flag hides the method: writers other than ours may store 0xff for true.
        const quint8 hidden = byteAt(pos++);
        entries.insert(name, hidden != 0);
    }
    if (pos != data.size()) {
        return fail(error, QCoreApplication::translate("NoxProfileFile",
                                                       "données inattendues à la fin du fichier de profil"));
    }
    *hiddenByName = entries;
    return true;
}

} // namespace Nox
