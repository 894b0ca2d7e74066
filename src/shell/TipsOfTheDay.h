#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

// The tips of the day: one tip per line of "porady.dat", read once at start-up, shown in
// random order so that the same tip never comes twice in a row.
class TipsOfTheDay {
public:
    // Lines beyond this many tips are not read.
    static constexpr int MaxTips = 300;

    // Seeded from the system's random source.
    TipsOfTheDay();
    // A fixed seed gives the same order every time (tests).
    explicit TipsOfTheDay(quint32 seed);
    explicit TipsOfTheDay(const QRandomGenerator& generator);

    // Replaces the store with the non-empty lines of file (UTF-8 or Windows-1250).
    // False when the file cannot be read; the store is then empty.
    bool load(const QString& file);
    // The data directory's file when it exists, else the tips shipped with the program.
    bool loadFirstAvailable(const QString& dataDirFile);

    int count() const { return static_cast<int>(m_tips.size()); }
    const QStringList& tips() const { return m_tips; }

    // A random tip other than the one returned last time; with fewer than two tips the
    // one tip, or an empty text.
    QString next();

    // The tips shipped with the program, a Qt resource.
    static QString shippedFile() { return QStringLiteral(":/porady.dat"); }

private:
    QStringList m_tips;
    QRandomGenerator m_random;
    int m_last = -1;
};
