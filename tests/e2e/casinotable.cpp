// A stand-in for the casino's table in the end-to-end test: a plain window with eight chips,
// the three betting spots and the double button. Every left click it receives is appended to
// the log file given as the first argument, as "CLICK <place> <global x> <global y>"; once the
// window is shown, "PLACE <name> <global centre x> <global centre y>" lines tell the test
// where to click, followed by "READY".

#include <QFile>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRasterWindow>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

struct Place {
    QString name;
    QRect rect;
};

/// The places of the table in window coordinates: chips in a row at the bottom, the three
/// spots above them, the double button in a corner.
std::vector<Place> tablePlaces()
{
    std::vector<Place> places;
    for (int i = 0; i < 8; ++i) {
        places.push_back({QStringLiteral("JETON_%1").arg(i + 1), QRect(20 + i * 60, 320, 50, 50)});
    }
    places.push_back({QStringLiteral("PLAYER"), QRect(20, 120, 150, 120)});
    places.push_back({QStringLiteral("TIE"), QRect(185, 120, 150, 120)});
    places.push_back({QStringLiteral("BANKER"), QRect(350, 120, 150, 120)});
    places.push_back({QStringLiteral("DOUBLE"), QRect(420, 20, 80, 50)});
    return places;
}

class CasinoTable : public QRasterWindow
{
public:
    explicit CasinoTable(QString logPath)
        : m_places(tablePlaces())
        , m_log(std::move(logPath))
    {
        setTitle(QStringLiteral("Casino table"));
        resize(520, 400);
    }

    void announce()
    {
        for (const Place &p : m_places) {
            const QPoint c = mapToGlobal(p.rect.center());
            write(QStringLiteral("PLACE %1 %2 %3").arg(p.name).arg(c.x()).arg(c.y()));
        }
        write(QStringLiteral("READY"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(QRect(QPoint(0, 0), size()), QColor(0x0b, 0x4d, 0x2c));
        painter.setPen(Qt::white);
        for (const Place &p : m_places) {
            painter.drawRect(p.rect);
            painter.drawText(p.rect, Qt::AlignCenter, p.name);
        }
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton) {
            return;
        }
        const QPoint local = event->position().toPoint();
        QString name = QStringLiteral("NONE");
        for (const Place &p : m_places) {
            if (p.rect.contains(local)) {
                name = p.name;
            }
        }
        const QPoint global = event->globalPosition().toPoint();
        write(QStringLiteral("CLICK %1 %2 %3").arg(name).arg(global.x()).arg(global.y()));
    }

private:
    void write(const QString &line)
    {
        QFile file(m_log);
        if (file.open(QIODevice::Append | QIODevice::Text)) {
            QTextStream(&file) << line << '\n';
        }
    }

    std::vector<Place> m_places;
    QString m_log;
};

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: casinotable LOGFILE\n");
        return 2;
    }
    CasinoTable table(QString::fromLocal8Bit(argv[1]));
    table.setPosition(40, 40);
    table.show();
    // The window manager places the window when it maps it; announce the places after that.
    QTimer::singleShot(800, &table, [&table] { table.announce(); });
    return QGuiApplication::exec();
}
