#include "IniFile.h"

#include <QFile>
#include <QStringList>

namespace {

QString truncated(const QString& text, int bufferSize)
{
    const int room = qMax(0, bufferSize - 1);
    if (text.size() <= room)
        return text;
    // Do not split a surrogate pair at the cut.
    int cut = room;
    if (cut > 0 && text.at(cut - 1).isHighSurrogate())
        --cut;
    return text.left(cut);
}

QString unquoted(const QString& value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

} // namespace

QString readIniString(const QString& path, const QString& section, const QString& key,
                      const QString& defaultValue, int bufferSize)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return truncated(defaultValue, bufferSize);

    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    bool inSection = false;
    const QStringList lines = text.split(u'\n');
    for (const QString& rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            const int close = line.indexOf(u']');
            const QString name = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection)
            continue;
        const int equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        if (line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return truncated(unquoted(line.mid(equals + 1).trimmed()), bufferSize);
    }
    return truncated(defaultValue, bufferSize);
}
