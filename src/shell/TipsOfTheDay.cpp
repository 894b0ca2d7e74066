#include "shell/TipsOfTheDay.h"

#include "support/CodePage.h"

#include <QFile>

TipsOfTheDay::TipsOfTheDay() : m_random(QRandomGenerator::global()->generate()) {}

TipsOfTheDay::TipsOfTheDay(quint32 seed) : m_random(seed) {}

TipsOfTheDay::TipsOfTheDay(const QRandomGenerator& generator) : m_random(generator) {}

bool TipsOfTheDay::load(const QString& file) {
    m_tips.clear();
    m_last = -1;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return false;

    // The lines are gathered as bytes and decoded together, so that the encoding is
    // judged on the whole text and not line by line.
    QByteArray bytes;
    int lines = 0;
    while (lines < MaxTips && !in.atEnd()) {
        const QByteArray line = in.readLine().trimmed();
        if (line.isEmpty())
            continue;
        bytes += line;
        bytes += '\n';
        ++lines;
    }
    const QStringList decoded = CodePage::decode(bytes).split(QLatin1Char('\n'));
    for (const QString& line : decoded) {
        // A line holding nothing but a byte-order mark decodes to nothing.
        const QString tip = line.trimmed();
        if (!tip.isEmpty())
            m_tips.append(tip);
    }
    return true;
}

bool TipsOfTheDay::loadFirstAvailable(const QString& dataDirFile) {
    if (!dataDirFile.isEmpty() && QFile::exists(dataDirFile))
        return load(dataDirFile);
    return load(shippedFile());
}

QString TipsOfTheDay::next() {
    const int n = count();
    if (n == 0)
        return {};
    if (n == 1) {
        m_last = 0;
        return m_tips.first();
    }
    int index = 0;
    if (m_last < 0) {
        index = static_cast<int>(m_random.bounded(n));
    } else {
        // Draw among the other tips only, so the previous one cannot come again.
        index = static_cast<int>(m_random.bounded(n - 1));
        if (index >= m_last)
            ++index;
    }
    m_last = index;
    return m_tips.at(index);
}
