#include "money/noxmontantelibrary.h"

#include "core/noxlogging.h"
#include "money/montanteperso.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>

namespace Nox {

namespace {

constexpr char kHeader1[] = "[Montante 01]";
constexpr char kHeader2[] = "[Montante 02]";
constexpr int kHeaderLength = 13;
// A library holds a handful of progressions of a few dozen steps; far larger counts mean a
// damaged file, not a library.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;
constexpr int kMaxSteps = 100000;

bool fail(QString *error, const QString &message)
{
    if (error) {
        *error = message;
    }
    return false;
}

class Reader
{
public:
    explicit Reader(const QByteArray &data)
        : m_data(data)
    {}

    bool byte(quint8 *out)
    {
        if (m_pos + 1 > m_data.size()) {
            return false;
        }
        *out = quint8(m_data.at(m_pos++));
        return true;
    }
    bool int32(qint32 *out)
    {
        if (m_pos + 4 > m_data.size()) {
            return false;
        }
        *out = qFromLittleEndian<qint32>(m_data.constData() + m_pos);
        m_pos += 4;
        return true;
    }
    bool flag(bool *out)
    {
        quint8 b = 0;
        if (!byte(&b) || b > 1) {
            return false;
        }
        *out = b == 1;
        return true;
    }
    /// A length in 7-bit groups, least significant first.
    bool varint(quint32 *out)
    {
        quint32 value = 0;
        for (int shift = 0; shift < 32; shift += 7) {
            quint8 b = 0;
            if (!byte(&b)) {
                return false;
            }
            value |= quint32(b & 0x7f) << shift;
            if (!(b & 0x80)) {
                *out = value;
                return true;
            }
        }
        return false;
    }
    bool bytes(qsizetype count, QByteArray *out)
    {
        if (count < 0 || m_pos + count > m_data.size()) {
            return false;
        }
        *out = m_data.mid(m_pos, count);
        m_pos += count;
        return true;
    }
    [[nodiscard]] qsizetype position() const { return m_pos; }
    [[nodiscard]] qsizetype remaining() const { return m_data.size() - m_pos; }

private:
    const QByteArray &m_data;
    qsizetype m_pos = 0;
};

bool readRecord(Reader &in, int version, MontantePerso *m, QString *error)
{
    const auto cut = [&] {
        return fail(error,
                    QCoreApplication::translate("NoxMontanteLibrary", "enregistrement incomplet à l'octet %1")
                        .arg(in.position()));
    };
    qint32 count = 0;
    if (!in.int32(&count)) {
        return cut();
    }
    if (count < 0 || count > kMaxSteps || qint64(count) * 4 > in.remaining()) {
        return fail(error,
                    QCoreApplication::translate("NoxMontanteLibrary", "nombre de paliers impossible : %1")
                        .arg(count));
    }
    QList<int> steps;
    steps.reserve(count);
    for (qint32 i = 0; i < count; ++i) {
        qint32 step = 0;
        in.int32(&step);
        steps << step;
    }
    qint32 back = 0;
    qint32 backLoss = 0;
    quint32 length = 0;
    QByteArray name;
    if (!in.int32(&back) || !in.int32(&backLoss) || !in.varint(&length) || !in.bytes(length, &name)) {
        return cut();
    }
    m->setSteps(steps);
    m->setNbPaliersBack(back);
    m->setNbPaliersBackPerte(backLoss);
    m->setName(QString::fromLatin1(name));
    qCDebug(lcNoxMoney).noquote() << QStringLiteral("Loading montante: ") + m->name() +
                                         QStringLiteral(" version: ") + QString::number(version);
    bool recup = false;
    qint32 divider = 3;
    qint32 tours = 4;
    bool recompute = false;
    qint32 winRecalcul = 3;
    if (version >= 1 && (!in.flag(&recup) || !in.int32(&divider) || !in.int32(&tours))) {
        return cut();
    }
    if (version >= 2 && (!in.flag(&recompute) || !in.int32(&winRecalcul))) {
        return cut();
    }
    m->setRecupEnabled(recup);
    m->setRecupLossDivider(divider);
    m->setNbToursMontante(tours);
    m->setRecupRecompute(recompute);
    m->setNbWinRecalcul(winRecalcul);
    m->reset(); // clamps the divider and sizes the recovery parts
    return true;
}

} // namespace

bool NoxMontanteLibrary::parse(const QByteArray &data, List *montantes, QString *error)
{
    Reader in(data);
    quint8 first = 0;
    if (!in.byte(&first)) {
        return fail(error, QCoreApplication::translate("NoxMontanteLibrary", "fichier vide"));
    }
    int version = 0;
    qint32 count = 0;
    if (first == kHeaderLength) {
        QByteArray header;
        if (!in.bytes(kHeaderLength, &header)) {
            return fail(error, QCoreApplication::translate("NoxMontanteLibrary", "en-tête incomplet"));
        }
        if (header == kHeader2) {
            version = 2;
        } else if (header == kHeader1) {
            version = 1;
        } else {
            return fail(error, QCoreApplication::translate("NoxMontanteLibrary", "en-tête inconnu"));
        }
        if (!in.int32(&count)) {
            return fail(error,
                        QCoreApplication::translate("NoxMontanteLibrary", "nombre de montantes absent"));
        }
    } else {
        // Version 0: no header; the count is big-endian and begins with the byte just read.
        quint8 b1 = 0;
        quint8 b2 = 0;
        quint8 b3 = 0;
        if (!in.byte(&b1) || !in.byte(&b2) || !in.byte(&b3)) {
            return fail(error,
                        QCoreApplication::translate("NoxMontanteLibrary", "nombre de montantes absent"));
        }
        count = qint32((quint32(first) << 24) | (quint32(b1) << 16) | (quint32(b2) << 8) | b3);
    }
    // Every record takes at least 13 bytes.
    if (count < 0 || qint64(count) * 13 > in.remaining()) {
        return fail(error,
                    QCoreApplication::translate("NoxMontanteLibrary", "nombre de montantes impossible : %1")
                        .arg(count));
    }
    List read;
    for (qint32 i = 0; i < count; ++i) {
        auto m = std::make_unique<MontantePerso>();
        if (!readRecord(in, version, m.get(), error)) {
            return false;
        }
        read.push_back(std::move(m));
    }
    if (in.remaining() > 0) {
        return fail(error, QCoreApplication::translate("NoxMontanteLibrary",
                                                       "%1 octets inattendus après la dernière montante")
                               .arg(in.remaining()));
    }
    *montantes = std::move(read);
    return true;
}

QByteArray NoxMontanteLibrary::serialize(const QList<const MontantePerso *> &montantes)
{
    QByteArray data;
    const auto int32 = [&data](qint32 v) {
        char buf[4];
        qToLittleEndian(v, buf);
        data.append(buf, 4);
    };
    data.append(char(kHeaderLength));
    data.append(kHeader2, kHeaderLength);
    int32(qint32(montantes.size()));
    for (const MontantePerso *m : montantes) {
        int32(qint32(m->steps().size()));
        for (int step : m->steps()) {
            int32(step);
        }
        int32(m->nbPaliersBack());
        int32(m->nbPaliersBackPerte());
        const QByteArray name = m->name().toLatin1().left(MontantePerso::kMaxNameLength);
        data.append(char(name.size()));
        data.append(name);
        data.append(char(m->recupEnabled() ? 1 : 0));
        int32(m->recupLossDivider());
        int32(m->nbToursMontante());
        data.append(char(m->recupRecompute() ? 1 : 0));
        int32(m->nbWinRecalcul());
    }
    return data;
}

bool NoxMontanteLibrary::read(const QString &path, List *montantes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return fail(error, file.errorString());
    }
    // A device or a pipe has no size: read one byte past the limit rather than to the end,
    // so that /dev/zero is refused instead of filling the memory.
    const QByteArray data = file.size() > kMaxFileSize ? QByteArray() : file.read(kMaxFileSize + 1);
    if (file.size() > kMaxFileSize || data.size() > kMaxFileSize) {
        return fail(error,
                    QCoreApplication::translate("NoxMontanteLibrary",
                                                "pas une bibliothèque de montantes, fichier trop grand"));
    }
    return parse(data, montantes, error);
}

bool NoxMontanteLibrary::write(const QString &path, const QList<const MontantePerso *> &montantes,
                               QString *error)
{
    return writeText(path, serialize(montantes), error);
}

bool NoxMontanteLibrary::writeText(const QString &path, const QByteArray &text, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(error, file.errorString());
    }
    file.write(text);
    if (!file.commit()) {
        return fail(error, file.errorString());
    }
    return true;
}

} // namespace Nox
